// Reading and writing 10^6 coordinate rows, measured against floors in the same run: the CSV read
// from text (Fill_From_Csv_Text) and from the file (Read_Text_File, which also decodes code page
// 932), the text form written (Cood_Text) and read back (Parse_Cood_Text). The read floors parse
// the same "X,Y" lines with from_chars and integrate them in one pass; the write floor only
// concatenates the cell texts.
#include <benchmark/benchmark.h>

#include <QString>
#include <fstream>
#include <sstream>

#include "BenchShapes.h"
#include "CoodCsv.h"
#include "CoodText.h"
#include "Floor.h"
#include "TextFile.h"

namespace kuvanto::bench {
namespace {

constexpr int kRows = 1000000;

void BM_Csv_Fill_FromText(benchmark::State& state) {
    const Circle& circle = Circle_Of(kRows);
    for (auto _ : state) {
        CoodGrid add, sbtrt;
        Fill_From_Csv_Text(circle.csv_text, add, sbtrt, [](const std::string&) {});
        benchmark::DoNotOptimize(add);
        if (add.Rows() != kRows + 2) state.SkipWithError("rows lost while reading");
    }
    state.SetItemsProcessed(state.iterations() * kRows);
}
BENCHMARK(BM_Csv_Fill_FromText)->Unit(benchmark::kMillisecond);

void BM_Csv_Fill_FromFile(benchmark::State& state) {
    const QString path = QString::fromStdString(Circle_File(kRows));
    for (auto _ : state) {
        const std::optional<std::string> text = Read_Text_File(path);
        if (!text) {
            state.SkipWithError("the circle file cannot be read");
            break;
        }
        CoodGrid add, sbtrt;
        Fill_From_Csv_Text(*text, add, sbtrt, [](const std::string&) {});
        benchmark::DoNotOptimize(add);
    }
    state.SetItemsProcessed(state.iterations() * kRows);
}
BENCHMARK(BM_Csv_Fill_FromFile)->Unit(benchmark::kMillisecond);

void BM_Floor_FromText(benchmark::State& state) {
    const Circle& circle = Circle_Of(kRows);
    for (auto _ : state) {
        FloorSums sums = Floor_From_Text(circle.csv_text);
        benchmark::DoNotOptimize(sums);
    }
    state.SetItemsProcessed(state.iterations() * kRows);
}
BENCHMARK(BM_Floor_FromText)->Unit(benchmark::kMillisecond);

void BM_Floor_FromFile(benchmark::State& state) {
    const std::string& path = Circle_File(kRows);
    for (auto _ : state) {
        std::ifstream file(path, std::ios::binary);
        std::ostringstream bytes;
        bytes << file.rdbuf();
        FloorSums sums = Floor_From_Text(bytes.str());
        benchmark::DoNotOptimize(sums);
    }
    state.SetItemsProcessed(state.iterations() * kRows);
}
BENCHMARK(BM_Floor_FromFile)->Unit(benchmark::kMillisecond);

void BM_Cood_Text_Write(benchmark::State& state) {
    const Circle& circle = Circle_Of(kRows);
    for (auto _ : state) {
        std::string text = Cood_Text(circle.add, circle.sbtrt);
        benchmark::DoNotOptimize(text);
    }
    state.SetItemsProcessed(state.iterations() * kRows);
}
BENCHMARK(BM_Cood_Text_Write)->Unit(benchmark::kMillisecond);

// The write floor: the cell texts joined with "," and CR LF into one reserved string.
void BM_Floor_Write(benchmark::State& state) {
    const Circle& circle = Circle_Of(kRows);
    const std::vector<std::string>& cells = circle.add.Cells();
    for (auto _ : state) {
        std::string text;
        text.reserve(circle.csv_text.size());
        for (std::size_t i = 2; i + 1 < cells.size(); i += 2) {
            text += cells[i];
            text += ',';
            text += cells[i + 1];
            text += "\r\n";
        }
        benchmark::DoNotOptimize(text);
    }
    state.SetItemsProcessed(state.iterations() * kRows);
}
BENCHMARK(BM_Floor_Write)->Unit(benchmark::kMillisecond);

void BM_Parse_Cood_Text(benchmark::State& state) {
    const Circle& circle = Circle_Of(kRows);
    for (auto _ : state) {
        CoodGrid add, sbtrt;
        Parse_Cood_Text(circle.csv_text, add, sbtrt);
        benchmark::DoNotOptimize(add);
        if (add.Rows() != kRows + 2) state.SkipWithError("rows lost while reading");
    }
    state.SetItemsProcessed(state.iterations() * kRows);
}
BENCHMARK(BM_Parse_Cood_Text)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace kuvanto::bench

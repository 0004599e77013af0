// Reading and writing 10^6 coordinate rows, measured against floors in the same run: the CSV read
// from text (fillFromCsvText) and from the file (readTextFile, which also decodes code page
// 932), the text form written (coordText) and read back (parseCoordText). The read floors parse
// the same "X,Y" lines with from_chars and integrate them in one pass; the write floor only
// concatenates the cell texts. Hostile bytes (10 MB that are not text) are timed on their own.
#include <benchmark/benchmark.h>

#include <memory>

#include <QString>
#include <fstream>
#include <sstream>

#include "BenchShapes.h"
#include "Floor.h"
#include "io/CoordCsv.h"
#include "io/CoordText.h"
#include "io/TextFile.h"

namespace kuvanto::bench {
namespace {

constexpr int kRows = 1000000;

void BM_CsvFillFromText(benchmark::State& state) {
    const Circle& circle = circleOf(kRows);
    for (auto _ : state) {
        CoordTable add, subtracted;
        fillFromCsvText(circle.csvText, add, subtracted, [](const std::string&) {});
        benchmark::DoNotOptimize(add);
        if (add.rows() != kRows + 2) state.SkipWithError("rows lost while reading");
    }
    state.SetItemsProcessed(state.iterations() * kRows);
}
BENCHMARK(BM_CsvFillFromText)->Unit(benchmark::kMillisecond);

void BM_CsvFillFromFile(benchmark::State& state) {
    const QString path = QString::fromStdString(circleFile(kRows));
    for (auto _ : state) {
        std::optional<std::string> text = readTextFile(path);
        if (!text) {
            state.SkipWithError("the circle file cannot be read");
            break;
        }
        // As the calculator reads: the tables keep their texts in the file's text.
        CoordTable add, subtracted;
        fillFromCsvText(std::make_shared<const std::string>(std::move(*text)), add, subtracted,
                        [](const std::string&) {});
        benchmark::DoNotOptimize(add);
    }
    state.SetItemsProcessed(state.iterations() * kRows);
}
BENCHMARK(BM_CsvFillFromFile)->Unit(benchmark::kMillisecond);

// Hostile input: 10 MB of bytes that are not text (all 0xFF, or random) decoded and read as a
// coordinate file. Target: under 1 s, in time linear in the size.
void BM_HostileBytesRead(benchmark::State& state) {
    std::string bytes(10 * 1024 * 1024, '\xFF');
    if (state.range(0) == 1) {
        std::uint32_t seed = 1;
        for (char& c : bytes) {
            seed = seed * 1664525u + 1013904223u;
            c = static_cast<char>(seed >> 24);
        }
    }
    for (auto _ : state) {
        const std::string text = decodeFileBytes(std::string_view(bytes));
        CoordTable add, subtracted;
        fillFromCsvText(text, add, subtracted, [](const std::string&) {});
        benchmark::DoNotOptimize(add);
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(bytes.size()));
}
BENCHMARK(BM_HostileBytesRead)->Arg(0)->Arg(1)->ArgName("random")->Unit(benchmark::kMillisecond);

void BM_FloorFromText(benchmark::State& state) {
    const Circle& circle = circleOf(kRows);
    for (auto _ : state) {
        FloorSums sums = floorFromText(circle.csvText);
        benchmark::DoNotOptimize(sums);
    }
    state.SetItemsProcessed(state.iterations() * kRows);
}
BENCHMARK(BM_FloorFromText)->Unit(benchmark::kMillisecond);

void BM_FloorFromFile(benchmark::State& state) {
    const std::string& path = circleFile(kRows);
    for (auto _ : state) {
        std::ifstream file(path, std::ios::binary);
        std::ostringstream bytes;
        bytes << file.rdbuf();
        FloorSums sums = floorFromText(bytes.str());
        benchmark::DoNotOptimize(sums);
    }
    state.SetItemsProcessed(state.iterations() * kRows);
}
BENCHMARK(BM_FloorFromFile)->Unit(benchmark::kMillisecond);

void BM_CoordTextWrite(benchmark::State& state) {
    const Circle& circle = circleOf(kRows);
    for (auto _ : state) {
        std::string text = coordText(circle.add, circle.subtracted);
        benchmark::DoNotOptimize(text);
    }
    state.SetItemsProcessed(state.iterations() * kRows);
}
BENCHMARK(BM_CoordTextWrite)->Unit(benchmark::kMillisecond);

// The write floor: the cell texts joined with "," and CR LF into one reserved string.
void BM_FloorWrite(benchmark::State& state) {
    const Circle& circle = circleOf(kRows);
    const std::vector<std::string>& cells = circle.cells;
    for (auto _ : state) {
        std::string text;
        text.reserve(circle.csvText.size());
        for (std::size_t i = 0; i + 1 < cells.size(); i += 2) {
            text += cells[i];
            text += ',';
            text += cells[i + 1];
            text += "\r\n";
        }
        benchmark::DoNotOptimize(text);
    }
    state.SetItemsProcessed(state.iterations() * kRows);
}
BENCHMARK(BM_FloorWrite)->Unit(benchmark::kMillisecond);

void BM_ParseCoordText(benchmark::State& state) {
    const Circle& circle = circleOf(kRows);
    for (auto _ : state) {
        CoordTable add, subtracted;
        parseCoordText(circle.csvText, add, subtracted);
        benchmark::DoNotOptimize(add);
        if (add.rows() != kRows + 2) state.SkipWithError("rows lost while reading");
    }
    state.SetItemsProcessed(state.iterations() * kRows);
}
BENCHMARK(BM_ParseCoordText)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace kuvanto::bench

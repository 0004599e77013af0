// The DXF import against its targets: a drawing of 10^5 entities (20 000 plates, each drawn as
// four LINEs round a hole made of one bulged LWPOLYLINE) read, chained and nested in under a
// second; and the nesting of 10^4 loops, side by side and all inside each other, in under a
// second (it must not grow with the square of the loops). Floors in the same run: splitting the
// same text into group pairs with from_chars, and one pass over the loops' points.
#include <benchmark/benchmark.h>

#include <charconv>
#include <string>
#include <vector>

#include "core/drawing/LoopChecks.h"
#include "io/DxfImport.h"
#include "io/DxfReader.h"

namespace kuvanto::bench {
namespace {

constexpr int kPlates = 20000;

std::string number(double v) {
    char buffer[32];
    return std::string(buffer, std::to_chars(buffer, buffer + 32, v).ptr);
}

const std::string& plateDrawing() {
    static const std::string text = [] {
        std::string t = "0\nSECTION\n2\nENTITIES\n";
        for (int k = 0; k < kPlates; ++k) {
            const double x = (k % 200) * 20.0, y = (k / 200) * 20.0;
            const double corners[4][2] = {{x, y}, {x + 10, y}, {x + 10, y + 10}, {x, y + 10}};
            for (int i = 0; i < 4; ++i) {
                const auto& a = corners[i];
                const auto& b = corners[(i + 1) % 4];
                t += "0\nLINE\n8\nPLATES\n10\n" + number(a[0]) + "\n20\n" + number(a[1]) +
                     "\n11\n" + number(b[0]) + "\n21\n" + number(b[1]) + "\n";
            }
            t += "0\nLWPOLYLINE\n8\nPLATES\n90\n2\n70\n1\n10\n" + number(x + 3) + "\n20\n" +
                 number(y + 5) + "\n42\n1\n10\n" + number(x + 7) + "\n20\n" + number(y + 5) +
                 "\n42\n1\n";
        }
        return t + "0\nENDSEC\n0\nEOF\n";
    }();
    return text;
}

void BM_DxfImport100kEntities(benchmark::State& state) {
    const std::string& text = plateDrawing();
    for (auto _ : state) {
        CadDrawing drawing;
        QString error;
        if (!DxfReader::read(text, drawing, &error)) state.SkipWithError("not read");
        DxfImportOptions options;
        options.chordError = 0.05;
        std::vector<LayerOutlines> layers;
        DxfImport::outline(drawing, options, layers, &error);
        const SectionFigures figures = DxfImport::figures(layers, options);
        if (figures.added.size() != kPlates || figures.subtracted.size() != kPlates)
            state.SkipWithError("wrong figures");
        benchmark::DoNotOptimize(figures);
    }
    state.SetItemsProcessed(state.iterations() * kPlates * 5);
}
BENCHMARK(BM_DxfImport100kEntities)->Unit(benchmark::kMillisecond);

// Floor: the same text split into (code, value) pairs, codes read with from_chars.
void BM_DxfPairsFloor(benchmark::State& state) {
    const std::string& text = plateDrawing();
    for (auto _ : state) {
        std::size_t pos = 0, sum = 0;
        while (pos < text.size()) {
            const std::size_t codeEnd = text.find('\n', pos);
            int code = 0;
            std::from_chars(text.data() + pos, text.data() + codeEnd, code);
            const std::size_t valueEnd = text.find('\n', codeEnd + 1);
            sum += static_cast<std::size_t>(code) + (valueEnd - codeEnd);
            pos = valueEnd + 1;
        }
        benchmark::DoNotOptimize(sum);
    }
}
BENCHMARK(BM_DxfPairsFloor)->Unit(benchmark::kMillisecond);

std::vector<std::vector<Point>> squares(bool nested) {
    std::vector<std::vector<Point>> loops;
    for (int k = 0; k < 10000; ++k) {
        // 16 points a side, so that each loop has 64 edges.
        const double s = nested ? 1.0 + k : 1.0;
        const double cx = nested ? 0 : (k % 100) * 3.0, cy = nested ? 0 : (k / 100) * 3.0;
        std::vector<Point> loop;
        const Point corners[4] = {{-s, -s}, {s, -s}, {s, s}, {-s, s}};
        for (int i = 0; i < 4; ++i)
            for (int j = 0; j < 16; ++j) {
                const Point a = corners[i], b = corners[(i + 1) % 4];
                loop.push_back({cx + a.x + (b.x - a.x) * j / 16, cy + a.y + (b.y - a.y) * j / 16});
            }
        loops.push_back(std::move(loop));
    }
    return loops;
}

void BM_Nesting10kLoops(benchmark::State& state) {
    const std::vector<std::vector<Point>> loops = squares(state.range(0) == 1);
    for (auto _ : state) {
        const std::vector<int> depth = LoopChecks::depths(loops);
        benchmark::DoNotOptimize(depth);
    }
    state.SetLabel(state.range(0) == 1 ? "all nested" : "side by side");
}
BENCHMARK(BM_Nesting10kLoops)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// Floor: the signed area of every loop, one pass over the same points.
void BM_LoopAreasFloor(benchmark::State& state) {
    const std::vector<std::vector<Point>> loops = squares(false);
    for (auto _ : state) {
        double sum = 0;
        for (const std::vector<Point>& loop : loops) sum += LoopChecks::doubleArea(loop);
        benchmark::DoNotOptimize(sum);
    }
}
BENCHMARK(BM_LoopAreasFloor)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace kuvanto::bench

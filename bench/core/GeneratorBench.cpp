// A generated circle inserted into a large table: a 719-division circle (720 vertices, the
// separator row and the two end rows) written at the middle of a table of 10^6 vertex rows, as the
// circle command does after its dialog (planning the vertices, one row insertion, writing the
// texts). The floor in the same run inserts the same count of ready-made strings into a plain
// vector of 2·10^6 cell strings at the same place. The insertion is undone outside the timing.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "core/shapes/ArcGenerator.h"
#include "core/table/CoordTable.h"

namespace kuvanto::bench {
namespace {

constexpr int kRows = 1000000;
constexpr int kMiddle = kRows / 2;

CoordTable& bigTable() {
    static CoordTable table = [] {
        CoordTable t;
        t.setRows(kRows + 1);
        for (int row = 1; row <= kRows; ++row) {
            t.setText(row, 0, "12345.678");
            t.setText(row, 1, "-2345.125");
        }
        return t;
    }();
    return table;
}

ArcInput circle719() {
    ArcInput in;
    in.centreX = 100;
    in.centreY = 200;
    in.diameter = 75.5;
    in.divisions = 719;
    return in;
}

void BM_CircleIntoMillionRowTable(benchmark::State& state) {
    CoordTable& table = bigTable();
    const int rows = table.rows();
    for (auto _ : state) {
        table.setRow(kMiddle);
        const ArcPlan plan = planArc(circle719());
        insertArc(table, plan);
        benchmark::DoNotOptimize(table);
        state.PauseTiming();
        if (plan.xs.size() != 720) state.SkipWithError("not 720 vertices");
        table.removeRows(kMiddle, static_cast<int>(plan.xs.size()) + 1);
        table.setRows(rows);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_CircleIntoMillionRowTable)->Unit(benchmark::kMillisecond);

void BM_FloorVectorInsert(benchmark::State& state) {
    std::vector<std::string> cells(static_cast<std::size_t>(kRows + 1) * 2, "12345.678");
    const std::vector<std::string> block(721 * 2, "-12.345");
    const auto at = static_cast<std::ptrdiff_t>(kMiddle) * 2;
    for (auto _ : state) {
        cells.insert(cells.begin() + at, block.begin(), block.end());
        benchmark::DoNotOptimize(cells.data());
        state.PauseTiming();
        cells.erase(cells.begin() + at,
                    cells.begin() + at + static_cast<std::ptrdiff_t>(block.size()));
        state.ResumeTiming();
    }
}
BENCHMARK(BM_FloorVectorInsert)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace kuvanto::bench

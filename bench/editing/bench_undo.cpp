// Undo and redo of a one-cell edit in a table of a million rows: the snapshot after the edit,
// undo, redo (each until the tables are back; the snapshot file that follows is written on a
// worker thread and waited for outside the timing), and the history's bytes per step. The floor
// is reading one snapshot file of the same table back, which undo had to do for every step when
// it worked on whole snapshots.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QTemporaryDir>
#include <cmath>
#include <numbers>

#include "core/base/NumberText.h"
#include "editing/Workspace.h"
#include "io/CoordText.h"

using namespace kuvanto;

namespace {

constexpr int kRows = 1'000'000;

void fillCircle(CoordTable& grid) {
    resetCoordTable(grid);
    grid.setRows(1);
    for (int i = 0; i <= kRows; ++i) {
        const double t = 2 * std::numbers::pi * (i % kRows) / kRows;
        grid.appendRow(numText(roundHalfEven(1000 * std::cos(t), 3)),
                       numText(roundHalfEven(1000 * std::sin(t), 3)));
    }
    grid.appendRow("", "");
}

struct Fixture {
    QTemporaryDir dir;
    Workspace work{dir.path()};
    Fixture() {
        work.start();
        fillCircle(work.addGrid);
        work.saveUndo();
        work.undo().finishBackground();
    }
};

void editOneCell(Workspace& work, int i) {
    work.addGrid.setText(kRows / 2, 0, std::to_string(i % 1000) + ".25");
}

void BM_SnapshotAfterOneCellEdit(benchmark::State& state) {
    Fixture f;
    const std::size_t before = f.work.history().bytes();
    int i = 0;
    for (auto _ : state) {
        editOneCell(f.work, i++);
        f.work.saveUndo();
        state.PauseTiming();
        f.work.undo().finishBackground();
        state.ResumeTiming();
    }
    state.counters["bytes_per_step"] =
        double(f.work.history().bytes() - before) / double(std::max(i, 1));
}

void BM_UndoOneCellEdit(benchmark::State& state) {
    Fixture f;
    int i = 0;
    for (auto _ : state) {
        state.PauseTiming();
        editOneCell(f.work, i++);
        f.work.saveUndo();
        f.work.undo().finishBackground();
        state.ResumeTiming();
        benchmark::DoNotOptimize(f.work.undoRestore());
        state.PauseTiming();
        f.work.undo().finishBackground();
        state.ResumeTiming();
    }
}

void BM_RedoOneCellEdit(benchmark::State& state) {
    Fixture f;
    editOneCell(f.work, 1);
    f.work.saveUndo();
    f.work.undo().finishBackground();
    for (auto _ : state) {
        state.PauseTiming();
        f.work.undoRestore();
        f.work.undo().finishBackground();
        state.ResumeTiming();
        benchmark::DoNotOptimize(f.work.redo());
        state.PauseTiming();
        f.work.undo().finishBackground();
        state.ResumeTiming();
    }
}

// What a background snapshot of the table costs the worker (made and written).
void BM_SnapshotFileWrittenInBackground(benchmark::State& state) {
    Fixture f;
    int i = 0;
    for (auto _ : state) {
        editOneCell(f.work, i++);
        f.work.saveUndo();
        f.work.undo().finishBackground();
    }
}

void BM_FloorReadWholeSnapshot(benchmark::State& state) {
    Fixture f;
    const QString file = f.work.snapshotFolder() + "/" + f.work.undo().undoFile();
    CoordTable add, subtracted;
    for (auto _ : state) benchmark::DoNotOptimize(readCoordText(file, add, subtracted));
}

}  // namespace

BENCHMARK(BM_SnapshotAfterOneCellEdit)->Unit(benchmark::kMillisecond)->Iterations(10);
BENCHMARK(BM_UndoOneCellEdit)->Unit(benchmark::kMillisecond)->Iterations(10);
BENCHMARK(BM_RedoOneCellEdit)->Unit(benchmark::kMillisecond)->Iterations(10);
BENCHMARK(BM_SnapshotFileWrittenInBackground)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_FloorReadWholeSnapshot)->Unit(benchmark::kMillisecond)->Iterations(5);

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}

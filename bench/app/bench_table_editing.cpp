// Editing a section of a million vertices in the window, as the user waits for it: opening the
// move dialog with the whole figure selected, selecting the whole figure, inserting one row, and
// typing X Tab Y Enter into the entry row. Wall-clock times of real windows on the offscreen
// platform, each until the events it caused are processed. Each has a floor measured in the same
// run: the same dialog with one row selected, the view selecting the same block by itself, one
// row inserted into the bare table, and the two cells written into the bare table.
#include <benchmark/benchmark.h>

#include <QAction>
#include <QApplication>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <chrono>
#include <ctime>
#include <memory>

#include "BenchShapes.h"
#include "app/MainWindow.h"
#include "app/WindowEditing.h"
#include "editing/CoordTableEditor.h"
#include "editing/Messenger.h"
#include "editing/SelectionMoveDialog.h"

using namespace kuvanto;

namespace {

constexpr int kVertices = 1'000'000;

// Answers every question with yes and every notice silently.
class SilentMessenger : public Messenger {
public:
    void notice(const QString&, const QString&) override {}
    bool confirm(const QString&, const QString&) override { return true; }
    QString chooseOpenFile(const QString&, const QString&, const QString&) override { return {}; }
    QString chooseSaveFile(const QString&, const QString&, const QString&,
                           const QString&) override {
        return {};
    }
};

double secondsSince(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// CPU time of the interface thread alone: on a busy machine the wall time waits for other
// programs too, and the snapshot workers' time is not the user's wait.
double threadSeconds() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

// Adds the interface thread's mean CPU milliseconds per iteration as the counter "ui_ms".
struct InterfaceTime {
    double total = 0;
    double started = 0;
    void start() { started = threadSeconds(); }
    void stop() { total += threadSeconds() - started; }
    void report(benchmark::State& state) const {
        state.counters["ui_ms"] = 1000 * total / static_cast<double>(state.iterations());
    }
};

// Lets the window finish what the last step caused (paints, the background snapshot).
void settle() {
    for (int i = 0; i < 3; ++i) QApplication::processEvents();
}

// The main window with the million-vertex circle read in (its figure fills rows 1 .. 10^6),
// shared by the benchmarks.
struct Window {
    QTemporaryDir folder;
    SilentMessenger messenger;
    std::unique_ptr<MainWindow> window;

    Window() : window(std::make_unique<MainWindow>(folder.path(), &messenger)) {
        window->resize(1200, 800);
        window->show();
        window->openCsvFile(QString::fromStdString(bench::circleFile(kVertices)));
        window->work().undo().finishBackground();
        settle();
    }
    CoordTable& grid() { return window->work().addGrid; }
    CoordTableEditor& editor() { return window->editing().addEditor(); }
    QTableView* view() { return editor().view(); }
    void selectRows(int first, int last) {
        grid().setRow(first);
        grid().setCol(0);
        grid().setRowSel(last);
        grid().setColSel(1);
        editor().showGridSelection();
        settle();
    }
};

// The shared window lives until main lets it go, before the application it belongs to ends; a
// static window would be destroyed after the application and crash on its way out.
std::unique_ptr<Window>& sharedWindow() {
    static std::unique_ptr<Window> w;
    return w;
}

Window& window() {
    std::unique_ptr<Window>& w = sharedWindow();
    if (!w) w = std::make_unique<Window>();
    return *w;
}

void BM_MoveDialogOpenWholeFigure(benchmark::State& state) {
    Window& w = window();
    const int last = state.range(0) ? kVertices : 1;
    w.selectRows(1, last);
    InterfaceTime ui;
    for (auto _ : state) {
        ui.start();
        const auto start = std::chrono::steady_clock::now();
        SelectionMoveDialog dialog(w.grid(), w.window->editing().commands(), w.window.get());
        dialog.show();
        settle();
        state.SetIterationTime(secondsSince(start));
        ui.stop();
    }
    ui.report(state);
}
// Argument 1: the whole figure selected; 0: the floor, one row selected.
BENCHMARK(BM_MoveDialogOpenWholeFigure)
    ->Arg(1)
    ->Arg(0)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(5);

void BM_SelectWholeFigure(benchmark::State& state) {
    Window& w = window();
    QAction* select = w.window->command(QStringLiteral("Sel_Dgrm"));
    InterfaceTime ui;
    for (auto _ : state) {
        w.selectRows(kVertices / 2, kVertices / 2);
        ui.start();
        const auto start = std::chrono::steady_clock::now();
        select->trigger();
        settle();
        state.SetIterationTime(secondsSince(start));
        ui.stop();
    }
    if (w.grid().topRow() != 1 || w.grid().bottomRow() < kVertices)
        state.SkipWithError(("the figure was not selected: " + std::to_string(w.grid().topRow()) +
                             ".." + std::to_string(w.grid().bottomRow()))
                                .c_str());
    ui.report(state);
}
BENCHMARK(BM_SelectWholeFigure)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);

// The floor: the view selecting the same block of rows by itself.
void BM_SelectWholeFigureFloor(benchmark::State& state) {
    Window& w = window();
    QTableView* view = w.view();
    QAbstractItemModel* model = view->model();
    InterfaceTime ui;
    for (auto _ : state) {
        w.selectRows(kVertices / 2, kVertices / 2);
        ui.start();
        const auto start = std::chrono::steady_clock::now();
        view->selectionModel()->select(
            QItemSelection(model->index(0, 0), model->index(kVertices, 1)),
            QItemSelectionModel::ClearAndSelect);
        settle();
        state.SetIterationTime(secondsSince(start));
        ui.stop();
    }
    ui.report(state);
}
BENCHMARK(BM_SelectWholeFigureFloor)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_InsertOneRow(benchmark::State& state) {
    Window& w = window();
    QAction* insert = w.window->command(QStringLiteral("Insert_Row1"));
    InterfaceTime ui;
    for (auto _ : state) {
        w.selectRows(kVertices / 2, kVertices / 2);
        ui.start();
        const auto start = std::chrono::steady_clock::now();
        insert->trigger();
        settle();
        state.SetIterationTime(secondsSince(start));
        ui.stop();
        w.window->work().undo().finishBackground();
    }
    ui.report(state);
}
BENCHMARK(BM_InsertOneRow)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);

// The floor: one empty row inserted into the bare table.
void BM_InsertOneRowFloor(benchmark::State& state) {
    CoordTable grid = window().grid();
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        grid.insertRows(kVertices / 2, 1);
        state.SetIterationTime(secondsSince(start));
    }
}
BENCHMARK(BM_InsertOneRowFloor)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);

// X Tab Y Enter typed into the entry row at the end of the table: the editor opens on the typed
// character (the entry row gets an empty row behind it), Tab writes X and opens Y, Enter writes
// Y and moves down.
void BM_TypeXTabYEnter(benchmark::State& state) {
    Window& w = window();
    InterfaceTime ui;
    for (auto _ : state) {
        const int entry = w.grid().rows() - 1;
        w.selectRows(entry, entry);
        w.selectRows(entry, entry);
        w.view()->setFocus();
        w.grid().setColSel(0);
        w.editor().showGridSelection();
        settle();
        ui.start();
        const auto start = std::chrono::steady_clock::now();
        QTest::keyClick(w.view(), Qt::Key_5);
        QTest::keyClick(w.editor().editor(), Qt::Key_Tab);
        QTest::keyClick(w.editor().editor(), Qt::Key_7);
        QTest::keyClick(w.editor().editor(), Qt::Key_Return);
        settle();
        state.SetIterationTime(secondsSince(start));
        ui.stop();
        if (w.grid().text(entry, 0) != "5" || w.grid().text(entry, 1) != "7")
            state.SkipWithError("the cells were not written");
        w.window->work().undo().finishBackground();
    }
    ui.report(state);
}
BENCHMARK(BM_TypeXTabYEnter)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);

// The floor: the two cells written into the bare table.
void BM_TypeXTabYEnterFloor(benchmark::State& state) {
    CoordTable grid = window().grid();
    const int entry = grid.rows() - 1;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        grid.setText(entry, 0, "5");
        grid.setText(entry, 1, "7");
        benchmark::DoNotOptimize(grid.revision());
        state.SetIterationTime(secondsSince(start));
    }
}
BENCHMARK(BM_TypeXTabYEnterFloor)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("offscreen"));
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    sharedWindow().reset();
    return 0;
}

// What the user waits for with a section of a million vertices in the window: from the reading
// command to the figure drawn on the canvas (reading, filling the tables, the undo snapshot
// handed to its worker, the table views refreshed and the first paint), and from the click on
// the result tab to the results drawn. Wall-clock times of real windows on the offscreen
// platform; the floor is reading the same file into memory.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTableView>
#include <QTemporaryDir>
#include <chrono>
#include <memory>

#include "BenchShapes.h"
#include "app/MainWindow.h"
#include "canvas/SectionCanvas.h"
#include "editing/Messenger.h"
#include "editing/Workspace.h"
#include "io/TextFile.h"

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

// Counts the paint events a widget has been sent.
class PaintCounter : public QObject {
public:
    int paints = 0;
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) ++paints;
        return false;
    }
};

// The circle of the core benchmarks as the program writes a coordinate file (code page 932).
const QString& circleFile() {
    static const QString path = QString::fromStdString(bench::circleFile(kVertices));
    return path;
}

double secondsSince(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// Runs the event loop until the widget has been painted once more than `before`.
void waitForPaint(const PaintCounter& counter, int before) {
    while (counter.paints <= before) QApplication::processEvents(QEventLoop::AllEvents, 5);
}

struct Window {
    QTemporaryDir folder;
    SilentMessenger messenger;
    std::unique_ptr<MainWindow> window;
    PaintCounter canvasPaints;
    PaintCounter resultPaints;

    Window() : window(std::make_unique<MainWindow>(folder.path(), &messenger)) {
        window->resize(1200, 800);
        window->show();
        window->findChild<SectionCanvas*>(QStringLiteral("Picture1"))
            ->installEventFilter(&canvasPaints);
        window->findChild<QTableView*>(QStringLiteral("Result_Grid"))
            ->viewport()
            ->installEventFilter(&resultPaints);
        QApplication::processEvents();
    }
};

void BM_OpenFileUntilDrawn(benchmark::State& state) {
    const QString& path = circleFile();
    for (auto _ : state) {
        Window w;
        const int before = w.canvasPaints.paints;
        const auto start = std::chrono::steady_clock::now();
        w.window->openCsvFile(path);
        waitForPaint(w.canvasPaints, before);
        state.SetIterationTime(secondsSince(start));
    }
}
BENCHMARK(BM_OpenFileUntilDrawn)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);

// Seconds from selecting the result tab until its drawing is painted.
double secondsToShowResultTab(Window& w) {
    const int before = w.resultPaints.paints;
    const auto start = std::chrono::steady_clock::now();
    w.window->selectTab(2);
    waitForPaint(w.resultPaints, before);
    return secondsSince(start);
}

void BM_ResultTabUntilDrawn(benchmark::State& state) {
    const QString& path = circleFile();
    Window w;
    w.window->openCsvFile(path);
    waitForPaint(w.canvasPaints, 0);
    for (auto _ : state) {
        w.window->selectTab(0);
        QApplication::processEvents();
        state.SetIterationTime(secondsToShowResultTab(w));
    }
}
BENCHMARK(BM_ResultTabUntilDrawn)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);

// The same after a change of one vertex on the figure tab each time, so that the result tab
// computes its results again instead of showing those of the unchanged tables.
void BM_ResultTabAfterChange(benchmark::State& state) {
    const QString& path = circleFile();
    Window w;
    w.window->openCsvFile(path);
    waitForPaint(w.canvasPaints, 0);
    Workspace& work = w.window->work();
    const std::string original = work.addGrid.text(2, 0);
    int iteration = 0;
    for (auto _ : state) {
        w.window->selectTab(0);
        work.addGrid.setText(2, 0, ++iteration % 2 ? "0.5" : original);
        work.saveUndo();
        work.undo().finishBackground();
        w.window->refreshViews();
        QApplication::processEvents();
        state.SetIterationTime(secondsToShowResultTab(w));
    }
}
BENCHMARK(BM_ResultTabAfterChange)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);

// The floor: only reading and decoding the file.
void BM_ReadFileFloor(benchmark::State& state) {
    const QString& path = circleFile();
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        benchmark::DoNotOptimize(readTextFile(path));
        state.SetIterationTime(secondsSince(start));
    }
}
BENCHMARK(BM_ReadFileFloor)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("offscreen"));
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

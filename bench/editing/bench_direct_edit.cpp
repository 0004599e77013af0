// Opening the direct-editing dialog on the text form of a section of a million rows: building the
// dialog with the whole text, showing it and painting its first page, against the floor of
// splitting the same text into its lines (the least any editor must do to know the lines).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QString>
#include <QStringList>

#include "editing/DirectEditDialog.h"

using namespace kuvanto;

namespace {

constexpr int kRows = 1'000'000;

const QString& sectionText() {
    static const QString text = [] {
        QString t;
        t.reserve(kRows * 20);
        t += QStringLiteral("<<加算>>,\n");
        for (int i = 0; i < kRows; ++i)
            t += QString::number(i * 0.001, 'f', 3) + QLatin1Char(',') +
                 QString::number(1000 - i * 0.002, 'f', 3) + QLatin1Char('\n');
        t += QStringLiteral("<<減算>>,\n");
        return t;
    }();
    return text;
}

void BM_OpenDialog(benchmark::State& state) {
    const QString& text = sectionText();
    for (auto _ : state) {
        DirectEditDialog dialog(text);
        dialog.show();
        QApplication::processEvents();
        benchmark::DoNotOptimize(&dialog);
        state.PauseTiming();
        dialog.hide();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_OpenDialog)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_EditedTextBack(benchmark::State& state) {
    DirectEditDialog dialog(sectionText());
    for (auto _ : state) benchmark::DoNotOptimize(dialog.editedText());
}
BENCHMARK(BM_EditedTextBack)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_FloorSplitLines(benchmark::State& state) {
    const QString& text = sectionText();
    for (auto _ : state) benchmark::DoNotOptimize(text.split(QLatin1Char('\n')));
}
BENCHMARK(BM_FloorSplitLines)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

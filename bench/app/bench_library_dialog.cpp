// The shape library's insertion dialog with a large library: 10^4 categories in "pre.ini", all
// on one data file of 10^4 parts. Measured from the command to the dialog shown with its first
// category's parts listed, and from choosing a part to its preview drawn; both should stay well
// under half a second. The floor is reading the registry and the data file into memory. Then
// registries of 10^6 and 6.5 million categories: the dialog should open within 1 s and 5 s and
// the process stay under 1 GB (the peak resident size is reported as peak_mb).
#include <benchmark/benchmark.h>

#include <sys/resource.h>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QListWidget>
#include <QTemporaryDir>

#include <chrono>
#include <memory>

#include "editing/Messenger.h"
#include "editing/Workspace.h"
#include "io/LibraryRegistry.h"
#include "io/SafeWrite.h"
#include "io/ShapeDataFile.h"
#include "io/TextFile.h"
#include "shapes/ShapeInsertDialog.h"
#include "shapes/ShapeLibrary.h"

using namespace kuvanto;

namespace {

constexpr int kCategories = 10'000;
constexpr int kParts = 10'000;

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

// A library folder made once: the registry and the one data file of rectangles.
struct LargeLibrary {
    QTemporaryDir folder;
    LargeLibrary() {
        QDir(folder.path()).mkpath(kLibraryDataFolder);
        std::vector<RegistryEntry> entries;
        for (int i = 0; i < kCategories; ++i)
            entries.push_back({"部品群" + std::to_string(i), "parts.csv"});
        writeTextFile(folder.filePath(kRegistryFileName), LibraryRegistry::format(entries),
                      FileEncoding::Cp932);
        std::vector<LibraryPart> parts;
        for (int i = 0; i < kParts; ++i) {
            const double w = 10 + i % 97, h = 20 + i % 89;
            parts.push_back({"R-" + std::to_string(i),
                             {{0, 0}, {w, 0}, {w, h}, {0, h}, {0, 0}},
                             {{0, 0}, {w, 0}, {w, h}, {0, h}, {w / 2, h / 2}}});
        }
        writeTextFile(folder.filePath(kLibraryDataFolder + QStringLiteral("/parts.csv")),
                      ShapeDataFile::format(parts), FileEncoding::Cp932);
    }
};

const LargeLibrary& library() {
    static const LargeLibrary made;
    return made;
}

double secondsSince(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

void BM_OpenDialog(benchmark::State& state) {
    const QString folder = library().folder.path();
    Workspace workspace(folder);
    workspace.start();
    const ShapeLibrary shapes(folder);
    SilentMessenger messenger;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        ShapeInsertDialog dialog(workspace, workspace.addGrid, shapes, messenger);
        dialog.show();
        QApplication::processEvents();
        state.SetIterationTime(secondsSince(start));
        if (dialog.partList()->count() != kParts) state.SkipWithError("parts not listed");
    }
}
BENCHMARK(BM_OpenDialog)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_FirstPreview(benchmark::State& state) {
    const QString folder = library().folder.path();
    Workspace workspace(folder);
    workspace.start();
    const ShapeLibrary shapes(folder);
    SilentMessenger messenger;
    ShapeInsertDialog dialog(workspace, workspace.addGrid, shapes, messenger);
    dialog.show();
    QApplication::processEvents();
    int row = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        dialog.partList()->setCurrentRow(kParts - 1 - row++);  // the last columns: the widest reach
        QApplication::processEvents();
        state.SetIterationTime(secondsSince(start));
    }
}
BENCHMARK(BM_FirstPreview)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);

// A library whose registry holds `categories` lines, all on one small data file.
struct HugeRegistry {
    QTemporaryDir folder;
    explicit HugeRegistry(int categories) {
        QDir(folder.path()).mkpath(kLibraryDataFolder);
        std::string text;
        text.reserve(static_cast<std::size_t>(categories) * 24);
        for (int i = 0; i < categories; ++i)
            text += "Category-" + std::to_string(i) + ",parts.csv\r\n";
        writeTextFile(folder.filePath(kRegistryFileName), text, FileEncoding::Cp932);
        std::vector<LibraryPart> parts{
            {"R-1", {{0, 0}, {10, 0}, {10, 20}, {0, 20}, {0, 0}}, {{0, 0}, {5, 10}}}};
        writeTextFile(folder.filePath(kLibraryDataFolder + QStringLiteral("/parts.csv")),
                      ShapeDataFile::format(parts), FileEncoding::Cp932);
    }
};

void BM_OpenDialogHugeRegistry(benchmark::State& state) {
    const HugeRegistry library(static_cast<int>(state.range(0)));
    const QString folder = library.folder.path();
    Workspace workspace(folder);
    workspace.start();
    const ShapeLibrary shapes(folder);
    SilentMessenger messenger;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        ShapeInsertDialog dialog(workspace, workspace.addGrid, shapes, messenger);
        dialog.show();
        QApplication::processEvents();
        state.SetIterationTime(secondsSince(start));
        if (dialog.categoryList()->count() != state.range(0))
            state.SkipWithError("categories not listed");
    }
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    state.counters["peak_mb"] = double(usage.ru_maxrss) / 1024.0;
}
BENCHMARK(BM_OpenDialogHugeRegistry)
    ->Arg(1'000'000)
    ->Arg(6'500'000)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(2);

// The floor: reading and decoding the registry and the data file.
void BM_ReadFilesFloor(benchmark::State& state) {
    const QString folder = library().folder.path();
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        benchmark::DoNotOptimize(readTextFile(folder + QLatin1Char('/') + kRegistryFileName));
        benchmark::DoNotOptimize(readTextFile(folder + QStringLiteral("/data/parts.csv")));
        state.SetIterationTime(secondsSince(start));
    }
}
BENCHMARK(BM_ReadFilesFloor)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("offscreen"));
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

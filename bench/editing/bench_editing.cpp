// Editing a table of a million rows: inserting 37 rows in the middle, deleting 10^5 rows, pasting
// a block of 10^5 lines, and the model refresh plus canvas redraw after a one-cell edit of a
// million-vertex section. The floors insert or erase the same number of strings in a plain
// std::vector of two million strings.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <cmath>
#include <numbers>
#include <string>
#include <vector>

#include "canvas/ImagePainter.h"
#include "canvas/SectionView.h"
#include "core/base/NumberText.h"
#include "core/table/ClipboardText.h"
#include "core/table/RowOperations.h"
#include "editing/CoordTableModel.h"
#include "editing/EditCommands.h"

using namespace kuvanto;

namespace {

constexpr int kRows = 1'000'000;

// A circle of a million vertices, coordinates with three decimals.
const CoordTable& circleTable() {
    static const CoordTable table = [] {
        CoordTable grid;
        grid.setRows(1);
        for (int i = 0; i <= kRows; ++i) {
            const double t = 2 * std::numbers::pi * (i % kRows) / kRows;
            grid.appendRow(numText(roundHalfEven(1000 * std::cos(t), 3)),
                           numText(roundHalfEven(1000 * std::sin(t), 3)));
        }
        grid.appendRow("", "");
        return grid;
    }();
    return table;
}

std::vector<std::string> plainCells() {
    const CoordTable& grid = circleTable();
    std::vector<std::string> cells;
    cells.reserve(static_cast<std::size_t>(grid.rows()) * 2 + 1000);
    for (int r = 0; r < grid.rows(); ++r) {
        cells.push_back(grid.text(r, 0));
        cells.push_back(grid.text(r, 1));
    }
    return cells;
}

void BM_InsertRows37(benchmark::State& state) {
    CoordTable grid = circleTable();
    for (auto _ : state) {
        grid.setRow(kRows / 2);
        grid.setRowSel(kRows / 2 + 36);
        benchmark::DoNotOptimize(insertGridRows(grid));
        state.PauseTiming();
        grid.removeRows(kRows / 2, 37);
        state.ResumeTiming();
    }
}

void BM_FloorInsert37(benchmark::State& state) {
    std::vector<std::string> cells = plainCells();
    for (auto _ : state) {
        cells.insert(cells.begin() + kRows, 74, std::string());
        benchmark::DoNotOptimize(cells.data());
        state.PauseTiming();
        cells.erase(cells.begin() + kRows, cells.begin() + kRows + 74);
        state.ResumeTiming();
    }
}

void BM_DeleteRows100k(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        CoordTable grid = circleTable();
        grid.setRow(kRows / 2);
        grid.setRowSel(kRows / 2 + 99'999);
        state.ResumeTiming();
        benchmark::DoNotOptimize(deleteGridRows(grid));
        state.PauseTiming();
        grid = CoordTable();
        state.ResumeTiming();
    }
}

void BM_FloorErase100k(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        std::vector<std::string> cells = plainCells();
        state.ResumeTiming();
        cells.erase(cells.begin() + kRows, cells.begin() + kRows + 200'000);
        benchmark::DoNotOptimize(cells.data());
        state.PauseTiming();
        cells = {};
        state.ResumeTiming();
    }
}

std::string pasteBlock() {
    std::string text;
    for (int i = 0; i < 100'000; ++i)
        text += std::to_string(i) + ".125\t-" + std::to_string(i) + ".5\r\n";
    return text;
}

// The block lands at the end of the million rows, so the table grows by 10^5 rows.
void BM_Paste100kLines(benchmark::State& state) {
    const std::string text = pasteBlock();
    for (auto _ : state) {
        state.PauseTiming();
        CoordTable grid = circleTable();
        grid.setRow(grid.rows() - 1);
        grid.setCol(0);
        state.ResumeTiming();
        benchmark::DoNotOptimize(pasteText(grid, text));
        state.PauseTiming();
        grid = CoordTable();
        state.ResumeTiming();
    }
}

// The same block over rows already there (the table keeps its size).
void BM_Paste100kLinesOver(benchmark::State& state) {
    const std::string text = pasteBlock();
    CoordTable grid = circleTable();
    for (auto _ : state) {
        grid.setRow(kRows / 2);
        grid.setCol(0);
        benchmark::DoNotOptimize(pasteText(grid, text));
    }
}

void BM_FloorInsert100kRows(benchmark::State& state) {
    const std::string text = pasteBlock();
    for (auto _ : state) {
        state.PauseTiming();
        std::vector<std::string> cells = plainCells();
        state.ResumeTiming();
        // The same rows as plain strings appended in one insert.
        std::vector<std::string> rows;
        rows.reserve(200'000);
        std::size_t start = 0;
        while (start < text.size()) {
            const std::size_t tab = text.find('\t', start);
            const std::size_t end = text.find('\r', tab);
            rows.emplace_back(text, start, tab - start);
            rows.emplace_back(text, tab + 1, end - tab - 1);
            start = end + 2;
        }
        cells.insert(cells.end(), std::make_move_iterator(rows.begin()),
                     std::make_move_iterator(rows.end()));
        benchmark::DoNotOptimize(cells.data());
        state.PauseTiming();
        cells = {};
        state.ResumeTiming();
    }
}

// A cell committed by the editor, the model told, and the canvas redrawn.
void BM_RedrawAfterCellEdit(benchmark::State& state) {
    CoordTable grid = circleTable();
    CoordTable subtracted;
    ResultTable result;
    DrawColors colors;
    CoordTableModel model(grid);
    SectionView view(grid, subtracted, result, colors);
    QImage image(1000, 1000, QImage::Format_RGB32);
    {
        ImagePainter painter(image);
        view.redrawSection(painter);
    }
    const QString original = QString::fromStdString(grid.text(kRows / 2, 0));
    bool flip = false;
    for (auto _ : state) {
        flip = !flip;
        EditCommands::commitCell(grid, kRows / 2, 0, flip ? QStringLiteral("0") : original);
        model.applyRowChange({});
        ImagePainter painter(image);
        view.redrawSection(painter);
        benchmark::DoNotOptimize(image.constBits());
    }
}

void BM_FloorInsert1Row(benchmark::State& state) {
    std::vector<std::string> cells = plainCells();
    for (auto _ : state) {
        cells.insert(cells.begin() + kRows, 2, std::string());
        benchmark::DoNotOptimize(cells.data());
        state.PauseTiming();
        cells.erase(cells.begin() + kRows, cells.begin() + kRows + 2);
        state.ResumeTiming();
    }
}

}  // namespace

BENCHMARK(BM_InsertRows37)->Unit(benchmark::kMillisecond)->Iterations(30);
BENCHMARK(BM_FloorInsert37)->Unit(benchmark::kMillisecond)->Iterations(30);
BENCHMARK(BM_DeleteRows100k)->Unit(benchmark::kMillisecond)->Iterations(8);
BENCHMARK(BM_FloorErase100k)->Unit(benchmark::kMillisecond)->Iterations(8);
BENCHMARK(BM_Paste100kLines)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_Paste100kLinesOver)->Unit(benchmark::kMillisecond)->Iterations(10);
BENCHMARK(BM_FloorInsert100kRows)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_RedrawAfterCellEdit)->Unit(benchmark::kMillisecond)->Iterations(20);
BENCHMARK(BM_FloorInsert1Row)->Unit(benchmark::kMillisecond)->Iterations(30);

int main(int argc, char** argv) {
    QApplication app(argc, argv);  // the image painter's fonts
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

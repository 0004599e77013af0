// Figure building: one pass over a coordinate table that collects the vertex rows since the last
// separator row and hands each run over as one figure when a separator row or the end of the
// table is reached. rows that are neither vertex nor separator rows are passed over without
// ending the run, so a stray empty row inside a run never yields a partial figure.
#include "core/Figures.h"

#include "core/NumberText.h"

namespace kuvanto {

bool buildFigures(const CoordTable& grid, std::string_view kind, int& counter,
                  const std::function<bool(Figure&)>& sink) {
    const auto& cells = grid.cells();
    const std::size_t rows = cells.size() / 2;
    Figure figure;
    figure.kind = kind;
    // Room for every row, so that a table that is one large figure never reallocates.
    figure.vertices.reserve(rows);

    auto complete = [&]() -> bool {
        if (figure.vertices.empty()) return true;
        figure.kind = kind;
        figure.number = ++counter;
        const bool goOn = sink(figure);
        figure.vertices.clear();
        return goOn;
    };

    for (std::size_t r = 1; r < rows; ++r) {
        const std::string& xCell = cells[2 * r];
        if (const auto x = parseNumeric(xCell)) {
            const auto y = parseNumeric(cells[2 * r + 1]);
            if (!y) return false;
            figure.vertices.push_back({*x, *y});
        } else if (xCell == kSeparatorText) {
            if (!complete()) return false;
        }
    }
    return complete();
}

}  // namespace kuvanto

// Figure building: one pass over a coordinate table that collects the vertex rows since the last
// separator row and hands each run over as one figure when a separator row or the end of the
// table is reached. Rows that are neither vertex nor separator rows are passed over without
// ending the run, so a stray empty row inside a run never yields a partial figure.
#include "Figures.h"

#include "NumText.h"

namespace kuvanto {

bool Build_Figures(const CoodGrid& grid, std::string_view kind, int& counter,
                   const std::function<bool(Figure&)>& sink) {
    const auto& cells = grid.Cells();
    const std::size_t rows = cells.size() / 2;
    Figure figure;
    figure.kind = kind;
    // Room for every row plus the closing vertex the calculation appends, so that neither the
    // build nor the closing reallocates for a table that is one large figure.
    figure.xs.reserve(rows);
    figure.ys.reserve(rows);

    auto complete = [&]() -> bool {
        if (figure.xs.empty()) return true;
        figure.kind = kind;
        figure.number = ++counter;
        const bool go_on = sink(figure);
        figure.xs.clear();
        figure.ys.clear();
        return go_on;
    };

    for (std::size_t r = 1; r < rows; ++r) {
        const std::string& x_cell = cells[2 * r];
        if (const auto x = Parse_Numeric(x_cell)) {
            const auto y = Parse_Numeric(cells[2 * r + 1]);
            if (!y) return false;
            figure.xs.push_back(*x);
            figure.ys.push_back(*y);
        } else if (x_cell == kSeparatorText) {
            if (!complete()) return false;
        }
    }
    return complete();
}

}  // namespace kuvanto

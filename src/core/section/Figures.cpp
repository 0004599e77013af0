// Figure building: one pass over a coordinate table's numbers that collects the vertex rows since
// the last separator row and hands each run over as one figure when a separator row or the end
// of the table is reached. Rows that are neither vertex nor separator rows are passed over
// without ending the run, so a stray empty row inside a run never yields a partial figure. A run
// of adjacent vertex rows is handed over as a view of the table's numbers; only a run broken by
// such stray rows is gathered into a list of its own.
#include "core/section/Figures.h"

#include <cmath>
#include <vector>

namespace kuvanto {

bool buildFigures(const CoordTable& grid, TableKind kind, int& counter,
                  const std::function<bool(const Figure&)>& sink) {
    const std::span<const Point> points = grid.points();
    const std::size_t rows = points.size();
    constexpr std::size_t kNone = static_cast<std::size_t>(-1);
    std::size_t first = kNone, last = kNone;  // the run's first and last vertex rows
    bool gathered = false;                    // the run is broken and lives in `gathering`
    std::vector<Point> gathering;

    auto complete = [&]() -> bool {
        if (first == kNone) return true;
        Figure figure;
        figure.kind = kind;
        figure.number = ++counter;
        figure.vertices =
            gathered ? std::span<const Point>(gathering) : points.subspan(first, last - first + 1);
        const bool goOn = sink(figure);
        first = last = kNone;
        gathered = false;
        gathering.clear();
        return goOn;
    };

    for (std::size_t r = 1; r < rows; ++r) {
        const Point& p = points[r];
        if (!std::isnan(p.x)) {
            if (std::isnan(p.y)) return false;
            if (first == kNone) {
                first = r;
            } else if (r != last + 1 && !gathered) {
                gathering.assign(points.begin() + static_cast<std::ptrdiff_t>(first),
                                 points.begin() + static_cast<std::ptrdiff_t>(last + 1));
                gathered = true;
            }
            if (gathered) gathering.push_back(p);
            last = r;
        } else if (grid.textView(static_cast<int>(r), 0) == kSeparatorText) {
            if (!complete()) return false;
        }
    }
    return complete();
}

}  // namespace kuvanto

// Outline insertion: room for all vertices is made with one bulk row insertion, then the moved
// and rounded coordinates are written as number text.
#include "core/shapes/OutlineInsertion.h"

#include <algorithm>
#include <cmath>

#include "core/base/NumberText.h"

namespace kuvanto {

int insertOutline(CoordTable& grid, int row, const std::vector<PlanePoint>& outline,
                  PlanePoint base, PlanePoint target) {
    row = std::clamp(row, 1, std::max(1, grid.rows() - 1));
    const int count = static_cast<int>(outline.size());
    if (count == 0) return row;
    const auto moved = [](double value, double to, double from) {
        return roundHalfEven(value + to - from, 5) + 0.0;
    };
    // Every point is checked before the first row goes in, so a refusal changes nothing.
    for (const PlanePoint& p : outline) {
        if (!std::isfinite(moved(p.x, target.x, base.x)) ||
            !std::isfinite(moved(p.y, target.y, base.y)))
            return -1;
    }
    grid.insertRows(row, count);
    for (int i = 0; i < count; ++i) {
        const PlanePoint& p = outline[i];
        grid.setText(row + i, 0, numText(moved(p.x, target.x, base.x)));
        grid.setText(row + i, 1, numText(moved(p.y, target.y, base.y)));
    }
    return row + count;
}

}  // namespace kuvanto

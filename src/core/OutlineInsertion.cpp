// Outline insertion: room for all vertices is made with one bulk row insertion, then the moved
// and rounded coordinates are written as number text.
#include "core/OutlineInsertion.h"

#include <algorithm>

#include "core/NumberText.h"

namespace kuvanto {

int insertOutline(CoordTable& grid, int row, const std::vector<PlanePoint>& outline,
                  PlanePoint base, PlanePoint target) {
    row = std::clamp(row, 1, std::max(1, grid.rows() - 1));
    const int count = static_cast<int>(outline.size());
    if (count == 0) return row;
    grid.insertRows(row, count);
    for (int i = 0; i < count; ++i) {
        const PlanePoint& p = outline[i];
        grid.setText(row + i, 0, numText(roundHalfEven(p.x + target.x - base.x, 5) + 0.0));
        grid.setText(row + i, 1, numText(roundHalfEven(p.y + target.y - base.y, 5) + 0.0));
    }
    return row + count;
}

}  // namespace kuvanto

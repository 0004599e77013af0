// The rectangle generator's rows: corners counter-clockwise from the start corner when it is the
// lower left one, the start corner repeated, then the separator row.
#include "core/shapes/RectangleGenerator.h"

#include <cmath>
#include <optional>

#include "core/base/NumberText.h"
#include "core/table/CoordTable.h"

namespace kuvanto {

int insertRectangle(CoordTable& table, const RectangleCorners& c) {
    const int row = table.row();
    if (row < 1) return -1;
    // The texts go in as typed; one whose number is beyond the double range would be infinite.
    for (const std::string* text : {&c.startX, &c.startY, &c.endX, &c.endY}) {
        const std::optional<double> value = leadingNumeric(*text);
        if (value && !std::isfinite(*value)) return -1;
    }
    constexpr int kRows = 6;
    table.insertRows(row, kRows);
    const std::string* xy[5][2] = {{&c.startX, &c.startY},
                                   {&c.endX, &c.startY},
                                   {&c.endX, &c.endY},
                                   {&c.startX, &c.endY},
                                   {&c.startX, &c.startY}};
    for (int i = 0; i < 5; ++i) {
        table.setText(row + i, 0, *xy[i][0]);
        table.setText(row + i, 1, *xy[i][1]);
    }
    table.setText(row + 5, 0, std::string(kSeparatorText));
    table.setRow(row + kRows);
    return row;
}

}  // namespace kuvanto

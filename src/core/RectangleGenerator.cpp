// The rectangle generator's rows: corners counter-clockwise from the start corner when it is the
// lower left one, the start corner repeated, then the separator row.
#include "core/RectangleGenerator.h"

#include "core/CoordTable.h"

namespace kuvanto {

int insertRectangle(CoordTable& table, const RectangleCorners& c) {
    const int row = table.Row();
    if (row < 1) return -1;
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

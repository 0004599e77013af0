// Insertion files: the pairs of a plain X,Y file are collected up to the first pair that is not
// two numbers and then inserted as rows at the chosen row of a table, the rows below moving down.
#include "io/InsertFile.h"

#include <algorithm>

#include "core/base/NumberText.h"
#include "io/FieldReader.h"

namespace kuvanto {

InsertPairs readInsertPairs(std::string_view utf8) {
    InsertPairs result;
    FieldReader reader(utf8);
    std::string first, second;
    while (reader.nextPair(first, second)) {
        if (!isNumericText(first) || !isNumericText(second)) {
            result.stopped = true;
            break;
        }
        result.pairs.emplace_back(first, second);
    }
    return result;
}

int insertPairs(CoordTable& grid, int row, const InsertPairs& pairs) {
    // The header row is never moved: insertion goes in at row 1 at the earliest and behind the
    // last row at the latest.
    row = std::clamp(row, 1, grid.rows());
    const int count = static_cast<int>(pairs.pairs.size());
    if (count == 0) return row;
    grid.insertRows(row, count);
    for (int i = 0; i < count; ++i) {
        grid.setText(row + i, 0, pairs.pairs[i].first);
        grid.setText(row + i, 1, pairs.pairs[i].second);
    }
    return row + count;
}

}  // namespace kuvanto

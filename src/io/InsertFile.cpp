// Insertion files: the pairs of a plain X,Y file are collected up to the first pair that is not
// two numbers and then inserted as rows at the chosen row of a table, the rows below moving down.
#include "InsertFile.h"

#include <algorithm>

#include "FieldReader.h"
#include "NumText.h"

namespace kuvanto {

InsertPairs Read_Insert_Pairs(std::string_view utf8) {
    InsertPairs result;
    FieldReader reader(utf8);
    std::string first, second;
    while (reader.Next_Pair(first, second)) {
        if (!Is_Numeric_Text(first) || !Is_Numeric_Text(second)) {
            result.stopped = true;
            break;
        }
        result.pairs.emplace_back(first, second);
    }
    return result;
}

int Insert_Pairs(CoodGrid& grid, int row, const InsertPairs& pairs) {
    // The header row is never moved: insertion goes in at row 1 at the earliest and behind the
    // last row at the latest.
    row = std::clamp(row, 1, grid.Rows());
    const int count = static_cast<int>(pairs.pairs.size());
    if (count == 0) return row;
    grid.Insert_Rows(row, count);
    for (int i = 0; i < count; ++i) {
        grid.Set_Text(row + i, 0, pairs.pairs[i].first);
        grid.Set_Text(row + i, 1, pairs.pairs[i].second);
    }
    return row + count;
}

}  // namespace kuvanto

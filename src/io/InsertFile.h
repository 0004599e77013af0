// Insertion files: plain lines of two numbers, X then Y, inserted into a table at a row.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/base/TranslationMarker.h"
#include "core/table/CoordTable.h"

namespace kuvanto {

// Translated where it is shown, with the context "InsertFile".
inline constexpr std::string_view kInsertStopMessage = QT_TRANSLATE_NOOP(
    "InsertFile", "座標データ(X,Y)でないデータが含まれています。読込みを中断します。");

struct InsertPairs {
    std::vector<std::pair<std::string, std::string>> pairs;  // the numeric pairs before a stop
    bool stopped = false;  // a pair that is not two numbers ended the reading
};

// The pairs of insertion-file text (UTF-8), up to the first pair that is not two numbers.
InsertPairs readInsertPairs(std::string_view utf8);

// Inserts the pairs as rows before `row` of the table; returns the row after the last inserted.
int insertPairs(CoordTable& grid, int row, const InsertPairs& pairs);

}  // namespace kuvanto

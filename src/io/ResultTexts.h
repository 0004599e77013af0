// The result table's texts as the interface shows them, in the interface language: the item
// column from the row table, the column heads from each column's kind and figure number, every
// other cell as the table holds it. The table itself keeps its texts in Japanese, as the export
// writes them.
#pragma once

#include <QString>

#include "core/section/ResultTable.h"

namespace kuvanto {

class ResultTexts {
public:
    // The item text of a row (the header row's "項目" included).
    static QString item(int row);
    // The head of a column: "項目", "記号", "加算1", "減算3", "総合".
    static QString columnHead(const ResultTable& table, int col);
    // Any cell: the item column and the header row translated, the values as they stand.
    static QString cell(const ResultTable& table, int row, int col);
};

}  // namespace kuvanto

// The translated texts of the result table, made from the row table and the column kinds.
#include "io/ResultTexts.h"

#include <QCoreApplication>

namespace kuvanto {

QString ResultTexts::item(int row) {
    if (row < 0 || row >= ResultTable::kRows) return {};
    return QCoreApplication::translate("ResultRows",
                                       kResultRows[static_cast<std::size_t>(row)].label);
}

QString ResultTexts::columnHead(const ResultTable& table, int col) {
    switch (table.columnKind(col)) {
        case ColumnKind::Added:
            return QCoreApplication::translate("ResultTexts", "加算%1")
                .arg(table.columnFigure(col));
        case ColumnKind::Subtracted:
            return QCoreApplication::translate("ResultTexts", "減算%1")
                .arg(table.columnFigure(col));
        case ColumnKind::Combined:
            return QCoreApplication::translate("ResultTexts", "総合");
        case ColumnKind::Other:
            break;
    }
    if (col == 0) return item(kHeaderRow);
    if (col == 1) return QCoreApplication::translate("ResultRows", kResultRows[kHeaderRow].symbol);
    return QString::fromStdString(table.text(kHeaderRow, col));
}

QString ResultTexts::cell(const ResultTable& table, int row, int col) {
    if (row == kHeaderRow) return columnHead(table, col);
    if (col == 0) return item(row);
    return QString::fromStdString(table.text(row, col));
}

}  // namespace kuvanto

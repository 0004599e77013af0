// The table model that shows the result table in a QTableView. It keeps no data of its own: texts,
// cell colours and alignment are read from the ResultTable when the view paints. Row 0 of the
// result table (item, symbol and column heads) is the view's horizontal header; model row r is
// table row r + 1. Columns 0 and 1 (item and symbol) are fixed: shown in the fixed-cell colour and
// not selectable.
#pragma once

#include <QAbstractTableModel>
#include <cstdint>

#include "core/section/ResultTable.h"

namespace kuvanto {

class ResultTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    static constexpr int kFixedCols = 2;

    explicit ResultTableModel(const ResultTable& grid, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    // Tells the views about changes since the last call; true when anything had changed.
    bool refresh();

    static int gridRow(int modelRow) { return modelRow + 1; }
    static int modelRow(int gridRow) { return gridRow - 1; }

    const ResultTable& Grid() const { return grid_; }

private:
    const ResultTable& grid_;
    // The rows the model has: the block of several materials only while the table fills it.
    static int rowsFor(const ResultTable& grid);

    std::uint64_t shownRevision_;
    int shownCols_;
    int shownRows_;
};

}  // namespace kuvanto

// The table model that shows one coordinate table in a QTableView. It keeps no data of its own:
// every cell is read from the CoordTable when the view paints it, so a table of a million rows
// costs nothing until its rows come into sight. Row 0 of the table (the fixed "X" | "Y" header)
// is the view's horizontal header; model row r is table row r + 1.
#pragma once

#include <QAbstractTableModel>
#include <cstdint>

#include "core/table/CoordTable.h"
#include "core/table/RowOperations.h"

namespace kuvanto {

class CoordTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit CoordTableModel(const CoordTable& grid, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    // Tells the views about changes that commands made to the table since the last call.
    // Returns true when anything had changed.
    bool refresh();

    // Tells the views about rows that a command inserted or removed, as row insertions and
    // removals at their place (so views keep their scroll position and a large table is not
    // reset), then refreshes the cells. Falls back to refresh() when the counts do not add up.
    void applyRowChange(const RowChange& change);

    // Table row of a model index and the reverse.
    static int gridRow(int modelRow) { return modelRow + 1; }
    static int modelRow(int gridRow) { return gridRow - 1; }

    const CoordTable& Grid() const { return grid_; }

private:
    const CoordTable& grid_;
    std::uint64_t shownRevision_;
    int shownRows_;
};

}  // namespace kuvanto

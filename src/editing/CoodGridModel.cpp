// Shows a coordinate table cell by cell straight from its store; a change made by a command is
// passed to the views as one reset (row count changed) or one data change (same rows), never as
// per-row work.
#include "CoodGridModel.h"

#include <algorithm>

namespace kuvanto {

CoodGridModel::CoodGridModel(const CoodGrid& grid, QObject* parent)
    : QAbstractTableModel(parent),
      grid_(grid),
      shown_revision_(grid.Revision()),
      shown_rows_(grid.Rows()) {}

int CoodGridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : std::max(0, shown_rows_ - 1);
}

int CoodGridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : 2;
}

QVariant CoodGridModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) return {};
    switch (role) {
        case Qt::DisplayRole:
        case Qt::EditRole:
            return QString::fromStdString(grid_.Text(Grid_Row(index.row()), index.column()));
        case Qt::TextAlignmentRole:
            return int(Qt::AlignCenter);
        default:
            return {};
    }
}

QVariant CoodGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role == Qt::TextAlignmentRole) return int(Qt::AlignCenter);
    if (role != Qt::DisplayRole) return {};
    if (orientation == Qt::Horizontal) return QString::fromStdString(grid_.Text(0, section));
    return Grid_Row(section);
}

Qt::ItemFlags CoodGridModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable;
}

bool CoodGridModel::Refresh() {
    if (grid_.Revision() == shown_revision_ && grid_.Rows() == shown_rows_) return false;
    shown_revision_ = grid_.Revision();
    if (grid_.Rows() != shown_rows_) {
        beginResetModel();
        shown_rows_ = grid_.Rows();
        endResetModel();
    } else {
        if (rowCount() > 0) emit dataChanged(index(0, 0), index(rowCount() - 1, 1));
        emit headerDataChanged(Qt::Horizontal, 0, 1);
    }
    return true;
}

}  // namespace kuvanto

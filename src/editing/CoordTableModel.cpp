// Shows a coordinate table cell by cell straight from its store; a change made by a command is
// passed to the views as one reset (row count changed) or one data change (same rows), never as
// per-row work.
#include "editing/CoordTableModel.h"

#include <algorithm>

namespace kuvanto {

CoordTableModel::CoordTableModel(const CoordTable& grid, QObject* parent)
    : QAbstractTableModel(parent),
      grid_(grid),
      shownRevision_(grid.revision()),
      shownRows_(grid.rows()) {}

int CoordTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : std::max(0, shownRows_ - 1);
}

int CoordTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : 2;
}

QVariant CoordTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) return {};
    switch (role) {
        case Qt::DisplayRole:
        case Qt::EditRole:
            return QString::fromStdString(grid_.text(gridRow(index.row()), index.column()));
        case Qt::TextAlignmentRole:
            return int(Qt::AlignCenter);
        default:
            return {};
    }
}

QVariant CoordTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role == Qt::TextAlignmentRole) return int(Qt::AlignCenter);
    if (role != Qt::DisplayRole) return {};
    if (orientation == Qt::Horizontal) return QString::fromStdString(grid_.text(0, section));
    return gridRow(section);
}

Qt::ItemFlags CoordTableModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable;
}

void CoordTableModel::applyRowChange(const RowChange& change) {
    if (!change.refused &&
        shownRows_ - change.removed + change.inserted + change.appended == grid_.rows() &&
        change.at >= 1) {
        if (change.removed > 0) {
            beginRemoveRows({}, modelRow(change.at), modelRow(change.at + change.removed - 1));
            shownRows_ -= change.removed;
            endRemoveRows();
        }
        if (change.inserted > 0) {
            beginInsertRows({}, modelRow(change.at), modelRow(change.at + change.inserted - 1));
            shownRows_ += change.inserted;
            endInsertRows();
        }
        if (change.appended > 0) {
            beginInsertRows({}, rowCount(), rowCount() + change.appended - 1);
            shownRows_ += change.appended;
            endInsertRows();
        }
    }
    refresh();
}

bool CoordTableModel::refresh() {
    if (grid_.revision() == shownRevision_ && grid_.rows() == shownRows_) return false;
    shownRevision_ = grid_.revision();
    if (grid_.rows() != shownRows_) {
        beginResetModel();
        shownRows_ = grid_.rows();
        endResetModel();
    } else {
        if (rowCount() > 0) emit dataChanged(index(0, 0), index(rowCount() - 1, 1));
        emit headerDataChanged(Qt::Horizontal, 0, 1);
    }
    return true;
}

}  // namespace kuvanto

// Shows the result table straight from its store: cell texts, the per-cell background colours of
// the figure and combined columns, centring, and the fixed-cell look of the item and symbol
// columns.
#include "ResultGridModel.h"

#include <QBrush>
#include <QColor>
#include <QFont>
#include <QGuiApplication>
#include <QPalette>

namespace kuvanto {

ResultGridModel::ResultGridModel(const ResultGrid& grid, QObject* parent)
    : QAbstractTableModel(parent),
      grid_(grid),
      shown_revision_(grid.Revision()),
      shown_cols_(grid.Cols()) {}

int ResultGridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ResultGrid::kRows - 1;
}

int ResultGridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : shown_cols_;
}

QVariant ResultGridModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) return {};
    const int row = Grid_Row(index.row());
    const int col = index.column();
    switch (role) {
        case Qt::DisplayRole:
            return QString::fromStdString(grid_.Text(row, col));
        case Qt::TextAlignmentRole:
            return int(grid_.Col_Centred(col) ? Qt::AlignCenter : Qt::AlignLeft | Qt::AlignVCenter);
        case Qt::BackgroundRole: {
            if (const auto rgb = grid_.Cell_Color(row, col))
                return QBrush(QColor(rgb->r, rgb->g, rgb->b));
            if (col < kFixedCols) return QGuiApplication::palette().brush(QPalette::Button);
            return {};
        }
        case Qt::ForegroundRole:
            // The coloured cells keep dark text whatever the desktop theme.
            if (grid_.Cell_Color(row, col) || col < kFixedCols) return QBrush(Qt::black);
            return {};
        default:
            return {};
    }
}

QVariant ResultGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal) {
        return role == Qt::DisplayRole ? QVariant(section + 1) : QVariant();
    }
    switch (role) {
        case Qt::DisplayRole:
            return QString::fromStdString(grid_.Text(0, section));
        case Qt::TextAlignmentRole:
            return int(Qt::AlignCenter);
        default:
            return {};
    }
}

Qt::ItemFlags ResultGridModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) return Qt::NoItemFlags;
    if (index.column() < kFixedCols) return Qt::ItemIsEnabled;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable;
}

bool ResultGridModel::Refresh() {
    if (grid_.Revision() == shown_revision_ && grid_.Cols() == shown_cols_) return false;
    shown_revision_ = grid_.Revision();
    if (grid_.Cols() != shown_cols_) {
        beginResetModel();
        shown_cols_ = grid_.Cols();
        endResetModel();
    } else {
        emit dataChanged(index(0, 0), index(rowCount() - 1, shown_cols_ - 1));
        emit headerDataChanged(Qt::Horizontal, 0, shown_cols_ - 1);
    }
    return true;
}

}  // namespace kuvanto

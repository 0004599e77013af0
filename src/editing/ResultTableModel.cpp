// Shows the result table straight from its store: cell texts (translated where they are
// interface: items and column heads), the per-cell background colours of
// the figure and combined columns, centring, and the fixed-cell look of the item and symbol
// columns.
#include "editing/ResultTableModel.h"

#include <QBrush>
#include <QColor>
#include <QFont>
#include <QGuiApplication>
#include <QPalette>

#include "io/ResultTexts.h"

namespace kuvanto {

ResultTableModel::ResultTableModel(const ResultTable& grid, QObject* parent)
    : QAbstractTableModel(parent),
      grid_(grid),
      shownRevision_(grid.revision()),
      shownCols_(grid.cols()),
      shownRows_(rowsFor(grid)) {}

int ResultTableModel::rowsFor(const ResultTable& grid) {
    const int rows =
        resultRowInUse(grid, kMaterialFirstRow) ? ResultTable::kRows : kMaterialFirstRow;
    return modelRow(rows);
}

int ResultTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : shownRows_;
}

int ResultTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : shownCols_;
}

QVariant ResultTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) return {};
    const int row = gridRow(index.row());
    const int col = index.column();
    switch (role) {
        case Qt::DisplayRole:
            return ResultTexts::cell(grid_, row, col);
        case Qt::TextAlignmentRole:
            return int(grid_.colCentred(col) ? Qt::AlignCenter : Qt::AlignLeft | Qt::AlignVCenter);
        case Qt::BackgroundRole: {
            if (const auto rgb = grid_.cellColor(row, col))
                return QBrush(QColor(rgb->r, rgb->g, rgb->b));
            if (col < kFixedCols) return QGuiApplication::palette().brush(QPalette::Button);
            return {};
        }
        case Qt::ForegroundRole:
            // The coloured cells keep dark text whatever the desktop theme.
            if (grid_.cellColor(row, col) || col < kFixedCols) return QBrush(Qt::black);
            return {};
        default:
            return {};
    }
}

QVariant ResultTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal) {
        return role == Qt::DisplayRole ? QVariant(section + 1) : QVariant();
    }
    switch (role) {
        case Qt::DisplayRole:
            return ResultTexts::columnHead(grid_, section);
        case Qt::TextAlignmentRole:
            return int(Qt::AlignCenter);
        default:
            return {};
    }
}

Qt::ItemFlags ResultTableModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) return Qt::NoItemFlags;
    if (index.column() < kFixedCols) return Qt::ItemIsEnabled;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable;
}

bool ResultTableModel::refresh() {
    if (grid_.revision() == shownRevision_ && grid_.cols() == shownCols_ &&
        rowsFor(grid_) == shownRows_)
        return false;
    shownRevision_ = grid_.revision();
    if (grid_.cols() != shownCols_ || rowsFor(grid_) != shownRows_) {
        beginResetModel();
        shownCols_ = grid_.cols();
        shownRows_ = rowsFor(grid_);
        endResetModel();
    } else {
        emit dataChanged(index(0, 0), index(rowCount() - 1, shownCols_ - 1));
        emit headerDataChanged(Qt::Horizontal, 0, shownCols_ - 1);
    }
    return true;
}

}  // namespace kuvanto

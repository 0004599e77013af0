// Base-point list items made on demand from the table rows.
#include "editing/BasePointListModel.h"

#include <QPointF>

#include "core/table/CoordTable.h"
#include "core/table/Transformations.h"

namespace kuvanto {

BasePointListModel::BasePointListModel(const CoordTable& grid, QObject* parent)
    : QAbstractListModel(parent), grid_(grid), rows_(basePointRows(grid)) {}

int BasePointListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

QString BasePointListModel::itemText(int index) const {
    if (index < 0 || index >= static_cast<int>(rows_.size())) return {};
    return QString::fromStdString(basePointItem(grid_, rows_[static_cast<std::size_t>(index)]));
}

QVariant BasePointListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= static_cast<int>(rows_.size())) return {};
    const int row = rows_[static_cast<std::size_t>(index.row())];
    if (role == Qt::DisplayRole) return itemText(index.row());
    if (role == kBasePointRole) {
        const BasePoint base = basePointOfRow(grid_, row);
        return QPointF(base.x, base.y);
    }
    return {};
}

}  // namespace kuvanto

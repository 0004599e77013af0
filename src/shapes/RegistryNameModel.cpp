// Names shown as they are asked for; a list never holds more rows than a model index can count.
#include "shapes/RegistryNameModel.h"

#include <limits>

namespace kuvanto {

RegistryNameModel::RegistryNameModel(RegistryNames names, QObject* parent)
    : QAbstractListModel(parent), names_(std::move(names)) {}

int RegistryNameModel::rowCount(const QModelIndex& parent) const {
    if (parent.isValid()) return 0;
    return static_cast<int>(std::min<std::size_t>(names_.size(), std::numeric_limits<int>::max()));
}

QVariant RegistryNameModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount() ||
        (role != Qt::DisplayRole && role != Qt::EditRole))
        return {};
    const std::string_view name = names_.name(static_cast<std::size_t>(index.row()));
    return QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
}

}  // namespace kuvanto

// The category list of the shape library's insertion dialog as a list model over the registry's
// compact names: a registry of millions of lines costs the bytes of its names and an offset each,
// and a name becomes text only when the list shows it.
#pragma once

#include <QAbstractListModel>

#include "io/LibraryRegistry.h"

namespace kuvanto {

class RegistryNameModel : public QAbstractListModel {
    Q_OBJECT
public:
    explicit RegistryNameModel(RegistryNames names, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

private:
    RegistryNames names_;
};

}  // namespace kuvanto

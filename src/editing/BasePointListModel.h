// The base-point list of the move dialog as a model: one item per selected vertex row, its text
// made only when the list shows it. Each item carries its base point as data (kBasePointRole), so
// that the dialog never reads numbers back from the item text. A whole figure of a million vertices
// opens the dialog as fast as one vertex does.
#pragma once

#include <QAbstractListModel>
#include <vector>

namespace kuvanto {

class CoordTable;

class BasePointListModel : public QAbstractListModel {
    Q_OBJECT
public:
    // The role of an item's base point, a QPointF.
    static constexpr int kBasePointRole = Qt::UserRole;

    // The vertex rows of the table's selection, as it is now.
    explicit BasePointListModel(const CoordTable& grid, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

    // The item text of list position `index` ("X: ... - Y: ..."); empty when out of range.
    QString itemText(int index) const;

private:
    const CoordTable& grid_;
    std::vector<int> rows_;
};

}  // namespace kuvanto

// The table model tells its views about inserted and removed rows as one insertion or removal at
// their place, never as a reset, so that a large table keeps its scroll position and costs no
// per-row work.
#include <QSignalSpy>
#include <QtTest>

#include "../core/GridText.h"
#include "core/table/ClipboardText.h"
#include "editing/CoordTableModel.h"

using namespace kuvanto;

class TestCoordTableModel : public QObject {
    Q_OBJECT
private slots:
    void rowChangesReachViews();
};

void TestCoordTableModel::rowChangesReachViews() {
    CoordTable grid = gridOf({"1,1", "2,2", "3,3", ","});
    CoordTableModel model(grid);
    QSignalSpy inserted(&model, &QAbstractItemModel::rowsInserted);
    QSignalSpy removed(&model, &QAbstractItemModel::rowsRemoved);
    QSignalSpy reset(&model, &QAbstractItemModel::modelReset);

    selectRows(grid, 2, 4);
    model.applyRowChange(insertGridRows(grid));
    QCOMPARE(inserted.size(), 1);
    QCOMPARE(inserted[0][1].toInt(), 1);  // model rows 1..3 are table rows 2..4
    QCOMPARE(inserted[0][2].toInt(), 3);
    QCOMPARE(model.rowCount(), grid.rows() - 1);

    model.applyRowChange(deleteGridRows(grid));
    QCOMPARE(removed.size(), 1);
    QCOMPARE(removed[0][1].toInt(), 1);
    QCOMPARE(removed[0][2].toInt(), 3);

    selectRows(grid, 4, 4);
    model.applyRowChange(pasteText(grid, "5\t5\r6\t6\r7\t7"));
    QCOMPARE(inserted.size(), 2);  // the growth as one insertion at the end
    QCOMPARE(model.rowCount(), grid.rows() - 1);
    QCOMPARE(model.data(model.index(4, 1)).toString(), QStringLiteral("6"));
    QCOMPARE(reset.size(), 0);
}

QTEST_GUILESS_MAIN(TestCoordTableModel)
#include "test_coord_table_model.moc"

// Inserting a plain X,Y file into a coordinate table: the rows go in before the current row
// (before the entry row, or inside a figure with the rows below moving down), a pair that is not
// two numbers stops the reading with its message, and an unreadable file is told and changes
// nothing.
#include <QTemporaryDir>
#include <QtTest>

#include "../app/ScriptedMessenger.h"
#include "../io/IoTestUtil.h"
#include "editing/FileInsertion.h"
#include "editing/Workspace.h"

using namespace kuvanto;

namespace {

const QString kStop =
    QStringLiteral("座標データ(X,Y)でないデータが含まれています。読込みを中断します。");

}  // namespace

class FileInsertionTest : public QObject {
    Q_OBJECT

private slots:
    void insertion_data() {
        QTest::addColumn<QString>("table");  // rows as "x|y;x|y" before the entry row
        QTest::addColumn<int>("row");        // the current row
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<QString>("message");  // empty: none

        const QString figure = "0|0;10|0;10|10;0|0";
        const QByteArray three = "1,2\r\n3,4\r\n5,6\r\n";
        QTest::newRow("three lines before the entry row")
            << figure << 5 << three << "0|0;10|0;10|10;0|0;1|2;3|4;5|6"
            << "";
        QTest::newRow("three lines in the middle of a figure")
            << figure << 3 << three << "0|0;10|0;1|2;3|4;5|6;10|10;0|0"
            << "";
        QTest::newRow("a coordinate file stops at its marker line")
            << figure << 2 << QByteArray("<<加算>>,\r\n0,0\r\n1,1\r\n") << figure << kStop;
        QTest::newRow("rows before a bad pair stay")
            << QString() << 1 << QByteArray("1,1\n2,x\n3,3\n") << "1|1" << kStop;
    }

    void insertion() {
        QFETCH(QString, table);
        QFETCH(int, row);
        QFETCH(QByteArray, file);
        QFETCH(QString, expected);
        QFETCH(QString, message);
        QTemporaryDir dir;
        Workspace workspace(dir.path());
        QVERIFY(workspace.start());
        test::fill(workspace.addGrid, table);
        QVERIFY(workspace.saveUndo());
        workspace.addGrid.setRow(row);
        const QString path = dir.filePath("in.csv");
        QVERIFY(test::writeBytes(path, file));
        ScriptedMessenger messenger;
        FileInsertion::insertFile(workspace, workspace.addGrid, path, messenger);
        QCOMPARE(test::dump(workspace.addGrid), expected);
        QCOMPARE(messenger.noticeTexts(), message.isEmpty() ? QStringList() : QStringList{message});
        // The snapshot holds the new state: undo goes back to the table before the insertion
        // (an insertion that changed nothing is no step of its own).
        if (expected != table) {
            QVERIFY(workspace.undoRestore());
            QCOMPARE(test::dump(workspace.addGrid), table);
        }
    }

    void unreadableFileChangesNothing() {
        QTemporaryDir dir;
        Workspace workspace(dir.path());
        QVERIFY(workspace.start());
        test::fill(workspace.addGrid, "0|0;1|1");
        ScriptedMessenger messenger;
        QCOMPARE(FileInsertion::insertFile(workspace, workspace.addGrid, dir.filePath("none.csv"),
                                           messenger),
                 0);
        QCOMPARE(test::dump(workspace.addGrid), QStringLiteral("0|0;1|1"));
        QCOMPARE(messenger.notices.size(), 1);
        QVERIFY(messenger.notices.front().text.contains("none.csv"));
    }
};

QTEST_MAIN(FileInsertionTest)
#include "test_file_insertion.moc"

// The two snapshot files: the start-up snapshot, later snapshots alternating between the files
// (the other one keeping the state before), a write that fails named in its error, and a large
// snapshot written in the background.
#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include "IoTestUtil.h"
#include "io/CoordText.h"
#include "io/UndoStore.h"

using namespace kuvanto;
using namespace kuvanto::test;

class TestUndoStore : public QObject {
    Q_OBJECT

private slots:
    void startWritesEmptyTablesToSecondFile() {
        QTemporaryDir dir;
        UndoStore undo(dir.path());
        CoordTable a, s;
        QVERIFY(undo.start(a, s));
        QCOMPARE(undo.undoFile(), QString("udtxt2.txt"));
        QCOMPARE(
            readBytes(dir.filePath("udtxt2.txt")),
            QByteArray(
                "<<\x98\x41\x94\xD4>>,1\r\n<<\x89\xC1\x8E\x5A>>,\r\n<<\x8C\xB8\x8E\x5A>>,\r\n"));
        QVERIFY(!QFile::exists(dir.filePath("udtxt1.txt")));
    }

    void snapshotsAlternateBetweenTheTwoFiles() {
        QTemporaryDir dir;
        UndoStore undo(dir.path());
        CoordTable a, s;
        QVERIFY(undo.start(a, s));
        fill(a, "1|1;<<図形区切り>>|");  // change A
        QVERIFY(undo.saveUndo(a, s));
        QCOMPARE(undo.undoFile(), QString("udtxt1.txt"));
        fill(s, "2|2");  // change B
        QVERIFY(undo.saveUndo(a, s));
        QCOMPARE(undo.undoFile(), QString("udtxt2.txt"));
        CoordTable readA, readS;
        QVERIFY(readCoordText(dir.filePath("udtxt1.txt"), readA, readS));
        QCOMPARE(dump(readA), QString("1|1;<<図形区切り>>|"));
        QCOMPARE(dump(readS), QString(""));
        QVERIFY(readCoordText(dir.filePath("udtxt2.txt"), readA, readS));
        QCOMPARE(dump(readS), QString("2|2"));
    }

    // "udtxt1.txt" of an earlier run stays until the first change overwrites it.
    void startKeepsTheEarlierRunsFirstFile() {
        QTemporaryDir dir;
        QVERIFY(writeBytes(dir.filePath("udtxt1.txt"), QByteArray("<<加算>>,\r\n3,4\r\n")));
        UndoStore undo(dir.path());
        CoordTable a, s;
        QVERIFY(undo.start(a, s));
        QCOMPARE(readBytes(dir.filePath("udtxt1.txt")), QByteArray("<<加算>>,\r\n3,4\r\n"));
    }

    void failedWriteIsReported() {
        QTemporaryDir dir;
        const QString file2 = dir.filePath("udtxt2.txt");
        UndoStore undo(dir.path());
        CoordTable a, s;
        QVERIFY(undo.start(a, s));  // udtxt2: empty tables
        fill(a, "1|1");
        QVERIFY(undo.saveUndo(a, s));  // udtxt1
        QVERIFY(QFile::remove(file2));
        QVERIFY(QDir().mkdir(file2));  // the next write of udtxt2 fails
        fill(a, "2|2");
        QString error;
        QVERIFY(!undo.saveUndo(a, s, &error));
        QVERIFY2(error.contains("udtxt2.txt"), qPrintable(error));
    }

    // A large snapshot is written on a worker thread; the next snapshot waits for it, and a
    // failed background write is given out once.
    void largeSnapshotInBackground_data() {
        QTest::addColumn<bool>("blocked");
        QTest::newRow("write succeeds") << false;
        QTest::newRow("write fails") << true;
    }
    void largeSnapshotInBackground() {
        QFETCH(bool, blocked);
        QTemporaryDir dir;
        UndoStore undo(dir.path());
        CoordTable a, s;
        QVERIFY(undo.start(a, s));  // udtxt2: empty
        fill(a, "1|1");
        QVERIFY(undo.saveUndo(a, s));  // udtxt1: 1|1
        if (blocked) {
            QVERIFY(QFile::remove(dir.filePath("udtxt2.txt")));
            QVERIFY(QDir().mkdir(dir.filePath("udtxt2.txt")));
        }
        QStringList rows;
        for (int i = 0; i < 100000; ++i) rows << QStringLiteral("%1.125|-%1.5").arg(i);
        fill(a, rows.join(';'));
        const std::string text = coordText(a, s);
        undo.saveUndoInBackground([text] { return text; }, text.size());  // udtxt2: the large table
        QVERIFY(undo.writingInBackground());
        QString error;
        QCOMPARE(undo.finishBackground(&error), !blocked);
        QCOMPARE(error.contains("udtxt2.txt"), blocked);
        QVERIFY(undo.finishBackground());  // given out once

        CoordTable readA, readS;
        QCOMPARE(readCoordText(dir.filePath("udtxt2.txt"), readA, readS), !blocked);
        if (!blocked) QCOMPARE(readA.rows(), 100002);
        QVERIFY(readCoordText(dir.filePath("udtxt1.txt"), readA, readS));
        QCOMPARE(dump(readA), QString("1|1"));  // the other file keeps the state before
    }
};

QTEST_GUILESS_MAIN(TestUndoStore)
#include "test_undo_store.moc"

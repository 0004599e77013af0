// One-level undo over the two snapshot files: the start-up snapshot, undo and its reversal
// alternating, undo on the first run (no earlier snapshot: the tables are emptied), and a snapshot
// whose write failed, which must never be put in place of the tables.
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
        QCOMPARE(readBytes(dir.filePath("udtxt2.txt")),
                 QByteArray("<<\x89\xC1\x8E\x5A>>,\r\n<<\x8C\xB8\x8E\x5A>>,\r\n"));
        QVERIFY(!QFile::exists(dir.filePath("udtxt1.txt")));
    }

    void undoAndItsReversalAlternate() {
        QTemporaryDir dir;
        UndoStore undo(dir.path());
        CoordTable a, s;
        QVERIFY(undo.start(a, s));
        fill(a, "1|1;<<図形区切り>>|");  // change A
        QVERIFY(undo.saveUndo(a, s));
        fill(s, "2|2");  // change B
        QVERIFY(undo.saveUndo(a, s));

        QVERIFY(undo.undoRestore(a, s));
        QCOMPARE(dump(a), QString("1|1;<<図形区切り>>|"));
        QCOMPARE(dump(s), QString(""));
        QVERIFY(undo.undoRestore(a, s));
        QCOMPARE(dump(a), QString("1|1;<<図形区切り>>|"));
        QCOMPARE(dump(s), QString("2|2"));
        QVERIFY(undo.undoRestore(a, s));
        QCOMPARE(dump(s), QString(""));
    }

    void undoAfterStartRestoresEarlierRun() {
        QTemporaryDir dir;
        QVERIFY(writeBytes(dir.filePath("udtxt1.txt"), QByteArray("<<加算>>,\r\n3,4\r\n")));
        UndoStore undo(dir.path());
        CoordTable a, s;
        QVERIFY(undo.start(a, s));
        QVERIFY(undo.undoRestore(a, s));
        QCOMPARE(dump(a), QString("3|4"));
        QCOMPARE(undo.undoFile(), QString("udtxt1.txt"));
    }

    // The very first run has no "udtxt1.txt": undo empties the tables, every time, without error.
    void undoAfterStartWithoutEarlierRunEmptiesTables() {
        QTemporaryDir dir;
        UndoStore undo(dir.path());
        CoordTable a, s;
        QVERIFY(undo.start(a, s));
        fill(a, "5|5");  // a change that took no snapshot
        fill(s, "6|6");
        QString error;
        QVERIFY2(undo.undoRestore(a, s, &error), qPrintable(error));
        QCOMPARE(dump(a), QString(""));
        QCOMPARE(dump(s), QString(""));
        QCOMPARE(undo.undoFile(), QString("udtxt1.txt"));
        QVERIFY(QFile::exists(dir.filePath("udtxt1.txt")));
        fill(a, "7|7");
        QVERIFY(undo.undoRestore(a, s, &error));
        QCOMPARE(dump(a), QString(""));
    }

    // A snapshot whose write failed still holds an older state; undo must refuse it rather than
    // put that older state in place of the tables.
    void snapshotThatFailedToWriteIsNeverRestored() {
        QTemporaryDir dir;
        const QString file2 = dir.filePath("udtxt2.txt");
        UndoStore undo(dir.path());
        CoordTable a, s;
        QVERIFY(undo.start(a, s));     // udtxt2: empty tables
        fill(a, "1|1");                // change A
        QVERIFY(undo.saveUndo(a, s));  // udtxt1: A

        QVERIFY(QFile::remove(file2));
        QVERIFY(QDir().mkdir(file2));  // the next write of udtxt2 fails
        fill(a, "2|2");                // change B
        QString error;
        QVERIFY(!undo.saveUndo(a, s, &error));
        QVERIFY2(error.contains("udtxt2.txt"), qPrintable(error));

        QVERIFY(undo.undoRestore(a, s));  // back to A, the state before B
        QCOMPARE(dump(a), QString("1|1"));

        // udtxt2 becomes readable again but holds the start-up state, not B.
        QVERIFY(QDir().rmdir(file2));
        QVERIFY(writeBytes(file2, QByteArray("<<加算>>,\r\n<<減算>>,\r\n")));
        QVERIFY(!undo.undoRestore(a, s, &error));
        QCOMPARE(dump(a), QString("1|1"));
    }

    // A large snapshot is written on a worker thread; undo waits for it and never reads it
    // half-written, and a failed background write is given out and leaves its file stale.
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

        QVERIFY(undo.undoRestore(a, s));  // back to 1|1 from udtxt1
        QCOMPARE(dump(a), QString("1|1"));
        const bool redone = undo.undoRestore(a, s);
        QCOMPARE(redone, !blocked);  // the large state comes back only when it was written
        QCOMPARE(a.rows(), blocked ? 3 : 100002);
    }
};

QTEST_GUILESS_MAIN(TestUndoStore)
#include "test_undo_store.moc"

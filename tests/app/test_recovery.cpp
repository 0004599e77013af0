// Two running copies and recovery after an abnormal end. A copy started while another runs on the
// same working folder keeps its own undo snapshots, so undo in one never shows the other's tables,
// while the colour file stays shared. A copy killed with SIGKILL leaves its tables to be offered
// back at the next start ("前回の作業内容を復元しますか？"), and restoring them is a step that
// undo takes back; a copy that ended normally leaves nothing to offer.
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include "ScriptedMessenger.h"
#include "app/HistoryCommands.h"
#include "app/MainWindow.h"
#include "editing/Workspace.h"
#include "io/TextFile.h"

using namespace kuvanto;

namespace {

QStringList rows(const CoordTable& grid) {
    QStringList rows;
    for (int r = 1; r < grid.rows() - 1; ++r)
        rows << QString::fromStdString(grid.text(r, 0) + "|" + grid.text(r, 1));
    return rows;
}

void setCell(Workspace& work, const char* text) {
    work.addGrid.setText(1, 0, text);
    work.addGrid.setText(1, 1, "0");
    if (work.addGrid.rows() == 2) work.addGrid.setRows(3);
    work.saveUndo();
}

// Starts the helper program on `folder` with the direct editing text `text`; waits until its
// change is made and returns its snapshot folder.
QString startChild(QProcess& child, const QString& folder, const QString& text) {
    child.start(QStringLiteral(KUVANTO_RECOVERY_CHILD), {folder, text});
    if (!child.waitForStarted(10000)) return QString();
    while (!child.canReadLine()) {
        if (!child.waitForReadyRead(20000)) return QString();
    }
    const QString line = QString::fromLocal8Bit(child.readLine()).trimmed();
    return line.startsWith(QStringLiteral("ready ")) ? line.mid(6) : QString();
}

const QString kChildText = QStringLiteral("<<加算>>,\n1,2\n3,4\n<<減算>>,\n5,6");

}  // namespace

class TestRecovery : public QObject {
    Q_OBJECT
private slots:
    void twoCopiesKeepTheirOwnUndo() {
        QTemporaryDir dir;
        Workspace first(dir.path());
        first.start();
        setCell(first, "111");
        setCell(first, "222");
        Workspace second(dir.path());
        second.start();
        QVERIFY(second.snapshotFolder() != first.snapshotFolder());
        QCOMPARE(first.snapshotFolder(), dir.path());
        setCell(second, "999");

        QVERIFY(first.undoRestore());
        QCOMPARE(rows(first.addGrid), QStringList{"111|0"});
        QVERIFY(first.undoRestore());
        QCOMPARE(rows(first.addGrid), QStringList());
        QVERIFY(first.redo());
        QVERIFY(first.redo());
        QCOMPARE(rows(first.addGrid), QStringList{"222|0"});
        QVERIFY(second.undoRestore());
        QCOMPARE(rows(second.addGrid), QStringList());

        // Each copy's snapshot files hold its own tables.
        first.saveUndo();
        const auto firstFile = readTextFile(first.snapshotFolder() + "/" + first.undo().undoFile());
        QVERIFY(firstFile && firstFile->find("222") != std::string::npos);
        QVERIFY(firstFile->find("999") == std::string::npos);

        // The colour file is shared on purpose.
        QVERIFY(second.saveColors(DrawColors{1, 2, 3}));
        first.loadColors();
        QCOMPARE(first.colors, (DrawColors{1, 2, 3}));
    }

    void abnormalEndOffersTheTablesBack_data() {
        QTest::addColumn<bool>("killed");
        QTest::newRow("killed with SIGKILL") << true;
        QTest::newRow("ended normally") << false;
    }
    void abnormalEndOffersTheTablesBack() {
        QFETCH(bool, killed);
        QTemporaryDir dir;
        QProcess child;
        const QString childFolder = startChild(child, dir.path(), kChildText);
        QCOMPARE(childFolder, dir.path());
        {
            // While the child runs, a copy here gets a folder of its own and nothing to recover.
            Workspace meanwhile(dir.path());
            meanwhile.start();
            QVERIFY(meanwhile.snapshotFolder() != dir.path());
            QVERIFY(!meanwhile.hasRecovery());
            QVERIFY(!meanwhile.undoRestore());
            QCOMPARE(rows(meanwhile.addGrid), QStringList());
        }
        if (killed) {
            child.kill();  // SIGKILL: no destructor, no unlocking
        } else {
            child.closeWriteChannel();
        }
        QVERIFY(child.waitForFinished(20000));
        QCOMPARE(child.exitStatus(), killed ? QProcess::CrashExit : QProcess::NormalExit);

        ScriptedMessenger messenger;
        messenger.answers << true;
        MainWindow window(dir.path(), &messenger);
        QCOMPARE(window.work().snapshotFolder(), dir.path());  // the slot is free again
        QCOMPARE(HistoryCommands::offerRecovery(window), killed);
        QCOMPARE(messenger.questions.size(), killed ? 1 : 0);
        if (!killed) {
            QCOMPARE(rows(window.work().addGrid), QStringList());
            return;
        }
        QCOMPARE(messenger.questions.front().text,
                 QStringLiteral("前回の作業内容を復元しますか？"));
        QCOMPARE(rows(window.work().addGrid), (QStringList{"1|2", "3|4"}));
        QCOMPARE(rows(window.work().subtractedGrid), QStringList{"5|6"});
        // Restoring is a step of its own.
        window.command(QStringLiteral("Undo_t"))->trigger();
        QCOMPARE(rows(window.work().addGrid), QStringList());
        QVERIFY(window.command(QStringLiteral("Redo_t"))->isEnabled());
        window.command(QStringLiteral("Redo_t"))->trigger();
        QCOMPARE(rows(window.work().addGrid), (QStringList{"1|2", "3|4"}));
    }

    void noAnswerKeepsTheEmptyTables() {
        QTemporaryDir dir;
        QProcess child;
        QCOMPARE(startChild(child, dir.path(), kChildText), dir.path());
        child.kill();
        QVERIFY(child.waitForFinished(20000));
        ScriptedMessenger messenger;
        messenger.answers << false;
        MainWindow window(dir.path(), &messenger);
        QVERIFY(!HistoryCommands::offerRecovery(window));
        QCOMPARE(messenger.questions.size(), 1);
        QCOMPARE(rows(window.work().addGrid), QStringList());
        QVERIFY(!window.work().canUndo());
    }
};

QTEST_MAIN(TestRecovery)
#include "test_recovery.moc"

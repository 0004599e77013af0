// Two running copies and recovery after an abnormal end. A copy started while another runs on the
// same working folder keeps its own undo snapshots, so undo in one never shows the other's tables,
// while the colour file stays shared. A copy killed with SIGKILL leaves its tables to be offered
// back at the next start ("前回の作業内容を復元しますか？"), and restoring them is a step that
// undo takes back; a copy that ended normally leaves nothing to offer. A copy asked to end by
// SIGTERM leaves unsaved tables for the next start; the newer snapshot is found by its number
// when both files have the same time; a lock file no copy of ours can have written is stale;
// temporary files of killed copies go; a file named at the start after a recovery is asked about.
#include <sys/stat.h>

#include <QDateTime>
#include <QProcess>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QtTest>

#include "ScriptedMessenger.h"
#include "app/HistoryCommands.h"
#include "app/MainWindow.h"
#include "editing/Workspace.h"
#include "io/SessionSlot.h"
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

// A process number that no running process has: that of a shell that has ended.
qint64 deadProcess() {
    QProcess shell;
    shell.start(QStringLiteral("/bin/sh"), {QStringLiteral("-c"), QStringLiteral("echo $$")});
    shell.waitForFinished(10000);
    return shell.readAllStandardOutput().trimmed().toLongLong();
}

// The snapshot files of a run that made the changes "111" then "222" in `folder`, as a run
// killed right after them leaves them (without its lock file).
void leaveSnapshots(const QString& folder) {
    QTemporaryDir run;
    {
        Workspace work(run.path());
        work.start();
        setCell(work, "111");
        setCell(work, "222");
    }
    for (const QString name : {"udtxt1.txt", "udtxt2.txt"})
        QFile::copy(run.filePath(name), folder + '/' + name);
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (file.open(QIODevice::WriteOnly)) file.write(bytes);
}

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

    // Two snapshot files with the same time (written within one step of the file system's
    // clock): the newer one is the one with the higher number, whichever file it is.
    void sameFileTimesTakeTheNewerSnapshot() {
        QTemporaryDir dir;
        leaveSnapshots(dir.path());
        const QDateTime same = QDateTime::currentDateTime();
        for (const QString name : {"udtxt1.txt", "udtxt2.txt"}) {
            QFile file(dir.filePath(name));
            QVERIFY(file.open(QIODevice::ReadWrite));
            QVERIFY(file.setFileTime(same, QFileDevice::FileModificationTime));
        }
        writeFile(dir.filePath(SessionSlot::kLockFile),
                  QByteArray::number(deadProcess()) + "\nkuvanto\n" +
                      QSysInfo::machineHostName().toUtf8() + "\n");
        Workspace work(dir.path());
        work.start();
        QCOMPARE(work.snapshotFolder(), dir.path());
        QVERIFY(work.hasRecovery());
        QVERIFY(work.restoreRecovery());
        QCOMPARE(rows(work.addGrid), QStringList{"222|0"});
    }

    void brokenLockIsStale_data() {
        QTest::addColumn<QString>("kind");
        for (const char* kind : {"empty", "garbled", "1 TB sparse", "empty folder",
                                 "folder with a file", "pipe", "link to nowhere"})
            QTest::newRow(kind) << QString::fromLatin1(kind);
    }

    // A lock file no copy of the program wrote is read no further than a lock file is long,
    // cleared, and the work beside it is offered back; the folder is free for the next start.
    void brokenLockIsStale() {
        QFETCH(QString, kind);
        QTemporaryDir dir;
        leaveSnapshots(dir.path());
        const QString lock = dir.filePath(SessionSlot::kLockFile);
        const QByteArray lockName = QFile::encodeName(lock);
        if (kind == "empty") {
            writeFile(lock, QByteArray());
        } else if (kind == "garbled") {
            writeFile(lock, QByteArray("\x01\xFFnot a lock\n\n"));
        } else if (kind == "1 TB sparse") {
            QFile file(lock);
            QVERIFY(file.open(QIODevice::WriteOnly));
            QVERIFY(file.resize(qint64(1) << 40));
        } else if (kind.endsWith("folder")) {
            QVERIFY(QDir().mkdir(lock));
        } else if (kind == "folder with a file") {
            QVERIFY(QDir().mkdir(lock));
            writeFile(lock + "/keep.txt", "kept");
        } else if (kind == "pipe") {
            QVERIFY(::mkfifo(lockName.constData(), 0600) == 0);
        } else {
            QVERIFY(QFile::link(dir.filePath("nowhere"), lock));
        }
        {
            Workspace work(dir.path());
            work.start();
            QCOMPARE(work.snapshotFolder(), dir.path());
            QVERIFY(work.hasRecovery());
            QVERIFY(work.restoreRecovery());
            QCOMPARE(rows(work.addGrid), QStringList{"222|0"});
        }
        if (kind == "folder with a file")
            QCOMPARE(readTextFile(lock + ".stale-1/keep.txt").value_or(""), std::string("kept"));
        // Ended normally: the next start has the folder and nothing to offer.
        Workspace next(dir.path());
        next.start();
        QCOMPARE(next.snapshotFolder(), dir.path());
        QVERIFY(!next.hasRecovery());
    }

    // The temporary file of a copy killed while writing goes at the next start, also in the
    // snapshot folder of a second copy; one of a running process stays.
    void temporaryFilesOfKilledCopiesGo() {
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkpath("undo-2"));
        const QString dead = QStringLiteral(".kuvanto-%1-AbC123").arg(deadProcess());
        const QString alive = QStringLiteral(".kuvanto-1-XyZ789");  // process 1 always runs
        for (const QString& name :
             {dir.filePath(dead), dir.filePath("undo-2/" + dead), dir.filePath("undo-2/" + alive)})
            writeFile(name, "partial");
        Workspace work(dir.path());
        work.start();
        QVERIFY(!QFile::exists(dir.filePath(dead)));
        QVERIFY(!QFile::exists(dir.filePath("undo-2/" + dead)));
        QVERIFY(QFile::exists(dir.filePath("undo-2/" + alive)));
    }

    void endingOnSigtermLeavesUnsavedWork_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("offered");
        QTest::newRow("tables changed") << kChildText << true;
        QTest::newRow("nothing changed") << QStringLiteral("<<加算>>,\n<<減算>>,") << false;
    }

    // SIGTERM (a logout) ends the copy normally; when its tables were not saved, its lock file
    // stays as after a crash, so that the next start offers them back.
    void endingOnSigtermLeavesUnsavedWork() {
        QFETCH(QString, text);
        QFETCH(bool, offered);
        QTemporaryDir dir;
        QProcess child;
        child.start(QStringLiteral(KUVANTO_RECOVERY_CHILD),
                    {dir.path(), text, QStringLiteral("signals")});
        QVERIFY(child.waitForStarted(10000));
        while (!child.canReadLine()) QVERIFY(child.waitForReadyRead(20000));
        QVERIFY(child.readLine().startsWith("ready"));
        child.terminate();  // SIGTERM
        QVERIFY(child.waitForFinished(20000));
        QCOMPARE(child.exitStatus(), QProcess::NormalExit);
        QCOMPARE(child.exitCode(), 0);
        QCOMPARE(QFileInfo::exists(dir.filePath(SessionSlot::kLockFile)), offered);
        Workspace work(dir.path());
        work.start();
        QCOMPARE(work.snapshotFolder(), dir.path());
        QCOMPARE(work.hasRecovery(), offered);
        if (!offered) return;
        QVERIFY(work.restoreRecovery());
        QCOMPARE(rows(work.addGrid), (QStringList{"1|2", "3|4"}));
    }

    // After the tables of a crashed run came back, a file named on the command line would
    // replace them: the user is asked first, as before the reading command.
    void startFileAfterRecoveryIsAskedAbout_data() {
        QTest::addColumn<int>("choice");
        QTest::addColumn<bool>("opened");
        QTest::newRow("cancel keeps the restored work")
            << int(Messenger::SaveChoice::Cancel) << false;
        QTest::newRow("go on opens the file") << int(Messenger::SaveChoice::Proceed) << true;
    }
    void startFileAfterRecoveryIsAskedAbout() {
        QFETCH(int, choice);
        QFETCH(bool, opened);
        QTemporaryDir dir;
        QProcess child;
        QCOMPARE(startChild(child, dir.path(), kChildText), dir.path());
        child.kill();
        QVERIFY(child.waitForFinished(20000));
        const QString file = dir.filePath("start.csv");
        writeFile(file, "<<加算>>,\r\n7,8\r\n");
        ScriptedMessenger messenger;
        messenger.answers << true;
        messenger.saveChoices << Messenger::SaveChoice(choice);
        MainWindow window(dir.path(), &messenger);
        QVERIFY(HistoryCommands::offerRecovery(window));
        QCOMPARE(window.openStartFile(file), opened);
        QCOMPARE(messenger.questions.size(), 2);  // restore?, then save first?
        QCOMPARE(rows(window.work().addGrid),
                 opened ? QStringList{"7|8"} : (QStringList{"1|2", "3|4"}));
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

// The safe file writer: a failed write, flush or close (injected, or a real full disk) is
// reported, leaves the old file whole and leaves no temporary file behind; a good write keeps the
// file's permissions and a symbolic link; names that are not UTF-8 are written and read back.
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include "FullDisk.h"
#include "IoTestUtil.h"
#include "io/NativePath.h"
#include "io/SafeWrite.h"
#include "io/TextFile.h"

using namespace kuvanto;
using namespace kuvanto::test;

using Step = InjectedWriteFailure::Step;

const QString kDiskFull = QStringLiteral("ディスクの空き容量が足りません");
const QString kDeviceError = QStringLiteral("装置の入出力エラーです");
Q_DECLARE_METATYPE(InjectedWriteFailure::Step)

class TestSafeWrite : public QObject {
    Q_OBJECT

private slots:
    void failedStepKeepsOldFile_data() {
        QTest::addColumn<Step>("step");
        QTest::addColumn<int>("failingCall");
        QTest::addColumn<int>("error");
        QTest::addColumn<bool>("oldFile");
        QTest::newRow("first write, disk full") << Step::Write << 1 << ENOSPC << true;
        QTest::newRow("write after a short write") << Step::Write << 3 << ENOSPC << true;
        QTest::newRow("flush to the device fails") << Step::Sync << 1 << EIO << true;
        QTest::newRow("close fails") << Step::Close << 1 << EIO << true;
        QTest::newRow("no old file, write fails") << Step::Write << 1 << ENOSPC << false;
    }
    void failedStepKeepsOldFile() {
        QFETCH(Step, step);
        QFETCH(int, failingCall);
        QFETCH(int, error);
        QFETCH(bool, oldFile);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("data.csv"));
        if (oldFile) QVERIFY(writeBytes(path, "<<加算>>,\r\n1,2\r\n"));
        QString message;
        {
            InjectedWriteFailure failure(step, error, failingCall);
            QVERIFY(!writeFileSafely(path, std::string(40000, '7'), &message));
        }
        QVERIFY2(message.contains(QStringLiteral("data.csv")), qPrintable(message));
        QVERIFY2(message.contains(error == ENOSPC ? kDiskFull : kDeviceError), qPrintable(message));
        if (oldFile) {
            QCOMPARE(readBytes(path), QByteArray("<<加算>>,\r\n1,2\r\n"));
        } else {
            QVERIFY(!QFile::exists(path));
        }
        QCOMPARE(strayFiles(dir.path(), {QStringLiteral("data.csv")}), QStringList());
    }

    // A real full disk: the old file stays whole and the failure is reported, small writes
    // (which a buffered writer only sends to the disk when it closes) included.
    void fullDiskKeepsOldFile_data() {
        QTest::addColumn<int>("size");
        QTest::newRow("small write") << 100;
        QTest::newRow("write just under 16 KB") << 16000;
        QTest::newRow("large write") << 300000;
    }
    void fullDiskKeepsOldFile() {
        QFETCH(int, size);
        SmallDisk disk;
        if (!disk.mounted())
            QSKIP(
                "cannot mount a small tmpfs here (needs root); the injected failures cover the "
                "writer");
        const QString path = disk.path() + QStringLiteral("/data.csv");
        QVERIFY(writeFileSafely(path, "old"));
        QVERIFY(disk.fill());
        QString message;
        QVERIFY(!writeFileSafely(path, std::string(static_cast<std::size_t>(size), '7'), &message));
        QVERIFY2(message.contains(kDiskFull), qPrintable(message));
        QCOMPARE(readBytes(path), QByteArray("old"));
        QCOMPARE(strayFiles(disk.path(), {QStringLiteral("data.csv"), QStringLiteral("filler")}),
                 QStringList());
    }

    void goodWriteKeepsPermissionsAndLink() {
        QTemporaryDir dir;
        const QString target = dir.filePath(QStringLiteral("target.csv"));
        const QString link = dir.filePath(QStringLiteral("link.csv"));
        QVERIFY(writeBytes(target, "old"));
        QVERIFY(::chmod(QFile::encodeName(target).constData(), 0640) == 0);
        QVERIFY(QFile::link(target, link));
        QVERIFY(writeFileSafely(link, "new"));
        QCOMPARE(readBytes(target), QByteArray("new"));
        QVERIFY(QFileInfo(link).isSymLink());
        struct stat st {};
        QVERIFY(::stat(QFile::encodeName(target).constData(), &st) == 0);
        QCOMPARE(st.st_mode & 07777, 0640u);
        QCOMPARE(strayFiles(dir.path(), {QStringLiteral("target.csv"), QStringLiteral("link.csv")}),
                 QStringList());
    }

    // A link whose target does not exist yet is written through alike: the target is made where
    // the link points and the link stays; a link into a folder that is missing is refused.
    void danglingLinkIsWrittenThrough() {
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("sub")));
        const QString link = dir.filePath(QStringLiteral("link.csv"));
        QVERIFY(QFile::link(QStringLiteral("sub/target.csv"), link));  // relative, dangling
        QVERIFY(writeFileSafely(link, "new"));
        QVERIFY(QFileInfo(link).isSymLink());
        QCOMPARE(readBytes(dir.filePath(QStringLiteral("sub/target.csv"))), QByteArray("new"));
        QVERIFY(writeFileSafely(link, "newer"));  // now a link to an existing file
        QCOMPARE(readBytes(dir.filePath(QStringLiteral("sub/target.csv"))), QByteArray("newer"));

        const QString nowhere = dir.filePath(QStringLiteral("nowhere.csv"));
        QVERIFY(QFile::link(dir.filePath(QStringLiteral("missing/target.csv")), nowhere));
        QString message;
        QVERIFY(!writeFileSafely(nowhere, "new", &message));
        QVERIFY(!message.isEmpty());
        QVERIFY(QFileInfo(nowhere).isSymLink());
        const QString loop = dir.filePath(QStringLiteral("loop.csv"));
        QVERIFY(QFile::link(loop, loop));
        QVERIFY(!writeFileSafely(loop, "new"));
        QVERIFY(QFileInfo(loop).isSymLink());
        QCOMPARE(
            strayFiles(dir.path(), {QStringLiteral("sub"), QStringLiteral("link.csv"),
                                    QStringLiteral("nowhere.csv"), QStringLiteral("loop.csv")}),
            QStringList());
    }

    void writeIntoFolderFails() {
        QTemporaryDir dir;
        QString message;
        QVERIFY(!writeFileSafely(dir.path(), "x", &message));
        QVERIFY(!writeFileSafely(dir.filePath(QStringLiteral("missing/x.csv")), "x", &message));
        QVERIFY(message.contains(QStringLiteral("x.csv")));
    }

    // A name whose bytes are not UTF-8 reaches the system unchanged both ways.
    void nameThatIsNotUtf8() {
        QTemporaryDir dir;
        const QByteArray raw = QFile::encodeName(dir.path()) + "/\xff\x83\x5c-\xe3\x81.csv";
        const QString path = decodePath(raw);
        QCOMPARE(encodePath(path), raw);
        QVERIFY(writeTextFile(path, "<<加算>>,\r\n", FileEncoding::Cp932));
        QVERIFY(::access(raw.constData(), F_OK) == 0);
        const std::optional<std::string> text = readTextFile(path);
        QVERIFY(text);
        QCOMPARE(*text, std::string("<<加算>>,\r\n"));
        QVERIFY(!displayPath(path).contains(QChar(0xDCFF)));
        // Names that are UTF-8, characters beyond the BMP included, convert as UTF-8.
        const QString plain = QStringLiteral("/tmp/加算😀.csv");
        QCOMPARE(encodePath(plain), plain.toUtf8());
        QCOMPARE(decodePath(plain.toUtf8()), plain);
    }

    // A file without write permission is refused with the reason and left as it is, whether the
    // name is the file or a link to it; a writable one keeps its permission bits.
    void readOnlyTargetRefused_data() {
        QTest::addColumn<int>("mode");
        QTest::addColumn<bool>("throughLink");
        QTest::addColumn<bool>("written");
        QTest::newRow("0444 refused") << 0444 << false << false;
        QTest::newRow("0400 refused") << 0400 << false << false;
        QTest::newRow("0444 behind a link refused") << 0444 << true << false;
        QTest::newRow("0604 replaced, bits kept") << 0604 << false << true;
        QTest::newRow("0660 behind a link replaced, bits kept") << 0660 << true << true;
    }
    void readOnlyTargetRefused() {
        QFETCH(int, mode);
        QFETCH(bool, throughLink);
        QFETCH(bool, written);
        QTemporaryDir dir;
        const QString target = dir.filePath(QStringLiteral("sheet.pdf"));
        QString name = target;
        QVERIFY(writeBytes(target, "old"));
        QVERIFY(::chmod(QFile::encodeName(target).constData(), mode) == 0);
        if (throughLink) {
            name = dir.filePath(QStringLiteral("link.pdf"));
            QVERIFY(QFile::link(target, name));
        }
        QString message;
        QCOMPARE(writeFileSafely(name, "new", &message), written);
        QCOMPARE(readBytes(target), QByteArray(written ? "new" : "old"));
        if (!written)
            QVERIFY2(message.contains(QStringLiteral("書き込みが禁止されています")),
                     qPrintable(message));
        struct stat st {};
        QVERIFY(::stat(QFile::encodeName(target).constData(), &st) == 0);
        QCOMPARE(int(st.st_mode & 07777), mode);
        QVERIFY(QFileInfo(name).isSymLink() == throughLink);
        ::chmod(QFile::encodeName(target).constData(), 0600);
        QCOMPARE(strayFiles(dir.path(), {QStringLiteral("sheet.pdf"), QStringLiteral("link.pdf")}),
                 QStringList());
    }

    // The temporary name is short whatever the target's, so a name near the system's limit of
    // 255 bytes (80 Japanese characters are 240 bytes) can be saved again; it carries the
    // process id so that a later start can tell a killed writer's file.
    void longNameSaved() {
        QTemporaryDir dir;
        const QString name = QString(80, QChar(0x52A0)) + QStringLiteral(".csv");  // 244 bytes
        QCOMPARE(encodePath(name).size(), 244);
        const QString path = dir.filePath(name);
        QVERIFY(writeBytes(path, "old"));
        QString message;
        QVERIFY2(writeFileSafely(path, "new", &message), qPrintable(message));
        QCOMPARE(readBytes(path), QByteArray("new"));
        QCOMPARE(strayFiles(dir.path(), {name}), QStringList());
    }

    // A link planted under any name in the folder is never written through: the temporary file
    // is created exclusively under a fresh name.
    void plantedLinksNotFollowed() {
        QTemporaryDir dir;
        QTemporaryDir outside;
        const QString victim = outside.filePath(QStringLiteral("victim"));
        QVERIFY(writeBytes(victim, "keep"));
        for (const char* planted : {"pre.ini_tmp", ".pre.ini.new-1-0"})
            QVERIFY(QFile::link(victim, dir.filePath(QString::fromLatin1(planted))));
        const QString path = dir.filePath(QStringLiteral("pre.ini"));
        for (int i = 0; i < 20; ++i) QVERIFY(writeFileSafely(path, "a,b.csv\r\n"));
        QCOMPARE(readBytes(victim), QByteArray("keep"));
        QVERIFY(!QFileInfo(path).isSymLink());
    }

    // Temporary files of writers no longer running are removed on start; those of this process,
    // of running processes and every other file stay.
    void staleTemporaryFilesRemoved() {
        QTemporaryDir dir;
        // A process that has ended: a child that exited and was waited for.
        const pid_t child = ::fork();
        if (child == 0) ::_exit(0);
        QVERIFY(child > 0);
        int status = 0;
        QVERIFY(::waitpid(child, &status, 0) == child);
        const QByteArray gone = QByteArray::number(child);
        const QByteArray self = QByteArray::number(::getpid());
        const QByteArray running = QByteArray::number(::getppid());
        const QList<QByteArray> stale = {".kuvanto-" + gone + "-Ab3dE9",
                                         ".udtxt2.txt.new-" + gone + "-0"};
        const QList<QByteArray> kept = {".kuvanto-" + self + "-Ab3dE9",
                                        ".kuvanto-" + running + "-xY7z0Q",
                                        ".kuvanto-" + gone + "-toolong7",
                                        "kuvanto-" + gone + "-Ab3dE9",
                                        "udtxt2.txt",
                                        "pre.ini"};
        for (const QByteArray& name : stale + kept) QVERIFY(writeBytes(dir.filePath(name), "x"));
        QCOMPARE(removeStaleTemporaryFiles(dir.path()), 2);
        for (const QByteArray& name : stale) QVERIFY(!QFile::exists(dir.filePath(name)));
        for (const QByteArray& name : kept) QVERIFY2(QFile::exists(dir.filePath(name)), name);
    }
};

QTEST_GUILESS_MAIN(TestSafeWrite)
#include "test_safe_write.moc"

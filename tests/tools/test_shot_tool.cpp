// Runs the built kuvanto-shot as a script would and checks where its output lands: a name near
// the system's length limit and a name that is not UTF-8 are written under exactly those names, a
// file the user made read-only is refused and left as it is, and an input file larger than memory
// ends in exit status 2 with the reason instead of an abort.
#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>
#include <cstdio>

namespace {

const QString kFixture = QStringLiteral(KUVANTO_FIXTURES "/rectangle-with-hole.csv");

struct Outcome {
    int status = -1;  // -1: crashed or hung
    QByteArray err;
};

// Runs the shot program through the shell, so that "$'...'"-style raw bytes reach it as a
// user's shell hands them over: `script` may use $SHOT, $FIXTURE and the folder as $PWD.
Outcome runShot(const QString& folder, const QString& script) {
    QProcess process;
    process.setWorkingDirectory(folder);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("SHOT"), QStringLiteral(KUVANTO_SHOT));
    env.insert(QStringLiteral("FIXTURE"), kFixture);
    process.setProcessEnvironment(env);
    process.start(QStringLiteral("/bin/sh"), {QStringLiteral("-c"), script});
    Outcome outcome;
    if (!process.waitForFinished(120000) || process.exitStatus() != QProcess::NormalExit)
        return outcome;
    outcome.status = process.exitCode();
    outcome.err = process.readAllStandardError();
    return outcome;
}

// The file's bytes, opened by its raw name (Qt would not bring a name that is not UTF-8 back).
QByteArray readRaw(const QByteArray& path) {
    QByteArray bytes;
    if (std::FILE* file = std::fopen(path.constData(), "rb")) {
        char buffer[4096];
        for (std::size_t got; (got = std::fread(buffer, 1, sizeof buffer, file)) > 0;)
            bytes.append(buffer, qsizetype(got));
        std::fclose(file);
    }
    return bytes;
}

// How many entries the folder has, counted by the system (a Qt listing skips some raw names).
int entryCount(const QByteArray& folder) {
    int count = 0;
    if (DIR* dir = ::opendir(folder.constData())) {
        while (const dirent* entry = ::readdir(dir)) {
            const QByteArray name(entry->d_name);
            if (name != "." && name != "..") ++count;
        }
        ::closedir(dir);
    }
    return count;
}

}  // namespace

class ShotToolTest : public QObject {
    Q_OBJECT

private slots:
    void outputUnderTheGivenName_data() {
        QTest::addColumn<QByteArray>("name");  // raw bytes
        QTest::addColumn<QString>("mode");     // the shot's arguments after the output name
        QTest::addColumn<QByteArray>("magic");
        QTest::newRow("244-byte name, picture") << QString(80, QChar(0x52A0)).toUtf8() + ".png"
                                                << "\"$FIXTURE\"" << QByteArray("\x89PNG");
        QTest::newRow("name that is not UTF-8, sheet")
            << QByteArray("\xff\xfe.pdf") << "--print \"$FIXTURE\"" << QByteArray("%PDF");
    }
    void outputUnderTheGivenName() {
        QFETCH(QByteArray, name);
        QFETCH(QString, mode);
        QFETCH(QByteArray, magic);
        QTemporaryDir dir;
        QString octal;  // the name as printf escapes, so no byte is changed on the way
        for (const char c : name)
            octal += QStringLiteral("\\%1").arg(uint(static_cast<unsigned char>(c)), 3, 8,
                                                QLatin1Char('0'));
        const Outcome run = runShot(
            dir.path(), QStringLiteral("exec \"$SHOT\" \"$(printf '%1')\" %2").arg(octal, mode));
        QVERIFY2(run.status == 0, run.err.constData());
        const QByteArray path = QFile::encodeName(dir.path()) + '/' + name;
        QVERIFY(readRaw(path).startsWith(magic));
        // Nothing else: no file under a changed name, no temporary file left.
        QCOMPARE(entryCount(QFile::encodeName(dir.path())), 1);
        QCOMPARE(::unlink(path.constData()), 0);
    }

    void readOnlyFileRefused_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("mode");
        QTest::newRow("picture") << "shot.png"
                                 << "\"$FIXTURE\"";
        QTest::newRow("sheet") << "sheet.pdf"
                               << "--print \"$FIXTURE\"";
    }
    void readOnlyFileRefused() {
        QFETCH(QString, name);
        QFETCH(QString, mode);
        QTemporaryDir dir;
        const QString path = dir.filePath(name);
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write("old") == 3);
        file.close();
        QVERIFY(::chmod(QFile::encodeName(path).constData(), 0444) == 0);
        const Outcome run =
            runShot(dir.path(), QStringLiteral("exec \"$SHOT\" %1 %2").arg(name, mode));
        QVERIFY(run.status > 0);
        QVERIFY2(QString::fromUtf8(run.err).contains(QStringLiteral("書き込みが禁止されています")),
                 run.err.constData());
        QCOMPARE(readRaw(QFile::encodeName(path)), QByteArray("old"));
    }

    void inputLargerThanMemory_data() {
        QTest::addColumn<QString>("mode");
        QTest::newRow("window") << "";
        QTest::newRow("sheet") << "--print";
    }
    void inputLargerThanMemory() {
        QFETCH(QString, mode);
        QTemporaryDir dir;
        QFile file(dir.filePath(QStringLiteral("big.csv")));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.resize(qint64(1) << 40));
        file.close();
        const Outcome run =
            runShot(dir.path(), QStringLiteral("exec \"$SHOT\" out.pdf %1 big.csv").arg(mode));
        QCOMPARE(run.status, 2);
        QVERIFY2(QString::fromUtf8(run.err).contains(QStringLiteral("ファイルが大きすぎます")),
                 run.err.constData());
        QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("out.pdf"))));
    }
};

QTEST_GUILESS_MAIN(ShotToolTest)
#include "test_shot_tool.moc"

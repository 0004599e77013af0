// Japanese reasons for failed file access: from the path where it tells, from the system error
// number otherwise, and inside the messages of the text-file reader and writer, which must never
// carry the system's English text.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <cerrno>

#include "io/FileErrorText.h"
#include "io/TextFile.h"

using namespace kuvanto;

class TestFileErrorText : public QObject {
    Q_OBJECT

private slots:
    void reasonFromPath_data() {
        QTest::addColumn<QString>("name");  // inside a temporary folder holding "dir/" and "f.txt"
        QTest::addColumn<bool>("write");
        QTest::addColumn<QString>("reason");
        QTest::newRow("reading a missing file")
            << "gone.txt" << false << "ファイルが見つかりません";
        QTest::newRow("reading a folder")
            << "dir" << false << "フォルダーであり、通常のファイルではありません";
        QTest::newRow("writing into a missing folder")
            << "nowhere/out.txt" << true << "保存先のフォルダーが見つかりません";
        QTest::newRow("writing over a folder")
            << "dir" << true << "フォルダーであり、通常のファイルではありません";
    }
    void reasonFromPath() {
        QFETCH(QString, name);
        QFETCH(bool, write);
        QFETCH(QString, reason);
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir("dir"));
        QCOMPARE(fileErrorReason(dir.filePath(name), write ? FileAccess::write : FileAccess::read,
                                 QFileDevice::OpenError, 0),
                 reason);
    }

    void reasonFromSystemError_data() {
        QTest::addColumn<int>("systemError");
        QTest::addColumn<QString>("reason");
        QTest::newRow("disk full") << ENOSPC << "ディスクの空き容量が足りません";
        QTest::newRow("no permission") << EACCES << "アクセスする権限がありません";
        QTest::newRow("read-only place") << EROFS << "読み取り専用の場所です";
        QTest::newRow("unknown number, Qt's class") << 0 << "書き込み中にエラーが起きました";
    }
    void reasonFromSystemError() {
        QFETCH(int, systemError);
        QFETCH(QString, reason);
        QTemporaryDir dir;  // a writable folder, so the path tells nothing
        QCOMPARE(fileErrorReason(dir.filePath("out.txt"), FileAccess::write,
                                 QFileDevice::WriteError, systemError),
                 reason);
    }

    void messagesOfReaderAndWriterAreJapanese() {
        QTemporaryDir dir;
        QString error;
        QVERIFY(!readTextFile(dir.filePath("gone.csv"), &error));
        QVERIFY2(error.contains("gone.csv") && error.contains("ファイルが見つかりません"),
                 qPrintable(error));
        QVERIFY2(!error.contains("No such file"), qPrintable(error));
        QVERIFY(!writeTextFile(dir.filePath("no-folder/x.csv"), "a", FileEncoding::Utf8, &error));
        QVERIFY2(error.contains("保存先のフォルダーが見つかりません"), qPrintable(error));
    }
};

QTEST_GUILESS_MAIN(TestFileErrorText)
#include "test_file_error_text.moc"

// Encodings and whole-file access: which bytes count as UTF-8, how code page 932 is decoded and
// encoded (trail bytes in the ASCII range included), and that reads and writes fail cleanly with
// the file named in the error.
#include <sys/stat.h>

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include "IoTestUtil.h"
#include "io/TextFile.h"

using namespace kuvanto;
using namespace kuvanto::test;

class TestTextFile : public QObject {
    Q_OBJECT

private slots:
    void decode_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QByteArray>("utf8");
        QTest::newRow("ascii") << QByteArray("1.5,-2\r\n") << QByteArray("1.5,-2\r\n");
        QTest::newRow("utf8 without BOM")
            << QByteArray("<<加算>>,\r\n") << QByteArray("<<加算>>,\r\n");
        QTest::newRow("utf8 with BOM dropped")
            << QByteArray("\xEF\xBB\xBF<<減算>>,") << QByteArray("<<減算>>,");
        QTest::newRow("cp932 markers")
            << QByteArray("<<\x89\xC1\x8E\x5A>>,\r\n<<\x8C\xB8\x8E\x5A>>,\r\n")
            << QByteArray("<<加算>>,\r\n<<減算>>,\r\n");
        QTest::newRow("cp932 trail byte 0x5C before a comma")
            << QByteArray("\x83\x5C,1") << QByteArray("ソ,1");
        QTest::newRow("cp932 half-width katakana") << QByteArray("\xB1,2") << QByteArray("ｱ,2");
        QTest::newRow("undecodable byte") << QByteArray("1\xFF,2") << QByteArray("1\uFFFD,2");
        QTest::newRow("lead byte cut off at the end")
            << QByteArray("1,2\x89") << QByteArray("1,2\uFFFD");
        QTest::newRow("overlong utf8 read as cp932") << QByteArray("\xC0\xAF") << QByteArray("ﾀｯ");
        QTest::newRow("utf8 surrogate read as cp932")
            << QByteArray("\xED\xA0\x80") << QByteArray("恝\uFFFD");
    }
    void decode() {
        QFETCH(QByteArray, bytes);
        QFETCH(QByteArray, utf8);
        const std::string text = decodeFileBytes(std::string_view(bytes.data(), bytes.size()));
        QCOMPARE(QByteArray::fromStdString(text), utf8);
    }

    void encode_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("exact");
        QTest::newRow("ascii") << "0,200\r\n" << QByteArray("0,200\r\n") << true;
        QTest::newRow("markers") << "<<加算>>,\r\n"
                                 << QByteArray("<<\x89\xC1\x8E\x5A>>,\r\n") << true;
        QTest::newRow("trail byte 0x5C") << "ソ,1" << QByteArray("\x83\x5C,1") << true;
        QTest::newRow("no cp932 form") << "a😀b" << QByteArray("a?b") << false;
    }
    void encode() {
        QFETCH(QString, text);
        QFETCH(QByteArray, bytes);
        QFETCH(bool, exact);
        QCOMPARE(QByteArray::fromStdString(encodeCp932(toStd(text))), bytes);
        QCOMPARE(encodeCp932Exact(toStd(text)).has_value(), exact);
    }

    void readFailureNamesFile_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("makeFolder");
        QTest::newRow("missing file") << "missing.csv" << false;
        QTest::newRow("a folder") << "folder.csv" << true;
    }
    void readFailureNamesFile() {
        QFETCH(QString, name);
        QFETCH(bool, makeFolder);
        QTemporaryDir dir;
        const QString path = dir.filePath(name);
        if (makeFolder) QVERIFY(QDir().mkdir(path));
        QString error;
        QVERIFY(!readTextFile(path, &error).has_value());
        QVERIFY2(error.contains(name), qPrintable(error));
    }

    // A file larger than the limit is refused with the reason before any memory is taken for
    // it: a 1 TB sparse file against the default limit, a small one against a smaller limit.
    void tooLargeFileRefused_data() {
        QTest::addColumn<qint64>("size");
        QTest::addColumn<qint64>("limit");  // 0: the default, from the available memory
        QTest::newRow("1 TB sparse file") << (qint64(1) << 40) << qint64(0);
        QTest::newRow("one byte over a given limit") << qint64(4097) << qint64(4096);
    }
    void tooLargeFileRefused() {
        QFETCH(qint64, size);
        QFETCH(qint64, limit);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("big.csv"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.resize(size));
        file.close();
        QString error;
        QVERIFY(!readTextFile(path, &error, std::size_t(limit)).has_value());
        QVERIFY2(error.contains(QStringLiteral("big.csv")) &&
                     error.contains(QStringLiteral("ファイルが大きすぎます")),
                 qPrintable(error));
        QVERIFY(!readFileBytes(path, nullptr, std::size_t(limit)).has_value());
        if (limit > 0) QVERIFY(readTextFile(path, nullptr, std::size_t(size)).has_value());
        QVERIFY(readableFileLimit() >= (std::size_t(64) << 20));
    }

    void writeReplacesWholeFile() {
        QTemporaryDir dir;
        const QString path = dir.filePath("out.txt");
        QVERIFY(writeBytes(path, QByteArray("old content that is longer\r\n")));
        QVERIFY(writeTextFile(path, "<<加算>>,\r\n", FileEncoding::Cp932));
        QCOMPARE(readBytes(path), QByteArray("<<\x89\xC1\x8E\x5A>>,\r\n"));
        QCOMPARE(readTextFile(path).value(), std::string("<<加算>>,\r\n"));
    }

    void writeFailureNamesFile() {
        QTemporaryDir dir;
        const QString path = dir.filePath("no-such-folder/out.csv");
        QString error;
        QVERIFY(!writeTextFile(path, "1,2\r\n", FileEncoding::Cp932, &error));
        QVERIFY2(error.contains("out.csv"), qPrintable(error));
        QVERIFY(!QFile::exists(path));
    }

    // text the code page cannot hold goes out as UTF-8 instead of losing characters.
    void cp932OrUtf8KeepsEveryCharacter() {
        QTemporaryDir dir;
        const QString path = dir.filePath("out.txt");
        const std::string text = "<<加算>>,\r\nメモ😀,1\r\n";
        QVERIFY(writeTextFile(path, text, FileEncoding::Cp932OrUtf8));
        QCOMPARE(readBytes(path), QByteArray::fromStdString(text));
        QCOMPARE(readTextFile(path).value(), text);
    }

    // Characters that code page 932 maps only one way (they read back as another character) and
    // bytes that happen to be valid UTF-8 go out as UTF-8, so that the text reads back unchanged.
    void cp932OrUtf8ReadsBackUnchanged_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("cp932");
        QTest::newRow("plain Japanese stays cp932")
            << QStringLiteral("<<加算>>,\r\nｱ,1\r\n") << true;
        for (const char* oneWay : {"〜", "‖", "−", "¢", "£", "¬", "¥", "—"})
            QTest::addRow("one-way %s", oneWay)
                << QStringLiteral("a,") + QString::fromUtf8(oneWay) << false;
        QTest::newRow("cp932 bytes that are valid UTF-8") << QStringLiteral("ﾃｽ") << false;
        QTest::newRow("leading byte-order mark") << QStringLiteral("\uFEFF1,2") << false;
    }
    void cp932OrUtf8ReadsBackUnchanged() {
        QFETCH(QString, text);
        QFETCH(bool, cp932);
        QTemporaryDir dir;
        const QString path = dir.filePath("out.txt");
        QVERIFY(writeTextFile(path, toStd(text), FileEncoding::Cp932OrUtf8));
        QCOMPARE(QByteArray::fromStdString(readTextFile(path).value()), text.toUtf8());
        // UTF-8 is the fallback: the file ends in the text's UTF-8 bytes only when it was taken.
        QCOMPARE(readBytes(path).endsWith(text.toUtf8()), !cp932);
    }

    // Hostile bytes decode in one pass: megabytes of undecodable bytes, lead bytes without a
    // partner and random bytes give valid UTF-8 with one U+FFFD per bad byte. (A decoder that
    // re-sizes its output at every bad byte takes hours here instead of a moment.)
    void hostileBytesDecodeInOnePass_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("replacements");
        const int size = 10 * 1024 * 1024;
        QTest::newRow("10 MB of 0xFF") << QByteArray(size, '\xFF') << size;
        QTest::newRow("10 MB of 0x80") << QByteArray(size, '\x80') << size;
        QTest::newRow("lead bytes before line ends")
            << QByteArray("\x81\n").repeated(size / 2) << size / 2;
        QByteArray random(size, '\0');
        quint32 state = 12345;
        for (char& c : random) {
            state = state * 1664525u + 1013904223u;
            c = static_cast<char>(state >> 24);
        }
        QTest::newRow("10 MB of random bytes") << random << -1;
    }
    void hostileBytesDecodeInOnePass() {
        QFETCH(QByteArray, bytes);
        QFETCH(int, replacements);
        QTemporaryDir dir;
        const QString path = dir.filePath("hostile.csv");
        QVERIFY(writeBytes(path, bytes));
        const std::optional<std::string> text = readTextFile(path);
        QVERIFY(text);
        QVERIFY(isValidUtf8(*text));
        if (replacements >= 0) {
            const QString decoded = QString::fromStdString(*text);
            QCOMPARE(decoded.count(QChar::ReplacementCharacter), replacements);
        }
    }

    // A large file decodes inside its own buffer: Japanese (growing by a byte a character),
    // half-width katakana (growing by two), undecodable bytes and long ASCII runs in any order
    // must come out exactly as the text that was encoded, whichever part grows most.
    void largeMixedFileDecodesInPlace_data() {
        QTest::addColumn<int>("japaneseFirst");
        QTest::newRow("growth at the start") << 1;
        QTest::newRow("growth at the end") << 0;
    }
    void largeMixedFileDecodesInPlace() {
        QFETCH(int, japaneseFirst);
        std::string bytes;
        std::string expected;
        const auto add = [&](std::string_view utf8, std::string_view cp932) {
            expected.append(utf8);
            bytes.append(cp932);
        };
        const std::string ascii = "12345.678,-98765.4321\r\n";
        const auto japanese = [&] {
            add("<<加算>>,\r\n", encodeCp932("<<加算>>,\r\n"));
            add("ｱｲｳ\uFFFD,ソ表\r\n", encodeCp932("ｱｲｳ") + "\xFF," + encodeCp932("ソ表\r\n"));
        };
        for (int block = 0; block < 2; ++block) {
            const bool japaneseBlock = (block == 0) == (japaneseFirst != 0);
            for (int i = 0; i < 100000; ++i) {
                if (japaneseBlock)
                    japanese();
                else
                    add(ascii, ascii);
            }
        }
        QTemporaryDir dir;
        const QString path = dir.filePath("mixed.csv");
        QVERIFY(writeBytes(path, QByteArray::fromStdString(bytes)));
        const std::optional<std::string> text = readTextFile(path);
        QVERIFY(text);
        QCOMPARE(text->size(), expected.size());
        QVERIFY(*text == expected);
    }

    // Things that are not regular files are refused at once rather than read without end.
    void pipeIsRefused() {
        QTemporaryDir dir;
        const QString path = dir.filePath("pipe.csv");
        QVERIFY(::mkfifo(QFile::encodeName(path).constData(), 0600) == 0);
        QString error;
        QVERIFY(!readTextFile(path, &error));
        QVERIFY2(error.contains("pipe.csv"), qPrintable(error));
        QVERIFY(!readTextFile(QStringLiteral("/dev/zero")));
    }
};

QTEST_GUILESS_MAIN(TestTextFile)
#include "test_text_file.moc"

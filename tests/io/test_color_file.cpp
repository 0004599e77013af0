// The colour file: the exact line written, the separators the reader accepts, and the fallback
// colours for all three whenever the file is missing or damaged.
#include <QTemporaryDir>
#include <QTest>

#include "IoTestUtil.h"
#include "io/ColorFile.h"

using namespace kuvanto;
using namespace kuvanto::test;

Q_DECLARE_METATYPE(kuvanto::DrawColors)

namespace QTest {
template <>
char* toString(const kuvanto::DrawColors& c) {
    return qstrdup(QByteArray::fromStdString(colorFileText(c)).constData());
}
}  // namespace QTest

class TestColorFile : public QObject {
    Q_OBJECT

private slots:
    void text_data() {
        QTest::addColumn<DrawColors>("colors");
        QTest::addColumn<QByteArray>("text");
        QTest::newRow("fallback colours")
            << kFallbackColors << QByteArray(" 255  16711680  11857960 \r\n");
        QTest::newRow("default button colours")
            << kDefaultButtonColors << QByteArray(" 255  16711680  16087170 \r\n");
        QTest::newRow("negative without sign blank")
            << DrawColors{-1, 0, 1} << QByteArray("-1  0  1 \r\n");
    }
    void text() {
        QFETCH(DrawColors, colors);
        QFETCH(QByteArray, text);
        QCOMPARE(QByteArray::fromStdString(colorFileText(colors)), text);
    }

    void load_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("exists");
        QTest::addColumn<DrawColors>("colors");
        const DrawColors some{1, 2, 3};
        QTest::newRow("written layout") << QByteArray(" 1  2  3 \r\n") << true << some;
        QTest::newRow("commas") << QByteArray("1,2,3") << true << some;
        QTest::newRow("one number a line") << QByteArray("1\r\n2\n3\r\n") << true << some;
        QTest::newRow("more after three numbers") << QByteArray("1 2 3 4 x") << true << some;
        QTest::newRow("plus sign") << QByteArray("+1 2 3") << true << some;
        QTest::newRow("missing file") << QByteArray() << false << kFallbackColors;
        QTest::newRow("empty file") << QByteArray() << true << kFallbackColors;
        QTest::newRow("only one number") << QByteArray(" 255 \r\n") << true << kFallbackColors;
        QTest::newRow("not a number") << QByteArray("1 red 3") << true << kFallbackColors;
        QTest::newRow("decimal point") << QByteArray("1 2.5 3") << true << kFallbackColors;
        QTest::newRow("beyond 32 bits") << QByteArray("1 2 4294967296") << true << kFallbackColors;
    }
    void load() {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, exists);
        QFETCH(DrawColors, colors);
        QTemporaryDir dir;
        const QString path = dir.filePath("cl.ini");
        if (exists) QVERIFY(writeBytes(path, bytes));
        QCOMPARE(loadColorVal(path), colors);
    }

    void saveThenLoad() {
        QTemporaryDir dir;
        const QString path = dir.filePath("cl.ini");
        QVERIFY(writeBytes(path, "1 2 3 junk that must go\r\n"));
        QVERIFY(saveColorVal(path, kDefaultButtonColors));
        QCOMPARE(readBytes(path), QByteArray(" 255  16711680  16087170 \r\n"));
        QCOMPARE(loadColorVal(path), kDefaultButtonColors);
    }

    void saveFailureNamesFile() {
        QTemporaryDir dir;
        QString error;
        QVERIFY(!saveColorVal(dir.filePath("none/cl.ini"), kFallbackColors, &error));
        QVERIFY2(error.contains("cl.ini"), qPrintable(error));
    }
};

QTEST_GUILESS_MAIN(TestColorFile)
#include "test_color_file.moc"

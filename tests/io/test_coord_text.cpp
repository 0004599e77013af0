// The text form of the tables: the exact lines written, how text is read back into the tables,
// that awkward cells and a trailing vertex row survive a write and a read, and that a file that
// cannot be read leaves the tables alone.
#include <QTemporaryDir>
#include <QTest>

#include <random>
#include <vector>

#include "IoTestUtil.h"
#include "io/CoordText.h"
#include "io/FileTokens.h"
#include "io/TextFile.h"

using namespace kuvanto;
using namespace kuvanto::test;

class TestCoordText : public QObject {
    Q_OBJECT

private slots:
    void write_data() {
        QTest::addColumn<QString>("add");
        QTest::addColumn<QString>("subtracted");
        QTest::addColumn<QString>("text");
        QTest::newRow("fresh tables: the two marker lines") << ""
                                                            << ""
                                                            << "<<加算>>,\r\n<<減算>>,\r\n";
        QTest::newRow("vertices and a separator row")
            << "0|0;100|0;<<図形区切り>>|;5|5"
            << "1|2"
            << "<<加算>>,\r\n0,0\r\n100,0\r\n<<図形区切り>>,\r\n5,5\r\n<<減算>>,\r\n1,2\r\n";
        QTest::newRow("empty row as a lone comma")
            << "1|2;|;3|4"
            << ""
            << "<<加算>>,\r\n1,2\r\n,\r\n3,4\r\n<<減算>>,\r\n";
        QTest::newRow("cells as they stand") << "1.50|-2E+3;abc|"
                                             << ""
                                             << "<<加算>>,\r\n1.50,-2E+3\r\nabc,\r\n<<減算>>,\r\n";
        QTest::newRow("comma and quote quoted")
            << "1,5|a\"b"
            << ""
            << "<<加算>>,\r\n\"1,5\",\"a\"\"b\"\r\n<<減算>>,\r\n";
    }
    void write() {
        QFETCH(QString, add);
        QFETCH(QString, subtracted);
        QFETCH(QString, text);
        CoordTable a, s;
        fill(a, add);
        fill(s, subtracted);
        QCOMPARE(QString::fromStdString(coordText(a, s)), text);
    }

    void parse_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("add");
        QTest::addColumn<QString>("subtracted");
        QTest::newRow("one record per line") << "<<加算>>,\r\n0,0\r\n100,0\r\n<<減算>>,\r\n1,2\r\n"
                                             << "0|0;100|0"
                                             << "1|2";
        QTest::newRow("separator row with empty Y")
            << "<<加算>>,\r\n1,1\r\n<<図形区切り>>,\r\n2,2\r\n<<減算>>,\r\n"
            << "1|1;<<図形区切り>>|;2|2"
            << "";
        QTest::newRow("empty rows dropped") << "<<加算>>,\r\n1,2\r\n,\r\n,7\r\n3,4\r\n<<減算>>,\r\n"
                                            << "1|2;3|4"
                                            << "";
        QTest::newRow("records before the first marker dropped")
            << "9,9\r\n<<加算>>,\r\n1,2\r\n<<減算>>,\r\n"
            << "1|2"
            << "";
        QTest::newRow("subtracted section first") << "<<減算>>,\r\n5,6\r\n<<加算>>,\r\n1,2\r\n"
                                                  << "1|2"
                                                  << "5|6";
        QTest::newRow("without the subtracted marker all rows are added")
            << "<<加算>>,\r\n1,2\r\n3,4\r\n"
            << "1|2;3|4"
            << "";
        QTest::newRow("texts kept as read") << "<<加算>>,\r\nabc,\r\n1.50,x\r\n<<減算>>,\r\n"
                                            << "abc|;1.50|x"
                                            << "";
        QTest::newRow("quoted fields") << "<<加算>>,\r\n\"1,5\",\"a\"\"b\"\r\n"
                                       << "1,5|a\"b"
                                       << "";
        QTest::newRow("LF line ends and a lone last field") << "<<加算>>,\n1,2\n3"
                                                            << "1|2"
                                                            << "";
        QTest::newRow("empty text") << ""
                                    << ""
                                    << "";
    }
    void parse() {
        QFETCH(QString, text);
        QFETCH(QString, add);
        QFETCH(QString, subtracted);
        CoordTable a, s;
        fill(a, "7|7");  // stale contents are replaced
        fill(s, "8|8");
        parseCoordText(toStd(text), a, s);
        QCOMPARE(dump(a), add);
        QCOMPARE(dump(s), subtracted);
        QCOMPARE(a.text(0, 0), std::string("X"));
        QCOMPARE(s.text(0, 1), std::string("Y"));
    }

    void fileRoundTrip_data() {
        QTest::addColumn<QString>("add");
        QTest::addColumn<QString>("subtracted");
        QTest::newRow("figures with separators")
            << "0|0;100|0;100|200;0|0;<<図形区切り>>|;5|5;6|6;5|5"
            << "25|50;75|50;25|50";
        QTest::newRow("awkward cells") << "1,5|a\"b; 3|4 ;\"q\"|x,y,z;メモ|ｱ"
                                       << "a\nb|c\r\nd";
        QTest::newRow("characters outside the code page") << "😀|1;2|ł"
                                                          << "Ω|★";
    }
    void fileRoundTrip() {
        QFETCH(QString, add);
        QFETCH(QString, subtracted);
        QTemporaryDir dir;
        const QString path = dir.filePath("buf.txt");
        CoordTable a, s;
        fill(a, add);
        fill(s, subtracted);
        QString error;
        QVERIFY2(writeCoordText(path, a, s, &error), qPrintable(error));
        CoordTable a2, s2;
        QVERIFY2(readCoordText(path, a2, s2, &error), qPrintable(error));
        QCOMPARE(dump(a2), add);
        QCOMPARE(dump(s2), subtracted);
    }

    // A table whose entry row was deleted ends in a vertex row; that vertex is written and comes
    // back with a new entry row behind it.
    void trailingVertexRowIsKept() {
        CoordTable a, s;
        fill(a, "0|0;10|0;10|10", false);
        QCOMPARE(dump(a), QString("0|0;10|0!10|10"));
        QCOMPARE(QString::fromStdString(coordText(a, s)),
                 QString("<<加算>>,\r\n0,0\r\n10,0\r\n10,10\r\n<<減算>>,\r\n"));
        parseCoordText(coordText(a, s), a, s);
        QCOMPARE(dump(a), QString("0|0;10|0;10|10"));
    }

    // Any cell texts survive a write and a read: random texts built from quotes, commas, line
    // breaks, blanks, characters code page 932 holds only one way or not at all, its bytes that
    // look like UTF-8, and what undecodable bytes turn into when a file is read. (The format
    // cannot hold an empty X cell or an X cell that is exactly a marker; those are left out.)
    void randomCellsRoundTrip() {
        const std::vector<std::string> pieces = {"\"",
                                                 ",",
                                                 "\r",
                                                 "\n",
                                                 "\r\n",
                                                 " ",
                                                 "\t",
                                                 "1",
                                                 "-2.5",
                                                 "a",
                                                 "<<図形区切り>>",
                                                 "〜",
                                                 "‖",
                                                 "−",
                                                 "¢",
                                                 "£",
                                                 "¬",
                                                 "¥",
                                                 "—",
                                                 "～",
                                                 "ｱ",
                                                 "ﾃｽ",
                                                 "加算",
                                                 "\\",
                                                 "😀",
                                                 "\xEF\xBF\xBD",
                                                 "\xEF\xBB\xBF"};
        std::mt19937 random(20261210);
        auto randomText = [&] {
            std::string text;
            const int count = std::uniform_int_distribution<int>(0, 5)(random);
            for (int i = 0; i < count; ++i) {
                if (random() % 8 == 0) {  // bytes of a damaged file, as the reader decodes them
                    std::string bytes;
                    for (int k = random() % 4 + 1; k > 0; --k) bytes.push_back(char(random()));
                    text += decodeFileBytes(std::string_view(bytes));
                } else {
                    text += pieces[random() % pieces.size()];
                }
            }
            return text;
        };
        QTemporaryDir dir;
        const QString path = dir.filePath("udtxt1.txt");
        for (int round = 0; round < 300; ++round) {
            CoordTable tables[2];
            for (CoordTable& grid : tables) {
                const int rows = static_cast<int>(random() % 6);
                resetCoordTable(grid);
                grid.setRows(rows + 2);
                for (int r = 1; r <= rows; ++r) {
                    std::string x = randomText();
                    if (x.empty() || x == kAddedSectionToken || x == kSubtractedSectionToken)
                        x += "x";
                    grid.setText(r, 0, x);
                    grid.setText(r, 1, randomText());
                }
            }
            QString error;
            QVERIFY2(writeCoordText(path, tables[0], tables[1], &error), qPrintable(error));
            CoordTable read[2];
            QVERIFY2(readCoordText(path, read[0], read[1], &error), qPrintable(error));
            for (int t = 0; t < 2; ++t) {
                QCOMPARE(read[t].rows(), tables[t].rows());
                for (int r = 1; r < tables[t].rows(); ++r) {
                    for (int c = 0; c < 2; ++c) {
                        QVERIFY2(read[t].text(r, c) == tables[t].text(r, c),
                                 qPrintable(
                                     QStringLiteral("round %1 table %2 row %3: %4 read back as %5")
                                         .arg(round)
                                         .arg(t)
                                         .arg(r)
                                         .arg(QString::fromStdString(tables[t].text(r, c)),
                                              QString::fromStdString(read[t].text(r, c)))));
                    }
                }
            }
        }
    }

    void unreadableFileLeavesTables() {
        QTemporaryDir dir;
        CoordTable a, s;
        fill(a, "1|2;3|4");
        fill(s, "5|6");
        QString error;
        QVERIFY(!readCoordText(dir.filePath("udtxt1.txt"), a, s, &error));
        QVERIFY2(error.contains("udtxt1.txt"), qPrintable(error));
        QCOMPARE(dump(a), QString("1|2;3|4"));
        QCOMPARE(dump(s), QString("5|6"));
    }
};

QTEST_GUILESS_MAIN(TestCoordText)
#include "test_coord_text.moc"

// Coordinate CSV files and insertion files: the fixtures read into the expected tables, the
// section and skipping rules with their message, UTF-8 files, the exact bytes written, and the
// insertion of X,Y pairs at a row.
#include <QTemporaryDir>
#include <QTest>

#include "../WorkedSections.h"
#include "IoTestUtil.h"
#include "io/CoordCsv.h"
#include "io/InsertFile.h"
#include "io/TextFile.h"

using namespace kuvanto;
using namespace kuvanto::test;

namespace {

const QString kFixtures = QStringLiteral(KUVANTO_FIXTURES);

// Reads coordinate-file text into fresh tables; the messages of skipped pairs joined by "|".
QString fillFresh(const std::string& utf8, CoordTable& add, CoordTable& subtracted) {
    resetCoordTable(add, subtracted);
    QStringList messages;
    fillFromCsvText(utf8, add, subtracted, [&](const std::string& message) {
        messages << QString::fromStdString(message);
    });
    return messages.join('|');
}

}  // namespace

class TestCoordCsv : public QObject {
    Q_OBJECT

private slots:
    // The shared worked sections' files hold exactly their figures.
    void fixtures_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("add");
        QTest::addColumn<QString>("subtracted");
        const auto dumped = [](const std::vector<test::WorkedFigure>& figures) {
            QStringList rows;
            for (const test::WorkedFigure& figure : figures) {
                if (!rows.isEmpty()) rows << QStringLiteral("<<図形区切り>>|");
                for (const Point& p : figure) rows << QStringLiteral("%1|%2").arg(p.x).arg(p.y);
            }
            return rows.join(';');
        };
        for (const test::WorkedSection* section : test::kWorkedSections)
            if (section->fixture[0])
                QTest::newRow(section->name)
                    << QString::fromLatin1(section->fixture) << dumped(section->added)
                    << dumped(section->subtracted);
    }
    void fixtures() {
        QFETCH(QString, file);
        QFETCH(QString, add);
        QFETCH(QString, subtracted);
        const QString path = kFixtures + '/' + file;
        const auto text = readTextFile(path);
        QVERIFY(text);
        CoordTable a, s;
        QCOMPARE(fillFresh(*text, a, s), QString());
        QCOMPARE(dump(a), add);
        QCOMPARE(dump(s), subtracted);

        // Writing the tables gives the file back byte for byte.
        QTemporaryDir dir;
        const QString out = dir.filePath(file);
        QVERIFY(writeCoordCsv(out, a, s));
        QCOMPARE(readBytes(out), readBytes(path));
    }

    void fill_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("add");
        QTest::addColumn<QString>("subtracted");
        QTest::addColumn<QString>("messages");
        QTest::newRow("no markers: all rows added") << "1,2\r\n3,4\r\n"
                                                    << "1|2;3|4"
                                                    << ""
                                                    << "";
        QTest::newRow("subtracted section before added")
            << "<<減算>>,\r\n5,6\r\n<<加算>>,\r\n1,2\r\n"
            << "1|2"
            << "5|6"
            << "";
        QTest::newRow("pair a,1 reported and skipped")
            << "<<加算>>,\r\n1,2\r\na,1\r\n3,4\r\n"
            << "1|2;3|4"
            << ""
            << "座標データ(X,Y)でないデータ(a,1)が含まれています。\r"
               "この行を省略して読込みを続けます。";
        QTest::newRow("empty Y reported") << "7,\r\n"
                                          << ""
                                          << ""
                                          << "座標データ(X,Y)でないデータ(7,)が含まれています。\r"
                                             "この行を省略して読込みを続けます。";
        QTest::newRow("empty pair skipped silently") << "1,2\r\n,\r\n3,4\r\n"
                                                     << "1|2;3|4"
                                                     << ""
                                                     << "";
        QTest::newRow("separator row kept") << "1,1\r\n<<図形区切り>>,\r\n2,2\r\n"
                                            << "1|1;<<図形区切り>>|;2|2"
                                            << ""
                                            << "";
        QTest::newRow("number texts kept as written") << " 1.50 , -2E+3\r\n"
                                                      << "1.50|-2E+3"
                                                      << ""
                                                      << "";
        QTest::newRow("quoted numbers") << "\"1\",\"2\"\r\n"
                                        << "1|2"
                                        << ""
                                        << "";
        QTest::newRow("lone field takes the next line's") << "1\r\n2\r\n"
                                                          << "1|2"
                                                          << ""
                                                          << "";
    }
    void fill() {
        QFETCH(QString, text);
        QFETCH(QString, add);
        QFETCH(QString, subtracted);
        QFETCH(QString, messages);
        CoordTable a, s;
        QCOMPARE(fillFresh(toStd(text), a, s), messages);
        QCOMPARE(dump(a), add);
        QCOMPARE(dump(s), subtracted);
    }

    void encodings_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("code page 932") << QByteArray("<<\x8C\xB8\x8E\x5A>>,\r\n1,2\r\n");
        QTest::newRow("UTF-8") << QByteArray("<<減算>>,\r\n1,2\r\n");
        QTest::newRow("UTF-8 with BOM") << QByteArray("\xEF\xBB\xBF<<減算>>,\r\n1,2\r\n");
    }
    void encodings() {
        QFETCH(QByteArray, bytes);
        QTemporaryDir dir;
        const QString path = dir.filePath("in.csv");
        QVERIFY(writeBytes(path, bytes));
        const auto text = readTextFile(path);
        QVERIFY(text);
        CoordTable a, s;
        QCOMPARE(fillFresh(*text, a, s), QString());
        QCOMPARE(dump(a), QString());
        QCOMPARE(dump(s), QString("1|2"));
    }

    void writeFreshStateGivesTwoLines() {
        QTemporaryDir dir;
        const QString path = dir.filePath("out.csv");
        CoordTable a, s;
        QVERIFY(writeCoordCsv(path, a, s));
        QCOMPARE(readBytes(path), QByteArray("<<\x89\xC1\x8E\x5A>>,\r\n<<\x8C\xB8\x8E\x5A>>,\r\n"));
    }

    void writeFailureNamesFile() {
        QTemporaryDir dir;
        CoordTable a, s;
        QString error;
        QVERIFY(!writeCoordCsv(dir.filePath("none/out.csv"), a, s, &error));
        QVERIFY2(error.contains("out.csv"), qPrintable(error));
    }

    void insertPairsRead_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("pairs");
        QTest::addColumn<bool>("stopped");
        QTest::newRow("plain X,Y lines") << "0,0\r\n10,0\r\n10,10\r\n"
                                         << "0|0;10|0;10|10" << false;
        QTest::newRow("coordinate file stops at once") << "<<加算>>,\r\n0,0\r\n"
                                                       << "" << true;
        QTest::newRow("stop keeps the pairs before") << "1,2\r\n3,x\r\n5,6\r\n"
                                                     << "1|2" << true;
        QTest::newRow("separator is not a number") << "1,2\r\n<<図形区切り>>,\r\n"
                                                   << "1|2" << true;
    }
    void insertPairsRead() {
        QFETCH(QString, text);
        QFETCH(QString, pairs);
        QFETCH(bool, stopped);
        const InsertPairs read = readInsertPairs(toStd(text));
        QStringList list;
        for (const auto& [x, y] : read.pairs) {
            list << QString::fromStdString(x) + '|' + QString::fromStdString(y);
        }
        QCOMPARE(list.join(';'), pairs);
        QCOMPARE(read.stopped, stopped);
    }

    void insertAtRow_data() {
        QTest::addColumn<QString>("table");
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("result");
        QTest::addColumn<int>("nextRow");
        QTest::newRow("at the entry row") << "1|1;2|2" << 3 << "1|1;2|2;0|0;10|0;10|10" << 6;
        QTest::newRow("inside a figure") << "1|1;2|2" << 2 << "1|1;0|0;10|0;10|10;2|2" << 5;
        QTest::newRow("header row goes to row 1") << "1|1" << 0 << "0|0;10|0;10|10;1|1" << 4;
    }
    void insertAtRow() {
        QFETCH(QString, table);
        QFETCH(int, row);
        QFETCH(QString, result);
        QFETCH(int, nextRow);
        const auto text = readTextFile(kFixtures + "/insert-xy.csv");
        QVERIFY(text);
        const InsertPairs pairs = readInsertPairs(*text);
        QVERIFY(!pairs.stopped);
        CoordTable grid;
        kuvanto::test::fill(grid, table);
        QCOMPARE(insertPairs(grid, row, pairs), nextRow);
        QCOMPARE(dump(grid), result);
        QCOMPARE(grid.text(0, 0), std::string("X"));
    }
};

QTEST_GUILESS_MAIN(TestCoordCsv)
#include "test_coord_csv.moc"

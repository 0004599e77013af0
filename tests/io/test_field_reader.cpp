// Field splitting of the comma-separated files: pairs from well-formed lines with any line end,
// blanks, quotes, lone fields and blank lines, the same when lines of two numbers are read in one
// step (with the numbers of the strict test); and quoting of cell texts that reads back intact.
#include <QStringList>
#include <QTest>

#include <cstring>
#include <optional>

#include "IoTestUtil.h"
#include "core/base/NumberText.h"
#include "io/FieldReader.h"

using namespace kuvanto;
using namespace kuvanto::test;

namespace {

QString pairsOf(const QString& text) {
    const std::string utf8 = toStd(text);
    FieldReader reader(utf8);
    QStringList pairs;
    std::string first, second;
    while (reader.nextPair(first, second)) {
        pairs << QString::fromStdString(first) + '|' + QString::fromStdString(second);
    }
    return pairs.join(';');
}

// The same through the reading without copies.
QString viewPairsOf(const std::string& utf8) {
    FieldReader reader(utf8);
    QStringList pairs;
    std::string_view first, second;
    std::string firstScratch, secondScratch;
    while (reader.nextPair(first, second, firstScratch, secondScratch)) {
        pairs << QString::fromStdString(std::string(first)) + '|' +
                     QString::fromStdString(std::string(second));
    }
    return pairs.join(';');
}

// The same with every line of two plain numbers read in one step, as the coordinate files are
// read. Counts those lines, and clears `exact` when a number read in that step is not the one
// the strict numeric test reads from its field (bit for bit: -0 is not 0).
QString numberPairsOf(const std::string& utf8, int* numberLines = nullptr, bool* exact = nullptr) {
    FieldReader reader(utf8);
    QStringList pairs;
    std::string_view first, second;
    std::string firstScratch, secondScratch;
    const auto same = [](double number, std::string_view field) {
        const std::optional<double> read = parseNumeric(field);
        return read && std::memcmp(&*read, &number, sizeof number) == 0;
    };
    for (;;) {
        double x = 0, y = 0;
        if (reader.nextNumberPair(first, second, x, y)) {
            if (numberLines) ++*numberLines;
            if (exact && (!same(x, first) || !same(y, second))) *exact = false;
        } else if (!reader.nextPair(first, second, firstScratch, secondScratch)) {
            break;
        }
        pairs << QString::fromStdString(std::string(first)) + '|' +
                     QString::fromStdString(std::string(second));
    }
    return pairs.join(';');
}

}  // namespace

class TestFieldReader : public QObject {
    Q_OBJECT

private slots:
    void pairs_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("pairs");
        QTest::newRow("CR LF lines") << "<<加算>>,\r\n0,0\r\n100,0\r\n"
                                     << "<<加算>>|;0|0;100|0";
        QTest::newRow("LF lines") << "1,2\n3,4\n"
                                  << "1|2;3|4";
        QTest::newRow("CR lines") << "1,2\r3,4\r"
                                  << "1|2;3|4";
        QTest::newRow("no line end at the end") << "1,2\r\n3,4"
                                                << "1|2;3|4";
        QTest::newRow("empty row is an empty pair") << "1,2\r\n,\r\n3,4\r\n"
                                                    << "1|2;|;3|4";
        QTest::newRow("comma at the very end") << "5,"
                                               << "5|";
        QTest::newRow("blanks around fields") << "  1 ,\t2  \r\n"
                                              << "1|2";
        QTest::newRow("quoted comma") << "\"a,b\",1\r\n"
                                      << "a,b|1";
        QTest::newRow("doubled quote") << "\"say \"\"hi\"\"\",2\r\n"
                                       << "say \"hi\"|2";
        QTest::newRow("quoted blanks kept") << "\" 1 \",2\r\n"
                                            << " 1 |2";
        QTest::newRow("quoted line end") << "\"a\r\nb\",3\r\n"
                                         << "a\r\nb|3";
        QTest::newRow("lone field pairs with next line") << "1\r\n2\r\n3,4\r\n"
                                                         << "1|2;3|4";
        QTest::newRow("blank lines give no field") << "1,2\r\n\r\n   \r\n3,4\r\n"
                                                   << "1|2;3|4";
        QTest::newRow("lone last field dropped") << "1,2\r\n3\r\n"
                                                 << "1|2";
        QTest::newRow("three fields run on") << "1,2,3\r\n4,5\r\n"
                                             << "1|2;3|4";
        QTest::newRow("unterminated quote runs to the end") << "\"a,1\r\n"
                                                            << "";
        QTest::newRow("empty text") << ""
                                    << "";
    }
    void pairs() {
        QFETCH(QString, text);
        QFETCH(QString, pairs);
        QCOMPARE(pairsOf(text), pairs);
        QCOMPARE(viewPairsOf(toStd(text)), pairs);
        QCOMPARE(numberPairsOf(toStd(text)), pairs);
    }

    // Which lines are read in one step, and that their numbers are those of the strict test.
    void numberLines_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("numberLines");
        QTest::newRow("plain numbers, every line end") << "0,0\r\n-12.5,3\n100.,0.001\r-0,7" << 4;
        QTest::newRow("fifteen digits") << "123456789.012345,-0.00000000000001\n" << 1;
        QTest::newRow("sixteen digits") << "1234567890.123456,0\n" << 0;
        QTest::newRow("exponent, plus sign, leading point") << "1e3,0\n+1,0\n.5,0\n" << 0;
        QTest::newRow("blanks, quotes, a third field") << " 1,2\n1,2 \n\"1\",2\n1,2,3\n" << 0;
        QTest::newRow("markers and words") << "<<加算>>,\r\nabc,1\r\n1,-\r\n" << 0;
        QTest::newRow("after two lone fields") << "5\n6\n1,2\n" << 1;
    }
    void numberLines() {
        QFETCH(QString, text);
        QFETCH(int, numberLines);
        int counted = 0;
        bool exact = true;
        QCOMPARE(numberPairsOf(toStd(text), &counted, &exact), pairsOf(text));
        QCOMPARE(counted, numberLines);
        QVERIFY(exact);
    }

    // Both readings give the same pairs for any text made of the characters that matter.
    void bothReadingsAgreeOnAnyText() {
        const char alphabet[] = {'1', '-', ',', ',', '\r', '\n', ' ', '"', 'a'};
        std::uint32_t state = 7;
        for (int round = 0; round < 20000; ++round) {
            std::string text;
            state = state * 1664525u + 1013904223u;
            const int length = static_cast<int>(state >> 28);
            for (int i = 0; i < length; ++i) {
                state = state * 1664525u + 1013904223u;
                text += alphabet[(state >> 24) % sizeof alphabet];
            }
            QCOMPARE(viewPairsOf(text), pairsOf(QString::fromStdString(text)));
        }
    }

    // The same for texts made mostly of numbers, read with number lines in one step.
    void numberLinesAgreeOnAnyText() {
        const char alphabet[] = {'1', '0', '9', '-', '.', ',', ',', '\r', '\n', ' ', 'e'};
        std::uint32_t state = 11;
        for (int round = 0; round < 20000; ++round) {
            std::string text;
            state = state * 1664525u + 1013904223u;
            const int length = static_cast<int>(state >> 27);
            for (int i = 0; i < length; ++i) {
                state = state * 1664525u + 1013904223u;
                text += alphabet[(state >> 24) % sizeof alphabet];
            }
            bool exact = true;
            QCOMPARE(numberPairsOf(text, nullptr, &exact), viewPairsOf(text));
            QVERIFY2(exact, text.c_str());
        }
    }

    void quoteField_data() {
        QTest::addColumn<QString>("cell");
        QTest::addColumn<QString>("field");
        QTest::newRow("number as it stands") << "-12.5"
                                             << "-12.5";
        QTest::newRow("separator as it stands") << "<<図形区切り>>"
                                                << "<<図形区切り>>";
        QTest::newRow("empty") << ""
                               << "";
        QTest::newRow("comma") << "1,5"
                               << "\"1,5\"";
        QTest::newRow("quote") << "a\"b"
                               << "\"a\"\"b\"";
        QTest::newRow("leading blank") << " 7"
                                       << "\" 7\"";
        QTest::newRow("trailing tab") << "7\t"
                                      << "\"7\t\"";
        QTest::newRow("line break") << "a\nb"
                                    << "\"a\nb\"";
    }
    void quoteField() {
        QFETCH(QString, cell);
        QFETCH(QString, field);
        QCOMPARE(QString::fromStdString(kuvanto::quoteField(toStd(cell))), field);
        // Whatever the cell holds, the field reads back as the cell.
        QCOMPARE(pairsOf(field + ",x\r\n"), cell + "|x");
    }
};

QTEST_GUILESS_MAIN(TestFieldReader)
#include "test_field_reader.moc"

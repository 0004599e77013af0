// Number text: the strict numeric test, the lenient reading, the writers of the shortest, the
// exponent, the three-decimal and the "0.000" texts, decimal rounding on the 15-digit text, and
// the comparisons that treat values as their texts read.
#include <QtTest>

#include <bit>
#include <cmath>
#include <limits>

#include "core/base/NumberText.h"

using namespace kuvanto;

class TestNumText : public QObject {
    Q_OBJECT
private slots:
    void strict_data();
    void strict();
    void lenient_data();
    void lenient();
    void numText_data();
    void numText();
    void expText_data();
    void expText();
    void fixed3_data();
    void fixed3();
    void fmt000_data();
    void fmt000();
    void roundHalfEven_data();
    void roundHalfEven();
    void compareAsText_data();
    void compareAsText();
};

void TestNumText::strict_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("numeric");
    QTest::addColumn<double>("value");
    QTest::newRow("integer") << "12" << true << 12.0;
    QTest::newRow("blanks around") << " \t-3.5  " << true << -3.5;
    QTest::newRow("plus sign") << "+7" << true << 7.0;
    QTest::newRow("trailing point") << "7." << true << 7.0;
    QTest::newRow("leading point") << ".25" << true << 0.25;
    QTest::newRow("exponent") << "1.5e3" << true << 1500.0;
    QTest::newRow("exponent signed upper") << "-2E-02" << true << -0.02;
    QTest::newRow("underflow reads zero") << "1e-400" << true << 0.0;
    QTest::newRow("overflow") << "1e400" << false << 0.0;
    QTest::newRow("empty") << "" << false << 0.0;
    QTest::newRow("blanks only") << "   " << false << 0.0;
    QTest::newRow("lone sign") << "-" << false << 0.0;
    QTest::newRow("lone point") << "." << false << 0.0;
    QTest::newRow("exponent without digits") << "1e" << false << 0.0;
    QTest::newRow("inf") << "inf" << false << 0.0;
    QTest::newRow("nan") << "nan" << false << 0.0;
    QTest::newRow("hexadecimal") << "0x1p3" << false << 0.0;
    QTest::newRow("grouping") << "1,000" << false << 0.0;
    QTest::newRow("trailing text") << "12abc" << false << 0.0;
    QTest::newRow("inner blank") << "1 2" << false << 0.0;
    QTest::newRow("two signs") << "--1" << false << 0.0;
    QTest::newRow("separator") << "<<図形区切り>>" << false << 0.0;
}

void TestNumText::strict() {
    QFETCH(QString, text);
    QFETCH(bool, numeric);
    QFETCH(double, value);
    const std::string s = text.toStdString();
    QCOMPARE(isNumericText(s), numeric);
    const auto parsed = parseNumeric(s);
    QCOMPARE(parsed.has_value(), numeric);
    if (numeric) QCOMPARE(*parsed, value);
}

void TestNumText::lenient_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("value");
    QTest::newRow("number") << "2.5" << 2.5;
    QTest::newRow("trailing point") << "7." << 7.0;
    QTest::newRow("trailing text") << "12abc" << 12.0;
    QTest::newRow("leading blanks") << "  -4x" << -4.0;
    QTest::newRow("exponent form") << "1.2346E4" << 12346.0;
    QTest::newRow("negative exponent form") << "-5.0000E3" << -5000.0;
    QTest::newRow("dangling exponent") << "3e+" << 3.0;
    QTest::newRow("lone sign") << "-" << 0.0;
    QTest::newRow("lone point") << "." << 0.0;
    QTest::newRow("empty") << "" << 0.0;
    QTest::newRow("dash cell") << "-" << 0.0;
    QTest::newRow("text") << "abc" << 0.0;
}

void TestNumText::lenient() {
    QFETCH(QString, text);
    QFETCH(double, value);
    QCOMPARE(lenientValue(text.toStdString()), value);
}

void TestNumText::numText_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("integer") << 600.0 << "600";
    QTest::newRow("fraction") << 12.5 << "12.5";
    QTest::newRow("below one") << 0.333 << "0.333";
    QTest::newRow("negative") << -28.868 << "-28.868";
    QTest::newRow("binary noise dropped") << 0.1 + 0.2 << "0.3";
    QTest::newRow("fifteen digits") << 2.0 / 3.0 << "0.666666666666667";
    QTest::newRow("smallest plain") << 0.0001 << "0.0001";
    QTest::newRow("small exponent") << 0.00001 << "1E-05";
    QTest::newRow("largest plain") << 999999999999999.0 << "999999999999999";
    QTest::newRow("rounds into exponent") << 999999999999999.9 << "1E+15";
    QTest::newRow("large exponent") << 1.5e16 << "1.5E+16";
    QTest::newRow("three digit exponent") << -2.5e-100 << "-2.5E-100";
    QTest::newRow("zero") << 0.0 << "0";
    QTest::newRow("negative zero") << -0.0 << "0";
}

void TestNumText::numText() {
    QFETCH(double, value);
    QFETCH(QString, text);
    QCOMPARE(QString::fromStdString(kuvanto::numText(value)), text);
}

void TestNumText::expText_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("positive exponent") << 12345.678 << "1.2346E4";
    QTest::newRow("negative exponent") << 0.00012 << "1.2000E-4";
    QTest::newRow("negative mantissa") << -2500.0 << "-2.5000E3";
    QTest::newRow("zero") << 0.0 << "0.0000E0";
    QTest::newRow("negative zero") << -0.0 << "0.0000E0";
    QTest::newRow("unit") << 1.0 << "1.0000E0";
    QTest::newRow("half away from zero") << 1.00005 << "1.0001E0";
    QTest::newRow("negative half away") << -1.00005 << "-1.0001E0";
    QTest::newRow("mantissa carries") << 99999.5 << "1.0000E5";
    QTest::newRow("carry across sign of exponent") << 0.999996 << "1.0000E0";
    QTest::newRow("moment") << 66666666.666666667 << "6.6667E7";
}

void TestNumText::expText() {
    QFETCH(double, value);
    QFETCH(QString, text);
    QCOMPARE(QString::fromStdString(kuvanto::expText(value)), text);
}

void TestNumText::fixed3_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("radius") << 57.73502 << "57.735";
    QTest::newRow("integer") << 50.0 << "50";
    QTest::newRow("negative radius") << -28.867513459481287 << "-28.868";
    QTest::newRow("trailing zero dropped") << 64.54999 << "64.55";
    QTest::newRow("tie to even down") << 0.0125 << "0.012";
    QTest::newRow("tie to even up") << 2.6755 << "2.676";
    QTest::newRow("tiny negative is zero") << -1e-12 << "0";
    QTest::newRow("large") << 123456789.0004 << "123456789";
}

void TestNumText::fixed3() {
    QFETCH(double, value);
    QFETCH(QString, text);
    QCOMPARE(QString::fromStdString(fixed3Text(value)), text);
}

void TestNumText::fmt000_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("integer") << 12.0 << "12.000";
    QTest::newRow("below one") << 0.5 << "0.500";
    QTest::newRow("half away from zero") << 2.0005 << "2.001";
    QTest::newRow("negative half away") << -2.0005 << "-2.001";
    QTest::newRow("carry into integer") << 9.9996 << "10.000";
    QTest::newRow("tiny negative is zero") << -0.0001 << "0.000";
    QTest::newRow("negative zero") << -0.0 << "0.000";
    QTest::newRow("just below half") << 0.000499 << "0.000";
    QTest::newRow("just half") << 0.0005 << "0.001";
}

void TestNumText::fmt000() {
    QFETCH(double, value);
    QFETCH(QString, text);
    QCOMPARE(QString::fromStdString(format000(value)), text);
}

void TestNumText::roundHalfEven_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("decimals");
    QTest::addColumn<double>("rounded");
    QTest::newRow("2.5 to even") << 2.5 << 0 << 2.0;
    QTest::newRow("3.5 to even") << 3.5 << 0 << 4.0;
    QTest::newRow("typed tie 2.675") << 2.675 << 2 << 2.68;
    QTest::newRow("typed tie 0.125") << 0.125 << 2 << 0.12;
    QTest::newRow("typed tie 1.005") << 1.005 << 2 << 1.0;
    QTest::newRow("above tie") << 0.1251 << 2 << 0.13;
    QTest::newRow("negative tie") << -2.5 << 0 << -2.0;
    QTest::newRow("carry") << 9.9995 << 3 << 10.0;
    QTest::newRow("to zero") << 0.0004 << 3 << 0.0;
    QTest::newRow("beyond 15 digits unchanged") << 123456789012.1 << 5 << 123456789012.1;
    QTest::newRow("five decimals") << 1.234565 << 5 << 1.23456;
}

void TestNumText::roundHalfEven() {
    QFETCH(double, value);
    QFETCH(int, decimals);
    QFETCH(double, rounded);
    QCOMPARE(kuvanto::roundHalfEven(value, decimals), rounded);
}

void TestNumText::compareAsText_data() {
    QTest::addColumn<double>("a");
    QTest::addColumn<double>("b");
    QTest::addColumn<double>("max");
    QTest::addColumn<double>("min");
    const double third = 1.0 / 3.0;
    const double thirdUp = std::nextafter(third, 1.0);  // same 15-digit text
    QTest::newRow("plain order") << 1.0 << 2.0 << 2.0 << 1.0;
    QTest::newRow("plain order reversed") << 2.0 << 1.0 << 2.0 << 1.0;
    QTest::newRow("text tie gives second") << thirdUp << third << third << third;
    QTest::newRow("text tie gives second reversed") << third << thirdUp << thirdUp << thirdUp;
    QTest::newRow("close but distinct texts")
        << 1.00000000000001 << 1.00000000000002 << 1.00000000000002 << 1.00000000000001;
    QTest::newRow("sum noise ties") << 0.1 + 0.2 << 0.3 << 0.3 << 0.3;
    QTest::newRow("signs") << -5.0 << 5.0 << 5.0 << -5.0;
}

void TestNumText::compareAsText() {
    QFETCH(double, a);
    QFETCH(double, b);
    QFETCH(double, max);
    QFETCH(double, min);
    // Bit-exact: on a tie the second argument itself must come back.
    QCOMPARE(std::bit_cast<quint64>(maxValue(a, b)), std::bit_cast<quint64>(max));
    QCOMPARE(std::bit_cast<quint64>(minValue(a, b)), std::bit_cast<quint64>(min));
}

QTEST_APPLESS_MAIN(TestNumText)
#include "test_number_text.moc"

// The calculation run through the result table texts: the figure columns of the worked sections,
// the combined column computed from the figures' full-precision values, heads, signs and colours,
// the failures that leave the table hidden, the reset of the table, the copied text of a selected
// block, and the mass line.
#include <QtTest>

#include "core/section/Calculation.h"
#include "core/section/Mass.h"

#include "../../WorkedSections.h"
#include "../CoordTableBuilder.h"

using namespace kuvanto;

namespace {

CoordTable gridOf(const QStringList& rows) {
    return test::coordTableOf(rows, test::EntryRow::With);
}

const QStringList kRect = test::workedRows({test::kRectangle100x200});
const QStringList kHole = test::workedRows({test::kHole50x100});

// "row=text" pairs of one column.
QStringList columnTexts(const ResultTable& result, int col, const QList<int>& rows) {
    QStringList out;
    for (int row : rows)
        out << QString("%1=%2").arg(row).arg(QString::fromStdString(result.text(row, col)));
    return out;
}

QStringList Expect(const QList<int>& rows, const QStringList& texts) {
    QStringList out;
    for (int i = 0; i < rows.size(); ++i) out << QString("%1=%2").arg(rows[i]).arg(texts[i]);
    return out;
}

const QList<int> kAllRows{0, 1, 2, 3, 4, 7, 8, 9, 10, 11, 12, 13, 16, 17, 18, 19, 20, 21, 22};

}  // namespace

class TestCalc : public QObject {
    Q_OBJECT
private slots:
    void columns_data();
    void columns();
    void failures_data();
    void failures();
    void headsSignsAndColours();
    void resetTexts();
    void copyText_data();
    void copyText();
    void massLine_data();
    void massLine();
};

void TestCalc::columns_data() {
    QTest::addColumn<QStringList>("add");
    QTest::addColumn<QStringList>("subtracted");
    QTest::addColumn<int>("col");
    QTest::addColumn<QList<int>>("rows");
    QTest::addColumn<QStringList>("texts");

    const QStringList rectColumn{"加算1",    "2.0000E4", "50",       "100",      "600",
                                 "6.6667E7", "1.6667E7", "6.6667E5", "3.3333E5", "8.3333E7",
                                 "57.735",   "28.868",   "2.6667E8", "6.6667E7", "1.3333E6",
                                 "6.6667E5", "3.3333E8", "115.47",   "57.735"};
    QTest::newRow("rectangle figure column")
        << kRect << QStringList{} << 2 << kAllRows << rectColumn;
    QTest::newRow("rectangle reversed") << QStringList{"0,0", "0,200", "100,200", "100,0", "0,0"}
                                        << QStringList{} << 2 << kAllRows << rectColumn;
    QTest::newRow("rectangle unclosed")
        << kRect.mid(0, 4) << QStringList{} << 2 << kAllRows << rectColumn;
    QTest::newRow("rectangle combined column")
        << kRect << QStringList{} << 3 << kAllRows
        << QStringList{"総合",     "2.0000E4", "50",       "100",      "600",
                       "6.6667E7", "1.6667E7", "6.6667E5", "3.3333E5", "8.3333E7",
                       "57.735",   "28.868",   "2.6667E8", "6.6667E7", "1.3333E6",
                       "6.6667E5", "3.3333E8", "115.47",   "57.735"};
    QTest::newRow("hole subtracted column")
        << kRect << kHole << 3 << QList<int>{0, 1, 2, 3, 4, 7, 12, 13}
        << QStringList{"減算2", "-5.0000E3", "50", "100", "300", "-4.1667E6", "-28.868", "-14.434"};
    QTest::newRow("hole combined column")
        << kRect << kHole << 4 << QList<int>{0, 1, 2, 3, 4, 7, 8, 9, 10, 12}
        << QStringList{"総合",     "1.5000E4", "50",       "100",      "-",
                       "6.2500E7", "1.5625E7", "6.2500E5", "3.1250E5", "64.55"};
    // An L in metres: rounding the figures' centroids to three decimals would show (0.003,
    // 0.004) and an Ix 14 % low; lengths below 1 keep five significant digits.
    const QStringList metresL{"0,0",      "0.01,0",        "0.01,0.0013",   "0,0.0013", "|",
                              "0,0.0013", "0.0013,0.0013", "0.0013,0.0113", "0,0.0113"};
    QTest::newRow("section in metres figure column")
        << metresL << QStringList{} << 2 << QList<int>{1, 2, 3, 4, 7}
        << QStringList{"1.3000E-5", "5.0000E-3", "6.5000E-4", "2.2600E-2", "1.8308E-12"};
    QTest::newRow("section in metres combined column")
        << metresL << QStringList{} << 4 << QList<int>{1, 2, 3, 7, 12}
        << QStringList{"2.6000E-5", "2.8250E-3", "3.4750E-3", "3.1766E-10", "3.4954E-3"};
    QTest::newRow("triangle below the axis")
        << QStringList{"10,-20", "70,-20", "10,40", "10,-20"} << QStringList{} << 2
        << QList<int>{1, 2, 3, 7} << QStringList{"1.8000E3", "30", "0", "3.6000E5"};
    QTest::newRow("parallelogram with a zero-sum edge")
        << QStringList{"0,-10", "100,10", "100,30", "0,10", "0,-10"} << QStringList{} << 2
        << QList<int>{1, 2, 3} << QStringList{"2.0000E3", "50", "10"};
    QTest::newRow("two figures give no perimeter")
        << QStringList{"0,0", "10,0", "10,10", "0,10", "|", "20,0", "30,0", "30,10", "20,10"}
        << QStringList{} << 4 << QList<int>{1, 2, 3, 4} << QStringList{"2.0000E2", "15", "5", "-"};
}

void TestCalc::columns() {
    QFETCH(QStringList, add);
    QFETCH(QStringList, subtracted);
    QFETCH(int, col);
    QFETCH(QList<int>, rows);
    QFETCH(QStringList, texts);
    ResultTable result;
    resetResultTable(result);
    QVERIFY(runCalculation(gridOf(add), gridOf(subtracted), result));
    QVERIFY(result.visible());
    QCOMPARE(columnTexts(result, col, rows), Expect(rows, texts));
}

void TestCalc::failures_data() {
    QTest::addColumn<QStringList>("add");
    QTest::addColumn<QStringList>("subtracted");
    QTest::newRow("both tables empty") << QStringList{} << QStringList{};
    QTest::newRow("only subtracted figures") << QStringList{} << kHole;
    QTest::newRow("vertex row with empty Y")
        << QStringList{"0,0", "100,0", "100,", "0,200"} << QStringList{};
    QTest::newRow("zero-area figure") << QStringList{"0,0", "1,1", "2,2"} << QStringList{};
    QTest::newRow("areas cancel") << kRect << kRect;
    QTest::newRow("failing second figure")
        << (kRect + QStringList{"|", "0,0", "5,0"}) << QStringList{};
}

void TestCalc::failures() {
    QFETCH(QStringList, add);
    QFETCH(QStringList, subtracted);
    ResultTable result;
    resetResultTable(result);
    QVERIFY(runCalculation(gridOf(kRect), gridOf({}), result));  // an earlier good run
    QVERIFY(!runCalculation(gridOf(add), gridOf(subtracted), result));
    QVERIFY(!result.visible());
    for (int c = 0; c < result.cols(); ++c) {
        for (int r = 0; r < ResultTable::kRows; ++r) {
            const QString text = QString::fromStdString(result.text(r, c));
            QVERIFY2(!text.contains("inf") && !text.contains("nan"), qPrintable(text));
        }
    }
}

void TestCalc::headsSignsAndColours() {
    ResultTable result;
    result.setCols(9);  // left from an earlier, larger run
    resetResultTable(result);
    const CoordTable add = gridOf(kRect + QStringList{"|", "200,0", "300,0", "300,100", "200,100"});
    QVERIFY(runCalculation(add, gridOf(kHole), result));
    QCOMPARE(result.cols(), 6);
    QStringList heads;
    for (int c = 2; c < 6; ++c) heads << QString::fromStdString(result.text(0, c));
    QCOMPARE(heads, (QStringList{"加算1", "加算2", "減算3", "総合"}));
    // Each column also carries its kind and figure number, which views go by; a reset (the
    // next run) clears them with the texts.
    const std::pair<ColumnKind, int> kinds[] = {{ColumnKind::Added, 1},
                                                {ColumnKind::Added, 2},
                                                {ColumnKind::Subtracted, 3},
                                                {ColumnKind::Combined, 0}};
    for (int c = 2; c < 6; ++c) {
        QCOMPARE(result.columnKind(c), kinds[c - 2].first);
        QCOMPARE(result.columnFigure(c), kinds[c - 2].second);
    }
    QCOMPARE(result.columnKind(1), ColumnKind::Other);
    for (int c = 2; c < 6; ++c) {
        QCOMPARE(result.colWidthTwips(c), 1000);
        QVERIFY(result.colCentred(c));
    }
    QCOMPARE(result.cellColor(1, 2), std::optional<Rgb>(kAddColumnColor));
    QCOMPARE(result.cellColor(22, 3), std::optional<Rgb>(kAddColumnColor));
    QCOMPARE(result.cellColor(5, 4), std::optional<Rgb>(kSubtractedColumnColor));
    QCOMPARE(result.cellColor(22, 5), std::optional<Rgb>(kTotalColumnColor));
    QCOMPARE(result.cellColor(0, 5), std::optional<Rgb>());
    QCOMPARE(result.cellColor(3, 1), std::optional<Rgb>());
    QCOMPARE(result.cellColor(ResultTable::kRows - 1, 5), std::optional<Rgb>(kTotalColumnColor));
    // The last row shown of the combined column (the block of several materials is not).
    QCOMPARE(result.row(), kMaterialFirstRow - 1);
    QCOMPARE(result.col(), 5);
    QCOMPARE(result.rowSel(), kMaterialFirstRow - 1);
    QCOMPARE(result.colSel(), 5);
    // The combined area is the sum of the displayed figure areas.
    QCOMPARE(result.text(1, 5), std::string("2.5000E4"));
    // The marks of the canvas find the combined column by its kind, not by its head text.
    result.setText(Property::ShearCentreX, 5, "12.5");
    result.setText(Property::ShearCentreY, 5, "-3");
    result.setText(kHeaderRow, 5, "Combined");
    QCOMPARE(shownShearCentre(result), std::optional<Point>(Point{12.5, -3}));
    QVERIFY(shownCentroid(result));
    result.setText(kHeaderRow, 5, std::string(kTotalHead));
    result.setColumnKind(5, ColumnKind::Added, 4);
    QVERIFY(!shownShearCentre(result));
    QVERIFY(!shownCentroid(result));
    result.setColumnKind(5, ColumnKind::Combined);
    resetResultTable(result);
    QCOMPARE(result.columnKind(5), ColumnKind::Other);
    QVERIFY(!shownCentroid(result));
}

void TestCalc::resetTexts() {
    ResultTable result;
    resetResultTable(result);
    QVERIFY(runCalculation(gridOf(kRect), gridOf({}), result));
    result.setCols(5);
    resetResultTable(result);
    QCOMPARE(result.cols(), 5);
    QStringList col0, col1;
    for (int r = 0; r < ResultTable::kRows; ++r) {
        col0 << QString::fromStdString(result.text(r, 0));
        col1 << QString::fromStdString(result.text(r, 1));
        QCOMPARE(result.text(r, 2), std::string());
        QCOMPARE(result.cellColor(r, 2), std::optional<Rgb>());
    }
    QCOMPARE(col0, (QStringList{"項目",
                                "面積",
                                "図心X",
                                "図心Y",
                                "周辺長",
                                "",
                                "[図心回り]",
                                "断面2次モーメントX",
                                "断面2次モーメントY",
                                "断面係数X",
                                "断面係数Y",
                                "断面2次極モーメント",
                                "断面2次半径X",
                                "断面2次半径Y",
                                "",
                                "[座標軸回り]",
                                "断面2次モーメントX",
                                "断面2次モーメントY",
                                "断面係数X",
                                "断面係数Y",
                                "断面2次極モーメント",
                                "断面2次半径X",
                                "断面2次半径Y",
                                "",
                                "[主軸]",
                                "断面相乗モーメント",
                                "断面相乗モーメント(座標軸)",
                                "主軸角",
                                "主断面2次モーメントU",
                                "主断面2次モーメントV",
                                "断面係数U",
                                "断面係数V",
                                "断面2次半径U",
                                "断面2次半径V",
                                "",
                                "[縁端別断面係数]",
                                "断面係数X上縁",
                                "断面係数X下縁",
                                "断面係数Y右縁",
                                "断面係数Y左縁",
                                "",
                                "[塑性]",
                                "塑性中立軸X",
                                "塑性中立軸Y",
                                "塑性断面係数X",
                                "塑性断面係数Y",
                                "形状係数X",
                                "形状係数Y",
                                "塑性断面係数U",
                                "塑性断面係数V",
                                "",
                                "[ねじり・せん断]",
                                "サンブナンねじり定数",
                                "ねじり定数の下限",
                                "ねじり定数の上限",
                                "曲げねじり定数",
                                "せん断中心X",
                                "せん断中心Y",
                                "図心からのせん断中心X",
                                "図心からのせん断中心Y",
                                "せん断中心X(Trefftz)",
                                "せん断中心Y(Trefftz)",
                                "せん断断面積X",
                                "せん断断面積Y",
                                "せん断断面積(主軸u)",
                                "せん断断面積(主軸v)",
                                "ポアソン比",
                                "要素数",
                                "推定誤差(J)",
                                "推定誤差(Iw)",
                                "推定誤差(せん断中心)",
                                "推定誤差(せん断断面積)",
                                "注記",
                                "",
                                "[複合断面]",
                                "ヤング係数比",
                                "基準ヤング係数",
                                "換算断面積",
                                "剛心X",
                                "剛心Y",
                                "換算断面2次モーメントX",
                                "換算断面2次モーメントY",
                                "換算断面相乗モーメント",
                                "換算主軸角",
                                "換算主断面2次モーメントU",
                                "換算主断面2次モーメントV",
                                "軸剛性(N)",
                                "曲げ剛性X(N·mm²)",
                                "曲げ剛性Y(N·mm²)",
                                "単位長さ質量(kg/m)",
                                "塑性中立軸X(耐力)",
                                "塑性中立軸Y(耐力)",
                                "全塑性モーメントX(kN·m)",
                                "全塑性モーメントY(kN·m)",
                                "全塑性モーメントU(kN·m)",
                                "全塑性モーメントV(kN·m)",
                                "降伏モーメントX(kN·m)",
                                "降伏モーメントY(kN·m)",
                                "ねじり剛性(N·mm²)",
                                "複合断面のせん断中心X",
                                "複合断面のせん断中心Y",
                                "曲げねじり剛性(N·mm⁴)",
                                "せん断剛性X(N)",
                                "せん断剛性Y(N)"}));
    QCOMPARE(col1, (QStringList{"記号",
                                "A",
                                "x_bar",
                                "y_bar",
                                "L",
                                "",
                                "",
                                "Ix",
                                "Iy",
                                "Zx",
                                "Zy",
                                "Ip",
                                "ix",
                                "iy",
                                "",
                                "",
                                "Ix'",
                                "Iy'",
                                "Zx'",
                                "Zy'",
                                "Ip'",
                                "ix'",
                                "iy'",
                                "",
                                "",
                                "Ixy",
                                "Ixy'",
                                "θ",
                                "Iu",
                                "Iv",
                                "Zu",
                                "Zv",
                                "iu",
                                "iv",
                                "",
                                "",
                                "Zx_top",
                                "Zx_bottom",
                                "Zy_right",
                                "Zy_left",
                                "",
                                "",
                                "x_p",
                                "y_p",
                                "Zpx",
                                "Zpy",
                                "fx",
                                "fy",
                                "Zpu",
                                "Zpv",
                                "",
                                "",
                                "J",
                                "J_lower",
                                "J_upper",
                                "Iw",
                                "x_s",
                                "y_s",
                                "x_s-x_bar",
                                "y_s-y_bar",
                                "x_s_trefftz",
                                "y_s_trefftz",
                                "Asx",
                                "Asy",
                                "Asu",
                                "Asv",
                                "ν",
                                "n",
                                "%",
                                "%",
                                "%",
                                "%",
                                "※",
                                "",
                                "",
                                "n_E",
                                "E_ref",
                                "A_t",
                                "x_t",
                                "y_t",
                                "Ix_t",
                                "Iy_t",
                                "Ixy_t",
                                "θ_t",
                                "Iu_t",
                                "Iv_t",
                                "EA",
                                "EIx",
                                "EIy",
                                "m",
                                "x_pf",
                                "y_pf",
                                "Mpx",
                                "Mpy",
                                "Mpu",
                                "Mpv",
                                "Myx",
                                "Myy",
                                "GJ",
                                "x_s_t",
                                "y_s_t",
                                "EIw",
                                "GAsx",
                                "GAsy"}));
    QCOMPARE(result.colWidthTwips(0), 1500);
    QCOMPARE(result.colWidthTwips(1), 450);
    QCOMPARE(result.colWidthTwips(2), 900);
    QVERIFY(result.colCentred(0) && result.colCentred(1));
    QCOMPARE(result.rowHeightTwips(5), 150);
    QCOMPARE(result.rowHeightTwips(14), 150);
    for (int spacer : {23, 34, 40}) QCOMPARE(result.rowHeightTwips(spacer), 150);
    QCOMPARE(result.rowHeightTwips(4), 0);
}

void TestCalc::copyText_data() {
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("col");
    QTest::addColumn<int>("rowSel");
    QTest::addColumn<int>("colSel");
    QTest::addColumn<QString>("text");
    QTest::newRow("current cell alone") << 1 << 2 << 1 << 2 << "2.0000E4";
    QTest::newRow("two rows by three columns")
        << 1 << 1 << 2 << 3 << "A\t2.0000E4\t2.0000E4\rx_bar\t50\t50";
    QTest::newRow("selected upwards and leftwards") << 3 << 3 << 2 << 2 << "50\t50\r100\t100";
}

void TestCalc::copyText() {
    QFETCH(int, row);
    QFETCH(int, col);
    QFETCH(int, rowSel);
    QFETCH(int, colSel);
    QFETCH(QString, text);
    ResultTable result;
    resetResultTable(result);
    QVERIFY(runCalculation(gridOf(kRect), gridOf({}), result));
    result.setRow(row);
    result.setCol(col);
    result.setRowSel(rowSel);
    result.setColSel(colSel);
    QCOMPARE(QString::fromStdString(copyResultText(result)), text);
}

void TestCalc::massLine_data() {
    QTest::addColumn<QString>("density");
    QTest::addColumn<double>("area");
    QTest::addColumn<QString>("line");
    QTest::newRow("steel") << "7.8" << 20000.0 << "156kg/m";
    QTest::newRow("aluminium") << "2.7" << 20000.0 << "54kg/m";
    QTest::newRow("trailing point") << "7." << 20000.0 << "140kg/m";
    QTest::newRow("three decimals") << "7.85" << 1234.5678 << "9.691kg/m";
    QTest::newRow("subtracted area") << "7.8" << -5000.0 << "-39kg/m";
    QTest::newRow("trailing text") << "7abc" << 20000.0 << "140kg/m";
    QTest::newRow("empty") << "" << 20000.0 << "--------- kg/m";
    QTest::newRow("lone sign") << "-" << 20000.0 << "--------- kg/m";
    QTest::newRow("lone point") << "." << 20000.0 << "--------- kg/m";
    QTest::newRow("overflow") << "1e400" << 20000.0 << "--------- kg/m";
}

void TestCalc::massLine() {
    QFETCH(QString, density);
    QFETCH(double, area);
    QFETCH(QString, line);
    QCOMPARE(QString::fromStdString(kuvanto::massLine(density.toStdString(), area)), line);
}

QTEST_APPLESS_MAIN(TestCalc)
#include "test_calculation.moc"

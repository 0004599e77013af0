// The result export: one tab-separated line per row after a run (heads, values, headings, spacer
// lines), no lines for item rows without values, and the bytes written.
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>

#include "IoTestUtil.h"
#include "io/ResultExport.h"

using namespace kuvanto;
using namespace kuvanto::test;

namespace {

// A result table laid out as the calculation leaves it: the header, the headings and spacers of
// the result rows, and made-up items and symbols in the value rows. With `figures`, one figure
// column per entry and "総合".
ResultTable Table(const QStringList& figures) {
    ResultTable grid;
    grid.setCols(static_cast<int>(figures.size()) + 3);
    grid.setText(0, 0, "項目");
    grid.setText(0, 1, "記号");
    for (int r = 1; r < ResultTable::kRows; ++r) {
        const ResultRowEntry& entry = kResultRows[static_cast<std::size_t>(r)];
        if (entry.kind == RowKind::Spacer) continue;
        if (entry.kind == RowKind::Heading) {
            grid.setText(r, 0, entry.label);
            continue;
        }
        grid.setText(r, 0, toStd(QString("item%1").arg(r)));
        grid.setText(r, 1, toStd(QString("s%1").arg(r)));
    }
    if (figures.isEmpty()) return grid;
    for (int c = 0; c < figures.size(); ++c) grid.setText(0, c + 2, toStd(figures[c]));
    const int total = static_cast<int>(figures.size()) + 2;
    grid.setText(0, total, "総合");
    for (int r = 1; r < ResultTable::kRows; ++r) {
        if (grid.text(r, 1).empty()) continue;
        for (int c = 2; c <= total; ++c) grid.setText(r, c, std::to_string(r * 10 + c));
    }
    return grid;
}

QStringList Lines(const ResultTable& grid) {
    QString text = QString::fromStdString(exportResultText(grid));
    if (!text.endsWith("\r\n")) return {"missing final CR LF"};
    text.chop(2);
    return text.split("\r\n");
}

}  // namespace

class TestResultExport : public QObject {
    Q_OBJECT

private slots:
    void linesAfterRun_data() {
        QTest::addColumn<int>("line");
        QTest::addColumn<QString>("text");
        QTest::newRow("heads") << 1 << "項目\t記号\t加算1\t総合";
        QTest::newRow("value row") << 5 << "item4\ts4\t42\t43";
        QTest::newRow("spacer row 5") << 6 << "";
        QTest::newRow("heading about the centroid") << 7 << "[図心回り]";
        QTest::newRow("spacer row 14") << 15 << "";
        QTest::newRow("heading about the axes") << 16 << "[座標軸回り]";
        QTest::newRow("last old row") << 23 << "item22\ts22\t222\t223";
        QTest::newRow("last row") << 50 << "item49\ts49\t492\t493";
    }
    void linesAfterRun() {
        QFETCH(int, line);
        QFETCH(QString, text);
        const QStringList lines = Lines(Table({"加算1"}));
        QCOMPARE(lines.size(), ResultTable::kRows);
        QCOMPARE(lines[line - 1], text);
        for (const QString& l : lines) QVERIFY2(!l.endsWith('\t'), qPrintable(l));
    }

    void everyFigureColumnIsWritten() {
        const QStringList lines = Lines(Table({"加算1", "加算2", "減算3"}));
        QCOMPARE(lines.size(), ResultTable::kRows);
        QCOMPARE(lines[0], QString("項目\t記号\t加算1\t加算2\t減算3\t総合"));
        QCOMPARE(lines[1].count('\t'), 5);
    }

    // Before any run the item rows have no values: only headings and spacers give lines.
    void tableWithoutValuesGivesHeadingsOnly() {
        QCOMPARE(Lines(Table({})), QStringList({"", "[図心回り]", "", "[座標軸回り]", "", "[主軸]",
                                                "", "[縁端別断面係数]", "", "[塑性]"}));
    }

    void writtenInCodePage932() {
        QTemporaryDir dir;
        const QString path = dir.filePath("result.txt");
        QVERIFY(writeExportResult(path, Table({"加算1"})));
        const QByteArray bytes = readBytes(path);
        QVERIFY(
            bytes.startsWith("\x8D\x80\x96\xDA\t\x8B\x4C\x8D\x86\t\x89\xC1\x8E\x5A"
                             "1\t"));
        QCOMPARE(bytes.count("\r\n"), ResultTable::kRows);
    }
};

QTEST_GUILESS_MAIN(TestResultExport)
#include "test_result_export.moc"

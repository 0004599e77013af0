// Every row of the result rows' table shows where its description says: in the window's result
// view (item, symbol and a value in every column that shows it), in the result export (a line of
// its kind), on the printed sheet (item, symbol and the combined value side by side in the block
// the row names) and in the calculator's JSON (an entry per value row, a value per key; with
// --torsion for the torsion block). A row added to the table without its place in one of these
// fails here.
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTableView>
#include <QTemporaryDir>
#include <QtTest>

#include "../WorkedSections.h"
#include "ScriptedMessenger.h"
#include "app/JapaneseFonts.h"
#include "app/MainWindow.h"
#include "app/PrintSheet.h"
#include "app/TorsionPanel.h"
#include "core/section/ResultRows.h"
#include "io/ResultExport.h"

using namespace kuvanto;

namespace {

// The worked section with a material on every figure, so that the block of several materials
// shows too.
const QString kFile = QStringLiteral(KUVANTO_FIXTURES "/two-added-one-subtracted-materials.csv");

const ResultRowEntry& entryOf(int row) {
    return kResultRows[static_cast<std::size_t>(row)];
}

QString textOf(const char* text) {
    return QString::fromUtf8(text);
}

QString pdfText(const QString& path) {
    QProcess process;
    process.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, "-"});
    if (!process.waitForFinished(60000) || process.exitCode() != 0) return {};
    return QString::fromUtf8(process.readAllStandardOutput());
}

}  // namespace

class TestResultRows : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void everyRowShowsInTheWindow();
    void everyRowShowsInTheExport();
    void everySheetRowShowsOnTheSheet();
    void everyValueRowShowsInTheJson();

private:
    QTemporaryDir folder_;
    ScriptedMessenger messenger_;
};

void TestResultRows::initTestCase() {
    installJapaneseFonts();
    QVERIFY(folder_.isValid());
}

void TestResultRows::everyRowShowsInTheWindow() {
    MainWindow window(folder_.path(), &messenger_);
    QVERIFY(window.openCsvFile(kFile));
    window.selectTab(2);
    QVERIFY(window.torsionPanel()->waitForResults(120000));  // the block comes from its worker
    auto* view = window.findChild<QTableView*>(QStringLiteral("Result_Grid"));
    QVERIFY(view && view->model());
    const QAbstractItemModel& model = *view->model();
    QCOMPARE(model.rowCount(), kResultRowCount - 1);  // the header row is the view's header
    const int cols = model.columnCount();
    QCOMPARE(cols, 6);  // item, symbol, three figures, combined
    QCOMPARE(model.headerData(0, Qt::Horizontal).toString(), textOf(entryOf(kHeaderRow).label));
    QCOMPARE(model.headerData(1, Qt::Horizontal).toString(), textOf(entryOf(kHeaderRow).symbol));
    for (int row = 1; row < kResultRowCount; ++row) {
        const ResultRowEntry& entry = entryOf(row);
        auto cell = [&](int col) { return model.index(row - 1, col).data().toString(); };
        QCOMPARE(cell(0), textOf(entry.label));
        QCOMPARE(cell(1), textOf(entry.symbol));
        for (int col = 2; col < cols; ++col) {
            const QString text = cell(col);
            if (entry.kind != RowKind::Value)
                QVERIFY2(text.isEmpty(), qPrintable(text));
            else if (entry.columns == RowColumns::CombinedOnly && col < cols - 1)
                QCOMPARE(text, QStringLiteral("-"));
            else
                QVERIFY2(!text.isEmpty(), qPrintable(QString("row %1 col %2").arg(row).arg(col)));
        }
    }
}

void TestResultRows::everyRowShowsInTheExport() {
    Workspace workspace(folder_.path());
    QVERIFY(workspace.start());
    QVERIFY(workspace.readCsv(kFile, [](const QString&) {}));
    QVERIFY(workspace.runCalculation());
    QCOMPARE(workspace.runTorsion({}).status, TorsionStatus::Ok);
    QString text = QString::fromStdString(exportResultText(workspace.resultGrid));
    QVERIFY(text.endsWith("\r\n"));
    text.chop(2);
    const QStringList lines = text.split("\r\n");
    QCOMPARE(lines.size(), kResultRowCount);
    for (int row = 0; row < kResultRowCount; ++row) {
        const ResultRowEntry& entry = entryOf(row);
        const QStringList fields = lines[row].split('\t');
        switch (entry.kind) {
            case RowKind::Header:
            case RowKind::Value:
                QCOMPARE(fields.size(), 6);
                QCOMPARE(fields[0], textOf(entry.label));
                QCOMPARE(fields[1], textOf(entry.symbol));
                for (const QString& field : fields) QVERIFY(!field.isEmpty());
                break;
            case RowKind::Spacer:
                QCOMPARE(lines[row], QString());
                break;
            case RowKind::Heading:
                QCOMPARE(lines[row], textOf(entry.label));
                break;
        }
    }
}

void TestResultRows::everySheetRowShowsOnTheSheet() {
    QVERIFY2(!QStandardPaths::findExecutable("pdftotext").isEmpty(),
             "pdftotext (poppler-utils) is needed: scripts/setup.sh installs it");
    Workspace workspace(folder_.path());
    QVERIFY(workspace.start());
    QVERIFY(workspace.readCsv(kFile, [](const QString&) {}));
    QVERIFY(workspace.runCalculation());
    QCOMPARE(workspace.runTorsion({}).status, TorsionStatus::Ok);
    const QString pdf = QDir(folder_.path()).filePath("sheet.pdf");
    QString error;
    QVERIFY2(PrintSheet(workspace, true, true).writePdf(pdf, &error), qPrintable(error));
    const QString text = pdfText(pdf);

    const ResultTable& result = workspace.resultGrid;
    const int combined = result.cols() - 1;
    int shown = 0;
    for (int row = 0; row < kResultRowCount; ++row) {
        const ResultRowEntry& entry = entryOf(row);
        if (entry.sheet == SheetBlock::None) continue;
        ++shown;
        // Item, symbol and value on one line of the sheet, in that order (a table beside it may
        // stand before or after it on the same line).
        const QString value = QString::fromStdString(result.text(row, combined));
        const QRegularExpression line("(^|\\n|\\s{2,})\\s*" +
                                      QRegularExpression::escape(textOf(entry.label)) + "\\s+" +
                                      QRegularExpression::escape(textOf(entry.symbol)) + "\\s+" +
                                      QRegularExpression::escape(value) + "(\\s*(\\n|$)|\\s{2,})");
        QVERIFY2(text.contains(line),
                 qPrintable(QString("row %1: %2 %3 %4")
                                .arg(row)
                                .arg(textOf(entry.label), textOf(entry.symbol), value)));
    }
    QCOMPARE(static_cast<int>(PrintSheet::valueRows().size()), shown);
}

void TestResultRows::everyValueRowShowsInTheJson() {
    QProcess process;
    process.start(QStringLiteral(KUVANTO_CALC),
                  {QStringLiteral("--json"), QStringLiteral("--torsion"), kFile});
    QVERIFY(process.waitForFinished(60000));
    QCOMPARE(process.exitCode(), 0);
    const QJsonObject root = QJsonDocument::fromJson(process.readAllStandardOutput()).object();
    const QJsonArray rows = root.value("rows").toArray();
    const QJsonArray figures = root.value("figures").toArray();
    const QJsonObject combined = root.value("combined").toObject().value("values").toObject();
    QCOMPARE(figures.size(), 3);

    int next = 0;
    for (int row = 0; row < kResultRowCount; ++row) {
        const ResultRowEntry& entry = entryOf(row);
        if (entry.kind != RowKind::Value) continue;
        const QJsonObject line = rows.at(next++).toObject();
        QCOMPARE(line.value("item").toString(), textOf(entry.label));
        QCOMPARE(line.value("symbol").toString(), textOf(entry.symbol));
        QCOMPARE(line.value("cells").toArray().size(), 4);
        const QString key = textOf(entry.key);
        // The torsion block's values are in the object "torsion" of their own.
        QVERIFY2(combined.contains(key) == !isTorsionProperty(entry.property), qPrintable(key));
        for (const QJsonValue& figure : figures) {
            const QJsonObject values = figure.toObject().value("values").toObject();
            // A figure has no values of the combined section's own rows.
            QVERIFY2(values.contains(key) == (entry.columns == RowColumns::All), qPrintable(key));
            if (entry.columns == RowColumns::All)
                QVERIFY2(values.value(key).isDouble(), qPrintable(key));
        }
    }
    QCOMPARE(rows.size(), next);
    QCOMPARE(static_cast<std::size_t>(next), kPropertyCount);
    QVERIFY(root.value("torsion").toObject().value("J").isDouble());
}

QTEST_MAIN(TestResultRows)
#include "test_result_rows.moc"

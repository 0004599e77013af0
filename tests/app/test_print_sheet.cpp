// The printed sheet as a PDF read back as text: the file name and the combined values of the
// section, "Untitled..." without a file, the clipboard left alone, and a failed write that says
// so and keeps the old file.
#include <QApplication>
#include <QClipboard>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include "app/JapaneseFonts.h"
#include "app/PrintSheet.h"
#include "editing/Workspace.h"

using namespace kuvanto;

namespace {

QString pdfText(const QString& path) {
    QProcess process;
    process.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, "-"});
    if (!process.waitForFinished(60000) || process.exitCode() != 0) return {};
    return QString::fromUtf8(process.readAllStandardOutput());
}

}  // namespace

class PrintSheetTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        installJapaneseFonts();
        QVERIFY2(!QStandardPaths::findExecutable("pdftotext").isEmpty(),
                 "pdftotext (poppler-utils) is needed: scripts/setup.sh installs it");
    }

    void sheetCarriesFileNameAndCombinedValues() {
        QTemporaryDir dir;
        Workspace workspace(dir.path());
        QVERIFY(workspace.start());
        const QString file = QStringLiteral(KUVANTO_FIXTURES "/rectangle-with-hole.csv");
        QVERIFY(workspace.readCsv(file, [](const QString&) {}));
        workspace.dataFileName = file;
        QVERIFY(workspace.runCalculation());

        QApplication::clipboard()->setText(QStringLiteral("the user's copy"));
        const QString pdf = dir.filePath("sheet.pdf");
        QString error;
        QVERIFY2(PrintSheet(workspace, true, true).writePdf(pdf, &error), qPrintable(error));
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("the user's copy"));

        const QString text = pdfText(pdf);
        QVERIFY2(text.contains("Kuvantoシート"), qPrintable(text));
        QVERIFY(text.contains(QRegularExpression("File Name :\\s+rectangle-with-hole\\.csv")));
        // 100 x 200 with a 50 x 100 hole: the combined column of the result table.
        const ResultTable& result = workspace.resultGrid;
        const int total = result.cols() - 1;
        QCOMPARE(result.text(1, total), std::string("1.5000E4"));
        for (int row : PrintSheet::valueRows()) {
            const QString value = QString::fromStdString(result.text(row, total));
            QVERIFY2(text.contains(
                         QRegularExpression("\\s" + QRegularExpression::escape(value) + "(\\s|$)")),
                     qPrintable(QString("row %1: %2").arg(row).arg(value)));
        }
        for (const char* caption : {"[全般]", "[図心回り]", "[座標軸回り]", "Memo"})
            QVERIFY2(text.contains(QString::fromUtf8(caption)), caption);
    }

    void untitledWithoutFile() {
        QTemporaryDir dir;
        Workspace workspace(dir.path());
        QVERIFY(workspace.start());
        PrintSheet sheet(workspace, true, false);
        QCOMPARE(sheet.fileNameText(), QStringLiteral("Untitled..."));
        workspace.dataFileName = QStringLiteral("C:\\data\\beam.csv");
        QCOMPARE(sheet.fileNameText(), QStringLiteral("beam.csv"));
        // Without any vertex the drawing keeps the default window.
        QCOMPARE(sheet.drawingWindow(), QRectF(QPointF(-100, 100), QPointF(100, -100)));
    }

    void failedWriteSaysSoAndKeepsOldFile() {
        QTemporaryDir dir;
        Workspace workspace(dir.path());
        QVERIFY(workspace.start());
        QString error;
        QVERIFY(
            !PrintSheet(workspace, true, true).writePdf(dir.filePath("missing/sheet.pdf"), &error));
        QVERIFY2(error.contains("sheet.pdf"), qPrintable(error));
    }
};

QTEST_MAIN(PrintSheetTest)
#include "test_print_sheet.moc"

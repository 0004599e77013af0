// The file insertion command in the window asks, offers the file dialog and inserts at the
// selected row. The print command in the window: the printer choice always offers "PDFファイル"
// (first when no printer is installed); printing to it asks for the file name, resets the canvas to
// the fitted view and reports "印刷終了" only when the page was written, a failure saying what
// failed; a cancelled file dialog prints nothing and says nothing.
#include <QAction>
#include <QListWidget>
#include <QTemporaryDir>
#include <QtTest>

#include "ScriptedMessenger.h"
#include "app/LibraryPrintCommands.h"
#include "app/MainWindow.h"
#include "app/PrinterDialog.h"
#include "canvas/SectionCanvas.h"

using namespace kuvanto;

class LibraryPrintCommandsTest : public QObject {
    Q_OBJECT

private slots:
    void insertCsvCommand() {
        QTemporaryDir dir;
        ScriptedMessenger msg;
        MainWindow w(dir.path(), &msg);
        QAction* command = w.command(QStringLiteral("Insert_csv"));
        QVERIFY(command && command->isEnabled());
        command->trigger();  // No: nothing
        QCOMPARE(msg.questions.last().title, QStringLiteral("csvファイル(座標データ)"));
        QCOMPARE(msg.questions.last().text,
                 QStringLiteral("選択行からデータを挿入します。\rよろしいですか？"));
        QVERIFY(msg.dialogs.isEmpty());
        msg.answers = {true};
        msg.paths = {QStringLiteral(KUVANTO_FIXTURES "/insert-xy.csv")};
        command->trigger();
        QCOMPARE(msg.dialogs.last().title, QStringLiteral("csvファイルを選択して下さい。"));
        QVERIFY(w.work().addGrid.rows() > 2);
        QCOMPARE(w.work().dataFileName, QStringLiteral(KUVANTO_FIXTURES "/insert-xy.csv"));
        // Not from the result tab.
        w.selectTab(2);
        const int questions = msg.questions.size();
        LibraryPrintCommands::insertCsv(w);
        LibraryPrintCommands::insertLibraryShape(w);
        QCOMPARE(msg.questions.size(), questions);
    }

    void printerChoice_data() {
        QTest::addColumn<QStringList>("printers");
        QTest::addColumn<QString>("defaultPrinter");
        QTest::addColumn<QStringList>("entries");
        QTest::addColumn<QString>("selected");
        QTest::newRow("no printer installed")
            << QStringList{} << QString() << QStringList{"PDFファイル"} << "PDFファイル";
        QTest::newRow("printers, the default selected")
            << QStringList{"office", "lab"} << "lab" << QStringList{"office", "lab", "PDFファイル"}
            << "lab";
    }

    void printerChoice() {
        QFETCH(QStringList, printers);
        QFETCH(QString, defaultPrinter);
        QFETCH(QStringList, entries);
        QFETCH(QString, selected);
        PrinterDialog dialog(printers, defaultPrinter);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("プリンタ選択"));
        QStringList shown;
        for (int i = 0; i < dialog.list()->count(); ++i) shown << dialog.list()->item(i)->text();
        QCOMPARE(shown, entries);
        QCOMPARE(dialog.list()->currentItem()->text(), selected);
    }

    void printToPdf() {
        QTemporaryDir dir;
        ScriptedMessenger msg;
        MainWindow w(dir.path(), &msg);
        QVERIFY(w.openCsvFile(QStringLiteral(KUVANTO_FIXTURES "/rectangle-with-hole.csv")));
        w.selectTab(2);
        SectionView& view = w.canvas()->view();
        view.viewOfsX = 30;
        view.viewMult = 2;

        // Cancelled file dialog: nothing printed, nothing said.
        QVERIFY(!LibraryPrintCommands::printTo(w, PrinterDialog::kPdfEntry));
        QVERIFY(msg.notices.isEmpty());
        QCOMPARE(msg.dialogs.last().initialName, QStringLiteral("rectangle-with-hole.pdf"));

        const QString pdf = dir.filePath("sheet.pdf");
        msg.paths = QStringList{pdf};
        QVERIFY(LibraryPrintCommands::printTo(w, PrinterDialog::kPdfEntry));
        QCOMPARE(msg.notices.last().text, QStringLiteral("印刷終了"));
        QVERIFY(QFileInfo(pdf).size() > 1000);
        QCOMPARE(view.viewOfsX, 0.0);
        QCOMPARE(view.viewMult, 1.0);

        // A file that cannot be written says so, never "印刷終了".
        msg.paths = QStringList{dir.filePath("missing/sheet.pdf")};
        QVERIFY(!LibraryPrintCommands::printTo(w, PrinterDialog::kPdfEntry));
        QVERIFY(msg.notices.last().text.startsWith("印刷できませんでした。"));
        QVERIFY(msg.notices.last().text.contains("sheet.pdf"));
        // So does a printer that is not there.
        QVERIFY(!LibraryPrintCommands::printTo(w, QStringLiteral("no such printer")));
        QVERIFY(msg.notices.last().text.contains("no such printer"));
    }
};

QTEST_MAIN(LibraryPrintCommandsTest)
#include "test_library_print_commands.moc"

// The file insertion, shape library and print commands of the main window.
#include "app/LibraryPrintCommands.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QFileInfo>

#include "app/MainWindow.h"
#include "app/PrintSheet.h"
#include "app/PrinterDialog.h"
#include "app/StressPanel.h"
#include "canvas/SectionCanvas.h"
#include "canvas/StressView.h"
#include "editing/FileInsertion.h"
#include "editing/Messenger.h"
#include "io/ShippedLibrary.h"
#include "io/UiText.h"
#include "shapes/ShapeInsertDialog.h"
#include "shapes/ShapeLibrary.h"

namespace kuvanto {

namespace {

// The coordinate table on screen; nothing while the results are shown.
CoordTable* shownTable(MainWindow& window) {
    switch (window.shownTab()) {
        case WindowTab::added:
            return &window.work().addGrid;
        case WindowTab::subtracted:
            return &window.work().subtractedGrid;
        case WindowTab::result:
            return nullptr;
    }
    return nullptr;
}

}  // namespace

const UiText LibraryPrintCommands::kPrintDone{
    "LibraryPrintCommands", QT_TRANSLATE_NOOP("LibraryPrintCommands", "印刷終了")};
const UiText LibraryPrintCommands::kPdfTitle{
    "LibraryPrintCommands",
    QT_TRANSLATE_NOOP("LibraryPrintCommands", "PDFファイル名を指定して下さい。")};

void LibraryPrintCommands::install(MainWindow& window) {
    MainWindow* w = &window;
    window.setCommandHandler(CommandId::insertCsvFile, [w] { insertCsv(*w); });
    window.setCommandHandler(CommandId::insertLibraryShape, [w] { insertLibraryShape(*w); });
    window.setCommandHandler(CommandId::printOut, [w] { printOut(*w); });
}

void LibraryPrintCommands::insertCsv(MainWindow& window) {
    CoordTable* grid = shownTable(window);
    if (!grid) return;
    Messenger& messenger = window.msg();
    if (!messenger.confirm(FileInsertion::kQuestion, FileInsertion::kTitle)) return;
    const QString path = messenger.chooseOpenFile(
        FileInsertion::kDialogTitle, QStringLiteral("*.csv|*.csv"), window.fileFolder());
    window.work().dataFileName = path;
    if (path.isEmpty()) return;
    FileInsertion::insertFile(window.work(), *grid, path, messenger);
    window.refreshViews();
}

void LibraryPrintCommands::insertLibraryShape(MainWindow& window) {
    CoordTable* grid = shownTable(window);
    if (!grid) return;
    Messenger& messenger = window.msg();
    if (!messenger.confirm(ShapeLibrary::kInsertQuestion, ShapeLibrary::kInsertTitle)) return;
    const QString folder = window.work().folder();
    ShippedLibrary::installInto(
        folder);  // a working folder without a registry gets the shipped one
    const ShapeLibrary library(folder);
    // A change of the registry through "+/-" reopens the dialog with the new lists.
    for (;;) {
        ShapeInsertDialog dialog(window.work(), *grid, library, messenger, &window);
        if (dialog.exec() != ShapeInsertDialog::kReopen) break;
    }
    window.refreshViews();
}

void LibraryPrintCommands::printOut(MainWindow& window) {
    PrinterDialog dialog(&window);
    if (dialog.exec() != QDialog::Accepted) return;
    printTo(window, dialog.chosen());
}

bool LibraryPrintCommands::printTo(MainWindow& window, const QString& entry) {
    Workspace& work = window.work();
    Messenger& messenger = window.msg();
    // The printout shows the fitted view, and so does the canvas from now on.
    SectionView& view = window.canvas()->view();
    view.viewOfsX = 0;
    view.viewOfsY = 0;
    view.viewMult = 1;
    PrintSheet sheet(work, window.canvas()->showOrigin()->isChecked(),
                     window.canvas()->showCentroid()->isChecked());
    // The stresses of the loads panel's shown case, when it has computed them.
    if (const auto* panel = window.findChild<StressPanel*>(); panel && panel->results())
        sheet.setStressPage(
            StressSheetPage(panel->results(), panel->shownCase(), panel->view()->component()));
    QString error;
    bool printed = false;
    if (entry == PrinterDialog::kPdfEntry) {
        const QString base = work.dataFileName.isEmpty()
                                 ? QStringLiteral("Untitled")
                                 : QFileInfo(work.dataFileName).completeBaseName();
        const QString path =
            messenger.chooseSaveFile(kPdfTitle, QStringLiteral("*.pdf|*.pdf"), window.fileFolder(),
                                     base + QStringLiteral(".pdf"));
        if (path.isEmpty()) return false;
        printed = sheet.writePdf(path, &error);
    } else {
        printed = sheet.printTo(entry, &error);
    }
    messenger.notice(
        printed ? kPrintDone
                : QCoreApplication::translate("LibraryPrintCommands", "印刷できませんでした。\r") +
                      error);
    return printed;
}

}  // namespace kuvanto

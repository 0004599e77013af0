// The window's commands for inserting coordinates from a file ("Insert_csv"), inserting a part of
// the shape library ("PreRst_Import") and printing the sheet ("Print_Out"): they ask, open their
// dialogs, let the workspace and the library do the work and bring the views up to date.
#pragma once

#include <QString>
#include "io/UiText.h"

namespace kuvanto {

class MainWindow;

class LibraryPrintCommands {
public:
    static const UiText kPrintDone;  // "印刷終了"
    static const UiText kPdfTitle;   // the save dialog's title for the PDF file

    // Gives the three commands their handlers in the window's command table.
    static void install(MainWindow& window);

    static void insertCsv(MainWindow& window);
    static void insertLibraryShape(MainWindow& window);
    static void printOut(MainWindow& window);

    // Prints to the chosen entry of the printer dialog ("PDFファイル" asks for a file name). The
    // canvas view is reset to the fitted view first. "印刷終了" is shown only when the page was
    // produced; a failure says what failed. True when the page was produced.
    static bool printTo(MainWindow& window, const QString& entry);
};

}  // namespace kuvanto

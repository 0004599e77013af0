// The printer choice ("プリンタ選択"): the installed printers in the platform's order with the
// default one selected, and always an entry "PDFファイル" that writes the sheet into a PDF file
// (the first entry when no printer is installed, and then selected).
#pragma once

#include <QDialog>
#include <QStringList>
#include "io/UiText.h"

class QListWidget;

namespace kuvanto {

class PrinterDialog : public QDialog {
    Q_OBJECT
public:
    static const UiText kPdfEntry;  // "PDFファイル"

    // `printers` in order and the default printer's name (empty: none).
    PrinterDialog(const QStringList& printers, const QString& defaultPrinter,
                  QWidget* parent = nullptr);
    // The installed printers as QPrinterInfo lists them.
    explicit PrinterDialog(QWidget* parent = nullptr);

    // The list's entries: the printers, then the PDF entry.
    static QStringList entries(const QStringList& printers);

    QListWidget* list() const { return list_; }
    // The selected entry after OK; when none was selected, the default printer, or the PDF
    // entry when there is no default printer.
    QString chosen() const { return chosen_; }

private:
    void choose();

    QListWidget* list_ = nullptr;
    QString chosen_;
    QString fallback_;  // what OK without a selection takes
};

}  // namespace kuvanto

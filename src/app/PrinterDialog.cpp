// The printer choice: a list and OK / Cancel; OK or a double click takes the selected entry, OK
// without a selection the default printer (the PDF file when there is none).
#include "app/PrinterDialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPrinterInfo>
#include <QPushButton>
#include <QVBoxLayout>
#include "io/UiText.h"

namespace kuvanto {

const UiText PrinterDialog::kPdfEntry{"PrinterDialog",
                                      QT_TRANSLATE_NOOP("PrinterDialog", "PDFファイル")};

QStringList PrinterDialog::entries(const QStringList& printers) {
    QStringList list = printers;
    list.removeAll(kPdfEntry);
    list << kPdfEntry;
    return list;
}

PrinterDialog::PrinterDialog(QWidget* parent)
    : PrinterDialog(QPrinterInfo::availablePrinterNames(), QPrinterInfo::defaultPrinterName(),
                    parent) {}

PrinterDialog::PrinterDialog(const QStringList& printers, const QString& defaultPrinter,
                             QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("Print_Out_Form"));
    setWindowTitle(tr("プリンタ選択"));
    list_ = new QListWidget(this);
    list_->setObjectName(QStringLiteral("List1"));
    list_->addItems(entries(printers));
    fallback_ =
        !defaultPrinter.isEmpty() && printers.contains(defaultPrinter) ? defaultPrinter : kPdfEntry;
    const QList<QListWidgetItem*> found = list_->findItems(defaultPrinter, Qt::MatchExactly);
    if (!defaultPrinter.isEmpty() && !found.isEmpty())
        list_->setCurrentItem(found.front());
    else if (printers.isEmpty())
        list_->setCurrentRow(0);  // only the PDF entry

    auto* ok = new QPushButton(tr("OK"), this);
    ok->setObjectName(QStringLiteral("Command1"));
    ok->setDefault(true);
    auto* cancel = new QPushButton(tr("Cancel"), this);
    cancel->setObjectName(QStringLiteral("Command2"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(tr("出力するプリンタを選択してください。"), this));
    layout->addWidget(list_);
    layout->addLayout(buttons);

    connect(ok, &QPushButton::clicked, this, &PrinterDialog::choose);
    connect(list_, &QListWidget::itemDoubleClicked, this, &PrinterDialog::choose);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void PrinterDialog::choose() {
    const QListWidgetItem* item = list_->currentItem();
    chosen_ = item && item->isSelected() ? item->text() : fallback_;
    accept();
}

}  // namespace kuvanto

// Labels, fields, buttons and field reading of the generator dialogs.
#include "shapes/DialogParts.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "core/NumberText.h"
#include "editing/SelectAllOnFocus.h"

namespace kuvanto {

QLabel* namedLabel(const QString& name, const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    return label;
}

QLineEdit* namedField(const QString& name, const QString& text, QWidget* parent, int width) {
    auto* field = new QLineEdit(text, parent);
    field->setObjectName(name);
    field->setAlignment(Qt::AlignRight);
    field->setMinimumWidth(width);
    SelectAllOnFocus::install(field);
    return field;
}

QDialogButtonBox* okCancelButtons(QDialog* dialog, QPushButton** ok) {
    auto* box = new QDialogButtonBox(dialog);
    auto* okButton = box->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    okButton->setObjectName(QStringLiteral("Command1"));
    okButton->setDefault(true);
    auto* cancel = box->addButton(QStringLiteral("Cancel"), QDialogButtonBox::RejectRole);
    cancel->setObjectName(QStringLiteral("Command2"));
    QObject::connect(box, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
    QObject::connect(box, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    if (ok) *ok = okButton;
    return box;
}

double fieldValue(const QLineEdit* field) {
    return lenientValue(field->text().toStdString());
}

}  // namespace kuvanto

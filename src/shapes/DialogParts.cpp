// Labels, fields, buttons and field reading of the generator dialogs.
#include "shapes/DialogParts.h"

#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/base/NumberText.h"
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

void layOutWithPicture(QDialog* dialog, QWidget* picture, QLayout* fields, QWidget* prompt) {
    auto* right = new QVBoxLayout;
    right->addLayout(fields);
    right->addStretch(1);
    right->addWidget(okCancelButtons(dialog));

    auto* body = prompt ? new QHBoxLayout : new QHBoxLayout(dialog);
    body->addWidget(picture, 1);
    body->addLayout(right);
    if (!prompt) return;

    auto* layout = new QVBoxLayout(dialog);
    layout->addWidget(prompt);
    layout->addLayout(body, 1);
}

QDialogButtonBox* okCancelButtons(QDialog* dialog, QPushButton** ok) {
    auto* box = new QDialogButtonBox(dialog);
    auto* okButton = box->addButton(QCoreApplication::translate("DialogParts", "OK"),
                                    QDialogButtonBox::AcceptRole);
    okButton->setObjectName(QStringLiteral("Command1"));
    okButton->setDefault(true);
    auto* cancel = box->addButton(QCoreApplication::translate("DialogParts", "Cancel"),
                                  QDialogButtonBox::RejectRole);
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

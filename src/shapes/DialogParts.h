// Small building blocks shared by the generator dialogs: labelled text fields that select their
// text on focus, the OK / Cancel button pair, the picture-and-fields layout, and the lenient
// reading of a field.
#pragma once

#include <QString>

class QDialog;
class QDialogButtonBox;
class QLabel;
class QLayout;
class QLineEdit;
class QPushButton;
class QWidget;

namespace kuvanto {

// A label with its object name.
QLabel* namedLabel(const QString& name, const QString& text, QWidget* parent);

// A one-line field with its object name and initial text that selects all of it on focus.
QLineEdit* namedField(const QString& name, const QString& text, QWidget* parent, int width = 70);

// "OK" (Command1, the default button, accepting through `accept`) and "Cancel" (Command2,
// rejecting) in a button box; `ok` receives the OK button.
QDialogButtonBox* okCancelButtons(QDialog* dialog, QPushButton** ok = nullptr);

// The generator dialogs' layout: the picture on the left taking the spare room, the fields with
// OK / Cancel under them on the right, and the prompt (when given) above both.
void layOutWithPicture(QDialog* dialog, QWidget* picture, QLayout* fields,
                       QWidget* prompt = nullptr);

// The field's text read leniently: its longest leading number, 0 when there is none.
double fieldValue(const QLineEdit* field);

}  // namespace kuvanto

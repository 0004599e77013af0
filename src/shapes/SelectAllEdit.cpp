// Whole-text selection on focus for the shape dialogs' fields.
#include "shapes/SelectAllEdit.h"

#include <QEvent>
#include <QLineEdit>
#include <QPointer>
#include <QTimer>

namespace kuvanto {

SelectAllEdit::SelectAllEdit(QLineEdit* edit) : QObject(edit) {
    edit->installEventFilter(this);
}

void SelectAllEdit::install(QLineEdit* edit) {
    new SelectAllEdit(edit);
}

bool SelectAllEdit::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn) {
        QPointer<QLineEdit> edit = qobject_cast<QLineEdit*>(watched);
        QTimer::singleShot(0, this, [edit] {
            if (edit) edit->selectAll();
        });
    }
    return false;
}

}  // namespace kuvanto

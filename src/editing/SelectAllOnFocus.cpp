// Select-all-on-focus behaviour for one-line text fields of the dialogs.
#include "editing/SelectAllOnFocus.h"

#include <QEvent>
#include <QLineEdit>
#include <QMetaObject>

namespace kuvanto {

SelectAllOnFocus::SelectAllOnFocus(QLineEdit* edit) : QObject(edit) {}

void SelectAllOnFocus::install(QLineEdit* edit) {
    edit->installEventFilter(new SelectAllOnFocus(edit));
}

bool SelectAllOnFocus::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn) {
        // Queued: the line edit's own focus and mouse handling run first and would otherwise
        // place the cursor over the selection.
        if (auto* edit = qobject_cast<QLineEdit*>(watched)) {
            QMetaObject::invokeMethod(edit, &QLineEdit::selectAll, Qt::QueuedConnection);
        }
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace kuvanto

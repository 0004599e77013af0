// Makes a text field of the shape dialogs select its whole text when it receives the focus, so
// that the first keystroke replaces the value. The selection is queued behind the focus event so
// that a mouse click that brought the focus does not undo it.
#pragma once

#include <QObject>

class QLineEdit;

namespace kuvanto {

class SelectAllEdit : public QObject {
    Q_OBJECT
public:
    // Installs itself on `edit` and is owned by it.
    static void install(QLineEdit* edit);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit SelectAllEdit(QLineEdit* edit);
};

}  // namespace kuvanto

// Makes a one-line text field select its whole text whenever it receives the focus, so that the
// user's first keystroke replaces the old value. The selection is made after the focus event has
// been handled, so a mouse click that brought the focus does not undo it.
#pragma once

#include <QObject>

class QLineEdit;

namespace kuvanto {

class SelectAllOnFocus : public QObject {
    Q_OBJECT
public:
    // Installs itself on `edit` and is owned by it.
    static void install(QLineEdit* edit);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit SelectAllOnFocus(QLineEdit* edit);
};

}  // namespace kuvanto

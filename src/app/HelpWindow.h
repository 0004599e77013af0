// The help window: a short list of the mouse and key operations of the canvas, in a fixed-pitch
// Japanese font. It closes itself when it or its text is clicked and when it loses the focus.
// Modeless: create it with new and show() it; it deletes itself when closed.
#pragma once

#include <QDialog>
#include <QStringList>

class QLabel;

namespace kuvanto {

class HelpWindow : public QDialog {
    Q_OBJECT
public:
    explicit HelpWindow(QWidget* parent = nullptr);

    // The lines of the help text, in order.
    static QStringList helpLines();

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    QLabel* summary_;
};

}  // namespace kuvanto

// The small length box that freehand drawing shows on the canvas while Shift is held during a
// rubber band: a caption ("⊿X=" or "⊿Y="), a text box with the band's length, and a "×" button
// that empties the text. Enter in the text box hands the typed text on; the window decides what
// it means.
#pragma once

#include <QFrame>
#include <QString>

class QLabel;
class QLineEdit;

namespace kuvanto {

class FreehandLengthBox : public QFrame {
    Q_OBJECT
public:
    explicit FreehandLengthBox(QWidget* parent = nullptr);

    // Shows the box with its top-left corner at `topLeft` (parent coordinates), takes the
    // keyboard focus and selects the whole text so that typing replaces it. An empty caption
    // keeps the caption and text as they are.
    void showAt(const QPoint& topLeft, const QString& caption, const QString& text);
    // Hides the box and empties its text.
    void dismiss();

    QString text() const;

signals:
    void lengthEntered(const QString& text);

private:
    QLabel* caption_ = nullptr;
    QLineEdit* text_ = nullptr;
};

}  // namespace kuvanto

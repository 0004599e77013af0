// The mouse and keys of the section canvas: Ctrl + left drag pans and Ctrl + right drag zooms
// relative to the state at the press (the multiplier kept between 0.02 and 20), the wheel zooms
// about the cursor, every move shows the position and view state in the status bar, a plain
// release picks the nearest vertex (Shift + left release the whole figure) and a right release
// asks for the context menu, a double click asks to edit the vertex under the press, and Esc
// ends freehand mode. In freehand mode a left press (any modifiers) asks to add a vertex and every
// move is handed on for the rubber band; releases pick nothing there. Modifier states are compared
// whole: Ctrl with Shift is neither.
#pragma once

#include <QObject>
#include <QPoint>
#include <QString>

namespace kuvanto {

class SectionCanvas;

class CanvasMouse : public QObject {
    Q_OBJECT
public:
    // Zoom limits of the view multiplier and the wheel's step per notch.
    static constexpr double kMinMult = 0.02;
    static constexpr double kMaxMult = 20;
    static constexpr double kWheelStep = 1.1;

    explicit CanvasMouse(SectionCanvas* canvas, QObject* parent = nullptr);

    // The bit set of the held modifiers: 1 Shift, 2 Ctrl, 4 Alt.
    static int modifierBits(Qt::KeyboardModifiers modifiers);

    // The handlers, callable by tests with world positions.
    void press(Qt::MouseButton button, int modifiers, double x, double y);
    void move(Qt::MouseButtons buttons, int modifiers, double x, double y);
    void release(Qt::MouseButton button, int modifiers, double x, double y, const QPoint& global);
    void doubleClick();
    // Wheel by `notches` (positive away from the user: zoom in) about the world point (x, y).
    void wheel(double notches, double x, double y);

signals:
    void statusText(const QString& text);
    // Pick the vertex nearest to (x, y); `shift` 1 also selects its figure.
    void pickRequested(double x, double y, int shift);
    // Right release: the context menu for freehand mode or for the figure commands.
    void contextMenuRequested(bool freehand, const QPoint& globalPos);
    // Double click: pick at the press position and edit the picked vertex.
    void editRequested(double x, double y);
    // Esc, or a double click: end freehand mode.
    void endFreehandRequested();
    // Freehand mode: a left press at (x, y) adds a vertex; a move draws the rubber band.
    // `modifiers` is the bit set of modifierBits.
    void freehandPressed(double x, double y, int modifiers);
    void freehandMoved(double x, double y, int modifiers);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void pan(double x, double y);
    void zoom(double y);

    SectionCanvas* canvas_;
};

}  // namespace kuvanto

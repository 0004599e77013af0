// Colour swatch of the colour dialog: fills itself with its colour and reports a left click
// (press and release inside the swatch).
#include "app/ColorSwatch.h"

#include <QMouseEvent>

namespace kuvanto {

ColorSwatch::ColorSwatch(QWidget* parent) : QFrame(parent) {
    setFrameShape(QFrame::Box);
    setAutoFillBackground(true);
    setCursor(Qt::PointingHandCursor);
    setMinimumSize(56, 22);
    setColorValue(0);
}

void ColorSwatch::setColorValue(std::int32_t value) {
    value_ = value;
    QPalette pal = palette();
    pal.setColor(QPalette::Window, toQColor(value));
    setPalette(pal);
    update();
}

QColor ColorSwatch::toQColor(std::int32_t value) {
    const auto bits = static_cast<std::uint32_t>(value);
    return QColor(static_cast<int>(bits & 0xFFu), static_cast<int>((bits >> 8) & 0xFFu),
                  static_cast<int>((bits >> 16) & 0xFFu));
}

std::int32_t ColorSwatch::fromQColor(const QColor& color) {
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(color.red()) |
                                     (static_cast<std::uint32_t>(color.green()) << 8) |
                                     (static_cast<std::uint32_t>(color.blue()) << 16));
}

void ColorSwatch::mousePressEvent(QMouseEvent* event) {
    pressed_ = event->button() == Qt::LeftButton;
    event->accept();
}

void ColorSwatch::mouseReleaseEvent(QMouseEvent* event) {
    const bool click = pressed_ && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    pressed_ = false;
    event->accept();
    if (click) emit clicked();
}

}  // namespace kuvanto

// A small clickable area whose background shows one drawing colour. The colour is kept as the
// stored integer in the layout 0x00BBGGRR (red in the low byte), exactly as read, so a value is
// written back unchanged when the user does not pick a new one.
#pragma once

#include <QFrame>
#include <cstdint>

namespace kuvanto {

class ColorSwatch : public QFrame {
    Q_OBJECT
public:
    explicit ColorSwatch(QWidget* parent = nullptr);

    std::int32_t colorValue() const { return value_; }
    void setColorValue(std::int32_t value);

    // 0x00BBGGRR to a colour and back; bits above the low 24 are ignored for display.
    static QColor toQColor(std::int32_t value);
    static std::int32_t fromQColor(const QColor& color);

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    std::int32_t value_ = 0;
    bool pressed_ = false;
};

}  // namespace kuvanto

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

    std::int32_t Color_Value() const { return value_; }
    void Set_Color_Value(std::int32_t value);

    // 0x00BBGGRR to a colour and back; bits above the low 24 are ignored for display.
    static QColor To_QColor(std::int32_t value);
    static std::int32_t From_QColor(const QColor& color);

signals:
    void Clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    std::int32_t value_ = 0;
    bool pressed_ = false;
};

}  // namespace kuvanto

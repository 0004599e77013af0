// Draws the toolbar icons: shapes (rectangle, circle, line, corner) as line art, file and edit
// commands as a short mark on a tile whose colour groups them (files blue, editing green,
// transformations orange, exit red).
#include "app/ToolbarIcons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace kuvanto {

namespace {

constexpr int kSize = 24;

struct Tile {
    const char* key;
    const char* mark;
    QRgb color;
};

const Tile kTiles[] = {
    {"Write_CSV", "W", 0x2f6fb5},         {"Read_CSV", "R", 0x2f6fb5},
    {"Export_Result", "T", 0x2f6fb5},     {"Print_Out", "P", 0x2f6fb5},
    {"Undo_t", "\u21B6", 0x4a8a3a},       {"Exit_Prgm", "\u00D7", 0xb53a2f},
    {"Copy_Data", "C", 0x4a8a3a},         {"Paste_Data", "V", 0x4a8a3a},
    {"Insert_Row", "+", 0x4a8a3a},        {"Delete_Row", "-", 0x4a8a3a},
    {"All_Delete", "\u2205", 0xb53a2f},   {"Edit_Data", "E", 0x4a8a3a},
    {"Move_Cood", "\u2194", 0xc7781c},    {"Rotate_Cood", "\u21BB", 0xc7781c},
    {"Scaling_Cood", "\u2922", 0xc7781c}, {"Read_csv_in", "I", 0x2f6fb5},
    {"PreRst_Dgrm", "J", 0x7a4ab5},
};

void drawTile(QPainter& p, const Tile& t) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(t.color));
    p.drawRoundedRect(QRectF(1, 1, kSize - 2, kSize - 2), 4, 4);
    QFont f = p.font();
    f.setBold(true);
    f.setPixelSize(15);
    p.setFont(f);
    p.setPen(Qt::white);
    p.drawText(QRect(0, 0, kSize, kSize), Qt::AlignCenter, QString::fromUtf8(t.mark));
}

bool drawShape(QPainter& p, const QString& key) {
    p.setPen(QPen(QColor(0x20, 0x20, 0x20), 2));
    p.setBrush(Qt::NoBrush);
    if (key == QLatin1String("Insert_Sep")) {
        p.setPen(QPen(QColor(0x80, 0x20, 0x20), 2, Qt::DashLine));
        p.drawLine(3, 12, 21, 12);
    } else if (key == QLatin1String("Insert_Rect")) {
        p.drawRect(4, 6, 16, 12);
    } else if (key == QLatin1String("Insert_Arc")) {
        p.drawEllipse(4, 4, 16, 16);
    } else if (key == QLatin1String("Line_Angle_t")) {
        p.drawLine(4, 20, 20, 4);
    } else if (key == QLatin1String("dx_Angle_t")) {
        p.drawLine(4, 20, 20, 8);
        p.setPen(QPen(Qt::red, 2));
        p.drawLine(4, 21, 20, 21);
    } else if (key == QLatin1String("dy_Angle_t")) {
        p.drawLine(4, 20, 16, 4);
        p.setPen(QPen(Qt::red, 2));
        p.drawLine(20, 4, 20, 20);
    } else if (key == QLatin1String("CornerR_t")) {
        QPainterPath path(QPointF(4, 20));
        path.lineTo(4, 12);
        path.quadTo(4, 4, 12, 4);
        path.lineTo(20, 4);
        p.drawPath(path);
    } else if (key == QLatin1String("FreeHand")) {
        QPainterPath path(QPointF(3, 18));
        path.cubicTo(8, 2, 14, 24, 21, 6);
        p.drawPath(path);
    } else {
        return false;
    }
    return true;
}

}  // namespace

QIcon toolbarIcon(const QString& key) {
    QPixmap pixmap(kSize, kSize);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    if (!drawShape(p, key)) {
        const Tile* tile = nullptr;
        for (const Tile& t : kTiles)
            if (key == QLatin1String(t.key)) tile = &t;
        static const Tile plain{"", "", 0x808080};
        drawTile(p, tile ? *tile : plain);
    }
    p.end();
    return QIcon(pixmap);
}

}  // namespace kuvanto

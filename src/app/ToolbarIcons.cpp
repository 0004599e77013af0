// Draws the command pictures on a 24-unit grid scaled to the requested size: files and sheets
// in white with a dark outline, table rows as striped blocks, shapes as dark line art, with one
// accent colour per picture (green adds, red removes, blue moves data in or out).
#include "app/ToolbarIcons.h"

#include <QIconEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QtMath>

namespace kuvanto {

namespace {

constexpr qreal kGrid = 24.0;

struct Palette {
    QColor ink{0x30, 0x30, 0x30};
    QColor paper{Qt::white};
    QColor green{0x2e, 0x8b, 0x3a};
    QColor red{0xc6, 0x30, 0x2a};
    QColor blue{0x2a, 0x66, 0xb8};
    QColor yellow{0xe8, 0xb8, 0x3a};
    QColor grey{0x9a, 0x9a, 0x9a};

    static Palette disabled() {
        Palette p;
        const QColor g(0xa8, 0xa8, 0xa8);
        p.ink = g;
        p.paper = QColor(0xf0, 0xf0, 0xf0);
        p.green = p.red = p.blue = p.yellow = p.grey = g;
        return p;
    }
};

QPen pen(const QColor& color, qreal width = 1.6) {
    return QPen(color, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void arrowHead(QPainter& p, QPointF tip, qreal angleDegrees, const QColor& color) {
    const qreal a = qDegreesToRadians(angleDegrees);
    const qreal len = 4.5;
    const QPointF left = tip - QPointF(len * std::cos(a - 0.5), len * std::sin(a - 0.5));
    const QPointF right = tip - QPointF(len * std::cos(a + 0.5), len * std::sin(a + 0.5));
    p.setPen(pen(color, 1.2));
    p.setBrush(color);
    p.drawPolygon(QPolygonF{tip, left, right});
    p.setBrush(Qt::NoBrush);
}

void arrow(QPainter& p, QPointF from, QPointF to, const QColor& color, qreal width = 2.0) {
    p.setPen(pen(color, width));
    const QPointF d = to - from;
    const qreal angle = qRadiansToDegrees(std::atan2(d.y(), d.x()));
    const qreal len = std::hypot(d.x(), d.y());
    p.drawLine(from, to - d / len * 2.5);
    arrowHead(p, to, angle, color);
}

void sheet(QPainter& p, const QRectF& r, const Palette& c, bool lines = true) {
    QPainterPath path;
    const qreal fold = 4;
    path.moveTo(r.topLeft());
    path.lineTo(r.right() - fold, r.top());
    path.lineTo(r.right(), r.top() + fold);
    path.lineTo(r.bottomRight());
    path.lineTo(r.bottomLeft());
    path.closeSubpath();
    p.setPen(pen(c.ink, 1.2));
    p.setBrush(c.paper);
    p.drawPath(path);
    p.setBrush(Qt::NoBrush);
    if (!lines) return;
    p.setPen(pen(c.grey, 1.0));
    for (qreal y = r.top() + 5; y < r.bottom() - 2; y += 3)
        p.drawLine(QPointF(r.left() + 2.5, y), QPointF(r.right() - 2.5, y));
}

// Three table rows; `mark` is the row drawn in the accent colour (-1 for none).
void rows(QPainter& p, const Palette& c, int mark, const QColor& accent) {
    for (int i = 0; i < 3; ++i) {
        const QRectF r(3, 4 + i * 6, 13, 5);
        p.setPen(pen(c.ink, 1.0));
        p.setBrush(i == mark ? accent.lighter(150) : c.paper);
        p.drawRect(r);
        p.drawLine(QPointF(9.5, r.top()), QPointF(9.5, r.bottom()));
    }
    p.setBrush(Qt::NoBrush);
}

void plusMinus(QPainter& p, QPointF centre, bool plus, const QColor& color) {
    p.setPen(Qt::NoPen);
    p.setBrush(color);
    p.drawEllipse(centre, 5, 5);
    p.setPen(pen(Qt::white, 2.0));
    p.drawLine(centre - QPointF(2.8, 0), centre + QPointF(2.8, 0));
    if (plus) p.drawLine(centre - QPointF(0, 2.8), centre + QPointF(0, 2.8));
    p.setBrush(Qt::NoBrush);
}

void drawPicture(QPainter& p, ToolIcon picture, const Palette& c) {
    switch (picture) {
        case ToolIcon::none:
            break;
        case ToolIcon::open: {
            QPainterPath back;
            back.moveTo(2, 19);
            back.lineTo(2, 5);
            back.lineTo(8, 5);
            back.lineTo(10, 7);
            back.lineTo(19, 7);
            back.lineTo(19, 10);
            p.setPen(pen(c.ink, 1.2));
            p.setBrush(c.yellow.darker(115));
            p.drawPath(back);
            QPainterPath front;
            front.moveTo(2, 19);
            front.lineTo(6, 10);
            front.lineTo(22, 10);
            front.lineTo(18, 19);
            front.closeSubpath();
            p.setBrush(c.yellow);
            p.drawPath(front);
            break;
        }
        case ToolIcon::save:
            p.setPen(pen(c.ink, 1.2));
            p.setBrush(c.blue);
            p.drawRoundedRect(QRectF(3, 3, 18, 18), 2, 2);
            p.setBrush(c.paper);
            p.drawRect(QRectF(6, 3, 12, 7));
            p.setBrush(c.ink);
            p.drawRect(QRectF(7, 14, 10, 7));
            p.setBrush(c.paper);
            p.drawRect(QRectF(13, 15.5, 2.5, 4));
            break;
        case ToolIcon::exportText:
            sheet(p, QRectF(3, 2, 13, 19), c);
            arrow(p, QPointF(11, 15), QPointF(22, 15), c.blue, 2.2);
            break;
        case ToolIcon::print:
            p.setPen(pen(c.ink, 1.2));
            p.setBrush(c.paper);
            p.drawRect(QRectF(7, 2, 10, 7));
            p.setBrush(c.grey);
            p.drawRoundedRect(QRectF(2, 8, 20, 9), 2, 2);
            p.setBrush(c.paper);
            p.drawRect(QRectF(7, 14, 10, 8));
            p.setPen(pen(c.grey, 1.0));
            p.drawLine(QPointF(9, 17), QPointF(15, 17));
            p.drawLine(QPointF(9, 19.5), QPointF(15, 19.5));
            p.setPen(Qt::NoPen);
            p.setBrush(c.green);
            p.drawEllipse(QPointF(18.5, 11), 1.2, 1.2);
            break;
        case ToolIcon::undo: {
            QPainterPath path(QPointF(7, 9));
            path.lineTo(15, 9);
            path.cubicTo(21, 9, 21, 19, 15, 19);
            path.lineTo(9, 19);
            p.setPen(pen(c.blue, 2.2));
            p.drawPath(path);
            arrowHead(p, QPointF(3, 9), 180, c.blue);
            break;
        }
        case ToolIcon::redo: {
            QPainterPath path(QPointF(17, 9));
            path.lineTo(9, 9);
            path.cubicTo(3, 9, 3, 19, 9, 19);
            path.lineTo(15, 19);
            p.setPen(pen(c.blue, 2.2));
            p.drawPath(path);
            arrowHead(p, QPointF(21, 9), 0, c.blue);
            break;
        }
        case ToolIcon::exit:
            p.setPen(pen(c.ink, 1.2));
            p.setBrush(c.yellow.darker(140));
            p.drawRect(QRectF(3, 2, 11, 20));
            p.setBrush(c.paper);
            p.drawEllipse(QPointF(11.5, 12), 1, 1);
            arrow(p, QPointF(10, 12), QPointF(22, 12), c.red, 2.4);
            break;
        case ToolIcon::copy:
            sheet(p, QRectF(3, 2, 11, 14), c);
            sheet(p, QRectF(9, 8, 11, 14), c);
            break;
        case ToolIcon::paste:
            p.setPen(pen(c.ink, 1.2));
            p.setBrush(c.yellow.darker(125));
            p.drawRoundedRect(QRectF(3, 4, 14, 18), 1.5, 1.5);
            p.setBrush(c.grey);
            p.drawRoundedRect(QRectF(7, 2, 6, 4), 1, 1);
            sheet(p, QRectF(10, 9, 11, 13), c);
            break;
        case ToolIcon::insertRow:
            rows(p, c, 1, c.green);
            plusMinus(p, QPointF(18, 17), true, c.green);
            break;
        case ToolIcon::deleteRow:
            rows(p, c, 1, c.red);
            plusMinus(p, QPointF(18, 17), false, c.red);
            break;
        case ToolIcon::eraseAll:
            rows(p, c, -1, c.red);
            p.setPen(pen(c.red, 2.6));
            p.drawLine(QPointF(13, 12), QPointF(21, 20));
            p.drawLine(QPointF(21, 12), QPointF(13, 20));
            break;
        case ToolIcon::editText: {
            sheet(p, QRectF(3, 2, 13, 19), c);
            QPolygonF pencil{QPointF(11, 19), QPointF(12, 15), QPointF(20, 7), QPointF(23, 10),
                             QPointF(15, 18)};
            p.setPen(pen(c.ink, 1.1));
            p.setBrush(c.yellow);
            p.drawPolygon(pencil);
            break;
        }
        case ToolIcon::move:
            arrow(p, QPointF(12, 12), QPointF(12, 2), c.ink);
            arrow(p, QPointF(12, 12), QPointF(12, 22), c.ink);
            arrow(p, QPointF(12, 12), QPointF(2, 12), c.ink);
            arrow(p, QPointF(12, 12), QPointF(22, 12), c.ink);
            break;
        case ToolIcon::rotate: {
            p.setPen(pen(c.ink, 1.2));
            p.setBrush(c.blue.lighter(170));
            p.drawRect(QRectF(8, 8, 8, 8));
            p.setBrush(Qt::NoBrush);
            p.setPen(pen(c.blue, 2.0));
            p.drawArc(QRectF(3, 3, 18, 18), 90 * 16, 250 * 16);
            arrowHead(p, QPointF(14.5, 3.2), 0, c.blue);
            break;
        }
        case ToolIcon::scale:
            p.setPen(pen(c.ink, 1.2));
            p.drawRect(QRectF(2, 6, 16, 16));
            p.setBrush(c.blue.lighter(170));
            p.drawRect(QRectF(2, 15, 7, 7));
            p.setBrush(Qt::NoBrush);
            arrow(p, QPointF(8, 16), QPointF(21, 3), c.blue);
            break;
        case ToolIcon::separatorRow:
            p.setPen(pen(c.ink, 1.0));
            p.setBrush(c.paper);
            p.drawRect(QRectF(3, 3, 18, 5));
            p.drawRect(QRectF(3, 16, 18, 5));
            p.setPen(QPen(c.red, 2.0, Qt::DashLine, Qt::FlatCap));
            p.drawLine(QPointF(2, 12), QPointF(22, 12));
            break;
        case ToolIcon::rectangle:
            p.setPen(pen(c.ink, 2.0));
            p.setBrush(c.blue.lighter(175));
            p.drawRect(QRectF(3, 6, 18, 12));
            break;
        case ToolIcon::circle:
            p.setPen(pen(c.ink, 2.0));
            p.setBrush(c.blue.lighter(175));
            p.drawEllipse(QRectF(3, 3, 18, 18));
            p.setPen(pen(c.ink, 1.0));
            p.drawLine(QPointF(12, 12), QPointF(20.5, 12));
            break;
        case ToolIcon::lineAngle:
            p.setPen(pen(c.grey, 1.0));
            p.drawLine(QPointF(3, 20), QPointF(21, 20));
            p.setPen(pen(c.red, 1.2));
            p.drawArc(QRectF(-5, 12, 16, 16), 0, 45 * 16);
            p.setPen(pen(c.ink, 2.2));
            p.drawLine(QPointF(3, 20), QPointF(19, 4));
            break;
        case ToolIcon::lineDx:
            p.setPen(pen(c.ink, 2.2));
            p.drawLine(QPointF(3, 17), QPointF(20, 5));
            arrow(p, QPointF(3, 21), QPointF(21, 21), c.red, 1.6);
            break;
        case ToolIcon::lineDy:
            p.setPen(pen(c.ink, 2.2));
            p.drawLine(QPointF(3, 21), QPointF(15, 4));
            arrow(p, QPointF(20, 21), QPointF(20, 3), c.red, 1.6);
            break;
        case ToolIcon::corner: {
            p.setPen(QPen(c.grey, 1.0, Qt::DashLine));
            p.drawLine(QPointF(4, 4), QPointF(4, 20));
            p.drawLine(QPointF(4, 4), QPointF(20, 4));
            QPainterPath path(QPointF(4, 21));
            path.lineTo(4, 13);
            path.arcTo(QRectF(4, 4, 18, 18), 180, -90);
            path.lineTo(21, 4);
            p.setPen(pen(c.ink, 2.2));
            p.drawPath(path);
            p.setPen(pen(c.red, 1.2));
            p.drawLine(QPointF(13, 13), QPointF(6.8, 6.8));
            break;
        }
        case ToolIcon::freehand: {
            QPainterPath path(QPointF(3, 18));
            path.cubicTo(7, 2, 13, 24, 21, 5);
            p.setPen(pen(c.ink, 2.2));
            p.drawPath(path);
            p.setPen(Qt::NoPen);
            p.setBrush(c.red);
            for (QPointF at : {QPointF(3, 18), QPointF(21, 5)}) p.drawEllipse(at, 2, 2);
            break;
        }
        case ToolIcon::insertFile:
            sheet(p, QRectF(2, 2, 11, 15), c);
            rows(p, c, -1, c.blue);
            arrow(p, QPointF(10, 20), QPointF(21, 20), c.blue, 2.0);
            p.setPen(pen(c.ink, 1.0));
            p.setBrush(c.green.lighter(160));
            p.drawRect(QRectF(14, 6, 8, 10));
            p.drawLine(QPointF(14, 11), QPointF(22, 11));
            break;
        case ToolIcon::library: {
            // An I-beam section, the best known of the registered shapes.
            QPainterPath beam;
            beam.addRect(QRectF(4, 3, 16, 4));
            beam.addRect(QRectF(10, 7, 4, 10));
            beam.addRect(QRectF(4, 17, 16, 4));
            beam.setFillRule(Qt::WindingFill);
            p.setPen(pen(c.ink, 1.0));
            p.setBrush(c.blue.lighter(150));
            p.drawPath(beam.simplified());
            break;
        }
    }
}

class PictureEngine : public QIconEngine {
public:
    explicit PictureEngine(ToolIcon picture) : picture_(picture) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State) override {
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing);
        painter->translate(rect.topLeft());
        const qreal side = std::min(rect.width(), rect.height());
        painter->translate((rect.width() - side) / 2, (rect.height() - side) / 2);
        painter->scale(side / kGrid, side / kGrid);
        drawPicture(*painter, picture_, mode == QIcon::Disabled ? Palette::disabled() : Palette{});
        painter->restore();
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        QPixmap pixmap(size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        paint(&painter, QRect(QPoint(0, 0), size), mode, state);
        return pixmap;
    }

    QIconEngine* clone() const override { return new PictureEngine(picture_); }

private:
    ToolIcon picture_;
};

}  // namespace

QIcon toolIcon(ToolIcon picture) {
    if (picture == ToolIcon::none) return QIcon();
    return QIcon(new PictureEngine(picture));
}

}  // namespace kuvanto

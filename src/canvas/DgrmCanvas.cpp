// The canvas widget: the picture kept as an image the size of the square drawing area, redrawn
// through DgrmView, and the controls and legends that sit on it.
#include "DgrmCanvas.h"

#include <QHBoxLayout>
#include <QPaintEvent>
#include <QPainter>
#include <QPixmap>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "ImagePainter.h"

namespace kuvanto {

namespace {

constexpr int kLegendSize = 18;
constexpr int kAxesLegendSize = 46;
constexpr int kInset = 4;

// A small picture of a circular mark: two circles and a cross, as the canvas draws it.
QPixmap Mark_Legend(std::uint32_t bgr) {
    QPixmap pixmap(kLegendSize, kLegendSize);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setPen(QPen(Bgr_Color(bgr), 1));
    const QPointF c(kLegendSize / 2.0, kLegendSize / 2.0);
    p.drawEllipse(c, 4, 4);
    p.drawEllipse(c, 2, 2);
    p.drawLine(QPointF(c.x() - 8, c.y()), QPointF(c.x() + 8, c.y()));
    p.drawLine(QPointF(c.x(), c.y() - 8), QPointF(c.x(), c.y() + 8));
    return pixmap;
}

void Draw_Arrow(QPainter& p, QPointF from, QPointF to, const QColor& color) {
    p.setPen(QPen(color, 2));
    p.setBrush(color);
    p.drawLine(from, to);
    const QPointF d = (to - from) / std::hypot(to.x() - from.x(), to.y() - from.y());
    const QPointF n(-d.y(), d.x());
    const QPointF head[3] = {to + d * 2, to - d * 6 + n * 4, to - d * 6 - n * 4};
    p.drawPolygon(head, 3);
}

// The fixed legend of the axes: a green arrow labelled Y pointing up, a red arrow labelled X
// pointing right.
QPixmap Axes_Legend() {
    QPixmap pixmap(kAxesLegendSize, kAxesLegendSize);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing, true);
    const QPointF origin(8, kAxesLegendSize - 8);
    Draw_Arrow(p, origin, QPointF(origin.x(), 10), QColor(0, 255, 0));
    Draw_Arrow(p, origin, QPointF(kAxesLegendSize - 10, origin.y()), QColor(255, 0, 0));
    QFont font = p.font();
    font.setPixelSize(10);
    font.setBold(true);
    p.setFont(font);
    p.setPen(QColor(0, 255, 0));
    p.drawText(QRectF(origin.x() + 4, 0, 14, 14), Qt::AlignCenter, QStringLiteral("Y"));
    p.setPen(QColor(255, 0, 0));
    p.drawText(QRectF(kAxesLegendSize - 14, origin.y() - 18, 14, 14), Qt::AlignCenter,
               QStringLiteral("X"));
    return pixmap;
}

// Light text, so that the switches read on the dark ground.
void Light_Text(QWidget* widget) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, QColor(230, 230, 230));
    palette.setColor(QPalette::ButtonText, QColor(230, 230, 230));
    widget->setPalette(palette);
}

QWidget* Switch_With_Legend(QCheckBox* check, std::uint32_t mark_color, QWidget* parent) {
    auto* row = new QWidget(parent);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    auto* legend = new QLabel(row);
    legend->setPixmap(Mark_Legend(mark_color));
    layout->addWidget(legend);
    layout->addWidget(check);
    return row;
}

}  // namespace

DgrmCanvas::DgrmCanvas(const CoodGrid& add, const CoodGrid& sbtrt, const ResultGrid& result,
                       const DrawColors& colors, QWidget* parent)
    : QWidget(parent), view_(add, sbtrt, result, colors) {
    setObjectName(QStringLiteral("Picture1"));
    setFocusPolicy(Qt::ClickFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMinimumSize(120, 120);

    check1_ = new QCheckBox(QStringLiteral("原点表示"));
    check1_->setObjectName(QStringLiteral("Check1"));
    check1_->setChecked(true);
    check2_ = new QCheckBox(QStringLiteral("図心表示"));
    check2_->setObjectName(QStringLiteral("Check2"));
    check2_->setChecked(true);
    for (QCheckBox* check : {check1_, check2_}) {
        Light_Text(check);
        check->setFocusPolicy(Qt::NoFocus);
    }

    switches_ = new QWidget(this);
    auto* column = new QVBoxLayout(switches_);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->addWidget(Switch_With_Legend(check1_, kOriginMarkColor, switches_));
    column->addWidget(Switch_With_Legend(check2_, kCentroidMarkColor, switches_));
    switches_->adjustSize();

    freehand_check_ = new QCheckBox(QStringLiteral("FreeHandモード解除"), this);
    freehand_check_->setObjectName(QStringLiteral("FreeHand_Check"));
    freehand_check_->setChecked(false);
    freehand_check_->setFocusPolicy(Qt::NoFocus);
    Light_Text(freehand_check_);
    freehand_check_->adjustSize();
    freehand_check_->hide();

    axes_legend_ = new QLabel(this);
    axes_legend_->setObjectName(QStringLiteral("Axes_Legend"));
    axes_legend_->setPixmap(Axes_Legend());
    axes_legend_->adjustSize();
    axes_legend_->setAttribute(Qt::WA_TransparentForMouseEvents);

    connect(check1_, &QCheckBox::toggled, this, [this](bool on) {
        view_.Check1 = on;
        Redraw_Dgrm();
    });
    connect(check2_, &QCheckBox::toggled, this, [this](bool on) {
        view_.Check2 = on;
        Redraw_Dgrm();
    });
    connect(freehand_check_, &QCheckBox::toggled, this,
            [this](bool on) { view_.FreeHand_Check = on; });

    Fit_Image();
    Place_Controls();
}

void DgrmCanvas::Set_Auto_Scale(bool on) {
    if (view_.Auto_Scale_Check == on) return;
    view_.Auto_Scale_Check = on;
    emit Auto_Scale_Changed(on);
}

void DgrmCanvas::Set_Grid_Step_Text(const QString& text) {
    view_.Combo1 = text.toStdString();
}

bool DgrmCanvas::Fit_Image() {
    const int side = std::max(1, std::min(width(), height()));
    area_ = QRect((width() - side) / 2, (height() - side) / 2, side, side);
    if (!image_.isNull() && image_.width() == side) return false;
    image_ = QImage(side, side, QImage::Format_RGB32);
    image_.fill(Bgr_Color(kCanvasBackColor));
    return true;
}

void DgrmCanvas::Place_Controls() {
    switches_->move(area_.right() + 1 - switches_->width() - kInset, area_.top() + kInset);
    freehand_check_->move(area_.left() + kInset, area_.top() + kInset);
    axes_legend_->move(area_.left() + kInset, area_.bottom() + 1 - axes_legend_->height() - kInset);
}

void DgrmCanvas::Redraw_Dgrm() {
    Fit_Image();
    {
        ImagePainter painter(image_);
        view_.Redraw_Dgrm(painter);
    }
    drawn_ = true;
    update();
}

template <typename Draw>
void DgrmCanvas::Draw_Over(Draw draw) {
    Fit_Image();
    {
        ImagePainter painter(image_);
        painter.Set_Window(view_.Scale_Left(), view_.Scale_Top(), view_.Scale_Right(),
                           view_.Scale_Bottom());
        painter.Set_Pen_Width(view_.Draw_Width());
        draw(painter);
    }
    update(area_);
}

void DgrmCanvas::Draw_Line(WorldPt from, WorldPt to, std::uint32_t color) {
    Draw_Over([&](ImagePainter& p) { p.Segment(from, to, color); });
}

void DgrmCanvas::Draw_Circle(WorldPt centre, double radius, std::uint32_t color) {
    Draw_Over([&](ImagePainter& p) { p.Circle(centre, radius, color); });
}

void DgrmCanvas::Draw_Dot(WorldPt at, std::uint32_t color) {
    Draw_Over([&](ImagePainter& p) { p.Dot(at, color); });
}

WorldPt DgrmCanvas::To_World(QPointF widget_pos) const {
    const QPointF local = widget_pos - QPointF(area_.topLeft());
    return view_.To_World(WorldPt{local.x(), local.y()}, area_.width());
}

QPointF DgrmCanvas::To_Widget(WorldPt world) const {
    const WorldPt pixel = view_.To_Pixel(world, area_.width());
    return QPointF(pixel.x, pixel.y) + QPointF(area_.topLeft());
}

void DgrmCanvas::paintEvent(QPaintEvent* event) {
    QPainter p(this);
    const QRegion outside = QRegion(rect()).subtracted(QRegion(area_));
    for (const QRect& r : outside) p.fillRect(r, palette().window());
    p.drawImage(area_.topLeft(), image_);
    (void)event;
}

void DgrmCanvas::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    const bool resized = Fit_Image();
    Place_Controls();
    if (resized && drawn_) Redraw_Dgrm();
}

}  // namespace kuvanto

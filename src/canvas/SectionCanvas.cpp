// The canvas widget: the picture kept as an image the size of the square drawing area, redrawn
// through SectionView, and the controls and legends that sit on it.
#include "canvas/SectionCanvas.h"

#include <QHBoxLayout>
#include <QPaintEvent>
#include <QPainter>
#include <QPixmap>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "canvas/ImagePainter.h"
#include "canvas/MaterialTint.h"

namespace kuvanto {

namespace {

constexpr int kLegendSize = 18;
constexpr int kAxesLegendSize = 46;
constexpr int kInset = 4;

// A small picture of a circular mark: two circles and a cross, as the canvas draws it.
QPixmap markLegend(std::uint32_t bgr) {
    QPixmap pixmap(kLegendSize, kLegendSize);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setPen(QPen(bgrColor(bgr), 1));
    const QPointF c(kLegendSize / 2.0, kLegendSize / 2.0);
    p.drawEllipse(c, 4, 4);
    p.drawEllipse(c, 2, 2);
    p.drawLine(QPointF(c.x() - 8, c.y()), QPointF(c.x() + 8, c.y()));
    p.drawLine(QPointF(c.x(), c.y() - 8), QPointF(c.x(), c.y() + 8));
    return pixmap;
}

void drawArrow(QPainter& p, QPointF from, QPointF to, const QColor& color) {
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
QPixmap axesLegend() {
    QPixmap pixmap(kAxesLegendSize, kAxesLegendSize);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing, true);
    const QPointF origin(8, kAxesLegendSize - 8);
    drawArrow(p, origin, QPointF(origin.x(), 10), QColor(0, 255, 0));
    drawArrow(p, origin, QPointF(kAxesLegendSize - 10, origin.y()), QColor(255, 0, 0));
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
void lightText(QWidget* widget) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, QColor(230, 230, 230));
    palette.setColor(QPalette::ButtonText, QColor(230, 230, 230));
    widget->setPalette(palette);
}

QWidget* switchWithLegend(QCheckBox* check, std::uint32_t markColor, QWidget* parent) {
    auto* row = new QWidget(parent);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    auto* legend = new QLabel(row);
    legend->setPixmap(markLegend(markColor));
    layout->addWidget(legend);
    layout->addWidget(check);
    return row;
}

}  // namespace

SectionCanvas::SectionCanvas(const CoordTable& add, const CoordTable& subtracted,
                             const ResultTable& result, const DrawColors& colors, QWidget* parent)
    : QWidget(parent), view_(add, subtracted, result, colors), add_(add), subtracted_(subtracted) {
    setObjectName(QStringLiteral("Picture1"));
    setFocusPolicy(Qt::ClickFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMinimumSize(120, 120);

    showOrigin_ = new QCheckBox(tr("原点表示"));
    showOrigin_->setObjectName(QStringLiteral("Check1"));
    showOrigin_->setChecked(true);
    showCentroid_ = new QCheckBox(tr("図心表示"));
    showCentroid_->setObjectName(QStringLiteral("Check2"));
    showCentroid_->setChecked(true);
    showShearCentre_ = new QCheckBox(tr("せん断中心表示"));
    showShearCentre_->setObjectName(QStringLiteral("Shear_Centre_Check"));
    showShearCentre_->setChecked(true);
    showPrincipalAxes_ = new QCheckBox(tr("主軸表示"));
    showPrincipalAxes_->setObjectName(QStringLiteral("Principal_Check"));
    showPrincipalAxes_->setChecked(false);
    for (QCheckBox* check : {showOrigin_, showCentroid_, showShearCentre_, showPrincipalAxes_}) {
        lightText(check);
        check->setFocusPolicy(Qt::NoFocus);
    }

    switches_ = new QWidget(this);
    auto* column = new QVBoxLayout(switches_);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->addWidget(switchWithLegend(showOrigin_, kOriginMarkColor, switches_));
    column->addWidget(switchWithLegend(showCentroid_, kCentroidMarkColor, switches_));
    column->addWidget(switchWithLegend(showShearCentre_, kShearCentreColor, switches_));
    column->addWidget(switchWithLegend(showPrincipalAxes_, kMajorAxisColor, switches_));
    switches_->adjustSize();

    freehandCheck_ = new QCheckBox(tr("FreeHandモード解除"), this);
    freehandCheck_->setObjectName(QStringLiteral("FreeHand_Check"));
    freehandCheck_->setChecked(false);
    freehandCheck_->setFocusPolicy(Qt::NoFocus);
    lightText(freehandCheck_);
    freehandCheck_->adjustSize();
    freehandCheck_->hide();

    axesLegend_ = new QLabel(this);
    axesLegend_->setObjectName(QStringLiteral("Axes_Legend"));
    axesLegend_->setPixmap(axesLegend());
    axesLegend_->adjustSize();
    axesLegend_->setAttribute(Qt::WA_TransparentForMouseEvents);

    connect(showOrigin_, &QCheckBox::toggled, this, [this](bool on) {
        view_.showOrigin = on;
        redrawSection();
    });
    connect(showCentroid_, &QCheckBox::toggled, this, [this](bool on) {
        view_.showCentroid = on;
        redrawSection();
    });
    connect(showShearCentre_, &QCheckBox::toggled, this, [this](bool on) {
        view_.showShearCentre = on;
        redrawSection();
    });
    connect(showPrincipalAxes_, &QCheckBox::toggled, this, [this](bool on) {
        view_.showPrincipalAxes = on;
        redrawSection();
    });
    connect(freehandCheck_, &QCheckBox::toggled, this,
            [this](bool on) { view_.freeHandCheck = on; });

    fitImage();
    placeControls();
}

void SectionCanvas::setAutoScale(bool on) {
    if (view_.autoScaleCheck == on) return;
    view_.autoScaleCheck = on;
    emit autoScaleChanged(on);
}

void SectionCanvas::setGridStepText(const QString& text) {
    view_.gridStepBox = text.toStdString();
}

bool SectionCanvas::fitImage() {
    const int side = std::max(1, std::min(width(), height()));
    area_ = QRect((width() - side) / 2, (height() - side) / 2, side, side);
    if (!image_.isNull() && image_.width() == side) return false;
    image_ = QImage(side, side, QImage::Format_RGB32);
    image_.fill(bgrColor(kCanvasBackColor));
    return true;
}

void SectionCanvas::placeControls() {
    switches_->move(area_.right() + 1 - switches_->width() - kInset, area_.top() + kInset);
    freehandCheck_->move(area_.left() + kInset, area_.top() + kInset);
    axesLegend_->move(area_.left() + kInset, area_.bottom() + 1 - axesLegend_->height() - kInset);
}

void SectionCanvas::redrawSection() {
    fitImage();  // the drawing area follows the widget's size at once
    redrawPending_ = true;
    drawn_ = true;
    update();
}

void SectionCanvas::flushRedraw() const {
    if (!redrawPending_) return;
    // A canvas is never made const; what is asked of it through a const reference still wants
    // the drawing it would show.
    auto* self = const_cast<SectionCanvas*>(this);
    self->redrawPending_ = false;
    self->fitImage();
    {
        ImagePainter painter(self->image_);
        self->view_.redrawSection(painter);
    }
    if (materials_) paintMaterialTint(self->image_, view_, add_, subtracted_, *materials_);
}

template <typename DrawFunction>
void SectionCanvas::drawOver(DrawFunction draw) {
    flushRedraw();
    fitImage();
    {
        ImagePainter painter(image_);
        painter.setWindow(view_.scaleLeft(), view_.scaleTop(), view_.scaleRight(),
                          view_.scaleBottom());
        painter.setPenWidth(view_.drawWidth());
        draw(painter);
    }
    update(area_);
}

void SectionCanvas::drawLine(WorldPt from, WorldPt to, std::uint32_t color) {
    drawOver([&](ImagePainter& p) { p.segment(from, to, color); });
}

void SectionCanvas::drawCircle(WorldPt centre, double radius, std::uint32_t color) {
    drawOver([&](ImagePainter& p) { p.circle(centre, radius, color); });
}

void SectionCanvas::drawDot(WorldPt at, std::uint32_t color) {
    drawOver([&](ImagePainter& p) { p.dot(at, color); });
}

WorldPt SectionCanvas::toWorld(QPointF widgetPos) const {
    flushRedraw();
    const QPointF local = widgetPos - QPointF(area_.topLeft());
    return view_.toWorld(WorldPt{local.x(), local.y()}, area_.width());
}

QPointF SectionCanvas::toWidget(WorldPt world) const {
    flushRedraw();
    const WorldPt pixel = view_.toPixel(world, area_.width());
    return QPointF(pixel.x, pixel.y) + QPointF(area_.topLeft());
}

void SectionCanvas::paintEvent(QPaintEvent* event) {
    flushRedraw();
    QPainter p(this);
    const QRegion outside = QRegion(rect()).subtracted(QRegion(area_));
    for (const QRect& r : outside) p.fillRect(r, palette().window());
    p.drawImage(area_.topLeft(), image_);
    (void)event;
}

void SectionCanvas::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    const bool resized = fitImage();
    placeControls();
    if (resized && drawn_) redrawSection();
}

}  // namespace kuvanto

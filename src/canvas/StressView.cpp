// Drawing the stress picture. The mask holds the figures filled in the widget's pixels (added
// figures opaque, then subtracted ones cleared), the picture the colour of the component at each
// pixel's centre kept where the mask is opaque; both are remade when the size, the case or the
// component changes and only copied on a plain repaint. Axes, markers, arrows and texts are drawn
// over them on every paint. Values at the nodes are spread over the pixels triangle by triangle
// with barycentric weights; a pixel of the mask whose centre no triangle covers (on the outline,
// by rounding) takes its neighbour's value in the row.
#include "canvas/StressView.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

#include "core/base/NumberText.h"

namespace kuvanto {

namespace {

constexpr int kMargin = 12;
constexpr int kBarWidth = 16;
constexpr int kBarTextWidth = 70;
constexpr int kInfoHeight = 20;

QColor mix(const QColor& a, const QColor& b, double t) {
    t = std::clamp(t, 0.0, 1.0);
    return QColor::fromRgbF(static_cast<float>(a.redF() + (b.redF() - a.redF()) * t),
                            static_cast<float>(a.greenF() + (b.greenF() - a.greenF()) * t),
                            static_cast<float>(a.blueF() + (b.blueF() - a.blueF()) * t));
}

QString valueText(double value) {
    // Four significant digits; a value that rounds to zero is shown as 0.
    if (std::abs(value) < 5e-13) value = 0;
    return QString::number(value, 'g', 4);
}

QString pointText(Point p) {
    return QStringLiteral("(%1, %2)")
        .arg(QString::number(p.x, 'g', 6), QString::number(p.y, 'g', 6));
}

QString symbolOf(StressComponent component) {
    const std::string_view symbol = stressComponentEntry(component).symbol;
    return QString::fromUtf8(symbol.data(), static_cast<qsizetype>(symbol.size()));
}

}  // namespace

StressView::StressView(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Stress_View"));
    setMouseTracking(true);
    setMinimumSize(240, 200);
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Base);
}

void StressView::setOutline(SectionOutline outline) {
    outline_ = std::move(outline);
    bool first = true;
    for (const auto& figure : outline_.added)
        for (const Point p : figure) {
            if (!std::isfinite(p.x) || !std::isfinite(p.y)) continue;
            low_ = first ? p : Point{std::min(low_.x, p.x), std::min(low_.y, p.y)};
            high_ = first ? p : Point{std::max(high_.x, p.x), std::max(high_.y, p.y)};
            first = false;
        }
    dirty_ = true;
    update();
}

void StressView::setStress(std::shared_ptr<const SectionStress> stress, const QString& message) {
    stress_ = std::move(stress);
    nodeValuesOf_ = {nullptr, StressComponent::Count};
    message_ = message;
    dirty_ = true;
    update();
}

void StressView::setArrows(bool shown) {
    arrows_ = shown;
    dirty_ = true;
    update();
}

bool StressView::fromNodes(StressComponent component) const {
    return stress_ && stress_->sampledField() && stress_->loads().hasShearActions() &&
           stressComponentEntry(component).needsShear;
}

void StressView::setComponent(StressComponent component) {
    component_ = component;
    dirty_ = true;
    update();
}

bool StressView::shows() const {
    return stress_ && stress_->status() == StressStatus::Ok && stress_->has(component_);
}

std::optional<double> StressView::valueAt(Point p) const {
    if (!shows()) return std::nullopt;
    // Inside the material: inside an added figure and no subtracted one (by the parity of the
    // edges crossed by the ray from p towards +x).
    auto inside = [p](const std::vector<Point>& figure) {
        bool odd = false;
        const std::size_t n = figure.size();
        for (std::size_t i = 0, j = n - 1; i < n; j = i++) {
            const Point a = figure[i], b = figure[j];
            if ((a.y > p.y) != (b.y > p.y) && p.x < a.x + (p.y - a.y) * (b.x - a.x) / (b.y - a.y))
                odd = !odd;
        }
        return odd;
    };
    if (std::none_of(outline_.added.begin(), outline_.added.end(), inside) ||
        std::any_of(outline_.subtracted.begin(), outline_.subtracted.end(), inside))
        return std::nullopt;
    if (!fromNodes(component_))
        return SectionStress::valueWithoutShear(component_, stress_->normal()->at(p));
    // Linear over the triangle that holds p (the nearest one within rounding).
    const ShearStressField& field = *stress_->sampledField();
    if (nodeValuesOf_ != std::pair{stress_.get(), component_}) {
        nodeValues_ = stress_->values(component_);
        nodeValuesOf_ = {stress_.get(), component_};
    }
    const std::vector<double>& values = nodeValues_;
    if (values.size() < field.nodes().size()) return std::nullopt;
    for (const auto& t : field.triangles()) {
        const Point a = field.nodes()[t[0]], b = field.nodes()[t[1]], c = field.nodes()[t[2]];
        if (p.x < std::min({a.x, b.x, c.x}) || p.x > std::max({a.x, b.x, c.x}) ||
            p.y < std::min({a.y, b.y, c.y}) || p.y > std::max({a.y, b.y, c.y}))
            continue;
        const double area = (b.x - a.x) * (c.y - a.y) - (c.x - a.x) * (b.y - a.y);
        if (area == 0) continue;
        const double u = ((b.x - p.x) * (c.y - p.y) - (c.x - p.x) * (b.y - p.y)) / area;
        const double v = ((c.x - p.x) * (a.y - p.y) - (a.x - p.x) * (c.y - p.y)) / area;
        const double w = 1 - u - v;
        constexpr double kSlack = -1e-9;
        if (u < kSlack || v < kSlack || w < kSlack) continue;
        return u * values[t[0]] + v * values[t[1]] + w * values[t[2]];
    }
    return std::nullopt;
}

std::vector<float> StressView::rasterised(const Frame& f, StressComponent component) const {
    const int w = width(), h = height();
    std::vector<float> buffer(static_cast<std::size_t>(w) * static_cast<std::size_t>(h), NAN);
    const ShearStressField& field = *stress_->sampledField();
    const std::vector<double> values = stress_->values(component);
    std::vector<QPointF> screen;
    screen.reserve(field.nodes().size());
    for (const Point p : field.nodes()) screen.push_back(toScreen(f, p));
    for (const auto& t : field.triangles()) {
        const QPointF a = screen[t[0]], b = screen[t[1]], c = screen[t[2]];
        const double area = (b.x() - a.x()) * (c.y() - a.y()) - (c.x() - a.x()) * (b.y() - a.y());
        if (area == 0) continue;
        const int x0 =
            std::max(0, static_cast<int>(std::ceil(std::min({a.x(), b.x(), c.x()}) - 0.5)));
        const int x1 =
            std::min(w - 1, static_cast<int>(std::floor(std::max({a.x(), b.x(), c.x()}) - 0.5)));
        const int y0 =
            std::max(0, static_cast<int>(std::ceil(std::min({a.y(), b.y(), c.y()}) - 0.5)));
        const int y1 =
            std::min(h - 1, static_cast<int>(std::floor(std::max({a.y(), b.y(), c.y()}) - 0.5)));
        const double va = values[t[0]], vb = values[t[1]], vc = values[t[2]];
        for (int y = y0; y <= y1; ++y) {
            const double py = y + 0.5;
            float* line = buffer.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(w);
            for (int x = x0; x <= x1; ++x) {
                const double px = x + 0.5;
                const double u = ((b.x() - px) * (c.y() - py) - (c.x() - px) * (b.y() - py)) / area;
                const double v = ((c.x() - px) * (a.y() - py) - (a.x() - px) * (c.y() - py)) / area;
                const double rest = 1 - u - v;
                if (u < -1e-9 || v < -1e-9 || rest < -1e-9) continue;
                line[x] = static_cast<float>(u * va + v * vb + rest * vc);
            }
        }
    }
    // Pixels of the outline whose centres fell just outside every triangle: the row's neighbour.
    for (int y = 0; y < h; ++y) {
        float* line = buffer.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(w);
        float last = NAN;
        for (int x = 0; x < w; ++x) {
            if (std::isnan(line[x]))
                line[x] = last, last = NAN;
            else
                last = line[x];
        }
        last = NAN;
        for (int x = w - 1; x >= 0; --x) {
            if (std::isnan(line[x]))
                line[x] = last, last = NAN;
            else
                last = line[x];
        }
    }
    return buffer;
}

StressView::Frame StressView::frame() const {
    Frame f;
    f.bar = QRectF(width() - kMargin - kBarTextWidth - kBarWidth, kMargin + 20, kBarWidth,
                   height() - 2 * kMargin - kInfoHeight - 40);
    f.plot = QRectF(kMargin, kMargin + 20, f.bar.left() - 2 * kMargin,
                    height() - 2 * kMargin - kInfoHeight - 20);
    const double w = high_.x - low_.x, h = high_.y - low_.y;
    if (!(w > 0 || h > 0) || f.plot.width() < 10 || f.plot.height() < 10) return f;
    // Room around the section for the markers' texts.
    const double sx = w > 0 ? f.plot.width() * 0.8 / w : INFINITY;
    const double sy = h > 0 ? f.plot.height() * 0.8 / h : INFINITY;
    f.scale = std::min(sx, sy);
    f.centre = {(low_.x + high_.x) / 2, (low_.y + high_.y) / 2};
    f.valid = std::isfinite(f.scale) && f.scale > 0;
    return f;
}

QPointF StressView::toScreen(const Frame& f, Point p) const {
    return {f.plot.center().x() + (p.x - f.centre.x) * f.scale,
            f.plot.center().y() - (p.y - f.centre.y) * f.scale};
}

Point StressView::toModel(const Frame& f, QPointF p) const {
    return {f.centre.x + (p.x() - f.plot.center().x()) / f.scale,
            f.centre.y - (p.y() - f.plot.center().y()) / f.scale};
}

QColor StressView::divergingColor(double t) {
    static const QColor blue(59, 76, 192), white(247, 247, 247), red(180, 4, 38);
    return t < 0 ? mix(white, blue, -t) : mix(white, red, t);
}

QColor StressView::sequentialColor(double t) {
    static const QColor light(255, 255, 204), orange(253, 141, 60), dark(128, 0, 38);
    return t < 0.5 ? mix(light, orange, 2 * t) : mix(orange, dark, 2 * t - 1);
}

QColor StressView::colorOf(double value) const {
    const auto [low, high] = range();
    if (stressComponentEntry(component_).isSigned)
        return divergingColor(high > 0 ? value / high : 0);
    return sequentialColor(high > 0 ? value / high : 0);
}

void StressView::rebuild() {
    dirty_ = false;
    extremes_ = shows() ? stress_->extremes(component_) : std::nullopt;
    range_ = {0, 0};
    if (extremes_) {
        if (stressComponentEntry(component_).isSigned) {
            const double largest = std::max(std::abs(extremes_->max), std::abs(extremes_->min));
            range_ = {-largest, largest};
        } else {
            range_ = {0, std::max(extremes_->max, 0.0)};
        }
    }
    const Frame f = frame();
    mask_ = QImage();
    picture_ = QImage();
    if (!f.valid) return;
    mask_ = QImage(size(), QImage::Format_ARGB32_Premultiplied);
    mask_.fill(Qt::transparent);
    {
        QPainter painter(&mask_);
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.setPen(Qt::NoPen);
        auto polygonOf = [&](const std::vector<Point>& figure) {
            QPolygonF polygon;
            polygon.reserve(static_cast<qsizetype>(figure.size()));
            for (const Point p : figure) polygon << toScreen(f, p);
            return polygon;
        };
        painter.setBrush(Qt::black);
        for (const auto& figure : outline_.added)
            painter.drawPolygon(polygonOf(figure), Qt::WindingFill);
        painter.setCompositionMode(QPainter::CompositionMode_Clear);
        for (const auto& figure : outline_.subtracted)
            painter.drawPolygon(polygonOf(figure), Qt::WindingFill);
    }
    shearX_.clear();
    shearY_.clear();
    if (!shows()) return;
    picture_ = QImage(size(), QImage::Format_ARGB32_Premultiplied);
    picture_.fill(Qt::transparent);
    if (arrows_ && stress_->sampledField() && stress_->loads().hasShearActions()) {
        shearX_ = rasterised(f, StressComponent::ShearZX);
        shearY_ = rasterised(f, StressComponent::ShearZY);
    }
    if (fromNodes(component_)) {
        const std::vector<float> values = rasterised(f, component_);
        for (int y = 0; y < mask_.height(); ++y) {
            const auto* maskLine = reinterpret_cast<const QRgb*>(mask_.constScanLine(y));
            auto* line = reinterpret_cast<QRgb*>(picture_.scanLine(y));
            const float* row = values.data() + static_cast<std::size_t>(y) * mask_.width();
            for (int x = 0; x < mask_.width(); ++x)
                if (qAlpha(maskLine[x]) != 0 && !std::isnan(row[x]))
                    line[x] = colorOf(row[x]).rgba();
        }
        return;
    }

    // The field is linear: σ at a pixel's centre is σ at the row's start plus a step per column.
    const NormalStress& field = *stress_->normal();
    const double stepX = field.slopeX() / f.scale;
    for (int y = 0; y < mask_.height(); ++y) {
        const auto* maskLine = reinterpret_cast<const QRgb*>(mask_.constScanLine(y));
        auto* line = reinterpret_cast<QRgb*>(picture_.scanLine(y));
        double sigma = field.at(toModel(f, QPointF(0.5, y + 0.5)));
        for (int x = 0; x < mask_.width(); ++x, sigma += stepX) {
            if (qAlpha(maskLine[x]) == 0) continue;
            line[x] = colorOf(SectionStress::valueWithoutShear(component_, sigma)).rgba();
        }
    }
}

void StressView::drawArrows(QPainter& painter, const Frame& f) const {
    // One arrow per cell of a grid over the plot, at the cell's centre inside the material, its
    // length by |τ| against the largest |τ| (half a cell at most).
    constexpr int kCell = 26;
    const auto largest = stress_->extremes(StressComponent::Shear);
    if (!largest || !(largest->max > 0)) return;
    const int w = width();
    painter.save();
    painter.setPen(QPen(QColor(20, 20, 20), 1.2));
    painter.setBrush(QColor(20, 20, 20));
    for (int y = static_cast<int>(f.plot.top()) + kCell / 2; y < f.plot.bottom(); y += kCell)
        for (int x = static_cast<int>(f.plot.left()) + kCell / 2; x < f.plot.right(); x += kCell) {
            if (x >= mask_.width() || y >= mask_.height() || qAlpha(mask_.pixel(x, y)) == 0)
                continue;
            const std::size_t at = static_cast<std::size_t>(y) * static_cast<std::size_t>(w) + x;
            const double tx = shearX_[at], ty = shearY_[at];
            if (std::isnan(tx) || std::isnan(ty)) continue;
            const double size = std::hypot(tx, ty) / largest->max;
            if (size < 0.05) continue;
            const double length = 0.9 * kCell * std::min(size, 1.0);
            const QPointF direction(tx / std::hypot(tx, ty), -ty / std::hypot(tx, ty));
            const QPointF tail = QPointF(x, y) - direction * (length / 2);
            const QPointF head = QPointF(x, y) + direction * (length / 2);
            painter.drawLine(tail, head);
            const QPointF side(-direction.y(), direction.x());
            const double barb = std::min(5.0, length / 2);
            painter.drawPolygon(QPolygonF{head, head - direction * barb + side * (barb / 2),
                                          head - direction * barb - side * (barb / 2)});
        }
    painter.restore();
}

void StressView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    dirty_ = true;
}

void StressView::paintEvent(QPaintEvent*) {
    if (dirty_) rebuild();
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const Frame f = frame();
    const QColor ink = palette().color(QPalette::Text);
    const QString title = tr("%1 (MPa)").arg(symbolOf(component_));
    painter.setPen(ink);
    painter.drawText(QRectF(kMargin, kMargin - 4, width() - 2 * kMargin, 20),
                     Qt::AlignLeft | Qt::AlignVCenter, title);

    if (!f.valid) {
        painter.drawText(rect(), Qt::AlignCenter,
                         message_.isEmpty() ? tr("断面がありません。") : message_);
        return;
    }
    if (shows()) {
        painter.drawImage(0, 0, picture_);
    } else {
        // The section in grey with the reason the picture is missing.
        QImage grey = mask_;
        {
            QPainter tint(&grey);
            tint.setCompositionMode(QPainter::CompositionMode_SourceIn);
            tint.fillRect(grey.rect(), QColor(215, 215, 215));
        }
        painter.drawImage(0, 0, grey);
        QString reason = message_;
        if (reason.isEmpty() && stress_ && !stress_->has(component_))
            reason = QCoreApplication::translate("SectionStress",
                                                 std::string(stress_->shearNotice()).c_str());
        painter.setPen(ink);
        painter.drawText(f.plot.adjusted(0, 0, 0, -4),
                         Qt::AlignHCenter | Qt::AlignBottom | Qt::TextWordWrap, reason);
    }

    // The outlines over the fill.
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(ink, 1));
    for (const auto* figures : {&outline_.added, &outline_.subtracted})
        for (const auto& figure : *figures) {
            QPolygonF polygon;
            polygon.reserve(static_cast<qsizetype>(figure.size()));
            for (const Point p : figure) polygon << toScreen(f, p);
            painter.drawPolygon(polygon);
        }
    if (!shows()) return;

    // The neutral axis, dashed, across the plot.
    if (const std::optional<NeutralAxis> axis = stress_->neutralAxis()) {
        const double reach = 4 * std::max(high_.x - low_.x, high_.y - low_.y) +
                             std::hypot(axis->point.x - f.centre.x, axis->point.y - f.centre.y);
        const QPointF a = toScreen(f, {axis->point.x - reach * axis->direction.x,
                                       axis->point.y - reach * axis->direction.y});
        const QPointF b = toScreen(f, {axis->point.x + reach * axis->direction.x,
                                       axis->point.y + reach * axis->direction.y});
        painter.save();
        painter.setClipRect(f.plot);
        painter.setPen(QPen(QColor(40, 40, 40), 1.5, Qt::DashLine));
        painter.drawLine(a, b);
        painter.restore();
    }

    if (!shearX_.empty()) drawArrows(painter, f);

    // Markers at the extremes with their values and points.
    const std::optional<StressExtremes>& e = extremes_;
    auto marker = [&](Point p, const QString& label, const QColor& color, bool above) {
        const QPointF s = toScreen(f, p);
        painter.setPen(QPen(Qt::black, 1));
        painter.setBrush(color);
        painter.drawEllipse(s, 4.5, 4.5);
        const QString text = QStringLiteral("%1 %2").arg(label, pointText(p));
        const QFontMetricsF metrics(painter.font());
        const double w = metrics.horizontalAdvance(text) + 6;
        double x = std::clamp(s.x() - w / 2, f.plot.left(), f.plot.right() - w);
        const double y = above ? s.y() - 8 - metrics.height() : s.y() + 8;
        const QRectF box(x, std::clamp(y, 0.0, height() - metrics.height()), w, metrics.height());
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(255, 255, 255, 210));
        painter.drawRect(box);
        painter.setPen(ink);
        painter.drawText(box, Qt::AlignCenter, text);
    };
    if (e && e->max != e->min) {
        const bool maxAbove = e->maxAt.y >= e->minAt.y;
        marker(e->maxAt, tr("最大 %1").arg(valueText(e->max)), colorOf(e->max), maxAbove);
        marker(e->minAt, tr("最小 %1").arg(valueText(e->min)), colorOf(e->min), !maxAbove);
    }

    // The colour bar with its ends and middle.
    const auto [low, high] = range();
    QLinearGradient gradient(f.bar.bottomLeft(), f.bar.topLeft());
    for (int i = 0; i <= 10; ++i) {
        const double value = low + (high - low) * i / 10;
        gradient.setColorAt(i / 10.0, colorOf(value));
    }
    painter.setPen(QPen(ink, 1));
    painter.setBrush(gradient);
    painter.drawRect(f.bar);
    for (int i = 0; i <= 4; ++i) {
        const double value = low + (high - low) * i / 4;
        const double y = f.bar.bottom() - f.bar.height() * i / 4;
        painter.drawLine(QPointF(f.bar.right(), y), QPointF(f.bar.right() + 4, y));
        painter.drawText(QRectF(f.bar.right() + 6, y - 10, kBarTextWidth, 20),
                         Qt::AlignLeft | Qt::AlignVCenter, valueText(value));
    }

    // The value under the cursor.
    painter.drawText(
        QRectF(kMargin, height() - kMargin - kInfoHeight + 4, width() - 2 * kMargin, kInfoHeight),
        Qt::AlignLeft | Qt::AlignVCenter, cursorText_);
}

void StressView::mouseMoveEvent(QMouseEvent* event) {
    const Frame f = frame();
    QString text;
    if (f.valid) {
        const Point p = toModel(f, event->position());
        if (const std::optional<double> value = valueAt(p))
            text =
                tr("%1 で %2 = %3 MPa")
                    .arg(pointText({std::round(p.x * 1000) / 1000, std::round(p.y * 1000) / 1000}),
                         symbolOf(component_), valueText(*value));
    }
    if (text != cursorText_) {
        cursorText_ = text;
        update();
    }
}

void StressView::leaveEvent(QEvent* event) {
    QWidget::leaveEvent(event);
    if (!cursorText_.isEmpty()) {
        cursorText_.clear();
        update();
    }
}

}  // namespace kuvanto

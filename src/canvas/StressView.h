// The stress picture of one load case: the section filled with a colour map of the chosen
// component (a diverging map centred on zero for a signed component, a sequential one for τ and
// σ_vM), a colour bar with its values, the neutral axis, markers at the largest and smallest
// values with their values and coordinates, optional arrows of the shear stress, and the value
// under the cursor. The picture is made from the linear normal stress pixel by pixel, or, for the
// components that need the shear, from the values at the mesh's nodes interpolated linearly over
// the triangles between them, and masked by the figures.
#pragma once

#include <QImage>
#include <QWidget>
#include <memory>
#include <optional>
#include <vector>

#include "core/stress/SectionBoundary.h"
#include "core/stress/SectionStress.h"

namespace kuvanto {

class StressView : public QWidget {
    Q_OBJECT

public:
    explicit StressView(QWidget* parent = nullptr);

    // The figures of the section (drawn and used as the mask).
    void setOutline(SectionOutline outline);
    // The stresses of the shown case (shared with their owner, not copied); none with a message
    // to show in place of the picture.
    void setStress(std::shared_ptr<const SectionStress> stress, const QString& message = {});
    void setComponent(StressComponent component);
    StressComponent component() const { return component_; }
    // Arrows of the shear stress (τ_zx, τ_zy) over the picture, their length by |τ|.
    void setArrows(bool shown);
    bool arrows() const { return arrows_; }

    // The shown component's value at a point of the model, or nothing when the point is outside
    // the material or the component is not computed.
    std::optional<double> valueAt(Point p) const;
    // The line under the picture (the value under the cursor); for tests and the snapshot tool.
    QString cursorText() const { return cursorText_; }

    // Colours of the maps for t in [−1, 1] (diverging, zero white) and [0, 1] (sequential).
    static QColor divergingColor(double t);
    static QColor sequentialColor(double t);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    struct Frame {
        QRectF plot;  // where the section is drawn
        QRectF bar;   // the colour bar
        double scale = 1;
        Point centre;  // the model point at the plot's centre
        bool valid = false;
    };
    Frame frame() const;
    QPointF toScreen(const Frame& f, Point p) const;
    Point toModel(const Frame& f, QPointF p) const;
    // The value range of the colour map: ±largest magnitude for a signed component, 0..max else.
    std::pair<double, double> range() const { return range_; }
    QColor colorOf(double value) const;
    bool shows() const;  // a picture of the component can be drawn
    // The component is drawn from the values at the nodes (it needs the shear, and the case has
    // shear actions).
    bool fromNodes(StressComponent component) const;
    void rebuild();  // the masked picture for the current size, stress and component
    // The values of a component at the pixels' centres, interpolated over the mesh's triangles
    // (NaN where no triangle covers a centre).
    std::vector<float> rasterised(const Frame& f, StressComponent component) const;
    void drawArrows(QPainter& painter, const Frame& f) const;

    SectionOutline outline_;
    Point low_, high_;  // the box of the added figures
    std::shared_ptr<const SectionStress> stress_;
    QString message_;
    StressComponent component_ = StressComponent::NormalZ;
    QImage mask_;     // opaque where material is, in the widget's pixels
    QImage picture_;  // the coloured section
    // The shown component's extremes and the colour map's range, taken once per rebuild (they
    // cost a pass over every sampled point).
    std::optional<StressExtremes> extremes_;
    std::pair<double, double> range_{0, 0};
    bool dirty_ = true;
    bool arrows_ = false;
    // With arrows: τ_zx and τ_zy at the pixels' centres (width() per row), NaN outside.
    std::vector<float> shearX_, shearY_;
    // The shown component at the stress's points, for the value under the cursor, and the
    // stress and component they belong to.
    mutable std::vector<double> nodeValues_;
    mutable std::pair<const SectionStress*, StressComponent> nodeValuesOf_{nullptr,
                                                                           StressComponent::Count};
    QString cursorText_;
};

}  // namespace kuvanto

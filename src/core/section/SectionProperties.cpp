// Section properties of one closed polygon, exact to the shown digits wherever the figure lies.
// The first pass integrates area and first moments about the figure's first vertex, so that a
// small figure far from the origin is summed in its own small numbers; the second pass
// integrates the second moments about the centroid itself, and the parallel-axis theorem moves
// them to the coordinate axes. Each edge contributes through the cross product of its ends (the
// triangle it spans with the reference point), which equals the sum of the trapezoids between
// the edges and the axes.
#include "core/section/SectionProperties.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>

#include "core/section/PrincipalAxes.h"
#include "core/section/SeamEdges.h"

namespace kuvanto {

namespace {

// The edges of the polygon, closed by index: edge k runs from vertex k to vertex k + 1, and the
// last edge back to vertex 0 when the list is not closed already.
class Edges {
public:
    explicit Edges(std::span<const Point> vertices) : v_(vertices) {
        const std::size_t n = v_.size();
        closed_ = n > 0 && v_[n - 1] == v_[0];
        count_ = n == 0 ? 0 : (closed_ ? n - 1 : n);
    }
    // The number of edges, which is also the number of distinct vertices visited.
    std::size_t count() const { return count_; }
    const Point& from(std::size_t k) const { return v_[k]; }
    const Point& to(std::size_t k) const { return k + 1 < v_.size() ? v_[k + 1] : v_[0]; }

private:
    std::span<const Point> v_;
    std::size_t count_ = 0;
    bool closed_ = false;
};

}  // namespace

bool radiusOfGyration(double moment, double area, double& radius) {
    const double ratio = moment / area;
    if (!(ratio >= 0)) return false;
    radius = std::sqrt(ratio);
    return true;
}

void completeDerivedProperties(SectionProperties& p, const PrincipalAxes& axes,
                               const FibreDistances& fibres) {
    p[Property::TopModulusX] = p[Property::MomentX] / fibres.top;
    p[Property::BottomModulusX] = p[Property::MomentX] / fibres.bottom;
    p[Property::RightModulusY] = p[Property::MomentY] / fibres.right;
    p[Property::LeftModulusY] = p[Property::MomentY] / fibres.left;
    p[Property::PrincipalAngle] = axes.angleDegrees();
    p[Property::MajorMoment] = axes.majorMoment();
    p[Property::MinorMoment] = axes.minorMoment();
    p[Property::MajorModulus] = axes.majorMoment() / fibres.fromMajor;
    p[Property::MinorModulus] = axes.minorMoment() / fibres.fromMinor;
    // A self-intersecting outline can have a negative principal moment; its radius is then not
    // a number and shows "-", as any value of the added rows that cannot be computed. The area
    // is positive here (a figure's before its sign is set by its table).
    if (!radiusOfGyration(axes.majorMoment(), p[Property::Area], p[Property::MajorRadius]))
        p[Property::MajorRadius] = std::nan("");
    if (!radiusOfGyration(axes.minorMoment(), p[Property::Area], p[Property::MinorRadius]))
        p[Property::MinorRadius] = std::nan("");
}

std::optional<SectionProperties> allProperties(std::span<const Point> vertices) {
    const Edges edges(vertices);
    const std::size_t n = edges.count();
    if (n < 1) return std::nullopt;
    const Point origin = vertices[0];

    // Twice the area and six times the first moments about the first vertex; clockwise positive.
    // The perimeter leaves out seams (a segment walked once each way), which bound nothing.
    const SeamEdges seams(vertices, true);
    auto nextSeam = seams.indices().begin();
    double area2 = 0, absoluteArea2 = 0, momentX6 = 0, momentY6 = 0, len = 0;
    for (std::size_t k = 0; k < n; ++k) {
        const Point& p = edges.from(k);
        const Point& q = edges.to(k);
        const double u0 = p.x - origin.x, v0 = p.y - origin.y;
        const double u1 = q.x - origin.x, v1 = q.y - origin.y;
        const double cross = u1 * v0 - u0 * v1;
        area2 += cross;
        absoluteArea2 += std::fabs(cross);
        momentY6 += (u0 + u1) * cross;
        momentX6 += (v0 + v1) * cross;
        if (nextSeam != seams.indices().end() && *nextSeam == k) {
            ++nextSeam;
            continue;
        }
        const double dx = q.x - p.x, dy = q.y - p.y;
        len += std::sqrt(dx * dx + dy * dy);
    }
    if (area2 == 0 || !std::isfinite(area2)) return std::nullopt;
    const double area = area2 / 2;
    const double localX = momentY6 / (3 * area2);
    const double localY = momentX6 / (3 * area2);
    const double xBar = origin.x + localX;
    const double yBar = origin.y + localY;

    // Twelve times the second moments about the centroid, and the extreme fibre distances from
    // the centroid and from the axes.
    double momentX12 = 0, momentY12 = 0, product24 = 0, absolutePolar12 = 0;
    double cx = 0, cy = 0, cxAxis = 0, cyAxis = 0;
    double top = 0, bottom = 0, right = 0, left = 0;  // extreme offsets from the centroid
    for (std::size_t k = 0; k < n; ++k) {
        const Point& p = edges.from(k);
        const Point& q = edges.to(k);
        const double s0 = (p.x - origin.x) - localX, t0 = (p.y - origin.y) - localY;
        const double s1 = (q.x - origin.x) - localX, t1 = (q.y - origin.y) - localY;
        const double cross = s1 * t0 - s0 * t1;
        const double alongX = t0 * t0 + t0 * t1 + t1 * t1;
        const double alongY = s0 * s0 + s0 * s1 + s1 * s1;
        momentX12 += alongX * cross;
        momentY12 += alongY * cross;
        absolutePolar12 += (alongX + alongY) * std::fabs(cross);
        product24 += (2 * s0 * t0 + s0 * t1 + s1 * t0 + 2 * s1 * t1) * cross;
        top = std::max(top, t0);
        bottom = std::min(bottom, t0);
        right = std::max(right, s0);
        left = std::min(left, s0);
        cx = std::max(cx, std::fabs(s0));
        cy = std::max(cy, std::fabs(t0));
        cxAxis = std::max(cxAxis, std::fabs(p.x));
        cyAxis = std::max(cyAxis, std::fabs(p.y));
    }
    if (cx == 0 || cy == 0 || cxAxis == 0 || cyAxis == 0) return std::nullopt;

    SectionProperties p;
    p[Property::Area] = area;
    p[Property::CentroidX] = xBar;
    p[Property::CentroidY] = yBar;
    p[Property::Perimeter] = len;
    p[Property::MomentX] = momentX12 / 12;
    p[Property::MomentY] = momentY12 / 12;
    // Parallel-axis transfer from the centroid to the coordinate axes.
    p[Property::AxisMomentX] = p[Property::MomentX] + area * yBar * yBar;
    p[Property::AxisMomentY] = p[Property::MomentY] + area * xBar * xBar;
    p[Property::ProductMoment] = product24 / 24;
    p[Property::AxisProductMoment] = p[Property::ProductMoment] + area * xBar * yBar;
    p[Property::ModulusX] = p[Property::MomentX] / cy;
    p[Property::ModulusY] = p[Property::MomentY] / cx;
    p[Property::PolarMoment] = p[Property::MomentX] + p[Property::MomentY];
    // About the coordinate axes the extreme fibres are the largest distances from those axes.
    p[Property::AxisModulusX] = p[Property::AxisMomentX] / cyAxis;
    p[Property::AxisModulusY] = p[Property::AxisMomentY] / cxAxis;
    p[Property::AxisPolarMoment] = p[Property::AxisMomentY] + p[Property::AxisMomentX];
    if (!radiusOfGyration(p[Property::MomentX], area, p[Property::RadiusX]) ||
        !radiusOfGyration(p[Property::MomentY], area, p[Property::RadiusY]) ||
        !radiusOfGyration(p[Property::AxisMomentX], area, p[Property::AxisRadiusX]) ||
        !radiusOfGyration(p[Property::AxisMomentY], area, p[Property::AxisRadiusY]))
        return std::nullopt;

    // Counter-clockwise input gives a negative area and moments; the radii are already positive.
    if (area < 0) {
        for (Property i :
             {Property::Area, Property::MomentX, Property::MomentY, Property::AxisMomentX,
              Property::AxisMomentY, Property::ModulusX, Property::ModulusY, Property::AxisModulusX,
              Property::AxisModulusY, Property::PolarMoment, Property::AxisPolarMoment,
              Property::ProductMoment, Property::AxisProductMoment})
            p[i] = -p[i];
    }

    // A centroid coordinate or product of inertia within reach of rounding is 0 (a symmetric
    // figure), and the principal axes are named only where rounding cannot have made them.
    RoundingBounds bounds = RoundingBounds::ofFigure(
        {n, area, absoluteArea2 / 2, absolutePolar12 / 12, len, std::hypot(cx, cy)}, xBar, yBar);
    bounds.boundAxisProduct(p);
    bounds.dropRoundOff(p);
    p.setBounds(bounds);

    // Moduli per extreme fibre, and the principal axes with the largest vertex distances from
    // them (one more pass, now that the axes are known, unless they lie along X and Y).
    const PrincipalAxes axes(p[Property::MomentX], p[Property::MomentY], p[Property::ProductMoment],
                             bounds.moments);
    // Principal axes along X and Y (every section symmetric about an axis) measure the same
    // distances as X and Y themselves, already known.
    const bool alongAxes = axes.cosine() == 1 && axes.sine() == 0;
    double fromMajor = alongAxes ? cy : 0, fromMinor = alongAxes ? cx : 0;
    for (std::size_t k = 0; k < n && !alongAxes; ++k) {
        const Point& v = edges.from(k);
        const double s0 = (v.x - origin.x) - localX, t0 = (v.y - origin.y) - localY;
        fromMajor = std::max(fromMajor, axes.fromMajorAxis(s0, t0));
        fromMinor = std::max(fromMinor, axes.fromMinorAxis(s0, t0));
    }
    completeDerivedProperties(p, axes, {top, -bottom, right, -left, fromMajor, fromMinor});
    for (std::size_t i = 0; i < kBasicPropertyCount; ++i) {
        if (!std::isfinite(p[kAllProperties[i]])) return std::nullopt;
    }
    for (std::size_t i = kBasicPropertyCount; i < kPropertyCount; ++i) {
        if (!std::isfinite(p[kAllProperties[i]])) p[kAllProperties[i]] = std::nan("");
    }
    // A figure with an area has positive moments about its centroid; an area or a moment that
    // came out 0 or subnormal was too small for double precision, and its values would be
    // wrong (or 0) without any sign of it.
    for (Property i : {Property::Area, Property::MomentX, Property::MomentY}) {
        if (std::fabs(p[i]) < std::numeric_limits<double>::min()) return std::nullopt;
    }
    return p;
}

double sectionProperty(std::string_view symbol, std::span<const Point> vertices) {
    const auto found = std::find_if(kAllProperties.begin(), kAllProperties.end(),
                                    [symbol](Property p) { return propertySymbol(p) == symbol; });
    if (found == kAllProperties.end() || isCombinedOnlyProperty(*found))
        throw CalcError("unknown section property: " + std::string(symbol));
    const auto props = allProperties(vertices);
    if (!props) throw CalcError("the figure has no computable section properties");
    return (*props)[*found];
}

}  // namespace kuvanto

// Standard section outlines: each shape is first written as a sharp polygon whose corners carry
// the fillet or toe radius of the table, then every rounded corner becomes an arc tangent to its
// two edges, split into chords so that a quarter circle gets at least the requested count.
#include "core/shapes/ShapeOutlines.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace kuvanto {

namespace {

PlanePoint minus(PlanePoint a, PlanePoint b) {
    return {a.x - b.x, a.y - b.y};
}

PlanePoint unit(PlanePoint v) {
    const double length = std::hypot(v.x, v.y);
    return {v.x / length, v.y / length};
}

// Appends the arc that replaces the corner `at` between the neighbours `before` and `after`.
void appendArc(std::vector<PlanePoint>& out, PlanePoint before, PlanePoint at, PlanePoint after,
               double radius, int chordsPerQuarter) {
    const PlanePoint u = unit(minus(before, at));
    const PlanePoint v = unit(minus(after, at));
    const double cosine = std::clamp(u.x * v.x + u.y * v.y, -1.0, 1.0);
    const double half = std::acos(cosine) / 2;        // half the angle between the two edges
    if (half <= 0 || half >= std::numbers::pi / 2) {  // no corner to round
        out.push_back(at);
        return;
    }
    const double tangent = radius / std::tan(half);
    const PlanePoint bisector = unit({u.x + v.x, u.y + v.y});
    const double toCentre = radius / std::sin(half);
    const PlanePoint centre{at.x + bisector.x * toCentre, at.y + bisector.y * toCentre};
    const PlanePoint start{at.x + u.x * tangent, at.y + u.y * tangent};
    const PlanePoint end{at.x + v.x * tangent, at.y + v.y * tangent};
    const double a0 = std::atan2(start.y - centre.y, start.x - centre.x);
    double sweep = std::atan2(end.y - centre.y, end.x - centre.x) - a0;
    while (sweep > std::numbers::pi) sweep -= 2 * std::numbers::pi;
    while (sweep < -std::numbers::pi) sweep += 2 * std::numbers::pi;
    // The arc's sweep is the exterior angle of the corner, fixed by the shape's geometry, so every
    // size of one shape gets the same number of chords.
    const int chords = std::max(
        chordsPerQuarter,
        static_cast<int>(
            std::ceil(chordsPerQuarter * std::fabs(sweep) / (std::numbers::pi / 2) - 1e-9)));
    out.push_back(start);
    for (int i = 1; i < chords; ++i) {
        const double angle = a0 + sweep * i / chords;
        out.push_back({centre.x + radius * std::cos(angle), centre.y + radius * std::sin(angle)});
    }
    out.push_back(end);
}

// A full circle of the radius from angle 0, counter-clockwise (or clockwise), closed.
void appendCircle(std::vector<PlanePoint>& out, double radius, bool clockwise) {
    const int chords = 4 * ShapeOutlines::kCircleChordsPerQuarter;
    for (int i = 0; i <= chords; ++i) {
        const double angle = 2 * std::numbers::pi * (i % chords) / chords * (clockwise ? -1 : 1);
        out.push_back({radius * std::cos(angle), radius * std::sin(angle)});
    }
}

// The inner face of a flange sloping by `slope` from the web face to the tip, `flange` thick
// halfway along the overhang.
struct FlangeFace {
    double atWeb;  // inner face height above the outer face at the web face
    double atTip;  // at the flange tip
};

FlangeFace flangeFace(double web, double tip, double flange, double slope) {
    const double middle = (web + tip) / 2;
    return {flange + slope * (middle - web), flange - slope * (tip - middle)};
}

}  // namespace

double ShapeOutlines::iShapeSlope() {
    return std::tan(8.0 / 180.0 * std::numbers::pi);
}
double ShapeOutlines::channelSlope() {
    return std::tan(5.0 / 180.0 * std::numbers::pi);
}

std::vector<PlanePoint> ShapeOutlines::roundCorners(const std::vector<RoundedCorner>& corners,
                                                    int chordsPerQuarter) {
    std::vector<PlanePoint> out;
    const std::size_t n = corners.size();
    for (std::size_t i = 0; i < n; ++i) {
        const RoundedCorner& c = corners[i];
        if (c.radius <= 0) {
            out.push_back(c.point);
            continue;
        }
        appendArc(out, corners[(i + n - 1) % n].point, c.point, corners[(i + 1) % n].point,
                  c.radius, chordsPerQuarter);
    }
    if (!out.empty()) out.push_back(out.front());
    return out;
}

std::vector<PlanePoint> ShapeOutlines::hShape(double h, double b, double web, double flange,
                                              double root) {
    const double x = b / 2, y = h / 2, w = web / 2, f = y - flange;
    return roundCorners({{{-x, -y}, 0},
                         {{x, -y}, 0},
                         {{x, -f}, 0},
                         {{w, -f}, root},
                         {{w, f}, root},
                         {{x, f}, 0},
                         {{x, y}, 0},
                         {{-x, y}, 0},
                         {{-x, f}, 0},
                         {{-w, f}, root},
                         {{-w, -f}, root},
                         {{-x, -f}, 0}});
}

std::vector<PlanePoint> ShapeOutlines::iShape(double h, double b, double web, double flange,
                                              double root, double toe) {
    const double x = b / 2, y = h / 2, w = web / 2;
    const FlangeFace face = flangeFace(w, x, flange, iShapeSlope());
    const double fw = y - face.atWeb, ft = y - face.atTip;
    return roundCorners({{{-x, -y}, 0},
                         {{x, -y}, 0},
                         {{x, -ft}, toe},
                         {{w, -fw}, root},
                         {{w, fw}, root},
                         {{x, ft}, toe},
                         {{x, y}, 0},
                         {{-x, y}, 0},
                         {{-x, ft}, toe},
                         {{-w, fw}, root},
                         {{-w, -fw}, root},
                         {{-x, -ft}, toe}});
}

std::vector<PlanePoint> ShapeOutlines::channel(double h, double b, double web, double flange,
                                               double root, double toe) {
    const double y = h / 2;
    const FlangeFace face = flangeFace(web, b, flange, channelSlope());
    const double fw = y - face.atWeb, ft = y - face.atTip;
    return roundCorners({{{0, -y}, 0},
                         {{b, -y}, 0},
                         {{b, -ft}, toe},
                         {{web, -fw}, root},
                         {{web, fw}, root},
                         {{b, ft}, toe},
                         {{b, y}, 0},
                         {{0, y}, 0}});
}

std::vector<PlanePoint> ShapeOutlines::equalAngle(double leg, double thickness, double root,
                                                  double toe) {
    return roundCorners({{{0, 0}, 0},
                         {{leg, 0}, 0},
                         {{leg, thickness}, toe},
                         {{thickness, thickness}, root},
                         {{thickness, leg}, toe},
                         {{0, leg}, 0}});
}

std::vector<PlanePoint> ShapeOutlines::pipe(double outside, double wall) {
    std::vector<PlanePoint> out;
    appendCircle(out, outside / 2, false);
    appendCircle(out, outside / 2 - wall, true);
    out.push_back(out.front());  // back along the radius to close the keyhole
    return out;
}

std::vector<PlanePoint> ShapeOutlines::roundBar(double diameter) {
    std::vector<PlanePoint> out;
    appendCircle(out, diameter / 2, false);
    return out;
}

std::vector<PlanePoint> ShapeOutlines::flatBar(double width, double thickness) {
    const double x = width / 2, y = thickness / 2;
    return {{-x, -y}, {x, -y}, {x, y}, {-x, y}, {-x, -y}};
}

PlanePoint ShapeOutlines::centroid(const std::vector<PlanePoint>& outline) {
    double area = 0, sx = 0, sy = 0;
    for (std::size_t i = 0; i + 1 < outline.size(); ++i) {
        const PlanePoint p = outline[i], q = outline[i + 1];
        const double cross = p.x * q.y - q.x * p.y;
        area += cross;
        sx += (p.x + q.x) * cross;
        sy += (p.y + q.y) * cross;
    }
    if (area == 0) return outline.empty() ? PlanePoint{} : outline.front();
    return {sx / (3 * area), sy / (3 * area)};
}

std::vector<PlanePoint> ShapeOutlines::basePoints(const std::vector<PlanePoint>& outline) {
    if (outline.empty()) return {};
    double left = outline.front().x, right = left, bottom = outline.front().y, top = bottom;
    for (const PlanePoint& p : outline) {
        left = std::min(left, p.x);
        right = std::max(right, p.x);
        bottom = std::min(bottom, p.y);
        top = std::max(top, p.y);
    }
    const double mx = (left + right) / 2, my = (bottom + top) / 2;
    return {{left, bottom}, {mx, bottom}, {right, bottom}, {left, my},  centroid(outline),
            {right, my},    {left, top},  {mx, top},       {right, top}};
}

}  // namespace kuvanto

// The outlines of a CAD drawing as the section import sees them, independent of the file format:
// per layer a list of shapes, each a chain of straight and elliptic-arc edges in drawing units,
// open or closed. Blocks are already expanded (each insertion mapped by its affine transform), so
// a circle inserted with unequal scales arrives as an ellipse. What the reader could not use is
// counted per layer.
#pragma once

#include <cmath>
#include <cstddef>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "core/base/Point.h"

namespace kuvanto {

// x' = xx x + xy y + dx, y' = yx x + yy y + dy.
struct Affine {
    double xx = 1, xy = 0, yx = 0, yy = 1, dx = 0, dy = 0;

    Point map(Point p) const { return {xx * p.x + xy * p.y + dx, yx * p.x + yy * p.y + dy}; }
    Point mapVector(Point v) const { return {xx * v.x + xy * v.y, yx * v.x + yy * v.y}; }
    // This transform followed by `outer`.
    Affine then(const Affine& outer) const;
    static Affine translation(double x, double y) { return {1, 0, 0, 1, x, y}; }
    static Affine scaling(double sx, double sy) { return {sx, 0, 0, sy, 0, 0}; }
    static Affine rotation(double radians);
};

// c + u cos t + v sin t for t from `start` to `end` (either direction). Circles, circular arcs,
// ellipses and their affine images all take this form.
struct EllipticArc {
    Point center;
    Point u{1, 0};
    Point v{0, 1};
    double start = 0;
    double end = 0;

    Point at(double t) const {
        return {center.x + u.x * std::cos(t) + v.x * std::sin(t),
                center.y + u.y * std::cos(t) + v.y * std::sin(t)};
    }
    void transform(const Affine& a);
};

// A B-spline, rational when its weights differ: `knots` has control.size() + degree + 1
// non-decreasing values, every weight is positive. Its points are flattened with the chord rule
// like arcs.
struct CadSpline {
    int degree = 3;
    std::vector<Point> control;
    std::vector<double> weights;
    std::vector<double> knots;

    // The point at parameter t of the knot span [knots[span], knots[span + 1]).
    Point at(std::size_t span, double t) const;
    void transform(const Affine& a);
};

// One edge of a shape: straight from `start` to `end`, along `arc` (whose ends are `start` and
// `end` exactly), or along `spline` (likewise).
struct CadEdge {
    Point start;
    Point end;
    bool curved = false;
    EllipticArc arc;
    std::shared_ptr<const CadSpline> spline = nullptr;
};

struct CadShape {
    std::vector<CadEdge> edges;
    bool closed = false;
    void transform(const Affine& a);
};

// Kinds of entities left out for a reason rather than for their type (the rest of a kind is
// the entity's type, "TEXT", "HATCH", ...); the part after the colon names the type or block.
inline constexpr std::string_view kPaperSpaceKind = "*paper";
inline constexpr std::string_view kMissingBlockKind = "*missing-block:";
inline constexpr std::string_view kNotInPlaneKind = "*not-in-plane:";
inline constexpr std::string_view kDegenerateKind = "*degenerate:";
inline constexpr std::string_view kInvalidKind = "*invalid:";

struct CadLayer {
    std::string name;
    std::vector<CadShape> shapes;
    std::size_t ignored = 0;  // entities of this layer the import cannot use
    std::map<std::string, std::size_t> ignoredKinds;  // the same, by kind
    bool hidden = false;                              // off or frozen: CAD does not show it

    void ignore(const std::string& kind, std::size_t count = 1) {
        ignored += count;
        ignoredKinds[kind] += count;
    }
};

struct CadDrawing {
    std::vector<CadLayer> layers;
    // The drawing's own unit code ($INSUNITS: 1 inch, 4 mm, 5 cm, 6 m, ...; 0 none; -1 a value
    // that is no integer).
    int unitCode = 0;
    // The file ended after its last section without its end mark.
    bool endMarkMissing = false;
    // The outlines were drawn in one tilted plane and are read in its own coordinates.
    bool tiltedPlane = false;

    CadLayer& layer(std::string_view name);
    std::size_t ignored() const;
};

// The arc of a polyline edge from a to b with the given bulge (tangent of a quarter of the
// included angle, positive counter-clockwise). A bulge of 0 has no arc: `curved` stays false.
CadEdge bulgeEdge(Point a, Point b, double bulge);

}  // namespace kuvanto

// The area on one side of a line is found by clipping every outline against the half-plane and
// adding the parts with their signs: by Green's theorem the area of the clipped outline is the
// sum over its edges of the integral of xi d(eta) (eta across the line, xi along it), and the
// cut along the line adds nothing because eta is constant there. No union of the outlines is
// needed, so holes and overlaps count as their sums.
//
// Between two consecutive vertex levels the same edges cross the line, and the area below it is
// exactly quadratic in the line's level. One pass at a level gives that quadratic (area, chord
// width and the width's slope there) together with the nearest vertex levels below and above;
// its root is the neutral axis when it falls between those two levels, and otherwise is where
// the next pass looks. The answer is the root of the exact quadratic of its interval, with no
// search tolerance in it; the passes only find the interval, and the last one also gives the
// first moment below the axis (a cubic in the level on the same interval).
#include "core/section/PlasticModuli.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace kuvanto {

struct PlasticModuli::Slice {
    double area = 0;        // area below the level
    double moment = 0;      // first moment of that area about eta = 0
    double width = 0;       // chord width at the level (the area's derivative)
    double widthSlope = 0;  // the width's derivative between the neighbouring vertex levels
    double below = -std::numeric_limits<double>::infinity();  // nearest vertex level <= level
    double above = std::numeric_limits<double>::infinity();   // nearest vertex level > level
    double totalArea = 0, totalMoment = 0;
    double lowest = std::numeric_limits<double>::infinity();
    double highest = -std::numeric_limits<double>::infinity();
};

void PlasticModuli::addOutline(std::span<const Point> vertices, double sign) {
    const std::size_t n = vertices.size();
    if (n < 3) return;
    double area2 = 0;
    for (std::size_t k = 0; k < n; ++k) {
        const Point& p = vertices[k];
        const Point& q = vertices[k + 1 < n ? k + 1 : 0];
        area2 += (p.x - reference_.x) * (q.y - reference_.y) -
                 (q.x - reference_.x) * (p.y - reference_.y);
    }
    if (area2 == 0) return;
    outlines_.push_back({vertices, area2 > 0 ? sign : -sign});
}

PlasticModuli::Slice PlasticModuli::sliceAt(double nx, double ny, double level) const {
    Slice s;
    for (const Outline& outline : outlines_) {
        const std::span<const Point> v = outline.vertices;
        const std::size_t n = v.size();
        double area = 0, moment = 0, width = 0, slope = 0, totalArea = 0, totalMoment = 0;
        // xi along the line and eta across it, about the reference point; (xi, eta) is a
        // right-handed frame, so counter-clockwise outlines integrate to positive areas.
        auto project = [&](const Point& p, double& xi, double& eta) {
            const double dx = p.x - reference_.x, dy = p.y - reference_.y;
            eta = dx * nx + dy * ny;
            xi = dx * ny - dy * nx;
        };
        double xi0, eta0;
        project(v[0], xi0, eta0);
        const double firstXi = xi0, firstEta = eta0;
        for (std::size_t k = 0; k < n; ++k) {
            double xi1, eta1;
            if (k + 1 < n) {
                project(v[k + 1], xi1, eta1);
            } else {
                xi1 = firstXi;
                eta1 = firstEta;
            }
            if (eta0 <= level) {
                s.below = std::max(s.below, eta0);
            } else {
                s.above = std::min(s.above, eta0);
            }
            s.lowest = std::min(s.lowest, eta0);
            s.highest = std::max(s.highest, eta0);
            if (eta0 != eta1) {
                const double direction = eta1 > eta0 ? 1.0 : -1.0;
                const double lo = std::min(eta0, eta1), hi = std::max(eta0, eta1);
                const double xiLo = eta1 > eta0 ? xi0 : xi1;
                const double xiHi = eta1 > eta0 ? xi1 : xi0;
                // The integrals of xi and of xi * eta over [lo, top] along the edge (xi linear
                // in eta: the trapezoid rule and Simpson's rule are exact).
                auto integrals = [&](double top, double xiTop, double& a, double& m) {
                    const double h = top - lo;
                    const double etaMid = (lo + top) / 2, xiMid = (xiLo + xiTop) / 2;
                    a = h * xiMid;
                    m = h / 6 * (xiLo * lo + 4 * xiMid * etaMid + xiTop * top);
                };
                double a, m;
                integrals(hi, xiHi, a, m);
                totalArea += direction * a;
                totalMoment += direction * m;
                if (hi <= level) {
                    area += direction * a;
                    moment += direction * m;
                } else if (lo <= level) {
                    const double k = (xiHi - xiLo) / (hi - lo);
                    const double xiLevel = xiLo + (level - lo) * k;
                    integrals(level, xiLevel, a, m);
                    area += direction * a;
                    moment += direction * m;
                    width += direction * xiLevel;
                    slope += direction * k;
                }
            }
            xi0 = xi1;
            eta0 = eta1;
        }
        s.area += outline.weight * area;
        s.moment += outline.weight * moment;
        s.width += outline.weight * width;
        s.widthSlope += outline.weight * slope;
        s.totalArea += outline.weight * totalArea;
        s.totalMoment += outline.weight * totalMoment;
    }
    return s;
}

std::optional<PlasticModuli::Axis> PlasticModuli::across(double nx, double ny) const {
    if (outlines_.empty()) return std::nullopt;
    double level = 0;  // the reference point, the centroid: a good first guess
    Slice s = sliceAt(nx, ny, level);
    const double half = s.totalArea / 2;
    if (!(s.totalArea > 0) || !std::isfinite(s.totalArea)) return std::nullopt;
    // The root lies between the lowest and highest vertex levels; the bracket narrows with every
    // pass, so a model root outside it is replaced by the bracket's middle.
    double low = s.lowest, high = s.highest;
    for (int pass = 0; pass < 200; ++pass) {
        if (s.area <= half) {
            low = std::max(low, level);
        } else {
            high = std::min(high, level);
        }
        // Area below t on [below, above]: area + width (t - level) + widthSlope (t - level)^2/2.
        const double need = half - s.area;
        const double a = s.widthSlope / 2, b = s.width;
        double step;
        if (need == 0) {
            step = 0;
        } else if (a == 0) {
            step = b != 0 ? need / b : std::numeric_limits<double>::infinity();
        } else {
            const double disc = b * b + 4 * a * need;
            if (disc < 0) {
                step = std::numeric_limits<double>::infinity();
            } else {
                // The root nearest the level, in the form that avoids cancellation.
                const double q = b >= 0 ? b + std::sqrt(disc) : b - std::sqrt(disc);
                step = q != 0 ? 2 * need / q : -b / (2 * a);
            }
        }
        const double target = level + step;
        if (std::isfinite(target) && target >= s.below && target <= s.above) {
            Axis axis;
            axis.offset = target;
            // The area and its moment below the axis from the same exact piece: the width is
            // linear in the level there, so both integrals are polynomials in the step.
            const double d = target - level;
            const double w0 = s.width, k = s.widthSlope;
            const double areaBelow = s.area + w0 * d + k * d * d / 2;
            const double momentBelow =
                s.moment + w0 * (level * d + d * d / 2) + k * (level * d * d / 2 + d * d * d / 3);
            axis.modulus = s.totalMoment - 2 * momentBelow + target * (2 * areaBelow - s.totalArea);
            if (!std::isfinite(axis.modulus)) return std::nullopt;
            return axis;
        }
        double next = target;
        if (!std::isfinite(next) || next <= low || next >= high) next = (low + high) / 2;
        // Step at least onto the neighbouring vertex level, so every pass makes progress.
        if (next < level) next = std::min(next, s.below);
        if (next > level) next = std::max(next, s.above);
        if (next == level || !std::isfinite(next)) return std::nullopt;
        level = next;
        s = sliceAt(nx, ny, level);
    }
    return std::nullopt;
}

}  // namespace kuvanto

// Building the visible part of the grid lattice, one axis at a time: the X values and the Y
// values come from the same series of multiples, and every pair of them is a dot.
#include "canvas/AuxiliaryGrid.h"

#include <algorithm>
#include <cmath>

namespace kuvanto {

namespace {

// A guard on the values of one axis; a view at most 75 steps wide needs fewer than 160.
constexpr double kMaxAxisValues = 4096;

// Multiples k * s with k in [0, kmax] that lie within [lo, hi] (0 <= lo).
void addMultiples(double s, double kmax, double lo, double hi, double sign,
                  std::vector<double>& out) {
    if (hi < lo) return;
    double kLo = std::max(0.0, std::ceil(lo / s));
    double kHi = std::min(kmax, std::floor(hi / s));
    // Division and multiplication may disagree by one step at the ends.
    if (kLo > 0 && (kLo - 1) * s >= lo) kLo -= 1;
    if (kHi < kmax && (kHi + 1) * s <= hi) kHi += 1;
    if (kHi < kLo) return;
    const double count = std::min(kHi - kLo, kMaxAxisValues);
    for (double j = 0; j <= count; ++j) {
        const double a = (kLo + j) * s;
        if (a >= lo && a <= hi) out.push_back(a == 0 ? 0.0 : sign * a);
    }
}

}  // namespace

std::vector<double> auxGridAxis(double s, double m, double lo, double hi) {
    std::vector<double> out;
    if (!(s > 0) || !std::isfinite(s) || !(m >= 0) || !std::isfinite(m) || !(lo <= hi)) {
        return out;
    }
    // Values a that show as +a, and values a that show as -a.
    const double posLo = std::max(lo, 0.0), posHi = hi;
    const double negLo = std::max(-hi, 0.0), negHi = -lo;

    if (m / s <= kAuxGridExactSteps) {
        for (double a = 0; a <= m; a += s) {
            if (a >= posLo && a <= posHi) out.push_back(a);
            if (a != 0 && a >= negLo && a <= negHi) out.push_back(-a);
        }
    } else {
        double kmax = std::floor(m / s);
        if (kmax * s > m) kmax -= 1;
        if ((kmax + 1) * s <= m) kmax += 1;
        addMultiples(s, kmax, posLo, posHi, 1, out);
        addMultiples(s, kmax, negLo, negHi, -1, out);
    }
    std::sort(out.begin(), out.end());
    out.erase(std::unique(out.begin(), out.end()), out.end());
    return out;
}

std::vector<WorldPt> auxGridDots(double s, double m, double left, double top, double right,
                                 double bottom) {
    std::vector<WorldPt> dots;
    const std::vector<double> xs = auxGridAxis(s, m, std::min(left, right), std::max(left, right));
    if (xs.empty()) return dots;
    const std::vector<double> ys = auxGridAxis(s, m, std::min(bottom, top), std::max(bottom, top));
    dots.reserve(xs.size() * ys.size());
    for (double y : ys) {
        for (double x : xs) dots.push_back(WorldPt{x, y});
    }
    return dots;
}

}  // namespace kuvanto

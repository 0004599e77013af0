// Building the visible part of the grid lattice, one axis at a time: the X values and the Y
// values come from the same series of multiples, and every pair of them is a dot.
#include "AuxGrid.h"

#include <algorithm>
#include <cmath>

namespace kuvanto {

namespace {

// A guard on the values of one axis; a view at most 75 steps wide needs fewer than 160.
constexpr double kMaxAxisValues = 4096;

// Multiples k * s with k in [0, kmax] that lie within [lo, hi] (0 <= lo).
void Add_Multiples(double s, double kmax, double lo, double hi, double sign,
                   std::vector<double>& out) {
    if (hi < lo) return;
    double k_lo = std::max(0.0, std::ceil(lo / s));
    double k_hi = std::min(kmax, std::floor(hi / s));
    // Division and multiplication may disagree by one step at the ends.
    if (k_lo > 0 && (k_lo - 1) * s >= lo) k_lo -= 1;
    if (k_hi < kmax && (k_hi + 1) * s <= hi) k_hi += 1;
    if (k_hi < k_lo) return;
    const double count = std::min(k_hi - k_lo, kMaxAxisValues);
    for (double j = 0; j <= count; ++j) {
        const double a = (k_lo + j) * s;
        if (a >= lo && a <= hi) out.push_back(a == 0 ? 0.0 : sign * a);
    }
}

}  // namespace

std::vector<double> Aux_Grid_Axis(double s, double m, double lo, double hi) {
    std::vector<double> out;
    if (!(s > 0) || !std::isfinite(s) || !(m >= 0) || !std::isfinite(m) || !(lo <= hi)) {
        return out;
    }
    // Values a that show as +a, and values a that show as -a.
    const double pos_lo = std::max(lo, 0.0), pos_hi = hi;
    const double neg_lo = std::max(-hi, 0.0), neg_hi = -lo;

    if (m / s <= kAuxGridExactSteps) {
        for (double a = 0; a <= m; a += s) {
            if (a >= pos_lo && a <= pos_hi) out.push_back(a);
            if (a != 0 && a >= neg_lo && a <= neg_hi) out.push_back(-a);
        }
    } else {
        double kmax = std::floor(m / s);
        if (kmax * s > m) kmax -= 1;
        if ((kmax + 1) * s <= m) kmax += 1;
        Add_Multiples(s, kmax, pos_lo, pos_hi, 1, out);
        Add_Multiples(s, kmax, neg_lo, neg_hi, -1, out);
    }
    std::sort(out.begin(), out.end());
    out.erase(std::unique(out.begin(), out.end()), out.end());
    return out;
}

std::vector<WorldPt> Aux_Grid_Dots(double s, double m, double left, double top, double right,
                                   double bottom) {
    std::vector<WorldPt> dots;
    const std::vector<double> xs =
        Aux_Grid_Axis(s, m, std::min(left, right), std::max(left, right));
    if (xs.empty()) return dots;
    const std::vector<double> ys =
        Aux_Grid_Axis(s, m, std::min(bottom, top), std::max(bottom, top));
    dots.reserve(xs.size() * ys.size());
    for (double y : ys) {
        for (double x : xs) dots.push_back(WorldPt{x, y});
    }
    return dots;
}

}  // namespace kuvanto

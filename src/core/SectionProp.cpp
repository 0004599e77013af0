// Section properties of one closed polygon. The first pass sums, edge by edge, the area, the first
// moments and the perimeter of the trapezoids between each edge and the axes; the second pass
// sums the second moments (each trapezoid split into a rectangle and a triangle) and the extreme
// fibre distances. The first moments use a division-free form of the trapezoid terms, so edges
// whose end coordinates sum to zero contribute their true share.
#include "SectionProp.h"

#include <cmath>
#include <string>

#include "NumText.h"

namespace kuvanto {

namespace {

enum Prop {
    kA,
    kXBar,
    kYBar,
    kLen,
    kIx,
    kIy,
    kZx,
    kZy,
    kIp,
    kIxR,
    kIyR,
    kIxA,
    kIyA,
    kZxA,
    kZyA,
    kIpA,
    kIxAR,
    kIyAR,
};

// Square root of a ratio that must not be negative (a moment and the area of opposite sign
// happen only for self-intersecting outlines).
bool Root_Of_Ratio(double moment, double area, double& out) {
    const double ratio = moment / area;
    if (!(ratio >= 0)) return false;
    out = std::sqrt(ratio);
    return true;
}

}  // namespace

std::optional<SectionProps> Calc_All_Props(std::vector<double>& xs, std::vector<double>& ys) {
    if (xs.empty() || xs.size() != ys.size()) return std::nullopt;
    if (xs.back() != xs.front() || ys.back() != ys.front()) {
        xs.push_back(xs.front());
        ys.push_back(ys.front());
    }
    const std::size_t edges = xs.size() - 1;
    if (edges < 1) return std::nullopt;
    const double* x = xs.data();
    const double* y = ys.data();

    // The constant divisors are applied once to the sums rather than once per edge: the result
    // is the same up to rounding and the loops stay free of divisions.
    double a = 0, len = 0;
    double sy_lin = 0, sy_sq = 0, sx_lin = 0, sx_sq = 0;  // first moments: /2 and /6 parts
    for (std::size_t k = 0; k < edges; ++k) {
        const double dx = x[k + 1] - x[k];
        const double dy = y[k + 1] - y[k];
        a += dx * (y[k] + y[k + 1]) / 2;
        sy_lin += dx * x[k] * (y[k] + y[k + 1]);
        sy_sq += dx * dx * (2 * y[k + 1] + y[k]);
        sx_lin += dy * y[k] * (x[k] + x[k + 1]);
        sx_sq += dy * dy * (2 * x[k + 1] + x[k]);
        len += std::sqrt(dx * dx + dy * dy);
    }
    if (a == 0 || !std::isfinite(a)) return std::nullopt;
    const double sy = sy_lin / 2 + sy_sq / 6;
    const double sx = sx_lin / 2 + sx_sq / 6;
    const double x_bar = sy / a;
    const double y_bar = -sx / a;

    // Own moments of the rectangles (/12) and triangles (/36), shared by both reference axes,
    // and the transfer terms to the centroid and to the coordinate axes.
    double rect_x = 0, tri_x = 0, rect_y = 0, tri_y = 0;
    double ix = 0, iy = 0, ix_a = 0, iy_a = 0;
    double cx = 0, cy = 0, cx_a = 0, cy_a = 0;
    for (std::size_t k = 0; k < edges; ++k) {
        const double dx = x[k + 1] - x[k];
        const double dy = y[k + 1] - y[k];
        const double h = Min_Val(y[k], y[k + 1]);
        const double d = std::fabs(dy);
        const double m = Min_Val(x[k], x[k + 1]);
        const double e = std::fabs(dx);
        const double tx = h + d / 3;  // centroid height of the triangle over the rectangle
        const double ty = m + e / 3;
        const double rect_area_x = h * dx, tri_area_x = d * dx / 2;
        const double rect_area_y = m * dy, tri_area_y = e * dy / 2;

        rect_x += h * h * rect_area_x;
        tri_x += d * d * d * dx;
        rect_y += m * m * rect_area_y;
        tri_y += e * e * e * dy;
        ix += (y_bar - h / 2) * (y_bar - h / 2) * rect_area_x +
              (y_bar - tx) * (y_bar - tx) * tri_area_x;
        iy += (x_bar - m / 2) * (x_bar - m / 2) * rect_area_y +
              (x_bar - ty) * (x_bar - ty) * tri_area_y;
        ix_a += (h / 2) * (h / 2) * rect_area_x + tx * tx * tri_area_x;
        iy_a += (m / 2) * (m / 2) * rect_area_y + ty * ty * tri_area_y;

        cx = Max_Val(cx, std::fabs(x_bar - x[k]));
        cy = Max_Val(cy, std::fabs(y_bar - y[k]));
        cx_a = Max_Val(cx_a, std::fabs(x[k]));
        cy_a = Max_Val(cy_a, std::fabs(y[k]));
    }
    const double own_x = rect_x / 12 + tri_x / 36;
    const double own_y = rect_y / 12 + tri_y / 36;
    ix += own_x;
    ix_a += own_x;
    iy += own_y;
    iy_a += own_y;
    if (cx == 0 || cy == 0 || cx_a == 0 || cy_a == 0) return std::nullopt;

    SectionProps p{};
    p[kA] = a;
    p[kXBar] = x_bar;
    p[kYBar] = y_bar;
    p[kLen] = len;
    p[kIx] = ix;
    p[kIy] = -iy;
    p[kZx] = p[kIx] / cy;
    p[kZy] = p[kIy] / cx;
    p[kIp] = p[kIx] + p[kIy];
    if (!Root_Of_Ratio(p[kIx], a, p[kIxR]) || !Root_Of_Ratio(p[kIy], a, p[kIyR]))
        return std::nullopt;
    p[kIxA] = ix_a;
    p[kIyA] = -iy_a;
    // About the coordinate axes the extreme fibres are the largest distances from those axes.
    p[kZxA] = p[kIxA] / cy_a;
    p[kZyA] = p[kIyA] / cx_a;
    p[kIpA] = p[kIyA] + p[kIxA];
    if (!Root_Of_Ratio(p[kIxA], a, p[kIxAR]) || !Root_Of_Ratio(p[kIyA], a, p[kIyAR]))
        return std::nullopt;

    // Counter-clockwise input gives a negative area and moments; the radii are already positive.
    if (a < 0) {
        for (Prop i : {kA, kIx, kIy, kIxA, kIyA, kZx, kZy, kZxA, kZyA, kIp, kIpA}) p[i] = -p[i];
    }
    for (double v : p) {
        if (!std::isfinite(v)) return std::nullopt;
    }
    return p;
}

double Calc_Section_Prop(std::string_view symbol, std::vector<double>& xs,
                         std::vector<double>& ys) {
    std::size_t index = kPropSymbols.size();
    for (std::size_t i = 0; i < kPropSymbols.size(); ++i) {
        if (kPropSymbols[i] == symbol) {
            index = i;
            break;
        }
    }
    if (index == kPropSymbols.size())
        throw CalcError("unknown section property: " + std::string(symbol));
    const auto props = Calc_All_Props(xs, ys);
    if (!props) throw CalcError("the figure has no computable section properties");
    return (*props)[index];
}

}  // namespace kuvanto

// Section properties of one closed polygon. The first pass sums, edge by edge, the area, the first
// moments and the perimeter of the trapezoids between each edge and the axes; the second pass
// sums the second moments (each trapezoid split into a rectangle and a triangle) and the extreme
// fibre distances. The first moments use a division-free form of the trapezoid terms, so edges
// whose end coordinates sum to zero contribute their true share.
#include "core/SectionProperties.h"

#include <cmath>
#include <string>

#include "core/NumberText.h"

namespace kuvanto {

namespace {

enum Property {
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
bool rootOfRatio(double moment, double area, double& out) {
    const double ratio = moment / area;
    if (!(ratio >= 0)) return false;
    out = std::sqrt(ratio);
    return true;
}

}  // namespace

std::optional<SectionProperties> allProperties(std::vector<double>& xs, std::vector<double>& ys) {
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
    double syLin = 0, sySq = 0, sxLin = 0, sxSq = 0;  // first moments: /2 and /6 parts
    for (std::size_t k = 0; k < edges; ++k) {
        const double dx = x[k + 1] - x[k];
        const double dy = y[k + 1] - y[k];
        a += dx * (y[k] + y[k + 1]) / 2;
        syLin += dx * x[k] * (y[k] + y[k + 1]);
        sySq += dx * dx * (2 * y[k + 1] + y[k]);
        sxLin += dy * y[k] * (x[k] + x[k + 1]);
        sxSq += dy * dy * (2 * x[k + 1] + x[k]);
        len += std::sqrt(dx * dx + dy * dy);
    }
    if (a == 0 || !std::isfinite(a)) return std::nullopt;
    const double sy = syLin / 2 + sySq / 6;
    const double sx = sxLin / 2 + sxSq / 6;
    const double xBar = sy / a;
    const double yBar = -sx / a;

    // Own moments of the rectangles (/12) and triangles (/36), shared by both reference axes,
    // and the transfer terms to the centroid and to the coordinate axes.
    double rectX = 0, triX = 0, rectY = 0, triY = 0;
    double ix = 0, iy = 0, ixA = 0, iyA = 0;
    double cx = 0, cy = 0, cxA = 0, cyA = 0;
    for (std::size_t k = 0; k < edges; ++k) {
        const double dx = x[k + 1] - x[k];
        const double dy = y[k + 1] - y[k];
        const double h = minValue(y[k], y[k + 1]);
        const double d = std::fabs(dy);
        const double m = minValue(x[k], x[k + 1]);
        const double e = std::fabs(dx);
        const double tx = h + d / 3;  // centroid height of the triangle over the rectangle
        const double ty = m + e / 3;
        const double rectAreaX = h * dx, triAreaX = d * dx / 2;
        const double rectAreaY = m * dy, triAreaY = e * dy / 2;

        rectX += h * h * rectAreaX;
        triX += d * d * d * dx;
        rectY += m * m * rectAreaY;
        triY += e * e * e * dy;
        ix += (yBar - h / 2) * (yBar - h / 2) * rectAreaX +
              (yBar - tx) * (yBar - tx) * triAreaX;
        iy += (xBar - m / 2) * (xBar - m / 2) * rectAreaY +
              (xBar - ty) * (xBar - ty) * triAreaY;
        ixA += (h / 2) * (h / 2) * rectAreaX + tx * tx * triAreaX;
        iyA += (m / 2) * (m / 2) * rectAreaY + ty * ty * triAreaY;

        cx = maxValue(cx, std::fabs(xBar - x[k]));
        cy = maxValue(cy, std::fabs(yBar - y[k]));
        cxA = maxValue(cxA, std::fabs(x[k]));
        cyA = maxValue(cyA, std::fabs(y[k]));
    }
    const double ownX = rectX / 12 + triX / 36;
    const double ownY = rectY / 12 + triY / 36;
    ix += ownX;
    ixA += ownX;
    iy += ownY;
    iyA += ownY;
    if (cx == 0 || cy == 0 || cxA == 0 || cyA == 0) return std::nullopt;

    SectionProperties p{};
    p[kA] = a;
    p[kXBar] = xBar;
    p[kYBar] = yBar;
    p[kLen] = len;
    p[kIx] = ix;
    p[kIy] = -iy;
    p[kZx] = p[kIx] / cy;
    p[kZy] = p[kIy] / cx;
    p[kIp] = p[kIx] + p[kIy];
    if (!rootOfRatio(p[kIx], a, p[kIxR]) || !rootOfRatio(p[kIy], a, p[kIyR]))
        return std::nullopt;
    p[kIxA] = ixA;
    p[kIyA] = -iyA;
    // About the coordinate axes the extreme fibres are the largest distances from those axes.
    p[kZxA] = p[kIxA] / cyA;
    p[kZyA] = p[kIyA] / cxA;
    p[kIpA] = p[kIyA] + p[kIxA];
    if (!rootOfRatio(p[kIxA], a, p[kIxAR]) || !rootOfRatio(p[kIyA], a, p[kIyAR]))
        return std::nullopt;

    // Counter-clockwise input gives a negative area and moments; the radii are already positive.
    if (a < 0) {
        for (Property i : {kA, kIx, kIy, kIxA, kIyA, kZx, kZy, kZxA, kZyA, kIp, kIpA}) p[i] = -p[i];
    }
    for (double v : p) {
        if (!std::isfinite(v)) return std::nullopt;
    }
    return p;
}

double sectionProperty(std::string_view symbol, std::vector<double>& xs,
                         std::vector<double>& ys) {
    std::size_t index = kPropertySymbols.size();
    for (std::size_t i = 0; i < kPropertySymbols.size(); ++i) {
        if (kPropertySymbols[i] == symbol) {
            index = i;
            break;
        }
    }
    if (index == kPropertySymbols.size())
        throw CalcError("unknown section property: " + std::string(symbol));
    const auto props = allProperties(xs, ys);
    if (!props) throw CalcError("the figure has no computable section properties");
    return (*props)[index];
}

}  // namespace kuvanto

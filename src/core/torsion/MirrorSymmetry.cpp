// Finding a section's mirror lines by mapping its figures onto each other, and placing the shear
// centres on them.
#include "core/torsion/MirrorSymmetry.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace kuvanto {

namespace {

// Figures compared in all, beyond which the search gives up rather than take quadratic time on a
// drawing of many equal pieces.
constexpr long long kMaxComparisons = 20'000'000;

// A figure reduced to the corners of its region: no repeated or collinear vertices, counter-
// clockwise, with its area and centroid for a quick rejection.
struct Outline {
    std::vector<Point> corners;
    int sign = 1;
    int material = -1;
    double area = 0;
    Point centroid;
};

double cross(const Point& o, const Point& a, const Point& b) {
    return (a.x - o.x) * (b.y - o.y) - (a.y - o.y) * (b.x - o.x);
}

double distance(const Point& a, const Point& b) {
    return std::hypot(a.x - b.x, a.y - b.y);
}

// True when b lies on the segment's line from a to c within the tolerance (or repeats a).
bool onLine(const Point& a, const Point& b, const Point& c, double tolerance) {
    const double length = distance(a, c);
    if (length <= tolerance) return distance(a, b) <= tolerance;
    return std::abs(cross(a, b, c)) / length <= tolerance;
}

std::vector<Point> cornersOf(const std::vector<Point>& outline, double tolerance) {
    std::vector<Point> corners;
    corners.reserve(outline.size());
    for (const Point& p : outline) {
        if (!corners.empty() && distance(corners.back(), p) <= tolerance) continue;
        // Drop the middle of three points on a line; it changes nothing of the region.
        while (corners.size() >= 2 &&
               onLine(corners[corners.size() - 2], corners.back(), p, tolerance))
            corners.pop_back();
        corners.push_back(p);
    }
    // The closing vertex and the points about the start where the outline wraps round.
    while (corners.size() > 1 && distance(corners.front(), corners.back()) <= tolerance)
        corners.pop_back();
    bool changed = true;
    while (changed && corners.size() >= 3) {
        changed = false;
        const std::size_t n = corners.size();
        if (onLine(corners[n - 2], corners[n - 1], corners[0], tolerance)) {
            corners.pop_back();
            changed = true;
        } else if (onLine(corners[n - 1], corners[0], corners[1], tolerance)) {
            corners.erase(corners.begin());
            changed = true;
        }
    }
    return corners;
}

void measure(Outline& outline) {
    double twiceArea = 0, sumX = 0, sumY = 0;
    const std::vector<Point>& c = outline.corners;
    if (c.empty()) return;
    // About the first corner, so that a section far from the origin keeps its digits.
    const Point origin = c.front();
    for (std::size_t i = 0; i < c.size(); ++i) {
        const Point a{c[i].x - origin.x, c[i].y - origin.y};
        const Point& next = c[(i + 1) % c.size()];
        const Point b{next.x - origin.x, next.y - origin.y};
        const double w = a.x * b.y - b.x * a.y;
        twiceArea += w;
        sumX += (a.x + b.x) * w;
        sumY += (a.y + b.y) * w;
    }
    outline.area = twiceArea / 2;
    if (twiceArea != 0) {
        outline.centroid = {origin.x + sumX / (3 * twiceArea), origin.y + sumY / (3 * twiceArea)};
    } else {
        outline.centroid = origin;
    }
}

Point reflect(const Point& p, const MirrorSymmetry::Line& line) {
    const double dx = p.x - line.through.x, dy = p.y - line.through.y;
    const double along = dx * line.directionX + dy * line.directionY;
    const Point foot{line.through.x + along * line.directionX,
                     line.through.y + along * line.directionY};
    return {2 * foot.x - p.x, 2 * foot.y - p.y};
}

// True when the two corner cycles are equal within the tolerance, from some start of `target`.
bool sameCycle(const std::vector<Point>& mirrored, const std::vector<Point>& target,
               double tolerance) {
    const std::size_t n = target.size();
    if (mirrored.size() != n || n == 0) return false;
    for (std::size_t start = 0; start < n; ++start) {
        if (distance(target[start], mirrored[0]) > tolerance) continue;
        bool equal = true;
        for (std::size_t i = 1; i < n && equal; ++i)
            equal = distance(target[(start + i) % n], mirrored[i]) <= tolerance;
        if (equal) return true;
    }
    return false;
}

bool isMirrorLine(const std::vector<Outline>& outlines, const MirrorSymmetry::Line& line,
                  double tolerance, long long& comparisons) {
    std::vector<bool> used(outlines.size(), false);
    for (const Outline& figure : outlines) {
        // The mirror image, reversed to stay counter-clockwise.
        std::vector<Point> mirrored(figure.corners.rbegin(), figure.corners.rend());
        for (Point& p : mirrored) p = reflect(p, line);
        const Point centre = reflect(figure.centroid, line);
        bool found = false;
        for (std::size_t j = 0; j < outlines.size() && !found; ++j) {
            const Outline& other = outlines[j];
            if (used[j] || other.sign != figure.sign || other.material != figure.material ||
                other.corners.size() != mirrored.size())
                continue;
            if (++comparisons > kMaxComparisons) return false;
            if (distance(other.centroid, centre) > tolerance) continue;
            if (sameCycle(mirrored, other.corners, tolerance)) {
                used[j] = true;
                found = true;
            }
        }
        if (!found) return false;
    }
    return true;
}

}  // namespace

std::vector<MirrorSymmetry::Line> MirrorSymmetry::mirrorLines(
    std::span<const SectionFigure> figures) {
    double minX = std::numeric_limits<double>::infinity(), maxX = -minX;
    double minY = minX, maxY = -minX;
    for (const SectionFigure& figure : figures) {
        for (const Point& p : figure.outline) {
            if (!std::isfinite(p.x) || !std::isfinite(p.y)) return {};
            minX = std::min(minX, p.x);
            maxX = std::max(maxX, p.x);
            minY = std::min(minY, p.y);
            maxY = std::max(maxY, p.y);
        }
    }
    if (!(maxX > minX) || !(maxY > minY)) return {};
    const double largest =
        std::max({std::abs(minX), std::abs(maxX), std::abs(minY), std::abs(maxY)});
    // A millionth of a millionth of the size, and the coordinates' own rounding: far below
    // anything shown, far above what computing a generated outline's vertices leaves.
    const double tolerance = 1e-9 * std::hypot(maxX - minX, maxY - minY) +
                             64 * std::numeric_limits<double>::epsilon() * largest;

    std::vector<Outline> outlines;
    outlines.reserve(figures.size());
    double area = 0, firstX = 0, firstY = 0;
    for (const SectionFigure& figure : figures) {
        Outline outline;
        outline.sign = figure.sign;
        outline.material = figure.material;
        outline.corners = cornersOf(figure.outline, tolerance);
        if (outline.corners.size() < 3) continue;
        measure(outline);
        if (outline.area < 0) {
            std::reverse(outline.corners.begin(), outline.corners.end());
            outline.area = -outline.area;
        }
        area += figure.sign * outline.area;
        firstX += figure.sign * outline.area * outline.centroid.x;
        firstY += figure.sign * outline.area * outline.centroid.y;
        outlines.push_back(std::move(outline));
    }
    if (!(area > 0)) return {};
    const Point centroid{firstX / area, firstY / area};

    // The principal directions: eigenvectors of the second moments about the centroid, taken
    // from the corners' triangles fanned from the centroid.
    double xx = 0, yy = 0, xy = 0;
    for (const Outline& outline : outlines) {
        const std::vector<Point>& c = outline.corners;
        for (std::size_t i = 0; i < c.size(); ++i) {
            const Point a{c[i].x - centroid.x, c[i].y - centroid.y};
            const Point& next = c[(i + 1) % c.size()];
            const Point b{next.x - centroid.x, next.y - centroid.y};
            const double w = outline.sign * (a.x * b.y - b.x * a.y);
            xx += w * (a.x * a.x + a.x * b.x + b.x * b.x);
            yy += w * (a.y * a.y + a.y * b.y + b.y * b.y);
            xy += w * (2 * a.x * a.y + a.x * b.y + b.x * a.y + 2 * b.x * b.y);
        }
    }
    const double principal = 0.5 * std::atan2(xy, xx - yy);
    const double c = std::cos(principal), s = std::sin(principal);
    const double directions[4][2] = {{1, 0}, {0, 1}, {c, s}, {-s, c}};

    std::vector<Line> lines;
    long long comparisons = 0;
    for (const auto& direction : directions) {
        const Line line{centroid, direction[0], direction[1]};
        const bool seen = std::any_of(lines.begin(), lines.end(), [&](const Line& known) {
            return std::abs(known.directionX * line.directionY -
                            known.directionY * line.directionX) < 1e-12;
        });
        if (seen) continue;
        if (isMirrorLine(outlines, line, tolerance, comparisons)) lines.push_back(line);
        if (comparisons > kMaxComparisons) return {};
    }
    return lines;
}

void MirrorSymmetry::placeCentres(std::span<const SectionFigure> figures, TorsionValues& values) {
    const std::vector<Line> lines = mirrorLines(figures);
    if (lines.empty()) return;
    if (lines.size() >= 2) {
        values.shearCentreX = values.trefftzCentreX = values.centroidX;
        values.shearCentreY = values.trefftzCentreY = values.centroidY;
        return;
    }
    // Through the centroid the values were computed about, so that the offset is exactly 0
    // across the line.
    const Line& line = lines.front();
    auto project = [&](double& x, double& y) {
        const double along =
            (x - values.centroidX) * line.directionX + (y - values.centroidY) * line.directionY;
        x = values.centroidX + along * line.directionX;
        y = values.centroidY + along * line.directionY;
    };
    project(values.shearCentreX, values.shearCentreY);
    project(values.trefftzCentreX, values.trefftzCentreY);
}

}  // namespace kuvanto

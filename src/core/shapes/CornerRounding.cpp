// Corner rounding: the fillet construction in a frame where one leg runs along +X, the arc from
// tangent point to tangent point around the centre, its orientation, and the table side (reading
// the corner's neighbours and writing the arc in place of the corner).
#include "core/shapes/CornerRounding.h"

#include <algorithm>
#include <cmath>

#include "core/base/NumberText.h"
#include "core/table/CoordTable.h"

namespace kuvanto {

namespace {

// Pi and 2 pi as the degree conversions take them (degreesToRadians), so that the angles of a
// corner compared here agree exactly with the ones converted there.
constexpr double kPi = 3.14159265358979;
constexpr double kTwoPi = 6.28318530717958;

Point operator+(Point a, Point b) {
    return {a.x + b.x, a.y + b.y};
}
Point operator-(Point a, Point b) {
    return {a.x - b.x, a.y - b.y};
}
double cross(Point a, Point b) {
    return a.x * b.y - a.y * b.x;
}

// The sign of the turn a -> b -> c: 1 left, -1 right, 0 on one line.
int orientation(Point a, Point b, Point c) {
    const double value = cross(b - a, c - a);
    return value > 0 ? 1 : (value < 0 ? -1 : 0);
}

// Whether p, known to lie on the line through a and b, lies within their bounding box.
bool withinBox(Point a, Point b, Point p) {
    return std::min(a.x, b.x) <= p.x && p.x <= std::max(a.x, b.x) && std::min(a.y, b.y) <= p.y &&
           p.y <= std::max(a.y, b.y);
}

bool isFinite(Point p) {
    return std::isfinite(p.x) && std::isfinite(p.y);
}

// A direction reduced to -180..180 when it lies beyond 180.
double signedAngle(double degrees) {
    return degrees > 180 ? degrees - 360 : degrees;
}

bool rowIsVertex(const CoordTable& table, int row) {
    return row >= 1 && isNumericText(table.text(row, 0)) && isNumericText(table.text(row, 1));
}

std::string scannedText(const CoordTable& table, int row, int col) {
    return numText(lenientValue(table.text(row, col)));
}

}  // namespace

double vectorAngle(double x, double y) {
    double radians;
    if (x >= 0 && y >= 0) {
        if (x == 0) return 90;
        radians = std::atan(y / x);
    } else if (x < 0) {
        radians = std::atan(y / x) + kPi;
    } else {
        if (x == 0) return 270;
        radians = std::atan(y / x) + kTwoPi;
    }
    const double degrees = radiansToDegrees(radians);
    return degrees >= 360 ? degrees - 360 : degrees;
}

Point rotated(Point p, double degrees) {
    const double a = degreesToRadians(degrees);
    const double c = std::cos(a), s = std::sin(a);
    return {p.x * c - p.y * s, p.x * s + p.y * c};
}

bool segmentsIntersect(Point p, Point a, Point q, Point b) {
    const int o1 = orientation(p, a, q), o2 = orientation(p, a, b);
    const int o3 = orientation(q, b, p), o4 = orientation(q, b, a);
    if (o1 != o2 && o3 != o4) return true;
    if (o1 == 0 && withinBox(p, a, q)) return true;
    if (o2 == 0 && withinBox(p, a, b)) return true;
    if (o3 == 0 && withinBox(q, b, p)) return true;
    if (o4 == 0 && withinBox(q, b, a)) return true;
    return false;
}

Fillet computeFillet(Point corner, Point start, Point end, double radius, double divisions,
                     bool flipped) {
    Fillet fillet;
    if (!(divisions > 0 && divisions < 720)) {
        fillet.problem = FilletProblem::unusableDivisions;
        return fillet;
    }
    if (!(radius > 0) || !std::isfinite(radius)) {
        fillet.problem = FilletProblem::unusableRadius;
        return fillet;
    }
    const Point leg1 = start - corner, leg2 = end - corner;
    const double length1 = std::hypot(leg1.x, leg1.y), length2 = std::hypot(leg2.x, leg2.y);
    if (length1 == 0 || length2 == 0) {
        fillet.problem = FilletProblem::coincidentPoint;
        return fillet;
    }
    if (std::fabs(cross(leg1, leg2)) <= 1e-12 * length1 * length2) {
        fillet.problem = FilletProblem::collinearLegs;
        return fillet;
    }

    // Turn the frame so that the leg with the smaller direction runs along +X.
    double direction1 = vectorAngle(leg1.x, leg1.y), direction2 = vectorAngle(leg2.x, leg2.y);
    if (!flipped) {
        direction1 = signedAngle(direction1);
        direction2 = signedAngle(direction2);
    }
    const double base = std::min(direction1, direction2);
    const Point turned1 = rotated(leg1, -base), turned2 = rotated(leg2, -base);
    const double opening1 = signedAngle(vectorAngle(turned1.x, turned1.y));
    const double opening2 = signedAngle(vectorAngle(turned2.x, turned2.y));
    const double half = std::max(std::fabs(opening1), std::fabs(opening2)) / 2;

    // Tangent length from the corner, then centre and tangent points in the turned frame.
    const double sine = std::sin(degreesToRadians(half));
    const double tangent = radius * std::sqrt(std::max(0.0, 1 / (sine * sine) - 1));
    const Point centre = rotated({tangent, radius}, base) + corner;
    const Point touch1 = rotated({tangent, 0}, base) + corner;
    const Point touch2 = rotated(rotated({tangent, 0}, 2 * half), base) + corner;
    if (!isFinite(centre) || !isFinite(touch1) || !isFinite(touch2)) {
        fillet.problem = FilletProblem::unusableRadius;
        return fillet;
    }

    // Counter-clockwise around the centre from touch2 to touch1: never the long way round.
    const double from = vectorAngle(touch2.x - centre.x, touch2.y - centre.y);
    double sweep = vectorAngle(touch1.x - centre.x, touch1.y - centre.y) - from;
    if (sweep < 0) sweep += 360;
    const double step = 360 / divisions;
    fillet.centre = centre;
    fillet.vertices.push_back(touch2);
    for (int i = 1;; ++i) {
        const double t = i * step;
        // An angle within rounding of the end would repeat the last tangent point.
        if (t >= sweep - 1e-9 * step) break;
        const double a = degreesToRadians(from + t);
        fillet.vertices.push_back(
            {centre.x + radius * std::cos(a), centre.y + radius * std::sin(a)});
    }
    fillet.vertices.push_back(touch1);

    // Run from the start point's side to the end point's side.
    if (segmentsIntersect(start, fillet.vertices.front(), end, fillet.vertices.back()))
        std::reverse(fillet.vertices.begin(), fillet.vertices.end());
    return fillet;
}

CornerSource readCorner(const CoordTable& table, int row) {
    CornerSource source;
    if (row < 1 || row >= table.rows()) return source;
    source.cornerX = table.text(row, 0);
    source.cornerY = table.text(row, 1);
    const bool before = rowIsVertex(table, row - 1);
    const bool after = rowIsVertex(table, row + 1);
    if (before && after) {
        source.kind = CornerCase::interior;
        source.startX = table.text(row - 1, 0);
        source.startY = table.text(row - 1, 1);
        source.endX = table.text(row + 1, 0);
        source.endY = table.text(row + 1, 1);
    } else if (after) {
        // The figure's closing row repeats the corner; the start point is the vertex before it.
        source.kind = CornerCase::first;
        int closing[2];
        for (int col = 0; col < 2; ++col) {
            int k = row + 1;
            while (k < table.rows() && isNumericText(table.text(k, col))) ++k;
            closing[col] = k - 1;
        }
        // The last row is the closing row only when it repeats the corner. An open figure is
        // valid too (the calculation closes it): its last vertex is the corner's other neighbour
        // and stays as it is.
        const bool closed = closing[0] == closing[1] && closing[0] > row &&
                            table.number(closing[0], 0) == table.number(row, 0) &&
                            table.number(closing[1], 1) == table.number(row, 1);
        const int back = closed ? 1 : 0;
        source.startX = scannedText(table, closing[0] - back, 0);
        source.startY = scannedText(table, closing[1] - back, 1);
        source.endX = table.text(row + 1, 0);
        source.endY = table.text(row + 1, 1);
        source.closeRow = closed ? closing[0] : -1;
    } else if (before) {
        source.kind = CornerCase::last;
        source.startX = table.text(row - 1, 0);
        source.startY = table.text(row - 1, 1);
        int first[2];
        for (int col = 0; col < 2; ++col) {
            int k = row - 1;
            while (k >= 1 && isNumericText(table.text(k, col))) --k;
            first[col] = k + 1;
        }
        source.endX = scannedText(table, first[0], 0);
        source.endY = scannedText(table, first[1], 1);
    }
    return source;
}

bool applyFillet(CoordTable& table, int row, const CornerSource& source, const Fillet& fillet) {
    if (fillet.problem != FilletProblem::none || fillet.vertices.empty()) return false;
    if (row < 1 || row >= table.rows()) return false;
    const int count = static_cast<int>(fillet.vertices.size());
    table.insertRows(row, count - 1);  // the corner row itself takes the first vertex
    for (int i = 0; i < count; ++i) {
        table.setText(row + i, 0, fixed3Text(fillet.vertices[static_cast<std::size_t>(i)].x));
        table.setText(row + i, 1, fixed3Text(fillet.vertices[static_cast<std::size_t>(i)].y));
    }
    if (source.kind == CornerCase::first && source.closeRow > row) {
        const int closing = source.closeRow + count - 1;
        table.setText(closing, 0, table.text(row, 0));
        table.setText(closing, 1, table.text(row, 1));
    }
    table.setRow(row);
    return true;
}

}  // namespace kuvanto

// Corner rounding: the fillet of radius R tangent to the two edges that meet at a corner, as a
// list of vertices from the tangent point on the start point's side to the one on the end point's
// side, with the angular step 360° / n. Also the corner's reading from a coordinate table (which
// neighbours serve as start and end point) and the replacement of the corner row by the fillet.
// The geometry helpers (vector direction, rotation, segment crossing) are exposed for tests.
#pragma once

#include <string>
#include <vector>

#include "core/base/Point.h"

namespace kuvanto {

class CoordTable;

// The direction of (x, y) in degrees, from 0 up to but not including 360; 90 for the zero vector.
double vectorAngle(double x, double y);

// The point rotated counter-clockwise about the origin by `degrees`.
Point rotated(Point p, double degrees);

// Whether the closed segments p–a and q–b have a common point (touching counts; collinear
// segments count when they overlap). Decided by the signs of cross products, without rotation.
bool segmentsIntersect(Point p, Point a, Point q, Point b);

enum class FilletProblem {
    none,
    unusableDivisions,  // not above 0 and below 720
    unusableRadius,     // not a positive finite radius, or one too large to compute with
    coincidentPoint,    // the start or end point lies on the corner
    collinearLegs,      // both legs on one line: no opening to round
};

struct Fillet {
    FilletProblem problem = FilletProblem::none;
    Point centre;
    std::vector<Point> vertices;
};

// The fillet of the corner c between the legs towards `start` and `end`. `flipped` changes how
// the leg directions are normalised (0° to 360° instead of -180° to 180°), which moves the fillet
// to the other side when a leg direction lies beyond 180°.
Fillet computeFillet(Point corner, Point start, Point end, double radius, double divisions,
                     bool flipped);

enum class CornerCase {
    none,      // no numeric neighbours: the start and end point keep their defaults
    interior,  // both neighbours are vertices
    first,     // the first vertex of its figure: the start point precedes the closing row that
               // repeats the corner, or is the last vertex of an open figure
    last,      // the last vertex of its figure: the end point is the figure's first vertex
};

// The corner at a row and the texts of its start and end points, as the dialog shows them.
struct CornerSource {
    CornerCase kind = CornerCase::none;
    std::string cornerX = "0", cornerY = "10";
    std::string startX = "0", startY = "10";
    std::string endX = "-10", endY = "20";
    int closeRow = -1;  // the closing row repeating the corner, for CornerCase::first; -1 for none
};

CornerSource readCorner(const CoordTable& table, int row);

// Replaces the corner row by the fillet's vertices (rounded to three decimals) in one insertion;
// for a first vertex the figure's closing row receives the fillet's first vertex as well. The
// current row stays at the corner row. False (and no change) for an unusable fillet.
bool applyFillet(CoordTable& table, int row, const CornerSource& source, const Fillet& fillet);

}  // namespace kuvanto

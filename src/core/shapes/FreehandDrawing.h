// The table side of freehand drawing on the canvas: snapping a position to the grid step, the
// horizontal or vertical constraint while Shift is held, the rubber band and its length box, a
// length typed for a horizontal or vertical segment, a coordinate typed in the coordinate dialog,
// and closing the figure. Each vertex goes into the table at its current row, pushing the rows
// below down; the canvas keeps the press point (the last placed vertex) and passes it in.
#pragma once

#include <optional>
#include <string>

#include "core/shapes/CornerRounding.h"

namespace kuvanto {

class CoordTable;

// Text of a single-precision value: at most 7 significant digits ("12.5", "0.762", "1E-05").
std::string singleText(float value);

// The position snapped to the grid step (each coordinate to the nearest multiple, a half to the
// even multiple), kept in single precision; unchanged when there is no step.
Point snapToGrid(Point position, std::optional<double> step);

// With Shift alone held: when the row above the current row holds a vertex, the segment from the
// press point becomes vertical (the larger distance is along Y: X of the row above) or horizontal
// (Y of the row above); at equal distances nothing changes.
Point constrainOrthogonal(const CoordTable& table, Point press, Point position);

// Adds a clicked vertex: one empty row at the current row, the position snapped and (with
// `shiftOnly`) constrained, written in single precision, and the current row moved below it.
// Returns the written position, the new press point; nothing (and no change) when the position
// is beyond single precision.
std::optional<Point> addClickedVertex(CoordTable& table, Point position, std::optional<double> step,
                                      bool shiftOnly, Point press);

enum class BandAxis { none, horizontal, vertical };

// What a mouse move draws while drawing: the rubber band from the press point and, with Shift
// alone, the length box's caption, text and the cursor coordinate along the axis.
struct RubberBand {
    Point from, to;
    bool drawn = true;
    BandAxis axis = BandAxis::none;  // none: no length box (or keep the box as it is)
    std::string caption;             // "⊿X=" or "⊿Y="
    std::string lengthText;          // the length rounded to three decimals
    double cursorAlongAxis = 0;      // where the cursor was along the axis (kept exactly)
};

RubberBand rubberBand(Point press, Point cursor, std::optional<double> step, bool shiftOnly);

// A length typed into the length box: the new vertex lies `length` away from the vertex in the
// row above the current row, along the box's axis, on the side of the press point where the
// cursor was; it is inserted at the current row, which moves below it. Nothing (and no change)
// when the row above holds no vertex or the new vertex would not be finite.
std::optional<Point> addTypedLength(CoordTable& table, BandAxis axis, double length,
                                    double cursorAlongAxis, Point press);

// The coordinate dialog's OK: inserts (press + (dx, dy)) when relative, (dx, dy) when absolute,
// at the current row, which moves below it. Returns the new press point; nothing (and no change)
// when it would not be finite.
std::optional<Point> addTypedCoordinate(CoordTable& table, Point press, double dx, double dy,
                                        bool relative);

// Closes the figure that ends above the current row: a copy of its first vertex goes in at the
// current row, then a separator row below it; the current row ends below the separator and the
// table keeps an empty last row. False (and no change) when the current row is the header.
bool closeFigure(CoordTable& table);

}  // namespace kuvanto

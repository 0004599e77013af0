// The state of freehand drawing mode between canvas events: whether the mode is on, whether the
// first vertex has been placed, the press point (the last placed vertex, where the rubber band
// starts) and the length box's axis and cursor coordinate from the last move that showed it. The
// canvas turns its events into these calls and draws what they return.
#pragma once

#include <optional>
#include <string_view>

#include "core/shapes/FreehandDrawing.h"

namespace kuvanto {

class CoordTable;

class FreehandSession {
public:
    bool on() const { return on_; }
    bool drawing() const { return drawing_; }
    Point press() const { return press_; }
    BandAxis boxAxis() const { return boxAxis_; }

    // Switches the mode on (nothing placed yet) or off.
    void start();
    void end();

    // A left press while the mode is on: adds the vertex and makes it the press point. False
    // (nothing added) when the mode is off or the point is beyond single precision.
    bool click(CoordTable& table, Point position, std::optional<double> step, bool shiftOnly);

    // A mouse move while drawing: the band to draw. With Shift alone the length box follows it;
    // at equal distances the box keeps its last axis.
    RubberBand move(Point position, std::optional<double> step, bool shiftOnly);

    // Enter in the length box: a numeric text adds the vertex along the box's axis; any other
    // text, a length that puts the vertex out of the double range, or no vertex above the
    // current row, changes nothing. `noVertexAbove`, when given, tells the last case (a number
    // was typed but there is nothing to lay it off from).
    bool typeLength(CoordTable& table, std::string_view text, bool* noVertexAbove = nullptr);

    // The coordinate dialog's OK; false (nothing added) when the vertex would not be finite.
    bool typeCoordinate(CoordTable& table, double x, double y, bool relative);

    // Closes the figure and ends the mode; false when the current row is the header.
    bool close(CoordTable& table);

private:
    bool on_ = false;
    bool drawing_ = false;
    Point press_;
    BandAxis boxAxis_ = BandAxis::none;
    double cursorAlongAxis_ = 0;
};

}  // namespace kuvanto

// Freehand drawing mode state.
#include "core/shapes/FreehandSession.h"

#include <cmath>

#include "core/base/NumberText.h"
#include "core/table/CoordTable.h"

namespace kuvanto {

void FreehandSession::start() {
    on_ = true;
    drawing_ = false;
    boxAxis_ = BandAxis::none;
}

void FreehandSession::end() {
    on_ = false;
    drawing_ = false;
    boxAxis_ = BandAxis::none;
}

bool FreehandSession::click(CoordTable& table, Point position, std::optional<double> step,
                            bool shiftOnly) {
    if (!on_) return false;
    const std::optional<Point> vertex = addClickedVertex(table, position, step, shiftOnly, press_);
    if (!vertex) return false;
    press_ = *vertex;
    drawing_ = true;
    return true;
}

RubberBand FreehandSession::move(Point position, std::optional<double> step, bool shiftOnly) {
    RubberBand band = rubberBand(press_, position, step, shiftOnly);
    if (!shiftOnly) {
        boxAxis_ = BandAxis::none;
    } else if (band.axis != BandAxis::none) {
        boxAxis_ = band.axis;
        cursorAlongAxis_ = band.cursorAlongAxis;
    }
    return band;
}

bool FreehandSession::typeLength(CoordTable& table, std::string_view text, bool* noVertexAbove) {
    if (noVertexAbove) *noVertexAbove = false;
    const std::optional<double> length = parseNumeric(text);
    if (!length || !std::isfinite(*length)) return false;
    const std::optional<Point> vertex =
        addTypedLength(table, boxAxis_, *length, cursorAlongAxis_, press_);
    if (!vertex) {
        const int above = table.row() - 1;
        if (noVertexAbove)
            *noVertexAbove = !(table.number(above, 0) && table.number(above, 1)) || above < 1;
        return false;
    }
    press_ = *vertex;
    return true;
}

bool FreehandSession::typeCoordinate(CoordTable& table, double x, double y, bool relative) {
    const std::optional<Point> vertex = addTypedCoordinate(table, press_, x, y, relative);
    if (!vertex) return false;
    press_ = *vertex;
    return true;
}

bool FreehandSession::close(CoordTable& table) {
    if (table.row() < 1) return false;
    closeFigure(table);
    end();
    return true;
}

}  // namespace kuvanto

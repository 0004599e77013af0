// Moving, rotating and scaling the selected vertices of a coordinate table, the base-point list of
// the move dialog, and the status-bar texts of the canvas and the tables. Only rows whose X and
// Y cells both hold numbers change; separator, empty and half-filled rows in the selection keep
// their text. Results are written as number text.
#pragma once

#include <string>
#include <vector>

#include "core/CoordTable.h"

namespace kuvanto {

// Each returns the count of rows changed, or kNotFinite (and changes nothing) when an input or
// a result is not a finite number: a table never gets an infinite or undefined coordinate.
inline constexpr int kNotFinite = -1;
int moveSelected(CoordTable& grid, double dx, double dy);
// Turns about (cx, cy) by `degrees` counter-clockwise; the rotated offset is rounded to three
// decimals (halves to even) before the centre is added back.
int rotateSelected(CoordTable& grid, double cx, double cy, double degrees);
// Scales about the base point, which stays fixed: X := x0 + a(X - x0), Y := y0 + a(Y - y0).
int scaleSelected(CoordTable& grid, double x0, double y0, double factor);

// One list item per selected vertex row: "X: " + x + " - Y: " + y, each value in the "0.000"
// pattern padded with blanks (or cut) to ten characters.
std::vector<std::string> basePointItems(const CoordTable& grid);
// The same one at a time, for a list that makes its items only when they come into sight: the
// selected vertex rows, and the item of one row.
std::vector<int> basePointRows(const CoordTable& grid);
std::string basePointItem(const CoordTable& grid, int row);
// The base point an item shows, read back from its two ten-character fields.
struct BasePoint {
    double x = 0;
    double y = 0;
};
BasePoint basePointOfItem(const std::string& item);

// "X=  12.500 , Y=  40.000       [ZoomFactor:1.000 , Xm:0.000 , Ym:0.000]"
std::string canvasStatusText(double x, double y, double viewMult, double viewOfsX, double viewOfsY);
// "選択座標(加算図形)　：X=  12.500 , Y=  40.000" for the current row of a table; cells that
// are not numbers are shown as they stand.
std::string tableStatusText(const CoordTable& grid, bool added);

// The zoom rule of a Ctrl + right drag: the multiplier for a vertical distance dy (press minus
// current, world units) in a window of scale height `scaleHeight`, from `pressMult`, kept
// between 0.02 and 20; dy = 0 keeps `currentMult`.
double dragZoomMultiplier(double pressMult, double currentMult, double dy, double scaleHeight);

}  // namespace kuvanto

// Moving, rotating and scaling the selected vertices of a coordinate table, the base-point list of
// the move dialog, and the status-bar texts of the canvas and the tables. Only rows whose X and
// Y cells both hold numbers change; separator, empty and half-filled rows in the selection keep
// their text. Results are written as number text.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/base/TranslationMarker.h"
#include "core/table/CoordTable.h"

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
// The base point the item of a row shows: its numbers as rounded for the item (a Y cell that is
// not numeric text reads leniently, as its item shows it).
struct BasePoint {
    double x = 0;
    double y = 0;
};
BasePoint basePointOfRow(const CoordTable& grid, int row);

// "X=  12.500 , Y=  40.000       [ZoomFactor:1.000 , Xm:0.000 , Ym:0.000]"
std::string canvasStatusText(double x, double y, double viewMult, double viewOfsX, double viewOfsY);
// "選択座標(加算図形)　：X=  12.500 , Y=  40.000" for the current row of a table: the head of
// the table's kind (one of the two below, translated where it is shown) and the row's cells, those
// that are not numbers shown as they stand.
inline constexpr const char* kAddedStatusHead =
    QT_TRANSLATE_NOOP("Transformations", "選択座標(加算図形)　：X=");
inline constexpr const char* kSubtractedStatusHead =
    QT_TRANSLATE_NOOP("Transformations", "選択座標(減算図形)　：X=");
std::string tableStatusText(const CoordTable& grid, std::string_view head);

// The zoom rule of a Ctrl + right drag: the multiplier for a vertical distance dy (press minus
// current, world units) in a window of scale height `scaleHeight`, from `pressMult`, kept
// between 0.02 and 20; dy = 0 keeps `currentMult`.
double dragZoomMultiplier(double pressMult, double currentMult, double dy, double scaleHeight);

}  // namespace kuvanto

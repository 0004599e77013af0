// Drawing helpers shared by the explanatory pictures of the generator dialogs. Every picture is
// drawn by QPainter in a square of logical units that is scaled to the widget, so it stays crisp
// at any size and device pixel ratio; the helpers draw arrow heads, dimension lines, points and
// labels in those units.
#pragma once

#include <QColor>
#include <QPointF>
#include <QString>

class QPainter;
class QWidget;

namespace kuvanto::picture {

// Side of the logical square every picture is drawn in.
inline constexpr double kSize = 200;

// Prepares the painter: antialiasing, the widget's background, and a transform that maps the
// logical square (Y down, 0..kSize) centred into the widget.
void begin(QPainter& painter, const QWidget& widget, const QColor& background);

// A filled arrow head at `tip`, pointing away from `from`.
void arrowHead(QPainter& painter, QPointF from, QPointF tip, double length = 9);

// A line with arrow heads at both ends (a dimension).
void dimension(QPainter& painter, QPointF a, QPointF b);

// A filled point.
void point(QPainter& painter, QPointF at, double radius = 3.5);

// Text centred on `at` (in logical units) in a font of the given logical size.
void label(QPainter& painter, QPointF at, const QString& text, double size = 13,
           bool italic = false);

}  // namespace kuvanto::picture

// From a drawing to the two coordinate tables: every layer's shapes are turned into chords, its
// open pieces chained into loops, and loops that cross themselves are set aside with their
// place. The loops of the chosen layers are then nested: a loop inside an odd number of others
// is a hole and goes to the subtracted table, the others to the added table, each written as a
// figure counter-clockwise and closed by repeating its first vertex.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "core/drawing/CadDrawing.h"
#include "core/drawing/CurveFlattening.h"
#include "core/drawing/LoopChaining.h"
#include "core/table/CoordTable.h"

namespace kuvanto {

struct LayerOutlines {
    std::string name;
    std::vector<std::vector<Point>> loops;  // drawing units, without closing point
    std::vector<LoopProblem> problems;
    std::size_t ignored = 0;
};

// Figures in table units, counter-clockwise, closed (last point repeats the first).
struct SectionFigures {
    std::vector<std::vector<Point>> added;
    std::vector<std::vector<Point>> subtracted;
};

class DrawingSections {
public:
    // Most points a drawing may turn into (all layers together).
    static constexpr std::size_t kPointLimit = 20'000'000;

    // The distance within which end points count as one: a millionth of the drawing's size.
    static double joinTolerance(const CadDrawing& drawing);

    // Flattens and chains every layer of the drawing with the rule (in drawing units). False
    // when the drawing would need more than kPointLimit points; `layers` is then incomplete.
    static bool outlineLayers(const CadDrawing& drawing, const ChordRule& rule,
                              std::vector<LayerOutlines>& layers,
                              std::size_t pointLimit = kPointLimit);

    // The figures of the chosen layers' loops, scaled by `scale` (drawing to table units).
    static SectionFigures figures(const std::vector<const LayerOutlines*>& layers, double scale);

    // Both tables replaced by the figures (separator rows between figures).
    static void replaceTables(CoordTable& add, CoordTable& subtracted,
                              const SectionFigures& figures);
    // The figures inserted before `row` of the table, each followed by a separator row. Returns
    // the rows inserted.
    static int insertFigures(CoordTable& grid, int row,
                             const std::vector<std::vector<Point>>& figures);

    // The text a table cell gets for a coordinate: nine decimals at most.
    static std::string coordinateText(double value);
};

}  // namespace kuvanto

// From a drawing to the two coordinate tables: every layer's shapes are turned into chords, its
// open pieces chained into loops, and loops that cross themselves are set aside with their
// place. The loops of the chosen layers are then nested from their exact arrangement
// (OutlineNesting): a loop inside an odd number of others is a hole and goes to the subtracted
// table, the others to the added table, each written as a figure counter-clockwise and closed by
// repeating its first vertex. A drawing this program exported (its figures on the layers of
// added and subtracted figures alone) is read back figure by figure as it was written.
#pragma once

#include <cstddef>
#include <map>
#include <string>
#include <vector>

#include "core/drawing/CadDrawing.h"
#include "core/drawing/CurveFlattening.h"
#include "core/drawing/LoopChaining.h"
#include "core/drawing/OutlineNesting.h"
#include "core/table/CoordTable.h"

namespace kuvanto {

struct LayerOutlines {
    std::string name;
    std::vector<std::vector<Point>> loops;  // drawing units, without closing point
    std::vector<LoopProblem> problems;
    std::size_t ignored = 0;
    std::map<std::string, std::size_t> ignoredKinds;  // as CadLayer::ignoredKinds
    bool hidden = false;                              // as CadLayer::hidden
    double tolerance = 0;  // the drawing's joining tolerance, drawing units
};

// A loop left out or joined because of another loop of the chosen layers.
struct FigureClash {
    LoopClash::Kind kind = LoopClash::Kind::Crossing;
    std::string layer;       // the loop's layer
    std::string otherLayer;  // the other loop's layer
    Point where;             // table units
};

// Figures in table units, counter-clockwise, closed (last point repeats the first).
struct SectionFigures {
    std::vector<std::vector<Point>> added;
    std::vector<std::vector<Point>> subtracted;
    std::vector<FigureClash> clashes;
};

class DrawingSections {
public:
    // The layers the program's own export writes its added and subtracted figures on.
    static constexpr const char* kAddedLayer = "ADDED";
    static constexpr const char* kSubtractedLayer = "SUBTRACTED";

    // Most points a drawing may turn into (all layers together).
    static constexpr std::size_t kPointLimit = 20'000'000;

    // The distance within which end points count as one: a millionth of the drawing's size.
    static double joinTolerance(const CadDrawing& drawing);

    // Flattens and chains every layer of the drawing with the rule (in drawing units). False
    // when the drawing would need more than kPointLimit points; `layers` is then incomplete.
    static bool outlineLayers(const CadDrawing& drawing, const ChordRule& rule,
                              std::vector<LayerOutlines>& layers,
                              std::size_t pointLimit = kPointLimit);

    // Whether the drawing's outlines all lie on the export's two layers (a section this program
    // wrote): each outline is then one figure of the table its layer names, as it was written.
    static bool isExportedSection(const CadDrawing& drawing);

    // The figures of the chosen layers' loops, scaled by `scale` (drawing to table units).
    // `join` makes loops that cross one figure, the outline of their union.
    static SectionFigures figures(const std::vector<const LayerOutlines*>& layers, double scale,
                                  bool join = false);

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

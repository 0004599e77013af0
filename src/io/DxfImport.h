// The section import of a DXF drawing as the dialog and the calculator use it: the drawing's
// unit and the user's scale give the factor from drawing to table units (millimetres), the chord
// error is taken in table units, and the chosen layers' loops become the figures of the two
// tables. Also the texts that tell the user about the loops left out.
#pragma once

#include <QString>
#include <string>
#include <vector>

#include "core/drawing/CadDrawing.h"
#include "core/drawing/DrawingSections.h"

namespace kuvanto {

enum class DrawingUnit { Millimetre, Centimetre, Metre, Inch };

struct DxfImportOptions {
    std::vector<std::string> layers;  // empty: every layer
    DrawingUnit unit = DrawingUnit::Millimetre;
    double scale = 1;       // applied after the unit
    double chordError = 0;  // in table units; 0 follows the shape library's fillet density
    std::size_t pointLimit = DrawingSections::kPointLimit;  // most points of the whole drawing
    bool join = false;  // loops that cross become one figure instead of being left out
};

class DxfImport {
public:
    // Millimetres per unit.
    static double unitFactor(DrawingUnit unit);
    // The unit a drawing declares ($INSUNITS), millimetres when it declares none we know.
    static DrawingUnit unitOfDrawing(const CadDrawing& drawing);
    // Parses "mm", "cm", "m", "inch" (also "in").
    static bool parseUnit(const QString& text, DrawingUnit* unit);

    // Every layer's loops and faults for the options' unit, scale and chord error. False with
    // `error` set when the drawing needs too many points.
    static bool outline(const CadDrawing& drawing, const DxfImportOptions& options,
                        std::vector<LayerOutlines>& layers, QString* error);
    // The figures of the chosen layers in table units.
    static SectionFigures figures(const std::vector<LayerOutlines>& layers,
                                  const DxfImportOptions& options);

    // "開いた輪郭 (x, y)"-style description of a left-out loop (coordinates in table units).
    static QString problemText(const LoopProblem& problem, double factor);
    // "画層「A」の輪郭が画層「B」の輪郭と (x, y) で交差…"-style description of a clash.
    static QString clashText(const FigureClash& clash);

    // One line of what the layer left out: entities by kind with their counts, and loops left
    // out by fault with the first ten places (open ends with enough digits to show the gap to
    // the nearest other open end, and that gap) and a count of the rest. Empty when nothing was.
    static QString layerSummary(const LayerOutlines& layer, double factor);
    // Why the chosen layers give no figure; empty when they give some.
    static QString noSectionReason(const std::vector<LayerOutlines>& layers,
                                   const DxfImportOptions& options, const SectionFigures& figures);
    // Whether the options choose the layer.
    static bool chooses(const DxfImportOptions& options, const std::string& layer);
};

}  // namespace kuvanto

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

// Every length unit a drawing can declare ($INSUNITS), the first four in the order the dialog
// has always listed them.
enum class DrawingUnit {
    Millimetre,
    Centimetre,
    Metre,
    Inch,
    Foot,
    Yard,
    Mile,
    Micrometre,
    Nanometre,
    Decimetre,
    Decametre,
    Hectometre,
    Kilometre,
    Gigametre,
    Angstrom,
    Microinch,
    Mil,
    AstronomicalUnit,
    LightYear,
    Parsec,
    SurveyFoot,
    SurveyInch,
    SurveyYard,
    SurveyMile,
};

struct DrawingUnitInfo {
    DrawingUnit unit;
    int code;             // $INSUNITS
    const char* name;     // as --unit takes it and the dialog shows it
    const char* aliases;  // other names --unit takes, separated by blanks
    double millimetres;
};

struct DxfImportOptions {
    std::vector<std::string> layers;  // empty: every layer
    DrawingUnit unit = DrawingUnit::Millimetre;
    double scale = 1;       // applied after the unit
    double chordError = 0;  // in table units; 0 follows the shape library's fillet density
    std::size_t pointLimit = DrawingSections::kPointLimit;  // most points of the whole drawing
    bool join = false;  // loops that cross become one figure instead of being left out
    // Layers off or frozen count when every layer is read; a layer named in `layers` always does.
    bool includeHidden = false;
};

class DxfImport {
public:
    // Every unit, in the order of DrawingUnit.
    static const std::vector<DrawingUnitInfo>& units();
    static const DrawingUnitInfo& unitInfo(DrawingUnit unit);
    // Millimetres per unit.
    static double unitFactor(DrawingUnit unit);
    // The unit a drawing declares ($INSUNITS), millimetres when it declares none or a code the
    // format does not define.
    static DrawingUnit unitOfDrawing(const CadDrawing& drawing);
    // What unit was assumed and why, when the drawing declares none or an undefined one.
    static QString assumedUnitNotice(const CadDrawing& drawing);
    // Parses a unit's name or one of its aliases ("mm", "in", "ft", "um", ...), any case.
    static bool parseUnit(const QString& text, DrawingUnit* unit);
    // The names --unit takes, "mm, cm, m, in, ...".
    static QString unitNames();

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
    static bool chooses(const DxfImportOptions& options, const LayerOutlines& layer);
    // The notices about the reading itself: the unit assumed, a missing end mark.
    static QStringList readingNotices(const CadDrawing& drawing);
};

}  // namespace kuvanto

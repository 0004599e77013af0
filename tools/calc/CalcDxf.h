// The calculator's reading of DXF drawings: the options that choose layers, the drawing's unit,
// a scale and the chord error, and the filling of the tables from a drawing as the program's
// DXF import does it. Loops left out (open, self-intersecting) are reported on standard error.
#pragma once

#include <QString>
#include <QStringList>
#include <cstdio>
#include <optional>
#include <string>

#include "core/table/CoordTable.h"
#include "io/DxfImport.h"

namespace kuvanto {

struct DxfCalcOptions {
    QStringList layers;               // --layer, repeatable; empty: every layer
    std::optional<DrawingUnit> unit;  // --unit; nothing: the drawing's own
    double scale = 1;                 // --scale
    double chordError = 0;            // --chord-error, in mm; 0: the shape library's density
    bool join = false;                // --join: outlines that cross become one figure
    bool includeHidden = false;       // --hidden-layers: layers off or frozen are read too
};

class CalcDxf {
public:
    // Whether the file is read as a drawing (its name ends in ".dxf", any case).
    static bool isDxfFile(const QString& path);

    // Takes args[i] (and its value, advancing i) when it is one of the DXF options. Returns
    // nothing when the argument is not one of them, false with `error` set when its value is
    // bad, true when taken.
    static std::optional<bool> parseOption(const QStringList& args, int& i, DxfCalcOptions& options,
                                           QString* error);

    enum class Filled { Yes, Unreadable, NoSection };
    // Reads the drawing into fresh tables, writing what was left out to `err`. Unreadable (with
    // the reason on `err`) when the file cannot be read or a chosen layer is missing; NoSection
    // (with the reason) when the drawing gives no figure.
    static Filled fillTables(const QString& path, const DxfCalcOptions& options, CoordTable& add,
                             CoordTable& subtracted, std::FILE* err);

    // The options' part of --help.
    static std::string helpText();
};

}  // namespace kuvanto

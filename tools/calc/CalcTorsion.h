// The calculator's torsion and shear block (--torsion): runs the finite-element analysis of the
// tables' section and gives its lines for the text table and its object for the JSON output.
#pragma once

#include <QJsonObject>
#include <string>

#include "core/CoordTable.h"
#include "core/torsion/TorsionAnalysis.h"

namespace kuvanto {

class CalcTorsion {
public:
    // The analysis with Poisson's ratio nu and the element size (0: the default).
    static TorsionOutcome run(const CoordTable& added, const CoordTable& subtracted, double nu,
                              double elementSize);

    // A spacer line, the heading and one line per row, the value in the combined column (the
    // last of `columns` value columns) so that the lines line up with the result table's.
    static std::string tableLines(const TorsionResult& result, int columns);

    // {"J", "Iw", "x_s", "y_s", "x_s_trefftz", "y_s_trefftz", "Asx", "Asy", "nu", "elements",
    //  "estimated_error": {"J", "Iw"}} at full precision.
    static QJsonObject jsonObject(const TorsionResult& result);
};

}  // namespace kuvanto

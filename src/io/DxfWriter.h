// Writing the section as a DXF drawing (AutoCAD 2000 text form, millimetres): every figure of
// the added table as one closed LWPOLYLINE on layer ADDED, every figure of the subtracted table
// on layer SUBTRACTED, and optionally the result table as lines of text on layer RESULT to the
// right of the drawing. Reading the file back with the DXF import gives the same tables when the
// figures are drawn counter-clockwise and subtracted figures lie inside added ones.
#pragma once

#include <QString>
#include <string>

#include "core/drawing/DrawingSections.h"
#include "core/section/ResultTable.h"
#include "core/table/CoordTable.h"

namespace kuvanto {

class DxfWriter {
public:
    static constexpr const char* kAddedLayer = DrawingSections::kAddedLayer;
    static constexpr const char* kSubtractedLayer = DrawingSections::kSubtractedLayer;
    static constexpr const char* kResultLayer = "RESULT";

    // The file's text; `result` (may be null) adds the result table as text.
    static std::string text(const CoordTable& add, const CoordTable& subtracted,
                            const ResultTable* result);
    // Writes the text through the safe write. False with `error` set on failure, and when a
    // coordinate lies beyond what the DXF import reads (nothing is written then).
    static bool write(const QString& path, const CoordTable& add, const CoordTable& subtracted,
                      const ResultTable* result, QString* error);
};

}  // namespace kuvanto

// The JSON form of the calculator's results, for scripts: the column heads, then per value row of
// the result table its item, symbol and cell texts (exactly as shown), the full-precision values
// of every figure and of the combined section as JSON numbers, and the mass per metre when a
// density was given.
#pragma once

#include <QJsonObject>
#include <optional>
#include <string>
#include <vector>

#include "core/section/Calculation.h"
#include "core/section/ResultTable.h"

#include "core/section/CompositeSection.h"
#include "core/section/SectionMaterials.h"

namespace kuvanto {

class CalcJson {
public:
    // {"heads": [...], "rows": [{"item", "symbol", "cells": [...]}, ...],
    //  "figures": [{"head", "table", "index", "number", "values": {symbol: number}}, ...],
    //  "combined": {"head", "values": {symbol: number}},
    //  "mass": {"density", "density_unit", "value", "unit"}} as indented UTF-8 ending in "\n".
    // `values` are the columns runCalculation handed back (the combined one last). `mass` is the
    // text of the mass per metre for `density`; both are given or neither. The members of
    // `extra` (the torsion block) follow at the end. With `materials` of a section whose
    // figures carry them (and the composite values the run gave), every figure gets "material"
    // and the values of the block of several materials, and the object "reference" and
    // "materials": [{"name", "E", "nu", "fy", "rho", "n_E", "Zx_top", "Zx_bottom", "Zy_right",
    // "Zy_left"}, ...].
    static std::string text(const ResultTable& result, const std::vector<ColumnValues>& values,
                            const std::optional<double>& density,
                            const std::optional<std::string>& mass, const QJsonObject& extra = {},
                            const SectionMaterials* materials = nullptr,
                            const CompositeSection* composite = nullptr);
};

}  // namespace kuvanto

// The JSON form of the calculator's results, for scripts: the column heads, then per value row of
// the result table its item, symbol and cell texts, and the mass per metre when a density was
// given. Numbers stay the texts the result table shows, so nothing is rounded twice.
#pragma once

#include <optional>
#include <string>

#include "core/ResultTable.h"

namespace kuvanto {

class CalcJson {
public:
    // {"heads": [...], "rows": [{"item", "symbol", "cells": [...]}, ...],
    //  "mass": {"density", "density_unit", "value", "unit"}} as indented UTF-8 ending in "\n".
    // `mass` is the text of the mass per metre for `density`; both are given or neither.
    static std::string text(const ResultTable& result, const std::optional<double>& density,
                            const std::optional<std::string>& mass);
};

}  // namespace kuvanto

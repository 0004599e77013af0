// A helper of the stress tests: a coordinate table holding polygons, one figure each, separated
// as the window separates them.
#pragma once

#include <string>
#include <vector>

#include "core/base/NumberText.h"
#include "core/base/Point.h"
#include "core/table/CoordTable.h"

namespace kuvanto::test {

inline CoordTable tableOf(const std::vector<std::vector<Point>>& figures) {
    CoordTable table;
    table.setRows(1);
    for (std::size_t f = 0; f < figures.size(); ++f) {
        if (f > 0) table.appendRow(std::string(kSeparatorText), "");
        for (const Point p : figures[f]) table.appendRow(numText(p.x), numText(p.y));
    }
    return table;
}

}  // namespace kuvanto::test

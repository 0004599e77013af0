// The inputs shared by the core benchmarks: a circle of n vertices (closed, coordinates rounded
// to three decimals as the shape generators write them) as numbers, as coordinate table cells and
// as coordinate-file text. Built once per size and kept for the whole run.
#pragma once

#include <string>
#include <vector>

#include "core/base/Point.h"
#include "core/table/CoordTable.h"

namespace kuvanto::bench {

struct Circle {
    std::vector<Point> points;  // closed: the last vertex repeats the first
    std::vector<double> xs;     // the same as separate lists, for the floors and GEOS
    std::vector<double> ys;
    std::vector<std::string> cells;  // the X and Y texts of every vertex, for the floors
    CoordTable add;                  // one vertex row per vertex, then the entry row
    CoordTable subtracted;           // empty
    std::string csvText;             // "<<加算>>," + "X,Y" lines + "<<減算>>,", CR LF, UTF-8
};

// The circle of `vertices` vertices (the closing repeat included) of radius 100000.
const Circle& circleOf(int vertices);

// A file holding the circle's coordinate text in code page 932, as the program writes it;
// removed when the run ends.
const std::string& circleFile(int vertices);

}  // namespace kuvanto::bench

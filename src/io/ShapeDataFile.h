// Data files of the shape library: comma-separated text in which every part of a category takes
// two adjacent columns (X, Y). Line 1 holds the part names (part k is the k-th non-empty cell and
// uses columns 2k and 2k + 1), line 2 column headings, then one line per outline vertex of every
// part, a marker line whose first cell is "挿入基点", and one line per insertion base point.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/shapes/ShapeOutlines.h"

namespace kuvanto {

inline constexpr std::string_view kBasePointMarker = "挿入基点";

struct LibraryPart {
    std::string name;
    std::vector<PlanePoint> outline;     // in drawing order; closed when the last repeats the first
    std::vector<PlanePoint> basePoints;  // at least one
};

class ShapeDataFile {
public:
    // The part names of the file's text (UTF-8): the non-empty cells of line 1.
    static std::vector<std::string> partNames(std::string_view utf8);

    // Outline and base points of part `index`. False when the file has no marker line, no base
    // point, or a cell of the part's columns that is not a number.
    static bool readPart(std::string_view utf8, int index, LibraryPart& part);

    // The text (UTF-8, CR LF) of a file holding the parts, which must all have the same numbers
    // of outline vertices and of base points; coordinates rounded to five decimals. Empty when the
    // parts do not line up.
    static std::string format(const std::vector<LibraryPart>& parts);
};

}  // namespace kuvanto

// The torsion and shear block of the result table: the rows of Property::TorsionConstant onwards
// in the combined column, written from the analysis's result or replaced by the message of an
// analysis that gave none.
#pragma once

#include <string_view>

#include "core/section/ResultTable.h"
#include "core/torsion/TorsionResult.h"

namespace kuvanto {

class TorsionRows {
public:
    // The value of one of the block's properties (the estimated errors in per cent); not a number
    // for a property outside the block.
    static double value(Property property, const TorsionResult& result);
    // Whether the property has a value for a section of several separate pieces; the others
    // describe one connected section and show "-" then.
    static bool definedForSeparateParts(Property property);

    // Writes the block into the combined column (the last column) of the table.
    static void write(ResultTable& table, const TorsionResult& result);
    // Writes the message in the block's first row and "-" in the others.
    static void writeMessage(ResultTable& table, std::string_view message);
    // Empties the block's cells of the combined column (the analysis has not run).
    static void clear(ResultTable& table);
    // Whether the combined column holds a written block (results or a message).
    static bool written(const ResultTable& table);
};

}  // namespace kuvanto

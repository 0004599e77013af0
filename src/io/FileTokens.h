// The markers of the text form of the tables (undo snapshots, direct editing, insertion files):
// the line that opens the added table's rows and the line that opens the subtracted table's. They
// are file format, not interface, and stay as they are in every interface language. The separator
// row of a figure is the table's own cell text, kSeparatorText.
#pragma once

#include <string_view>

#include "core/table/CoordTable.h"

namespace kuvanto {

inline constexpr std::string_view kAddedSectionToken = "<<加算>>";
inline constexpr std::string_view kSubtractedSectionToken = "<<減算>>";
inline constexpr std::string_view kSeparatorToken = kSeparatorText;
// The lines after the subtracted table that open the list of materials and the list of which
// figure carries which; everything from the first of them to the end of the text is materials.
inline constexpr std::string_view kMaterialsToken = "<<材料>>";
inline constexpr std::string_view kFigureMaterialsToken = "<<図形材料>>";

}  // namespace kuvanto

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
// The first line of an undo snapshot, "<<連番>>,N": the snapshot's number in the order its copy of
// the program wrote them, so that the newer of the two files is known whatever the file times
// say. Readers of the text form pass over it (it comes before the first table marker).
inline constexpr std::string_view kSnapshotNumberToken = "<<連番>>";
// The lines after the subtracted table that open the list of materials and the list of which
// figure carries which; everything from the first of them to the end of the text is materials.
inline constexpr std::string_view kMaterialsToken = "<<材料>>";
inline constexpr std::string_view kFigureMaterialsToken = "<<図形材料>>";

}  // namespace kuvanto

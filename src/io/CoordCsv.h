// Coordinate CSV files: the text form of both tables in code page 932 with CR LF. Reading takes
// every pair: markers switch the section ("加算" at the start), empty pairs are skipped, a pair
// that is not two numbers (and not a separator row) is reported and skipped.
#pragma once

#include <QString>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "core/section/SectionMaterials.h"
#include "core/table/CoordTable.h"

namespace kuvanto {

// The notice for a skipped pair: "座標データ(X,Y)でないデータ(a,b)が含まれています。" CR
// "この行を省略して読込みを続けます。" Each field is quoted by quotedExcerpt.
std::string skippedPairMessage(std::string_view first, std::string_view second);

// How many characters of a field a message quotes at most.
inline constexpr std::size_t kQuotedFieldLength = 100;
// The field for a message: up to kQuotedFieldLength characters, then "…" when it is longer (a
// field of megabytes would otherwise freeze the message box that shows it).
std::string quotedExcerpt(std::string_view field);

// Appends the pairs of coordinate-file text (UTF-8) to the tables (which the caller has reset),
// each before the table's entry row. `on_skip` receives the message of every skipped pair. The
// materials' lines at the end are read into `materials` (cleared first; lines it cannot read are
// skipped with a message); without it, one message says they were left out.
void fillFromCsvText(std::string_view utf8, CoordTable& add, CoordTable& subtracted,
                     const std::function<void(const std::string&)>& onSkip,
                     SectionMaterials* materials = nullptr);
// The same from a file's text that the tables may keep their cell texts in (no copies).
void fillFromCsvText(const std::shared_ptr<const std::string>& utf8, CoordTable& add,
                     CoordTable& subtracted, const std::function<void(const std::string&)>& onSkip,
                     SectionMaterials* materials = nullptr);

// The message for materials a reader had nowhere to keep.
std::string materialsLeftOutMessage();

// Writes both tables (and the materials, when given) as a coordinate file. False (and `error`)
// when it cannot be written.
bool writeCoordCsv(const QString& path, const CoordTable& add, const CoordTable& subtracted,
                   QString* error = nullptr, const SectionMaterials* materials = nullptr);

}  // namespace kuvanto

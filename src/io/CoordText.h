// The text form of both coordinate tables: "<<加算>>," then one "X,Y" line per data row of the
// added table, "<<減算>>," and the rows of the subtracted table, CR LF line ends. The coordinate
// CSV files, the undo snapshots and the direct-editing buffer all use it.
#pragma once

#include <QString>
#include <string>
#include <string_view>

#include "core/section/SectionMaterials.h"
#include "core/table/CoordTable.h"

namespace kuvanto {

// The text form (UTF-8). Every data row is written except a trailing empty entry row; cells that
// need it are quoted.
// With materials, their lines follow the subtracted table (MaterialText.h).
std::string coordText(const CoordTable& add, const CoordTable& subtracted,
                      const SectionMaterials* materials = nullptr);

// Resets both tables and refills them from text in the text form: marker records switch the
// section, records before the first marker and records whose first field is empty are dropped,
// every other record becomes a row of the current section's table (texts as read), and each
// table ends with an empty entry row. The materials' lines at the end never become rows; with
// `materials` they are read into it (after clearing it), lines it cannot read left out.
void parseCoordText(std::string_view utf8, CoordTable& add, CoordTable& subtracted,
                    SectionMaterials* materials = nullptr);

// Writes the text form to the file in code page 932. False (and `error`) when it cannot be
// written; the file is then untouched.
bool writeCoordText(const QString& path, const CoordTable& add, const CoordTable& subtracted,
                    QString* error = nullptr, const SectionMaterials* materials = nullptr);

// Reads the file and, only when it could be read, resets and refills both tables. False (and
// `error`) when the file cannot be read; the tables are then untouched.
bool readCoordText(const QString& path, CoordTable& add, CoordTable& subtracted,
                   QString* error = nullptr, SectionMaterials* materials = nullptr);

}  // namespace kuvanto

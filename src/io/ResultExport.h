// Result export: a line-by-line, tab-separated image of the rows of the result table, in code
// page 932 with CR LF.
#pragma once

#include <QString>
#include <string>

#include "core/section/ResultTable.h"

namespace kuvanto {

// The export text (UTF-8): value rows as all cells joined by tabs, heading rows as their item
// text, spacer rows as empty lines; a row with items but no figure value gives no line.
std::string exportResultText(const ResultTable& result);

bool writeExportResult(const QString& path, const ResultTable& result, QString* error = nullptr);
// The same with `appended` (UTF-8) after the table's lines.
bool writeExportResult(const QString& path, const ResultTable& result, const std::string& appended,
                       QString* error);

}  // namespace kuvanto

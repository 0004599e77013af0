// The text form of both coordinate tables, shared by the coordinate files, the undo snapshots and
// the direct-editing buffer. The writer builds the whole file in one string; the reader fills the
// tables' cell stores directly, so that a million rows take a fraction of a second either way.
#include "io/CoordText.h"

#include "io/FieldReader.h"
#include "io/FileTokens.h"
#include "io/MaterialText.h"
#include "io/TableAppender.h"
#include "io/TextFile.h"

namespace kuvanto {

namespace {

// The rows that are written: every data row except a trailing empty entry row, so that a table
// whose last row is a vertex (after its entry row was deleted) loses nothing.
int lastWrittenRow(const CoordTable& grid) {
    int last = grid.rows() - 1;
    if (last >= 1 && grid.textView(last, 0).empty() && grid.textView(last, 1).empty()) --last;
    return last;
}

void appendSection(std::string& out, std::string_view marker, const CoordTable& grid) {
    out.append(marker);
    out.append(",\r\n");
    const int last = lastWrittenRow(grid);
    for (int r = 1; r <= last; ++r) {
        appendField(out, grid.textView(r, 0));
        out.push_back(',');
        appendField(out, grid.textView(r, 1));
        out.append("\r\n");
    }
}

std::size_t sizeHint(const CoordTable& grid) {
    std::size_t size = 0;
    for (int r = 0; r < grid.rows(); ++r)
        size += grid.textView(r, 0).size() + grid.textView(r, 1).size() + 4;
    return size;
}

}  // namespace

std::string coordText(const CoordTable& add, const CoordTable& subtracted,
                      const SectionMaterials* materials) {
    std::string out;
    out.reserve(sizeHint(add) + sizeHint(subtracted) + 32);
    appendSection(out, kAddedSectionToken, add);
    appendSection(out, kSubtractedSectionToken, subtracted);
    if (materials) appendMaterialText(out, *materials);
    return out;
}

void parseCoordText(std::string_view utf8, CoordTable& add, CoordTable& subtracted,
                    SectionMaterials* materials) {
    resetCoordTable(add, subtracted);
    if (materials) materials->clear();
    // Records before the first marker and records whose first field is empty are dropped.
    TableAppender::fillSections(
        utf8, add, subtracted, TableAppender::FirstSection::None,
        [](TableAppender* section, std::string_view first, std::string_view second) {
            if (section && !first.empty()) section->add(first, second);
        },
        [materials](std::string_view text) {
            if (materials) parseMaterialText(text, *materials, {});
        });
}

bool writeCoordText(const QString& path, const CoordTable& add, const CoordTable& subtracted,
                    QString* error, const SectionMaterials* materials) {
    return writeTextFile(path, coordText(add, subtracted, materials), FileEncoding::Cp932OrUtf8,
                         error);
}

bool readCoordText(const QString& path, CoordTable& add, CoordTable& subtracted, QString* error,
                   SectionMaterials* materials) {
    const std::optional<std::string> text = readTextFile(path, error);
    if (!text) return false;
    parseCoordText(*text, add, subtracted, materials);
    return true;
}

}  // namespace kuvanto

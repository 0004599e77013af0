// Bulk filling of a coordinate table in front of its entry row, and the section-by-section
// reading of coordinate-file text: see TableAppender.h. The tables are sized beforehand from a
// count of the text's lines on either side of the subtracted marker.
#include "io/TableAppender.h"

#include <algorithm>
#include <limits>

#include "core/base/NumberText.h"
#include "io/FieldReader.h"
#include "io/FileTokens.h"

namespace kuvanto {

namespace {

constexpr double kNone = std::numeric_limits<double>::quiet_NaN();

double numberOf(std::string_view text) {
    return parseNumeric(text).value_or(kNone);
}

}  // namespace

TableAppender::TableAppender(CoordTable& grid, std::size_t expectedRows)
    : grid_(grid),
      row_(grid.row()),
      col_(grid.col()),
      rowSel_(grid.rowSel()),
      colSel_(grid.colSel()) {
    // Only a data row that is empty is an entry row; the header row is never taken.
    const int last = grid_.rows() - 1;
    if (last >= 1 && grid_.textView(last, 0).empty() && grid_.textView(last, 1).empty()) {
        const auto revision = grid_.revision();
        grid_.setRows(last);
        tookEntryRow_ = revision != grid_.revision();
    }
    grid_.reserveRows(expectedRows + 1);
}

void TableAppender::add(std::string_view x, std::string_view y) {
    add(x, y, {numberOf(x), numberOf(y)});
}

void TableAppender::add(std::string_view x, std::string_view y, Point numbers) {
    grid_.appendParsedRow(x, y, numbers);
    added_ = true;
}

void TableAppender::finish() {
    if (finished_) return;
    finished_ = true;
    if (!tookEntryRow_ && !added_) return;
    grid_.appendParsedRow({}, {}, {kNone, kNone});
    grid_.touch();
    // Taking the entry row off pulled the selection onto the header row of an empty table.
    // Every table keeps a current data row, shown or not, so that the commands acting at the
    // current row (the generators, freehand drawing) find one.
    grid_.setRow(std::max(row_, 1));
    grid_.setCol(col_);
    grid_.setRowSel(std::max(rowSel_, 1));
    grid_.setColSel(colSel_);
}

void TableAppender::fillSections(std::string_view utf8, CoordTable& add, CoordTable& subtracted,
                                 FirstSection first, const RecordHandler& onRecord,
                                 const MaterialsHandler& onMaterials) {
    fill(utf8, add, subtracted, first, onRecord, onMaterials, true);
}

void TableAppender::fill(std::string_view utf8, CoordTable& add, CoordTable& subtracted,
                         FirstSection first, const RecordHandler& onRecord,
                         const MaterialsHandler& onMaterials, bool copies) {
    // Rows before the subtracted marker go mostly to the added table, the rest to the other.
    const std::size_t split = std::min(utf8.find(kSubtractedSectionToken), utf8.size());
    const auto linesIn = [&](std::size_t from, std::size_t to) {
        return static_cast<std::size_t>(std::count(utf8.begin() + static_cast<std::ptrdiff_t>(from),
                                                   utf8.begin() + static_cast<std::ptrdiff_t>(to),
                                                   '\n')) +
               1;
    };
    TableAppender addRows(add, linesIn(0, split));
    TableAppender subtractedRows(subtracted, split < utf8.size() ? linesIn(split, utf8.size()) : 0);
    if (copies) {
        // The cell texts of each section take no more bytes than its part of the text.
        add.reserveText(split);
        subtracted.reserveText(utf8.size() - split);
    }
    TableAppender* section = first == FirstSection::Added ? &addRows : nullptr;
    FieldReader reader(utf8);
    std::string_view x, y;
    std::string xScratch, yScratch;
    for (std::size_t pairStart = reader.position();; pairStart = reader.position()) {
        // Most lines are two plain numbers: read in one step, their numbers taken along.
        Point numbers;
        if (section && reader.nextNumberPair(x, y, numbers.x, numbers.y)) {
            section->add(x, y, numbers);
            continue;
        }
        if (!reader.nextPair(x, y, xScratch, yScratch)) break;
        if (x == kMaterialsToken || x == kFigureMaterialsToken) {
            // No rows follow the materials; their lines are not pairs.
            if (onMaterials) onMaterials(utf8.substr(pairStart));
            break;
        }
        if (x == kAddedSectionToken)
            section = &addRows;
        else if (x == kSubtractedSectionToken)
            section = &subtractedRows;
        else
            onRecord(section, x, y);
    }
    addRows.finish();
    subtractedRows.finish();
}

void TableAppender::fillSections(const std::shared_ptr<const std::string>& utf8, CoordTable& add,
                                 CoordTable& subtracted, FirstSection first,
                                 const RecordHandler& onRecord,
                                 const MaterialsHandler& onMaterials) {
    add.shareText(utf8);
    subtracted.shareText(utf8);
    fill(std::string_view(*utf8), add, subtracted, first, onRecord, onMaterials, false);
}

}  // namespace kuvanto

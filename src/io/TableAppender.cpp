// Bulk filling of a coordinate table in front of its entry row: see TableAppender.h.
#include "io/TableAppender.h"

#include "io/FieldReader.h"

namespace kuvanto {

TableAppender::TableAppender(CoordTable& grid) : grid_(grid) {
    auto& cells = grid_.cells();
    // Only a data row that is empty is an entry row; the header row is never taken.
    if (cells.size() >= 4 && cells[cells.size() - 1].empty() && cells[cells.size() - 2].empty()) {
        cells.resize(cells.size() - 2);
        tookEntryRow_ = true;
    }
}

void TableAppender::add(std::string_view x, std::string_view y) {
    auto& cells = grid_.cells();
    cells.emplace_back(x);
    cells.emplace_back(y);
    added_ = true;
}

void TableAppender::finish() {
    if (finished_) return;
    finished_ = true;
    if (!tookEntryRow_ && !added_) return;
    auto& cells = grid_.cells();
    cells.emplace_back();
    cells.emplace_back();
    if (added_) grid_.touch();
}

void TableAppender::fillSections(std::string_view utf8, CoordTable& add, CoordTable& subtracted,
                                 FirstSection first, const RecordHandler& onRecord) {
    TableAppender addRows(add);
    TableAppender subtractedRows(subtracted);
    TableAppender* section = first == FirstSection::Added ? &addRows : nullptr;
    FieldReader reader(utf8);
    std::string x, y;
    while (reader.nextPair(x, y)) {
        if (x == kAddMarker)
            section = &addRows;
        else if (x == kSubtractedMarker)
            section = &subtractedRows;
        else
            onRecord(section, x, y);
    }
    addRows.finish();
    subtractedRows.finish();
}

}  // namespace kuvanto

// Bulk filling of a coordinate table by the file readers: rows go straight into the table's store
// in front of its empty entry row, each cell's number parsed once on the way, and the table is
// told of the change once at the end, so that a file of a million rows costs no per-row
// bookkeeping. Also the reading of coordinate-file text section by section, which the coordinate
// files and the text form of the tables share.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "core/base/Point.h"
#include "core/table/CoordTable.h"

namespace kuvanto {

class TableAppender {
public:
    // Takes the table's empty entry row off the end for the time of the filling and makes room
    // for `expectedRows` rows.
    explicit TableAppender(CoordTable& grid, std::size_t expectedRows = 0);
    TableAppender(const TableAppender&) = delete;
    TableAppender& operator=(const TableAppender&) = delete;
    ~TableAppender() { finish(); }

    // Adds one data row holding the two texts.
    void add(std::string_view x, std::string_view y);
    // The same when the caller has read the numbers already (parseNumeric, NaN for nothing).
    void add(std::string_view x, std::string_view y, Point numbers);

    // Puts the empty entry row back behind the new rows, gives the table its selection back
    // (never on the header row) and marks the table changed. Called by the destructor when not
    // called before.
    void finish();

    // Where the records of a coordinate file go before its first marker record.
    enum class FirstSection { Added, None };
    // What becomes of one record (a pair of fields) that is not a marker: `section` is the
    // appender of the current section's table, or null before the first marker. A record of two
    // plain numbers inside a section goes straight into the section's table, as every reader
    // wants it, without a call of the handler.
    using RecordHandler = std::function<void(TableAppender* section, std::string_view first,
                                             std::string_view second)>;
    // Receives the text from the line of the first materials marker ("<<材料>>" or
    // "<<図形材料>>") to the end, which holds no table rows.
    using MaterialsHandler = std::function<void(std::string_view materials)>;
    // Reads coordinate-file text (UTF-8) pair by pair: the markers "<<加算>>" and "<<減算>>"
    // switch between the two tables, every other pair goes to `onRecord`. Both tables are
    // finished (entry row back) at the end. The shared form lets the tables keep their cell
    // texts inside the file's text instead of copying them.
    static void fillSections(std::string_view utf8, CoordTable& add, CoordTable& subtracted,
                             FirstSection first, const RecordHandler& onRecord,
                             const MaterialsHandler& onMaterials = {});
    static void fillSections(const std::shared_ptr<const std::string>& utf8, CoordTable& add,
                             CoordTable& subtracted, FirstSection first,
                             const RecordHandler& onRecord,
                             const MaterialsHandler& onMaterials = {});

private:
    // The reading itself; `copies` says whether the tables copy the cell texts (room is made for
    // them beforehand) or keep them inside a text shared with them.
    static void fill(std::string_view utf8, CoordTable& add, CoordTable& subtracted,
                     FirstSection first, const RecordHandler& onRecord,
                     const MaterialsHandler& onMaterials, bool copies);

    CoordTable& grid_;
    // The selection before the filling, given back at the end.
    int row_, col_, rowSel_, colSel_;
    bool tookEntryRow_ = false;
    bool added_ = false;
    bool finished_ = false;
};

}  // namespace kuvanto

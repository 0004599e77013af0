// A coordinate table: the only store of a section's geometry. Row 0 is the fixed header "X" | "Y";
// every data row holds two text cells (a vertex, a separator row "<<図形区切り>>", or anything the
// user typed); the last row is normally the empty entry row. Beside each cell's text the table
// keeps the number the text reads as (parsed once, when the cell is written), so that figure
// building, the canvas and the calculation never parse a cell again. The table also carries its
// selection and a revision counter that views use to notice changes made by commands.
//
// The texts live in one buffer with an offset and a length per cell, not one string per cell: a
// table of a million rows is a few allocations. A file's text can be shared into the table as it
// was read, so that its cells point into it instead of being copied.
#pragma once

#include <algorithm>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/base/Point.h"
#include "core/table/TableSelection.h"

namespace kuvanto {

// The text of a separator row. It is the table's data, the same in files and in every interface
// language.
inline constexpr std::string_view kSeparatorText = "<<図形区切り>>";

// The two coordinate tables: figures that add to the section and figures cut out of it.
enum class TableKind { Added, Subtracted };

class CoordTable : public TableSelection {
public:
    static constexpr int kColWidthTwips = 1284;

    CoordTable();  // the fresh state: header row and one empty entry row
    // A copy of a large table (an undo snapshot's) asks for huge pages before its rows are
    // copied in, so that it costs one page fault per 2 MiB rather than one per 4 KiB.
    CoordTable(const CoordTable& other);
    CoordTable(CoordTable&&) = default;
    CoordTable& operator=(const CoordTable&) = default;
    CoordTable& operator=(CoordTable&&) = default;

    int rows() const { return static_cast<int>(points_.size()); }
    // Setting more rows appends empty rows, fewer drops rows at the end (never the header).
    void setRows(int rows);

    // Cell text; out-of-range reads give an empty text, out-of-range writes are ignored.
    std::string text(int row, int col) const { return std::string(textView(row, col)); }
    // The same without a copy; valid until the table next changes.
    std::string_view textView(int row, int col) const;
    void setText(int row, int col, std::string_view text);

    // The number the cell's text reads as by the strict numeric test, or nothing when the text
    // is not numeric (or the cell is out of range).
    std::optional<double> number(int row, int col) const;
    // Both numbers of a row; a coordinate whose cell is not numeric text is NaN.
    Point point(int row) const;
    // The numbers of every row, row 0 (the header) included.
    std::span<const Point> points() const { return points_; }

    // Removes the text of every cell (the header too); row count stays.
    void clear();

    // Inserts `count` empty rows before `row` (1 <= row <= rows()); removes rows [row, row+count).
    // Either is one move of the rows below.
    void insertRows(int row, int count);
    void removeRows(int row, int count);

    // Appends one data row holding the two texts.
    void appendRow(std::string_view x, std::string_view y);

    // Bulk filling (the file readers). reserveRows makes room for `rows` more rows. shareText
    // hands the table a text that rows appended afterwards may point into instead of copying
    // (a file as read); views into it passed to appendParsedRow are then kept as offsets.
    // appendParsedRow appends a row whose numbers the caller has already read with
    // parseNumeric (NaN for a text that is not numeric). None of these counts as a change until
    // touch() is called.
    void reserveRows(std::size_t rows);
    // Makes room for `bytes` more bytes of copied cell text.
    void reserveText(std::size_t bytes);
    void shareText(std::shared_ptr<const std::string> text);
    void appendParsedRow(std::string_view x, std::string_view y, Point numbers);
    void touch() { ++revision_; }

    // Row kinds decided by the X cell.
    bool isVertexRow(int row) const;
    bool isSeparatorRow(int row) const;

    // The selection (row, col, rowSel, colSel and their setters) comes from TableSelection and
    // stays inside the table when rows are removed.

    // Grows on every change of cells or rows, so that views can tell when to refresh.
    std::uint64_t revision() const { return revision_; }

    // Where the table may differ from its state at the last markUnchanged(): the rows before
    // changedFrom() and the last unchangedTail() rows are those of that state (the tail perhaps
    // shifted by inserted or removed rows). The edit history compares only the rows between, so
    // that recording a one-cell edit does not read a million rows. `mark` names the state; a
    // table never marked has mark 0 and counts as changed throughout. Copies keep the window.
    struct ChangeWindow {
        std::uint64_t mark = 0;
        int changedFrom = 0;
        int unchangedTail = 0;
    };
    const ChangeWindow& changeWindow() const { return window_; }
    // Names the current state with a new mark and empties the window; returns the mark.
    std::uint64_t markUnchanged();

private:
    // Where a cell's text is: offsets below the shared text's size point into it, the others
    // into own_ (less that size). Six bytes a cell. A text of kLongText bytes or more is kept in
    // own_ behind a four-byte length, and its span's size reads kLongText.
    struct [[gnu::packed]] Span {
        std::uint32_t begin = 0;
        std::uint16_t size = 0;
    };
    static constexpr std::uint16_t kLongText = 0xFFFF;

    int lastRow() const override { return rows() - 1; }
    int lastCol() const override { return 1; }

    // Makes room for `rows` rows in all, advising huge pages for large tables; see LargeBuffers.h.
    void makeRoom(std::size_t rows, bool growByHalf = true);
    std::string_view view(Span span) const;
    // The bytes a span takes in own_ (the length prefix of a long text included).
    std::size_t bytesOf(Span span) const;
    // Stores a text and returns where it is: an offset into the shared text when the view lies
    // inside it, otherwise a copy at the end of own_. An empty span when the store is full.
    Span store(std::string_view text);
    // Counts the texts that the spans held in own_ as unused, and compacts own_ when more than
    // half of it is unused.
    void release(std::span<const Span> spans);
    void compact();
    std::size_t sharedSize() const { return shared_ ? shared_->size() : 0; }

    std::vector<Span> spans_;    // two per row, row-major
    std::vector<Point> points_;  // one per row
    std::shared_ptr<const std::string> shared_;
    std::string own_;
    std::size_t unused_ = 0;  // bytes of own_ that no cell uses any more
    std::uint64_t revision_ = 0;
    ChangeWindow window_;
    // Widens the window by a change of the rows from `first` on whose last `tail` rows (counted
    // after the change) are old rows.
    void noteChange(int first, int tail) {
        window_.changedFrom = std::min(window_.changedFrom, first);
        window_.unchangedTail = std::min(window_.unchangedTail, tail);
    }
};

// Resets one table to the fresh state: texts removed, header "X" / "Y", two rows, selection at
// row 1, column 0.
void resetCoordTable(CoordTable& grid);
// Resets both tables.
void resetCoordTable(CoordTable& add, CoordTable& subtracted);

}  // namespace kuvanto

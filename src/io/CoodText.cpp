// The text form of both coordinate tables, shared by the coordinate files, the undo snapshots and
// the direct-editing buffer. The writer builds the whole file in one string; the reader fills the
// tables' cell stores directly, so that a million rows take a fraction of a second either way.
#include "CoodText.h"

#include "FieldReader.h"
#include "GridAppender.h"
#include "TextFile.h"

namespace kuvanto {

namespace {

// The rows that are written: every data row except a trailing empty entry row, so that a table
// whose last row is a vertex (after its entry row was deleted) loses nothing.
int Last_Written_Row(const CoodGrid& grid) {
    int last = grid.Rows() - 1;
    if (last >= 1 && grid.Text(last, 0).empty() && grid.Text(last, 1).empty()) --last;
    return last;
}

void Append_Section(std::string& out, std::string_view marker, const CoodGrid& grid) {
    out.append(marker);
    out.append(",\r\n");
    const int last = Last_Written_Row(grid);
    const auto& cells = grid.Cells();
    for (int r = 1; r <= last; ++r) {
        Append_Field(out, cells[2 * r]);
        out.push_back(',');
        Append_Field(out, cells[2 * r + 1]);
        out.append("\r\n");
    }
}

std::size_t Size_Hint(const CoodGrid& grid) {
    std::size_t size = 0;
    for (const auto& cell : grid.Cells()) size += cell.size() + 2;
    return size;
}

}  // namespace

std::string Cood_Text(const CoodGrid& add, const CoodGrid& sbtrt) {
    std::string out;
    out.reserve(Size_Hint(add) + Size_Hint(sbtrt) + 32);
    Append_Section(out, kAddMarker, add);
    Append_Section(out, kSbtrtMarker, sbtrt);
    return out;
}

void Parse_Cood_Text(std::string_view utf8, CoodGrid& add, CoodGrid& sbtrt) {
    Init_Cood_Grid(add, sbtrt);
    GridAppender add_rows(add);
    GridAppender sbtrt_rows(sbtrt);
    GridAppender* section = nullptr;  // records before the first marker are dropped
    FieldReader reader(utf8);
    std::string first, second;
    while (reader.Next_Pair(first, second)) {
        if (first == kAddMarker) {
            section = &add_rows;
        } else if (first == kSbtrtMarker) {
            section = &sbtrt_rows;
        } else if (!first.empty() && section) {
            section->Add(first, second);
        }
    }
    add_rows.Finish();
    sbtrt_rows.Finish();
}

bool Write_Cood_Text(const QString& path, const CoodGrid& add, const CoodGrid& sbtrt,
                     QString* error) {
    return Write_Text_File(path, Cood_Text(add, sbtrt), FileEncoding::Cp932OrUtf8, error);
}

bool Read_Cood_Text(const QString& path, CoodGrid& add, CoodGrid& sbtrt, QString* error) {
    const std::optional<std::string> text = Read_Text_File(path, error);
    if (!text) return false;
    Parse_Cood_Text(*text, add, sbtrt);
    return true;
}

}  // namespace kuvanto

// Coordinate CSV files: written in the text form of the tables, read pair by pair with the
// section starting at the added figures. Reading checks every pair that is not a marker, an empty
// pair or a separator row for two numbers and reports the ones it has to leave out.
#include "CoodCsv.h"

#include "CoodText.h"
#include "FieldReader.h"
#include "GridAppender.h"
#include "NumText.h"
#include "TextFile.h"

namespace kuvanto {

std::string Skipped_Pair_Message(std::string_view first, std::string_view second) {
    std::string message = "座標データ(X,Y)でないデータ(";
    message.append(first);
    message.push_back(',');
    message.append(second);
    message.append(")が含まれています。\rこの行を省略して読込みを続けます。");
    return message;
}

void Fill_From_Csv_Text(std::string_view utf8, CoodGrid& add, CoodGrid& sbtrt,
                        const std::function<void(const std::string&)>& on_skip) {
    GridAppender add_rows(add);
    GridAppender sbtrt_rows(sbtrt);
    GridAppender* section = &add_rows;
    FieldReader reader(utf8);
    std::string first, second;
    while (reader.Next_Pair(first, second)) {
        if (first == kAddMarker) {
            section = &add_rows;
        } else if (first == kSbtrtMarker) {
            section = &sbtrt_rows;
        } else if (first.empty() && second.empty()) {
            continue;
        } else if (first != kSeparatorText &&
                   (!Is_Numeric_Text(first) || !Is_Numeric_Text(second))) {
            if (on_skip) on_skip(Skipped_Pair_Message(first, second));
        } else {
            section->Add(first, second);
        }
    }
    add_rows.Finish();
    sbtrt_rows.Finish();
}

bool Write_Cood_Csv(const QString& path, const CoodGrid& add, const CoodGrid& sbtrt,
                    QString* error) {
    // A coordinate file is the text form of the tables.
    return Write_Cood_Text(path, add, sbtrt, error);
}

}  // namespace kuvanto

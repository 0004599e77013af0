// Coordinate CSV files: written in the text form of the tables, read pair by pair with the
// section starting at the added figures. Reading checks every pair that is not a marker, an empty
// pair or a separator row for two numbers and reports the ones it has to leave out.
#include "io/CoordCsv.h"

#include "io/CoordText.h"
#include "io/FieldReader.h"
#include "io/TableAppender.h"
#include "core/NumberText.h"
#include "io/TextFile.h"

namespace kuvanto {

std::string skippedPairMessage(std::string_view first, std::string_view second) {
    std::string message = "座標データ(X,Y)でないデータ(";
    message.append(first);
    message.push_back(',');
    message.append(second);
    message.append(")が含まれています。\rこの行を省略して読込みを続けます。");
    return message;
}

void fillFromCsvText(std::string_view utf8, CoordTable& add, CoordTable& subtracted,
                        const std::function<void(const std::string&)>& onSkip) {
    TableAppender addRows(add);
    TableAppender subtractedRows(subtracted);
    TableAppender* section = &addRows;
    FieldReader reader(utf8);
    std::string first, second;
    while (reader.nextPair(first, second)) {
        if (first == kAddMarker) {
            section = &addRows;
        } else if (first == kSubtractedMarker) {
            section = &subtractedRows;
        } else if (first.empty() && second.empty()) {
            continue;
        } else if (first != kSeparatorText &&
                   (!isNumericText(first) || !isNumericText(second))) {
            if (onSkip) onSkip(skippedPairMessage(first, second));
        } else {
            section->add(first, second);
        }
    }
    addRows.finish();
    subtractedRows.finish();
}

bool writeCoordCsv(const QString& path, const CoordTable& add, const CoordTable& subtracted,
                    QString* error) {
    // A coordinate file is the text form of the tables.
    return writeCoordText(path, add, subtracted, error);
}

}  // namespace kuvanto

// Coordinate CSV files: written in the text form of the tables, read pair by pair with the
// section starting at the added figures. Reading checks every pair that is not a marker, an empty
// pair or a separator row for two numbers and reports the ones it has to leave out.
#include "io/CoordCsv.h"

#include <QCoreApplication>

#include "core/base/NumberText.h"
#include "io/CoordText.h"
#include "io/FileTokens.h"
#include "io/MaterialText.h"
#include "io/TableAppender.h"
#include "io/TextFile.h"

namespace kuvanto {

std::string quotedExcerpt(std::string_view field) {
    // Counts characters, not bytes, and never cuts one apart: a UTF-8 character starts at any
    // byte that is not a continuation byte (10xxxxxx).
    std::size_t characters = 0;
    for (std::size_t i = 0; i < field.size(); ++i) {
        if ((static_cast<unsigned char>(field[i]) & 0xC0) == 0x80) continue;
        if (characters == kQuotedFieldLength) return std::string(field.substr(0, i)) + "…";
        ++characters;
    }
    return std::string(field);
}

std::string skippedPairMessage(std::string_view first, std::string_view second) {
    const auto quoted = [](std::string_view field) {
        return QString::fromStdString(quotedExcerpt(field));
    };
    return QCoreApplication::translate("CoordCsv",
                                       "座標データ(X,Y)でないデータ(%1,%2)が含まれています。\r"
                                       "この行を省略して読込みを続けます。")
        .arg(quoted(first), quoted(second))
        .toStdString();
}

namespace {

// Keeps the marker-free pairs that are two numbers or a separator row; reports the others.
TableAppender::RecordHandler csvRecords(const std::function<void(const std::string&)>& onSkip) {
    return [onSkip](TableAppender* section, std::string_view first, std::string_view second) {
        if (first.empty() && second.empty()) return;
        // The number line of an undo snapshot read as a coordinate file.
        if (first == kSnapshotNumberToken) return;
        if (first == kSeparatorToken) {
            section->add(first, second);
            return;
        }
        const std::optional<double> x = parseNumeric(first);
        const std::optional<double> y = x ? parseNumeric(second) : std::nullopt;
        if (!x || !y) {
            if (onSkip) onSkip(skippedPairMessage(first, second));
            return;
        }
        section->add(first, second, {*x, *y});
    };
}

TableAppender::MaterialsHandler csvMaterials(
    SectionMaterials* materials, const std::function<void(const std::string&)>& onSkip) {
    if (materials) materials->clear();
    return [materials, onSkip](std::string_view text) {
        if (materials)
            parseMaterialText(text, *materials, onSkip);
        else if (onSkip)
            onSkip(materialsLeftOutMessage());
    };
}

}  // namespace

std::string materialsLeftOutMessage() {
    return QCoreApplication::translate("CoordCsv",
                                       "材料の指定(<<材料>>以降の行)は読み込まれませんでした。")
        .toStdString();
}

void fillFromCsvText(std::string_view utf8, CoordTable& add, CoordTable& subtracted,
                     const std::function<void(const std::string&)>& onSkip,
                     SectionMaterials* materials) {
    TableAppender::fillSections(utf8, add, subtracted, TableAppender::FirstSection::Added,
                                csvRecords(onSkip), csvMaterials(materials, onSkip));
}

void fillFromCsvText(const std::shared_ptr<const std::string>& utf8, CoordTable& add,
                     CoordTable& subtracted, const std::function<void(const std::string&)>& onSkip,
                     SectionMaterials* materials) {
    TableAppender::fillSections(utf8, add, subtracted, TableAppender::FirstSection::Added,
                                csvRecords(onSkip), csvMaterials(materials, onSkip));
}

bool writeCoordCsv(const QString& path, const CoordTable& add, const CoordTable& subtracted,
                   QString* error, const SectionMaterials* materials) {
    // A coordinate file is the text form of the tables.
    return writeCoordText(path, add, subtracted, error, materials);
}

}  // namespace kuvanto

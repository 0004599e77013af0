// Row commands with their questions and refusals, erasing, clipboard text, the editor commit and
// the transformations, each with the snapshot its command takes.
#include "editing/EditCommands.h"

#include <cmath>
#include <cstdlib>

#include "core/base/NumberText.h"
#include "core/table/ClipboardText.h"
#include "core/table/Transformations.h"
#include "editing/TableChange.h"
#include "io/UiText.h"

namespace kuvanto {

namespace {

constexpr UiText kInsertTail{"EditCommands",
                             QT_TRANSLATE_NOOP("EditCommands", " に空白行を挿入します。")};
constexpr UiText kDeleteTail{"EditCommands", QT_TRANSLATE_NOOP("EditCommands", " を削除します。")};
constexpr UiText kSeparatorTail{"EditCommands",
                                QT_TRANSLATE_NOOP("EditCommands", " に図形区切りを挿入します。")};
constexpr UiText kNoticeTitle{"Messages", QT_TRANSLATE_NOOP("Messages", "Notice!")};

QString qtext(const std::string& text) {
    return QString::fromStdString(text);
}

}  // namespace

QString EditCommands::rowQuestion(const CoordTable& grid, const QString& tail) {
    return QStringLiteral("X=") + qtext(grid.text(grid.row(), 0)) + QStringLiteral(" , Y=") +
           qtext(grid.text(grid.row(), 1)) + tail + QLatin1Char('\n') +
           QCoreApplication::translate("EditCommands", "よろしいですか？");
}

RowChange EditCommands::insertRows(CoordTable& grid, bool ask) {
    // A snapshot file whatever the answer; the history adds a step only for a real change.
    TableChange tables(work_);
    tables.done();
    RowChange change;
    change.refused = true;
    if (!ask || msg_.confirm(rowQuestion(grid, kInsertTail), kRowQuestionTitle)) {
        change = insertGridRows(grid);
        if (change.refused) msg_.notice(kCannotInsert);
    }
    return change;
}

RowChange EditCommands::deleteRows(CoordTable& grid, bool ask) {
    // A snapshot file whatever the answer; the history adds a step only for a real change.
    TableChange tables(work_);
    tables.done();
    RowChange change;
    change.refused = true;
    if (!ask || msg_.confirm(rowQuestion(grid, kDeleteTail), kRowQuestionTitle)) {
        change = deleteGridRows(grid);
        if (change.refused) msg_.notice(kCannotDelete);
    }
    return change;
}

RowChange EditCommands::insertSeparator(CoordTable& grid, bool ask) {
    if (ask && !msg_.confirm(rowQuestion(grid, kSeparatorTail), kRowQuestionTitle)) {
        RowChange none;
        none.refused = true;
        return none;
    }
    TableChange tables(work_);
    const RowChange change = kuvanto::insertSeparator(grid);
    if (change.refused) msg_.notice(kCannotInsert);
    return change;
}

void EditCommands::deleteByKey(CoordTable& grid) {
    TableChange tables(work_);
    deleteSelectedCells(grid);
}

bool EditCommands::allDelete(bool ask) {
    if (ask && !msg_.confirm(kAllDeleteQuestion, kNoticeTitle)) return false;
    work_.allDel();
    return true;
}

QString EditCommands::copyText(const CoordTable& grid) {
    return qtext(kuvanto::copyText(grid));
}

RowChange EditCommands::paste(CoordTable& grid, const QString& text, PasteNote* note) {
    TableChange tables(work_);
    return pasteText(grid, text.toStdString(), note);
}

QString EditCommands::pasteNoteText(PasteNote note) {
    switch (note) {
        case PasteNote::noText:
            return QCoreApplication::translate("EditCommands",
                                               "クリップボードに貼り付ける文字列がありません。");
        case PasteNote::singleLine:
            return QCoreApplication::translate(
                "EditCommands",
                "クリップボードの文字列に改行で区切られた座標の組がないため、貼り付けませんでした"
                "。");
        case PasteNote::onlyYColumn:
            return QCoreApplication::translate("EditCommands", "貼付けはY列のみに行いました");
        case PasteNote::none:
            break;
    }
    return {};
}

bool EditCommands::commitCell(CoordTable& grid, int row, int col, const QString& text) {
    const std::string cell = text.toStdString();
    if (!cell.empty() && !isNumericText(cell)) return false;
    if (row < 1 || row >= grid.rows()) return false;
    grid.setText(row, col, cell);
    return true;
}

void EditCommands::editorClosed() {
    // The editor wrote its text before it closed; the snapshot is taken whatever it wrote.
    TableChange tables(work_);
    tables.done();
    work_.resetResults();
}

bool EditCommands::move(CoordTable& grid, double dx, double dy) {
    TableChange tables(work_);
    if (moveSelected(grid, dx, dy) == kNotFinite) {
        msg_.notice(kMoveNotFinite);
        return false;
    }
    return true;
}

bool EditCommands::rotate(CoordTable& grid, double cx, double cy, double degrees) {
    TableChange tables(work_);
    if (!std::isfinite(degrees) || rotateSelected(grid, cx, cy, degrees) == kNotFinite) {
        msg_.notice(kRotateNotFinite);
        return false;
    }
    return true;
}

bool EditCommands::scale(CoordTable& grid, double x0, double y0, double factor) {
    TableChange tables(work_);
    if (scaleSelected(grid, x0, y0, factor) == kNotFinite) {
        msg_.notice(kScaleNotFinite);
        return false;
    }
    return true;
}

bool EditCommands::editCoordinate(CoordTable& grid, const QString& x, const QString& y) {
    // The texts are written as typed, but one whose number lies beyond the double range
    // ("1e400") would be drawn and computed as infinite: refused.
    for (const QString& text : {x, y}) {
        const std::optional<double> value = leadingNumeric(text.toStdString());
        if (value && !std::isfinite(*value)) {
            msg_.notice(kCoordinateNotFinite);
            return false;
        }
        // "inf", "nan" and their kin are no numbers to the cells either; written, they would be
        // read by the calculation as an infinite or undefined coordinate.
        const std::string cell = text.trimmed().toStdString();
        char* end = nullptr;
        const double read = std::strtod(cell.c_str(), &end);
        if (end != cell.c_str() && !std::isfinite(read)) {
            msg_.notice(kNotANumber + text);
            return false;
        }
    }
    TableChange tables(work_);
    grid.setText(grid.row(), 0, x.toStdString());
    grid.setText(grid.row(), 1, y.toStdString());
    return true;
}

}  // namespace kuvanto

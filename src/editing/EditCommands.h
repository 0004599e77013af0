// The table editing commands as the user meets them, without a window: the row commands with
// their questions and refusals, the Delete key, erasing everything, copy and paste text, the cell
// commit of the in-place editor, the transformations and the picked-vertex edit, each a
// TableChange that takes the undo snapshot when it changed the tables. They act on the table given
// (the active coordinate table) and talk to the user only through the Messenger; the caller tells
// its views what changed (the returned RowChange) and redraws.
#pragma once

#include <QString>
#include <optional>

#include "core/table/ClipboardText.h"
#include "core/table/RowOperations.h"
#include "editing/Messenger.h"
#include "editing/Workspace.h"
#include "io/UiText.h"

namespace kuvanto {

inline constexpr UiText kRowQuestionTitle{"EditCommands",
                                          QT_TRANSLATE_NOOP("EditCommands", "図形区切りの挿入")};
inline constexpr UiText kCannotInsert{
    "EditCommands", QT_TRANSLATE_NOOP("EditCommands", "この行には挿入できません。")};
inline constexpr UiText kCannotDelete{
    "EditCommands", QT_TRANSLATE_NOOP("EditCommands", "この行は削除できません。")};
inline constexpr UiText kMoveNotFinite{
    "EditCommands",
    QT_TRANSLATE_NOOP("EditCommands", "移動量が大きすぎるか数値でないため、移動できません。")};
inline constexpr UiText kRotateNotFinite{
    "EditCommands",
    QT_TRANSLATE_NOOP("EditCommands",
                      "回転中心または回転角度が大きすぎるか数値でないため、回転できません。")};
inline constexpr UiText kCoordinateNotFinite{
    "EditCommands",
    QT_TRANSLATE_NOOP("EditCommands", "座標の値が大きすぎます。範囲内の数値を入力して下さい。")};
inline constexpr UiText kScaleNotFinite{
    "EditCommands",
    QT_TRANSLATE_NOOP("EditCommands", "基点または尺度が大きすぎるため、拡大・縮小できません。")};
inline constexpr UiText kAllDeleteQuestion{
    "EditCommands", QT_TRANSLATE_NOOP("EditCommands", "全データを消去します。よろしいですか？")};
inline constexpr UiText kNotANumber{
    "EditCommands", QT_TRANSLATE_NOOP("EditCommands", "数値ではないため入力できません: ")};

class EditCommands {
public:
    EditCommands(Workspace& work, Messenger& messenger) : work_(work), msg_(messenger) {}

    // Insert_Row1 (ask = true) and the context-menu insert (ask = false): inserts empty rows
    // before the selection (on Yes), then a snapshot whatever the answer (an undo step only
    // when rows were inserted).
    RowChange insertRows(CoordTable& grid, bool ask);
    // Delete_Row1 / the context-menu delete, likewise.
    RowChange deleteRows(CoordTable& grid, bool ask);
    // Sect_Dgrm1 (ask) / Sect_Dgrm: separator insertion and its snapshot; nothing on No.
    RowChange insertSeparator(CoordTable& grid, bool ask);
    // The Delete key: empties the selected cells, an undo step with its snapshot when a cell held
    // text.
    void deleteByKey(CoordTable& grid);
    // All_Del: asks first when `ask`; false when the user declined.
    bool allDelete(bool ask);

    // Copy text of the selected block; paste of clipboard text with its snapshot.
    static QString copyText(const CoordTable& grid);
    RowChange paste(CoordTable& grid, const QString& text, PasteNote* note = nullptr);
    // The status text that tells the user about a paste.
    static QString pasteNoteText(PasteNote note);

    // The in-place editor's text for cell (row, col): empty or numeric text is written as typed
    // and true returned; any other text changes nothing and gives false.
    static bool commitCell(CoordTable& grid, int row, int col, const QString& text);
    // Closing the editor: the results are reset and a snapshot is taken.
    void editorClosed();

    // The transformation dialogs' commands, each with its snapshot. False, with the table
    // unchanged and no snapshot, when an input or a resulting coordinate is not finite (the
    // refusal is told through the messenger).
    bool move(CoordTable& grid, double dx, double dy);
    bool rotate(CoordTable& grid, double cx, double cy, double degrees);
    bool scale(CoordTable& grid, double x0, double y0, double factor);
    // The picked-vertex edit with its snapshot; a text that reads as an infinite number is
    // refused (told, false, nothing changed).
    bool editCoordinate(CoordTable& grid, const QString& x, const QString& y);

    // The question text of the row commands for the current row of `grid`.
    static QString rowQuestion(const CoordTable& grid, const QString& tail);

private:
    Workspace& work_;
    Messenger& msg_;
};

}  // namespace kuvanto

// The generator commands on the active coordinate table: each opens its dialog modally and, on
// OK, writes the generated rows in one insertion and takes the undo snapshot. The apply functions
// are the commands' work without a dialog (what OK does with the dialog's values), so tests and
// other callers can run them directly. The caller redraws and refreshes the table views.
#pragma once

#include "core/shapes/ArcGenerator.h"
#include "core/shapes/CornerRounding.h"
#include "core/shapes/LineGenerator.h"
#include "core/shapes/RectangleGenerator.h"

#include <QString>
#include "io/UiText.h"

class QWidget;

namespace kuvanto {

class CoordTable;
class Messenger;
class Workspace;

// Where a command acts and how it talks to the user.
struct ShapeTarget {
    Workspace& work;
    CoordTable& table;  // the active coordinate table (one of the workspace's two)
    Messenger& messenger;
    QWidget* parent = nullptr;
};

// The refusals of values that would put a coordinate beyond the double range.
inline constexpr UiText kLineOutOfRange{
    "ShapeCommands",
    QT_TRANSLATE_NOOP("ShapeCommands",
                      "長さ(増分)または角度が大きすぎるか数値でないため、線分を挿入できません。")};
inline constexpr UiText kRectangleOutOfRange{
    "ShapeCommands",
    QT_TRANSLATE_NOOP("ShapeCommands", "座標が大きすぎるため、矩形を挿入できません。")};

struct ShapeOutcome {
    bool changed = false;
    int topRow = -1;  // the row to scroll to the top of the table view; -1 to leave it
};

// What OK does, without a dialog.
ShapeOutcome applyLine(Workspace& work, CoordTable& table, LineMode mode, double amount,
                       double angle);
ShapeOutcome applyRectangle(Workspace& work, CoordTable& table, const RectangleCorners& corners);
ShapeOutcome applyArc(Workspace& work, CoordTable& table, const ArcPlan& plan);
ShapeOutcome applyFillet(Workspace& work, CoordTable& table, int row, const CornerSource& source,
                         const Fillet& fillet);

// The question asked before a generator inserts at the selected row; true for Yes.
bool confirmInsertion(Messenger& messenger, const QString& title);

// The commands. `ask` asks before inserting (the main menu and toolbar); the context-menu entries
// do not. Corner rounding with `checkCorner` refuses a current row that is not a vertex.
ShapeOutcome runLineCommand(const ShapeTarget& target, LineMode mode);
ShapeOutcome runRectangleCommand(const ShapeTarget& target, bool ask);
ShapeOutcome runArcCommand(const ShapeTarget& target, bool ask);
ShapeOutcome runCornerCommand(const ShapeTarget& target, bool checkCorner);

}  // namespace kuvanto

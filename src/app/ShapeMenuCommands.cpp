// The generator commands of the main window.
#include "app/ShapeMenuCommands.h"

#include <functional>

#include "app/MainWindow.h"
#include "shapes/ShapeCommands.h"

namespace kuvanto {

namespace {

// Runs `command` on the active coordinate table (nothing on the result tab) and shows the change.
void runOnActiveTable(MainWindow& window,
                      const std::function<ShapeOutcome(const ShapeTarget&)>& command) {
    CoordTable* table = window.activeCoordTable();
    if (!table) return;
    const ShapeOutcome outcome = command({window.work(), *table, window.msg(), &window});
    window.showTableChange(outcome.topRow);
}

}  // namespace

void installShapeCommands(MainWindow& window) {
    MainWindow* w = &window;
    const auto line = [w](LineMode mode) {
        return [w, mode] {
            runOnActiveTable(*w, [mode](const ShapeTarget& t) { return runLineCommand(t, mode); });
        };
    };
    window.setCommandHandler(CommandId::lineLengthAngle, line(LineMode::lengthAngle));
    window.setCommandHandler(CommandId::lineXIncrementAngle, line(LineMode::xIncrementAngle));
    window.setCommandHandler(CommandId::lineYIncrementAngle, line(LineMode::yIncrementAngle));
    // From a context menu the rectangle and the circle open their dialogs without asking, and
    // corner rounding takes the row as it is without checking for a corner.
    window.setCommandHandler(CommandId::insertRectangle, [w](bool ask) {
        runOnActiveTable(*w, [ask](const ShapeTarget& t) { return runRectangleCommand(t, ask); });
    });
    window.setCommandHandler(CommandId::insertArc, [w](bool ask) {
        runOnActiveTable(*w, [ask](const ShapeTarget& t) { return runArcCommand(t, ask); });
    });
    window.setCommandHandler(CommandId::roundCorner, [w](bool ask) {
        runOnActiveTable(*w, [ask](const ShapeTarget& t) { return runCornerCommand(t, ask); });
    });
}

}  // namespace kuvanto

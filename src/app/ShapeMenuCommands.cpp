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
    window.setCommandHandler(QStringLiteral("Len_Angle"), line(LineMode::lengthAngle));
    window.setCommandHandler(QStringLiteral("dx_Angle"), line(LineMode::xIncrementAngle));
    window.setCommandHandler(QStringLiteral("dy_Angle"), line(LineMode::yIncrementAngle));
    window.setCommandHandler(QStringLiteral("Insert_Rect"), [w] {
        runOnActiveTable(*w, [](const ShapeTarget& t) { return runRectangleCommand(t, true); });
    });
    window.setCommandHandler(QStringLiteral("Insert_Arc"), [w] {
        runOnActiveTable(*w, [](const ShapeTarget& t) { return runArcCommand(t, true); });
    });
    window.setCommandHandler(QStringLiteral("CornerR"), [w] {
        runOnActiveTable(*w, [](const ShapeTarget& t) { return runCornerCommand(t, true); });
    });
    window.setCommandHandler(QStringLiteral("CornerR_Pop"), [w] {
        runOnActiveTable(*w, [](const ShapeTarget& t) { return runCornerCommand(t, false); });
    });
}

}  // namespace kuvanto

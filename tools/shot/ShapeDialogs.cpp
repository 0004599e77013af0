// The generator dialogs for kuvanto-shot: the line dialog in its three modes, the rectangle and
// arc dialogs, the freehand coordinate dialog, and the corner-rounding dialog at the lower right
// corner of a 50 × 50 square.
#include "DialogRegistry.h"
#include "core/shapes/CornerRounding.h"
#include "core/table/CoordTable.h"
#include "shapes/ArcDialog.h"
#include "shapes/CoordInputDialog.h"
#include "shapes/CornerRoundingDialog.h"
#include "shapes/LineDialog.h"
#include "shapes/RectangleDialog.h"

namespace kuvanto {

void registerShapeDialogs(DialogRegistry& registry) {
    registry.add(QStringLiteral("Angline_Insert_Form"), [](const DialogContext& c) {
        return new LineDialog(LineMode::lengthAngle, c.parent);
    });
    registry.add(QStringLiteral("Angline_Insert_Form/dx"), [](const DialogContext& c) {
        return new LineDialog(LineMode::xIncrementAngle, c.parent);
    });
    registry.add(QStringLiteral("Angline_Insert_Form/dy"), [](const DialogContext& c) {
        return new LineDialog(LineMode::yIncrementAngle, c.parent);
    });
    registry.add(QStringLiteral("Rect_Insert_Form"),
                 [](const DialogContext& c) { return new RectangleDialog(c.parent); });
    registry.add(QStringLiteral("Arc_Insert_Form"),
                 [](const DialogContext& c) { return new ArcDialog(c.messenger, c.parent); });
    registry.add(QStringLiteral("Input_Cood_Form"),
                 [](const DialogContext& c) { return new CoordInputDialog(c.parent); });
    registry.add(QStringLiteral("Arc3P_Insert_Form"), [](const DialogContext& c) {
        CoordTable square;
        square.setRows(1);
        for (const char* xy : {"0,0", "50,0", "50,50", "0,50", "0,0"}) {
            const std::string text(xy);
            const auto comma = text.find(',');
            square.appendRow(text.substr(0, comma), text.substr(comma + 1));
        }
        return new CornerRoundingDialog(readCorner(square, 2), c.parent);
    });
}

}  // namespace kuvanto

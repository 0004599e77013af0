// The generator commands: the question, the modal dialog, the insertion and the snapshot.
#include "shapes/ShapeCommands.h"

#include <QCoreApplication>
#include <QString>

#include "core/base/NumberText.h"
#include "core/table/CoordTable.h"
#include "editing/Messenger.h"
#include "editing/TableChange.h"
#include "editing/Workspace.h"
#include "shapes/ArcDialog.h"
#include "shapes/CornerRoundingDialog.h"
#include "shapes/LineDialog.h"
#include "shapes/RectangleDialog.h"

namespace kuvanto {

ShapeOutcome applyLine(Workspace& work, CoordTable& table, LineMode mode, double amount,
                       double angle) {
    TableChange change(work);
    if (!insertLineVertex(table, mode, amount, angle)) return {};
    return {true, -1};
}

ShapeOutcome applyRectangle(Workspace& work, CoordTable& table, const RectangleCorners& corners) {
    TableChange change(work);
    const int top = insertRectangle(table, corners);
    if (top < 0) return {};
    return {true, top};
}

ShapeOutcome applyArc(Workspace& work, CoordTable& table, const ArcPlan& plan) {
    TableChange change(work);
    const int top = insertArc(table, plan);
    if (top < 0) return {};
    return {true, top};
}

ShapeOutcome applyFillet(Workspace& work, CoordTable& table, int row, const CornerSource& source,
                         const Fillet& fillet) {
    TableChange change(work);
    if (!kuvanto::applyFillet(table, row, source, fillet)) return {};
    return {true, -1};
}

bool confirmInsertion(Messenger& messenger, const QString& title) {
    return messenger.confirm(
        QCoreApplication::translate("ShapeCommands",
                                    "選択行からデータを挿入します。\nよろしいですか？"),
        title);
}

ShapeOutcome runLineCommand(const ShapeTarget& target, LineMode mode) {
    LineDialog dialog(mode, target.parent);
    if (dialog.exec() != QDialog::Accepted) return {};
    const ShapeOutcome outcome =
        applyLine(target.work, target.table, mode, dialog.amount(), dialog.angle());
    if (!outcome.changed && target.table.row() >= 1) target.messenger.notice(kLineOutOfRange);
    return outcome;
}

ShapeOutcome runRectangleCommand(const ShapeTarget& target, bool ask) {
    if (ask && !confirmInsertion(target.messenger,
                                 QCoreApplication::translate("ShapeCommands", "矩形の挿入")))
        return {};
    RectangleDialog dialog(target.parent);
    if (dialog.exec() != QDialog::Accepted) return {};
    const ShapeOutcome outcome = applyRectangle(target.work, target.table, dialog.corners());
    if (!outcome.changed && target.table.row() >= 1) target.messenger.notice(kRectangleOutOfRange);
    return outcome;
}

ShapeOutcome runArcCommand(const ShapeTarget& target, bool ask) {
    if (ask && !confirmInsertion(target.messenger,
                                 QCoreApplication::translate("ShapeCommands", "円（円弧）の挿入")))
        return {};
    ArcDialog dialog(target.messenger, target.parent);
    if (dialog.exec() != QDialog::Accepted) return {};
    return applyArc(target.work, target.table, dialog.plan());
}

ShapeOutcome runCornerCommand(const ShapeTarget& target, bool checkCorner) {
    CoordTable& table = target.table;
    const int row = table.row();
    if (checkCorner &&
        !(isNumericText(table.text(row, 0)) && isNumericText(table.text(row, 1)) && row >= 1)) {
        target.messenger.notice(QCoreApplication::translate(
            "ShapeCommands", "コーナーを選択してからコマンドを実行してください。"));
        return {};
    }
    const CornerSource source = readCorner(table, row);
    // A corner on a neighbour or between collinear legs has no fillet whatever the radius.
    const auto value = [](const std::string& text) { return lenientValue(text); };
    const FilletProblem geometry =
        computeFillet({value(source.cornerX), value(source.cornerY)},
                      {value(source.startX), value(source.startY)},
                      {value(source.endX), value(source.endY)}, 1, 36, false)
            .problem;
    if (geometry != FilletProblem::none) {
        target.messenger.notice(CornerRoundingDialog::problemText(geometry));
        return {};
    }
    CornerRoundingDialog dialog(source, target.parent);
    if (dialog.exec() != QDialog::Accepted) return {};
    return applyFillet(target.work, table, row, source, dialog.fillet());
}

}  // namespace kuvanto

// The freehand commands of the main window.
#include "app/FreehandCommands.h"

#include <QAction>
#include <QCheckBox>
#include <QCoreApplication>
#include <QCursor>

#include "app/MainWindow.h"
#include "editing/Messenger.h"
#include "editing/TableChange.h"
#include "io/UiText.h"
#include "shapes/CoordInputDialog.h"
#include "shapes/ShapeCommands.h"

namespace kuvanto {

namespace {

// The title of the question asked before drawing starts.
constexpr UiText kFreehandTitle{"FreehandCommands",
                                QT_TRANSLATE_NOOP("FreehandCommands", "フリーハンド描画")};

}  // namespace

void installFreehandCommands(MainWindow& window, QCheckBox& canvasSwitch) {
    MainWindow* w = &window;
    window.setCommandHandler(CommandId::freehand, [w] {
        QAction* button = w->command(CommandId::freehand);
        if (w->freehand().on()) {
            w->endFreehand();
            return;
        }
        // The action toggled itself; it shows pressed only once the mode is really on.
        button->setChecked(false);
        if (!w->activeCoordTable()) return;
        if (!confirmInsertion(w->msg(), kFreehandTitle)) return;
        w->startFreehand();
    });
    QObject::connect(&canvasSwitch, &QCheckBox::clicked, w, [w](bool checked) {
        if (!checked) w->endFreehand();
    });
    window.setCommandHandler(CommandId::endFreehand, [w] { w->endFreehand(); });
    window.setCommandHandler(CommandId::closeFreehandFigure, [w] {
        CoordTable* table = w->activeCoordTable();
        if (!table) return;
        // The vertices drawn so far and the closing one become one step.
        TableChange change(w->work());
        if (!w->freehand().close(*table)) return;
        change.done();
        w->endFreehand();
        change.end();
        w->showTableChange();
    });
    window.setCommandHandler(CommandId::typeFreehandVertex, [w] {
        CoordTable* table = w->activeCoordTable();
        if (!table) return;
        CoordInputDialog dialog(w);
        dialog.move(QCursor::pos());
        if (dialog.exec() != QDialog::Accepted) return;
        if (!w->freehand().typeCoordinate(*table, dialog.xValue(), dialog.yValue(),
                                          dialog.relative())) {
            w->msg().notice(QCoreApplication::translate(
                "FreehandCommands", "座標が大きすぎるか数値でないため、頂点を追加できません。"));
            return;
        }
        w->showTableChange();
    });
}

}  // namespace kuvanto

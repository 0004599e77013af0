// The editing dialogs for kuvanto-shot: move, rotation, scaling and the coordinate dialog, each
// over the shown coordinate table and its selected rows. The commands they would run live as long
// as the dialog.
#include <QDialog>
#include <memory>

#include "DialogRegistry.h"
#include "editing/EditCommands.h"
#include "editing/EditCoordDialog.h"
#include "editing/SelectionMoveDialog.h"
#include "editing/SelectionRotateDialog.h"
#include "editing/SelectionScalingDialog.h"

namespace kuvanto {

namespace {

template <class MakeDialog>
DialogRegistry::Factory editingFactory(CoordTable& grid, MakeDialog make) {
    return [&grid, make](const DialogContext& c) -> QDialog* {
        auto commands = std::make_shared<EditCommands>(c.work, c.messenger);
        QDialog* dialog = make(grid, *commands, c);
        QObject::connect(dialog, &QObject::destroyed, [commands] {});
        return dialog;
    };
}

}  // namespace

void registerEditingDialogs(DialogRegistry& registry, CoordTable& grid) {
    registry.add(QStringLiteral("Selection_Move_Form"),
                 editingFactory(grid, [](CoordTable& g, EditCommands& e, const DialogContext& c) {
                     return new SelectionMoveDialog(g, e, c.parent);
                 }));
    registry.add(QStringLiteral("Selection_Rotate_Form"),
                 editingFactory(grid, [](CoordTable& g, EditCommands& e, const DialogContext& c) {
                     return new SelectionRotateDialog(g, e, c.parent);
                 }));
    registry.add(QStringLiteral("Selection_Scaling_Form"),
                 editingFactory(grid, [](CoordTable& g, EditCommands& e, const DialogContext& c) {
                     return new SelectionScalingDialog(g, e, c.messenger, c.parent);
                 }));
    registry.add(QStringLiteral("EditCood_Form"),
                 editingFactory(grid, [](CoordTable& g, EditCommands& e, const DialogContext& c) {
                     return new EditCoordDialog(g, e, c.parent);
                 }));
}

}  // namespace kuvanto

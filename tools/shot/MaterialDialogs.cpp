// The dialog of the list of materials for kuvanto-shot: the working folder's list (the shipped
// one when it has none) with a concrete chosen; the variant "/refused" shows the message of a
// value the list refuses.
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include "DialogRegistry.h"
#include "app/MaterialListDialog.h"
#include "editing/Workspace.h"

namespace kuvanto {

namespace {

MaterialListDialog* materialDialog(const DialogContext& c) {
    std::optional<MaterialListEdit> list = MaterialListEdit::load(c.work.folder());
    auto* dialog = new MaterialListDialog(
        list ? std::move(*list) : MaterialListEdit(shippedMaterials()), c.work.folder(), c.parent);
    const auto found = dialog->materialList()->findItems(QStringLiteral("Fc"), Qt::MatchStartsWith);
    if (!found.isEmpty()) dialog->materialList()->setCurrentItem(found.back());
    return dialog;
}

}  // namespace

void registerMaterialDialogs(DialogRegistry& registry) {
    registry.add(QStringLiteral("Material_List_Dialog"),
                 [](const DialogContext& c) { return materialDialog(c); });
    registry.add(QStringLiteral("Material_List_Dialog/refused"), [](const DialogContext& c) {
        MaterialListDialog* dialog = materialDialog(c);
        dialog->copyButton()->click();
        dialog->field(1)->setText(QStringLiteral("2.4e4x"));
        dialog->changeButton()->click();
        return dialog;
    });
}

}  // namespace kuvanto

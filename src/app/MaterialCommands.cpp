// The figure whose material the chooser shows is the one around the current row of the table on
// the shown tab; a choice is made for that figure after the open cell edit is committed.
#include "app/MaterialCommands.h"

#include <QItemSelectionModel>
#include <QListWidget>
#include <QTabBar>

#include "app/MainWindow.h"
#include "app/MaterialBar.h"
#include "app/MaterialListDialog.h"
#include "app/ReferenceMaterialChooser.h"
#include "canvas/SectionCanvas.h"
#include "editing/MaterialChoice.h"
#include "editing/MaterialListEdit.h"
#include "editing/Messenger.h"

namespace kuvanto {

MaterialCommands::MaterialCommands(MainWindow& window) : QObject(&window), window_(window) {
    const std::optional<MaterialListEdit> list = MaterialListEdit::load(window.work().folder());
    library_ = list ? list->materials() : shippedMaterials();
}

MaterialCommands* MaterialCommands::install(MainWindow& window) {
    auto* commands = new MaterialCommands(window);
    const WindowLayout& ui = window.layout();
    ui.canvas->setMaterials(&window.work().materials);
    connect(ui.materialBar, &MaterialBar::materialChosen, commands, &MaterialCommands::choose);
    connect(ui.materialBar, &MaterialBar::listRequested, commands, &MaterialCommands::openList);
    connect(ui.referenceChooser, &ReferenceMaterialChooser::referenceChosen, commands,
            &MaterialCommands::chooseReference);
    for (QTableView* view : {ui.addView, ui.subtractedView}) {
        connect(view->selectionModel(), &QItemSelectionModel::currentRowChanged, commands,
                &MaterialCommands::refresh);
    }
    connect(ui.tabStrip, &QTabBar::currentChanged, commands, &MaterialCommands::refresh);
    window.setCommandHandler(CommandId::editMaterials, [commands] { commands->openList(); });
    commands->refresh();
    return commands;
}

void MaterialCommands::refresh() {
    const WindowLayout& ui = window_.layout();
    const Workspace& work = window_.work();
    choices_ = materialChoices(work.materials, library_);
    std::vector<std::string> carried;
    for (const Material* m : carriedMaterials(work.materials)) carried.push_back(m->name);
    ui.referenceChooser->showChoices(carried, work.referenceMaterial);

    const bool added = window_.shownTab() != WindowTab::subtracted;
    const QTableView* view = added ? ui.addView : ui.subtractedView;
    const CoordTable& grid = added ? work.addGrid : work.subtractedGrid;
    const TableKind kind = added ? TableKind::Added : TableKind::Subtracted;
    const QModelIndex current = view->currentIndex();
    const std::optional<int> figure =
        current.isValid() ? figureAtRow(grid, current.row() + 1) : std::nullopt;
    const Material* material = figure ? work.materials.materialOf(kind, *figure) : nullptr;
    ui.materialBar->showFigure(choices_, static_cast<int>(work.materials.materials().size()),
                               figure, material ? material->name : std::string());
}

void MaterialCommands::choose(int index) {
    window_.finishCellEditing();
    const WindowLayout& ui = window_.layout();
    Workspace& work = window_.work();
    const bool added = window_.shownTab() == WindowTab::added;
    if (!added && window_.shownTab() != WindowTab::subtracted) return;
    const QTableView* view = added ? ui.addView : ui.subtractedView;
    const CoordTable& grid = added ? work.addGrid : work.subtractedGrid;
    const std::optional<int> figure = figureAtRow(grid, view->currentIndex().row() + 1);
    if (!figure) {
        refresh();
        return;
    }
    const std::size_t place = static_cast<std::size_t>(index);
    const Material* material = index >= 0 && place < choices_.size() ? &choices_[place] : nullptr;
    // The choice is copied: the list of choices is made anew while the step is recorded.
    const std::optional<Material> chosen =
        material ? std::optional<Material>(*material) : std::nullopt;
    QString error;
    const bool changed =
        chooseFigureMaterial(work, added ? TableKind::Added : TableKind::Subtracted, *figure,
                             chosen ? &*chosen : nullptr, &error);
    if (!changed && !error.isEmpty()) window_.msg().notice(error);
    window_.showTableChange();
    refresh();
}

void MaterialCommands::chooseReference(const QString& name) {
    window_.work().referenceMaterial = name.toStdString();
    window_.recomputeShownResults();
    refresh();
}

void MaterialCommands::openList() {
    window_.finishCellEditing();
    QString error;
    std::optional<MaterialListEdit> list = MaterialListEdit::load(window_.work().folder(), &error);
    if (!list) {
        window_.msg().notice(error);
        return;
    }
    auto* dialog = new MaterialListDialog(std::move(*list), window_.work().folder(), &window_);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QDialog::accepted, this, [this, dialog] {
        library_ = dialog->list().materials();
        refresh();
    });
    dialog->open();
}

}  // namespace kuvanto

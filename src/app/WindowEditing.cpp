// Editing commands, editors and canvas mouse wired into the main window.
#include "app/WindowEditing.h"

#include <QMenu>
#include <QTableView>
#include <cmath>
#include <span>
#include <vector>

#include "app/MainWindow.h"
#include "canvas/CanvasMouse.h"
#include "canvas/FreehandLengthBox.h"
#include "canvas/SectionCanvas.h"
#include "core/base/NumberText.h"
#include "core/shapes/FreehandSession.h"
#include "editing/CoordTableEditor.h"
#include "editing/CoordTableModel.h"
#include "editing/EditCoordDialog.h"
#include "editing/SelectionMoveDialog.h"
#include "editing/SelectionRotateDialog.h"
#include "editing/SelectionScalingDialog.h"
#include "io/UiText.h"

namespace kuvanto {

namespace {
constexpr std::uint32_t kMarkColor = 0x0000FF00;  // pure green as 0x00BBGGRR
constexpr int kAddTab = static_cast<int>(WindowTab::added);
constexpr int kSubtractedTab = static_cast<int>(WindowTab::subtracted);
constexpr int kShiftOnly = 1;  // CanvasMouse::modifierBits of Shift alone
constexpr int kNoModifier = 0;
constexpr UiText kNoVertexAbove{
    "WindowEditing",
    QT_TRANSLATE_NOOP("WindowEditing",
                      "上の行に頂点がないため、入力した長さの頂点を挿入できません。")};
}  // namespace

WindowEditing::WindowEditing(MainWindow& window)
    : window_(window), commands_(window.ws_, window.msg()) {
    addEditor_ = std::make_unique<CoordTableEditor>(window.ui_.addView, window.ui_.addModel,
                                                    window.ws_.addGrid, commands_, true);
    subtractedEditor_ =
        std::make_unique<CoordTableEditor>(window.ui_.subtractedView, window.ui_.subtractedModel,
                                           window.ws_.subtractedGrid, commands_, false);
    for (CoordTableEditor* editor : {addEditor_.get(), subtractedEditor_.get()}) {
        connect(editor, &CoordTableEditor::statusText, &window_, &MainWindow::setStatus);
        connect(editor, &CoordTableEditor::heldStatusText, &window_, &MainWindow::holdStatus);
        connect(editor, &CoordTableEditor::statusReleased, &window_, &MainWindow::releaseStatus);
        connect(editor, &CoordTableEditor::redrawRequested, this, [this] {
            window_.redrawSection();
            window_.reportSnapshot();
        });
        connect(editor, &CoordTableEditor::changeStarting, this,
                [this] { window_.recordFreehandDrawing(); });
        connect(editor, &CoordTableEditor::marksRequested, this,
                [this, editor](IndexRange rows) { redrawWithMarks(editor->grid(), rows); });
        connect(editor, &CoordTableEditor::contextMenuRequested, this,
                [this](bool singleRow, const QPoint& at) {
                    showMenu(singleRow ? "Dummy_Menu" : "Dummy_Menu1", at);
                });
    }

    mouse_ = std::make_unique<CanvasMouse>(window.ui_.canvas);
    connect(mouse_.get(), &CanvasMouse::statusText, &window_, &MainWindow::setStatus);
    connect(mouse_.get(), &CanvasMouse::pickRequested, this,
            [this](double x, double y, int shift) { pickVertexAt(x, y, shift); });
    connect(mouse_.get(), &CanvasMouse::contextMenuRequested, this,
            [this](bool freehand, const QPoint& at) {
                showMenu(freehand ? "Dummy_Menu2" : "Dummy_Menu", at);
            });
    connect(mouse_.get(), &CanvasMouse::editRequested, this, &WindowEditing::editPickedVertex);
    connect(mouse_.get(), &CanvasMouse::endFreehandRequested, this, [this] {
        const bool wasOn = window_.ui_.canvas->freeHandCheck()->isChecked();
        window_.endFreehand();
        if (wasOn) window_.redrawSection();
    });
    lengthBox_ = new FreehandLengthBox(window.ui_.canvas);
    connect(mouse_.get(), &CanvasMouse::freehandPressed, this, &WindowEditing::freehandPress);
    connect(mouse_.get(), &CanvasMouse::freehandMoved, this, &WindowEditing::freehandMove);
    connect(lengthBox_, &FreehandLengthBox::lengthEntered, this,
            &WindowEditing::freehandTypedLength);
    connect(window.ui_.canvas->freeHandCheck(), &QCheckBox::toggled, this, [this](bool on) {
        if (!on) lengthBox_->dismiss();
    });
    registerCommands();
}

WindowEditing::~WindowEditing() = default;

void WindowEditing::registerCommands() {
    // The tabs each command is allowed on are in its row of the command table.
    const auto on = [this](CommandId id, void (WindowEditing::*handler)()) {
        window_.setCommandHandler(id, [this, handler] { (this->*handler)(); });
    };
    const auto asking = [this](CommandId id, void (WindowEditing::*handler)(bool)) {
        window_.setCommandHandler(id, [this, handler](bool ask) { (this->*handler)(ask); });
    };
    asking(CommandId::insertRow, &WindowEditing::insertRow);
    asking(CommandId::deleteRow, &WindowEditing::deleteRow);
    asking(CommandId::insertSeparator, &WindowEditing::insertSeparator);
    on(CommandId::copyRows, &WindowEditing::copy);
    on(CommandId::pasteRows, &WindowEditing::paste);
    on(CommandId::selectFigure, &WindowEditing::selectFigure);
    on(CommandId::moveSelection, &WindowEditing::moveSelection);
    on(CommandId::rotateSelection, &WindowEditing::rotateSelection);
    on(CommandId::scaleSelection, &WindowEditing::scaleSelection);
    on(CommandId::eraseAll, &WindowEditing::allDelete);
    on(CommandId::showResultFigure, &WindowEditing::showResultFigure);
}

CoordTable* WindowEditing::activeTable() {
    switch (window_.shownTab_) {
        case WindowTab::added:
            return &window_.ws_.addGrid;
        case WindowTab::subtracted:
            return &window_.ws_.subtractedGrid;
        default:
            return nullptr;
    }
}

CoordTableEditor* WindowEditing::activeEditor() {
    switch (window_.shownTab_) {
        case WindowTab::added:
            return addEditor_.get();
        case WindowTab::subtracted:
            return subtractedEditor_.get();
        default:
            return nullptr;
    }
}

void WindowEditing::finishEditing() {
    addEditor_->finishEditing();
    subtractedEditor_->finishEditing();
}

void WindowEditing::hideEditors() {
    addEditor_->hideEditor();
    subtractedEditor_->hideEditor();
}

void WindowEditing::showMenu(const char* name, const QPoint& globalPos) {
    QMenu* menu = window_.menu(QString::fromLatin1(name));
    if (!menu) return;
    menu->exec(globalPos);
}

void WindowEditing::afterRowChange(const RowChange& change) {
    if (CoordTableEditor* editor = activeEditor()) editor->tableChanged(change);
    window_.redrawSection();
    hideEditors();
    window_.reportSnapshot();
}

namespace {
std::optional<double> freehandGridStep(const SectionCanvas& canvas) {
    const double step = canvas.view().gridStep();
    if (step > 0) return step;
    return std::nullopt;
}
}  // namespace

void WindowEditing::freehandPress(double x, double y, int modifiers) {
    FreehandSession& session = window_.freehand();
    CoordTable* table = activeTable();
    if (!session.on() || !table) return;
    finishEditing();
    window_.releaseStatus();
    session.click(*table, Point{x, y}, freehandGridStep(*window_.ui_.canvas),
                  modifiers == kShiftOnly);
    // The press point of the canvas is the vertex as written (snapped, constrained), so that a
    // drag and a double click go from there.
    SectionView& view = window_.ui_.canvas->view();
    view.pressX = session.press().x;
    view.pressY = session.press().y;
    window_.showTableChange();
}

void WindowEditing::freehandMove(double x, double y, int modifiers) {
    FreehandSession& session = window_.freehand();
    if (!session.on() || !session.drawing()) return;
    SectionCanvas& canvas = *window_.ui_.canvas;
    canvas.setDrawWidth(2);
    canvas.redrawSection();
    // Other modifier states (Ctrl for panning and zooming) only redraw.
    if (modifiers != kNoModifier && modifiers != kShiftOnly) return;
    const std::optional<double> step = freehandGridStep(canvas);
    const RubberBand band = session.move(Point{x, y}, step, modifiers == kShiftOnly);
    if (band.drawn)
        canvas.drawLine(WorldPt{band.from.x, band.from.y}, WorldPt{band.to.x, band.to.y},
                        kMarkColor);
    if (modifiers != kShiftOnly) {
        lengthBox_->dismiss();
        return;
    }
    // The box sits just beside the (snapped) cursor.
    const Point cursor = snapToGrid(Point{x, y}, step);
    const QPointF at = canvas.toWidget(WorldPt{cursor.x + 4, cursor.y - 10});
    lengthBox_->showAt(at.toPoint(), QString::fromStdString(band.caption),
                       QString::fromStdString(band.lengthText));
}

void WindowEditing::freehandTypedLength(const QString& text) {
    CoordTable* table = activeTable();
    if (!window_.freehand().on() || !table) return;
    bool noVertexAbove = false;
    if (!window_.freehand().typeLength(*table, text.toStdString(), &noVertexAbove)) {
        // A length is laid off from the vertex in the row above; say so when there is none.
        if (noVertexAbove) window_.holdStatus(kNoVertexAbove);
        return;
    }
    window_.showTableChange();
}

void WindowEditing::redrawWithMarks(CoordTable& grid, IndexRange rows) {
    window_.redrawSection();
    SectionCanvas& canvas = *window_.ui_.canvas;
    // A whole figure of a million vertices is marked in the time of a few thousand marks: a mark
    // whose centre falls on a pixel already marked would draw the same circle again, and a mark
    // lying wholly off the canvas draws nothing.
    const int width = canvas.width(), height = canvas.height();
    const double radius = canvas.markRadius();
    const double reach =
        std::fabs(canvas.toWidget(WorldPt{radius, 0}).x() - canvas.toWidget(WorldPt{0, 0}).x()) + 2;
    std::vector<bool> marked(static_cast<std::size_t>(std::max(width * height, 0)));
    const std::span<const Point> points = grid.points();
    const int last = std::min(rows.last, grid.rows() - 1);
    for (int r = std::max(rows.first, 1); r <= last; ++r) {
        // The numbers the cells' texts read as (NaN where a cell is not numeric text).
        const Point p = points[static_cast<std::size_t>(r)];
        if (std::isnan(p.x) || std::isnan(p.y)) continue;
        const QPointF at = canvas.toWidget(WorldPt{p.x, p.y});
        if (at.x() < -reach || at.y() < -reach || at.x() > width + reach || at.y() > height + reach)
            continue;
        const int px = static_cast<int>(std::lround(at.x()));
        const int py = static_cast<int>(std::lround(at.y()));
        if (px >= 0 && py >= 0 && px < width && py < height) {
            const auto pixel = static_cast<std::size_t>(py) * static_cast<std::size_t>(width) +
                               static_cast<std::size_t>(px);
            if (marked[pixel]) continue;
            marked[pixel] = true;
        }
        canvas.drawCircle(WorldPt{p.x, p.y}, radius, kMarkColor);
    }
}

void WindowEditing::insertRow(bool ask) {
    CoordTable* grid = activeTable();
    if (!grid) return;
    finishEditing();
    afterRowChange(commands_.insertRows(*grid, ask));
}

void WindowEditing::deleteRow(bool ask) {
    CoordTable* grid = activeTable();
    if (!grid) return;
    finishEditing();
    afterRowChange(commands_.deleteRows(*grid, ask));
}

void WindowEditing::insertSeparator(bool ask) {
    CoordTable* grid = activeTable();
    if (!grid) return;
    finishEditing();
    const RowChange change = commands_.insertSeparator(*grid, ask);
    if (!change.refused) afterRowChange(change);
}

void WindowEditing::allDelete() {
    finishEditing();
    if (window_.work().modified()) {
        // The same question, saying that there are unsaved changes and offering to save first.
        if (!window_.askBeforeLosingChanges(kAllDeleteQuestion)) return;
        commands_.allDelete(false);
    } else if (!commands_.allDelete(true)) {
        return;
    }
    hideEditors();
    window_.refreshViews();
    window_.reportSnapshot();
}

void WindowEditing::copy() {
    if (CoordTableEditor* editor = activeEditor()) editor->copy();
}

void WindowEditing::paste() {
    if (CoordTableEditor* editor = activeEditor()) {
        editor->paste();
        window_.reportSnapshot();
    }
}

void WindowEditing::selectFigure() {
    CoordTable* grid = activeTable();
    if (!grid) return;
    finishEditing();
    const auto rows = selectFigureRows(*grid);
    if (!rows) return;
    activeEditor()->showGridSelection();
    redrawWithMarks(*grid, *rows);
    activeEditor()->view()->setFocus();
}

bool WindowEditing::pickVertexAt(double x, double y, int shift) {
    SectionCanvas& canvas = *window_.ui_.canvas;
    const auto pick =
        pickVertex(window_.ws_.addGrid, window_.ws_.subtractedGrid, x, y, canvas.scaleWidth());
    vertexPicked_ = pick.has_value();
    if (pick) {
        finishEditing();
        window_.redrawSection();
        window_.selectTab(pick->table == TableKind::Added ? kAddTab : kSubtractedTab);
        CoordTableEditor& editor =
            pick->table == TableKind::Added ? *addEditor_ : *subtractedEditor_;
        editor.grid().setRow(pick->row);
        editor.showGridSelection();
        QTableView* view = editor.view();
        view->setFocus();
        view->scrollTo(
            view->model()->index(CoordTableModel::modelRow(pick->row), editor.grid().col()),
            QAbstractItemView::PositionAtTop);
        canvas.drawCircle(WorldPt{pick->x, pick->y}, canvas.markRadius(), kMarkColor);
        hideEditors();
    }
    if (shift == 1) selectFigure();
    return vertexPicked_;
}

void WindowEditing::showResultFigure() {
    const auto figure = resultFigure(window_.ws_.resultGrid);
    window_.refreshViews(false);
    if (!figure) return;
    window_.selectTab(figure->table == TableKind::Added ? kAddTab : kSubtractedTab);
    CoordTable* grid = activeTable();
    if (!grid) return;
    const auto probe = figureProbeRow(*grid, figure->number);
    if (!probe) return;
    pickVertexAt(lenientValue(grid->text(*probe, 0)), lenientValue(grid->text(*probe, 1)), 1);
}

void WindowEditing::moveSelection() {
    CoordTable* grid = activeTable();
    if (!grid) return;
    finishEditing();
    SelectionMoveDialog dialog(*grid, commands_, &window_);
    if (dialog.exec() != QDialog::Accepted) return;
    window_.refreshViews();
    window_.reportSnapshot();
}

void WindowEditing::rotateSelection() {
    CoordTable* grid = activeTable();
    if (!grid) return;
    finishEditing();
    SelectionRotateDialog dialog(*grid, commands_, &window_);
    if (dialog.exec() != QDialog::Accepted) return;
    window_.refreshViews();
    window_.reportSnapshot();
}

void WindowEditing::scaleSelection() {
    CoordTable* grid = activeTable();
    if (!grid) return;
    finishEditing();
    SelectionScalingDialog dialog(*grid, commands_, window_.msg(), &window_);
    if (dialog.exec() != QDialog::Accepted) return;
    window_.refreshViews();
    window_.reportSnapshot();
}

void WindowEditing::editPickedVertex(double x, double y) {
    if (!pickVertexAt(x, y, 0)) return;
    CoordTable* grid = activeTable();
    if (!grid) return;
    EditCoordDialog dialog(*grid, commands_, &window_);
    if (dialog.exec() != QDialog::Accepted) return;
    window_.refreshViews();
    window_.reportSnapshot();
}

}  // namespace kuvanto

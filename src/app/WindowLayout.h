// The widgets of the main window below its toolbar: the tab strip, the figure page (coordinate
// tables, canvas, view panel), the result page (result table over its failure message, the
// section diagram) and the status bar. The builder makes them, names them and lays them out;
// the window wires them to its commands and events. Also the conversions between a table's
// selection and its view's that the window uses when it brings the views up to date.
#pragma once

#include <QItemSelectionModel>
#include <QTableView>
#include <algorithm>

class QLabel;
class QMainWindow;
class QStackedWidget;
class QTabBar;

namespace kuvanto {

class CoordTableModel;
class FigurePage;
class MaterialBar;
class ReferenceMaterialChooser;
class ResultTableModel;
class SectionCanvas;
class SectionDiagram;
class SharedColumnWidths;
class ViewPanel;
class TorsionPanel;
class Workspace;

struct WindowLayout {
    QTabBar* tabStrip = nullptr;
    QStackedWidget* pages = nullptr;        // Cood_Frame | Result_Frame
    QStackedWidget* coordStack = nullptr;   // the two coordinate tables
    QStackedWidget* resultStack = nullptr;  // the result table | its failure message
    FigurePage* coordFrame = nullptr;
    QWidget* resultFrame = nullptr;
    QTableView* addView = nullptr;
    QTableView* subtractedView = nullptr;
    QTableView* resultView = nullptr;
    CoordTableModel* addModel = nullptr;
    CoordTableModel* subtractedModel = nullptr;
    ResultTableModel* resultModel = nullptr;
    SharedColumnWidths* resultColumns = nullptr;  // the result columns share the view's width
    SectionCanvas* canvas = nullptr;
    ViewPanel* panel = nullptr;
    SectionDiagram* resultDiagram = nullptr;
    TorsionPanel* torsionPanel = nullptr;
    MaterialBar* materialBar = nullptr;  // the current figure's material, above the tables
    ReferenceMaterialChooser* referenceChooser =
        nullptr;  // the composite block's reference  // Poisson's ratio and the torsion analysis's
                  // progress
    QLabel* failureLabel = nullptr;
    QLabel* statusLabel = nullptr;

    // Makes the widgets of `window` over the tables of `work`, sets the central widget and the
    // status bar, and gives the window its first size.
    static WindowLayout build(QMainWindow& window, Workspace& work);

    static int twipsToPixels(const QWidget* widget, int twips);

    // A table's selection from its view's: the table's row/col is the anchor of the selection
    // and rowSel/colSel its moving end, which is the view's current index.
    template <class Grid>
    static void readSelection(const QTableView* view, Grid& grid);
    // The view's selection from its table's.
    template <class Grid>
    static void showSelection(QTableView* view, const Grid& grid);
};

template <class Grid>
void WindowLayout::readSelection(const QTableView* view, Grid& grid) {
    const QModelIndex cur = view->currentIndex();
    if (!cur.isValid()) return;
    int top = cur.row(), bottom = cur.row(), left = cur.column(), right = cur.column();
    for (const QItemSelectionRange& r : view->selectionModel()->selection()) {
        top = std::min(top, r.top());
        bottom = std::max(bottom, r.bottom());
        left = std::min(left, r.left());
        right = std::max(right, r.right());
    }
    const int anchorRow = cur.row() == top ? bottom : top;
    const int anchorCol = cur.column() == left ? right : left;
    grid.setRow(anchorRow + 1);
    grid.setCol(anchorCol);
    grid.setRowSel(cur.row() + 1);
    grid.setColSel(cur.column());
}

template <class Grid>
void WindowLayout::showSelection(QTableView* view, const Grid& grid) {
    QAbstractItemModel* model = view->model();
    if (model->rowCount() == 0 || model->columnCount() == 0) return;
    auto clampRow = [&](int r) { return std::clamp(r - 1, 0, model->rowCount() - 1); };
    auto clampCol = [&](int c) { return std::clamp(c, 0, model->columnCount() - 1); };
    const QModelIndex anchor = model->index(clampRow(grid.row()), clampCol(grid.col()));
    const QModelIndex end = model->index(clampRow(grid.rowSel()), clampCol(grid.colSel()));
    const QModelIndex tl =
        model->index(std::min(anchor.row(), end.row()), std::min(anchor.column(), end.column()));
    const QModelIndex br =
        model->index(std::max(anchor.row(), end.row()), std::max(anchor.column(), end.column()));
    view->selectionModel()->setCurrentIndex(end, QItemSelectionModel::NoUpdate);
    view->selectionModel()->select(QItemSelection(tl, br), QItemSelectionModel::ClearAndSelect);
}

}  // namespace kuvanto

// The table editing of the main window: the in-place editors of both coordinate tables, the
// canvas mouse, and the handlers of the editing commands (row insertion and deletion, separator,
// erasing, copy and paste, figure selection, the transformation dialogs, the figure of a result
// column). It runs the EditCommands on the active table and brings the views, the canvas, the
// marks and the status bar up to date. Row insertion, deletion and the separator ask their
// question from the menu bar and the toolbar and act at once from a context menu.
#pragma once

#include <QObject>
#include <QPoint>
#include <memory>

#include "core/section/FigureSelection.h"
#include "core/table/RowOperations.h"
#include "editing/EditCommands.h"

class QMenu;

namespace kuvanto {

class CanvasMouse;
class CoordTableEditor;
class FreehandLengthBox;
class MainWindow;

class WindowEditing : public QObject {
    Q_OBJECT
public:
    explicit WindowEditing(MainWindow& window);
    ~WindowEditing() override;

    CoordTableEditor& addEditor() { return *addEditor_; }
    CoordTableEditor& subtractedEditor() { return *subtractedEditor_; }
    CanvasMouse& canvasMouse() { return *mouse_; }
    EditCommands& commands() { return commands_; }

    // Vertex picking on the canvas (Shift 1 also selects the figure); whether a vertex was found.
    bool pickVertexAt(double x, double y, int shift);
    bool vertexPicked() const { return vertexPicked_; }

    // Commits or hides the editors (before a command changes a table).
    void finishEditing();
    void hideEditors();

    // The command handlers. `ask`: ask before acting (not from a context menu).
    void insertRow(bool ask);
    void deleteRow(bool ask);
    void insertSeparator(bool ask);
    void allDelete();
    void copy();
    void paste();
    void selectFigure();
    void moveSelection();
    void rotateSelection();
    void scaleSelection();
    void showResultFigure();
    void editPickedVertex(double x, double y);

    // Freehand drawing on the canvas: a left press adds a vertex, a move draws the rubber band
    // (and with Shift alone shows the length box), Enter in the length box adds the typed length.
    void freehandPress(double x, double y, int modifiers);
    void freehandMove(double x, double y, int modifiers);
    void freehandTypedLength(const QString& text);
    FreehandLengthBox& lengthBox() { return *lengthBox_; }

private:
    // The active coordinate table and its editor; null on the result tab.
    CoordTable* activeTable();
    CoordTableEditor* activeEditor();
    void afterRowChange(const RowChange& change);
    void redrawWithMarks(CoordTable& grid, IndexRange rows);
    void showMenu(const char* name, const QPoint& globalPos);
    void registerCommands();

    MainWindow& window_;
    EditCommands commands_;
    std::unique_ptr<CoordTableEditor> addEditor_;
    std::unique_ptr<CoordTableEditor> subtractedEditor_;
    std::unique_ptr<CanvasMouse> mouse_;
    FreehandLengthBox* lengthBox_ = nullptr;  // owned by the canvas
    bool vertexPicked_ = false;
};

}  // namespace kuvanto

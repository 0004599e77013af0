// Editing of one coordinate table in its QTableView: the in-place editor (a line edit laid over
// the current cell, opened by F2, a double click or by typing a character; Enter commits, Esc
// abandons, Tab commits and moves on X -> Y -> next row's X, Shift+Tab back, losing the focus
// commits; Enter then moves down as in a spreadsheet, Shift+Enter up; the arrow keys commit and
// move as they do on the table, except Left and Right in an editor opened to change its text),
// the keys of the table (Enter, Delete, Ctrl+C, Ctrl+V), the status readout of the current row on
// mouse moves (held back while a refusal or a paste note is shown, until the next key press in
// the table),
// the selection kept in step between the view and the table, and the mouse release that redraws
// with marks or asks for a context menu. The work is done by EditCommands; the window answers
// the signals by redrawing, marking and showing menus.
#pragma once

#include <QObject>
#include <QPoint>
#include <QString>

#include "core/table/RowOperations.h"
#include "editing/EditCommands.h"

class QKeyEvent;
class QLineEdit;
class QTableView;

namespace kuvanto {

class CoordTableModel;

class CoordTableEditor : public QObject {
    Q_OBJECT
public:
    // `added` picks the editor's name ("Val1_Text" / "Val2_Text") and the status text.
    CoordTableEditor(QTableView* view, CoordTableModel* model, CoordTable& grid,
                     EditCommands& commands, bool added, QObject* parent = nullptr);

    QLineEdit* editor() const { return editor_; }
    bool editing() const;
    CoordTable& grid() { return grid_; }
    QTableView* view() const { return view_; }

    // Opens the editor on the current cell (nothing on a separator cell); `typed` replaces the
    // text when given.
    void openEditor(const QString& typed = QString());
    // Commits a visible editor as losing the focus does (before a command changes the table).
    void finishEditing();
    // Hides the editor without writing.
    void hideEditor();

    // After a command changed the table: tells the view about the rows, then shows the table's
    // selection in the view.
    void tableChanged(const RowChange& change = {});
    void showGridSelection();

    // The commands of the keys, also used by the menus.
    void copy();
    void paste();
    void deleteByKey();

signals:
    // The table changed in a way the canvas shows; redraw it.
    void redrawRequested();
    // Redraw, then mark the vertices of these rows.
    void marksRequested(IndexRange rows);
    void statusText(const QString& text);
    // A refusal or a paste note that stays in the status bar until the next key press in the
    // table; then statusReleased.
    void heldStatusText(const QString& text);
    void statusReleased();
    // Right button released over the table; `singleRow` when one row is selected.
    void contextMenuRequested(bool singleRow, const QPoint& globalPos);
    // The table is about to be changed by the editor or a key of the table: changes made before
    // (and not yet an undo step) become one of their own first.
    void changeStarting();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool tableKey(QEvent* event);
    bool editorKey(QEvent* event);
    // Writes the editor's text into its cell; false (and a status message) when refused.
    bool commitText();
    // Closes the editor: results reset, redraw, snapshot.
    void closeEditor();
    // Whether the editor holds the cell's text as it was opened (nothing typed).
    bool untouched() const;
    // Commits and closes the editor, then lets the table move its current cell by `key` as it
    // does with no editor open.
    bool commitAndMove(QKeyEvent* key);
    // Tab and Shift+Tab: commit, then open the editor on the next (previous) cell.
    bool tabTo(bool forward);
    void readSelection();
    void placeEditor();
    // After Enter: the current cell moves `rowStep` rows from the cell just edited.
    void moveAfterEnter(int rowStep);
    void holdStatus(const QString& text);
    void releaseStatus();

    QTableView* view_;
    CoordTableModel* model_;
    CoordTable& grid_;
    EditCommands& commands_;
    bool added_;
    QLineEdit* editor_;
    QObject* viewport_ = nullptr;
    int editRow_ = 0;
    int editCol_ = 0;
    bool closing_ = false;
    bool syncing_ = false;
    bool tabbing_ = false;              // the editor is being opened by a Tab
    int tabRunColumn_ = -1;             // where the current run of Tabs began; -1 for none
    bool openedByDoubleClick_ = false;  // the next left release ends that double click
    bool openedByTab_ = false;          // the editor stands on a cell a Tab moved to
    bool changesText_ = false;  // opened by F2 or a double click: Left and Right move the caret
    bool appendedRow_ = false;  // opening on the last row appended the entry row below
    bool statusHeld_ = false;
};

}  // namespace kuvanto

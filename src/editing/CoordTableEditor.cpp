// The in-place editor over the current cell and the keys and mouse actions of a coordinate table.
#include "editing/CoordTableEditor.h"

#include <QApplication>
#include <QClipboard>
#include <QCoreApplication>
#include <QFocusEvent>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTableView>

#include "core/table/Transformations.h"
#include "editing/CoordTableModel.h"

namespace kuvanto {

CoordTableEditor::CoordTableEditor(QTableView* view, CoordTableModel* model, CoordTable& grid,
                                   EditCommands& commands, bool added, QObject* parent)
    : QObject(parent),
      view_(view),
      model_(model),
      grid_(grid),
      commands_(commands),
      added_(added),
      editor_(new QLineEdit(view->viewport())) {
    editor_->setObjectName(added ? QStringLiteral("Val1_Text") : QStringLiteral("Val2_Text"));
    editor_->setFrame(false);
    editor_->hide();
    editor_->installEventFilter(this);
    view_->installEventFilter(this);
    // Kept as an address: the filter still sees events while the view is being destroyed, when
    // the view can no longer be asked for its viewport.
    viewport_ = view_->viewport();
    viewport_->installEventFilter(this);
    view_->viewport()->setMouseTracking(true);
    const auto userSelection = [this] {
        if (syncing_) return;
        readSelection();
        emit marksRequested({grid_.row(), grid_.row()});
    };
    connect(view_->selectionModel(), &QItemSelectionModel::selectionChanged, this, userSelection);
    connect(view_->selectionModel(), &QItemSelectionModel::currentChanged, this, userSelection);
}

bool CoordTableEditor::editing() const {
    return !editor_->isHidden();
}

void CoordTableEditor::openEditor(const QString& typed) {
    // A new run of Tabs starts at the cell opened other than by a Tab.
    if (!tabbing_) tabRunColumn_ = -1;
    const int r = grid_.row(), c = grid_.col();
    if (r < 1 || r >= grid_.rows() || grid_.text(r, c) == kSeparatorText) return;
    hideEditor();
    editRow_ = r;
    editCol_ = c;
    openedByTab_ = tabbing_;
    changesText_ = typed.isNull() && !tabbing_;
    appendedRow_ = r + 1 >= grid_.rows();
    // An empty row stays at the end while the last row is being filled.
    if (appendedRow_) {
        RowChange change;
        change.at = grid_.rows();
        change.appended = 1;
        grid_.setRows(grid_.rows() + 1);
        tableChanged(change);
    }
    editor_->setText(typed.isNull() ? QString::fromStdString(grid_.text(r, c)) : typed);
    placeEditor();
    editor_->show();
    editor_->setFocus(Qt::OtherFocusReason);
    if (typed.isNull())
        editor_->selectAll();
    else
        editor_->end(false);
}

void CoordTableEditor::placeEditor() {
    const QModelIndex index = model_->index(CoordTableModel::modelRow(editRow_), editCol_);
    view_->scrollTo(index);
    editor_->setGeometry(view_->visualRect(index));
}

void CoordTableEditor::finishEditing() {
    if (!editing()) return;
    commitText();
    closeEditor();
}

void CoordTableEditor::hideEditor() {
    if (!editing()) return;
    closing_ = true;
    editor_->hide();
    closing_ = false;
}

bool CoordTableEditor::untouched() const {
    return editRow_ < grid_.rows() &&
           editor_->text() == QString::fromStdString(grid_.text(editRow_, editCol_));
}

bool CoordTableEditor::commitText() {
    const QString text = editor_->text();
    if (!untouched()) emit changeStarting();
    if (EditCommands::commitCell(grid_, editRow_, editCol_, text)) return true;
    holdStatus(kNotANumber + text);
    return false;
}

void CoordTableEditor::holdStatus(const QString& text) {
    statusHeld_ = true;
    emit heldStatusText(text);
}

void CoordTableEditor::releaseStatus() {
    statusHeld_ = false;
    emit statusReleased();
}

void CoordTableEditor::moveAfterEnter(int rowStep) {
    // Down (or up) from the cell just written: to the column where a run of Tabs began, so
    // that X Tab Y Enter lands on the next row's X, otherwise to the same column.
    const int column = tabRunColumn_ >= 0 ? tabRunColumn_ : editCol_;
    tabRunColumn_ = -1;
    grid_.setRow(std::clamp(editRow_ + rowStep, 1, grid_.rows() - 1));
    grid_.setCol(column);
    showGridSelection();
}

void CoordTableEditor::closeEditor() {
    closing_ = true;
    if (editor_->hasFocus()) view_->setFocus(Qt::OtherFocusReason);
    editor_->hide();
    closing_ = false;
    // The entry row appended when the editor opened on the last row goes again when nothing was
    // written there: an editor opened and left without typing is no change of the table.
    const int last = grid_.rows() - 1;
    RowChange removal;
    if (appendedRow_ && editRow_ == last - 1 && grid_.text(editRow_, 0).empty() &&
        grid_.text(editRow_, 1).empty() && grid_.text(last, 0).empty() &&
        grid_.text(last, 1).empty()) {
        removal.at = last;
        removal.removed = 1;
        grid_.setRows(last);
        grid_.setRow(std::min(grid_.row(), last - 1));
        grid_.setRowSel(std::min(grid_.rowSel(), last - 1));
    }
    appendedRow_ = false;
    commands_.editorClosed();
    tableChanged(removal);
    emit redrawRequested();
}

void CoordTableEditor::tableChanged(const RowChange& change) {
    // While rows come and go the view moves its current index along with them; that is the
    // view's bookkeeping, not the user's choice, and must not be read back into the table.
    syncing_ = true;
    model_->applyRowChange(change);
    syncing_ = false;
    showGridSelection();
}

void CoordTableEditor::showGridSelection() {
    const int rows = model_->rowCount();
    if (rows == 0) return;
    syncing_ = true;
    const auto row = [&](int r) { return model_->index(std::clamp(r - 1, 0, rows - 1), 0).row(); };
    const QModelIndex anchor = model_->index(row(grid_.row()), grid_.col());
    const QModelIndex end = model_->index(row(grid_.rowSel()), grid_.colSel());
    const QModelIndex topLeft =
        model_->index(std::min(anchor.row(), end.row()), std::min(anchor.column(), end.column()));
    const QModelIndex bottomRight =
        model_->index(std::max(anchor.row(), end.row()), std::max(anchor.column(), end.column()));
    QItemSelectionModel* selection = view_->selectionModel();
    selection->setCurrentIndex(end, QItemSelectionModel::NoUpdate);
    selection->select(QItemSelection(topLeft, bottomRight), QItemSelectionModel::ClearAndSelect);
    syncing_ = false;
}

void CoordTableEditor::readSelection() {
    const QModelIndex current = view_->currentIndex();
    if (!current.isValid()) return;
    int top = current.row(), bottom = current.row();
    int left = current.column(), right = current.column();
    for (const QItemSelectionRange& range : view_->selectionModel()->selection()) {
        top = std::min(top, range.top());
        bottom = std::max(bottom, range.bottom());
        left = std::min(left, range.left());
        right = std::max(right, range.right());
    }
    // The view's current index is the moving end; the anchor is the opposite corner.
    const int anchorRow = current.row() == top ? bottom : top;
    const int anchorCol = current.column() == left ? right : left;
    grid_.setRow(CoordTableModel::gridRow(anchorRow));
    grid_.setCol(anchorCol);
    grid_.setRowSel(CoordTableModel::gridRow(current.row()));
    grid_.setColSel(current.column());
}

void CoordTableEditor::copy() {
    QApplication::clipboard()->setText(EditCommands::copyText(grid_));
}

void CoordTableEditor::paste() {
    finishEditing();
    emit changeStarting();
    const QString text = QApplication::clipboard()->text();
    PasteNote note = PasteNote::none;
    const RowChange change = commands_.paste(grid_, text, &note);
    if (!change.refused) tableChanged(change);
    // The user is told why nothing, or less than the whole block, was pasted.
    if (note != PasteNote::none) holdStatus(EditCommands::pasteNoteText(note));
}

void CoordTableEditor::deleteByKey() {
    finishEditing();
    emit changeStarting();
    commands_.deleteByKey(grid_);
    tableChanged();
    emit redrawRequested();
}

bool CoordTableEditor::tableKey(QEvent* event) {
    if (event->type() != QEvent::KeyPress) return false;
    releaseStatus();
    auto* key = static_cast<QKeyEvent*>(event);
    const Qt::KeyboardModifiers mods = key->modifiers() & ~Qt::KeypadModifier;
    if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) &&
        (mods == Qt::NoModifier || mods == Qt::ShiftModifier)) {
        // As in a spreadsheet: Enter moves down, Shift+Enter up.
        editRow_ = grid_.row();
        editCol_ = grid_.col();
        tabRunColumn_ = -1;
        moveAfterEnter(mods == Qt::ShiftModifier ? -1 : 1);
        return true;
    }
    if (mods == Qt::ControlModifier && key->key() == Qt::Key_V) {
        if (!key->isAutoRepeat()) paste();  // once per key stroke
        return true;
    }
    if (mods == Qt::ControlModifier && key->key() == Qt::Key_C) {
        copy();
        return true;
    }
    if (key->key() == Qt::Key_Delete) {
        deleteByKey();
        return true;
    }
    if (key->key() == Qt::Key_F2) {
        openEditor();
        return true;
    }
    const QString text = key->text();
    if (!(mods & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) && !text.isEmpty() &&
        text.at(0).isPrint()) {
        openEditor(text);
        return true;
    }
    return false;
}

bool CoordTableEditor::commitAndMove(QKeyEvent* key) {
    if (!commitText()) return true;  // stays open for correction
    closeEditor();
    tabRunColumn_ = -1;
    // The table moves its current cell from the cell just written, as for the same key with no
    // editor open; the keys typed next go to the cell it moved to.
    QKeyEvent again(key->type(), key->key(), key->modifiers(), key->text(), key->isAutoRepeat(),
                    ushort(key->count()));
    QCoreApplication::sendEvent(view_, &again);
    return true;
}

bool CoordTableEditor::tabTo(bool forward) {
    if (!commitText()) return true;
    closeEditor();
    if (forward) {
        if (tabRunColumn_ < 0) tabRunColumn_ = editCol_;
        // X -> Y -> the next row's X.
        grid_.setRow(editCol_ == 0 ? editRow_ : editRow_ + 1);
        grid_.setCol(editCol_ == 0 ? 1 : 0);
    } else {
        // Y -> X -> the previous row's Y; a run of Tabs ends there.
        tabRunColumn_ = -1;
        if (editCol_ == 0 && editRow_ <= 1) {
            grid_.setRow(editRow_);
            grid_.setCol(0);
        } else {
            grid_.setRow(editCol_ == 1 ? editRow_ : editRow_ - 1);
            grid_.setCol(editCol_ == 1 ? 0 : 1);
        }
    }
    showGridSelection();
    tabbing_ = true;
    openEditor();
    tabbing_ = false;
    return true;
}

bool CoordTableEditor::editorKey(QEvent* event) {
    if (event->type() == QEvent::FocusOut) {
        // A popup (a menu, the editor's own context menu) takes the focus only for a moment.
        const bool popup = static_cast<QFocusEvent*>(event)->reason() == Qt::PopupFocusReason;
        if (!closing_ && !popup && editing()) {
            commitText();
            closeEditor();
        }
        return false;
    }
    if (event->type() == QEvent::MouseButtonPress && openedByTab_ && untouched() &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        // The editor a Tab opened stands for the selected cell until something is typed: a
        // click on it selects the cell, as on any other cell, and the next keys replace its text.
        const int row = editRow_, col = editCol_;
        commitText();
        closeEditor();
        tabRunColumn_ = -1;
        grid_.setRow(row);
        grid_.setCol(col);
        grid_.setRowSel(row);
        grid_.setColSel(col);
        showGridSelection();
        view_->setFocus(Qt::MouseFocusReason);
        emit marksRequested({row, row});
        return true;
    }
    if (event->type() == QEvent::ShortcutOverride) {
        // With nothing typed, undo and redo are the table's: the editor has no text of its own
        // to take back.
        auto* key = static_cast<QKeyEvent*>(event);
        if ((key->matches(QKeySequence::Undo) || key->matches(QKeySequence::Redo)) && untouched()) {
            event->ignore();
            return true;
        }
        return false;
    }
    if (event->type() != QEvent::KeyPress) return false;
    releaseStatus();
    auto* key = static_cast<QKeyEvent*>(event);
    const Qt::KeyboardModifiers mods = key->modifiers() & ~Qt::KeypadModifier;
    switch (key->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            if (!commitText()) return true;  // stays open for correction
            closeEditor();
            moveAfterEnter(mods & Qt::ShiftModifier ? -1 : 1);
            return true;
        case Qt::Key_Escape:
            closeEditor();
            return true;
        case Qt::Key_Tab:
            return tabTo(!(mods & Qt::ShiftModifier));
        case Qt::Key_Backtab:
            return tabTo(false);
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_PageUp:
        case Qt::Key_PageDown:
            return commitAndMove(key);
        case Qt::Key_Left:
        case Qt::Key_Right:
            // In an editor opened to change the cell's text they move the caret.
            if (changesText_ || (mods & ~Qt::ShiftModifier)) return false;
            return commitAndMove(key);
        default:
            return false;
    }
}

bool CoordTableEditor::eventFilter(QObject* watched, QEvent* event) {
    if (watched == editor_) return editorKey(event);
    if (watched == view_) return tableKey(event);
    if (watched != viewport_) return false;
    switch (event->type()) {
        case QEvent::MouseButtonDblClick:
            openEditor();
            // The release of the second click belongs to the double click: it must not commit
            // and close the editor that has just opened.
            openedByDoubleClick_ = editing();
            return true;
        case QEvent::MouseButtonPress:
            // A double click whose release went elsewhere leaves nothing to wait for.
            openedByDoubleClick_ = false;
            return false;
        case QEvent::MouseMove:
            if (!statusHeld_)
                emit statusText(QString::fromStdString(tableStatusText(
                    grid_, QCoreApplication::translate(
                               "Transformations", added_ ? kAddedStatusHead : kSubtractedStatusHead)
                               .toStdString())));
            return false;
        case QEvent::MouseButtonRelease: {
            auto* mouse = static_cast<QMouseEvent*>(event);
            if (mouse->button() == Qt::LeftButton && openedByDoubleClick_) {
                openedByDoubleClick_ = false;
                return true;
            }
            if (mouse->button() == Qt::LeftButton) {
                finishEditing();
                readSelection();
                emit marksRequested(selectedRows(grid_));
            } else if (mouse->button() == Qt::RightButton) {
                emit contextMenuRequested(grid_.row() == grid_.rowSel(),
                                          mouse->globalPosition().toPoint());
            }
            return false;
        }
        default:
            return false;
    }
}

}  // namespace kuvanto

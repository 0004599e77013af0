// Real input for window tests: mouse clicks and double clicks sent to the window (so that Qt
// turns them into the press, release, double-click and release a user's hand makes), key strokes
// sent to whichever widget has the keyboard focus, and the places of table cells and canvas
// points in window coordinates.
#pragma once

#include <QApplication>
#include <QList>
#include <QPair>
#include <QStringList>
#include <QTableView>
#include <QTest>
#include <QWidget>
#include <QWindow>
#include <algorithm>

#include "canvas/SectionCanvas.h"
#include "editing/CoordTableModel.h"

namespace kuvanto::test {

// The centre of cell (table row, column) of a coordinate table view, in the window's coordinates.
inline QPoint cellPoint(QTableView* view, int gridRow, int col) {
    const QModelIndex index = view->model()->index(CoordTableModel::modelRow(gridRow), col);
    view->scrollTo(index);
    return view->viewport()->mapTo(view->window(), view->visualRect(index).center());
}

inline QPoint canvasPoint(SectionCanvas* canvas, double x, double y) {
    return canvas->mapTo(canvas->window(), canvas->toWidget(WorldPt{x, y}).toPoint());
}

inline QWindow* windowOf(QWidget* widget) {
    return widget->window()->windowHandle();
}

inline void clickAt(QWidget* widget, const QPoint& at, Qt::KeyboardModifiers mods = {}) {
    QTest::mouseClick(windowOf(widget), Qt::LeftButton, mods, at);
}

inline void doubleClickAt(QWidget* widget, const QPoint& at) {
    // Far enough from the last click that the first click of this pair is no double click.
    QTest::qWait(QApplication::doubleClickInterval() + 50);
    QTest::mouseDClick(windowOf(widget), Qt::LeftButton, {}, at);
}

// Where a key stroke goes: the focused widget, or the active window when nothing has the focus.
inline QWidget* focused() {
    QWidget* widget = QApplication::focusWidget();
    return widget ? widget : QApplication::activeWindow();
}

// Types a key script into the focused widget, token by token: "Tab", "S-Tab" (Shift+Tab, as the
// keyboard sends it: Backtab with Shift), "Enter", "S-Enter" (Shift+Enter), "Esc", "Del", "Up",
// "Down", "Left", "Right", "C-z" (Ctrl+Z) and the like name keys; any other token is typed
// character by character, each to the widget focused at that moment.
inline void typeKeys(const QString& script) {
    static const QList<QPair<QString, Qt::Key>> named = {{QStringLiteral("Del"), Qt::Key_Delete},
                                                         {QStringLiteral("Up"), Qt::Key_Up},
                                                         {QStringLiteral("Down"), Qt::Key_Down},
                                                         {QStringLiteral("Left"), Qt::Key_Left},
                                                         {QStringLiteral("Right"), Qt::Key_Right}};
    for (const QString& token : script.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const auto key = std::find_if(named.begin(), named.end(),
                                      [&](const auto& entry) { return entry.first == token; });
        if (key != named.end())
            QTest::keyClick(focused(), key->second);
        else if (token == QLatin1String("S-Tab"))
            QTest::keyClick(focused(), Qt::Key_Backtab, Qt::ShiftModifier);
        else if (token == QLatin1String("Tab"))
            QTest::keyClick(focused(), Qt::Key_Tab);
        else if (token == QLatin1String("Enter"))
            QTest::keyClick(focused(), Qt::Key_Return);
        else if (token == QLatin1String("S-Enter"))
            QTest::keyClick(focused(), Qt::Key_Return, Qt::ShiftModifier);
        else if (token == QLatin1String("Esc"))
            QTest::keyClick(focused(), Qt::Key_Escape);
        else if (token.startsWith(QLatin1String("C-")) && token.size() == 3)
            QTest::keyClick(focused(), token.at(2).toLatin1(), Qt::ControlModifier);
        else
            for (const QChar ch : token) QTest::keyClick(focused(), ch.toLatin1());
    }
}

}  // namespace kuvanto::test

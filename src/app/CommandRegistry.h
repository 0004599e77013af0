// The commands of the main window as actions: one QAction per command for the menu bar and the
// toolbar, one action per context-menu item that runs its command as from a context menu, the
// menus and the numbered toolbar. It holds each command's handler (given by id) and its enabling
// state: a command is enabled when it has a handler, the tab shown allows it and its own extra
// rule, if any, agrees.
#pragma once

#include <QHash>
#include <QObject>
#include <QString>
#include <array>
#include <functional>
#include <vector>

#include "app/MainActions.h"
#include "app/TabRules.h"

class QAction;
class QMainWindow;
class QMenu;
class QToolBar;

namespace kuvanto {

class Workspace;

class CommandRegistry : public QObject {
    Q_OBJECT
public:
    // Makes the actions, the menus of `window`'s menu bar, the four context menus and the toolbar.
    // `beforeCommand` runs before every handler (given the command), `afterSnapshot` after a
    // table-changing command whose change the registry recorded itself; toolbar buttons get
    // `eventFilter` installed.
    CommandRegistry(QMainWindow& window, Workspace& work,
                    std::function<void(CommandId)> beforeCommand,
                    std::function<void()> afterSnapshot, QObject* eventFilter);

    // A handler that asks first or not as the command's row says (`ask`), or that takes no part
    // in that. `allowed`, when given, is asked as well each time the enabling is brought up to
    // date. Replaces an earlier handler.
    void setHandler(CommandId id, std::function<void(bool ask)> handler,
                    std::function<bool()> allowed = {});
    void setHandler(CommandId id, std::function<void()> handler,
                    std::function<bool()> allowed = {});
    // Ends the program with a message naming the first command that has no handler: a command
    // that could never run is a fault of the program, not of the user's input.
    void requireEveryHandler() const;

    QAction* action(CommandId id) const { return actions_[std::size_t(id)]; }
    // The action of a command by its name or any alias ("Copy_Data", "Copy_Pop2" and "Copy_Pop1"
    // give the same action); null for an unknown name.
    QAction* action(const QString& name) const { return byName_.value(name); }
    // The item of that name in the menu `menu`: for a context menu the item's own action.
    QAction* menuItem(const QString& menu, const QString& name) const;
    QMenu* menu(const QString& name) const { return menus_.value(name); }
    QToolBar* toolbar() const { return toolbar_; }
    // Numbered toolbar places 1..32 (separators and the inert button included); null otherwise.
    QAction* toolbarButton(int number) const;

    // The tab switch: allows each command by the tabs its row names, and the edit menus.
    void allowForTab(WindowTab tab, bool calcOk);
    // Brings every command's enabled state up to date (after a change an extra rule reads).
    void updateEnabling();

private:
    void buildActions();
    void buildMenus(QMainWindow& window);
    void buildToolbar(QMainWindow& window, QObject* eventFilter);
    void run(CommandId id, bool fromContextMenu);
    void updateEnabling(CommandId id);

    struct State {
        std::function<void(bool)> handler;
        std::function<bool()> rule;
        bool allowed = true;  // by the tab shown
    };

    Workspace& work_;
    std::function<void(CommandId)> beforeCommand_;
    std::function<void()> afterSnapshot_;
    std::array<QAction*, kCommandCount> actions_{};
    std::array<State, kCommandCount> states_{};
    QHash<QString, QAction*> byName_;
    QHash<QString, CommandId> idByName_;
    QHash<QString, QMenu*> menus_;
    QToolBar* toolbar_ = nullptr;
    std::vector<QAction*> buttons_;  // numbered places 1..32; [0] unused
};

}  // namespace kuvanto

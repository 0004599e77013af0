// The command table of the main window and the layout of its menus and toolbar. A command is one
// thing the user can ask for; it has one row here with its id, the other names it goes by in the
// menus and on the toolbar, its caption, tooltip, shortcut, icon and the window's handler, and it
// becomes one QAction that the menu bar, the context menus and the toolbar all show, so that its
// enabling is set in one place. A command without a handler exists with its caption but stays
// disabled until later code gives it one (MainWindow::setCommandHandler).
#pragma once

#include <vector>

#include "app/ToolbarIcons.h"

namespace kuvanto {

class MainWindow;

struct Command {
    const char* id;             // the action's object name: the toolbar key when it has one
    const char* aliases = "";   // other item names of the same command, space-separated
    const char* caption = "";   // menu text
    const char* tip = "";       // toolbar tooltip; empty when not on the toolbar
    const char* shortcut = "";  // key sequence text; empty for none
    ToolIcon icon = ToolIcon::none;
    bool checkable = false;                   // a mode switch that stays pressed while on
    void (MainWindow::*handler)() = nullptr;  // null: not available yet
};

enum class MenuItemKind {
    submenu,    // a menu holding the items that name it as their holder
    command,    // an item running the command named (by id or alias)
    separator,  // a separator line
};

// One line of a menu. The menu bar's own menus have the holder kMenuBar; the four context menus
// are standalone menus named in kContextMenus and hold their items like any other menu.
struct MenuItem {
    const char* holder;
    MenuItemKind kind;
    const char* name;          // item name: a command id or alias, or the submenu's name
    const char* caption = "";  // submenu text, or a context-menu wording of the command
};

inline constexpr const char* kMenuBar = "";
inline constexpr const char* kContextMenus[] = {"Dummy_Menu", "Dummy_Menu1", "Dummy_Menu2",
                                                "Dummy_Menu3"};

// A toolbar position: a command's id or alias, a separator key ("sep1" ...), or empty for the
// inert button that holds a place without doing anything.
struct ToolbarSlot {
    const char* key;
    bool separator = false;
};

const std::vector<Command>& commandTable();
const std::vector<MenuItem>& menuLayout();
// Buttons 1 to 32 in order.
const std::vector<ToolbarSlot>& toolbarLayout();

}  // namespace kuvanto

// The command table of the main window: one row per menu, menu item, context-menu item and
// toolbar button, in display order, with its name, caption (the tooltip for toolbar buttons),
// shortcut and the window's handler. The menu bar, the context menus and the toolbar are all built
// from it; an entry whose handler is empty exists with its caption but stays disabled until its
// command is written.
#pragma once

#include <vector>

namespace kuvanto {

class MainWindow;

enum class EntryKind {
    menu,       // a (sub)menu holding the entries that name it as their holder
    command,    // a menu item or a toolbar button
    Check,      // a toolbar button that stays pressed while its mode is on
    Separator,  // a separator line, or a toolbar position without a button
};

inline constexpr const char* kMenuBar = "";
inline constexpr const char* kToolbar = "Toolbar1";

struct CommandEntry {
    const char* id;        // item name or toolbar key (object name); may be empty
    const char* holder;    // kMenuBar, the id of a menu, or kToolbar
    const char* caption;   // menu caption, or toolbar tooltip
    const char* shortcut;  // key sequence text; empty for none
    EntryKind kind;
    void (MainWindow::*handler)();  // null: not available yet
};

// Every entry in display order; the toolbar entries are buttons 1 to 32 in order.
const std::vector<CommandEntry>& commandTable();

}  // namespace kuvanto

// The command table of the main window and the layout of its menus and toolbar. A command is one
// thing the user can ask for; it has one row here with its id, the names it goes by in the menus,
// its texts, shortcut and icon, and its policies: whether it asks before it acts, on which tabs it
// is allowed and where it sits on the toolbar. Each command becomes one QAction for the menu bar
// and the toolbar; its context-menu items are actions of their own that run it as from a context
// menu and follow its enabling. Handlers are given by id (CommandRegistry::setHandler).
#pragma once

#include <vector>

#include "app/TabRules.h"
#include "app/ToolbarIcons.h"

namespace kuvanto {

enum class CommandId {
    readCsv,
    writeCsv,
    exportResult,
    readDxf,
    writeDxf,
    printOut,
    exitFromMenu,
    exitFromToolbar,
    undo,
    redo,
    insertSeparator,
    copyRows,
    pasteRows,
    insertRow,
    deleteRow,
    eraseAll,
    selectFigure,
    moveSelection,
    rotateSelection,
    scaleSelection,
    editAsText,
    lineLengthAngle,
    lineXIncrementAngle,
    lineYIncrementAngle,
    insertRectangle,
    insertArc,
    roundCorner,
    freehand,
    insertCsvFile,
    insertLibraryShape,
    endFreehand,
    closeFreehandFigure,
    typeFreehandVertex,
    showResultFigure,
    copyResult,
    massPerLength,
    colorSettings,
    editMaterials,
    version,
};

inline constexpr int kCommandCount = int(CommandId::version) + 1;

// Whether a command asks the user before it acts. A command that asks "except from a context
// menu" acts at once when its item is chosen from a context menu: the user has pointed at the
// place already.
enum class Asking {
    never,
    always,
    exceptFromContextMenu,
};

// Where a command sits on the toolbar: its button number (1..32; 0 for none), or right after
// that button without a number of its own (so that the numbering stays as it is).
struct ToolbarPlace {
    int number = 0;
    bool afterNumber = false;
};

struct Command {
    CommandId id;
    const char* name;  // the action's object name: the toolbar key when it has one
    // Other item names of the command in the menus and context menus.
    std::vector<const char*> aliases = {};
    const char* caption = "";    // menu text (marked for translation, context "Commands")
    const char* tip = "";        // toolbar tooltip; empty when not on the toolbar
    const char* shortcuts = "";  // key sequences separated by "; "; empty for none
    ToolIcon icon = ToolIcon::none;
    Asking asking = Asking::never;
    TabScope allowedOn = TabScope::everyTab;
    ToolbarPlace toolbar = {};
    bool checkable = false;  // a mode switch that stays pressed while on
    // Whether the command may change the coordinate tables. The registry holds a TableChange
    // around its handler, so that whatever the handler changed becomes one undo step and a
    // cancelled or refused command none. Reading a file takes its own two steps (the erased
    // tables, then the file's); undo and redo move in the history and take none.
    bool changesTables = false;
};

enum class MenuItemKind {
    submenu,    // a menu holding the items that name it as their holder
    command,    // an item running the command named (by name or alias)
    separator,  // a separator line
};

// One line of a menu. The menu bar's own menus have the holder kMenuBar; the four context menus
// are standalone menus named in kContextMenus and hold their items like any other menu.
struct MenuItem {
    const char* holder;
    MenuItemKind kind;
    const char* name;          // item name: a command's name or alias, or the submenu's name
    const char* caption = "";  // submenu text, or a context-menu wording of the command
};

inline constexpr const char* kMenuBar = "";
inline constexpr const char* kContextMenus[] = {"Dummy_Menu", "Dummy_Menu1", "Dummy_Menu2",
                                                "Dummy_Menu3"};

// A numbered toolbar place that holds no command: a separator (with its key) or, with an empty
// key, the inert button that holds a place without doing anything.
struct ToolbarSpacer {
    int number;
    const char* key;
};

inline constexpr int kToolbarButtons = 32;

// Indexed by CommandId.
const std::vector<Command>& commandTable();
const Command& commandRow(CommandId id);
const std::vector<MenuItem>& menuLayout();
const std::vector<ToolbarSpacer>& toolbarSpacers();

}  // namespace kuvanto

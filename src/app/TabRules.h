// What each tab of the main window shows and allows: the tab captions and keys, and the one rule
// that decides which commands and menus the tab switch allows. Kept apart from the window so that
// the rule is read and tested in one place; each command names the tabs it is allowed on
// (Command::allowedOn), and the window enables it only when this rule allows it there and it has a
// handler behind it.
#pragma once

#include <QString>

#include "io/UiText.h"

namespace kuvanto {

inline constexpr UiText kAddTabCaption{"kuvanto::MainWindow",
                                       QT_TRANSLATE_NOOP("kuvanto::MainWindow", "加算図形")};
inline constexpr UiText kSubtractedTabCaption{"kuvanto::MainWindow",
                                              QT_TRANSLATE_NOOP("kuvanto::MainWindow", "減算図形")};
inline constexpr UiText kResultTabCaption{
    "kuvanto::MainWindow", QT_TRANSLATE_NOOP("kuvanto::MainWindow", "断面特性(結果)")};
inline const QString kAddTabKey = QStringLiteral("Add_Dgrm");
inline const QString kSubtractedTabKey = QStringLiteral("Subtraction_Dgrm");
inline const QString kResultTabKey = QStringLiteral("Result_tab");

// The three tabs in their order on the tab strip.
enum class WindowTab {
    added,
    subtracted,
    result,
};

// The tabs a command is allowed on. The result export and the printout are allowed only after a
// successful run, so that old results are never passed on as current ones.
enum class TabScope {
    everyTab,
    figureTabs,            // the two coordinate tables
    figureTabsAndResults,  // the coordinate tables, and the result tab after a successful run
    resultsAfterRun,       // the result tab after a successful run
};

// Whether a command of `scope` is allowed on `tab`; `calcOk` is the outcome of the calculation
// run on the result tab (ignored on the figure tabs).
bool tabAllows(TabScope scope, WindowTab tab, bool calcOk);

// The edit and insert menus of the menu bar are open on the figure tabs only.
inline bool editMenusEnabled(WindowTab tab) {
    return tab != WindowTab::result;
}

}  // namespace kuvanto

// What each tab of the main window shows and allows: the tab captions and keys, and the one rule
// that decides which toolbar buttons and menus the tab switch enables. Kept apart from the window
// so that the rule is read and tested in one place; the window enables an entry only when this
// rule allows it and the entry has a command behind it.
#pragma once

#include <QString>
#include <array>

namespace kuvanto {

inline constexpr int kToolbarButtons = 32;

// The tabs, in the order the tab strip shows them.
enum class Tab { Added, Subtracted, Result };

inline const QString kAddTabKey = QStringLiteral("Add_Dgrm");
inline const QString kSubtractedTabKey = QStringLiteral("Subtraction_Dgrm");
inline const QString kResultTabKey = QStringLiteral("Result_tab");

struct TabEnabling {
    std::array<bool, kToolbarButtons + 1> buttons{};  // indexed 1..32; [0] unused
    bool editMenu = false;                            // "編集(&E)"
    bool insertMenu = false;                          // "図形の挿入(&D)"
    bool exportMenu = false;                          // "計算結果書出し(Tab区切り)(&R)"
    bool printMenu = false;                           // "計算結果印刷(&P)"
};

// The enabling after the switch to this tab. `calc_ok` is the outcome of the
// calculation run on the result tab (ignored on the figure tabs). The result export and the
// printout are allowed only after a successful run, so that old results are never passed on as
// current ones.
TabEnabling tabEnabling(Tab tab, bool calcOk);

}  // namespace kuvanto

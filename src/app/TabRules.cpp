// The enabling rule of the tab switch: figure tabs allow every toolbar button but the result
// export and the printout; the result tab allows reading, export, printout, exit and erasing after
// a successful run, and only exit after a failed one.
#include "app/TabRules.h"

namespace kuvanto {

TabEnabling tabEnabling(Tab tab, bool calcOk) {
    TabEnabling e;
    if (tab == Tab::Added || tab == Tab::Subtracted) {
        for (int i = 1; i <= kToolbarButtons; ++i) e.buttons[i] = i != 4 && i != 5;
        e.editMenu = true;
        e.insertMenu = true;
    } else {
        e.buttons[9] = true;
        if (calcOk) {
            for (int i : {2, 4, 5, 16}) e.buttons[i] = true;
            e.exportMenu = true;
            e.printMenu = true;
        }
    }
    return e;
}

}  // namespace kuvanto

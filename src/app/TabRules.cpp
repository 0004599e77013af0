// The enabling rule of the tab switch: figure tabs allow every toolbar button but the result
// export and the printout; the result tab allows reading, export, printout, exit and erasing after
// a successful run, and only exit after a failed one.
#include "TabRules.h"

namespace kuvanto {

TabEnabling Tab_Enabling(const QString& caption, bool calc_ok) {
    TabEnabling e;
    if (caption == kAddTabCaption || caption == kSbtrtTabCaption) {
        for (int i = 1; i <= kToolbarButtons; ++i) e.buttons[i] = i != 4 && i != 5;
        e.edit_menu = true;
        e.insert_menu = true;
    } else if (caption == kResultTabCaption) {
        e.buttons[9] = true;
        if (calc_ok) {
            for (int i : {2, 4, 5, 16}) e.buttons[i] = true;
            e.export_menu = true;
            e.print_menu = true;
        }
    }
    return e;
}

}  // namespace kuvanto

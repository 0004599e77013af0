// The enabling rule of the tab switch: figure tabs allow the editing commands but not the result
// export and the printout; the result tab allows reading, export, printout and erasing after a
// successful run, and only what every tab allows (such as exit) after a failed one.
#include "app/TabRules.h"

namespace kuvanto {

bool tabAllows(TabScope scope, WindowTab tab, bool calcOk) {
    const bool figures = tab != WindowTab::result;
    switch (scope) {
        case TabScope::everyTab:
            return true;
        case TabScope::figureTabs:
            return figures;
        case TabScope::figureTabsAndResults:
            return figures || calcOk;
        case TabScope::resultsAfterRun:
            return !figures && calcOk;
    }
    return false;
}

}  // namespace kuvanto

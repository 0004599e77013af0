// The block of the stresses under loads that the result export and the printed sheet add: the
// shown case's largest and smallest value of each component with their points, the envelope of
// all cases, and each material's stresses for figures that carry materials. Tab-separated lines
// like the rest of the export, texts in the interface language.
#pragma once

#include <string>

#include "core/stress/StressCases.h"

namespace kuvanto {

class StressExport {
public:
    // The block for the case of that index (CR LF line ends; empty when the case has no
    // stresses). The component column holds the component's key ("sigma_zz", ...).
    static std::string text(const StressCases& run, int shownCase);

    // One component's line "KEY<TAB>MAX<TAB>X<TAB>Y<TAB>MIN<TAB>X<TAB>Y", "-" for each field of
    // one not computed.
    static std::string line(std::string_view key, const std::optional<StressExtremes>& e);
};

}  // namespace kuvanto

// Mass per metre of a bar from its section area and a density typed by the user, and the result
// line the mass window shows for the density text.
#include "core/section/Mass.h"

#include <cmath>

#include "core/base/NumberText.h"

namespace kuvanto {

double massPerMetre(double density, double area) {
    return density * (area * 1000) / 1000000;
}

std::string massLine(std::string_view densityText, double area) {
    static const std::string kNoValue = "--------- kg/m";
    const auto density = leadingNumeric(densityText);
    if (!density) return kNoValue;
    const double mass = massPerMetre(*density, area);
    if (!std::isfinite(mass)) return kNoValue;
    return numText(roundHalfEven(mass, 3)) + "kg/m";
}

}  // namespace kuvanto

// Mass per metre of a bar from its section area and a density typed by the user, and the result
// line the mass window shows for the density text.
#include "Mass.h"

#include <cmath>

#include "NumText.h"

namespace kuvanto {

double Mass_Per_Metre(double density, double area) {
    return density * (area * 1000) / 1000000;
}

std::string Mass_Line(std::string_view density_text, double area) {
    static const std::string kNoValue = "--------- kg/m";
    const auto density = Leading_Numeric(density_text);
    if (!density) return kNoValue;
    const double mass = Mass_Per_Metre(*density, area);
    if (!std::isfinite(mass)) return kNoValue;
    return Num_Text(Round_Half_Even(mass, 3)) + "kg/m";
}

}  // namespace kuvanto

// Mass per metre of a bar: coordinates in millimetres (area in mm²), density in g/cm³, result in
// kg/m.
#pragma once

#include <string>
#include <string_view>

namespace kuvanto {

// density × (area × 1000) / 1000000.
double massPerMetre(double density, double area);

// The result line of the mass window for a density text: the mass rounded to three decimals
// (halves to even) followed by "kg/m", such as "156kg/m"; "--------- kg/m" while the text holds
// no number (empty, a lone sign or point).
std::string massLine(std::string_view densityText, double area);

}  // namespace kuvanto

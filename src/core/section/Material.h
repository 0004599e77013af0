// A material of a figure: its name, Young's modulus, Poisson's ratio, yield strength and density,
// in the units the calculation uses (N/mm², g/cm³), and the list of common structural materials
// the program ships with, each with the standard its values come from.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kuvanto {

struct Material {
    std::string name;
    double elasticModulus = 0;  // E, N/mm²
    double poissonRatio = 0;    // ν
    double yieldStrength = 0;   // fy, N/mm² (the design strength for concrete and timber)
    double density = 0;         // ρ, g/cm³
    std::string source;         // where the values come from (shipped list only)

    bool operator==(const Material&) const = default;

    // G = E / (2 (1 + ν)), the shear modulus the torsion analysis takes per figure.
    double shearModulus() const { return elasticModulus / (2 * (1 + poissonRatio)); }
};

// Whether a name can be stored in a coordinate file: not empty, no line break or control
// character, not a number and not a marker. A coordinate file keeps materials in lines that a
// reader without materials takes as pairs of fields; a name that read as a number there could
// pair up into a stray vertex, one starting with "<<" as a section marker, "|" as a separator.
bool isValidMaterialName(std::string_view name);

// Why the values cannot describe a material, or nothing when they can: E above zero, 0 <= ν <
// 0.5, fy and ρ zero or above, every value finite, a valid name.
std::optional<std::string> materialProblem(const Material& material);

// The shipped list: rolled steels, concretes by design strength, an aluminium alloy and
// structural timber.
const std::vector<Material>& shippedMaterials();

// Young's modulus of normal concrete from its unit weight γ (kN/m³) and design strength Fc
// (N/mm²): 3.35e4 × (γ / 24)² × (Fc / 60)^(1/3).
double concreteElasticModulus(double unitWeight, double designStrength);

}  // namespace kuvanto

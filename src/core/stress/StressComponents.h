// The stress components Kuvanto reports, in the order of its outputs, with the keys of the
// calculator's JSON and CSV and whether each has a sign (a diverging colour map centred on zero)
// or not (a sequential map).
#pragma once

#include <array>
#include <cstddef>
#include <string_view>

namespace kuvanto {

enum class StressComponent {
    NormalZ,     // σ_zz
    ShearZX,     // τ_zx
    ShearZY,     // τ_zy
    Shear,       // τ, the resultant of τ_zx and τ_zy
    VonMises,    // σ_vM = sqrt(σ_zz² + 3τ²)
    Principal1,  // σ_1, the larger principal stress
    Principal3,  // σ_3, the smaller principal stress
    Count
};
inline constexpr std::size_t kStressComponentCount =
    static_cast<std::size_t>(StressComponent::Count);

struct StressComponentEntry {
    StressComponent component;
    std::string_view key;     // "sigma_zz", ...
    std::string_view symbol;  // as drawn: "σzz", ...
    bool isSigned;
    bool needsShear;  // needs the shear stresses whenever Vx, Vy or T is not zero
};

inline constexpr std::array<StressComponentEntry, kStressComponentCount> kStressComponents{{
    {StressComponent::NormalZ, "sigma_zz", "σzz", true, false},
    {StressComponent::ShearZX, "tau_zx", "τzx", true, true},
    {StressComponent::ShearZY, "tau_zy", "τzy", true, true},
    {StressComponent::Shear, "tau", "τ", false, true},
    {StressComponent::VonMises, "sigma_vm", "σvM", false, true},
    {StressComponent::Principal1, "sigma_1", "σ1", true, true},
    {StressComponent::Principal3, "sigma_3", "σ3", true, true},
}};

constexpr const StressComponentEntry& stressComponentEntry(StressComponent component) {
    return kStressComponents[static_cast<std::size_t>(component)];
}

}  // namespace kuvanto

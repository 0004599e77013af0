// One load case on the combined section: its name and the six actions (axial force, the two
// bending moments about the centroidal axes, the two shear forces through the shear centre and
// the torque about it), always held in N and N·mm. Also the table of the actions with the keys
// the command line and the load-case file use, and the reading of "N=...,Mx=..." texts.
//
// Signs follow the right-hand rule about the axes: tension positive; a positive Mx (its vector
// along +x) puts the fibres at +y in tension; a positive My (its vector along +y) puts the fibres
// at +x in compression; a positive T turns counter-clockwise seen from +z.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace kuvanto {

enum class LoadAction { AxialForce, MomentX, MomentY, ShearX, ShearY, Torque, Count };
inline constexpr std::size_t kLoadActionCount = static_cast<std::size_t>(LoadAction::Count);

// Whether an action is a force (N) or a moment (N·mm); the panel converts by it.
enum class ActionKind { Force, Moment };

struct LoadActionEntry {
    LoadAction action;
    std::string_view key;  // "N", "Mx", "My", "Vx", "Vy", "T"
    ActionKind kind;
};

inline constexpr std::array<LoadActionEntry, kLoadActionCount> kLoadActions{{
    {LoadAction::AxialForce, "N", ActionKind::Force},
    {LoadAction::MomentX, "Mx", ActionKind::Moment},
    {LoadAction::MomentY, "My", ActionKind::Moment},
    {LoadAction::ShearX, "Vx", ActionKind::Force},
    {LoadAction::ShearY, "Vy", ActionKind::Force},
    {LoadAction::Torque, "T", ActionKind::Moment},
}};

struct LoadCase {
    std::string name;
    std::array<double, kLoadActionCount> actions{};  // N and N·mm, by LoadAction

    double& operator[](LoadAction action) { return actions[static_cast<std::size_t>(action)]; }
    double operator[](LoadAction action) const { return actions[static_cast<std::size_t>(action)]; }

    // Whether Vx, Vy or T is non-zero: then the shear stresses need the shear and warping
    // functions of the finite-element analysis. With all three zero the shear is exactly zero.
    bool hasShearActions() const;
    bool operator==(const LoadCase&) const = default;
};

// The action of a key ("N", "Mx", ...; exact, case-sensitive), or nothing.
std::optional<LoadAction> loadActionOfKey(std::string_view key);

// Reads "N=1000,Mx=2e6,My=0,Vx=0,Vy=0,T=0" into `loads` (actions left out are 0, each at most
// once, every value a finite number). Returns false and sets `error` to a one-line reason.
bool parseLoadActions(std::string_view text, LoadCase& loads, std::string* error);

}  // namespace kuvanto

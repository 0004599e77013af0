// The load case's actions and the reading of the command line's "KEY=VALUE,..." text.
#include "core/stress/LoadCase.h"

#include <cmath>

#include "core/base/NumberText.h"

namespace kuvanto {

bool LoadCase::hasShearActions() const {
    return (*this)[LoadAction::ShearX] != 0 || (*this)[LoadAction::ShearY] != 0 ||
           (*this)[LoadAction::Torque] != 0;
}

std::optional<LoadAction> loadActionOfKey(std::string_view key) {
    for (const LoadActionEntry& entry : kLoadActions)
        if (entry.key == key) return entry.action;
    return std::nullopt;
}

bool parseLoadActions(std::string_view text, LoadCase& loads, std::string* error) {
    auto fail = [error](std::string reason) {
        if (error) *error = std::move(reason);
        return false;
    };
    LoadCase parsed;
    parsed.name = loads.name;
    std::array<bool, kLoadActionCount> seen{};
    std::size_t start = 0;
    if (text.empty()) return fail("no actions given (for example N=1000,Mx=2e6)");
    while (start <= text.size()) {
        const std::size_t end = std::min(text.find(',', start), text.size());
        const std::string_view item = text.substr(start, end - start);
        const std::size_t equals = item.find('=');
        if (equals == std::string_view::npos)
            return fail("\"" + std::string(item) + "\" is not KEY=VALUE");
        const std::string_view key = item.substr(0, equals);
        const std::optional<LoadAction> action = loadActionOfKey(key);
        if (!action)
            return fail("unknown action \"" + std::string(key) +
                        "\" (expected N, Mx, My, Vx, Vy or T)");
        const auto index = static_cast<std::size_t>(*action);
        if (seen[index]) return fail("action " + std::string(key) + " given twice");
        seen[index] = true;
        const std::optional<double> value = parseNumeric(item.substr(equals + 1));
        if (!value || !std::isfinite(*value))
            return fail(std::string(key) + ": \"" + std::string(item.substr(equals + 1)) +
                        "\" is not a number");
        parsed[*action] = *value;
        start = end + 1;
    }
    loads = parsed;
    return true;
}

}  // namespace kuvanto

// Folding each case's extremes into the envelope; on equal values the earlier case is kept.
#include "core/stress/StressEnvelope.h"

namespace kuvanto {

void StressEnvelope::add(const SectionStress& stress) {
    const int index = cases_++;
    for (const StressComponentEntry& entry : kStressComponents) {
        const auto c = static_cast<std::size_t>(entry.component);
        const std::optional<StressExtremes> e =
            stress.status() == StressStatus::Ok ? stress.extremes(entry.component) : std::nullopt;
        if (!e) {
            incomplete_[c] = true;
            continue;
        }
        std::optional<EnvelopeExtremes>& envelope = extremes_[c];
        if (!envelope) {
            envelope = EnvelopeExtremes{*e, index, index};
            continue;
        }
        if (e->max > envelope->extremes.max) {
            envelope->extremes.max = e->max;
            envelope->extremes.maxAt = e->maxAt;
            envelope->maxCase = index;
        }
        if (e->min < envelope->extremes.min) {
            envelope->extremes.min = e->min;
            envelope->extremes.minAt = e->minAt;
            envelope->minCase = index;
        }
    }
}

std::optional<EnvelopeExtremes> StressEnvelope::of(StressComponent component) const {
    const auto c = static_cast<std::size_t>(component);
    if (incomplete_[c]) return std::nullopt;
    return extremes_[c];
}

}  // namespace kuvanto

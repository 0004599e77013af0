// The envelope of several load cases: per component the largest value over all cases and the
// smallest, each with its point and the case it comes from. A component that some case could not
// compute has no envelope, since its extreme might lie in that case.
#pragma once

#include <array>
#include <optional>

#include "core/stress/SectionStress.h"

namespace kuvanto {

struct EnvelopeExtremes {
    StressExtremes extremes;
    int maxCase = 0;  // index of the case in the order added
    int minCase = 0;
};

class StressEnvelope {
public:
    // Takes in the next case (its index is the count of cases added before it).
    void add(const SectionStress& stress);

    int caseCount() const { return cases_; }
    // Nothing when no case was added or some case has no values of the component.
    std::optional<EnvelopeExtremes> of(StressComponent component) const;

private:
    int cases_ = 0;
    std::array<std::optional<EnvelopeExtremes>, kStressComponentCount> extremes_{};
    std::array<bool, kStressComponentCount> incomplete_{};
};

}  // namespace kuvanto

// Plastic neutral axes and plastic section moduli of a section made of added and subtracted
// outlines. For a direction, the neutral axis is the line across it that divides the section's
// area in halves; the plastic modulus is the first moment of the whole area about that line,
// each half taken positive.
#pragma once

#include <optional>
#include <span>
#include <vector>

#include "core/base/Point.h"

namespace kuvanto {

class PlasticModuli {
public:
    // The section is measured about `reference` (its centroid), which keeps the sums in small
    // numbers when the section lies far from the origin.
    explicit PlasticModuli(Point reference) : reference_(reference) {}

    // Adds an outline, closed by index as the section formulas close it, with the sign of its
    // table (+1 added, -1 subtracted). Its orientation does not matter. The vertices must stay
    // valid while the moduli are asked for.
    void addOutline(std::span<const Point> vertices, double sign);

    struct Axis {
        double offset = 0;   // signed distance of the neutral axis from the reference point
        double modulus = 0;  // the plastic modulus about it
    };

    // The neutral axis perpendicular to the unit vector (normalX, normalY): the line of the
    // points p with (p - reference) . normal = offset. Nothing when the section's area is not
    // positive or a value is not finite.
    std::optional<Axis> across(double normalX, double normalY) const;

private:
    struct Outline {
        std::span<const Point> vertices;
        double weight;  // the table sign times the orientation, so that area counts positive
    };
    struct Slice;
    Slice sliceAt(double normalX, double normalY, double level) const;

    Point reference_;
    std::vector<Outline> outlines_;
};

}  // namespace kuvanto

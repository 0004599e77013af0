// The arc generator: direction and range, the remainder test that adjusts a step which does not
// divide the angles, the vertices by index, and the one-insertion write into the table.
#include "core/shapes/ArcGenerator.h"

#include <algorithm>
#include <cmath>

#include "core/base/NumberText.h"
#include "core/table/CoordTable.h"

namespace kuvanto {

namespace {

bool isMultiple(double value, double step) {
    return std::fmod(value, step) == 0;
}

}  // namespace

ArcPlan planArc(const ArcInput& in) {
    ArcPlan plan;
    const double n = in.divisions;
    if (!(n > 0 && n < 720)) {
        plan.problem = ArcProblem::unusableDivisions;
        return plan;
    }
    if (!std::isfinite(in.centreX) || !std::isfinite(in.centreY) || !std::isfinite(in.diameter) ||
        !std::isfinite(in.angle1) || !std::isfinite(in.angle2)) {
        plan.problem = ArcProblem::tooManyVertices;
        return plan;
    }
    const bool ascending = in.direction == ArcDirection::ascending;
    const double start =
        ascending ? std::min(in.angle1, in.angle2) : std::max(in.angle1, in.angle2);
    const double end = ascending ? std::max(in.angle1, in.angle2) : std::min(in.angle1, in.angle2);
    const double range = std::fabs(end - start);
    double magnitude = 360 / n;  // the step's magnitude; the direction adds its sign below

    const double roundedStep = roundHalfEven(magnitude, 0);
    if (!isMultiple(roundHalfEven(start, 0), roundedStep) ||
        !isMultiple(roundHalfEven(end, 0), roundedStep)) {
        plan.unfitStep = magnitude;
        const double count = std::floor(range / magnitude) + 1;
        magnitude = range / count;
        if (magnitude == 0) {
            plan.problem = ArcProblem::equalAnglesUnfit;
            return plan;
        }
    }

    const double steps = range / magnitude;
    const double last = std::floor(steps + 1e-9);
    if (!(last < kMaxArcVertices)) {
        plan.problem = ArcProblem::tooManyVertices;
        return plan;
    }
    // A rounded step can pass the remainder test without fitting the range (3.6° from 0 to 60):
    // the last step is then the shorter one that ends at the end angle.
    plan.shortLastStep = steps - last > 1e-9;
    const int count = static_cast<int>(last) + 1 + (plan.shortLastStep ? 1 : 0);
    plan.step = ascending ? magnitude : -magnitude;
    plan.closesFigure = std::max(in.angle1, in.angle2) == 360;
    const double radius = in.diameter / 2;
    plan.xs.resize(static_cast<std::size_t>(count));
    plan.ys.resize(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        const bool atEnd = plan.shortLastStep && i == count - 1;
        const double t = degreesToRadians(atEnd ? end : start + i * plan.step);
        plan.xs[static_cast<std::size_t>(i)] = in.centreX + radius * std::cos(t);
        plan.ys[static_cast<std::size_t>(i)] = in.centreY + radius * std::sin(t);
    }
    return plan;
}

int insertArc(CoordTable& table, const ArcPlan& plan) {
    const int row = table.row();
    if (row < 1 || plan.problem != ArcProblem::none || plan.xs.empty()) return -1;
    const int count = static_cast<int>(plan.xs.size());
    table.insertRows(row, count + (plan.closesFigure ? 1 : 0));
    for (int i = 0; i < count; ++i) {
        table.setText(row + i, 0, fixed3Text(plan.xs[static_cast<std::size_t>(i)]));
        table.setText(row + i, 1, fixed3Text(plan.ys[static_cast<std::size_t>(i)]));
    }
    if (plan.closesFigure) {
        table.setText(row + count, 0, std::string(kSeparatorText));
        table.setRows(table.rows() + 2);
    }
    table.setRow(row + count);
    return std::max(1, table.row() - 5);
}

}  // namespace kuvanto

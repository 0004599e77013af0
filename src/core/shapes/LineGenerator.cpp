// The line generator: increments from an amount and an angle, and the write into the table.
#include "core/shapes/LineGenerator.h"

#include <algorithm>
#include <cmath>

#include "core/base/NumberText.h"
#include "core/table/CoordTable.h"

namespace kuvanto {

namespace {

// The sign as value / |value|, with 0 for 0 (where the quotient would not be a number).
double signOf(double value) {
    if (value > 0) return 1;
    if (value < 0) return -1;
    return 0;
}

// sqrt(a^2 - b^2) for |b| <= |a| up to rounding; never the root of a negative number. Taken as
// |a| sqrt(1 - (b/a)^2), so that no square overflows: a length of 1e160 has a leg of 1e160 too.
double legOf(double hypotenuse, double side) {
    const double a = std::fabs(hypotenuse);
    if (!(a > 0)) return 0;
    const double ratio = std::min(1.0, std::fabs(side) / a);
    const double leg = a * std::sqrt((1 - ratio) * (1 + ratio));
    return std::isnan(leg) ? 0 : leg;
}

}  // namespace

Increment lineIncrement(LineMode mode, double amount, double angleDegrees) {
    const double angle = degreesToRadians(angleDegrees);
    const double cosine = std::cos(angle);
    const double sine = std::sin(angle);
    Increment inc;
    switch (mode) {
        case LineMode::lengthAngle:
            if (angleDegrees == 0) {
                inc.dx = amount;
            } else {
                inc.dy = amount * sine;
                inc.dx = signOf(cosine) * legOf(amount, inc.dy);
            }
            break;
        case LineMode::xIncrementAngle:
            inc.dx = amount;
            if (angleDegrees != 0) inc.dy = signOf(sine) * legOf(amount / cosine, amount);
            break;
        case LineMode::yIncrementAngle:
            inc.dy = amount;
            if (angleDegrees != 0) inc.dx = signOf(cosine) * legOf(amount / sine, amount);
            break;
    }
    return inc;
}

bool insertLineVertex(CoordTable& table, LineMode mode, double amount, double angleDegrees) {
    const int row = table.row();
    if (row < 1) return false;
    double x0 = 0, y0 = 0;
    if (isNumericText(table.text(row - 1, 0))) {
        x0 = lenientValue(table.text(row - 1, 0));
        y0 = lenientValue(table.text(row - 1, 1));
    }
    const Increment inc = lineIncrement(mode, amount, angleDegrees);
    // Rounding to three decimals scales by 1000, so the check is on the texts' values.
    const std::string x = fixed3Text(x0 + inc.dx);
    const std::string y = fixed3Text(y0 + inc.dy);
    if (!parseNumeric(x) || !parseNumeric(y)) return false;
    table.setText(row, 0, x);
    table.setText(row, 1, y);
    if (row + 1 == table.rows()) table.setRows(table.rows() + 1);
    table.setRow(row + 1);
    return true;
}

}  // namespace kuvanto

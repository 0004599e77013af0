// The auxiliary grid of the canvas: dots at the multiples of the grid step over the square from
// -M to M around the origin, where the multiples are counted by adding the step again and again
// from 0 while they stay at most M. That square can hold billions of dots when the view lies far
// from the origin, so only the dots inside the window are produced, and the work is bounded by
// the visible dots; the rule above still decides which dots exist.
#pragma once

#include <vector>

#include "canvas/SectionPainter.h"

namespace kuvanto {

// Up to this many steps from the origin the multiples are formed by repeated addition exactly as
// the rule counts them; farther out they are formed by multiplication, which differs from the
// sum by far less than a pixel there and cannot stall when the step falls below the spacing of
// doubles near M.
inline constexpr double kAuxGridExactSteps = 131072;

// Coordinates c = a or c = -a, for a = 0, s, 2s, ... with a <= m, that lie within [lo, hi];
// ascending, each once (the origin is 0). Empty when m < 0 or the step is not positive.
std::vector<double> auxGridAxis(double s, double m, double lo, double hi);

// The grid dots with step s and bound m that lie inside the window (edges included).
std::vector<WorldPt> auxGridDots(double s, double m, double left, double top, double right,
                                 double bottom);

}  // namespace kuvanto

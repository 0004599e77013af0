// Mohr's circle: the moment about an axis at angle a is the mean (Ix + Iy) / 2 plus
// ((Ix - Iy) / 2) cos 2a - Ixy sin 2a, largest at 2a = atan2(-2 Ixy, Ix - Iy).
#include "core/section/PrincipalAxes.h"

#include <cmath>
#include <numbers>

namespace kuvanto {

PrincipalAxes::PrincipalAxes(double momentX, double momentY, double product, double roundingBound) {
    const double mean = (momentX + momentY) / 2;
    const double half = (momentX - momentY) / 2;
    const double radius = std::hypot(half, product);
    major_ = mean + radius;
    minor_ = mean - radius;
    double angle = 0;
    // A bound that overflowed says nothing about the moments: the angle is then named as is.
    if (radius > std::numbers::sqrt2 * roundingBound || !std::isfinite(roundingBound))
        angle = std::atan2(-product, half) / 2;
    angleDegrees_ = angle * 180 / std::numbers::pi;
    if (angleDegrees_ <= -90) angleDegrees_ += 180;
    cos_ = std::cos(angle);
    sin_ = std::sin(angle);
}

}  // namespace kuvanto

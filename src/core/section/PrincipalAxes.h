// The principal axes of a section through its centroid: the angle of the major axis u from the
// X axis and the largest and smallest second moments Iu >= Iv, from Ix, Iy and the product of
// inertia Ixy = integral of (x - x_bar)(y - y_bar) dA. Also the distances of a point from the
// two axes, for the section moduli about them.
#pragma once

#include <cmath>

namespace kuvanto {

class PrincipalAxes {
public:
    // From the moments about the centroidal X and Y axes (positive for a section) and the bound
    // of their rounding errors (RoundingBounds::moments). The angle is named only where the
    // principal moments differ by more than rounding can account for: half their difference is
    // hypot((Ix - Iy) / 2, Ixy), and with each of Ix, Iy and Ixy off by at most the bound it is
    // off by at most sqrt(2) times the bound. Within that the section's moments are the same
    // about every axis as far as the computation can tell (a circle, a square), and u is the X
    // axis: the angle 0, and the moduli measured from X and Y.
    PrincipalAxes(double momentX, double momentY, double product, double roundingBound = 0);

    // The angle of u from the X axis in degrees, counter-clockwise positive, in (-90, 90].
    double angleDegrees() const { return angleDegrees_; }
    double majorMoment() const { return major_; }  // Iu
    double minorMoment() const { return minor_; }  // Iv
    double cosine() const { return cos_; }
    double sine() const { return sin_; }

    // Distance of a point, given relative to the centroid, from the u axis and from the v axis.
    double fromMajorAxis(double dx, double dy) const { return std::fabs(dy * cos_ - dx * sin_); }
    double fromMinorAxis(double dx, double dy) const { return std::fabs(dx * cos_ + dy * sin_); }

private:
    double angleDegrees_ = 0, major_ = 0, minor_ = 0, cos_ = 1, sin_ = 0;
};

}  // namespace kuvanto

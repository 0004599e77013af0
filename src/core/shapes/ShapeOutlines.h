// Outlines of standard steel sections built from their dimension tables: H-shapes, I-shapes and
// channels with the web vertical, equal angles with the heel at the origin, pipes (one keyhole
// outline round the outer and back round the inner circle), flat bars and round bars. Corners are
// rounded by circular arcs split into chords, and each outline comes with its insertion base
// points: the corners and mid-sides of its bounding box and its centroid.
#pragma once

#include <vector>

namespace kuvanto {

struct PlanePoint {
    double x = 0;
    double y = 0;
    bool operator==(const PlanePoint&) const = default;
};

// A corner of a sharp polygon and the radius of the arc that replaces it (0: stays sharp).
struct RoundedCorner {
    PlanePoint point;
    double radius = 0;
};

class ShapeOutlines {
public:
    // Chords per quarter circle of fillets and toe radii, and of full circles. The areas are to
    // come out to four significant digits: the large root fillets of deep sections need 64, and
    // a pipe or round bar, whose whole area is bounded by arcs, needs 128.
    static constexpr int kFilletChordsPerQuarter = 64;
    static constexpr int kCircleChordsPerQuarter = 128;

    // The closed outline (last point repeats the first) of the polygon given by its corners in
    // order, each corner with radius > 0 replaced by an arc tangent to both of its edges.
    static std::vector<PlanePoint> roundCorners(const std::vector<RoundedCorner>& corners,
                                                int chordsPerQuarter = kFilletChordsPerQuarter);

    // Doubly symmetric, centred on the origin; height H along Y.
    static std::vector<PlanePoint> hShape(double h, double b, double web, double flange,
                                          double root);
    // Flange inner faces sloping 8°, `flange` measured halfway along the overhang.
    static std::vector<PlanePoint> iShape(double h, double b, double web, double flange,
                                          double root, double toe);
    // Back of the web on x = 0, flanges towards +X, centred on y = 0; inner flange faces slope 5°.
    static std::vector<PlanePoint> channel(double h, double b, double web, double flange,
                                           double root, double toe);
    // Heel at the origin, legs along +X and +Y.
    static std::vector<PlanePoint> equalAngle(double leg, double thickness, double root,
                                              double toe);
    // Centred on the origin.
    static std::vector<PlanePoint> pipe(double outside, double wall);
    static std::vector<PlanePoint> roundBar(double diameter);
    // Width along X, thickness along Y, centred on the origin.
    static std::vector<PlanePoint> flatBar(double width, double thickness);

    // The corners of the bounding box, the mid-sides and the centroid, in rows from the bottom:
    // bottom left, bottom middle, bottom right, middle left, centroid, middle right, top left,
    // top middle, top right.
    static std::vector<PlanePoint> basePoints(const std::vector<PlanePoint>& outline);

    // Centroid of the closed polygon (the area-weighted centre); the first point when its area
    // is 0.
    static PlanePoint centroid(const std::vector<PlanePoint>& outline);

    // Tangent of the inner flange faces of I-shapes and channels.
    static double iShapeSlope();
    static double channelSlope();
};

}  // namespace kuvanto

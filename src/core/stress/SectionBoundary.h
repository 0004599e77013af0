// The outline of the material of a section: the parts of the added figures' edges that no
// subtracted figure covers and the parts of the subtracted figures' edges that lie in an added
// figure. A field that is linear over the section (the normal stress) takes its largest and
// smallest values at the ends of these segments, so they are where the stresses are sampled;
// a vertex of an added figure inside a hole, or a hole's vertex outside the material, is no
// point of the section and must not decide an extreme.
#pragma once

#include <vector>

#include "core/base/Point.h"
#include "core/table/CoordTable.h"

namespace kuvanto {

// The figures of both tables as closed polygons (the last vertex may repeat the first).
struct SectionOutline {
    std::vector<std::vector<Point>> added;
    std::vector<std::vector<Point>> subtracted;

    // The figures as the calculation cuts them from the tables; a table whose rows do not all
    // read gives what read before the failure (the calculation fails on it anyway).
    static SectionOutline of(const CoordTable& added, const CoordTable& subtracted);
};

struct BoundarySegment {
    Point from;
    Point to;
};

// The material's outline as segments (in no particular order). Edges of added figures that lie
// inside other added figures are kept: their points belong to the section. Empty for a section
// without edges or with coordinates that are not finite.
std::vector<BoundarySegment> materialBoundary(const SectionOutline& outline);

}  // namespace kuvanto

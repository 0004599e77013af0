// The worked sections that every test suite shares: their figures, the fixture files that hold
// them, and their combined values worked out by hand. Each rectangle b × h with its centroid at
// (cx, cy) has A = b·h, I about its centroid b·h³/12 (h·b³/12), about the X axis b·h³/12 + A·cy²
// (parallel axes) and a product A·cx·cy about the axes; a subtracted figure counts negative, and
// the combined centroid is the sum of first moments over the sum of areas. The fractions below
// were checked with exact rational arithmetic (python3 fractions), never with this program.
// A suite that needs one of these sections takes it from here; a suite that tests an edge case
// of its own keeps its own small table.
#pragma once

#include <QString>
#include <QStringList>
#include <cmath>
#include <optional>
#include <vector>

#include "core/base/Point.h"

namespace kuvanto::test {

using WorkedFigure = std::vector<Point>;  // closed: the last vertex repeats the first

// The combined values of a section, with the fibre distances its moduli are taken over.
struct WorkedValues {
    double area;
    double centroidX;
    double centroidY;
    std::optional<double> perimeter;  // shown for a section of one figure only
    double momentX;                   // about the horizontal axis through the centroid
    double momentY;
    double axisMomentX;  // about the X axis (y = 0)
    double axisMomentY;
    double productMoment;      // about the centroid
    double axisProductMoment;  // about the axes
    double fibreY;             // the largest distance of a vertex from the centroid, across X
    double fibreX;             // ... across Y
    double axisFibreY;         // the largest |y| of a vertex
    double axisFibreX;         // the largest |x|

    double modulusX() const { return momentX / fibreY; }
    double modulusY() const { return momentY / fibreX; }
    double polarMoment() const { return momentX + momentY; }
    double radiusX() const { return std::sqrt(momentX / area); }
    double radiusY() const { return std::sqrt(momentY / area); }
    double axisModulusX() const { return axisMomentX / axisFibreY; }
    double axisModulusY() const { return axisMomentY / axisFibreX; }
    double axisPolarMoment() const { return axisMomentX + axisMomentY; }
    double axisRadiusX() const { return std::sqrt(axisMomentX / area); }
    double axisRadiusY() const { return std::sqrt(axisMomentY / area); }
};

struct WorkedSection {
    const char* name;
    const char* fixture;  // the file under tests/fixtures that holds it; empty for none
    std::vector<WorkedFigure> added;
    std::vector<WorkedFigure> subtracted;
    WorkedValues combined;
};

// 100 × 200 with its lower left corner at the origin: A = 20000, centroid (50, 100),
// Ix = 100·200³/12 = 2e8/3, Iy = 200·100³/12 = 5e7/3, about the axes 100·200³/3 = 8e8/3 and
// 200·100³/3 = 2e8/3, product about the axes 20000·50·100 = 1e8.
inline const WorkedFigure kRectangle100x200{{0, 0}, {100, 0}, {100, 200}, {0, 200}, {0, 0}};
// The 50 × 100 hole in its middle: A = 5000, centroid (50, 100), Ix = 50·100³/12 = 1.25e7/3,
// Iy = 100·50³/12 = 3.125e6/3.
inline const WorkedFigure kHole50x100{{25, 50}, {75, 50}, {75, 150}, {25, 150}, {25, 50}};
// 100 × 50 beside the rectangle: A = 5000, centroid (250, 25).
inline const WorkedFigure kFlat100x50{{200, 0}, {300, 0}, {300, 50}, {200, 50}, {200, 0}};

inline const WorkedSection kRectangle{
    "rectangle 100 x 200",
    "",
    {kRectangle100x200},
    {},
    {20000, 50, 100, 600, 2e8 / 3, 5e7 / 3, 8e8 / 3, 2e8 / 3, 0, 1e8, 100, 50, 200, 100}};

// A = 20000 − 5000 = 15000 at (50, 100); Ix = 2e8/3 − 1.25e7/3 = 6.25e7, Iy = 5e7/3 −
// 3.125e6/3 = 1.5625e7; about the axes 6.25e7 + 15000·100² = 2.125e8 and 1.5625e7 + 15000·50² =
// 5.3125e7; product about the axes 15000·50·100 = 7.5e7.
inline const WorkedSection kRectangleWithHole{"rectangle with hole",
                                              "rectangle-with-hole.csv",
                                              {kRectangle100x200},
                                              {kHole50x100},
                                              {15000, 50, 100, std::nullopt, 6.25e7, 1.5625e7,
                                               2.125e8, 5.3125e7, 0, 7.5e7, 100, 50, 200, 100}};

// A = 20000 + 5000 − 5000 = 20000; first moments Sx = 2e6 + 125000 − 500000 = 1.625e6 and
// Sy = 1e6 + 1.25e6 − 250000 = 2e6 give the centroid (100, 81.25). About the axes
// Ix = 8e8/3 + (100·50³/12 + 5000·25²) − (1.25e7/3 + 5000·100²) = 6.5e8/3 and
// Iy = 2e8/3 + (50·100³/12 + 5000·250²) − (3.125e6/3 + 5000·50²) = 1.109375e9/3; about the
// centroid Ix = 6.5e8/3 − 20000·81.25² = 2.5390625e8/3, Iy = 1.109375e9/3 − 20000·100² =
// 5.09375e8/3; products 1e8 + 5000·250·25 − 5000·50·100 = 1.0625e8 about the axes and
// 1.0625e8 − 20000·100·81.25 = −5.625e7 about the centroid.
inline const WorkedSection kTwoAddedOneSubtracted{
    "two added and one subtracted",
    "two-added-one-subtracted.csv",
    {kRectangle100x200, kFlat100x50},
    {kHole50x100},
    {20000, 100, 81.25, std::nullopt, 2.5390625e8 / 3, 5.09375e8 / 3, 6.5e8 / 3, 1.109375e9 / 3,
     -5.625e7, 1.0625e8, 118.75, 200, 200, 300}};

inline const std::vector<const WorkedSection*> kWorkedSections{&kRectangle, &kRectangleWithHole,
                                                               &kTwoAddedOneSubtracted};

// The rows of figures as the table tests write them: "x,y", with "|" between figures.
inline QStringList workedRows(const std::vector<WorkedFigure>& figures) {
    QStringList rows;
    for (const WorkedFigure& figure : figures) {
        if (!rows.isEmpty()) rows << QStringLiteral("|");
        for (const Point& p : figure) rows << QStringLiteral("%1,%2").arg(p.x).arg(p.y);
    }
    return rows;
}

// A coordinate file of the added figures alone, one "x,y" line each, as a user might type it.
inline QByteArray workedCsv(const WorkedFigure& figure) {
    QByteArray text;
    for (const Point& p : figure) text += QStringLiteral("%1,%2\n").arg(p.x).arg(p.y).toUtf8();
    return text;
}

inline QString workedFixture(const WorkedSection& section) {
    return QStringLiteral(KUVANTO_FIXTURES "/") + QString::fromLatin1(section.fixture);
}

}  // namespace kuvanto::test

// The section drawn to scale beside the result table: the figures' outlines, the combined
// centroid, the principal axes u and v through it, the plastic neutral axes and the shear centre,
// read from the combined column of the result table. Drawn only while the table holds a completed
// run.
#pragma once

#include <QImage>
#include <QWidget>
#include <cstdint>

#include "canvas/TablePoints.h"
#include "core/section/ResultTable.h"
#include "core/table/CoordTable.h"
#include "io/ColorFile.h"

namespace kuvanto {

class SectionDiagram : public QWidget {
    Q_OBJECT
public:
    SectionDiagram(const CoordTable& add, const CoordTable& subtracted, const ResultTable& result,
                   const DrawColors& colors, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    struct Extent {
        double xmin = 0, xmax = 0, ymin = 0, ymax = 0;
        bool known = false;
    };
    const Extent& extent();
    // The outlines drawn on a square image of `side` pixels showing the given window.
    const QImage& outlineImage(int side, double left, double top, double right, double bottom);

    const CoordTable& add_;
    const CoordTable& subtracted_;
    const ResultTable& result_;
    const DrawColors& colors_;
    TablePoints addPoints_;
    TablePoints subtractedPoints_;
    Extent extent_;
    QImage outlines_;
    bool outlinesKnown_ = false;  // false once the tables have changed
    std::uint32_t outlinesAddColor_ = 0;
    std::uint32_t outlinesSubtractedColor_ = 0;
};

}  // namespace kuvanto

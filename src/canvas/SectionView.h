// The drawing of the section canvas without any widget: the view state that panning and zooming
// change, the switches that decide what is drawn, the fitting of the coordinate window to the
// figures (setCanvasScale), the whole redraw (redrawSection) with its origin and centroid marks and
// the auxiliary grid, and the actions of the view panel buttons. It reads the two coordinate
// tables, the result table and the drawing colours by reference and draws through a SectionPainter,
// so that tests can run every rule headless and the widget only supplies an image.
#pragma once

#include <cstdint>
#include <string>

#include "canvas/SectionPainter.h"
#include "canvas/TablePoints.h"
#include "core/section/ResultTable.h"
#include "core/table/CoordTable.h"
#include "io/ColorFile.h"

namespace kuvanto {

// The pan buttons of the view panel, in the order of their object names "View_Move_Cmd_0".."3".
enum class PanDirection { Left, Right, Up, Down };
// The zoom buttons, "+" then "-".
enum class ZoomStep { In, Out };

class SectionView {
public:
    // The window used when the figures give no extent: (-100, 100) to (100, -100).
    static constexpr double kFallbackHalfSize = 100;

    SectionView(const CoordTable& add, const CoordTable& subtracted, const ResultTable& result,
                const DrawColors& colors);

    // View state. The offsets are added to the centre computed from the figures; viewMult
    // multiplies the half-size of the window (smaller shows the figures larger). Press_* hold the
    // position and multiplier of the last mouse press on the canvas.
    double viewOfsX = 0;
    double viewOfsY = 0;
    double viewMult = 0;
    double pressX = 0;
    double pressY = 0;
    double pressMult = 0;

    // The switches, mirrored from their controls: "原点表示", "図心表示", "AutoScale", the
    // freehand switch (while on, the window is not refitted) and the text of the grid-step list.
    bool showOrigin = true;
    bool showCentroid = true;
    bool showPrincipalAxes = false;  // the principal axes through the centroid
    bool showShearCentre = true;     // once the torsion block has results
    bool autoScaleCheck = true;
    bool freeHandCheck = false;
    std::string gridStepBox = "None";

    // Fits the coordinate window to the figures with the current offsets and multiplier (and
    // resets those first while AutoScale is on).
    void setCanvasScale();
    // Sets the coordinate window directly: left-top and right-bottom corners in world units.
    void setScale(double left, double top, double right, double bottom);

    // Clears the picture and draws everything: figures, marks and the auxiliary grid.
    void redrawSection(SectionPainter& painter);
    // The grid dots of the current window with the pen width the redraw left.
    void drawAuxGrid(SectionPainter& painter);

    // The current coordinate window.
    double scaleLeft() const { return left_; }
    double scaleTop() const { return top_; }
    double scaleWidth() const { return right_ - left_; }   // positive
    double scaleHeight() const { return bottom_ - top_; }  // negative: Y points up
    double scaleRight() const { return right_; }
    double scaleBottom() const { return bottom_; }
    // Radius of every circular mark on the canvas: one hundredth of the scale width.
    double markRadius() const { return scaleWidth() / 100; }

    // The pen width the picture has now (the redraw leaves 1 after a mark, else 2); marks drawn
    // over a redraw by other commands use it.
    int drawWidth() const { return drawWidth_; }
    void setDrawWidth(int pixels) { drawWidth_ = pixels; }

    // Mapping between world units and pixels of a square picture of `pixels` a side (pixel
    // (0, 0) is the left-top corner).
    WorldPt toPixel(WorldPt world, int pixels) const;
    WorldPt toWorld(WorldPt pixel, int pixels) const;

    // The grid step in use: the number the grid-step text reads as; 0 for "None".
    double gridStep() const;

    // View panel buttons. Each first turns AutoScale off, then changes the view state; the
    // caller redraws. A pan moves the view by a twentieth of the window; a zoom step changes
    // the scale by 1.1. No clamping.
    void pan(PanDirection direction);
    void zoom(ZoomStep step);

    // Whether the centroid mark would be drawn now, and where.
    bool centroidShown(WorldPt* at = nullptr) const;

private:
    struct Extent {
        double xmin = 0, xmax = 0, ymin = 0, ymax = 0;
    };
    const Extent& figureExtent();
    void drawOriginMark(SectionPainter& painter);
    // The centroid's mark: two circles and a cross; the shear centre's is the same in its own
    // colour.
    void drawCentreMark(SectionPainter& painter, WorldPt at, std::uint32_t color);
    void drawPrincipalAxes(SectionPainter& painter);

    const CoordTable& add_;
    const CoordTable& subtracted_;
    const ResultTable& result_;
    const DrawColors& colors_;

    TablePoints addPoints_;
    TablePoints subtractedPoints_;
    Extent extent_;
    bool extentKnown_ = false;
    bool extentShowOrigin_ = true;

    double left_ = -kFallbackHalfSize, top_ = kFallbackHalfSize;
    double right_ = kFallbackHalfSize, bottom_ = -kFallbackHalfSize;
    int drawWidth_ = 2;
};

}  // namespace kuvanto

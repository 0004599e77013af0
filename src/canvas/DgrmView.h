// The drawing of the section canvas without any widget: the view state that panning and zooming
// change, the switches that decide what is drawn, the fitting of the coordinate window to the
// figures (Set_Dgrm_Scale), the whole redraw (Redraw_Dgrm) with its origin and centroid marks and
// the auxiliary grid, and the actions of the view panel buttons. It reads the two coordinate
// tables, the result table and the drawing colours by reference and draws through a DgrmPainter,
// so that tests can run every rule headless and the widget only supplies an image.
#pragma once

#include <cstdint>
#include <string>

#include "ColorFile.h"
#include "CoodGrid.h"
#include "DgrmPainter.h"
#include "ResultGrid.h"
#include "TablePoints.h"

namespace kuvanto {

class DgrmView {
public:
    // The window used when the figures give no extent: (-100, 100) to (100, -100).
    static constexpr double kFallbackHalfSize = 100;

    DgrmView(const CoodGrid& add, const CoodGrid& sbtrt, const ResultGrid& result,
             const DrawColors& colors);

    // View state. The offsets are added to the centre computed from the figures; View_Mult
    // multiplies the half-size of the window (smaller shows the figures larger). Press_* hold the
    // position and multiplier of the last mouse press on the canvas.
    double View_Ofs_X = 0;
    double View_Ofs_Y = 0;
    double View_Mult = 0;
    double Press_X = 0;
    double Press_Y = 0;
    double Press_Mult = 0;

    // The switches, mirrored from their controls: "原点表示", "図心表示", "AutoScale", the
    // freehand switch (while on, the window is not refitted) and the text of the grid-step list.
    bool Check1 = true;
    bool Check2 = true;
    bool Auto_Scale_Check = true;
    bool FreeHand_Check = false;
    std::string Combo1 = "None";

    // Fits the coordinate window to the figures with the current offsets and multiplier (and
    // resets those first while AutoScale is on).
    void Set_Dgrm_Scale();
    // Sets the coordinate window directly: left-top and right-bottom corners in world units.
    void Set_Scale(double left, double top, double right, double bottom);

    // Clears the picture and draws everything: figures, marks and the auxiliary grid.
    void Redraw_Dgrm(DgrmPainter& painter);
    // The grid dots of the current window with the pen width the redraw left.
    void Draw_Aux_Grid(DgrmPainter& painter);

    // The current coordinate window.
    double Scale_Left() const { return left_; }
    double Scale_Top() const { return top_; }
    double Scale_Width() const { return right_ - left_; }   // positive
    double Scale_Height() const { return bottom_ - top_; }  // negative: Y points up
    double Scale_Right() const { return right_; }
    double Scale_Bottom() const { return bottom_; }
    // Radius of every circular mark on the canvas: one hundredth of the scale width.
    double Mark_Radius() const { return Scale_Width() / 100; }

    // The pen width the picture has now (the redraw leaves 1 after a mark, else 2); marks drawn
    // over a redraw by other commands use it.
    int Draw_Width() const { return draw_width_; }
    void Set_Draw_Width(int pixels) { draw_width_ = pixels; }

    // Mapping between world units and pixels of a square picture of `pixels` a side (pixel
    // (0, 0) is the left-top corner).
    WorldPt To_Pixel(WorldPt world, int pixels) const;
    WorldPt To_World(WorldPt pixel, int pixels) const;

    // The grid step in use: the number the grid-step text reads as; 0 for "None".
    double Grid_Step() const;

    // View panel buttons. Each first turns AutoScale off, then changes the view state; the
    // caller redraws. Index 0..3 of View_Move_Cmd pans left, right, up, down by a twentieth of
    // the window; index 0 of Command1 zooms in by 1.1, index 1 zooms out. No clamping.
    void View_Move_Cmd_Click(int index);
    void Command1_Click(int index);

    // Whether the centroid mark would be drawn now, and where.
    bool Centroid_Shown(WorldPt* at = nullptr) const;

private:
    struct Extent {
        double xmin = 0, xmax = 0, ymin = 0, ymax = 0;
    };
    const Extent& Figure_Extent();
    void Draw_Origin_Mark(DgrmPainter& painter);
    void Draw_Centroid_Mark(DgrmPainter& painter, WorldPt at);

    const CoodGrid& add_;
    const CoodGrid& sbtrt_;
    const ResultGrid& result_;
    const DrawColors& colors_;

    TablePoints add_points_;
    TablePoints sbtrt_points_;
    Extent extent_;
    bool extent_known_ = false;
    bool extent_check1_ = true;

    double left_ = -kFallbackHalfSize, top_ = kFallbackHalfSize;
    double right_ = kFallbackHalfSize, bottom_ = -kFallbackHalfSize;
    int draw_width_ = 2;
};

}  // namespace kuvanto

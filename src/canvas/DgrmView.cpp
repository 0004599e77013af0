// The canvas rules: fitting the window, the redraw in its fixed order and the view panel
// actions. The extent is widened with Max_Val and Min_Val, which compare values as their decimal
// texts read. Extent and parsed points are cached until a table or the origin switch changes.
#include "DgrmView.h"

#include <algorithm>
#include <cmath>

#include "AuxGrid.h"
#include "NumText.h"
#include "PolylineReducer.h"

namespace kuvanto {

namespace {

// Values further apart than this (relative) cannot read as equal at 15 significant digits, so a
// plain comparison gives what Min_Val and Max_Val give; only near-ties take the text comparison.
// Keeps the extent of a million vertices cheap.
constexpr double kPlainlyApart = 1e-13;

inline bool Plainly_Apart(double a, double b) {
    return std::fabs(a - b) > kPlainlyApart * std::max(std::fabs(a), std::fabs(b));
}

inline double Extent_Min(double a, double b) {
    return Plainly_Apart(a, b) ? (a < b ? a : b) : Min_Val(a, b);
}

inline double Extent_Max(double a, double b) {
    return Plainly_Apart(a, b) ? (a > b ? a : b) : Max_Val(a, b);
}

constexpr double kPanFraction = 20;
constexpr double kZoomFactor = 1.1;
constexpr double kMaxGridSteps = 75;

}  // namespace

DgrmView::DgrmView(const CoodGrid& add, const CoodGrid& sbtrt, const ResultGrid& result,
                   const DrawColors& colors)
    : add_(add), sbtrt_(sbtrt), result_(result), colors_(colors) {}

const DgrmView::Extent& DgrmView::Figure_Extent() {
    const bool add_changed = add_points_.Update(add_);
    const bool sbtrt_changed = sbtrt_points_.Update(sbtrt_);
    if (extent_known_ && !add_changed && !sbtrt_changed && extent_check1_ == Check1) {
        return extent_;
    }
    // The extremes start at 0; only a vertex in row 1 initialises them (with or without the
    // origin), so a table whose row 1 holds no vertex always includes the origin.
    Extent e;
    const std::vector<WorldPt>& add = add_points_.Points();
    const int add_last = add_points_.Rows() - 2;
    for (int i = 1; i <= add_last; ++i) {
        const WorldPt p = add[i];
        if (std::isnan(p.x)) continue;
        if (i == 1) {
            if (Check1) {
                e.xmin = Min_Val(p.x, 0);
                e.xmax = Max_Val(p.x, 0);
                e.ymin = Min_Val(p.y, 0);
                e.ymax = Max_Val(p.y, 0);
            } else {
                e.xmin = e.xmax = p.x;
                e.ymin = e.ymax = p.y;
            }
            continue;
        }
        e.xmin = Extent_Min(e.xmin, p.x);
        e.xmax = Extent_Max(e.xmax, p.x);
        e.ymin = Extent_Min(e.ymin, p.y);
        e.ymax = Extent_Max(e.ymax, p.y);
    }
    const std::vector<WorldPt>& sbtrt = sbtrt_points_.Points();
    const int sbtrt_last = sbtrt_points_.Rows() - 2;
    for (int i = 1; i <= sbtrt_last; ++i) {
        const WorldPt p = sbtrt[i];
        if (std::isnan(p.x)) continue;
        e.xmin = Extent_Min(e.xmin, p.x);
        e.xmax = Extent_Max(e.xmax, p.x);
        e.ymin = Extent_Min(e.ymin, p.y);
        e.ymax = Extent_Max(e.ymax, p.y);
    }
    extent_ = e;
    extent_known_ = true;
    extent_check1_ = Check1;
    return extent_;
}

void DgrmView::Set_Dgrm_Scale() {
    const Extent& e = Figure_Extent();
    if (Auto_Scale_Check) {
        View_Ofs_X = 0;
        View_Ofs_Y = 0;
        View_Mult = 1;
    }
    const double xc = (e.xmax + e.xmin) / 2 + View_Ofs_X;
    const double yc = (e.ymax + e.ymin) / 2 + View_Ofs_Y;
    const double w = std::fabs(e.xmax - e.xmin);
    const double h = std::fabs(e.ymax - e.ymin);
    const double d = View_Mult * Max_Val(w, h);
    if (d != 0) {
        Set_Scale(xc - d, yc + d, xc + d, yc - d);
    } else {
        Set_Scale(-kFallbackHalfSize, kFallbackHalfSize, kFallbackHalfSize, -kFallbackHalfSize);
    }
}

void DgrmView::Set_Scale(double left, double top, double right, double bottom) {
    left_ = left;
    top_ = top;
    right_ = right;
    bottom_ = bottom;
}

void DgrmView::Redraw_Dgrm(DgrmPainter& painter) {
    draw_width_ = 2;
    painter.Set_Pen_Width(draw_width_);
    painter.Clear(kCanvasBackColor);
    if (!FreeHand_Check) Set_Dgrm_Scale();
    painter.Set_Window(left_, top_, right_, bottom_);

    // Segments between consecutive rows 1 .. row count - 1 that both hold a vertex; no closing
    // segment is added.
    add_points_.Update(add_);
    sbtrt_points_.Update(sbtrt_);
    PolylineReducer reducer(left_, top_, right_, bottom_, painter.Pixel_Size());
    reducer.Draw(add_points_.Points(), 1, add_points_.Rows() - 1,
                 static_cast<std::uint32_t>(colors_.add), painter);
    reducer.Draw(sbtrt_points_.Points(), 1, sbtrt_points_.Rows() - 1,
                 static_cast<std::uint32_t>(colors_.sbtrt), painter);

    if (Check1) Draw_Origin_Mark(painter);
    WorldPt centroid;
    if (Centroid_Shown(&centroid)) Draw_Centroid_Mark(painter, centroid);
    Draw_Aux_Grid(painter);
}

void DgrmView::Draw_Origin_Mark(DgrmPainter& painter) {
    const double r = Mark_Radius();
    draw_width_ = 1;
    painter.Set_Pen_Width(draw_width_);
    painter.Circle({0, 0}, r, kOriginMarkColor);
    painter.Circle({0, 0}, r / 2, kOriginMarkColor);
    painter.Segment({-2 * r, 0}, {2 * r, 0}, kOriginMarkColor);
    painter.Segment({0, 2 * r}, {0, -2 * r}, kOriginMarkColor);
}

bool DgrmView::Centroid_Shown(WorldPt* at) const {
    const int col = result_.Cols() - 1;
    if (result_.Text(0, col) != kTotalHead || !Check2) return false;
    const std::string& xg = result_.Text(2, col);
    const std::string& yg = result_.Text(3, col);
    if (xg.empty() || yg.empty()) return false;
    if (at) *at = WorldPt{Lenient_Value(xg), Lenient_Value(yg)};
    return true;
}

void DgrmView::Draw_Centroid_Mark(DgrmPainter& painter, WorldPt g) {
    const double r = Mark_Radius();
    const double l = Scale_Width() / 3;
    draw_width_ = 1;
    painter.Set_Pen_Width(draw_width_);
    painter.Circle(g, r, kCentroidMarkColor);
    painter.Circle(g, r / 2, kCentroidMarkColor);
    painter.Segment({g.x - l, g.y}, {g.x + l, g.y}, kCentroidMarkColor);
    painter.Segment({g.x, g.y + l}, {g.x, g.y - l}, kCentroidMarkColor);
}

double DgrmView::Grid_Step() const {
    if (Combo1 == "None") return 0;
    return Lenient_Value(Combo1);
}

void DgrmView::Draw_Aux_Grid(DgrmPainter& painter) {
    const double s = Grid_Step();
    // "None" draws nothing; a step that is not positive (no entry of the list) could never
    // finish the lattice, so it draws nothing either.
    if (!(s > 0)) return;
    if (Scale_Width() / s > kMaxGridSteps) return;
    const double m = Max_Val(left_ + Scale_Width(), top_);
    const std::vector<WorldPt> dots = Aux_Grid_Dots(s, m, left_, top_, right_, bottom_);
    if (!dots.empty()) painter.Dots(dots, static_cast<std::uint32_t>(colors_.grid));
}

WorldPt DgrmView::To_Pixel(WorldPt world, int pixels) const {
    return WorldPt{(world.x - left_) / Scale_Width() * pixels,
                   (world.y - top_) / Scale_Height() * pixels};
}

WorldPt DgrmView::To_World(WorldPt pixel, int pixels) const {
    return WorldPt{left_ + pixel.x / pixels * Scale_Width(),
                   top_ + pixel.y / pixels * Scale_Height()};
}

void DgrmView::View_Move_Cmd_Click(int index) {
    Auto_Scale_Check = false;
    switch (index) {
        case 0:
            View_Ofs_X += Scale_Width() / kPanFraction;
            break;
        case 1:
            View_Ofs_X -= Scale_Width() / kPanFraction;
            break;
        case 2:
            View_Ofs_Y += Scale_Height() / kPanFraction;
            break;
        case 3:
            View_Ofs_Y -= Scale_Height() / kPanFraction;
            break;
        default:
            break;
    }
}

void DgrmView::Command1_Click(int index) {
    Auto_Scale_Check = false;
    if (index == 0)
        View_Mult = View_Mult / kZoomFactor;
    else if (index == 1)
        View_Mult = View_Mult * kZoomFactor;
}

}  // namespace kuvanto

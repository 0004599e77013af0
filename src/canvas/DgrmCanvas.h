// The section canvas "Picture1": a square picture on a dark grey ground that shows the figures of
// both coordinate tables to scale, with the switches that sit on it ("原点表示" and "図心表示" at
// the top right beside small legends of their marks, the freehand switch at the top left) and a
// fixed legend of the axes. The drawing rules live in DgrmView; this widget keeps the picture as
// an image, redraws it on request and offers the mapping between its pixels and world units and
// the mark drawing that later commands put over a redraw.
#pragma once

#include <QCheckBox>
#include <QImage>
#include <QLabel>
#include <QWidget>
#include <cstdint>

#include "DgrmView.h"

namespace kuvanto {

class DgrmCanvas : public QWidget {
    Q_OBJECT

public:
    DgrmCanvas(const CoodGrid& add, const CoodGrid& sbtrt, const ResultGrid& result,
               const DrawColors& colors, QWidget* parent = nullptr);

    // The view state, the switches as the drawing sees them, and the window.
    DgrmView& View() { return view_; }
    const DgrmView& View() const { return view_; }

    // Clears the picture and draws everything anew.
    void Redraw_Dgrm();

    double Scale_Left() const { return view_.Scale_Left(); }
    double Scale_Top() const { return view_.Scale_Top(); }
    double Scale_Width() const { return view_.Scale_Width(); }
    double Scale_Height() const { return view_.Scale_Height(); }
    double Mark_Radius() const { return view_.Mark_Radius(); }

    // The switches on the canvas.
    QCheckBox* Check1() const { return check1_; }
    QCheckBox* Check2() const { return check2_; }
    QCheckBox* FreeHand_Check() const { return freehand_check_; }

    // "AutoScale" as the drawing sees it; the view panel shows it. Turning it off or on here
    // does not redraw; Auto_Scale_Changed tells the panel.
    bool Auto_Scale() const { return view_.Auto_Scale_Check; }
    void Set_Auto_Scale(bool on);
    // The text of the grid-step list ("None" or a step such as "10").
    void Set_Grid_Step_Text(const QString& text);

    // The square drawing area inside the widget (centred when the widget is not square) and
    // the picture drawn in it.
    QRect Drawing_Area() const { return area_; }
    const QImage& Picture() const { return image_; }

    // Mapping between widget positions and world units of the current window.
    WorldPt To_World(QPointF widget_pos) const;
    QPointF To_Widget(WorldPt world) const;

    // Marks and rubber bands drawn over the picture until the next redraw, with the pen width
    // the picture has (the redraw leaves 1 after a mark, else 2).
    int Draw_Width() const { return view_.Draw_Width(); }
    void Set_Draw_Width(int pixels) { view_.Set_Draw_Width(pixels); }
    void Draw_Line(WorldPt from, WorldPt to, std::uint32_t color);
    void Draw_Circle(WorldPt centre, double radius, std::uint32_t color);
    void Draw_Dot(WorldPt at, std::uint32_t color);

signals:
    void Auto_Scale_Changed(bool on);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    // Makes the image as large as the drawing area; true when it was made anew.
    bool Fit_Image();
    void Place_Controls();
    template <typename Draw>
    void Draw_Over(Draw draw);

    DgrmView view_;
    QImage image_;
    QRect area_;
    bool drawn_ = false;

    QCheckBox* check1_ = nullptr;
    QCheckBox* check2_ = nullptr;
    QCheckBox* freehand_check_ = nullptr;
    QWidget* switches_ = nullptr;
    QLabel* axes_legend_ = nullptr;
};

}  // namespace kuvanto

// The section canvas "Picture1": a square picture on a dark grey ground that shows the figures of
// both coordinate tables to scale, with the switches that sit on it ("原点表示" and "図心表示" at
// the top right beside small legends of their marks, the freehand switch at the top left) and a
// fixed legend of the axes. The drawing rules live in SectionView; this widget keeps the picture as
// an image, redraws it on request and offers the mapping between its pixels and world units and
// the mark drawing that later commands put over a redraw.
#pragma once

#include <QCheckBox>
#include <QImage>
#include <QLabel>
#include <QWidget>
#include <cstdint>

#include "canvas/SectionView.h"
#include "core/section/SectionMaterials.h"

namespace kuvanto {

class SectionCanvas : public QWidget {
    Q_OBJECT

public:
    SectionCanvas(const CoordTable& add, const CoordTable& subtracted, const ResultTable& result,
                  const DrawColors& colors, QWidget* parent = nullptr);

    // The view state, the switches as the drawing sees them, and the window.
    SectionView& view() {
        flushRedraw();
        return view_;
    }
    const SectionView& view() const {
        flushRedraw();
        return view_;
    }

    // The materials whose figures the picture tints and names in its legend (none: no tint).
    void setMaterials(const SectionMaterials* materials) { materials_ = materials; }

    // Clears the picture and draws everything anew. The drawing is made when the canvas is next
    // painted or asked for its picture, window or marks, so that the changes of one turn of the
    // event loop (a cell written by Tab and the next by Enter) cost one redraw of a large
    // section, not one each.
    void redrawSection();

    double scaleLeft() const { return view().scaleLeft(); }
    double scaleTop() const { return view().scaleTop(); }
    double scaleWidth() const { return view().scaleWidth(); }
    double scaleHeight() const { return view().scaleHeight(); }
    double markRadius() const { return view().markRadius(); }

    // The switches on the canvas.
    QCheckBox* showOrigin() const { return showOrigin_; }
    QCheckBox* showCentroid() const { return showCentroid_; }
    QCheckBox* showPrincipalAxes() const { return showPrincipalAxes_; }
    QCheckBox* showShearCentre() const { return showShearCentre_; }
    QCheckBox* freeHandCheck() const { return freehandCheck_; }

    // "AutoScale" as the drawing sees it; the view panel shows it. Turning it off or on here
    // does not redraw; autoScaleChanged tells the panel.
    bool autoScale() const { return view_.autoScaleCheck; }
    void setAutoScale(bool on);
    // The text of the grid-step list ("None" or a step such as "10").
    void setGridStepText(const QString& text);

    // The square drawing area inside the widget (centred when the widget is not square) and
    // the picture drawn in it.
    QRect drawingArea() const { return area_; }
    const QImage& picture() const {
        flushRedraw();
        return image_;
    }

    // Mapping between widget positions and world units of the current window.
    WorldPt toWorld(QPointF widgetPos) const;
    QPointF toWidget(WorldPt world) const;

    // Marks and rubber bands drawn over the picture until the next redraw, with the pen width
    // the picture has (the redraw leaves 1 after a mark, else 2).
    int drawWidth() const { return view().drawWidth(); }
    void setDrawWidth(int pixels) { view().setDrawWidth(pixels); }
    void drawLine(WorldPt from, WorldPt to, std::uint32_t color);
    void drawCircle(WorldPt centre, double radius, std::uint32_t color);
    void drawDot(WorldPt at, std::uint32_t color);

signals:
    void autoScaleChanged(bool on);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    // Makes the image as large as the drawing area; true when it was made anew.
    bool fitImage();
    void placeControls();
    template <typename DrawFunction>
    void drawOver(DrawFunction draw);
    // Makes the drawing a redrawSection asked for, if it has not been made yet.
    void flushRedraw() const;

    SectionView view_;
    const CoordTable& add_;
    const CoordTable& subtracted_;
    const SectionMaterials* materials_ = nullptr;
    QImage image_;
    QRect area_;
    bool drawn_ = false;
    bool redrawPending_ = false;

    QCheckBox* showOrigin_ = nullptr;
    QCheckBox* showCentroid_ = nullptr;
    QCheckBox* showShearCentre_ = nullptr;
    QCheckBox* showPrincipalAxes_ = nullptr;
    QCheckBox* freehandCheck_ = nullptr;
    QWidget* switches_ = nullptr;
    QLabel* axesLegend_ = nullptr;
};

}  // namespace kuvanto

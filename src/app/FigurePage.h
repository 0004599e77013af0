// The figure view of the main window ("Cood_Frame"): the coordinate table on the left, the square
// canvas right beside it as tall as the page allows, and the view panel in a column to the right
// of the canvas. The table takes whatever width the canvas and the panel leave, but never less
// than it needs to show a separator row whole.
#pragma once

#include <QWidget>

namespace kuvanto {

class FigurePage : public QWidget {
    Q_OBJECT
public:
    FigurePage(QWidget* table, QWidget* canvas, QWidget* panel, QWidget* parent = nullptr);

    // The narrowest the table may become.
    void setMinimumTableWidth(int pixels);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void place();

    QWidget* table_;
    QWidget* canvas_;
    QWidget* panel_;
    int minTableWidth_ = 160;
};

}  // namespace kuvanto

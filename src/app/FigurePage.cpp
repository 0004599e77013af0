// Places the three parts of the figure view by hand: a layout of stretch factors cannot keep the
// canvas square and as tall as the page at the same time.
#include "app/FigurePage.h"

#include <QResizeEvent>
#include <algorithm>

namespace kuvanto {

namespace {

constexpr int kMargin = 2;
constexpr int kSpacing = 3;
constexpr int kMinCanvas = 120;

}  // namespace

FigurePage::FigurePage(QWidget* table, QWidget* canvas, QWidget* panel, QWidget* parent)
    : QWidget(parent), table_(table), canvas_(canvas), panel_(panel) {
    for (QWidget* part : {table_, canvas_, panel_}) part->setParent(this);
}

void FigurePage::setMinimumTableWidth(int pixels) {
    minTableWidth_ = pixels;
    updateGeometry();
    place();
}

QSize FigurePage::sizeHint() const {
    const int side = 600;
    return {2 * kMargin + minTableWidth_ + side + panel_->sizeHint().width() + 2 * kSpacing,
            2 * kMargin + side};
}

QSize FigurePage::minimumSizeHint() const {
    return {2 * kMargin + minTableWidth_ + kMinCanvas + panel_->minimumSizeHint().width() +
                2 * kSpacing,
            2 * kMargin + std::max(kMinCanvas, panel_->minimumSizeHint().height())};
}

void FigurePage::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    place();
}

void FigurePage::place() {
    const int panelWidth = panel_->sizeHint().width();
    const int height = this->height() - 2 * kMargin;
    const int room = width() - 2 * kMargin - panelWidth - 2 * kSpacing;
    const int side = std::max(kMinCanvas, std::min(height, room - minTableWidth_));
    const int tableWidth = std::max(minTableWidth_, room - side);
    table_->setGeometry(kMargin, kMargin, tableWidth, height);
    canvas_->setGeometry(kMargin + tableWidth + kSpacing, kMargin, side, side);
    panel_->setGeometry(kMargin + tableWidth + kSpacing + side + kSpacing, kMargin, panelWidth,
                        height);
}

}  // namespace kuvanto

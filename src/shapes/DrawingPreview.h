// The preview of the DXF import dialog: the figures to be imported, filled, with holes left
// open (drawn with the even-odd rule), fitted into the widget with the Y axis upwards.
#pragma once

#include <QWidget>

#include "core/drawing/DrawingSections.h"

namespace kuvanto {

class DrawingPreview : public QWidget {
    Q_OBJECT

public:
    explicit DrawingPreview(QWidget* parent = nullptr);
    void setFigures(const SectionFigures& figures);
    QSize sizeHint() const override { return {360, 300}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    SectionFigures figures_;
};

}  // namespace kuvanto

// The view panel beside the canvas: the four pan buttons "←" "→" "↑" "↓" (panButton), the
// zoom buttons "+" "-" (zoomButton), the "AutoScale" switch, the grid-step list (gridStepBox) with
// its label "補助Grid", and the help button "?". The buttons change the canvas's view state and
// redraw it; hovering over the controls asks the status bar for a hint through statusHint.
#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <array>

#include "canvas/SectionCanvas.h"

namespace kuvanto {

// The grid steps of the list, in order; "None" means no grid.
QStringList gridStepTexts();

class ViewPanel : public QWidget {
    Q_OBJECT

public:
    explicit ViewPanel(SectionCanvas& canvas, QWidget* parent = nullptr);

    // Enables or disables every control of the panel (the figure tabs on, the result tab off).
    void setViewControlsEnabled(bool tf);

    QCheckBox* autoScaleCheck() const { return autoScaleCheck_; }
    QComboBox* gridStepBox() const { return gridStepBox_; }
    QPushButton* panButton(PanDirection direction) const {
        return moveCmd_.at(static_cast<std::size_t>(direction));
    }
    QPushButton* zoomButton(ZoomStep step) const {
        return zoomCmd_.at(static_cast<std::size_t>(step));
    }
    QPushButton* helpButton() const { return helpBt_; }
    QLabel* gridLabel() const { return gridLabel_; }

signals:
    // The status bar text for the control under the mouse.
    void statusHint(const QString& text);
    // The help button was clicked; the main window opens the help window.
    void helpRequested();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void pan(PanDirection direction);
    void zoom(ZoomStep step);
    void setAutoScale(bool checked);
    void gridStepChosen(int index);
    void hintOnHover(QWidget* widget, const QString& text);

    SectionCanvas& canvas_;
    std::array<QPushButton*, 4> moveCmd_{};
    std::array<QPushButton*, 2> zoomCmd_{};
    QCheckBox* autoScaleCheck_ = nullptr;
    QComboBox* gridStepBox_ = nullptr;
    QLabel* gridLabel_ = nullptr;
    QPushButton* helpBt_ = nullptr;
};

}  // namespace kuvanto

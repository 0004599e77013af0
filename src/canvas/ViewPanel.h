// The view panel beside the canvas: the four pan buttons "←" "→" "↑" "↓" (View_Move_Cmd), the
// zoom buttons "+" "-" (Command1), the "AutoScale" switch, the grid-step list (Combo1) with its
// label "補助Grid", and the help button "?". The buttons change the canvas's view state and
// redraw it; hovering over the controls asks the status bar for a hint through Status_Hint.
#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <array>

#include "DgrmCanvas.h"

namespace kuvanto {

// The grid steps of the list, in order; "None" means no grid.
QStringList Grid_Step_Texts();

class ViewPanel : public QWidget {
    Q_OBJECT

public:
    explicit ViewPanel(DgrmCanvas& canvas, QWidget* parent = nullptr);

    // Enables or disables every control of the panel (the figure tabs on, the result tab off).
    void Scale_Grid_Frame_Enbld(bool tf);

    QCheckBox* Auto_Scale_Check() const { return auto_scale_check_; }
    QComboBox* Combo1() const { return combo1_; }
    QPushButton* View_Move_Cmd(int index) const { return move_cmd_.at(index); }
    QPushButton* Command1(int index) const { return zoom_cmd_.at(index); }
    QPushButton* HelpForm_Bt() const { return help_bt_; }
    QLabel* Grid_Label() const { return grid_label_; }

signals:
    // The status bar text for the control under the mouse.
    void Status_Hint(const QString& text);
    // The help button was clicked; the main window opens the help window.
    void Help_Requested();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void View_Move_Cmd_Click(int index);
    void Command1_Click(int index);
    void Auto_Scale_Check_Click(bool checked);
    void Combo1_Click(int index);
    void Hint_On_Hover(QWidget* widget, const QString& text);

    DgrmCanvas& canvas_;
    std::array<QPushButton*, 4> move_cmd_{};
    std::array<QPushButton*, 2> zoom_cmd_{};
    QCheckBox* auto_scale_check_ = nullptr;
    QComboBox* combo1_ = nullptr;
    QLabel* grid_label_ = nullptr;
    QPushButton* help_bt_ = nullptr;
};

}  // namespace kuvanto

// The view panel: its controls, their captions, tooltips and hover hints, and the actions that
// pass the clicks on to the canvas's view state before redrawing.
#include "ViewPanel.h"

#include <QEvent>
#include <QGridLayout>
#include <QVariant>

namespace kuvanto {

namespace {

const char* const kHintProperty = "kuvantoStatusHint";

const QString kMoveTip = QStringLiteral("Ctrl+左クリックドラッグ");
const QString kZoomTip = QStringLiteral("Ctrl+右クリックドラッグ");
const QString kAutoScaleHint = QStringLiteral(
    "チェックを入れることにより手動にて尺度変更又は移動した表示をオートスケールに戻します。");
const QString kViewButtonHint =
    QStringLiteral("図形画面表示の尺度変更又は移動を行ないます。(マウスでも可)");
const QString kGridLabelHint = QStringLiteral(
    "座標グリッドの表示及び、フリーハンド描画モードにおける座標入力制限を行ないます。");
const QString kComboTip = QStringLiteral("フリーハンド描画モードにて利用できます。");

constexpr int kButtonWidth = 30;
constexpr int kButtonHeight = 24;

QPushButton* Small_Button(const QString& caption, const QString& name, const QString& tip,
                          QWidget* parent) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setToolTip(tip);
    button->setFixedSize(kButtonWidth, kButtonHeight);
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

}  // namespace

QStringList Grid_Step_Texts() {
    return {QStringLiteral("None"), QStringLiteral("0.1"),   QStringLiteral("0.2"),
            QStringLiteral("0.25"), QStringLiteral("0.254"), QStringLiteral("0.5"),
            QStringLiteral("1.0"),  QStringLiteral("2.0"),   QStringLiteral("5.0"),
            QStringLiteral("6.35"), QStringLiteral("10"),    QStringLiteral("12.7"),
            QStringLiteral("20"),   QStringLiteral("25"),    QStringLiteral("25.4"),
            QStringLiteral("50"),   QStringLiteral("100"),   QStringLiteral("200")};
}

ViewPanel::ViewPanel(DgrmCanvas& canvas, QWidget* parent) : QWidget(parent), canvas_(canvas) {
    setObjectName(QStringLiteral("View_Panel"));
    const QString arrows[4] = {QStringLiteral("←"), QStringLiteral("→"), QStringLiteral("↑"),
                               QStringLiteral("↓")};
    for (int i = 0; i < 4; ++i) {
        move_cmd_[i] =
            Small_Button(arrows[i], QStringLiteral("View_Move_Cmd_%1").arg(i), kMoveTip, this);
        connect(move_cmd_[i], &QPushButton::clicked, this, [this, i] { View_Move_Cmd_Click(i); });
        Hint_On_Hover(move_cmd_[i], kViewButtonHint);
    }
    const QString zooms[2] = {QStringLiteral("+"), QStringLiteral("-")};
    for (int i = 0; i < 2; ++i) {
        zoom_cmd_[i] = Small_Button(zooms[i], QStringLiteral("Command1_%1").arg(i), kZoomTip, this);
        connect(zoom_cmd_[i], &QPushButton::clicked, this, [this, i] { Command1_Click(i); });
        Hint_On_Hover(zoom_cmd_[i], kViewButtonHint);
    }

    auto_scale_check_ = new QCheckBox(QStringLiteral("AutoScale"), this);
    auto_scale_check_->setObjectName(QStringLiteral("Auto_Scale_Check"));
    auto_scale_check_->setChecked(canvas_.Auto_Scale());
    connect(auto_scale_check_, &QCheckBox::clicked, this,
            [this](bool checked) { Auto_Scale_Check_Click(checked); });
    connect(&canvas_, &DgrmCanvas::Auto_Scale_Changed, auto_scale_check_,
            [this](bool on) { auto_scale_check_->setChecked(on); });
    Hint_On_Hover(auto_scale_check_, kAutoScaleHint);

    grid_label_ = new QLabel(QStringLiteral("補助Grid"), this);
    grid_label_->setObjectName(QStringLiteral("Grid_Label"));
    Hint_On_Hover(grid_label_, kGridLabelHint);

    combo1_ = new QComboBox(this);
    combo1_->setObjectName(QStringLiteral("Combo1"));
    combo1_->addItems(Grid_Step_Texts());
    combo1_->setCurrentIndex(0);
    combo1_->setToolTip(kComboTip);
    canvas_.Set_Grid_Step_Text(combo1_->currentText());
    connect(combo1_, &QComboBox::currentIndexChanged, this,
            [this](int index) { Combo1_Click(index); });

    help_bt_ = new QPushButton(QStringLiteral("?"), this);
    help_bt_->setObjectName(QStringLiteral("HelpForm_Bt"));
    help_bt_->setFixedSize(kButtonHeight, kButtonHeight);
    help_bt_->setFocusPolicy(Qt::NoFocus);
    connect(help_bt_, &QPushButton::clicked, this, &ViewPanel::Help_Requested);

    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(4, 4, 4, 4);
    grid->setHorizontalSpacing(2);
    grid->setVerticalSpacing(2);
    grid->addWidget(move_cmd_[2], 0, 1);
    grid->addWidget(move_cmd_[0], 1, 0);
    grid->addWidget(move_cmd_[1], 1, 2);
    grid->addWidget(move_cmd_[3], 2, 1);
    grid->addWidget(zoom_cmd_[0], 0, 4);
    grid->addWidget(zoom_cmd_[1], 2, 4);
    grid->setColumnMinimumWidth(3, 8);
    grid->addWidget(auto_scale_check_, 3, 0, 1, 5);
    grid->addWidget(grid_label_, 4, 0, 1, 2);
    grid->addWidget(combo1_, 4, 2, 1, 3);
    grid->addWidget(help_bt_, 4, 5);
}

void ViewPanel::Hint_On_Hover(QWidget* widget, const QString& text) {
    widget->setProperty(kHintProperty, text);
    widget->setMouseTracking(true);
    widget->installEventFilter(this);
}

bool ViewPanel::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Enter || event->type() == QEvent::MouseMove) {
        const QVariant hint = watched->property(kHintProperty);
        if (hint.isValid()) emit Status_Hint(hint.toString());
    }
    return QWidget::eventFilter(watched, event);
}

void ViewPanel::Scale_Grid_Frame_Enbld(bool tf) {
    auto_scale_check_->setEnabled(tf);
    for (QPushButton* b : move_cmd_) b->setEnabled(tf);
    for (QPushButton* b : zoom_cmd_) b->setEnabled(tf);
    combo1_->setEnabled(tf);
    help_bt_->setEnabled(tf);
    grid_label_->setEnabled(tf);
}

void ViewPanel::View_Move_Cmd_Click(int index) {
    canvas_.Set_Auto_Scale(false);
    canvas_.View().View_Move_Cmd_Click(index);
    canvas_.Redraw_Dgrm();
}

void ViewPanel::Command1_Click(int index) {
    canvas_.Set_Auto_Scale(false);
    canvas_.View().Command1_Click(index);
    canvas_.Redraw_Dgrm();
}

void ViewPanel::Auto_Scale_Check_Click(bool checked) {
    canvas_.Set_Auto_Scale(checked);
    if (checked) canvas_.Redraw_Dgrm();
}

void ViewPanel::Combo1_Click(int index) {
    canvas_.Set_Grid_Step_Text(combo1_->itemText(index));
    canvas_.Redraw_Dgrm();
}

}  // namespace kuvanto

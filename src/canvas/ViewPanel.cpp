// The view panel: its controls, their captions, tooltips and hover hints, and the actions that
// pass the clicks on to the canvas's view state before redrawing.
#include "canvas/ViewPanel.h"

#include <QEvent>
#include <QGridLayout>
#include <QVariant>
#include <utility>
#include "io/UiText.h"

namespace kuvanto {

namespace {

const char* const kHintProperty = "kuvantoStatusHint";

constexpr UiText kMoveTip{"ViewPanel", QT_TRANSLATE_NOOP("ViewPanel", "Ctrl+左クリックドラッグ")};
constexpr UiText kZoomTip{"ViewPanel", QT_TRANSLATE_NOOP("ViewPanel", "Ctrl+右クリックドラッグ")};
constexpr UiText kAutoScaleHint{
    "ViewPanel",
    QT_TRANSLATE_NOOP(
        "ViewPanel",
        "チェックを入れることにより手動にて尺度変更又は移動した表示をオートスケールに戻します。")};
constexpr UiText kViewButtonHint{
    "ViewPanel",
    QT_TRANSLATE_NOOP("ViewPanel", "図形画面表示の尺度変更又は移動を行ないます。(マウスでも可)")};
constexpr UiText kGridLabelHint{
    "ViewPanel",
    QT_TRANSLATE_NOOP(
        "ViewPanel",
        "座標グリッドの表示及び、フリーハンド描画モードにおける座標入力制限を行ないます。")};
constexpr UiText kComboTip{
    "ViewPanel", QT_TRANSLATE_NOOP("ViewPanel", "フリーハンド描画モードにて利用できます。")};

constexpr int kButtonWidth = 30;
constexpr int kButtonHeight = 24;

QPushButton* smallButton(const QString& caption, const QString& name, const QString& tip,
                         QWidget* parent) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setToolTip(tip);
    button->setFixedSize(kButtonWidth, kButtonHeight);
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

}  // namespace

QStringList gridStepTexts() {
    return {QStringLiteral("None"), QStringLiteral("0.1"),   QStringLiteral("0.2"),
            QStringLiteral("0.25"), QStringLiteral("0.254"), QStringLiteral("0.5"),
            QStringLiteral("1.0"),  QStringLiteral("2.0"),   QStringLiteral("5.0"),
            QStringLiteral("6.35"), QStringLiteral("10"),    QStringLiteral("12.7"),
            QStringLiteral("20"),   QStringLiteral("25"),    QStringLiteral("25.4"),
            QStringLiteral("50"),   QStringLiteral("100"),   QStringLiteral("200")};
}

ViewPanel::ViewPanel(SectionCanvas& canvas, QWidget* parent) : QWidget(parent), canvas_(canvas) {
    setObjectName(QStringLiteral("View_Panel"));
    const std::pair<PanDirection, QString> arrows[4] = {{PanDirection::Left, QStringLiteral("←")},
                                                        {PanDirection::Right, QStringLiteral("→")},
                                                        {PanDirection::Up, QStringLiteral("↑")},
                                                        {PanDirection::Down, QStringLiteral("↓")}};
    for (const auto& [direction, arrow] : arrows) {
        const auto i = static_cast<std::size_t>(direction);
        moveCmd_[i] = smallButton(arrow, QStringLiteral("View_Move_Cmd_%1").arg(i), kMoveTip, this);
        connect(moveCmd_[i], &QPushButton::clicked, this, [this, d = direction] { pan(d); });
        hintOnHover(moveCmd_[i], kViewButtonHint);
    }
    const std::pair<ZoomStep, QString> zooms[2] = {{ZoomStep::In, QStringLiteral("+")},
                                                   {ZoomStep::Out, QStringLiteral("-")}};
    for (const auto& [step, caption] : zooms) {
        const auto i = static_cast<std::size_t>(step);
        zoomCmd_[i] = smallButton(caption, QStringLiteral("Command1_%1").arg(i), kZoomTip, this);
        connect(zoomCmd_[i], &QPushButton::clicked, this, [this, z = step] { zoom(z); });
        hintOnHover(zoomCmd_[i], kViewButtonHint);
    }

    autoScaleCheck_ = new QCheckBox(tr("AutoScale"), this);
    autoScaleCheck_->setObjectName(QStringLiteral("Auto_Scale_Check"));
    autoScaleCheck_->setChecked(canvas_.autoScale());
    connect(autoScaleCheck_, &QCheckBox::clicked, this,
            [this](bool checked) { setAutoScale(checked); });
    connect(&canvas_, &SectionCanvas::autoScaleChanged, autoScaleCheck_,
            [this](bool on) { autoScaleCheck_->setChecked(on); });
    hintOnHover(autoScaleCheck_, kAutoScaleHint);

    gridLabel_ = new QLabel(tr("補助Grid"), this);
    gridLabel_->setObjectName(QStringLiteral("Grid_Label"));
    hintOnHover(gridLabel_, kGridLabelHint);

    gridStepBox_ = new QComboBox(this);
    gridStepBox_->setObjectName(QStringLiteral("Combo1"));
    gridStepBox_->addItems(gridStepTexts());
    gridStepBox_->setCurrentIndex(0);
    gridStepBox_->setToolTip(kComboTip);
    canvas_.setGridStepText(gridStepBox_->currentText());
    connect(gridStepBox_, &QComboBox::currentIndexChanged, this,
            [this](int index) { gridStepChosen(index); });

    helpBt_ = new QPushButton(QStringLiteral("?"), this);
    helpBt_->setObjectName(QStringLiteral("HelpForm_Bt"));
    helpBt_->setFixedSize(kButtonHeight, kButtonHeight);
    helpBt_->setFocusPolicy(Qt::NoFocus);
    connect(helpBt_, &QPushButton::clicked, this, &ViewPanel::helpRequested);

    // One narrow column beside the canvas: the pan cross, the zoom buttons under it, then the
    // switch, the grid step and the help button, all at the top.
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(2, 0, 2, 2);
    grid->setHorizontalSpacing(2);
    grid->setVerticalSpacing(3);
    grid->addWidget(panButton(PanDirection::Up), 0, 1);
    grid->addWidget(panButton(PanDirection::Left), 1, 0);
    grid->addWidget(panButton(PanDirection::Right), 1, 2);
    grid->addWidget(panButton(PanDirection::Down), 2, 1);
    grid->addWidget(zoomButton(ZoomStep::In), 3, 0);
    grid->addWidget(zoomButton(ZoomStep::Out), 3, 2);
    grid->addWidget(autoScaleCheck_, 4, 0, 1, 3);
    grid->addWidget(gridLabel_, 5, 0, 1, 2);
    grid->addWidget(helpBt_, 5, 2, Qt::AlignRight);
    grid->addWidget(gridStepBox_, 6, 0, 1, 3);
    grid->setRowStretch(7, 1);
}

void ViewPanel::hintOnHover(QWidget* widget, const QString& text) {
    widget->setProperty(kHintProperty, text);
    widget->setMouseTracking(true);
    widget->installEventFilter(this);
}

bool ViewPanel::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Enter || event->type() == QEvent::MouseMove) {
        const QVariant hint = watched->property(kHintProperty);
        if (hint.isValid()) emit statusHint(hint.toString());
    }
    return QWidget::eventFilter(watched, event);
}

void ViewPanel::setViewControlsEnabled(bool tf) {
    autoScaleCheck_->setEnabled(tf);
    for (QPushButton* b : moveCmd_) b->setEnabled(tf);
    for (QPushButton* b : zoomCmd_) b->setEnabled(tf);
    gridStepBox_->setEnabled(tf);
    helpBt_->setEnabled(tf);
    gridLabel_->setEnabled(tf);
}

void ViewPanel::pan(PanDirection direction) {
    canvas_.setAutoScale(false);
    canvas_.view().pan(direction);
    canvas_.redrawSection();
}

void ViewPanel::zoom(ZoomStep step) {
    canvas_.setAutoScale(false);
    canvas_.view().zoom(step);
    canvas_.redrawSection();
}

void ViewPanel::setAutoScale(bool checked) {
    canvas_.setAutoScale(checked);
    if (checked) canvas_.redrawSection();
}

void ViewPanel::gridStepChosen(int index) {
    canvas_.setGridStepText(gridStepBox_->itemText(index));
    canvas_.redrawSection();
}

}  // namespace kuvanto

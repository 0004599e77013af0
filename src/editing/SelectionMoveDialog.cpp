// Layout and buttons of the move dialog.
#include "editing/SelectionMoveDialog.h"

#include <QEvent>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QListView>
#include <QVBoxLayout>

#include "core/base/NumberText.h"
#include "core/table/Transformations.h"
#include "editing/BasePointListModel.h"
#include "editing/DialogParts.h"
#include "editing/EditCommands.h"

namespace kuvanto {

namespace {

// A row "X [x] , Y [y]" of two fields.
QHBoxLayout* pairRow(QWidget* parent, QLineEdit* x, QLineEdit* y) {
    auto* row = new QHBoxLayout;
    row->addWidget(dialogLabel(parent, QStringLiteral("X")));
    row->addWidget(x);
    row->addWidget(dialogLabel(parent, QStringLiteral(", Y")));
    row->addWidget(y);
    return row;
}

QHBoxLayout* buttonRow(QPushButton* ok, QPushButton* cancel) {
    auto* row = new QHBoxLayout;
    row->addStretch(1);
    row->addWidget(ok);
    row->addWidget(cancel);
    return row;
}

}  // namespace

SelectionMoveDialog::SelectionMoveDialog(CoordTable& grid, EditCommands& commands, QWidget* parent)
    : QDialog(parent), grid_(grid), commands_(commands) {
    setObjectName(QStringLiteral("Selection_Move_Form"));
    setWindowTitle(tr("選択座標移動"));
    setModal(true);

    auto* simple = new QGroupBox(tr("単純移動"), this);
    simple->setObjectName(QStringLiteral("Frame1"));
    dx_ = dialogField(simple, QStringLiteral("dX_Text"), QStringLiteral("0"));
    dy_ = dialogField(simple, QStringLiteral("dY_Text"), QStringLiteral("0"));
    simpleOk_ = dialogButton(simple, QStringLiteral("Command1"), QStringLiteral("OK"));
    auto* simpleCancel = dialogButton(simple, QStringLiteral("Command2"), QStringLiteral("Cancel"));
    auto* simpleLayout = new QVBoxLayout(simple);
    simpleLayout->addWidget(dialogLabel(simple, tr("移動距離を入力して下さい。")));
    simpleLayout->addLayout(pairRow(simple, dx_, dy_));
    simpleLayout->addStretch(1);
    simpleLayout->addLayout(buttonRow(simpleOk_, simpleCancel));

    auto* target = new QGroupBox(tr("基点座標→目標座標"), this);
    target->setObjectName(QStringLiteral("Frame2"));
    list_ = new QListView(target);
    list_->setObjectName(QStringLiteral("List1"));
    list_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    // Items of one height, made as they come into sight: a whole large figure opens at once.
    list_->setUniformItemSizes(true);
    list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    basePoints_ = new BasePointListModel(grid_, list_);
    list_->setModel(basePoints_);
    list_->setMinimumWidth(list_->fontMetrics().horizontalAdvance(QString(31, QLatin1Char('0'))));
    baseX_ = dialogLabel(target, QStringLiteral("X = 0"), QStringLiteral("X_or_Label"));
    baseY_ = dialogLabel(target, QStringLiteral("Y = 0"), QStringLiteral("Y_or_Label"));
    targetX_ = dialogField(target, QStringLiteral("Tar_dX_Text"), QStringLiteral("0"));
    targetY_ = dialogField(target, QStringLiteral("Tar_dY_Text"), QStringLiteral("0"));
    targetOk_ = dialogButton(target, QStringLiteral("Command4"), QStringLiteral("OK"));
    auto* targetCancel = dialogButton(target, QStringLiteral("Command5"), QStringLiteral("Cancel"));
    auto* baseRow = new QHBoxLayout;
    baseRow->addWidget(baseX_);
    baseRow->addSpacing(20);
    baseRow->addWidget(baseY_);
    baseRow->addStretch(1);
    auto* targetLayout = new QVBoxLayout(target);
    targetLayout->addWidget(dialogLabel(target, tr("基点座標を選択して下さい。")));
    targetLayout->addWidget(list_, 1);
    targetLayout->addLayout(baseRow);
    targetLayout->addWidget(dialogLabel(target, tr("目標座標を入力して下さい。")));
    targetLayout->addLayout(pairRow(target, targetX_, targetY_));
    targetLayout->addLayout(buttonRow(targetOk_, targetCancel));

    auto* layout = new QHBoxLayout(this);
    layout->addWidget(simple);
    layout->addWidget(target);

    for (QPushButton* button : {simpleOk_, simpleCancel, targetOk_, targetCancel})
        button->setAutoDefault(false);
    simpleOk_->setDefault(true);
    for (QLineEdit* field : {dx_, dy_, targetX_, targetY_}) field->installEventFilter(this);

    connect(simpleOk_, &QPushButton::clicked, this, &SelectionMoveDialog::simpleMove);
    connect(targetOk_, &QPushButton::clicked, this, &SelectionMoveDialog::baseToTarget);
    connect(simpleCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(targetCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(list_, &QListView::clicked, this,
            [this](const QModelIndex& index) { chooseBasePoint(index.row()); });
    dx_->setFocus();
}

bool SelectionMoveDialog::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn) {
        // The OK of the panel being typed in answers Enter.
        const bool simpleField = watched == dx_ || watched == dy_;
        simpleOk_->setDefault(simpleField);
        targetOk_->setDefault(!simpleField);
    }
    return QDialog::eventFilter(watched, event);
}

void SelectionMoveDialog::chooseBasePoint(int index) {
    if (index < 0 || index >= basePoints_->rowCount()) return;
    list_->setCurrentIndex(basePoints_->index(index));
    const QPointF base =
        basePoints_->index(index).data(BasePointListModel::kBasePointRole).toPointF();
    baseX_->setText(QStringLiteral("X = ") + QString::fromStdString(numText(base.x())));
    baseY_->setText(QStringLiteral("Y = ") + QString::fromStdString(numText(base.y())));
    targetX_->setText(QString::fromStdString(numText(base.x())));
    targetY_->setText(QString::fromStdString(numText(base.y())));
}

void SelectionMoveDialog::simpleMove() {
    if (commands_.move(grid_, lenientValue(dx_->text().toStdString()),
                       lenientValue(dy_->text().toStdString())))
        accept();
}

void SelectionMoveDialog::baseToTarget() {
    QPointF base;
    if (const QModelIndex current = list_->currentIndex();
        current.isValid() && list_->selectionModel()->isSelected(current))
        base = current.data(BasePointListModel::kBasePointRole).toPointF();
    if (commands_.move(grid_, lenientValue(targetX_->text().toStdString()) - base.x(),
                       lenientValue(targetY_->text().toStdString()) - base.y()))
        accept();
}

}  // namespace kuvanto

// Layout and OK of the scaling dialog.
#include "editing/SelectionScalingDialog.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "core/base/NumberText.h"
#include "editing/DialogParts.h"
#include "editing/EditCommands.h"

namespace kuvanto {

SelectionScalingDialog::SelectionScalingDialog(CoordTable& grid, EditCommands& commands,
                                               Messenger& messenger, QWidget* parent)
    : QDialog(parent), grid_(grid), commands_(commands), msg_(messenger) {
    setObjectName(QStringLiteral("Selection_Scaling_Form"));
    setWindowTitle(tr("選択座標拡大･縮小"));
    setModal(true);

    baseX_ = dialogField(this, QStringLiteral("X_Text"), QStringLiteral("0"));
    baseY_ = dialogField(this, QStringLiteral("Y_Text"), QStringLiteral("0"));
    factor_ = dialogField(this, QStringLiteral("Scale_Text"), QStringLiteral("1"));
    auto* ok = dialogButton(this, QStringLiteral("Command1"), QStringLiteral("OK"));
    auto* cancel = dialogButton(this, QStringLiteral("Command2"), QStringLiteral("Cancel"));
    ok->setDefault(true);

    auto* fields = new QGridLayout;
    fields->addWidget(dialogLabel(this, tr("基点 X")), 0, 0, Qt::AlignRight);
    fields->addWidget(baseX_, 0, 1);
    fields->addWidget(dialogLabel(this, QStringLiteral(", Y")), 0, 2);
    fields->addWidget(baseY_, 0, 3);
    fields->addWidget(dialogLabel(this, tr("尺度 α")), 1, 0, Qt::AlignRight);
    fields->addWidget(factor_, 1, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(dialogLabel(this, tr("基点及び尺度を入力して下さい。")));
    layout->addLayout(fields);
    layout->addLayout(buttons);

    connect(ok, &QPushButton::clicked, this, &SelectionScalingDialog::confirm);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    baseX_->setFocus();
}

void SelectionScalingDialog::confirm() {
    const auto x0 = parseNumeric(baseX_->text().toStdString());
    const auto y0 = parseNumeric(baseY_->text().toStdString());
    const auto factor = parseNumeric(factor_->text().toStdString());
    if (!x0 || !y0 || !factor) {
        msg_.notice(kScalingNotANumber);
        return;
    }
    if (commands_.scale(grid_, *x0, *y0, *factor)) accept();
}

}  // namespace kuvanto

// Layout and OK of the rotation dialog.
#include "editing/SelectionRotateDialog.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "core/base/NumberText.h"
#include "editing/DialogParts.h"
#include "editing/EditCommands.h"

namespace kuvanto {

SelectionRotateDialog::SelectionRotateDialog(CoordTable& grid, EditCommands& commands,
                                             QWidget* parent)
    : QDialog(parent), grid_(grid), commands_(commands) {
    setObjectName(QStringLiteral("Selection_Rotate_Form"));
    setWindowTitle(tr("選択座標回転"));
    setModal(true);

    centreX_ = dialogField(this, QStringLiteral("X_Text"), QStringLiteral("0"));
    centreY_ = dialogField(this, QStringLiteral("Y_Text"), QStringLiteral("0"));
    angle_ = dialogField(this, QStringLiteral("θ_Text"), QStringLiteral("90"));
    auto* ok = dialogButton(this, QStringLiteral("Command1"), QStringLiteral("OK"));
    auto* cancel = dialogButton(this, QStringLiteral("Command2"), QStringLiteral("Cancel"));
    ok->setDefault(true);

    auto* fields = new QGridLayout;
    fields->addWidget(dialogLabel(this, tr("中心 X")), 0, 0, Qt::AlignRight);
    fields->addWidget(centreX_, 0, 1);
    fields->addWidget(dialogLabel(this, QStringLiteral(", Y")), 0, 2);
    fields->addWidget(centreY_, 0, 3);
    fields->addWidget(dialogLabel(this, tr("角度 θ")), 1, 0, Qt::AlignRight);
    fields->addWidget(angle_, 1, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(dialogLabel(this, tr("回転中心座標および回転角度を入力して下さい。")));
    layout->addLayout(fields);
    layout->addLayout(buttons);

    connect(ok, &QPushButton::clicked, this, &SelectionRotateDialog::confirm);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    centreX_->setFocus();
}

void SelectionRotateDialog::confirm() {
    if (commands_.rotate(grid_, lenientValue(centreX_->text().toStdString()),
                         lenientValue(centreY_->text().toStdString()),
                         lenientValue(angle_->text().toStdString())))
        accept();
}

}  // namespace kuvanto

// Layout and OK of the coordinate dialog.
#include "editing/EditCoordDialog.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

#include "core/table/CoordTable.h"
#include "editing/DialogParts.h"
#include "editing/EditCommands.h"

namespace kuvanto {

EditCoordDialog::EditCoordDialog(CoordTable& grid, EditCommands& commands, QWidget* parent)
    : QDialog(parent), grid_(grid), commands_(commands) {
    setObjectName(QStringLiteral("EditCood_Form"));
    setWindowTitle(tr("座標編集"));
    setModal(true);

    x_ = dialogField(this, QStringLiteral("dX_Text"),
                     QString::fromStdString(grid.text(grid.row(), 0)));
    y_ = dialogField(this, QStringLiteral("dY_Text"),
                     QString::fromStdString(grid.text(grid.row(), 1)));
    auto* ok = dialogButton(this, QStringLiteral("Command1"), QStringLiteral("OK"));
    auto* cancel = dialogButton(this, QStringLiteral("Command2"), QStringLiteral("Cancel"));
    ok->setDefault(true);

    auto* fields = new QHBoxLayout;
    fields->addWidget(dialogLabel(this, QStringLiteral("X")));
    fields->addWidget(x_);
    fields->addWidget(dialogLabel(this, QStringLiteral(", Y")));
    fields->addWidget(y_);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(dialogLabel(this, tr("新しい座標を入力して下さい。")));
    layout->addLayout(fields);
    layout->addLayout(buttons);

    connect(ok, &QPushButton::clicked, this, &EditCoordDialog::confirm);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    x_->setFocus();
}

void EditCoordDialog::confirm() {
    if (commands_.editCoordinate(grid_, x_->text(), y_->text())) accept();
}

}  // namespace kuvanto

// The rectangle dialog. Layout: the prompt, the picture on the left, the start and end corner rows
// on the right and the buttons below them.
#include "shapes/RectangleDialog.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

#include "shapes/DialogParts.h"
#include "shapes/RectanglePicture.h"

namespace kuvanto {

RectangleDialog::RectangleDialog(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("Rect_Insert_Form"));
    setWindowTitle(tr("矩形図形の挿入"));
    setModal(true);

    auto* picture = new RectanglePicture(this);
    picture->setObjectName(QStringLiteral("Picture1"));

    startX_ = namedField(QStringLiteral("St_X_Text"), QStringLiteral("0"), this);
    startY_ = namedField(QStringLiteral("St_Y_Text"), QStringLiteral("0"), this);
    endX_ = namedField(QStringLiteral("En_X_Text"), QStringLiteral("50"), this);
    endY_ = namedField(QStringLiteral("En_Y_Text"), QStringLiteral("50"), this);

    auto* fields = new QGridLayout;
    fields->addWidget(namedLabel(QStringLiteral("Label2"), tr("始点"), this), 0, 0);
    fields->addWidget(namedLabel(QStringLiteral("Label3"), QStringLiteral("X"), this), 0, 1,
                      Qt::AlignRight);
    fields->addWidget(startX_, 0, 2);
    fields->addWidget(namedLabel(QStringLiteral("Label4"), QStringLiteral(", Y"), this), 0, 3);
    fields->addWidget(startY_, 0, 4);
    fields->addWidget(namedLabel(QStringLiteral("Label5"), tr("終点"), this), 1, 0);
    fields->addWidget(namedLabel(QStringLiteral("Label6"), QStringLiteral("X"), this), 1, 1,
                      Qt::AlignRight);
    fields->addWidget(endX_, 1, 2);
    fields->addWidget(namedLabel(QStringLiteral("Label7"), QStringLiteral(", Y"), this), 1, 3);
    fields->addWidget(endY_, 1, 4);

    layOutWithPicture(this, picture, fields,
                      namedLabel(QStringLiteral("Label1"), tr("対角座標を入力して下さい。"), this));

    startX_->setFocus();
    startX_->selectAll();
}

RectangleCorners RectangleDialog::corners() const {
    return {startX_->text().toStdString(), startY_->text().toStdString(),
            endX_->text().toStdString(), endY_->text().toStdString()};
}

}  // namespace kuvanto

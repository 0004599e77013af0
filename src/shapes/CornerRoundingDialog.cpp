// The corner-rounding dialog. Layout: the read-only points under "通過座標" on the left with the
// radius and division fields below them; the preview and its hint on the right; the buttons below.
#include "shapes/CornerRoundingDialog.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStringList>
#include <QVBoxLayout>

#include "core/base/NumberText.h"
#include "io/UiText.h"
#include "shapes/CornerPreview.h"
#include "shapes/DialogParts.h"

namespace kuvanto {

namespace {

constexpr UiText kFlipHint{"CornerRoundingDialog",
                           QT_TRANSLATE_NOOP("CornerRoundingDialog", "R方向の修正は図をクリック")};

QLineEdit* display(const QString& name, const std::string& text, QWidget* parent) {
    QLineEdit* field = namedField(name, QString::fromStdString(text), parent);
    field->setReadOnly(true);
    return field;
}

}  // namespace

QString CornerRoundingDialog::problemText(FilletProblem problem) {
    switch (problem) {
        case FilletProblem::unusableDivisions:
            return tr("円弧分割数は0より大きく720未満の値を入力して下さい。");
        case FilletProblem::unusableRadius:
            return tr("半径は正の値を入力して下さい。");
        case FilletProblem::coincidentPoint:
            return tr("コーナーと隣の座標が同じため、R付けできません。");
        case FilletProblem::collinearLegs:
            return tr("コーナーの前後の辺が一直線上にあるため、R付けできません。");
        case FilletProblem::none:
            break;
    }
    return {};
}

CornerRoundingDialog::CornerRoundingDialog(const CornerSource& source, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("Arc3P_Insert_Form"));
    setWindowTitle(tr("円（円弧）の挿入"));
    setModal(true);

    const auto value = [](const std::string& text) { return lenientValue(text); };
    corner_ = {value(source.cornerX), value(source.cornerY)};
    start_ = {value(source.startX), value(source.startY)};
    end_ = {value(source.endX), value(source.endY)};

    auto* points = new QGridLayout;
    points->addWidget(namedLabel(QStringLiteral("Label1"), tr("通過座標"), this), 0, 0, 1, 4);
    // One row of a point: caption, X display, ", Y" caption, Y display (design object names).
    const auto addPoint = [&](int row, const QStringList& names, const QString& caption,
                              const QString& yCaption, const std::string& x, const std::string& y) {
        points->addWidget(namedLabel(names[0], caption, this), row, 0);
        points->addWidget(display(names[1], x, this), row, 1);
        points->addWidget(namedLabel(names[2], yCaption, this), row, 2);
        points->addWidget(display(names[3], y, this), row, 3);
    };
    addPoint(1, {"Label3", "X1_Text", "Label4", "Y1_Text"}, tr("始点　X1"), QStringLiteral(", Y1"),
             source.startX, source.startY);
    addPoint(2, {"Label2", "X2_Text", "Label5", "Y2_Text"}, tr("終点　X2"), QStringLiteral(", Y2"),
             source.endX, source.endY);
    addPoint(3, {"Label12", "Xc_Text", "Label13", "Yc_Text"}, tr("交点　Xc"),
             QStringLiteral(", Yc"), source.cornerX, source.cornerY);

    radius_ = namedField(QStringLiteral("R_Text"), QStringLiteral("5"), this);
    divisions_ = namedField(QStringLiteral("dev_Text"), QStringLiteral("36"), this);
    divisions_->setToolTip(tr("分割数を少なくするとことで多角形"));
    auto* inputs = new QGridLayout;
    inputs->addWidget(namedLabel(QStringLiteral("Label11"), tr("半径"), this), 0, 0);
    inputs->addWidget(namedLabel(QStringLiteral("Label10"), QStringLiteral("R"), this), 0, 1,
                      Qt::AlignRight);
    inputs->addWidget(radius_, 0, 2);
    inputs->addWidget(namedLabel(QStringLiteral("Label9"), tr("円弧分割数"), this), 1, 0);
    inputs->addWidget(namedLabel(QStringLiteral("Label7"), QStringLiteral("360°/"), this), 1, 1,
                      Qt::AlignRight);
    inputs->addWidget(divisions_, 1, 2);
    inputs->addWidget(namedLabel(QStringLiteral("Label8"), tr("分割"), this), 1, 3);

    preview_ = new CornerPreview(this);
    preview_->setObjectName(QStringLiteral("Picture1"));
    preview_->setToolTip(kFlipHint);
    problemLabel_ = namedLabel(QStringLiteral("Problem_Label"), QString(), this);
    problemLabel_->setWordWrap(true);
    problemLabel_->setStyleSheet(QStringLiteral("color: #b00000"));

    auto* left = new QVBoxLayout;
    left->addLayout(points);
    left->addSpacing(8);
    left->addLayout(inputs);
    left->addStretch(1);
    left->addWidget(problemLabel_);

    auto* right = new QVBoxLayout;
    right->addWidget(preview_, 1);
    right->addWidget(namedLabel(QStringLiteral("Label6"), kFlipHint, this), 0, Qt::AlignHCenter);

    auto* body = new QHBoxLayout;
    body->addLayout(left);
    body->addLayout(right, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(body, 1);
    layout->addWidget(okCancelButtons(this, &ok_));

    connect(radius_, &QLineEdit::textChanged, this, &CornerRoundingDialog::recompute);
    connect(divisions_, &QLineEdit::textChanged, this, &CornerRoundingDialog::recompute);
    connect(preview_, &CornerPreview::clicked, this, &CornerRoundingDialog::flip);
    recompute();
    radius_->setFocus();
    radius_->selectAll();
}

void CornerRoundingDialog::flip() {
    flipped_ = !flipped_;
    recompute();
}

void CornerRoundingDialog::recompute() {
    fillet_ =
        computeFillet(corner_, start_, end_, fieldValue(radius_), fieldValue(divisions_), flipped_);
    preview_->setShape(corner_, start_, end_, fillet_.vertices);
    problemLabel_->setText(problemText(fillet_.problem));
    ok_->setEnabled(fillet_.problem == FilletProblem::none);
}

}  // namespace kuvanto

// The corner-rounding dialog "Arc3P_Insert_Form": shows the corner and its start and end points,
// takes the radius and the division count, and previews the fillet, recomputed at every keystroke
// in either field and flipped to the other side by a click on the preview. OK stays disabled while
// the radius or the count cannot be used or the corner has no fillet; the reason is shown beside
// the preview. The command writes the accepted fillet.
#pragma once

#include <QDialog>

#include "core/shapes/CornerRounding.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace kuvanto {

class CornerPreview;

class CornerRoundingDialog : public QDialog {
    Q_OBJECT
public:
    explicit CornerRoundingDialog(const CornerSource& source, QWidget* parent = nullptr);

    // Why a fillet cannot be made, as the dialog and the command tell the user.
    static QString problemText(FilletProblem problem);

    // The fillet of the current fields and side.
    const Fillet& fillet() const { return fillet_; }
    bool flipped() const { return flipped_; }

    QLineEdit* radiusField() const { return radius_; }
    QLineEdit* divisionsField() const { return divisions_; }
    CornerPreview* preview() const { return preview_; }
    QPushButton* okButton() const { return ok_; }

public slots:
    // Toggles the side of the fillet (the preview's click).
    void flip();

private:
    void recompute();

    Point corner_, start_, end_;
    QLineEdit* radius_;
    QLineEdit* divisions_;
    CornerPreview* preview_;
    QLabel* problemLabel_;
    QPushButton* ok_ = nullptr;
    bool flipped_ = false;
    Fillet fillet_;
};

}  // namespace kuvanto

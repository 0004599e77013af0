// The rotation dialog "選択座標回転": the centre (X, Y) and the angle θ in degrees (90 at
// first). OK turns the selected rows of the table about the centre (with a snapshot) and closes
// with Accepted; Cancel closes without change. Fields read leniently: text without a number
// counts as 0.
#pragma once

#include <QDialog>

class QLineEdit;

namespace kuvanto {

class CoordTable;
class EditCommands;

class SelectionRotateDialog : public QDialog {
    Q_OBJECT
public:
    SelectionRotateDialog(CoordTable& grid, EditCommands& commands, QWidget* parent = nullptr);

    void confirm();  // OK

private:
    CoordTable& grid_;
    EditCommands& commands_;
    QLineEdit* centreX_;
    QLineEdit* centreY_;
    QLineEdit* angle_;
};

}  // namespace kuvanto

// The coordinate dialog "座標編集" for the vertex picked on the canvas: the X and Y texts of the
// table's current row, written back unchanged on OK (any text is accepted) with a snapshot;
// Cancel closes without change.
#pragma once

#include <QDialog>

class QLineEdit;

namespace kuvanto {

class CoordTable;
class EditCommands;

class EditCoordDialog : public QDialog {
    Q_OBJECT
public:
    EditCoordDialog(CoordTable& grid, EditCommands& commands, QWidget* parent = nullptr);

    void confirm();  // OK

private:
    CoordTable& grid_;
    EditCommands& commands_;
    QLineEdit* x_;
    QLineEdit* y_;
};

}  // namespace kuvanto

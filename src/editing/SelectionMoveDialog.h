// The move dialog "選択座標移動": two independent panels, a simple move by a distance
// ("単純移動") and a move from a base vertex chosen in a list of the selected vertices to a target
// point ("基点座標→目標座標"), each with its own OK and Cancel. Enter triggers the OK of the panel
// whose field has the focus. OK moves the selected rows of the table (with a snapshot) and
// closes with Accepted; Cancel closes without change.
#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QListView;
class QPushButton;

namespace kuvanto {

class BasePointListModel;
class CoordTable;
class EditCommands;

class SelectionMoveDialog : public QDialog {
    Q_OBJECT
public:
    SelectionMoveDialog(CoordTable& grid, EditCommands& commands, QWidget* parent = nullptr);

    // Choosing list item `index` as the base point, as a click on it does.
    void chooseBasePoint(int index);
    // The OK buttons of the two panels.
    void simpleMove();
    void baseToTarget();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    CoordTable& grid_;
    EditCommands& commands_;
    QLineEdit* dx_;
    QLineEdit* dy_;
    QListView* list_;
    BasePointListModel* basePoints_;
    QLabel* baseX_;
    QLabel* baseY_;
    QLineEdit* targetX_;
    QLineEdit* targetY_;
    QPushButton* simpleOk_;
    QPushButton* targetOk_;
};

}  // namespace kuvanto

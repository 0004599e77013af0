// The scaling dialog "選択座標拡大･縮小": the base point (X, Y) and the factor α (1 at first).
// OK scales the selected rows about the base point, which stays fixed (with a snapshot), and
// closes with Accepted. The fields must hold numbers: otherwise a message says so, nothing
// changes and the dialog stays open. Cancel closes without change.
#pragma once

#include <QDialog>
#include "io/UiText.h"

class QLineEdit;

namespace kuvanto {

class CoordTable;
class EditCommands;
class Messenger;

inline constexpr UiText kScalingNotANumber{
    "SelectionScalingDialog",
    QT_TRANSLATE_NOOP("SelectionScalingDialog", "基点及び尺度には数値を入力して下さい。")};

class SelectionScalingDialog : public QDialog {
    Q_OBJECT
public:
    SelectionScalingDialog(CoordTable& grid, EditCommands& commands, Messenger& messenger,
                           QWidget* parent = nullptr);

    void confirm();  // OK

private:
    CoordTable& grid_;
    EditCommands& commands_;
    Messenger& msg_;
    QLineEdit* baseX_;
    QLineEdit* baseY_;
    QLineEdit* factor_;
};

}  // namespace kuvanto

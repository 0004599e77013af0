// The dialog that edits the user's list of materials: the list on the left, the chosen
// material's values on the right, buttons to add, change, copy and remove, and a line that says
// why values were refused. The shipped materials are shown read-only; a copy of one can be
// edited. OK writes the list through the safe write (the dialog stays open when it cannot).
#pragma once

#include <QDialog>

#include "editing/MaterialListEdit.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace kuvanto {

class MaterialListDialog : public QDialog {
    Q_OBJECT
public:
    MaterialListDialog(MaterialListEdit list, QString folder, QWidget* parent = nullptr);

    const MaterialListEdit& list() const { return list_; }
    QListWidget* materialList() const { return listView_; }
    QLineEdit* field(int index) const { return fields_[index]; }  // name, E, ν, fy, ρ, source
    static constexpr int kFieldCount = 6;
    QLabel* message() const { return message_; }
    QPushButton* addButton() const { return add_; }
    QPushButton* changeButton() const { return change_; }
    QPushButton* copyButton() const { return copy_; }
    QPushButton* removeButton() const { return remove_; }

    void accept() override;

private:
    void fillList(int select);
    void showMaterial(int row);
    MaterialFields enteredFields() const;
    void tell(const std::optional<QString>& problem);

    MaterialListEdit list_;
    QString folder_;
    QListWidget* listView_ = nullptr;
    QLineEdit* fields_[kFieldCount] = {};
    QLabel* message_ = nullptr;
    QPushButton* add_ = nullptr;
    QPushButton* change_ = nullptr;
    QPushButton* copy_ = nullptr;
    QPushButton* remove_ = nullptr;
};

}  // namespace kuvanto

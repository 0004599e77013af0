// The management dialog of the shape library ("登録図形データファイルの管理"): registers a data
// file under a name and deletes registrations. It ends with Accepted when the registry changed,
// so that the insertion dialog reopens with the new category list.
#pragma once

#include <QDialog>

class QLineEdit;
class QListWidget;
class QPushButton;

namespace kuvanto {

class Messenger;
class ShapeLibrary;

class LibraryManageDialog : public QDialog {
    Q_OBJECT
public:
    LibraryManageDialog(const ShapeLibrary& library, Messenger& messenger,
                        QWidget* parent = nullptr);

    QLineEdit* fileEdit() const { return file_; }
    QLineEdit* nameEdit() const { return name_; }
    QListWidget* registrations() const { return list_; }

    // The buttons' work: "<" (browse), "OK" (register) and "Delete".
    void browse();
    void registerFile();
    void deleteSelected();

private:
    const ShapeLibrary& library_;
    Messenger& messenger_;
    QLineEdit* file_ = nullptr;
    QLineEdit* name_ = nullptr;
    QListWidget* list_ = nullptr;
};

}  // namespace kuvanto

// The insertion dialog of the shape library ("登録図形の挿入"): a category list, the part list of
// the chosen category, the preview with its blinking hint until a base point is picked, the picked
// base point, the insertion coordinates and OK. "+/-" opens the management dialog; when that
// changed the registry this dialog ends with kReopen so that the caller opens a fresh one.
#pragma once

#include <QDialog>
#include <optional>

#include "core/shapes/ShapeOutlines.h"
#include "shapes/ShapeLibrary.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTimer;

namespace kuvanto {

class LibraryPreview;
class Messenger;
class Workspace;

class ShapeInsertDialog : public QDialog {
    Q_OBJECT
public:
    // The exec() result after the registry was changed through "+/-".
    static constexpr int kReopen = 2;

    // Inserts into `grid` (the active coordinate table) of the workspace.
    ShapeInsertDialog(Workspace& workspace, CoordTable& grid, const ShapeLibrary& library,
                      Messenger& messenger, QWidget* parent = nullptr);

    QComboBox* categoryList() const { return categories_; }
    QListWidget* partList() const { return parts_; }
    LibraryPreview* preview() const { return preview_; }
    QLabel* hint() const { return hint_; }
    QLabel* baseX() const { return baseX_; }
    QLabel* baseY() const { return baseY_; }
    QLineEdit* targetX() const { return targetX_; }
    QLineEdit* targetY() const { return targetY_; }
    QPushButton* okButton() const { return ok_; }
    QPushButton* manageButton() const { return manage_; }
    QTimer* blinkTimer() const { return timer_; }
    QString dataPath() const { return dataPath_; }

    // The preview's click at a world position (what a mouse release over the preview does).
    void pickAt(PlanePoint world);
    // OK: inserts and closes; a file that cannot be read leaves the table and the dialog as they
    // are.
    void insertPart();

private:
    void chooseCategory();
    void choosePart();
    bool drawPreview();
    void blink();
    void openManagement();

    Workspace& workspace_;
    CoordTable& grid_;
    const ShapeLibrary& library_;
    Messenger& messenger_;

    QComboBox* categories_ = nullptr;
    QListWidget* parts_ = nullptr;
    QPushButton* manage_ = nullptr;
    LibraryPreview* preview_ = nullptr;
    QLabel* hint_ = nullptr;
    QLabel* baseX_ = nullptr;
    QLabel* baseY_ = nullptr;
    QLineEdit* targetX_ = nullptr;
    QLineEdit* targetY_ = nullptr;
    QPushButton* ok_ = nullptr;
    QTimer* timer_ = nullptr;

    QString dataPath_;
    std::optional<PlanePoint> base_;
    bool hintBright_ = false;
    bool chosenBeforePress_ = false;  // the current row changed since the last press on a part
};

}  // namespace kuvanto

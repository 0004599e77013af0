// The dialog "DXFファイルの読み込み": the drawing's layers with their loop counts to choose from,
// the drawing's unit, a scale and the chord error, whether outlines that cross are joined into
// one figure and whether layers off or frozen are read, a preview of the figures with holes shown
// as holes, the loops left out with their places, and whether the figures replace the tables or go
// in at the current rows. OK puts the figures into the tables (DrawingImport::apply).
#pragma once

#include <QDialog>

#include "editing/DrawingImport.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPushButton;

namespace kuvanto {

class DrawingPreview;
class Messenger;
class Workspace;

class DxfImportDialog : public QDialog {
    Q_OBJECT

public:
    DxfImportDialog(DrawingImport import, const QString& fileName, Workspace& work,
                    Messenger& messenger, QWidget* parent = nullptr);

    const DrawingImport& import() const { return import_; }

    void accept() override;

private:
    void fillLayers();
    void optionsChanged();
    void layersChanged();
    void showFigures();

    DrawingImport import_;
    Workspace& work_;
    Messenger& messenger_;
    QListWidget* layerList_ = nullptr;
    QComboBox* unit_ = nullptr;
    QLineEdit* scale_ = nullptr;
    QLineEdit* chordError_ = nullptr;
    QCheckBox* join_ = nullptr;
    QCheckBox* hidden_ = nullptr;
    DrawingPreview* preview_ = nullptr;
    QListWidget* problemList_ = nullptr;
    QLabel* summary_ = nullptr;
    QButtonGroup* placement_ = nullptr;
    QPushButton* ok_ = nullptr;
};

}  // namespace kuvanto

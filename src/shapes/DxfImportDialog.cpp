// The DXF import dialog. Layout: the layers, the unit, scale and chord error and the placement
// on the left; the preview with the figure counts and the list of loops left out on the right;
// the buttons below.
#include "shapes/DxfImportDialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <cmath>

#include "core/base/NumberText.h"
#include "editing/Messenger.h"
#include "editing/Workspace.h"
#include "shapes/DrawingPreview.h"

namespace kuvanto {

namespace {}  // namespace

DxfImportDialog::DxfImportDialog(DrawingImport import, const QString& fileName, Workspace& work,
                                 Messenger& messenger, QWidget* parent)
    : QDialog(parent), import_(std::move(import)), work_(work), messenger_(messenger) {
    setObjectName(QStringLiteral("Dxf_Import_Form"));
    setWindowTitle(tr("DXFファイルの読み込み"));
    setModal(true);

    auto* file = new QLabel(tr("ファイル: %1").arg(QFileInfo(fileName).fileName()), this);
    file->setObjectName(QStringLiteral("File_Label"));

    layerList_ = new QListWidget(this);
    layerList_->setObjectName(QStringLiteral("Layer_List"));
    auto* layerBox = new QGroupBox(tr("画層（閉じた輪郭の数）"), this);
    (new QVBoxLayout(layerBox))->addWidget(layerList_);

    unit_ = new QComboBox(this);
    unit_->setObjectName(QStringLiteral("Unit_Combo"));
    // Unit symbols, the same in every language.
    for (const DrawingUnitInfo& info : DxfImport::units())
        unit_->addItem(QString::fromLatin1(info.name));
    unit_->setCurrentIndex(static_cast<int>(import_.options().unit));
    scale_ = new QLineEdit(QStringLiteral("1"), this);
    scale_->setObjectName(QStringLiteral("Scale_Text"));
    chordError_ = new QLineEdit(this);
    chordError_->setObjectName(QStringLiteral("Chord_Text"));
    chordError_->setPlaceholderText(tr("登録図形と同じ (1/4円を64分割)"));
    auto* form = new QFormLayout;
    form->addRow(tr("図面の単位"), unit_);
    form->addRow(tr("尺度"), scale_);
    form->addRow(tr("弦の誤差 (mm)"), chordError_);
    join_ = new QCheckBox(tr("交差する輪郭を一つの図形に結合する"), this);
    join_->setObjectName(QStringLiteral("Join_Check"));
    hidden_ = new QCheckBox(tr("オフ・フリーズの画層も読む"), this);
    hidden_->setObjectName(QStringLiteral("Hidden_Check"));
    join_->setToolTip(
        tr("組み立て断面のように重なった輪郭を和の一つの図形にします。"
           "外すと交差する輪郭は読み込みません。"));

    auto* placementBox = new QGroupBox(tr("読み込み先"), this);
    auto* replace = new QRadioButton(tr("表を置き換える"), placementBox);
    replace->setObjectName(QStringLiteral("Replace_Option"));
    auto* insert = new QRadioButton(tr("選択行に挿入する"), placementBox);
    insert->setObjectName(QStringLiteral("Insert_Option"));
    replace->setChecked(true);
    placement_ = new QButtonGroup(this);
    placement_->addButton(replace, static_cast<int>(DrawingImport::Placement::ReplaceTables));
    placement_->addButton(insert, static_cast<int>(DrawingImport::Placement::InsertAtCurrentRow));
    auto* placementLayout = new QVBoxLayout(placementBox);
    placementLayout->addWidget(replace);
    placementLayout->addWidget(insert);

    auto* left = new QVBoxLayout;
    left->addWidget(file);
    left->addWidget(layerBox, 1);
    left->addLayout(form);
    left->addWidget(join_);
    left->addWidget(hidden_);
    left->addWidget(placementBox);

    preview_ = new DrawingPreview(this);
    preview_->setObjectName(QStringLiteral("Preview_Picture"));
    summary_ = new QLabel(this);
    summary_->setObjectName(QStringLiteral("Summary_Label"));
    summary_->setWordWrap(true);
    problemList_ = new QListWidget(this);
    problemList_->setObjectName(QStringLiteral("Problem_List"));
    problemList_->setMaximumHeight(110);
    auto* right = new QVBoxLayout;
    right->addWidget(preview_, 1);
    right->addWidget(summary_);
    right->addWidget(new QLabel(tr("読み込まない輪郭（開いた輪郭・自己交差・交差・重複）"), this));
    right->addWidget(problemList_);

    auto* body = new QHBoxLayout;
    body->addLayout(left);
    body->addLayout(right, 1);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    ok_ = buttons->button(QDialogButtonBox::Ok);
    ok_->setObjectName(QStringLiteral("OK_Button"));
    connect(buttons, &QDialogButtonBox::accepted, this, &DxfImportDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &DxfImportDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(body, 1);
    layout->addWidget(buttons);

    fillLayers();
    layersChanged();
    connect(layerList_, &QListWidget::itemChanged, this, &DxfImportDialog::layersChanged);
    connect(unit_, &QComboBox::currentIndexChanged, this, &DxfImportDialog::optionsChanged);
    connect(scale_, &QLineEdit::editingFinished, this, &DxfImportDialog::optionsChanged);
    connect(chordError_, &QLineEdit::editingFinished, this, &DxfImportDialog::optionsChanged);
    connect(join_, &QCheckBox::toggled, this, &DxfImportDialog::optionsChanged);
    // Layers off or frozen are checked or unchecked together with the box.
    connect(hidden_, &QCheckBox::toggled, this, [this](bool on) {
        {
            const QSignalBlocker blocker(layerList_);
            for (int i = 0; i < layerList_->count(); ++i) {
                QListWidgetItem* item = layerList_->item(i);
                const std::string name = item->data(Qt::UserRole).toString().toStdString();
                for (const LayerOutlines& layer : import_.layers())
                    if (layer.name == name && layer.hidden &&
                        (!layer.loops.empty() || !layer.problems.empty()))
                        item->setCheckState(on ? Qt::Checked : Qt::Unchecked);
            }
        }
        layersChanged();
    });
}

void DxfImportDialog::fillLayers() {
    const QSignalBlocker blocker(layerList_);
    std::vector<std::string> checked;
    for (int i = 0; i < layerList_->count(); ++i)
        if (layerList_->item(i)->checkState() == Qt::Checked)
            checked.push_back(layerList_->item(i)->data(Qt::UserRole).toString().toStdString());
    const bool first = layerList_->count() == 0;
    layerList_->clear();
    for (const LayerOutlines& layer : import_.layers()) {
        QString text =
            tr("%1（%2）").arg(QString::fromStdString(layer.name)).arg(layer.loops.size());
        if (!layer.problems.empty()) text += tr(" 除外 %1").arg(layer.problems.size());
        if (layer.ignored > 0) text += tr(" 他の要素 %1").arg(layer.ignored);
        auto* item = new QListWidgetItem(text, layerList_);
        item->setData(Qt::UserRole, QString::fromStdString(layer.name));
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
        if (layer.hidden) text += tr(" (オフ/フリーズ)");
        const bool on =
            first ? (!layer.loops.empty() || !layer.problems.empty()) && !layer.hidden
                  : std::find(checked.begin(), checked.end(), layer.name) != checked.end();
        item->setCheckState(on ? Qt::Checked : Qt::Unchecked);
    }
}

void DxfImportDialog::layersChanged() {
    DxfImportOptions options = import_.options();
    options.layers.clear();
    for (int i = 0; i < layerList_->count(); ++i)
        if (layerList_->item(i)->checkState() == Qt::Checked)
            options.layers.push_back(
                layerList_->item(i)->data(Qt::UserRole).toString().toStdString());
    // No layer checked chooses none (an empty list would mean every layer).
    if (options.layers.empty()) options.layers.push_back(std::string("\x01"));
    QString error;
    import_.setOptions(options, &error);
    showFigures();
}

void DxfImportDialog::optionsChanged() {
    DxfImportOptions options = import_.options();
    options.unit = static_cast<DrawingUnit>(
        std::clamp(unit_->currentIndex(), 0, static_cast<int>(DxfImport::units().size()) - 1));
    const std::optional<double> scale = parseNumeric(scale_->text().trimmed().toStdString());
    const QString chordText = chordError_->text().trimmed();
    const std::optional<double> chord =
        chordText.isEmpty() ? std::optional<double>(0) : parseNumeric(chordText.toStdString());
    if (!scale || !(*scale > 1e-6 && *scale < 1e6) || !chord || !(*chord >= 0 && *chord < 1e6)) {
        summary_->setText(tr("尺度と弦の誤差には正の数を入力して下さい。"));
        ok_->setEnabled(false);
        return;
    }
    options.scale = *scale;
    options.chordError = *chord;
    options.join = join_->isChecked();
    QString error;
    if (!import_.setOptions(options, &error)) {
        summary_->setText(error);
        ok_->setEnabled(false);
        return;
    }
    fillLayers();
    showFigures();
}

void DxfImportDialog::showFigures() {
    const SectionFigures figures = import_.figures();
    preview_->setFigures(figures);
    summary_->setText(
        tr("加算図形 %1、減算図形 %2").arg(figures.added.size()).arg(figures.subtracted.size()));
    problemList_->clear();
    problemList_->addItems(DxfImport::readingNotices(import_.drawing()));
    const QString assumed = DxfImport::assumedUnitNotice(import_.drawing());
    if (!assumed.isEmpty() && unit_->currentIndex() == 0) problemList_->addItem(assumed);
    problemList_->addItems(import_.problemTexts());
    for (const FigureClash& clash : figures.clashes)
        problemList_->addItem(DxfImport::clashText(clash));
    ok_->setEnabled(!figures.added.empty() || !figures.subtracted.empty());
    const QString reason = DxfImport::noSectionReason(import_.layers(), import_.options(), figures);
    if (!reason.isEmpty()) summary_->setText(reason);
    if (import_.layers().empty() && !import_.firstError().isEmpty())
        summary_->setText(import_.firstError());
}

void DxfImportDialog::accept() {
    const auto placement = static_cast<DrawingImport::Placement>(placement_->checkedId());
    if (import_.apply(work_, placement) == 0) {
        messenger_.notice(tr("読み込める閉じた輪郭がありません。"));
        return;
    }
    if (!work_.snapshotError().isEmpty()) messenger_.notice(work_.snapshotError());
    QDialog::accept();
}

}  // namespace kuvanto

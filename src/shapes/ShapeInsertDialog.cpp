// The insertion dialog: every choice reads the registry or the data file afresh through the
// ShapeLibrary, so the dialog holds no copy of the library beyond what it shows.
#include "shapes/ShapeInsertDialog.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include "core/base/NumberText.h"
#include "editing/Messenger.h"
#include "editing/SelectAllOnFocus.h"
#include "editing/Workspace.h"
#include "shapes/LibraryManageDialog.h"
#include "shapes/LibraryPreview.h"
#include "shapes/RegistryNameModel.h"

namespace kuvanto {

namespace {

const QColor kHintGrey(192, 192, 192);
// Up to this many categories the list is as wide as its longest name.
constexpr std::size_t kMeasuredCategories = 10'000;
const QColor kValueGrey(224, 224, 224);

void setTextColor(QLabel* label, const QColor& color) {
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, color);
    label->setPalette(palette);
}

QLabel* named(QLabel* label, const char* name) {
    label->setObjectName(QString::fromLatin1(name));
    return label;
}

}  // namespace

ShapeInsertDialog::ShapeInsertDialog(Workspace& workspace, CoordTable& grid,
                                     const ShapeLibrary& library, Messenger& messenger,
                                     QWidget* parent)
    : QDialog(parent),
      workspace_(workspace),
      grid_(grid),
      library_(library),
      messenger_(messenger) {
    setObjectName(QStringLiteral("PreRst_Form"));
    setWindowTitle(tr("登録図形の挿入"));

    categories_ = new QComboBox(this);
    categories_->setObjectName(QStringLiteral("Combo1"));
    parts_ = new QListWidget(this);
    parts_->setObjectName(QStringLiteral("List1"));
    manage_ = new QPushButton(QStringLiteral("+/-"), this);
    manage_->setObjectName(QStringLiteral("Edit_Command"));
    preview_ = new LibraryPreview(this);

    // The hint and the picked point sit on a dark strip under the preview, where their light
    // text reads.
    auto* strip = new QWidget(this);
    strip->setAutoFillBackground(true);
    QPalette dark = strip->palette();
    dark.setColor(QPalette::Window, QColor(64, 64, 64));
    strip->setPalette(dark);
    hint_ = named(new QLabel(tr("青又は黄緑丸から挿入基点を選択"), strip), "Label1");
    setTextColor(hint_, kHintGrey);
    auto* baseCaption = named(new QLabel(tr("基点座標 X："), strip), "Label5");
    auto* baseComma = named(new QLabel(tr(", Y："), strip), "Label7");
    baseX_ = named(new QLabel(QStringLiteral("xx.xxxxx"), strip), "x_Label");
    baseY_ = named(new QLabel(QStringLiteral("xx.xxxxx"), strip), "y_Label");
    for (QLabel* label : {baseCaption, baseComma, baseX_, baseY_}) setTextColor(label, kValueGrey);
    baseX_->hide();
    baseY_->hide();
    auto* stripLayout = new QVBoxLayout(strip);
    stripLayout->addWidget(hint_);
    auto* baseRow = new QHBoxLayout;
    for (QWidget* w : {static_cast<QWidget*>(baseCaption), static_cast<QWidget*>(baseX_),
                       static_cast<QWidget*>(baseComma), static_cast<QWidget*>(baseY_)})
        baseRow->addWidget(w);
    baseRow->addStretch();
    stripLayout->addLayout(baseRow);

    targetX_ = new QLineEdit(QStringLiteral("0"), this);
    targetX_->setObjectName(QStringLiteral("dX_Text"));
    targetY_ = new QLineEdit(QStringLiteral("0"), this);
    targetY_->setObjectName(QStringLiteral("dY_Text"));
    SelectAllOnFocus::install(targetX_);
    SelectAllOnFocus::install(targetY_);

    ok_ = new QPushButton(tr("OK"), this);
    ok_->setObjectName(QStringLiteral("Command1"));
    ok_->setEnabled(false);
    auto* cancel = new QPushButton(tr("Cancel"), this);
    cancel->setObjectName(QStringLiteral("Command2"));
    timer_ = new QTimer(this);
    timer_->setObjectName(QStringLiteral("Timer1"));
    timer_->setInterval(250);

    auto* lists = new QVBoxLayout;
    lists->addWidget(named(new QLabel(tr("種別リスト"), this), "Label6"));
    auto* categoryRow = new QHBoxLayout;
    categoryRow->addWidget(categories_, 1);
    categoryRow->addWidget(manage_);
    lists->addLayout(categoryRow);
    lists->addWidget(named(new QLabel(tr("部品リスト"), this), "Label8"));
    lists->addWidget(parts_, 1);
    lists->addWidget(named(new QLabel(tr("挿入座標"), this), "Label2"));
    auto* target = new QHBoxLayout;
    target->addWidget(named(new QLabel(QStringLiteral("X"), this), "Label3"));
    target->addWidget(targetX_);
    target->addWidget(named(new QLabel(QStringLiteral(", Y"), this), "Label4"));
    target->addWidget(targetY_);
    lists->addLayout(target);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok_);
    buttons->addWidget(cancel);
    lists->addLayout(buttons);

    auto* picture = new QVBoxLayout;
    picture->setSpacing(0);
    picture->addWidget(preview_);
    picture->addWidget(strip);
    picture->addStretch();

    auto* layout = new QHBoxLayout(this);
    layout->addLayout(lists, 1);
    layout->addLayout(picture);

    connect(categories_, &QComboBox::currentIndexChanged, this, [this] { chooseCategory(); });
    // A press on another part changes the current row, which chooses it, and then reports the
    // press; a press on the current part chooses it again. One click is one drawing or one
    // message, never two.
    connect(parts_, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row < 0) return;
        choosePart();
        chosenBeforePress_ = true;
    });
    connect(parts_, &QListWidget::itemPressed, this, [this] {
        if (!chosenBeforePress_) choosePart();
        chosenBeforePress_ = false;
    });
    connect(preview_, &LibraryPreview::released, this, &ShapeInsertDialog::pickAt);
    connect(timer_, &QTimer::timeout, this, &ShapeInsertDialog::blink);
    connect(manage_, &QPushButton::clicked, this, &ShapeInsertDialog::openManagement);
    connect(ok_, &QPushButton::clicked, this, &ShapeInsertDialog::insertPart);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    // Loading: the categories of the registry, the first one chosen.
    timer_->stop();
    RegistryNames registry = library_.categoryNames();
    const bool registryOk = registry.ok;
    {
        const QSignalBlocker block(categories_);
        // A registry can hold millions of categories: the list reads them from the compact names
        // as it shows them, and a long list neither measures every name for its width nor asks
        // each row for its height.
        if (registry.size() > kMeasuredCategories) {
            categories_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
            categories_->setMinimumContentsLength(24);
            if (auto* list = qobject_cast<QListView*>(categories_->view()))
                list->setUniformItemSizes(true);
        }
        categories_->setModel(new RegistryNameModel(std::move(registry), categories_));
    }
    if (categories_->count() > 0) {
        categories_->setCurrentIndex(0);
        chooseCategory();
    }
    if (!registryOk) messenger_.notice(ShapeLibrary::kRegistryReadError);
}

void ShapeInsertDialog::chooseCategory() {
    {
        const QSignalBlocker block(parts_);
        parts_->clear();
    }
    preview_->clear();
    timer_->stop();
    QStringList names;
    QString path;
    const bool found = library_.partNames(categories_->currentText(), names, path);
    {
        const QSignalBlocker block(parts_);
        parts_->addItems(names);
    }
    if (found) dataPath_ = path;
}

void ShapeInsertDialog::choosePart() {
    drawPreview();
    timer_->start();
}

bool ShapeInsertDialog::drawPreview() {
    LibraryPart part;
    if (!ShapeLibrary::readPart(dataPath_, parts_->currentRow(), part)) {
        preview_->clear();
        messenger_.notice(ShapeLibrary::partReadError(dataPath_));
        return false;
    }
    if (const std::optional<QRectF> window = ShapeLibrary::previewWindow(part.basePoints))
        preview_->setWindow(*window);
    preview_->show(part.outline, part.basePoints,
                   static_cast<std::uint32_t>(workspace_.colors.add));
    return true;
}

void ShapeInsertDialog::pickAt(PlanePoint world) {
    if (parts_->currentRow() < 0) return;
    LibraryPart part;
    if (!ShapeLibrary::readPart(dataPath_, parts_->currentRow(), part)) {
        messenger_.notice(ShapeLibrary::partReadError(dataPath_));
        return;
    }
    const int picked = ShapeLibrary::pickBasePoint(part.basePoints, world, preview_->viewWidth());
    if (picked < 0) return;
    if (!drawPreview()) return;
    base_ = part.basePoints[picked];
    preview_->setPicked(base_);
    baseX_->setText(QString::fromStdString(numText(base_->x)));
    baseY_->setText(QString::fromStdString(numText(base_->y)));
    baseX_->show();
    baseY_->show();
    ok_->setEnabled(true);
    timer_->stop();
    hintBright_ = false;
    setTextColor(hint_, kHintGrey);
}

void ShapeInsertDialog::blink() {
    hintBright_ = !hintBright_;
    setTextColor(hint_, hintBright_ ? QColor(Qt::white) : kHintGrey);
}

void ShapeInsertDialog::insertPart() {
    if (!base_ || parts_->currentRow() < 0) return;
    const PlanePoint target{lenientValue(targetX_->text().toStdString()),
                            lenientValue(targetY_->text().toStdString())};
    if (!ShapeLibrary::insertPart(workspace_, grid_, dataPath_, parts_->currentRow(), *base_,
                                  target)) {
        LibraryPart part;
        const bool readable = ShapeLibrary::readPart(dataPath_, parts_->currentRow(), part);
        messenger_.notice(readable ? ShapeLibrary::kTargetOutOfRange
                                   : ShapeLibrary::partReadError(dataPath_));
        return;
    }
    accept();
}

void ShapeInsertDialog::openManagement() {
    LibraryManageDialog manage(library_, messenger_, this);
    if (manage.exec() == QDialog::Accepted) done(kReopen);
}

}  // namespace kuvanto

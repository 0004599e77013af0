// The list and the fields of the material dialog; every change goes through MaterialListEdit,
// which checks the values and keeps the shipped materials as they are.
#include "app/MaterialListDialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace kuvanto {

MaterialListDialog::MaterialListDialog(MaterialListEdit list, QString folder, QWidget* parent)
    : QDialog(parent), list_(std::move(list)), folder_(std::move(folder)) {
    setObjectName(QStringLiteral("Material_List_Dialog"));
    setWindowTitle(tr("材料一覧"));
    auto* outer = new QVBoxLayout(this);
    auto* columns = new QHBoxLayout;
    listView_ = new QListWidget(this);
    listView_->setObjectName(QStringLiteral("Material_List"));
    listView_->setMinimumWidth(150);
    columns->addWidget(listView_, 1);

    auto* right = new QVBoxLayout;
    auto* form = new QFormLayout;
    const char* labels[kFieldCount] = {
        QT_TR_NOOP("材料名"),        QT_TR_NOOP("ヤング係数E (N/mm²)"),
        QT_TR_NOOP("ポアソン比ν"),   QT_TR_NOOP("降伏強度fy (N/mm²)"),
        QT_TR_NOOP("密度ρ (g/cm³)"), QT_TR_NOOP("出典")};
    const char* names[kFieldCount] = {"Material_Name", "Material_E",       "Material_Nu",
                                      "Material_Fy",   "Material_Density", "Material_Source"};
    for (int i = 0; i < kFieldCount; ++i) {
        fields_[i] = new QLineEdit(this);
        fields_[i]->setObjectName(QString::fromLatin1(names[i]));
        form->addRow(tr(labels[i]), fields_[i]);
    }
    fields_[kFieldCount - 1]->setMinimumWidth(260);
    right->addLayout(form);
    auto* buttons = new QHBoxLayout;
    add_ = new QPushButton(tr("追加"), this);
    change_ = new QPushButton(tr("変更"), this);
    copy_ = new QPushButton(tr("コピー"), this);
    remove_ = new QPushButton(tr("削除"), this);
    for (QPushButton* b : {add_, change_, copy_, remove_}) {
        b->setAutoDefault(false);
        buttons->addWidget(b);
    }
    add_->setObjectName(QStringLiteral("Material_Add"));
    change_->setObjectName(QStringLiteral("Material_Change"));
    copy_->setObjectName(QStringLiteral("Material_Copy"));
    remove_->setObjectName(QStringLiteral("Material_Remove"));
    right->addLayout(buttons);
    message_ = new QLabel(this);
    message_->setObjectName(QStringLiteral("Material_Message"));
    message_->setWordWrap(true);
    right->addWidget(message_);
    right->addStretch(1);
    columns->addLayout(right, 2);
    outer->addLayout(columns, 1);
    auto* box = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    box->button(QDialogButtonBox::Cancel)->setText(tr("キャンセル"));
    outer->addWidget(box);
    connect(box, &QDialogButtonBox::accepted, this, &MaterialListDialog::accept);
    connect(box, &QDialogButtonBox::rejected, this, &MaterialListDialog::reject);

    connect(listView_, &QListWidget::currentRowChanged, this, &MaterialListDialog::showMaterial);
    connect(add_, &QPushButton::clicked, this, [this] {
        const std::optional<QString> problem = list_.add(enteredFields());
        tell(problem);
        if (!problem) fillList(static_cast<int>(list_.materials().size()) - 1);
    });
    connect(change_, &QPushButton::clicked, this, [this] {
        const int row = listView_->currentRow();
        const std::optional<QString> problem = list_.edit(row, enteredFields());
        tell(problem);
        if (!problem) fillList(row);
    });
    connect(copy_, &QPushButton::clicked, this, [this] {
        const int copied = list_.copy(listView_->currentRow());
        tell(std::nullopt);
        if (copied >= 0) fillList(copied);
    });
    connect(remove_, &QPushButton::clicked, this, [this] {
        const int row = listView_->currentRow();
        const std::optional<QString> problem = list_.remove(row);
        tell(problem);
        if (!problem) fillList(std::min(row, static_cast<int>(list_.materials().size()) - 1));
    });
    fillList(0);
}

void MaterialListDialog::fillList(int select) {
    listView_->blockSignals(true);
    listView_->clear();
    for (const Material& m : list_.materials()) {
        QString text = QString::fromStdString(m.name);
        if (MaterialListEdit::isShipped(m.name)) text += tr(" (標準)");
        listView_->addItem(text);
    }
    listView_->blockSignals(false);
    listView_->setCurrentRow(select);
    showMaterial(listView_->currentRow());
}

void MaterialListDialog::showMaterial(int row) {
    const bool valid = row >= 0 && row < static_cast<int>(list_.materials().size());
    const bool shipped =
        valid && MaterialListEdit::isShipped(list_.materials()[static_cast<std::size_t>(row)].name);
    if (valid) {
        const MaterialFields f =
            MaterialListEdit::fieldsOf(list_.materials()[static_cast<std::size_t>(row)]);
        const QString* texts[kFieldCount] = {&f.name,          &f.elasticModulus, &f.poissonRatio,
                                             &f.yieldStrength, &f.density,        &f.source};
        for (int i = 0; i < kFieldCount; ++i) fields_[i]->setText(*texts[i]);
    }
    change_->setEnabled(valid && !shipped);
    remove_->setEnabled(valid && !shipped);
    copy_->setEnabled(valid);
    message_->setStyleSheet(QString());
    message_->setText(shipped ? tr("標準の材料は変更できません。コピーを作って編集してください。")
                              : QString());
}

MaterialFields MaterialListDialog::enteredFields() const {
    return {fields_[0]->text(), fields_[1]->text(), fields_[2]->text(),
            fields_[3]->text(), fields_[4]->text(), fields_[5]->text()};
}

void MaterialListDialog::tell(const std::optional<QString>& problem) {
    message_->setStyleSheet(problem ? QStringLiteral("color: #c00000;") : QString());
    message_->setText(problem.value_or(QString()));
}

void MaterialListDialog::accept() {
    if (list_.modified()) {
        QString error;
        if (!list_.save(folder_, &error)) {
            tell(tr("材料一覧を保存できませんでした。") + QLatin1Char('\n') + error);
            return;
        }
    }
    QDialog::accept();
}

}  // namespace kuvanto

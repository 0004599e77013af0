// A label and a list: the first item stands for the most common material, the others name one.
#include "app/ReferenceMaterialChooser.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>

namespace kuvanto {

ReferenceMaterialChooser::ReferenceMaterialChooser(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Reference_Material"));
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    auto* label = new QLabel(tr("基準材料:"), this);
    chooser_ = new QComboBox(this);
    chooser_->setObjectName(QStringLiteral("Reference_Choice"));
    label->setBuddy(chooser_);
    row->addWidget(label);
    row->addWidget(chooser_, 1);
    connect(chooser_, &QComboBox::activated, this, [this](int item) {
        emit referenceChosen(item == 0 ? QString() : chooser_->itemText(item));
    });
    hide();
}

void ReferenceMaterialChooser::showChoices(const std::vector<std::string>& carried,
                                           const std::string& chosen) {
    chooser_->clear();
    chooser_->addItem(tr("最も多い材料(自動)"));
    int shown = 0;
    for (const std::string& name : carried) {
        chooser_->addItem(QString::fromStdString(name));
        if (name == chosen) shown = chooser_->count() - 1;
    }
    chooser_->setCurrentIndex(shown);
    setVisible(!carried.empty());
}

}  // namespace kuvanto

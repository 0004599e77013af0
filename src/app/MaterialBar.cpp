// The chooser's items: "(なし)" and each material with its values in the tooltip, the section's
// own materials with a swatch of their colour on the canvas.
#include "app/MaterialBar.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QToolButton>

#include "canvas/MaterialTint.h"
#include "core/base/NumberText.h"

namespace kuvanto {

MaterialBar::MaterialBar(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Material_Bar"));
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 2);
    row->setSpacing(4);
    figureLabel_ = new QLabel(this);
    figureLabel_->setObjectName(QStringLiteral("Material_Figure"));
    chooser_ = new QComboBox(this);
    chooser_->setObjectName(QStringLiteral("Material_Choice"));
    chooser_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    chooser_->setMinimumContentsLength(8);
    chooser_->setToolTip(tr("現在の図形の材料"));
    listButton_ = new QToolButton(this);
    listButton_->setObjectName(QStringLiteral("Material_List_Button"));
    listButton_->setText(tr("材料一覧..."));
    listButton_->setToolTip(tr("材料一覧の編集"));
    row->addWidget(figureLabel_);
    row->addWidget(chooser_, 1);
    row->addWidget(listButton_);
    connect(chooser_, &QComboBox::activated, this,
            [this](int item) { emit materialChosen(item - 1); });
    connect(listButton_, &QToolButton::clicked, this, &MaterialBar::listRequested);
    showFigure({}, 0, std::nullopt, {});
}

void MaterialBar::showFigure(const std::vector<Material>& choices, int coloured,
                             std::optional<int> figure, const std::string& current) {
    figureLabel_->setText(figure ? tr("図形%1の材料:").arg(*figure) : tr("材料:"));
    if (choices != shownChoices_ || coloured != shownColoured_) {
        chooser_->clear();
        chooser_->addItem(tr("(なし)"));
        for (std::size_t i = 0; i < choices.size(); ++i) {
            const Material& m = choices[i];
            QIcon icon;
            if (static_cast<int>(i) < coloured) {
                QPixmap swatch(12, 12);
                swatch.fill(materialColor(static_cast<int>(i)));
                icon = QIcon(swatch);
            }
            chooser_->addItem(icon, QString::fromStdString(m.name));
            chooser_->setItemData(chooser_->count() - 1,
                                  tr("E = %1 N/mm², ν = %2, fy = %3 N/mm², ρ = %4 g/cm³")
                                      .arg(QString::fromStdString(numText(m.elasticModulus)),
                                           QString::fromStdString(numText(m.poissonRatio)),
                                           QString::fromStdString(numText(m.yieldStrength)),
                                           QString::fromStdString(numText(m.density))),
                                  Qt::ToolTipRole);
        }
        shownChoices_ = choices;
        shownColoured_ = coloured;
    }
    int shown = 0;
    for (std::size_t i = 0; i < choices.size(); ++i) {
        if (choices[i].name == current) shown = static_cast<int>(i) + 1;
    }
    chooser_->setCurrentIndex(shown);
    chooser_->setEnabled(figure.has_value());
}

}  // namespace kuvanto

// The material chooser beside the coordinate table: the figure around the current row, the list
// of materials it can be given (none first) and a button that opens the list of materials. The
// bar only collects the choice; the window gives the figure its material.
#pragma once

#include <QWidget>
#include <optional>
#include <string>
#include <vector>

#include "core/section/Material.h"

class QComboBox;
class QLabel;
class QToolButton;

namespace kuvanto {

class MaterialBar : public QWidget {
    Q_OBJECT
public:
    explicit MaterialBar(QWidget* parent = nullptr);

    // Shows the choices, the figure (none: the chooser is off) and the figure's material (empty:
    // none). The first `coloured` choices are the section's own and show their legend colour.
    void showFigure(const std::vector<Material>& choices, int coloured, std::optional<int> figure,
                    const std::string& current);

    QComboBox* chooser() const { return chooser_; }
    QToolButton* listButton() const { return listButton_; }

signals:
    // The user chose the choice at `index` of the list shown; -1 for no material.
    void materialChosen(int index);
    void listRequested();

private:
    // The list as last shown: moving the current row keeps it and only moves the choice.
    std::vector<Material> shownChoices_;
    int shownColoured_ = -1;
    QLabel* figureLabel_ = nullptr;
    QComboBox* chooser_ = nullptr;
    QToolButton* listButton_ = nullptr;
};

}  // namespace kuvanto

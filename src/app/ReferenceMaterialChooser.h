// The reference material of the composite block on the result tab: "the most common one" or a
// material some figure carries. Shown only while figures carry materials; the window runs the
// calculation again with the choice.
#pragma once

#include <QWidget>
#include <string>
#include <vector>

class QComboBox;

namespace kuvanto {

class ReferenceMaterialChooser : public QWidget {
    Q_OBJECT
public:
    explicit ReferenceMaterialChooser(QWidget* parent = nullptr);

    // The materials the figures carry and the name chosen (empty: the most common one).
    void showChoices(const std::vector<std::string>& carried, const std::string& chosen);
    QComboBox* chooser() const { return chooser_; }

signals:
    // A material's name, or empty for the most common one.
    void referenceChosen(const QString& name);

private:
    QComboBox* chooser_ = nullptr;
};

}  // namespace kuvanto

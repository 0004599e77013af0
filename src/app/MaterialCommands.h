// Materials in the main window: the chooser beside the coordinate tables gives the figure around
// the current row its material (one undo step), the list command opens the dialog that edits the
// user's list, the result tab's chooser picks the reference material of the composite block, and
// the canvas tints the figures and shows the legend. The work is done by the model functions
// (chooseFigureMaterial, MaterialListEdit); this only wires the widgets to them.
#pragma once

#include <QObject>
#include <vector>

#include "core/section/Material.h"

namespace kuvanto {

class MainWindow;

class MaterialCommands : public QObject {
    Q_OBJECT
public:
    // Loads the user's list (the shipped one when the file cannot be read), gives the list
    // command its handler and wires the choosers; owned by the window.
    static MaterialCommands* install(MainWindow& window);

    // Brings the choosers up to date with the tables, the current row and the materials (after
    // every change, undo, file read and tab switch).
    void refresh();

    // The materials the chooser offers now, in its order after "(なし)".
    const std::vector<Material>& choices() const { return choices_; }
    const std::vector<Material>& library() const { return library_; }

private:
    explicit MaterialCommands(MainWindow& window);
    void choose(int index);
    void chooseReference(const QString& name);
    void openList();

    MainWindow& window_;
    std::vector<Material> library_;
    std::vector<Material> choices_;
};

}  // namespace kuvanto

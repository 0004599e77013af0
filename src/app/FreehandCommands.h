// Gives the main window's freehand commands their handlers: the mode switch (menu and toolbar,
// asking first, only on a figure tab), the switch on the canvas that ends the mode when
// unchecked, and the freehand context menu's items: end the mode, close the figure, and the
// coordinate dialog. The clicks, moves and the length box on the canvas use the window's
// FreehandSession as well.
#pragma once

class QCheckBox;

namespace kuvanto {

class MainWindow;

void installFreehandCommands(MainWindow& window, QCheckBox& canvasSwitch);

}  // namespace kuvanto

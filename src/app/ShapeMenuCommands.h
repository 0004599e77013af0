// Gives the main window's generator commands their handlers: the three line commands, the
// rectangle and the circle (asking first), and corner rounding from the main menu and toolbar
// (which checks the corner) and from the context menu (which does not). Each runs on the active
// coordinate table and then brings the views up to date, also after Cancel.
#pragma once

namespace kuvanto {

class MainWindow;

void installShapeCommands(MainWindow& window);

}  // namespace kuvanto

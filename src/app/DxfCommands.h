// The main window's DXF commands: "DXFファイルの読み込み..." reads a drawing on a worker thread
// (with a progress window that can be cancelled) and opens the import dialog on it;
// "DXFファイルへの書き出し..." writes the section, optionally with its result table as text.
#pragma once

#include <QString>

namespace kuvanto {

class MainWindow;

class DxfCommands {
public:
    static void install(MainWindow& window);
    static void importDrawing(MainWindow& window);
    static void exportDrawing(MainWindow& window);
};

}  // namespace kuvanto

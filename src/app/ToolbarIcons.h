// The pictures of the main window's commands: small line drawings made with QPainter at whatever
// size they are shown, so that they stay crisp on screens with 200 % scaling and the program needs
// no image files. Disabled icons are drawn in grey.
#pragma once

#include <QIcon>

namespace kuvanto {

enum class ToolIcon {
    none,
    open,
    save,
    exportText,
    print,
    undo,
    redo,
    exit,
    copy,
    paste,
    insertRow,
    deleteRow,
    eraseAll,
    editText,
    move,
    rotate,
    scale,
    separatorRow,
    rectangle,
    circle,
    lineAngle,
    lineDx,
    lineDy,
    corner,
    freehand,
    insertFile,
    library,
};

// The icon of this picture (a null icon for ToolIcon::none).
QIcon toolIcon(ToolIcon picture);

}  // namespace kuvanto

// Icons of the main window's toolbar buttons, drawn at run time: a small picture for the shape
// commands and a short mark on a coloured tile for the others, so the program needs no image
// files.
#pragma once

#include <QIcon>
#include <QString>

namespace kuvanto {

// The icon of the toolbar button with this key (a plain tile for an unknown key).
QIcon toolbarIcon(const QString& key);

}  // namespace kuvanto

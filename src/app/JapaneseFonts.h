// Japanese fonts for the windows. The window texts name the usual Japanese desktop fonts
// ("ＭＳ Ｐゴシック", "ＭＳ ゴシック", "ＭＳ Ｐ明朝", "ＭＳ 明朝"); on this platform those names
// are mapped to installed Japanese families (the IPA fonts when present, otherwise any family that
// writes Japanese), and the application's default font becomes a Japanese proportional gothic so
// that every caption shows Japanese glyph shapes.
#pragma once

#include <QFont>
#include <QString>

namespace kuvanto {

// Call once after the QApplication exists and before the first window is created.
void installJapaneseFonts();

// The installed family that stands in for a Japanese font name ("ＭＳ ゴシック" and so on); an
// unknown name is returned unchanged.
QString japaneseFamily(const QString& windowsName);

// A font of the given Japanese font name and size, resolved to the installed family.
QFont japaneseFont(const QString& windowsName, int pointSize);

}  // namespace kuvanto

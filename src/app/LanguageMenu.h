// The "表示言語" submenu of the "その他" menu: Japanese or English for the interface. The choice is
// kept in the user's settings and takes effect at the next start (the command-line option --lang
// overrides it for one run).
#pragma once

#include <QObject>

#include "io/InterfaceLanguage.h"

class QMenu;

namespace kuvanto {

class MainWindow;

class LanguageMenu : public QObject {
    Q_OBJECT
public:
    static inline const QString kMenuName = QStringLiteral("Language_Menu");

    // Adds the submenu to the window's "About" menu.
    static LanguageMenu* install(MainWindow& window);

    // Keeps `language` as the setting. Returns true when it differs from the language shown now,
    // that is when the user should be told that it applies from the next start.
    static bool choose(Language language);

private:
    explicit LanguageMenu(MainWindow& window);
    void fillMenu();

    MainWindow& window_;
    QMenu* menu_ = nullptr;
};

}  // namespace kuvanto

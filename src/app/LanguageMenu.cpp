// The language submenu: two checkable entries, the language kept in the settings checked (else
// the one shown now).
#include "app/LanguageMenu.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>

#include "app/MainWindow.h"
#include "editing/Messenger.h"

namespace kuvanto {

LanguageMenu::LanguageMenu(MainWindow& window) : QObject(&window), window_(window) {}

LanguageMenu* LanguageMenu::install(MainWindow& window) {
    auto* languages = new LanguageMenu(window);
    languages->setObjectName(QStringLiteral("LanguageMenu"));
    if (QMenu* about = window.menu(QStringLiteral("About"))) {
        languages->menu_ = new QMenu(tr("表示言語(&L)"), about);
        languages->menu_->setObjectName(kMenuName);
        languages->menu_->menuAction()->setObjectName(kMenuName);
        about->insertMenu(about->actions().value(0), languages->menu_);
        connect(languages->menu_, &QMenu::aboutToShow, languages, &LanguageMenu::fillMenu);
        languages->fillMenu();
    }
    return languages;
}

bool LanguageMenu::choose(Language language) {
    InterfaceLanguage::save(language);
    return language != InterfaceLanguage::installed();
}

void LanguageMenu::fillMenu() {
    menu_->clear();
    auto* group = new QActionGroup(menu_);
    const Language current = InterfaceLanguage::saved().value_or(InterfaceLanguage::installed());
    // Each language is named in its own language, as language lists do, so it is not translated.
    const std::pair<Language, QString> entries[] = {{Language::Japanese, QStringLiteral("日本語")},
                                                    {Language::English, QStringLiteral("English")}};
    for (const auto& [language, name] : entries) {
        QAction* entry = menu_->addAction(name);
        entry->setObjectName(QStringLiteral("Language_") + InterfaceLanguage::code(language));
        entry->setCheckable(true);
        entry->setChecked(language == current);
        group->addAction(entry);
        connect(entry, &QAction::triggered, this, [this, language] {
            if (choose(language))
                window_.msg().notice(tr("表示言語は次回の起動から切り替わります。"));
        });
    }
}

}  // namespace kuvanto

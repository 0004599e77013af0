// The language of the interface: Japanese (the texts as the program is written) or English (the
// translation built into the program). Chosen by a command-line option, else by the setting the
// window's menu keeps, else by the system: Japanese on a Japanese system, English elsewhere. Files
// are the same in either language.
#pragma once

#include <QString>
#include <QStringList>
#include <optional>

namespace kuvanto {

enum class Language { Japanese, English };

class InterfaceLanguage {
public:
    // "ja" or "en" (any case); nothing for anything else.
    static std::optional<Language> parse(const QString& code);
    static QString code(Language language);

    // The language of a system locale name such as "ja_JP" or "de_DE".
    static Language ofLocale(const QString& localeName);

    // Takes "--lang CODE" / "--lang=CODE" out of `args`. Returns the language, or sets `error`
    // (and returns nothing) when the option has no code or an unknown one; without the option
    // it returns nothing and leaves `error` empty.
    static std::optional<Language> takeOption(QStringList& args, QString* error);

    // The setting the menu keeps (QSettings of the application); nothing when never set.
    static std::optional<Language> saved();
    static void save(Language language);

    // The language to use: the option's, else the saved one, else the system's.
    static Language choose(std::optional<Language> option);

    // Installs the translation of `language` into the application, replacing one installed
    // before. Japanese needs none. Returns false when the English translation is missing.
    static bool install(Language language);
    static Language installed();
};

}  // namespace kuvanto

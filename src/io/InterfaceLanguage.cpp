// Choosing and installing the interface language. The English translation is compiled from
// translations/kuvanto_en.ts into the program's resources under ":/i18n".
#include "io/InterfaceLanguage.h"

#include <QCoreApplication>
#include <QLocale>
#include <QSettings>
#include <QTranslator>

namespace kuvanto {

namespace {

const QString kSettingKey = QStringLiteral("interface/language");
const QString kOption = QStringLiteral("--lang");

QTranslator* installedTranslator = nullptr;
Language installedLanguage = Language::Japanese;

}  // namespace

std::optional<Language> InterfaceLanguage::parse(const QString& code) {
    const QString lower = code.trimmed().toLower();
    if (lower == QLatin1String("ja")) return Language::Japanese;
    if (lower == QLatin1String("en")) return Language::English;
    return std::nullopt;
}

QString InterfaceLanguage::code(Language language) {
    return language == Language::English ? QStringLiteral("en") : QStringLiteral("ja");
}

Language InterfaceLanguage::ofLocale(const QString& localeName) {
    return QLocale(localeName).language() == QLocale::Japanese ? Language::Japanese
                                                               : Language::English;
}

std::optional<Language> InterfaceLanguage::takeOption(QStringList& args, QString* error) {
    if (error) error->clear();
    std::optional<Language> language;
    for (int i = 0; i < args.size();) {
        const QString& arg = args[i];
        if (arg == QLatin1String("--")) break;  // what follows is a file name
        QString value;
        int taken = 0;
        if (arg == kOption) {
            if (i + 1 >= args.size()) {
                if (error) *error = QStringLiteral("--lang needs a language: ja or en");
                return std::nullopt;
            }
            value = args[i + 1];
            taken = 2;
        } else if (arg.startsWith(kOption + QLatin1Char('='))) {
            value = arg.mid(kOption.size() + 1);
            taken = 1;
        } else {
            ++i;
            continue;
        }
        language = parse(value);
        if (!language) {
            if (error) *error = QStringLiteral("--lang: \"%1\" is not ja or en").arg(value);
            return std::nullopt;
        }
        args.remove(i, taken);
    }
    return language;
}

std::optional<Language> InterfaceLanguage::saved() {
    return parse(QSettings().value(kSettingKey).toString());
}

void InterfaceLanguage::save(Language language) {
    QSettings().setValue(kSettingKey, code(language));
}

Language InterfaceLanguage::choose(std::optional<Language> option) {
    if (option) return *option;
    if (const std::optional<Language> setting = saved()) return *setting;
    return ofLocale(QLocale::system().name());
}

bool InterfaceLanguage::install(Language language) {
    if (installedTranslator) {
        QCoreApplication::removeTranslator(installedTranslator);
        delete installedTranslator;
        installedTranslator = nullptr;
    }
    installedLanguage = Language::Japanese;
    if (language == Language::Japanese) return true;
    auto* translator = new QTranslator;
    if (!translator->load(QStringLiteral(":/i18n/kuvanto_en.qm"))) {
        delete translator;
        return false;
    }
    QCoreApplication::installTranslator(translator);
    installedTranslator = translator;
    installedLanguage = language;
    return true;
}

Language InterfaceLanguage::installed() {
    return installedLanguage;
}

}  // namespace kuvanto

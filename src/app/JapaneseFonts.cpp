// Maps the Japanese font names used by the windows to installed families and makes a Japanese
// proportional gothic the application's default font. The choice prefers the IPA families, then
// other well-known Japanese families, then any family the font database lists for Japanese
// writing with the right pitch and style.
#include "app/JapaneseFonts.h"

#include <QApplication>
#include <QFontDatabase>
#include <QStringList>
#include <array>

namespace kuvanto {

namespace {

struct FontRole {
    QString windowsName;
    QStringList aliases;    // other spellings of the same name
    QStringList preferred;  // installed families to try first, best first
    bool fixedPitch;
    bool serif;
};

const std::array<FontRole, 4>& fontRoles() {
    static const std::array<FontRole, 4> roles{{
        {QStringLiteral("ＭＳ Ｐゴシック"),
         {QStringLiteral("MS PGothic"), QStringLiteral("MS UI Gothic")},
         {QStringLiteral("IPAPGothic"), QStringLiteral("IPAexGothic"),
          QStringLiteral("Noto Sans CJK JP"), QStringLiteral("VL PGothic"),
          QStringLiteral("TakaoPGothic")},
         false,
         false},
        {QStringLiteral("ＭＳ ゴシック"),
         {QStringLiteral("MS Gothic")},
         {QStringLiteral("IPAGothic"), QStringLiteral("Noto Sans Mono CJK JP"),
          QStringLiteral("VL Gothic"), QStringLiteral("TakaoGothic")},
         true,
         false},
        {QStringLiteral("ＭＳ Ｐ明朝"),
         {QStringLiteral("MS PMincho")},
         {QStringLiteral("IPAPMincho"), QStringLiteral("IPAexMincho"),
          QStringLiteral("Noto Serif CJK JP"), QStringLiteral("TakaoPMincho")},
         false,
         true},
        {QStringLiteral("ＭＳ 明朝"),
         {QStringLiteral("MS Mincho")},
         {QStringLiteral("IPAMincho"), QStringLiteral("TakaoMincho")},
         true,
         true},
    }};
    return roles;
}

// Japanese "fixed" fonts are dual-width (half-width Latin, full-width kana and kanji), which the
// font database does not count as fixed pitch; the family name tells them apart instead.
bool looksFixed(const QString& family) {
    if (QFontDatabase::isFixedPitch(family)) return true;
    if (family.contains(QStringLiteral("Mono"), Qt::CaseInsensitive)) return true;
    const bool proportional = family.contains(QStringLiteral("PGothic"), Qt::CaseInsensitive) ||
                              family.contains(QStringLiteral("PMincho"), Qt::CaseInsensitive) ||
                              family.contains(QStringLiteral("Proportional"), Qt::CaseInsensitive);
    return !proportional && (family.contains(QStringLiteral("Gothic"), Qt::CaseInsensitive) ||
                             family.contains(QStringLiteral("Mincho"), Qt::CaseInsensitive));
}

bool looksSerif(const QString& family) {
    return family.contains(QStringLiteral("Mincho"), Qt::CaseInsensitive) ||
           family.contains(QStringLiteral("Serif"), Qt::CaseInsensitive) ||
           family.contains(QStringLiteral("明朝"));
}

// The best installed family for a role, or an empty string when no Japanese family exists.
QString resolveFamily(const FontRole& role) {
    const QStringList installed = QFontDatabase::families();
    for (const QString& family : role.preferred) {
        if (installed.contains(family, Qt::CaseInsensitive)) return family;
    }
    QString best;
    int bestScore = -1;
    for (const QString& family : QFontDatabase::families(QFontDatabase::Japanese)) {
        int score = 0;
        if (looksFixed(family) == role.fixedPitch) score += 2;
        if (looksSerif(family) == role.serif) score += 1;
        if (score > bestScore) {
            best = family;
            bestScore = score;
        }
    }
    return best;
}

}  // namespace

QString japaneseFamily(const QString& windowsName) {
    for (const FontRole& role : fontRoles()) {
        if (role.windowsName == windowsName ||
            role.aliases.contains(windowsName, Qt::CaseInsensitive)) {
            const QString family = resolveFamily(role);
            return family.isEmpty() ? windowsName : family;
        }
    }
    return windowsName;
}

QFont japaneseFont(const QString& windowsName, int pointSize) {
    QFont font(japaneseFamily(windowsName));
    if (pointSize > 0) font.setPointSize(pointSize);
    for (const FontRole& role : fontRoles()) {
        if (role.windowsName == windowsName) {
            font.setFixedPitch(role.fixedPitch);
            font.setStyleHint(role.serif ? QFont::Serif : QFont::SansSerif);
        }
    }
    return font;
}

void installJapaneseFonts() {
    QString defaultFamily;
    for (const FontRole& role : fontRoles()) {
        const QString family = resolveFamily(role);
        if (family.isEmpty()) continue;
        QFont::insertSubstitutions(role.windowsName, {family});
        for (const QString& alias : role.aliases) QFont::insertSubstitutions(alias, {family});
        if (defaultFamily.isEmpty() && !role.fixedPitch && !role.serif) defaultFamily = family;
    }
    if (defaultFamily.isEmpty()) return;
    QFont font = QApplication::font();
    font.setFamilies({defaultFamily});
    QApplication::setFont(font);
}

}  // namespace kuvanto

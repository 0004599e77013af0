// Maps the Japanese font names used by the windows to installed families and makes a Japanese
// proportional gothic the application's default font. The choice prefers the IPA families, then
// other well-known Japanese families, then any family the font database lists for Japanese
// writing with the right pitch and style.
#include "JapaneseFonts.h"

#include <QApplication>
#include <QFontDatabase>
#include <QStringList>
#include <array>

namespace kuvanto {

namespace {

struct FontRole {
    QString windows_name;
    QStringList aliases;    // other spellings of the same name
    QStringList preferred;  // installed families to try first, best first
    bool fixed_pitch;
    bool serif;
};

const std::array<FontRole, 4>& Font_Roles() {
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
bool Looks_Fixed(const QString& family) {
    if (QFontDatabase::isFixedPitch(family)) return true;
    if (family.contains(QStringLiteral("Mono"), Qt::CaseInsensitive)) return true;
    const bool proportional = family.contains(QStringLiteral("PGothic"), Qt::CaseInsensitive) ||
                              family.contains(QStringLiteral("PMincho"), Qt::CaseInsensitive) ||
                              family.contains(QStringLiteral("Proportional"), Qt::CaseInsensitive);
    return !proportional && (family.contains(QStringLiteral("Gothic"), Qt::CaseInsensitive) ||
                             family.contains(QStringLiteral("Mincho"), Qt::CaseInsensitive));
}

bool Looks_Serif(const QString& family) {
    return family.contains(QStringLiteral("Mincho"), Qt::CaseInsensitive) ||
           family.contains(QStringLiteral("Serif"), Qt::CaseInsensitive) ||
           family.contains(QStringLiteral("明朝"));
}

// The best installed family for a role, or an empty string when no Japanese family exists.
QString Resolve_Family(const FontRole& role) {
    const QStringList installed = QFontDatabase::families();
    for (const QString& family : role.preferred) {
        if (installed.contains(family, Qt::CaseInsensitive)) return family;
    }
    QString best;
    int best_score = -1;
    for (const QString& family : QFontDatabase::families(QFontDatabase::Japanese)) {
        int score = 0;
        if (Looks_Fixed(family) == role.fixed_pitch) score += 2;
        if (Looks_Serif(family) == role.serif) score += 1;
        if (score > best_score) {
            best = family;
            best_score = score;
        }
    }
    return best;
}

}  // namespace

QString Japanese_Family(const QString& windows_name) {
    for (const FontRole& role : Font_Roles()) {
        if (role.windows_name == windows_name ||
            role.aliases.contains(windows_name, Qt::CaseInsensitive)) {
            const QString family = Resolve_Family(role);
            return family.isEmpty() ? windows_name : family;
        }
    }
    return windows_name;
}

QFont Japanese_Font(const QString& windows_name, int point_size) {
    QFont font(Japanese_Family(windows_name));
    if (point_size > 0) font.setPointSize(point_size);
    for (const FontRole& role : Font_Roles()) {
        if (role.windows_name == windows_name) {
            font.setFixedPitch(role.fixed_pitch);
            font.setStyleHint(role.serif ? QFont::Serif : QFont::SansSerif);
        }
    }
    return font;
}

void Install_Japanese_Fonts() {
    QString default_family;
    for (const FontRole& role : Font_Roles()) {
        const QString family = Resolve_Family(role);
        if (family.isEmpty()) continue;
        QFont::insertSubstitutions(role.windows_name, {family});
        for (const QString& alias : role.aliases) QFont::insertSubstitutions(alias, {family});
        if (default_family.isEmpty() && !role.fixed_pitch && !role.serif) default_family = family;
    }
    if (default_family.isEmpty()) return;
    QFont font = QApplication::font();
    font.setFamilies({default_family});
    QApplication::setFont(font);
}

}  // namespace kuvanto

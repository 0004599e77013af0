// A text a user sees that is kept in a constant: its translation context and Japanese source
// text, translated each time it is read. A constant made at start-up could not be translated,
// since the translation is installed later (and may change with the language setting).
// Write the source with QT_TRANSLATE_NOOP so that lupdate finds it:
//   inline constexpr UiText kTitle{"Context", QT_TRANSLATE_NOOP("Context", "題名")};
#pragma once

#include <QCoreApplication>
#include <QString>

namespace kuvanto {

struct UiText {
    const char* context;
    const char* source;

    QString text() const { return QCoreApplication::translate(context, source); }
    operator QString() const { return text(); }
    QString arg(const QString& a) const { return text().arg(a); }
    QString arg(long long a) const { return text().arg(a); }
};

inline QString operator+(const UiText& a, const QString& b) {
    return a.text() + b;
}
inline QString operator+(const QString& a, const UiText& b) {
    return a + b.text();
}
inline QString operator+(const UiText& a, const UiText& b) {
    return a.text() + b.text();
}

}  // namespace kuvanto

// Lossless conversion between file-name bytes and QString. Valid UTF-8 converts as UTF-8; every
// byte of an invalid sequence becomes the lone surrogate U+DC00 + byte and comes back as that byte.
// Lone surrogates cannot appear in a name decoded from valid UTF-8, so the two never mix up.
#include "io/NativePath.h"

#include <QDir>

#include "io/TextFile.h"

namespace kuvanto {

namespace {

constexpr char16_t kEscapeBase = 0xDC00;

bool isEscapedByte(char16_t c) {
    return c >= 0xDC80 && c <= 0xDCFF;
}

// Length of the valid UTF-8 character at the start of `s`, or 0 when it is not one.
std::size_t validCharLength(std::string_view s) {
    std::size_t n = 0;
    for (std::size_t len = 1; len <= 4 && len <= s.size(); ++len) {
        if (isValidUtf8(s.substr(0, len))) {
            n = len;
            break;
        }
    }
    return n;
}

}  // namespace

QString decodePath(const QByteArray& bytes) {
    const std::string_view s(bytes.constData(), static_cast<std::size_t>(bytes.size()));
    if (isValidUtf8(s)) return QString::fromUtf8(bytes);
    QString out;
    out.reserve(bytes.size());
    std::size_t i = 0;
    while (i < s.size()) {
        const std::size_t n = validCharLength(s.substr(i));
        if (n > 0) {
            out += QString::fromUtf8(s.data() + i, static_cast<qsizetype>(n));
            i += n;
        } else {
            out += QChar(static_cast<char16_t>(kEscapeBase + static_cast<unsigned char>(s[i])));
            ++i;
        }
    }
    return out;
}

QByteArray encodePath(const QString& path) {
    bool escaped = false;
    for (const QChar c : path) {
        if (isEscapedByte(c.unicode())) {
            escaped = true;
            break;
        }
    }
    if (!escaped) return path.toUtf8();
    QByteArray out;
    out.reserve(path.size() * 3);
    qsizetype start = 0;
    for (qsizetype i = 0; i < path.size(); ++i) {
        const char16_t c = path.at(i).unicode();
        // A high surrogate followed by this low one is a real character, not an escaped byte.
        const bool paired = i > 0 && path.at(i - 1).isHighSurrogate();
        if (isEscapedByte(c) && !paired) {
            out += QStringView(path).sliced(start, i - start).toUtf8();
            out += static_cast<char>(c - kEscapeBase);
            start = i + 1;
        }
    }
    out += QStringView(path).sliced(start).toUtf8();
    return out;
}

QString displayPath(const QString& path) {
    QString shown = QDir::toNativeSeparators(path);
    for (qsizetype i = 0; i < shown.size(); ++i) {
        const QChar c = shown.at(i);
        if (c.isLowSurrogate() && !(i > 0 && shown.at(i - 1).isHighSurrogate()))
            shown[i] = QChar(QChar::ReplacementCharacter);
    }
    return shown;
}

}  // namespace kuvanto

// Whole-file text reading and writing in the program's two encodings. Coordinate files are mostly
// ASCII digits with a few Japanese marker lines, so both directions copy ASCII runs straight
// through and hand only the non-ASCII stretches to glibc's iconv. Writes go through QSaveFile so
// that a failed save never leaves a half-written file behind.
#include "io/TextFile.h"

#include <iconv.h>
#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstring>

#include "io/FileErrorText.h"

namespace kuvanto {

namespace {

constexpr std::string_view kReplacementChar = "\xEF\xBF\xBD";  // U+FFFD
constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

// An iconv descriptor that is closed when it goes out of scope.
class Converter {
public:
    Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
    ~Converter() {
        if (Ok()) iconv_close(cd_);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;
    bool Ok() const { return cd_ != reinterpret_cast<iconv_t>(-1); }

    // Converts `in` and appends the result to `out`. An input sequence that cannot be converted
    // is skipped by `skip(rest)` bytes and stands as `replacement` in the output; `lossy` is set
    // when that happened.
    template <typename Skip>
    void Append(std::string_view in, std::string& out, std::string_view replacement, Skip skip,
                bool& lossy) {
        char* src = const_cast<char*>(in.data());
        std::size_t srcLeft = in.size();
        while (srcLeft > 0) {
            const std::size_t old_size = out.size();
            const std::size_t room = srcLeft * 4 + 16;
            out.resize(old_size + room);
            char* dst = out.data() + old_size;
            std::size_t dstLeft = room;
            const std::size_t rc = iconv(cd_, &src, &srcLeft, &dst, &dstLeft);
            out.resize(old_size + (room - dstLeft));
            if (rc != static_cast<std::size_t>(-1)) break;
            if (errno == E2BIG) continue;
            // EILSEQ (no form in the target) or EINVAL (sequence cut short at the end).
            lossy = true;
            out.append(replacement);
            const std::size_t n = std::min(srcLeft, skip(std::string_view(src, srcLeft)));
            src += n;
            srcLeft -= n;
        }
        iconv(cd_, nullptr, nullptr, nullptr, nullptr);  // back to the initial state
    }

private:
    iconv_t cd_;
};

bool isCp932Lead(unsigned char c) {
    return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
}

std::size_t utf8CharLength(std::string_view s) {
    const auto c = static_cast<unsigned char>(s.front());
    std::size_t n = c < 0xC0 ? 1 : c < 0xE0 ? 2 : c < 0xF0 ? 3 : 4;
    return std::min(n, s.size());
}

// Length of the run of ASCII bytes starting at `i`.
std::size_t asciiRunEnd(std::string_view s, std::size_t i) {
    const std::size_t n = s.size();
    while (i + 8 <= n) {
        std::uint64_t word;
        std::memcpy(&word, s.data() + i, 8);
        if (word & 0x8080808080808080ULL) break;
        i += 8;
    }
    while (i < n && static_cast<unsigned char>(s[i]) < 0x80) ++i;
    return i;
}

std::string encodeCp932Impl(std::string_view utf8, bool& lossy) {
    lossy = false;
    std::string out;
    out.reserve(utf8.size() + utf8.size() / 4 + 64);  // room for the converter's scratch space
    std::optional<Converter> conv;
    std::size_t i = 0;
    while (i < utf8.size()) {
        const std::size_t asciiEnd = asciiRunEnd(utf8, i);
        out.append(utf8.substr(i, asciiEnd - i));
        i = asciiEnd;
        if (i >= utf8.size()) break;
        // Every byte of a multi-byte UTF-8 character is 0x80 or above.
        std::size_t j = i;
        while (j < utf8.size() && static_cast<unsigned char>(utf8[j]) >= 0x80) ++j;
        if (!conv) conv.emplace("CP932", "UTF-8");
        if (!conv->Ok()) {
            lossy = true;
            out.append(j - i, '?');
        } else {
            conv->Append(utf8.substr(i, j - i), out, "?", utf8CharLength, lossy);
        }
        i = j;
    }
    return out;
}

std::string decodeCp932(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 4 + 64);
    std::optional<Converter> conv;
    bool lossy = false;
    std::size_t i = 0;
    while (i < bytes.size()) {
        const std::size_t asciiEnd = asciiRunEnd(bytes, i);
        out.append(bytes.substr(i, asciiEnd - i));
        i = asciiEnd;
        if (i >= bytes.size()) break;
        // A stretch of non-ASCII characters; a lead byte takes its trail byte along, which may
        // lie in the ASCII range.
        std::size_t j = i;
        while (j < bytes.size() && static_cast<unsigned char>(bytes[j]) >= 0x80) {
            j +=
                (isCp932Lead(static_cast<unsigned char>(bytes[j])) && j + 1 < bytes.size()) ? 2 : 1;
        }
        if (!conv) conv.emplace("UTF-8", "CP932");
        if (!conv->Ok()) {
            for (std::size_t k = i; k < j; ++k) out.append(kReplacementChar);
        } else {
            conv->Append(
                bytes.substr(i, j - i), out, kReplacementChar,
                [](std::string_view) { return std::size_t{1}; }, lossy);
        }
        i = j;
    }
    return out;
}

QString shown(const QString& path) {
    return QDir::toNativeSeparators(path);
}

}  // namespace

bool isValidUtf8(std::string_view bytes) {
    const auto* s = reinterpret_cast<const unsigned char*>(bytes.data());
    const std::size_t n = bytes.size();
    std::size_t i = 0;
    while (i < n) {
        i = asciiRunEnd(bytes, i);
        if (i >= n) break;
        const unsigned char c = s[i];
        std::size_t len;
        unsigned char lo = 0x80, hi = 0xBF;  // allowed range of the second byte
        if (c >= 0xC2 && c <= 0xDF) {
            len = 2;
        } else if (c >= 0xE0 && c <= 0xEF) {
            len = 3;
            if (c == 0xE0) lo = 0xA0;  // no overlong forms
            if (c == 0xED) hi = 0x9F;  // no surrogates
        } else if (c >= 0xF0 && c <= 0xF4) {
            len = 4;
            if (c == 0xF0) lo = 0x90;
            if (c == 0xF4) hi = 0x8F;  // nothing above U+10FFFF
        } else {
            return false;
        }
        if (i + len > n) return false;
        if (s[i + 1] < lo || s[i + 1] > hi) return false;
        for (std::size_t k = 2; k < len; ++k) {
            if ((s[i + k] & 0xC0) != 0x80) return false;
        }
        i += len;
    }
    return true;
}

std::string decodeFileBytes(std::string_view bytes) {
    std::string_view body = bytes;
    if (body.starts_with(kUtf8Bom)) body.remove_prefix(kUtf8Bom.size());
    if (isValidUtf8(body)) return std::string(body);
    return decodeCp932(bytes);
}

std::string encodeCp932(std::string_view utf8) {
    bool lossy = false;
    return encodeCp932Impl(utf8, lossy);
}

std::optional<std::string> encodeCp932Exact(std::string_view utf8) {
    bool lossy = false;
    std::string out = encodeCp932Impl(utf8, lossy);
    if (lossy) return std::nullopt;
    return std::optional<std::string>(std::move(out));
}

std::optional<std::string> readTextFile(const QString& path, QString* error) {
    QFile file(path);
    auto fail = [&] {
        const int systemError = errno;
        if (error) {
            *error = QStringLiteral("ファイル %1 を読み込めません（%2）。")
                         .arg(shown(path),
                              fileErrorReason(path, FileAccess::read, file.error(), systemError));
        }
        return std::nullopt;
    };
    errno = 0;
    if (!file.open(QIODevice::ReadOnly)) return fail();
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) return fail();
    return decodeFileBytes(std::string_view(bytes.constData(), bytes.size()));
}

bool writeTextFile(const QString& path, std::string_view utf8, FileEncoding encoding,
                   QString* error) {
    std::string encoded;
    std::string_view data = utf8;
    if (encoding == FileEncoding::Cp932) {
        encoded = encodeCp932(utf8);
        data = encoded;
    } else if (encoding == FileEncoding::Cp932OrUtf8) {
        if (auto exact = encodeCp932Exact(utf8)) {
            encoded = std::move(*exact);
            data = encoded;
        }
    }

    QSaveFile file(path);
    auto fail = [&](bool cancel) {
        const int systemError = errno;
        if (error) {
            *error = QStringLiteral("ファイル %1 に書き込めません（%2）。")
                         .arg(shown(path),
                              fileErrorReason(path, FileAccess::write, file.error(), systemError));
        }
        if (cancel) file.cancelWriting();
        return false;
    };
    errno = 0;
    if (!file.open(QIODevice::WriteOnly)) return fail(true);
    if (file.write(data.data(), static_cast<qint64>(data.size())) !=
        static_cast<qint64>(data.size())) {
        return fail(true);
    }
    if (!file.commit()) return fail(false);
    return true;
}

}  // namespace kuvanto

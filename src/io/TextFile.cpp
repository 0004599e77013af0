// Whole-file text reading and writing in the program's two encodings. Coordinate files are mostly
// ASCII digits with a few Japanese marker lines, so both directions copy ASCII runs straight
// through; code page 932 is decoded by table lookup (one step per character for any bytes) and
// encoded by glibc's iconv. Writes go through writeFileSafely, so a failed save never leaves a
// half-written file behind and is never reported as a success.
#include "io/TextFile.h"

#include <QCoreApplication>

#include <fcntl.h>
#include <iconv.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <new>
#include <vector>

#include "core/base/LargeBuffers.h"
#include "io/FileErrorText.h"
#include "io/NativePath.h"
#include "io/SafeWrite.h"

namespace kuvanto {

namespace {

constexpr std::string_view kReplacementChar = "\xEF\xBF\xBD";  // U+FFFD
constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

// An iconv descriptor that is closed when it goes out of scope.
class Converter {
public:
    Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
    ~Converter() {
        if (ok()) iconv_close(cd_);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;
    bool ok() const { return cd_ != reinterpret_cast<iconv_t>(-1); }
    iconv_t cd() const { return cd_; }

    // Converts `in` and appends the result to `out`. An input sequence that cannot be converted
    // is skipped by `skip(rest)` bytes and stands as `replacement` in the output; `lossy` is set
    // when that happened. The output grows by doubling, never by the size of the rest at every
    // bad sequence, so that input full of bad sequences still takes linear time.
    template <typename Skip>
    void append(std::string_view in, std::string& out, std::string_view replacement, Skip skip,
                bool& lossy) {
        char* src = const_cast<char*>(in.data());
        std::size_t srcLeft = in.size();
        std::size_t used = out.size();
        out.resize(used + 2 * srcLeft + 16);
        while (srcLeft > 0) {
            char* dst = out.data() + used;
            std::size_t dstLeft = out.size() - used;
            const std::size_t rc = iconv(cd_, &src, &srcLeft, &dst, &dstLeft);
            used = out.size() - dstLeft;
            if (rc != static_cast<std::size_t>(-1)) break;
            if (errno == E2BIG) {
                out.resize(out.size() * 2);
                continue;
            }
            // EILSEQ (no form in the target) or EINVAL (sequence cut short at the end).
            lossy = true;
            if (out.size() - used < replacement.size()) out.resize(out.size() * 2);
            std::memcpy(out.data() + used, replacement.data(), replacement.size());
            used += replacement.size();
            const std::size_t n = std::min(srcLeft, skip(std::string_view(src, srcLeft)));
            src += n;
            srcLeft -= n;
        }
        out.resize(used);
        iconv(cd_, nullptr, nullptr, nullptr, nullptr);  // back to the initial state
    }

private:
    iconv_t cd_;
};

bool isCp932Lead(unsigned char c) {
    return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
}

// Code page 932 to UTF-8 as lookup tables, filled once from iconv: every single byte from 0x80 up
// and every lead byte with every possible second byte. Decoding is then one lookup per character
// whatever the bytes are. An entry holds up to three UTF-8 bytes and its length (0: no character).
class Cp932Table {
public:
    struct Entry {
        char bytes[3];
        unsigned char length;
    };

    static const Cp932Table& instance() {
        static const Cp932Table table;  // thread-safe one-time fill
        return table;
    }
    const Entry& single(unsigned char byte) const { return single_[byte]; }
    const Entry& pair(unsigned char lead, unsigned char trail) const {
        return pairs_[leadIndex(lead) * 256 + trail];
    }

private:
    Cp932Table() : pairs_(kLeadCount * 256) {
        Converter conv("UTF-8", "CP932");
        for (int b = 0x80; b < 0x100; ++b) {
            if (!isCp932Lead(static_cast<unsigned char>(b)))
                single_[b] = convert(conv, std::string(1, static_cast<char>(b)));
        }
        for (int lead = 0x81; lead <= 0xFC; ++lead) {
            if (!isCp932Lead(static_cast<unsigned char>(lead))) continue;
            for (int trail = 0x40; trail <= 0xFC; ++trail) {
                const char bytes[2] = {static_cast<char>(lead), static_cast<char>(trail)};
                pairs_[leadIndex(static_cast<unsigned char>(lead)) * 256 + trail] =
                    convert(conv, std::string(bytes, 2));
            }
        }
    }

    static constexpr int kLeadCount = (0x9F - 0x81 + 1) + (0xFC - 0xE0 + 1);
    static int leadIndex(unsigned char lead) {
        return lead <= 0x9F ? lead - 0x81 : (0x9F - 0x81 + 1) + (lead - 0xE0);
    }

    static Entry convert(Converter& conv, const std::string& in) {
        Entry entry{};
        if (!conv.ok()) return entry;
        char* src = const_cast<char*>(in.data());
        std::size_t srcLeft = in.size();
        char out[8];
        char* dst = out;
        std::size_t dstLeft = sizeof out;
        const std::size_t rc = iconv(conv.cd(), &src, &srcLeft, &dst, &dstLeft);
        iconv(conv.cd(), nullptr, nullptr, nullptr, nullptr);
        const std::size_t length = sizeof out - dstLeft;
        if (rc == static_cast<std::size_t>(-1) || srcLeft != 0 || length == 0 || length > 3)
            return entry;
        std::memcpy(entry.bytes, out, length);
        entry.length = static_cast<unsigned char>(length);
        return entry;
    }

    Entry single_[256] = {};
    std::vector<Entry> pairs_;
};

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
    out.reserve(utf8.size() + utf8.size() / 4 + 64);
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
        if (!conv->ok()) {
            lossy = true;
            out.append(j - i, '?');
        } else {
            conv->append(utf8.substr(i, j - i), out, "?", utf8CharLength, lossy);
        }
        i = j;
    }
    return out;
}

// The decoded form of one character at `at`: its table entry (nothing for U+FFFD) and the number
// of bytes it takes. A lead byte takes its second byte along, which may lie in the ASCII range; a
// pair without a character gives U+FFFD for the lead byte alone and the second byte is read again
// on its own.
struct Cp932Char {
    const Cp932Table::Entry* entry;
    std::size_t length;
    std::size_t utf8Length() const { return entry ? entry->length : kReplacementChar.size(); }
};

Cp932Char cp932CharAt(const Cp932Table& table, const unsigned char* s, std::size_t at,
                      std::size_t n) {
    const unsigned char c = s[at];
    if (isCp932Lead(c)) {
        if (at + 1 < n && table.pair(c, s[at + 1]).length > 0)
            return {&table.pair(c, s[at + 1]), 2};
        return {nullptr, 1};
    }
    return {table.single(c).length > 0 ? &table.single(c) : nullptr, 1};
}

// A string of `size` bytes whose memory was advised huge pages before it was first written.
std::string largeBuffer(std::size_t size) {
    std::string buffer;
    buffer.reserve(size);
    preferHugePages(buffer.data(), buffer.capacity());
    buffer.resize(size);
    return buffer;
}

// How far the UTF-8 text of the bytes runs ahead of them at most, counted from the start: the
// room a decoding into the same buffer needs in front of the bytes.
std::size_t cp932Growth(std::string_view bytes) {
    const Cp932Table& table = Cp932Table::instance();
    const auto* s = reinterpret_cast<const unsigned char*>(bytes.data());
    const std::size_t n = bytes.size();
    std::size_t growth = 0;
    std::size_t maxGrowth = 0;
    for (std::size_t i = asciiRunEnd(bytes, 0); i < n; i = asciiRunEnd(bytes, i)) {
        const Cp932Char ch = cp932CharAt(table, s, i, n);
        growth += ch.utf8Length();
        growth -= std::min(growth, ch.length);  // a shorter form gives back what it saves
        maxGrowth = std::max(maxGrowth, growth);
        i += ch.length;
    }
    return maxGrowth;
}

// Decodes the bytes to `out` and returns the number of bytes written. `out` may lie in front of
// the bytes in the same buffer, at least cp932Growth(bytes) before them: the write position then
// never passes the read position.
std::size_t decodeCp932Into(std::string_view in, char* out) {
    const Cp932Table& table = Cp932Table::instance();
    const auto* s = reinterpret_cast<const unsigned char*>(in.data());
    const std::size_t n = in.size();
    std::size_t used = 0;
    std::size_t i = 0;
    while (i < n) {
        const std::size_t asciiEnd = asciiRunEnd(in, i);
        if (out + used != in.data() + i) std::memmove(out + used, in.data() + i, asciiEnd - i);
        used += asciiEnd - i;
        i = asciiEnd;
        if (i >= n) break;
        const Cp932Char ch = cp932CharAt(table, s, i, n);
        // Byte by byte: in place, no byte beyond the character's own form may be written.
        const char* form = ch.entry ? ch.entry->bytes : kReplacementChar.data();
        const std::size_t length = ch.utf8Length();
        for (std::size_t k = 0; k < length; ++k) out[used + k] = form[k];
        used += length;
        i += ch.length;
    }
    return used;
}

// The decoded text of the bytes in a new buffer; `growth` is cp932Growth(bytes).
std::string decodedCp932Copy(std::string_view bytes, std::size_t growth) {
    std::string out = largeBuffer(bytes.size() + growth);
    out.resize(decodeCp932Into(bytes, out.data()));
    return out;
}

// Decodes code page 932 inside the buffer itself, so that a large file needs no second buffer:
// the bytes move up by the room the text needs and are decoded forward to the front. When the
// buffer would have to grow for that anyway, the text goes straight into a new one instead.
void decodeCp932InPlace(std::string& bytes) {
    const std::size_t n = bytes.size();
    const std::size_t shift = cp932Growth(bytes);
    if (shift > 0 && bytes.capacity() < n + shift) {
        bytes = decodedCp932Copy(bytes, shift);
        return;
    }
    if (shift > 0) {
        bytes.resize(n + shift);
        std::memmove(bytes.data() + shift, bytes.data(), n);
    }
    bytes.resize(decodeCp932Into(std::string_view(bytes.data() + shift, n), bytes.data()));
}

void setReadError(QString* error, const QString& path, int reason) {
    if (error) {
        *error = QCoreApplication::translate("TextFile", "ファイル %1 を読み込めません（%2）。")
                     .arg(displayPath(path),
                          fileErrorReason(path, FileAccess::read, QFileDevice::ReadError, reason));
    }
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
    return decodedCp932Copy(bytes, cp932Growth(bytes));
}

std::string decodeFileBytes(std::string&& bytes) {
    const std::string_view view = bytes;
    const bool bom = view.starts_with(kUtf8Bom);
    if (isValidUtf8(view.substr(bom ? kUtf8Bom.size() : 0))) {
        if (bom) bytes.erase(0, kUtf8Bom.size());
        return std::move(bytes);
    }
    decodeCp932InPlace(bytes);
    return std::move(bytes);
}

std::string decodeCp932(std::string_view bytes) {
    return decodedCp932Copy(bytes, cp932Growth(bytes));
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

std::string encodeForFile(std::string_view utf8, FileEncoding encoding) {
    if (encoding == FileEncoding::Cp932) return encodeCp932(utf8);
    if (encoding == FileEncoding::Cp932OrUtf8) {
        // Code page 932 only when the reader brings back exactly this text: some characters have
        // a form there that reads back as another character, and some code page 932 bytes happen
        // to be valid UTF-8 and would be read as that.
        std::optional<std::string> encoded = encodeCp932Exact(utf8);
        if (encoded && decodeFileBytes(std::string_view(*encoded)) == utf8) return *encoded;
    }
    // The reader drops one leading byte-order mark, so a text that starts with one keeps it
    // behind a second.
    std::string out;
    if (utf8.starts_with(kUtf8Bom)) out.append(kUtf8Bom);
    out.append(utf8);
    return out;
}

std::size_t readableFileLimit() {
    // The file's bytes, their decoding and the tables filled from them take a few times the file's
    // size; a file that would not fit is refused before anything is allocated for it.
    std::size_t available = 0;
    if (std::FILE* meminfo = std::fopen("/proc/meminfo", "re")) {
        char line[256];
        unsigned long long kib = 0;
        while (std::fgets(line, sizeof line, meminfo)) {
            if (std::sscanf(line, "MemAvailable: %llu kB", &kib) == 1) {
                available = static_cast<std::size_t>(kib) * 1024;
                break;
            }
        }
        std::fclose(meminfo);
    }
    if (available == 0) {
        const long pages = ::sysconf(_SC_PHYS_PAGES);
        const long pageSize = ::sysconf(_SC_PAGESIZE);
        if (pages > 0 && pageSize > 0)
            available = static_cast<std::size_t>(pages) * static_cast<std::size_t>(pageSize) / 2;
    }
    constexpr std::size_t kFloor = std::size_t{64} << 20;
    return std::max(kFloor, available / 4);
}

std::optional<std::string> readFileBytes(const QString& path, QString* error,
                                         std::size_t sizeLimit) {
    if (sizeLimit == 0) sizeLimit = readableFileLimit();
    // Not blocking on open: a pipe without a writer must be refused, not waited for.
    const int fd = ::open(encodePath(path).constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        setReadError(error, path, errno);
        return std::nullopt;
    }
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        // Only regular files: a folder, a pipe or a device would be read without end or not at all.
        const int reason = S_ISDIR(st.st_mode) ? EISDIR : EINVAL;
        ::close(fd);
        setReadError(error, path, reason);
        return std::nullopt;
    }
    // One buffer sized from the file; a file that grew meanwhile is read to its end. Room for a
    // few more bytes lets the decoding of a mostly-ASCII file stay in the same buffer.
    const auto fileSize = static_cast<std::size_t>(std::max<off_t>(st.st_size, 0));
    if (fileSize > sizeLimit) {
        ::close(fd);
        setReadError(error, path, EFBIG);
        return std::nullopt;
    }
    try {
        // Read in chunks through a small buffer and appended: the text's buffer is written once,
        // not cleared first, and a file that grew meanwhile is read to its end.
        std::string bytes;
        bytes.reserve(fileSize + 64);
        preferHugePages(bytes.data(), bytes.capacity());
        char chunk[1 << 16];
        for (;;) {
            const ssize_t got = ::read(fd, chunk, sizeof chunk);
            if (got < 0) {
                if (errno == EINTR) continue;
                const int reason = errno;
                ::close(fd);
                setReadError(error, path, reason);
                return std::nullopt;
            }
            if (got == 0) break;
            if (bytes.size() + static_cast<std::size_t>(got) > sizeLimit) {
                ::close(fd);  // grew past the limit while being read
                setReadError(error, path, EFBIG);
                return std::nullopt;
            }
            bytes.append(chunk, static_cast<std::size_t>(got));
        }
        ::close(fd);
        return bytes;
    } catch (const std::bad_alloc&) {
        // Memory ran out below the limit (others use it too): a refusal like any unreadable file.
        ::close(fd);
        setReadError(error, path, ENOMEM);
        return std::nullopt;
    }
}

std::optional<std::string> readTextFile(const QString& path, QString* error,
                                        std::size_t sizeLimit) {
    std::optional<std::string> bytes = readFileBytes(path, error, sizeLimit);
    if (!bytes) return std::nullopt;
    try {
        return decodeFileBytes(std::move(*bytes));
    } catch (const std::bad_alloc&) {
        setReadError(error, path, ENOMEM);
        return std::nullopt;
    }
}

bool writeTextFile(const QString& path, std::string_view utf8, FileEncoding encoding,
                   QString* error) {
    return writeFileSafely(path, encodeForFile(utf8, encoding), error);
}

}  // namespace kuvanto

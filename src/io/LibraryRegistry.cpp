// The registry "pre.ini": parsing a line at a time with the program's field reader, and changes
// made on the file's own bytes: a registration appends one line in the file's encoding, a
// deletion drops the lines of the entry, and every other line (comments, lines the reader cannot
// take, bytes no encoding decodes) is kept byte for byte. The file is replaced through the safe
// writer, so a failed write leaves the old registry whole and a link is written through.
#include "io/LibraryRegistry.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>

#include "io/FieldReader.h"
#include "io/SafeWrite.h"
#include "io/TextFile.h"

namespace kuvanto {

namespace {

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

enum class LineKind { blank, entry, unreadable };

// One line of decoded registry text (without its line end): the two fields as views into the
// line or into the scratch strings (quoted fields), valid until the next line.
struct LineFields {
    std::string_view name;
    std::string_view file;
    std::string nameScratch;
    std::string fileScratch;
};

LineKind parseLine(std::string_view line, LineFields& fields) {
    if (line.find_first_not_of(" \t") == std::string_view::npos) return LineKind::blank;
    FieldReader reader(line);
    if (line.find(',') == std::string_view::npos ||
        !reader.nextPair(fields.name, fields.file, fields.nameScratch, fields.fileScratch))
        return LineKind::unreadable;
    return LineKind::entry;
}

// Calls `take(fields)` for each registration line until it returns false; the lines end at the
// first one that is not blank and holds no registration. False when reading stopped at such a
// line.
template <typename Take>
bool forEachEntry(std::string_view utf8, Take take) {
    LineFields fields;
    std::size_t start = 0;
    while (start < utf8.size()) {
        std::size_t end = utf8.find_first_of("\r\n", start);
        if (end == std::string_view::npos) end = utf8.size();
        const std::string_view line = utf8.substr(start, end - start);
        start = end + 1;
        if (end < utf8.size() && utf8[end] == '\r' && start < utf8.size() && utf8[start] == '\n')
            ++start;
        const LineKind kind = parseLine(line, fields);
        if (kind == LineKind::unreadable) return false;
        if (kind == LineKind::entry && !take(fields)) return true;
    }
    return true;
}

// The file's lines as raw bytes, each with its line end (CR LF, LF or CR), split where the
// reader splits the decoded text: code page 932 never has CR or LF inside a character.
std::vector<std::string_view> rawLines(std::string_view bytes) {
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    while (start < bytes.size()) {
        std::size_t end = bytes.find_first_of("\r\n", start);
        if (end == std::string_view::npos) {
            end = bytes.size();
        } else {
            ++end;
            if (bytes[end - 1] == '\r' && end < bytes.size() && bytes[end] == '\n') ++end;
        }
        lines.push_back(bytes.substr(start, end - start));
        start = end;
    }
    return lines;
}

std::string_view withoutLineEnd(std::string_view line) {
    while (!line.empty() && (line.back() == '\r' || line.back() == '\n')) line.remove_suffix(1);
    return line;
}

}  // namespace

RegistryRead LibraryRegistry::parse(std::string_view utf8) {
    RegistryRead result;
    const bool whole = forEachEntry(utf8, [&](const LineFields& fields) {
        result.entries.push_back({std::string(fields.name), std::string(fields.file)});
        return true;
    });
    result.ok = whole && !result.entries.empty();
    return result;
}

RegistryNames LibraryRegistry::names(std::string_view utf8) {
    RegistryNames result;
    const bool whole = forEachEntry(utf8, [&](const LineFields& fields) {
        result.text += fields.name;
        result.ends.push_back(result.text.size());
        return true;
    });
    result.text.shrink_to_fit();
    result.ends.shrink_to_fit();
    result.ok = whole && !result.ends.empty();
    return result;
}

RegistryNames LibraryRegistry::readNames(const QString& path) {
    if (!QFileInfo(path).isFile()) return {};
    const std::optional<std::string> text = readTextFile(path);
    if (!text) return {};
    return names(*text);
}

std::optional<std::string> LibraryRegistry::fileOf(std::string_view utf8, std::string_view name) {
    std::optional<std::string> file;
    forEachEntry(utf8, [&](const LineFields& fields) {
        if (fields.name != name) return true;
        file = std::string(fields.file);
        return false;
    });
    return file;
}

std::string LibraryRegistry::format(const std::vector<RegistryEntry>& entries) {
    std::string text;
    for (const RegistryEntry& entry : entries) {
        // Quoted wherever the reader needs quotes to bring the field back as it is.
        appendField(text, entry.name);
        text += ',';
        appendField(text, entry.file);
        text += "\r\n";
    }
    return text;
}

RegistryRead LibraryRegistry::read(const QString& path) {
    if (!QFileInfo(path).isFile()) return {};
    const std::optional<std::string> text = readTextFile(path);
    if (!text) return {};
    return parse(*text);
}

bool LibraryRegistry::isStorableName(const QString& name) {
    return !name.trimmed().isEmpty() && !name.contains(QLatin1Char(',')) &&
           !name.contains(QLatin1Char('"')) && !name.contains(QLatin1Char('\r')) &&
           !name.contains(QLatin1Char('\n'));
}

std::optional<std::string> LibraryRegistry::appended(std::string_view bytes,
                                                     const RegistryEntry& entry) {
    std::string text(bytes);
    const std::string line = format({entry});
    if (!text.empty() && text.back() != '\n' && text.back() != '\r') text += "\r\n";
    const std::string_view body =
        bytes.starts_with(kUtf8Bom) ? bytes.substr(kUtf8Bom.size()) : bytes;
    const bool ascii = std::all_of(bytes.begin(), bytes.end(),
                                   [](char c) { return static_cast<unsigned char>(c) < 0x80; });
    if (ascii) {
        // Either encoding keeps the old lines: the line in code page 932 where it reads back.
        text += encodeForFile(line, FileEncoding::Cp932OrUtf8);
    } else if (isValidUtf8(body)) {
        text += line;  // the file is read as UTF-8 and must stay valid UTF-8
    } else {
        // The file is read as code page 932: the line must be written in it and read back so.
        const std::optional<std::string> encoded = encodeCp932Exact(line);
        if (!encoded || decodeCp932(*encoded) != line) return std::nullopt;
        text += *encoded;
    }
    return text;
}

std::string LibraryRegistry::withoutItem(std::string_view bytes, const std::string& item) {
    const std::string_view body =
        bytes.starts_with(kUtf8Bom) ? bytes.substr(kUtf8Bom.size()) : bytes;
    const bool utf8 = isValidUtf8(body);
    std::string kept;
    kept.reserve(bytes.size());
    bool reading = true;  // the reader stops at the first line it cannot take
    bool first = true;
    for (std::string_view line : rawLines(bytes)) {
        bool drop = false;
        if (reading) {
            std::string_view content = withoutLineEnd(line);
            if (first && utf8 && content.starts_with(kUtf8Bom)) content.remove_prefix(3);
            const std::string decoded = utf8 ? std::string(content) : decodeCp932(content);
            LineFields fields;
            const LineKind kind = parseLine(decoded, fields);
            if (kind == LineKind::unreadable) reading = false;
            drop = kind == LineKind::entry &&
                   RegistryEntry{std::string(fields.name), std::string(fields.file)}.item() == item;
        }
        // A BOM on a dropped first line stays at the front.
        if (drop && first && utf8 && line.starts_with(kUtf8Bom)) kept += kUtf8Bom;
        if (!drop) kept += line;
        first = false;
    }
    return kept;
}

bool LibraryRegistry::append(const QString& path, const RegistryEntry& entry, QString* error) {
    if (!isStorableName(QString::fromStdString(entry.name))) {
        if (error)
            *error = QCoreApplication::translate("LibraryRegistry",
                                                 "登録名称にカンマ(,)や引用符(\")は使えません。");
        return false;
    }
    if (!isStorableName(QString::fromStdString(entry.file))) {
        if (error)
            *error = QCoreApplication::translate(
                "LibraryRegistry", "データファイルの名前にカンマ(,)や引用符(\")は使えません。");
        return false;
    }
    std::string old;
    if (QFileInfo::exists(path)) {
        std::optional<std::string> bytes = readFileBytes(path, error);
        if (!bytes) return false;
        old = std::move(*bytes);
    }
    const std::optional<std::string> text = appended(old, entry);
    if (!text) {
        if (error)
            *error =
                QCoreApplication::translate("LibraryRegistry",
                                            "登録名称かファイル名に、pre.ini の文字コード(CP932)で"
                                            "書けない文字があります。");
        return false;
    }
    return writeFileSafely(path, *text, error);
}

bool LibraryRegistry::remove(const QString& path, const std::string& item, QString* error) {
    const std::optional<std::string> bytes = readFileBytes(path, error);
    if (!bytes) return false;
    return writeFileSafely(path, withoutItem(*bytes, item), error);
}

bool LibraryRegistry::fileExists(const QString& text) {
    if (text.isEmpty() || text.contains(QLatin1Char('*')) || text.contains(QLatin1Char('?')))
        return false;
    const QFileInfo info(text);
    return info.exists() && info.isFile();
}

QString LibraryRegistry::fileNamePart(const QString& path, bool keepExtension) {
    const qsizetype slash =
        std::max(path.lastIndexOf(QLatin1Char('\\')), path.lastIndexOf(QLatin1Char('/')));
    QString name = path.mid(slash + 1);
    if (!keepExtension) {
        const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
        if (dot >= 0) name.truncate(dot);
    }
    return name;
}

}  // namespace kuvanto

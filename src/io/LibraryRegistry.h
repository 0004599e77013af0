// The shape library's registry "pre.ini": one line per registration, the category name, a comma and
// the data file's name (without folder). Read as two comma-separated fields a line (blanks around
// a field dropped, double quotes removed). A change keeps every line it does not change byte for
// byte and replaces the whole file through the safe writer, so a failed write leaves the old
// registry whole.
#pragma once

#include <QString>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kuvanto {

inline const QString kRegistryFileName = QStringLiteral("pre.ini");
inline const QString kLibraryDataFolder = QStringLiteral("data");

struct RegistryEntry {
    std::string name;
    std::string file;
    // The management list's item: name "[" file "]".
    std::string item() const { return name + "[" + file + "]"; }
    bool operator==(const RegistryEntry&) const = default;
};

struct RegistryRead {
    std::vector<RegistryEntry> entries;  // the lines read before any failure
    bool ok = false;                     // the file was read whole and holds a registration
};

// The category names of a registry, kept compact for registries of millions of lines: the names
// one after the other in one buffer and where each ends, a few bytes beside the name itself.
struct RegistryNames {
    std::string text;
    std::vector<std::size_t> ends;
    bool ok = false;  // as RegistryRead::ok
    std::size_t size() const { return ends.size(); }
    std::string_view name(std::size_t i) const {
        const std::size_t begin = i == 0 ? 0 : ends[i - 1];
        return std::string_view(text).substr(begin, ends[i] - begin);
    }
};

class LibraryRegistry {
public:
    // The entries of registry text (UTF-8); a line without two fields ends the reading (not ok).
    static RegistryRead parse(std::string_view utf8);
    // Registry text: "name,file" lines ended by CR LF, a field quoted where the reader needs it.
    static std::string format(const std::vector<RegistryEntry>& entries);

    // The registry's bytes with the entry's line added at the end, in the encoding the file is
    // read in; nothing when that encoding cannot hold the line.
    static std::optional<std::string> appended(std::string_view bytes, const RegistryEntry& entry);
    // The registry's bytes without the lines of the entries whose item equals `item`; every other
    // byte stays. Lines after the first one the reader cannot take are never touched.
    static std::string withoutItem(std::string_view bytes, const std::string& item);

    // Reads the registry file; missing, unreadable, empty or with a bad line gives ok = false.
    static RegistryRead read(const QString& path);
    // The names alone, read as parse and read do.
    static RegistryNames names(std::string_view utf8);
    static RegistryNames readNames(const QString& path);
    // The data file of the first registration named `name` (reading stops there); nothing when
    // no line up to the first bad one has that name.
    static std::optional<std::string> fileOf(std::string_view utf8, std::string_view name);

    // A name that can be stored: not empty, without comma, quote or line break.
    static bool isStorableName(const QString& name);

    // Appends a registration. False (and `error`) on a failed write, a name or file name that
    // cannot be stored, or one the file's encoding cannot hold.
    static bool append(const QString& path, const RegistryEntry& entry, QString* error = nullptr);

    // Removes every registration whose item equals `item`; the registry is replaced through the
    // safe writer. False (and `error`) when it cannot be read or the new one cannot be written.
    static bool remove(const QString& path, const std::string& item, QString* error = nullptr);

    // Whether the text names an existing file that is not a folder (no "*" or "?" in it).
    static bool fileExists(const QString& text);
    // The characters after the last "/" or "\" (the whole text without one); without the
    // extension when `keepExtension` is false.
    static QString fileNamePart(const QString& path, bool keepExtension);
};

}  // namespace kuvanto

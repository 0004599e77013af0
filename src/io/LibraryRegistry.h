// The shape library's registry "pre.ini": one line per registration, the category name, a comma and
// the data file's name (without folder). Read as two comma-separated fields a line (blanks around
// a field dropped, double quotes removed). Every change rewrites the whole file atomically, so a
// failed write leaves the old registry whole.
#pragma once

#include <QString>
#include <string>
#include <string_view>
#include <vector>

namespace kuvanto {

inline const QString kRegistryFileName = QStringLiteral("pre.ini");
inline const QString kRegistryTempName = QStringLiteral("pre.ini_tmp");
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

class LibraryRegistry {
public:
    // The entries of registry text (UTF-8); a line without two fields ends the reading (not ok).
    static RegistryRead parse(std::string_view utf8);
    // Registry text: "name,file" lines ended by CR LF.
    static std::string format(const std::vector<RegistryEntry>& entries);

    // Reads the registry file; missing, unreadable, empty or with a bad line gives ok = false.
    static RegistryRead read(const QString& path);

    // A name that can be stored: not empty, without comma, quote or line break.
    static bool isStorableName(const QString& name);

    // Appends a registration (the file rewritten whole). False (and `error`) on a failed write or
    // a name that cannot be stored.
    static bool append(const QString& path, const RegistryEntry& entry, QString* error = nullptr);

    // Removes every registration whose item equals `item`: the remaining lines are written to
    // "pre.ini_tmp" beside the registry, which then replaces it in one rename. False (and
    // `error`) when the registry cannot be read or the new one cannot be written.
    static bool remove(const QString& path, const std::string& item, QString* error = nullptr);

    // Whether the text names an existing file that is not a folder (no "*" or "?" in it).
    static bool fileExists(const QString& text);
    // The characters after the last "/" or "\" (the whole text without one); without the
    // extension when `keepExtension` is false.
    static QString fileNamePart(const QString& path, bool keepExtension);
};

}  // namespace kuvanto

// The shape library that ships with the program (library/ of the source tree, built into the
// program as resources under ":/library"), its installation into the user's working folder on
// first start, and look-ups of categories and parts in a library folder.
#pragma once

#include <QString>
#include <optional>
#include <string>
#include <vector>

#include "io/LibraryRegistry.h"
#include "io/ShapeDataFile.h"

namespace kuvanto {

struct LibraryCategory {
    RegistryEntry entry;
    std::vector<std::string> parts;  // empty when the data file cannot be read
};

class ShippedLibrary {
public:
    // The resource folder of the shipped library.
    static QString folder();

    // Copies the shipped registry and data files into `workFolder` when it has no "pre.ini".
    // A user's own registry is never replaced, nor a data file that is already there. False (and
    // `error`) when a copy fails.
    static bool installInto(const QString& workFolder, QString* error = nullptr);

    // The path of a registered data file: folder/data/file.
    static QString dataPath(const QString& libraryFolder, const std::string& file);

    // The categories of a library folder's registry with their part names.
    static std::vector<LibraryCategory> categories(const QString& libraryFolder);

    // The part of that name in the first category that has it.
    static std::optional<LibraryPart> findPart(const QString& libraryFolder,
                                               const std::string& name);
};

}  // namespace kuvanto

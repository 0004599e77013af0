// Builds the shape library that ships with the program from the dimension tables in
// library/tables: the registry "pre.ini" and one data file per category. The library's files are
// committed; a test checks that they equal what this generator makes of the tables.
#pragma once

#include <QString>
#include <map>
#include <string>

namespace kuvanto {

class LibraryGenerator {
public:
    // The library's files by path relative to the library folder ("pre.ini", "data/…csv"), as
    // the bytes to store (code page 932, CR LF). Empty (and `error`) when a table is missing or
    // has a row that is not a set of positive numbers.
    static std::map<QString, std::string> generate(const QString& tablesFolder,
                                                   QString* error = nullptr);

    // Writes the files into the library folder (creating "data"). False (and `error`) when a
    // file cannot be written.
    static bool write(const std::map<QString, std::string>& files, const QString& libraryFolder,
                      QString* error = nullptr);
};

}  // namespace kuvanto

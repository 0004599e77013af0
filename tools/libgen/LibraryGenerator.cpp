// The library generator: each category names its table, its columns and the outline builder that
// turns one table row into an outline; every row becomes one part of the category's data file,
// with the base points of its outline.
#include "LibraryGenerator.h"

#include <QDir>
#include <QFile>
#include <functional>
#include <vector>

#include "core/base/NumberText.h"
#include "core/shapes/ShapeOutlines.h"
#include "io/LibraryRegistry.h"
#include "io/ShapeDataFile.h"
#include "io/TextFile.h"

namespace kuvanto {

namespace {

using Dimensions = std::vector<double>;

struct Category {
    const char* name;   // the category name in the registry
    const char* table;  // the dimension table (and the data file of the same name)
    int columns;        // dimensions after the designation
    std::function<std::vector<PlanePoint>(const Dimensions&)> outline;
};

const std::vector<Category>& categories() {
    using S = ShapeOutlines;
    static const std::vector<Category> list = {
        {"H形鋼", "h-shapes.csv", 5,
         [](const Dimensions& d) { return S::hShape(d[0], d[1], d[2], d[3], d[4]); }},
        {"I形鋼", "i-shapes.csv", 6,
         [](const Dimensions& d) { return S::iShape(d[0], d[1], d[2], d[3], d[4], d[5]); }},
        {"溝形鋼", "channels.csv", 6,
         [](const Dimensions& d) { return S::channel(d[0], d[1], d[2], d[3], d[4], d[5]); }},
        {"等辺山形鋼", "equal-angles.csv", 4,
         [](const Dimensions& d) { return S::equalAngle(d[0], d[1], d[2], d[3]); }},
        {"鋼管", "pipes.csv", 2, [](const Dimensions& d) { return S::pipe(d[0], d[1]); }},
        {"平鋼", "flat-bars.csv", 2, [](const Dimensions& d) { return S::flatBar(d[0], d[1]); }},
        {"丸鋼", "round-bars.csv", 1, [](const Dimensions& d) { return S::roundBar(d[0]); }},
    };
    return list;
}

std::vector<QStringList> tableRows(const QString& path, QString* error) {
    const std::optional<std::string> text = readTextFile(path, error);
    if (!text) return {};
    std::vector<QStringList> rows;
    const QStringList lines = QString::fromStdString(*text).split(QLatin1Char('\n'));
    for (int i = 1; i < lines.size(); ++i) {  // line 1 holds the column names
        const QString line = lines[i].trimmed();
        if (!line.isEmpty()) rows.push_back(line.split(QLatin1Char(',')));
    }
    return rows;
}

}  // namespace

std::map<QString, std::string> LibraryGenerator::generate(const QString& tablesFolder,
                                                          QString* error) {
    std::map<QString, std::string> files;
    std::vector<RegistryEntry> registry;
    for (const Category& category : categories()) {
        const QString table = QDir(tablesFolder).filePath(QString::fromUtf8(category.table));
        const std::vector<QStringList> rows = tableRows(table, error);
        std::vector<LibraryPart> parts;
        for (const QStringList& row : rows) {
            Dimensions dimensions;
            for (int c = 1; c < row.size(); ++c) {
                const std::optional<double> value = parseNumeric(row[c].trimmed().toStdString());
                if (value && *value > 0) dimensions.push_back(*value);
            }
            if (row.size() != category.columns + 1 ||
                static_cast<int>(dimensions.size()) != category.columns) {
                if (error) *error = QStringLiteral("%1: bad row \"%2\"").arg(table, row.join(','));
                return {};
            }
            LibraryPart part;
            part.name = row[0].trimmed().toStdString();
            part.outline = category.outline(dimensions);
            part.basePoints = ShapeOutlines::basePoints(part.outline);
            parts.push_back(std::move(part));
        }
        const std::string text = ShapeDataFile::format(parts);
        if (text.empty()) {
            if (error && error->isEmpty())
                *error = QStringLiteral("%1: no parts, or parts that do not line up").arg(table);
            return {};
        }
        files[QStringLiteral("data/") + QString::fromUtf8(category.table)] = encodeCp932(text);
        registry.push_back({category.name, category.table});
    }
    files[kRegistryFileName] = encodeCp932(LibraryRegistry::format(registry));
    return files;
}

bool LibraryGenerator::write(const std::map<QString, std::string>& files,
                             const QString& libraryFolder, QString* error) {
    QDir folder(libraryFolder);
    if (!folder.mkpath(kLibraryDataFolder)) {
        if (error) *error = QStringLiteral("cannot create %1/data").arg(libraryFolder);
        return false;
    }
    for (const auto& [name, bytes] : files) {
        // The bytes are already encoded; writing them as UTF-8 stores them unchanged.
        if (!writeTextFile(folder.filePath(name), bytes, FileEncoding::Utf8, error)) return false;
    }
    return true;
}

}  // namespace kuvanto

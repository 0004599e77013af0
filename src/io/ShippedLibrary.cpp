// Installing and reading the shape library: the registry lists the categories, each data file
// holds the parts of one category.
#include "io/ShippedLibrary.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

#include "io/TextFile.h"

namespace kuvanto {

namespace {

// The decoded text of a library file, in the resources (":/…") or on disk.
std::optional<std::string> readLibraryText(const QString& path) {
    if (!path.startsWith(QLatin1Char(':'))) return readTextFile(path);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
    const QByteArray bytes = file.readAll();
    return decodeFileBytes(std::string_view(bytes.constData(), bytes.size()));
}

}  // namespace

QString ShippedLibrary::folder() {
    return QStringLiteral(":/library");
}

bool ShippedLibrary::installInto(const QString& workFolder, QString* error) {
    QDir target(workFolder);
    if (QFileInfo::exists(target.filePath(kRegistryFileName))) return true;
    if (!target.mkpath(kLibraryDataFolder)) {
        if (error)
            *error = QCoreApplication::translate("ShippedLibrary", "フォルダ %1 を作成できません。")
                         .arg(target.filePath(kLibraryDataFolder));
        return false;
    }
    QDirIterator it(folder() + QLatin1Char('/') + kLibraryDataFolder, QDir::Files);
    while (it.hasNext()) {
        it.next();
        const QString destination =
            target.filePath(kLibraryDataFolder + QLatin1Char('/') + it.fileName());
        if (QFileInfo::exists(destination)) continue;
        QFile source(it.filePath());
        if (!source.open(QIODevice::ReadOnly)) return false;
        const QByteArray bytes = source.readAll();
        if (!writeTextFile(destination, std::string_view(bytes.constData(), bytes.size()),
                           FileEncoding::Utf8, error))
            return false;
    }
    // The registry last: a failed copy leaves no registry, so the next start tries again.
    QFile registry(folder() + QLatin1Char('/') + kRegistryFileName);
    if (!registry.open(QIODevice::ReadOnly)) return false;
    const QByteArray bytes = registry.readAll();
    return writeTextFile(target.filePath(kRegistryFileName),
                         std::string_view(bytes.constData(), bytes.size()), FileEncoding::Utf8,
                         error);
}

QString ShippedLibrary::dataPath(const QString& libraryFolder, const std::string& file) {
    return libraryFolder + QLatin1Char('/') + kLibraryDataFolder + QLatin1Char('/') +
           QString::fromStdString(file);
}

std::vector<LibraryCategory> ShippedLibrary::categories(const QString& libraryFolder) {
    std::vector<LibraryCategory> list;
    const std::optional<std::string> registry =
        readLibraryText(libraryFolder + QLatin1Char('/') + kRegistryFileName);
    if (!registry) return list;
    for (const RegistryEntry& entry : LibraryRegistry::parse(*registry).entries) {
        LibraryCategory category{entry, {}};
        if (const auto text = readLibraryText(dataPath(libraryFolder, entry.file)))
            category.parts = ShapeDataFile::partNames(*text);
        list.push_back(std::move(category));
    }
    return list;
}

std::optional<LibraryPart> ShippedLibrary::findPart(const QString& libraryFolder,
                                                    const std::string& name) {
    for (const LibraryCategory& category : categories(libraryFolder)) {
        for (std::size_t k = 0; k < category.parts.size(); ++k) {
            if (category.parts[k] != name) continue;
            const auto text = readLibraryText(dataPath(libraryFolder, category.entry.file));
            LibraryPart part;
            if (text && ShapeDataFile::readPart(*text, static_cast<int>(k), part)) return part;
        }
    }
    return std::nullopt;
}

}  // namespace kuvanto

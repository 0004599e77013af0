// The registry "pre.ini": parsing a line at a time with the program's field reader, writing whole
// files through the atomic text-file writer, and the deletion by way of "pre.ini_tmp".
#include "io/LibraryRegistry.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <cstdio>

#include "io/FieldReader.h"
#include "io/TextFile.h"

namespace kuvanto {

RegistryRead LibraryRegistry::parse(std::string_view utf8) {
    RegistryRead result;
    std::size_t start = 0;
    while (start < utf8.size()) {
        std::size_t end = utf8.find_first_of("\r\n", start);
        if (end == std::string_view::npos) end = utf8.size();
        const std::string_view line = utf8.substr(start, end - start);
        start = end + 1;
        if (end < utf8.size() && utf8[end] == '\r' && start < utf8.size() && utf8[start] == '\n')
            ++start;
        if (line.find_first_not_of(" \t") == std::string_view::npos) continue;
        FieldReader reader(line);
        std::string name, file;
        if (line.find(',') == std::string_view::npos || !reader.nextPair(name, file)) return result;
        result.entries.push_back({name, file});
    }
    result.ok = !result.entries.empty();
    return result;
}

std::string LibraryRegistry::format(const std::vector<RegistryEntry>& entries) {
    std::string text;
    for (const RegistryEntry& entry : entries) text += entry.name + "," + entry.file + "\r\n";
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

bool LibraryRegistry::append(const QString& path, const RegistryEntry& entry, QString* error) {
    if (!isStorableName(QString::fromStdString(entry.name)) ||
        !isStorableName(QString::fromStdString(entry.file))) {
        if (error) *error = QStringLiteral("登録名称にカンマ(,)や引用符(\")は使えません。");
        return false;
    }
    std::string text;
    if (QFileInfo::exists(path)) {
        const std::optional<std::string> old = readTextFile(path, error);
        if (!old) return false;
        text = *old;
        if (!text.empty() && text.back() != '\n' && text.back() != '\r') text += "\r\n";
    }
    text += format({entry});
    return writeTextFile(path, text, FileEncoding::Cp932OrUtf8, error);
}

bool LibraryRegistry::remove(const QString& path, const std::string& item, QString* error) {
    const std::optional<std::string> text = readTextFile(path, error);
    if (!text) return false;
    std::vector<RegistryEntry> kept;
    for (const RegistryEntry& entry : parse(*text).entries) {
        if (entry.item() != item) kept.push_back(entry);
    }
    const QString temp = QFileInfo(path).dir().filePath(kRegistryTempName);
    if (!writeTextFile(temp, format(kept), FileEncoding::Cp932OrUtf8, error)) return false;
    // rename() replaces the registry in one step: readers see the old or the new file, never
    // a missing or half-written one.
    if (std::rename(QFile::encodeName(temp).constData(), QFile::encodeName(path).constData()) !=
        0) {
        if (error) *error = QStringLiteral("ファイル %1 を置き換えられません。").arg(path);
        QFile::remove(temp);
        return false;
    }
    return true;
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

// The shape library's commands: registry and data files read through the io formats, the part
// inserted with one bulk row insertion, registrations written atomically.
#include "shapes/ShapeLibrary.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <cmath>

#include "core/shapes/OutlineInsertion.h"
#include "editing/Messenger.h"
#include "editing/TableChange.h"
#include "editing/Workspace.h"
#include "io/TextFile.h"
#include "io/UiText.h"

namespace kuvanto {

const UiText ShapeLibrary::kInsertTitle{"ShapeLibrary",
                                        QT_TRANSLATE_NOOP("ShapeLibrary", "登録図形の挿入")};
const UiText ShapeLibrary::kInsertQuestion{
    "ShapeLibrary",
    QT_TRANSLATE_NOOP("ShapeLibrary", "選択行からデータを挿入します。\rよろしいですか？")};
const UiText ShapeLibrary::kRegistryReadError{
    "ShapeLibrary",
    QT_TRANSLATE_NOOP("ShapeLibrary",
                      "登録図形管理ファイル(pre.ini)の読込みにおいてエラーが発生しました。")};
const UiText ShapeLibrary::kRegistryWriteError{
    "ShapeLibrary",
    QT_TRANSLATE_NOOP("ShapeLibrary",
                      "登録図形管理ファイル(pre.ini)への登録時にエラーが発生しました。")};
const UiText ShapeLibrary::kBadAddress{
    "ShapeLibrary", QT_TRANSLATE_NOOP("ShapeLibrary", "データファイル(csv)のアドレスが不正です。")};
const UiText ShapeLibrary::kBadName{
    "ShapeLibrary",
    QT_TRANSLATE_NOOP("ShapeLibrary",
                      "登録名称にカンマ(,)や引用符(\")は使えません。別の名称を入力して下さい。")};
const UiText ShapeLibrary::kBadFileName{
    "ShapeLibrary",
    QT_TRANSLATE_NOOP("ShapeLibrary",
                      "データファイルの名前にカンマ(,)や引用符(\")があるため登録できません。"
                      "名前を変えたファイルを選んで下さい。")};
const UiText ShapeLibrary::kOutsideDataFolder{
    "ShapeLibrary",
    QT_TRANSLATE_NOOP("ShapeLibrary",
                      "データファイルはライブラリのdataフォルダーにあるものしか登録できません"
                      "（登録されるのはファイル名だけで、データはdataフォルダーから読まれます）。\r"
                      "ファイルを次のフォルダーに置いてから登録して下さい。\r")};
const UiText ShapeLibrary::kTargetOutOfRange{
    "ShapeLibrary",
    QT_TRANSLATE_NOOP("ShapeLibrary", "挿入座標が大きすぎるか数値でないため、挿入できません。")};
const UiText ShapeLibrary::kDeleteError{
    "ShapeLibrary", QT_TRANSLATE_NOOP("ShapeLibrary", "エラーが発生しました。")};

ShapeLibrary::ShapeLibrary(QString folder) : folder_(std::move(folder)) {}

QString ShapeLibrary::registryPath() const {
    return QDir(folder_).filePath(kRegistryFileName);
}

QString ShapeLibrary::dataFolder() const {
    return QDir(folder_).filePath(kLibraryDataFolder);
}

QString ShapeLibrary::dataPath(const QString& file) const {
    return QDir(dataFolder()).filePath(file);
}

QString ShapeLibrary::partReadError(const QString& dataPath) {
    return QCoreApplication::translate("ShapeLibrary", "登録図形座標ファイル(") +
           QDir::toNativeSeparators(dataPath) +
           QCoreApplication::translate("ShapeLibrary", ")の読込みにおいてエラーが発生しました。");
}

RegistryRead ShapeLibrary::categories() const {
    return LibraryRegistry::read(registryPath());
}

RegistryNames ShapeLibrary::categoryNames() const {
    return LibraryRegistry::readNames(registryPath());
}

bool ShapeLibrary::partNames(const QString& category, QStringList& names, QString& dataPath) const {
    if (!QFileInfo(registryPath()).isFile()) return false;
    const std::optional<std::string> registry = readTextFile(registryPath());
    if (!registry) return false;
    // The registry is searched as it is read, up to the first line of that name.
    const std::optional<std::string> file =
        LibraryRegistry::fileOf(*registry, category.toStdString());
    if (!file) return false;
    const QString path = this->dataPath(QString::fromStdString(*file));
    const std::optional<std::string> text = readTextFile(path);
    if (!text) return false;
    for (const std::string& name : ShapeDataFile::partNames(*text))
        names << QString::fromStdString(name);
    dataPath = path;
    return true;
}

bool ShapeLibrary::readPart(const QString& dataPath, int index, LibraryPart& part) {
    const std::optional<std::string> text = readTextFile(dataPath);
    return text && ShapeDataFile::readPart(*text, index, part);
}

std::optional<QRectF> ShapeLibrary::previewWindow(const std::vector<PlanePoint>& basePoints) {
    if (basePoints.empty()) return std::nullopt;
    double left = basePoints.front().x, right = left;
    double bottom = basePoints.front().y, top = bottom;
    for (const PlanePoint& p : basePoints) {
        left = std::min(left, p.x);
        right = std::max(right, p.x);
        bottom = std::min(bottom, p.y);
        top = std::max(top, p.y);
    }
    const double s = std::max(right - left, top - bottom);
    if (s == 0) return std::nullopt;
    const double cx = (left + right) / 2, cy = (bottom + top) / 2;
    return QRectF(QPointF(cx - s, cy + s), QPointF(cx + s, cy - s));
}

int ShapeLibrary::pickBasePoint(const std::vector<PlanePoint>& basePoints, PlanePoint at,
                                double viewWidth) {
    double best = viewWidth;
    int picked = -1;
    for (std::size_t i = 0; i < basePoints.size(); ++i) {
        const double distance = std::hypot(basePoints[i].x - at.x, basePoints[i].y - at.y);
        if (distance < best) {
            best = distance;
            picked = static_cast<int>(i);
        }
    }
    return best < viewWidth / 20 ? picked : -1;
}

bool ShapeLibrary::insertPart(Workspace& workspace, CoordTable& grid, const QString& dataPath,
                              int index, PlanePoint base, PlanePoint target) {
    LibraryPart part;
    if (!readPart(dataPath, index, part)) return false;
    TableChange change(workspace);
    const int after = insertOutline(grid, grid.row(), part.outline, base, target);
    if (after < 0) return false;  // a point beyond the double range: nothing inserted
    grid.setRow(after);
    return true;
}

bool ShapeLibrary::registerFile(const QString& name, const QString& dataFile,
                                Messenger& messenger) const {
    if (!LibraryRegistry::fileExists(dataFile)) {
        messenger.notice(kBadAddress);
        return false;
    }
    if (!LibraryRegistry::isStorableName(name)) {
        messenger.notice(kBadName);
        return false;
    }
    const QString fileName = LibraryRegistry::fileNamePart(dataFile, true);
    if (!LibraryRegistry::isStorableName(fileName)) {
        messenger.notice(kBadFileName);
        return false;
    }
    // Only the file name is stored and the category reads it from the data folder, so a file
    // elsewhere would register another file of that name, or none.
    const QFileInfo chosen(dataFile);
    const QFileInfo inDataFolder(dataPath(fileName));
    if (!inDataFolder.exists() || chosen.canonicalFilePath() != inDataFolder.canonicalFilePath()) {
        messenger.notice(kOutsideDataFolder + QDir::toNativeSeparators(dataFolder()));
        return false;
    }
    QString error;
    const RegistryEntry entry{name.toStdString(), fileName.toStdString()};
    if (!LibraryRegistry::append(registryPath(), entry, &error)) {
        messenger.notice(kRegistryWriteError + QLatin1Char('\r') + error);
        return false;
    }
    return true;
}

bool ShapeLibrary::deleteItem(const QString& item, Messenger& messenger) const {
    if (item.isEmpty()) return false;
    if (!messenger.confirm(
            item + QCoreApplication::translate("ShapeLibrary",
                                               "を削除します。\rよろしいですか？(なお、csvデータは"
                                               "削除されません。)"),
            kInsertTitle))
        return false;
    QString error;
    if (!LibraryRegistry::remove(registryPath(), item.toStdString(), &error)) {
        messenger.notice(kDeleteError + QLatin1Char('\r') + error);
        return false;
    }
    return true;
}

}  // namespace kuvanto

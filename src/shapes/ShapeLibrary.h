// The shape library's commands without their dialogs: the categories of the registry, the parts
// of a category, a part's outline and base points, the picking of a base point in the preview,
// the insertion of a part into a coordinate table, and the registration and deletion of
// categories with their messages. The insertion and management dialogs only collect the choices.
#pragma once

#include <QRectF>
#include <QString>
#include <QStringList>
#include <optional>

#include "core/table/CoordTable.h"
#include "io/LibraryRegistry.h"
#include "io/ShapeDataFile.h"
#include "io/UiText.h"

namespace kuvanto {

class Messenger;
class Workspace;

class ShapeLibrary {
public:
    static const UiText kInsertTitle;  // "登録図形の挿入"
    static const UiText kInsertQuestion;  // "選択行からデータを挿入します。" CR "よろしいですか？"
    static const UiText kRegistryReadError;   // the "pre.ini" read error
    static const UiText kRegistryWriteError;  // the registration write error
    static const UiText kBadAddress;  // "データファイル(csv)のアドレスが不正です。"
    static const UiText kBadName;     // a name that cannot be stored in "pre.ini"
    static const UiText kBadFileName;        // a data file whose name cannot be stored in "pre.ini"
    static const UiText kOutsideDataFolder;  // a data file outside the data folder
    static const UiText kTargetOutOfRange;   // an insertion point that gives no finite vertex
    static const UiText kDeleteError;        // "エラーが発生しました。"

    // `folder` holds "pre.ini" and the "data" folder.
    explicit ShapeLibrary(QString folder);

    QString folder() const { return folder_; }
    QString registryPath() const;
    QString dataFolder() const;  // folder "/data"
    QString dataPath(const QString& file) const;

    // The read error of a data file: "登録図形座標ファイル(" path ")の読込みにおいてエラーが…".
    static QString partReadError(const QString& dataPath);

    // The registry's lines; ok is false when it is missing, empty or has a bad line.
    RegistryRead categories() const;
    // The registry's category names alone, compact (a registry may hold millions of lines).
    RegistryNames categoryNames() const;

    // The part names of the first category of that name and its data file's path. False when the
    // category or its data file cannot be found (`names` keeps what was read).
    bool partNames(const QString& category, QStringList& names, QString& dataPath) const;

    // Outline and base points of part `index` of a data file.
    static bool readPart(const QString& dataPath, int index, LibraryPart& part);

    // The preview's square coordinate window (left, top, right, bottom with top > bottom): the
    // base points' bounding box centred, its larger side s giving the window (cx ± s, cy ± s).
    // Nothing when s is 0.
    static std::optional<QRectF> previewWindow(const std::vector<PlanePoint>& basePoints);

    // The base point nearest to `at`, when nearer than viewWidth / 20 (the first of equally near
    // points wins); -1 otherwise.
    static int pickBasePoint(const std::vector<PlanePoint>& basePoints, PlanePoint at,
                             double viewWidth);

    // Inserts the part's outline before the current row of `grid`, moved so that `base` lands on
    // `target`; the current row ends on the row that was current. Takes a snapshot. False (and no
    // change) when the data file cannot be read or a vertex would be beyond the double range.
    static bool insertPart(Workspace& workspace, CoordTable& grid, const QString& dataPath,
                           int index, PlanePoint base, PlanePoint target);

    // Registers the data file under the name (the file itself stays where it is; it must lie in
    // the data folder, where the category reads it). Refusals and failures are told through the
    // messenger; true when "pre.ini" was changed.
    bool registerFile(const QString& name, const QString& dataFile, Messenger& messenger) const;

    // Asks and deletes every registration whose list item ("name[file]") is `item`; the data
    // file stays. True when "pre.ini" was changed.
    bool deleteItem(const QString& item, Messenger& messenger) const;

private:
    QString folder_;
};

}  // namespace kuvanto

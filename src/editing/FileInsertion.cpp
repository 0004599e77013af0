// File insertion: read whole, cut into pairs by the insertion-file reader, inserted in one go.
#include "editing/FileInsertion.h"

#include <QCoreApplication>
#include "editing/Messenger.h"
#include "editing/TableChange.h"
#include "editing/Workspace.h"

#include "io/InsertFile.h"
#include "io/TextFile.h"
#include "io/UiText.h"

namespace kuvanto {

const UiText FileInsertion::kTitle{"FileInsertion",
                                   QT_TRANSLATE_NOOP("FileInsertion", "csvファイル(座標データ)")};
const UiText FileInsertion::kQuestion{
    "FileInsertion",
    QT_TRANSLATE_NOOP("FileInsertion", "選択行からデータを挿入します。\rよろしいですか？")};
const UiText FileInsertion::kDialogTitle{
    "FileInsertion", QT_TRANSLATE_NOOP("FileInsertion", "csvファイルを選択して下さい。")};

int FileInsertion::insertFile(Workspace& workspace, CoordTable& grid, const QString& path,
                              Messenger& messenger) {
    QString error;
    const std::optional<std::string> text = readTextFile(path, &error);
    if (!text) {
        messenger.notice(error);
        return 0;
    }
    const InsertPairs pairs = readInsertPairs(*text);
    TableChange change(workspace);
    insertPairs(grid, grid.row(), pairs);
    const int inserted = static_cast<int>(pairs.pairs.size());
    if (pairs.stopped)
        messenger.notice(QCoreApplication::translate("InsertFile", kInsertStopMessage.data()));
    return inserted;
}

}  // namespace kuvanto

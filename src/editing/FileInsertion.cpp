// File insertion: read whole, cut into pairs by the insertion-file reader, inserted in one go.
#include "editing/FileInsertion.h"

#include "editing/Messenger.h"
#include "editing/Workspace.h"
#include "io/InsertFile.h"
#include "io/TextFile.h"

namespace kuvanto {

const QString FileInsertion::kTitle = QStringLiteral("csvファイル(座標データ)");
const QString FileInsertion::kQuestion =
    QStringLiteral("選択行からデータを挿入します。\rよろしいですか？");
const QString FileInsertion::kDialogTitle = QStringLiteral("csvファイルを選択して下さい。");

int FileInsertion::insertFile(Workspace& workspace, CoordTable& grid, const QString& path,
                              Messenger& messenger) {
    QString error;
    const std::optional<std::string> text = readTextFile(path, &error);
    if (!text) {
        messenger.notice(error);
        return 0;
    }
    const InsertPairs pairs = readInsertPairs(*text);
    insertPairs(grid, grid.row(), pairs);
    const int inserted = static_cast<int>(pairs.pairs.size());
    if (pairs.stopped)
        messenger.notice(QString::fromUtf8(kInsertStopMessage.data(), kInsertStopMessage.size()));
    workspace.saveUndo();
    return inserted;
}

}  // namespace kuvanto

// Insertion of a plain X,Y file into the active coordinate table: the pairs go in before the
// current row with one bulk row insertion, up to the first pair that is not two numbers, which
// stops the reading with a message; a snapshot follows.
#pragma once

#include <QString>

#include "core/table/CoordTable.h"
#include "io/UiText.h"

namespace kuvanto {

class Messenger;
class Workspace;

class FileInsertion {
public:
    static const UiText kTitle;  // "csvファイル(座標データ)"
    static const UiText kQuestion;  // "選択行からデータを挿入します。" CR "よろしいですか？"
    static const UiText kDialogTitle;  // "csvファイルを選択して下さい。"

    // Inserts the pairs of the file before the current row of `grid` and takes a snapshot. A
    // pair that is not two numbers ends the reading with the stop message (the rows before it
    // stay); a file that cannot be read is told and changes nothing. Returns the rows inserted.
    static int insertFile(Workspace& workspace, CoordTable& grid, const QString& path,
                          Messenger& messenger);
};

}  // namespace kuvanto

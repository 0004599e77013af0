// One-level undo over two alternating snapshot files. Each snapshot goes to the file that does
// not hold the latest one; undo reads that other file back and makes it the latest. The store
// remembers which file's last write failed, so that an outdated snapshot is never taken for the
// state before the latest change.
#include "UndoStore.h"

#include "CoodText.h"

namespace kuvanto {

namespace {

const QString kFile1 = QStringLiteral("udtxt1.txt");
const QString kFile2 = QStringLiteral("udtxt2.txt");

int Slot(const QString& name) {
    return name == kFile1 ? 0 : 1;
}
QString Other(const QString& name) {
    return name == kFile1 ? kFile2 : kFile1;
}

}  // namespace

UndoStore::UndoStore(QString folder) : folder_(std::move(folder)) {}

QString UndoStore::Path(const QString& name) const {
    return folder_ + QLatin1Char('/') + name;
}

bool UndoStore::Start(const CoodGrid& add, const CoodGrid& sbtrt, QString* error) {
    undo_file_ = kFile1;
    stale_[0] = stale_[1] = false;  // "udtxt1.txt" may hold the last state of an earlier run
    return Save_Undo(add, sbtrt, error);
}

bool UndoStore::Save_Undo(const CoodGrid& add, const CoodGrid& sbtrt, QString* error) {
    undo_file_ = Other(undo_file_);
    const bool written = Write_Cood_Text(Path(undo_file_), add, sbtrt, error);
    stale_[Slot(undo_file_)] = !written;
    return written;
}

bool UndoStore::Undo_Restore(CoodGrid& add, CoodGrid& sbtrt, QString* error) {
    const QString previous = Other(undo_file_);
    if (stale_[Slot(previous)]) {
        if (error) {
            *error = QStringLiteral("元に戻せません。直前の状態 %1 の保存に失敗しています。")
                         .arg(Path(previous));
        }
        return false;
    }
    if (!Read_Cood_Text(Path(previous), add, sbtrt, error)) return false;
    return Save_Undo(add, sbtrt, error);
}

}  // namespace kuvanto

// Slots are tried in order: the working folder, then its subfolders "undo-N". QLockFile tells a
// lock held by a running program (of this name, on this machine) from one a dead program left;
// its age alone never makes it stale, since a window may stay open for days.
#include "io/SessionSlot.h"

#include <QDir>
#include <QFileInfo>

namespace kuvanto {

namespace {

QString slotFolder(const QString& workFolder, int number) {
    return number == 1 ? workFolder
                       : workFolder + QStringLiteral("/undo-") + QString::number(number);
}

}  // namespace

SessionSlot::SessionSlot(const QString& workFolder) {
    for (int number = 1; number <= kMaxSlots; ++number) {
        const QString folder = slotFolder(workFolder, number);
        if (!QDir().mkpath(folder)) continue;
        const QString lockPath = folder + QLatin1Char('/') + kLockFile;
        const bool leftBehind = QFileInfo::exists(lockPath);
        auto lock = std::make_unique<QLockFile>(lockPath);
        lock->setStaleLockTime(0);
        if (!lock->tryLock(0)) continue;  // another running copy holds it (or it is unwritable)
        folder_ = folder;
        number_ = number;
        abnormalEnd_ = leftBehind;
        lock_ = std::move(lock);
        return;
    }
    // Every slot taken or unwritable: the working folder, shared as before, without a lock.
    folder_ = workFolder;
    number_ = 1;
}

SessionSlot::~SessionSlot() {
    if (lock_) lock_->unlock();
}

QString SessionSlot::newestSnapshot() const {
    const QFileInfo first(folder_ + QStringLiteral("/udtxt1.txt"));
    const QFileInfo second(folder_ + QStringLiteral("/udtxt2.txt"));
    if (!first.exists() && !second.exists()) return QString();
    if (!second.exists()) return first.fileName();
    if (!first.exists()) return second.fileName();
    return first.lastModified() > second.lastModified() ? first.fileName() : second.fileName();
}

}  // namespace kuvanto

// Slots are tried in order: the working folder, then its subfolders "undo-N". QLockFile tells a
// lock held by a running program (of this name, on this machine) from one a dead program left;
// its age alone never makes it stale, since a window may stay open for days.
#include "io/SessionSlot.h"

#include <QDir>
#include <QFileInfo>
#include <filesystem>

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
    // File times to the nanosecond the file system keeps; QFileInfo gives milliseconds only.
    namespace fs = std::filesystem;
    std::error_code error;
    const auto time = [&](const char* name) {
        return fs::last_write_time(fs::path((folder_ + QLatin1Char('/')).toStdString() + name),
                                   error);
    };
    const auto first = time("udtxt1.txt");
    const bool hasFirst = !error;
    const auto second = time("udtxt2.txt");
    const bool hasSecond = !error;
    if (!hasFirst && !hasSecond) return QString();
    if (!hasSecond) return QStringLiteral("udtxt1.txt");
    if (!hasFirst) return QStringLiteral("udtxt2.txt");
    // Equal times (a change right after the start, within the clock's step): the start writes
    // the second file, the first change the first one.
    return first >= second ? QStringLiteral("udtxt1.txt") : QStringLiteral("udtxt2.txt");
}

}  // namespace kuvanto

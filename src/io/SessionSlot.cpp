// Slots are tried in order: the working folder, then its subfolders "undo-N". QLockFile tells a
// lock held by a running program (of this name, on this machine) from one a dead program left;
// its age alone never makes it stale, since a window may stay open for days. QLockFile reads a
// lock file whole and trusts its form, so a lock file is looked at first: one held by a running
// copy (its open file is locked with flock) is left alone; one no running copy holds that is
// not a small plain file in QLockFile's form (a process number on the first line) is cleared.
#include "io/SessionSlot.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFileInfo>

#include "io/NativePath.h"
#include "io/UndoStore.h"

namespace kuvanto {

namespace {

QString slotFolder(const QString& workFolder, int number) {
    return number == 1 ? workFolder
                       : workFolder + QStringLiteral("/undo-") + QString::number(number);
}

// A lock kept until the process ends (see leaveForRecovery). Volatile, so that the store that
// keeps it is not dropped as never read: the leak checker then finds it held, not lost.
QLockFile* volatile keptLock = nullptr;

enum class LockLook { none, held, usable, cleared };

// Whether the first line of a lock file is a process number, as QLockFile writes it.
bool lockFormOk(const QByteArray& head) {
    const qsizetype end = head.indexOf('\n');
    if (end <= 0) return false;
    bool ok = false;
    const qint64 pid = head.left(end).toLongLong(&ok);
    return ok && pid > 0;
}

// A directory in the lock file's place goes when it is empty; one with files in it is moved
// aside under a name of its own, so that nothing in it is lost.
bool clearDirectory(const QString& path) {
    if (QDir().rmdir(path)) return true;
    for (int n = 1; n < 1000; ++n) {
        const QString aside = path + QStringLiteral(".stale-") + QString::number(n);
        if (QFileInfo(aside).exists() || QFileInfo(aside).isSymLink()) continue;
        return QDir().rename(path, aside);
    }
    return false;
}

LockLook lookAtLock(const QString& lockPath) {
    const QByteArray path = encodePath(lockPath);
    struct stat st {};
    if (::lstat(path.constData(), &st) != 0) return LockLook::none;
    if (S_ISDIR(st.st_mode)) return clearDirectory(lockPath) ? LockLook::cleared : LockLook::held;
    // A link, a pipe or a device is no lock file of ours; opening a pipe would wait for ever.
    if (!S_ISREG(st.st_mode))
        return ::unlink(path.constData()) == 0 ? LockLook::cleared : LockLook::held;
    const int fd = ::open(path.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return LockLook::usable;  // QLockFile decides
    if (::flock(fd, LOCK_SH | LOCK_NB) != 0) {
        ::close(fd);
        return LockLook::held;  // a running copy holds it
    }
    QByteArray head(64, Qt::Uninitialized);
    const ssize_t got = ::read(fd, head.data(), static_cast<size_t>(head.size()));
    head.truncate(got > 0 ? got : 0);
    ::flock(fd, LOCK_UN);
    ::close(fd);
    if (st.st_size <= SessionSlot::kLockFileLimit && lockFormOk(head)) return LockLook::usable;
    return ::unlink(path.constData()) == 0 ? LockLook::cleared : LockLook::held;
}

}  // namespace

QStringList SessionSlot::slotFolders(const QString& workFolder) {
    QStringList folders;
    for (int number = 1; number <= kMaxSlots; ++number) folders << slotFolder(workFolder, number);
    return folders;
}

SessionSlot::SessionSlot(const QString& workFolder) {
    for (int number = 1; number <= kMaxSlots; ++number) {
        const QString folder = slotFolder(workFolder, number);
        if (!QDir().mkpath(folder)) continue;
        const QString lockPath = folder + QLatin1Char('/') + kLockFile;
        const LockLook look = lookAtLock(lockPath);
        if (look == LockLook::held) continue;
        const bool leftBehind = look != LockLook::none;
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

void SessionSlot::leaveForRecovery() {
    // QLockFile removes its file when it is destroyed; this one is kept for the rest of the
    // process instead, and the process that named it is gone by the next start.
    if (lock_) keptLock = lock_.release();
}

QString SessionSlot::newestSnapshot() const {
    return UndoStore::newestSnapshot(folder_);
}

}  // namespace kuvanto

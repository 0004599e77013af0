// Safe replacement of a file on a POSIX system. The new contents are written to a fresh file in
// the same folder (so that the rename cannot cross file systems), flushed to the device with
// fdatasync and closed, each step checked, then renamed over the old name; the folder is synced
// afterwards so that the new name itself survives a power cut. A library's save-file class was not
// enough here: its commit reported success after its last buffered write had failed on a full
// disk, and it cannot name files whose names are not UTF-8.
#include "io/SafeWrite.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QByteArray>
#include <atomic>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>

#include "io/FileErrorText.h"
#include "io/NativePath.h"

namespace kuvanto {

namespace {

FileWriteCalls& activeCalls() {
    static FileWriteCalls calls = systemFileWriteCalls();
    return calls;
}

std::atomic<unsigned> temporaryCounter{0};

// The file that is really replaced: the target of a symbolic link, otherwise the name itself.
QByteArray resolvedTarget(const QByteArray& name) {
    struct stat st {};
    if (::lstat(name.constData(), &st) != 0 || !S_ISLNK(st.st_mode)) return name;
    char resolved[PATH_MAX];
    if (::realpath(name.constData(), resolved) == nullptr) return name;  // a dangling link
    return QByteArray(resolved);
}

QByteArray folderOf(const QByteArray& name) {
    const qsizetype slash = name.lastIndexOf('/');
    if (slash < 0) return QByteArrayLiteral(".");
    if (slash == 0) return QByteArrayLiteral("/");
    return name.left(slash);
}

// Creates a new file beside `target` (honouring the umask) and returns its descriptor, or -1.
int createTemporary(const QByteArray& target, QByteArray& temporaryName) {
    const QByteArray folder = folderOf(target);
    const QByteArray base = target.mid(target.lastIndexOf('/') + 1);
    for (int attempt = 0; attempt < 100; ++attempt) {
        temporaryName = folder + "/." + base + ".new-" + QByteArray::number(::getpid()) + '-' +
                        QByteArray::number(temporaryCounter.fetch_add(1));
        const int fd =
            ::open(temporaryName.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    errno = EEXIST;
    return -1;
}

bool writeAll(int fd, std::string_view bytes) {
    const FileWriteCalls& calls = activeCalls();
    const char* data = bytes.data();
    std::size_t left = bytes.size();
    while (left > 0) {
        const ssize_t written = calls.write(fd, data, left);
        if (written < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        if (written == 0) {  // no progress: treat as the device being full
            errno = ENOSPC;
            return false;
        }
        data += written;
        left -= static_cast<std::size_t>(written);
    }
    return true;
}

void syncFolder(const QByteArray& folder) {
    // Best effort: some file systems cannot sync a folder, and the data are already safe.
    const int fd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

}  // namespace

FileWriteCalls systemFileWriteCalls() {
    return FileWriteCalls{::write, ::fdatasync, ::close};
}

FileWriteCalls setFileWriteCalls(const FileWriteCalls& calls) {
    const FileWriteCalls previous = activeCalls();
    activeCalls() = calls;
    return previous;
}

bool writeFileSafely(const QString& path, std::string_view bytes, QString* error) {
    const FileWriteCalls& calls = activeCalls();
    auto fail = [&](int reason) {
        if (error) {
            *error = QStringLiteral("ファイル %1 に書き込めません（%2）。")
                         .arg(displayPath(path), fileErrorReason(path, FileAccess::write,
                                                                 QFileDevice::WriteError, reason));
        }
        return false;
    };
    if (path.isEmpty()) return fail(ENOENT);

    const QByteArray target = resolvedTarget(encodePath(path));
    struct stat old {};
    const bool replacing = ::stat(target.constData(), &old) == 0;
    if (replacing && S_ISDIR(old.st_mode)) return fail(EISDIR);

    QByteArray temporaryName;
    const int fd = createTemporary(target, temporaryName);
    if (fd < 0) return fail(errno);
    auto discard = [&](int reason, bool closed) {
        if (!closed) calls.close(fd);
        ::unlink(temporaryName.constData());
        return fail(reason);
    };

    if (replacing && ::fchmod(fd, old.st_mode & 07777) != 0) return discard(errno, false);
    if (!writeAll(fd, bytes)) return discard(errno, false);
    if (calls.sync(fd) != 0) return discard(errno, false);
    if (calls.close(fd) != 0) return discard(errno, true);
    if (::rename(temporaryName.constData(), target.constData()) != 0) return discard(errno, true);
    syncFolder(folderOf(target));
    return true;
}

}  // namespace kuvanto

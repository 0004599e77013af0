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
#include <QCoreApplication>
#include <QDir>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <limits>

#include "io/FileErrorText.h"
#include "io/NativePath.h"

namespace kuvanto {

namespace {

FileWriteCalls& activeCalls() {
    static FileWriteCalls calls = systemFileWriteCalls();
    return calls;
}

// The file that is really replaced: the target of a symbolic link, otherwise the name itself.
QByteArray folderOf(const QByteArray& name) {
    const qsizetype slash = name.lastIndexOf('/');
    if (slash < 0) return QByteArrayLiteral(".");
    if (slash == 0) return QByteArrayLiteral("/");
    return name.left(slash);
}

// The file a name stands for: itself, or the end of its chain of links. A link whose target does
// not exist yet (dangling) is written through as well, so the target is made where the link
// points, as for a link to an existing file; empty for a loop of links.
QByteArray resolvedTarget(QByteArray name) {
    for (int hop = 0; hop < 40; ++hop) {
        struct stat st {};
        if (::lstat(name.constData(), &st) != 0 || !S_ISLNK(st.st_mode)) return name;
        char resolved[PATH_MAX];
        if (::realpath(name.constData(), resolved) != nullptr) return QByteArray(resolved);
        char link[PATH_MAX];
        const ssize_t length = ::readlink(name.constData(), link, sizeof link);
        if (length <= 0 || length >= static_cast<ssize_t>(sizeof link)) return name;
        QByteArray next(link, length);
        if (!next.startsWith('/')) next = folderOf(name) + '/' + next;
        name = next;
    }
    return QByteArray();
}

// The temporary names: ".kuvanto-PID-XXXXXX", short whatever the target's name is (a long but
// valid name must stay savable), created exclusively (never through an existing name or link)
// and carrying the writer's process id so that a later start can tell a killed writer's leftovers.
constexpr char kTemporaryPrefix[] = ".kuvanto-";
constexpr int kTemporaryRandomLength = 6;

// Creates a new file in `folder` (honouring the umask) and returns its descriptor, or -1.
int createTemporary(const QByteArray& folder, QByteArray& temporaryName) {
    static constexpr char kLetters[] =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    for (int attempt = 0; attempt < 100; ++attempt) {
        QByteArray random(kTemporaryRandomLength, 'x');
        for (char& c : random)
            c = kLetters[QRandomGenerator::global()->bounded(int(sizeof kLetters) - 1)];
        temporaryName =
            folder + '/' + kTemporaryPrefix + QByteArray::number(::getpid()) + '-' + random;
        const int fd = ::open(temporaryName.constData(),
                              O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    errno = EEXIST;
    return -1;
}

// The process id in one of this program's temporary names, or 0 for any other name. Names of the
// earlier form ".NAME.new-PID-N" count too: files of killed writers may still carry them.
qint64 temporaryOwner(const QString& name) {
    static const QRegularExpression current(
        QStringLiteral("^\\.kuvanto-(\\d{1,10})-[A-Za-z0-9]{%1}$").arg(kTemporaryRandomLength));
    static const QRegularExpression earlier(QStringLiteral("^\\..+\\.new-(\\d{1,10})-\\d{1,10}$"));
    for (const QRegularExpression* form : {&current, &earlier}) {
        const QRegularExpressionMatch match = form->match(name);
        if (match.hasMatch()) return match.captured(1).toLongLong();
    }
    return 0;
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
            *error =
                QCoreApplication::translate("SafeWrite", "ファイル %1 に書き込めません（%2）。")
                    .arg(displayPath(path),
                         fileErrorReason(path, FileAccess::write, QFileDevice::WriteError, reason));
        }
        return false;
    };
    if (path.isEmpty()) return fail(ENOENT);

    const QByteArray target = resolvedTarget(encodePath(path));
    if (target.isEmpty()) return fail(ELOOP);
    struct stat old {};
    const bool replacing = ::stat(target.constData(), &old) == 0;
    if (replacing && S_ISDIR(old.st_mode)) return fail(EISDIR);
    // A file the user made read-only is refused as a shell's ">" refuses it; without the check
    // the rename would replace it all the same. A file without any write permission bit counts
    // as read-only for the superuser too.
    if (replacing && S_ISREG(old.st_mode) &&
        (::access(target.constData(), W_OK) != 0 || (old.st_mode & 0222) == 0))
        return fail(EACCES);

    QByteArray temporaryName;
    const int fd = createTemporary(folderOf(target), temporaryName);
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

bool isTemporaryFileName(const QString& name) {
    return temporaryOwner(name) != 0;
}

int removeStaleTemporaryFiles(const QString& folder) {
    int removed = 0;
    const QStringList names =
        QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QString& name : names) {
        const qint64 owner = temporaryOwner(name);
        if (owner <= 0 || owner == ::getpid() || owner > std::numeric_limits<pid_t>::max())
            continue;
        // Only a writer that is gone: a running copy of the program may be writing this file.
        if (::kill(static_cast<pid_t>(owner), 0) == 0 || errno != ESRCH) continue;
        const QByteArray path = encodePath(folder + QLatin1Char('/') + name);
        struct stat st {};
        if (::lstat(path.constData(), &st) != 0 || !S_ISREG(st.st_mode)) continue;
        if (::unlink(path.constData()) == 0) ++removed;
    }
    return removed;
}

}  // namespace kuvanto

// Two ways for a test to make file writes fail: a small tmpfs mounted over a temporary folder and
// filled up (a real full disk; needs root and the right to mount, otherwise the test is skipped),
// and failures injected into the writer's system calls (any step, anywhere).
#pragma once

#include <sys/mount.h>
#include <unistd.h>

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>
#include <cerrno>

#include "io/SafeWrite.h"

namespace kuvanto::test {

// A tmpfs of a few kilobytes over a fresh temporary folder, unmounted at the end.
class SmallDisk {
public:
    SmallDisk() {
        if (::geteuid() != 0 || !dir_.isValid()) return;
        const QByteArray path = QFile::encodeName(dir_.path());
        mounted_ = ::mount("kuvanto-test", path.constData(), "tmpfs", 0, "size=64k") == 0;
    }
    ~SmallDisk() {
        if (mounted_) ::umount2(QFile::encodeName(dir_.path()).constData(), MNT_DETACH);
    }
    SmallDisk(const SmallDisk&) = delete;
    SmallDisk& operator=(const SmallDisk&) = delete;

    bool mounted() const { return mounted_; }
    QString path() const { return dir_.path(); }

    // Fills the disk to the last byte with a filler file.
    bool fill() {
        QFile filler(dir_.filePath(QStringLiteral("filler")));
        if (!filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) return false;
        const QByteArray block(512, 'x');
        while (filler.write(block) == block.size()) {
        }
        while (filler.write("x", 1) == 1) {
        }
        return true;
    }

private:
    QTemporaryDir dir_;
    bool mounted_ = false;
};

// Makes the writer's Nth system call of one kind fail with the given error while it lives.
class InjectedWriteFailure {
public:
    enum class Step { Write, Sync, Close };

    InjectedWriteFailure(Step step, int error, int failingCall = 1) {
        state() = State{step, error, failingCall, 0};
        FileWriteCalls calls = systemFileWriteCalls();
        calls.write = [](int fd, const void* data, size_t size) -> ssize_t {
            // A short write first, then the failure: the writer must notice both.
            if (hit(Step::Write)) return -1;
            return ::write(fd, data, size > 1 ? size / 2 : size);
        };
        calls.sync = [](int fd) { return hit(Step::Sync) ? -1 : ::fdatasync(fd); };
        calls.close = [](int fd) {
            if (!hit(Step::Close)) return ::close(fd);
            ::close(fd);  // the descriptor is gone even when close reports an error
            return -1;
        };
        previous_ = setFileWriteCalls(calls);
    }
    ~InjectedWriteFailure() { setFileWriteCalls(previous_); }
    InjectedWriteFailure(const InjectedWriteFailure&) = delete;
    InjectedWriteFailure& operator=(const InjectedWriteFailure&) = delete;

private:
    struct State {
        Step step;
        int error;
        int failingCall;
        int calls;
    };
    static State& state() {
        static State s{};
        return s;
    }
    static bool hit(Step step) {
        State& s = state();
        if (s.step != step || ++s.calls != s.failingCall) return false;
        errno = s.error;
        return true;
    }
    FileWriteCalls previous_;
};

// Names in the folder other than the given ones: a failed write must leave no temporary file.
inline QStringList strayFiles(const QString& folder, const QStringList& expected) {
    QStringList stray;
    const QStringList entries =
        QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QString& name : entries) {
        if (!expected.contains(name)) stray << name;
    }
    return stray;
}

}  // namespace kuvanto::test

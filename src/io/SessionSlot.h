// The folder where one running copy of the program keeps its undo snapshots. The first copy uses
// the working folder itself; a copy started while another runs takes a subfolder of its own
// ("undo-2", "undo-3", ...), so that undo in one window never reads another window's tables. The
// files both share on purpose (colours, the shape library) stay in the working folder.
//
// Each slot is held by a lock file that a normal end removes. A lock file left behind by a
// program that is no longer running means that the slot's last run ended abnormally (a crash, a
// kill, a power cut): its newest snapshot holds the tables of that run and can be offered back.
// A lock file that no lock file of ours can be (too large, not ours in form, not a plain file) is
// stale whatever it holds: it is cleared and counts as left behind.
#pragma once

#include <QLockFile>
#include <QString>
#include <QStringList>
#include <memory>

namespace kuvanto {

class SessionSlot {
public:
    static constexpr int kMaxSlots = 32;
    static inline const QString kLockFile = QStringLiteral("kuvanto.lock");

    // Claims the first free slot in `workFolder`.
    explicit SessionSlot(const QString& workFolder);
    ~SessionSlot();  // a normal end: the lock file goes
    SessionSlot(const SessionSlot&) = delete;
    SessionSlot& operator=(const SessionSlot&) = delete;

    QString folder() const { return folder_; }  // where this copy's snapshots go
    int number() const { return number_; }      // 1 for the working folder itself
    bool locked() const { return lock_ != nullptr; }

    // The program is made to end (a logout) with work not saved: the lock file stays when the
    // program ends, as after a crash, so that the next start offers the tables back.
    void leaveForRecovery();

    // Whether the slot's previous run ended without removing its lock file.
    bool previousRunEndedAbnormally() const { return abnormalEnd_; }
    // The newest snapshot file of the slot ("udtxt1.txt" or "udtxt2.txt"), or empty when there
    // is none.
    QString newestSnapshot() const;
    // The folders every copy of the program on `workFolder` may keep its snapshots in.
    static QStringList slotFolders(const QString& workFolder);
    // The largest lock file a copy of the program writes is far below this; a larger one is
    // never read.
    static constexpr qint64 kLockFileLimit = 4096;

private:
    QString folder_;
    int number_ = 0;
    bool abnormalEnd_ = false;
    std::unique_ptr<QLockFile> lock_;
};

}  // namespace kuvanto

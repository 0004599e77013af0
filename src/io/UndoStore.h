// One-level undo over whole snapshots of both tables, kept in two files that alternate
// ("udtxt1.txt", "udtxt2.txt" in the working folder). Undo reads the file before the latest one
// and makes it the latest, so undo and its reversal alternate. A snapshot that could not be
// written is never read back in place of the tables. A large snapshot can be written on a worker
// thread so that the user does not wait for it; every other use of the store waits for it first.
#pragma once

#include <QString>
#include <atomic>
#include <cstddef>
#include <functional>
#include <string>
#include <thread>

#include "core/CoordTable.h"

namespace kuvanto {

class UndoStore {
public:
    explicit UndoStore(QString folder);
    ~UndoStore();  // waits for a snapshot still being written
    UndoStore(const UndoStore&) = delete;
    UndoStore& operator=(const UndoStore&) = delete;

    // Start of the program: undoFile = "udtxt1.txt", then saveUndo (writes "udtxt2.txt").
    bool start(const CoordTable& add, const CoordTable& subtracted, QString* error = nullptr);

    // Switches undoFile to the other file and writes both tables to it.
    bool saveUndo(const CoordTable& add, const CoordTable& subtracted, QString* error = nullptr);

    // Switches undoFile like saveUndo and writes the text `makeText` gives. A large snapshot
    // (expectedBytes of kBackgroundThreshold and more) is made and written on a worker thread,
    // so `makeText` must read only data nobody changes meanwhile (a file's text as read). Until
    // the write is done the snapshot counts as not whole; undo and the next snapshot wait for
    // it. Its outcome comes from finishBackground.
    void saveUndoInBackground(std::function<std::string()> makeText, std::size_t expectedBytes);
    static constexpr std::size_t kBackgroundThreshold = 1 << 20;
    bool writingInBackground() const { return worker_.joinable(); }
    // Whether a snapshot from saveUndoInBackground waits to be finished and its worker is done,
    // so that finishBackground gives its outcome without waiting.
    bool backgroundReady() const { return pending_ && !backgroundRunning_.load(); }

    // Waits for a snapshot being written in the background. False (and `error`) when its write
    // failed; the failure is given out once.
    bool finishBackground(QString* error = nullptr);

    // Reads the other file into the tables and saves a snapshot; when that file does not exist
    // (undo right after the first start), the tables are emptied instead. When it is unreadable
    // or known to be stale (its last write failed), the tables stay as they are and false is
    // returned with `error`. False with `error` also when the tables were restored but
    // the snapshot after it could not be written.
    bool undoRestore(CoordTable& add, CoordTable& subtracted, QString* error = nullptr);

    QString undoFile() const { return undoFile_; }  // "udtxt1.txt" or "udtxt2.txt"
    QString folder() const { return folder_; }

private:
    struct WriteResult {
        bool written = false;
        QString error;
    };

    QString path(const QString& name) const;
    QString folder_;
    QString undoFile_ = QStringLiteral("udtxt1.txt");
    bool stale_[2] = {false, false};  // the slot's last write failed (or is still going on)
    bool pending_ = false;            // a snapshot from saveUndoInBackground awaits finishing
    std::thread worker_;              // writes the background snapshot
    std::atomic<bool> backgroundRunning_{false};  // the worker has not finished yet
    WriteResult backgroundResult_;    // set by the worker, read after joining it
    int backgroundSlot_ = 0;
};

}  // namespace kuvanto

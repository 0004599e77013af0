// The snapshot files of both tables: after every change (and every undo and redo) the tables are
// written to one of two files that alternate ("udtxt1.txt", "udtxt2.txt" in the running copy's
// snapshot folder), so that the latest state is on disk for recovery after an abnormal end and
// for anyone reading them. The steps of undo and redo themselves are kept in memory
// (EditHistory). A large snapshot can be written on a worker thread so that the user does not
// wait for it; every other use of the store waits for it first.
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
    // so `makeText` must read only data nobody changes meanwhile (a file's text as read, copies
    // of the tables). The plain saveUndo waits for it. Each file has its own writer: a snapshot waits only for one
    // still being written to the file it goes to (the one before the latest), so two snapshots
    // in a row (a cell written by Tab, the next by Enter) do not wait for each other. Outcomes
    // come from finishBackground.
    void saveUndoInBackground(std::function<std::string()> makeText, std::size_t expectedBytes);
    static constexpr std::size_t kBackgroundThreshold = 1 << 20;
    bool writingInBackground() const {
        return writers_[0].worker.joinable() || writers_[1].worker.joinable();
    }
    // Whether snapshots from saveUndoInBackground wait to be finished and their workers are all
    // done, so that finishBackground gives their outcome without waiting.
    bool backgroundReady() const;

    // Waits for the snapshots being written in the background. False (and `error`, the first
    // failure) when a write failed; a failure is given out once.
    bool finishBackground(QString* error = nullptr);

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
    // The writer of one snapshot file.
    struct Writer {
        bool pending = false;  // a snapshot from saveUndoInBackground awaits finishing
        std::thread worker;
        std::atomic<bool> running{false};  // the worker has not finished yet
        WriteResult result;                // set by the worker, read after joining it
    };
    // Waits for the writer of `slot`; false (and `error`) when its write failed.
    bool finishWriter(int slot, QString* error);
    Writer writers_[2];
    // The failure of a write that a later snapshot to the same file had to wait for, kept to be
    // given out by finishBackground.
    QString lostFailure_;
};

}  // namespace kuvanto

// The snapshot files of both tables: after every change (and every undo and redo) the tables are
// written to one of two files that alternate ("udtxt1.txt", "udtxt2.txt" in the running copy's
// snapshot folder), so that the latest state is on disk for recovery after an abnormal end and
// for anyone reading them. The steps of undo and redo themselves are kept in memory
// (EditHistory). A large snapshot can be written on a worker thread so that the user does not
// wait for it; every other use of the store waits for it first.
#pragma once

#include <QString>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <thread>

#include "core/section/SectionMaterials.h"
#include "core/table/CoordTable.h"

namespace kuvanto {

class UndoStore {
public:
    explicit UndoStore(QString folder);
    ~UndoStore();  // waits for a snapshot still being written
    UndoStore(const UndoStore&) = delete;
    UndoStore& operator=(const UndoStore&) = delete;

    // Start of the program: undoFile = "udtxt1.txt", then saveUndo (writes "udtxt2.txt"). The
    // snapshots are numbered on from the highest number the folder's files hold already.
    bool start(const CoordTable& add, const CoordTable& subtracted, QString* error = nullptr);

    // Switches undoFile to the other file and writes both tables to it.
    bool saveUndo(const CoordTable& add, const CoordTable& subtracted, QString* error = nullptr,
                  const SectionMaterials* materials = nullptr);

    // Switches undoFile like saveUndo and writes the text `makeText` gives. A large snapshot
    // (expectedBytes of kBackgroundThreshold and more) is made and written on a worker thread,
    // so `makeText` must read only data nobody changes meanwhile (a file's text as read, copies
    // of the tables). The caller never waits for the disk: while the worker writes, a new
    // snapshot waits in a queue of one, and a still newer one takes its place (only the latest
    // state matters on disk), so a burst of edits costs one write after the current one. The
    // files still alternate in the order the snapshots are written. The plain saveUndo waits
    // for the worker. Outcomes come from finishBackground.
    void saveUndoInBackground(std::function<std::string()> makeText, std::size_t expectedBytes);
    static constexpr std::size_t kBackgroundThreshold = 1 << 20;
    bool writingInBackground() const { return worker_.joinable(); }
    // Whether snapshots from saveUndoInBackground wait to be finished and the worker is done, so
    // that finishBackground gives their outcome without waiting.
    bool backgroundReady() const;

    // Waits for the snapshots being written in the background. False (and `error`, the first
    // failure) when a write failed; a failure is given out once.
    bool finishBackground(QString* error = nullptr);

    QString undoFile() const { return undoFile_; }  // "udtxt1.txt" or "udtxt2.txt"
    QString folder() const { return folder_; }

    // The number a snapshot file starts with (its first line "<<連番>>,N"); nothing for a file
    // that is missing, unreadable or written without one. Reads the first bytes only.
    static std::optional<std::uint64_t> snapshotNumber(const QString& path);
    // Of the folder's two snapshot files, the newer one ("udtxt1.txt" or "udtxt2.txt"), or empty
    // when there is none: by their numbers, by file time for files without one.
    static QString newestSnapshot(const QString& folder);

private:
    struct WriteResult {
        bool written = false;
        QString error;
    };

    QString path(const QString& name) const;
    // The worker: writes its job, then the queued one if any, until the queue is empty.
    struct Job {
        QString filePath;
        std::function<std::string()> makeText;
        std::uint64_t number = 0;
    };
    void writeJobs(Job job);

    QString folder_;
    QString undoFile_ = QStringLiteral("udtxt1.txt");
    std::uint64_t number_ = 0;  // of the latest snapshot taken
    bool pending_ = false;      // snapshots from saveUndoInBackground await finishing (UI side)
    std::thread worker_;
    mutable std::mutex mutex_;  // guards the members below, shared with the worker
    bool running_ = false;      // the worker has jobs left
    std::optional<Job> queued_;
    QString failure_;  // the first failed write since the last finishBackground
};

}  // namespace kuvanto

// Two alternating snapshot files. Each snapshot goes to the file that does not hold the latest
// one, so that a write cut short leaves the other file whole. Large snapshots are written by one
// worker in the order they were taken, with at most one waiting.
#include "io/UndoStore.h"

#include <string>
#include <thread>
#include <utility>

#include "io/CoordText.h"
#include "io/TextFile.h"

namespace kuvanto {

namespace {

const QString kFirstSnapshotFile = QStringLiteral("udtxt1.txt");
const QString kSecondSnapshotFile = QStringLiteral("udtxt2.txt");

QString Other(const QString& name) {
    return name == kFirstSnapshotFile ? kSecondSnapshotFile : kFirstSnapshotFile;
}

}  // namespace

UndoStore::UndoStore(QString folder) : folder_(std::move(folder)) {}

UndoStore::~UndoStore() {
    finishBackground();
}

QString UndoStore::path(const QString& name) const {
    return folder_ + QLatin1Char('/') + name;
}

bool UndoStore::start(const CoordTable& add, const CoordTable& subtracted, QString* error) {
    finishBackground();
    undoFile_ = kFirstSnapshotFile;
    return saveUndo(add, subtracted, error);
}

bool UndoStore::saveUndo(const CoordTable& add, const CoordTable& subtracted, QString* error,
                         const SectionMaterials* materials) {
    finishBackground();
    undoFile_ = Other(undoFile_);
    return writeCoordText(path(undoFile_), add, subtracted, error, materials);
}

void UndoStore::saveUndoInBackground(std::function<std::string()> makeText,
                                     std::size_t expectedBytes) {
    pending_ = true;
    if (expectedBytes < kBackgroundThreshold) {
        // Small snapshots take no noticeable time: written at once, after any large one still
        // going, as saveUndo does.
        QString earlier;
        const bool earlierWritten = finishBackground(&earlier);
        pending_ = true;
        undoFile_ = Other(undoFile_);
        QString error;
        const bool written =
            writeTextFile(path(undoFile_), makeText(), FileEncoding::Cp932OrUtf8, &error);
        failure_ = !earlierWritten ? earlier : written ? QString() : error;
        return;
    }
    {
        const std::lock_guard lock(mutex_);
        if (running_) {
            // The worker takes the queued snapshot when it is done; a newer one replaces a
            // snapshot still waiting and goes to the same file.
            if (queued_) {
                queued_->makeText = std::move(makeText);
            } else {
                undoFile_ = Other(undoFile_);
                queued_ = Job{path(undoFile_), std::move(makeText)};
            }
            return;
        }
    }
    if (worker_.joinable()) worker_.join();  // done with its jobs, not yet joined
    undoFile_ = Other(undoFile_);
    running_ = true;
    worker_ = std::thread(&UndoStore::writeJobs, this, Job{path(undoFile_), std::move(makeText)});
}

void UndoStore::writeJobs(Job job) {
    for (;;) {
        QString error;
        const bool written =
            writeTextFile(job.filePath, job.makeText(), FileEncoding::Cp932OrUtf8, &error);
        job.makeText = nullptr;  // lets go of the copies of the tables
        const std::lock_guard lock(mutex_);
        if (!written && failure_.isEmpty()) failure_ = error;
        if (!queued_) {
            running_ = false;
            return;
        }
        job = std::move(*queued_);
        queued_.reset();
    }
}

bool UndoStore::backgroundReady() const {
    const std::lock_guard lock(mutex_);
    return pending_ && !running_;
}

bool UndoStore::finishBackground(QString* error) {
    if (!pending_) return true;
    if (worker_.joinable()) worker_.join();  // the worker leaves once its queue is empty
    pending_ = false;
    const QString failure = std::exchange(failure_, QString());
    if (!failure.isEmpty() && error) *error = failure;
    return failure.isEmpty();
}

}  // namespace kuvanto

// Two alternating snapshot files. Each snapshot goes to the file that does not hold the latest
// one, so that a write cut short leaves the other file whole. A snapshot written in the
// background is finished (joined) before the next one starts.
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

bool UndoStore::saveUndo(const CoordTable& add, const CoordTable& subtracted, QString* error) {
    finishBackground();
    undoFile_ = Other(undoFile_);
    return writeCoordText(path(undoFile_), add, subtracted, error);
}

void UndoStore::saveUndoInBackground(std::function<std::string()> makeText,
                                     std::size_t expectedBytes) {
    finishBackground();
    undoFile_ = Other(undoFile_);
    pending_ = true;
    if (expectedBytes < kBackgroundThreshold) {
        // Small snapshots take no noticeable time: written at once, as saveUndo does.
        backgroundResult_.written = writeTextFile(
            path(undoFile_), makeText(), FileEncoding::Cp932OrUtf8, &backgroundResult_.error);
        return;
    }
    backgroundRunning_ = true;
    worker_ = std::thread([this, filePath = path(undoFile_), makeText = std::move(makeText)] {
        backgroundResult_.written = writeTextFile(filePath, makeText(), FileEncoding::Cp932OrUtf8,
                                                  &backgroundResult_.error);
        backgroundRunning_ = false;  // after the result: whoever sees false may read it
    });
}

bool UndoStore::finishBackground(QString* error) {
    if (!pending_) return true;
    if (worker_.joinable()) worker_.join();
    pending_ = false;
    const WriteResult result = std::exchange(backgroundResult_, WriteResult{});
    if (!result.written && error) *error = result.error;
    return result.written;
}

}  // namespace kuvanto

// Two alternating snapshot files. Each snapshot goes to the file that does not hold the latest
// one, so that a write cut short leaves the other file whole. Each file has its own background
// writer: a snapshot waits only for one still being written to the file it goes to.
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

int Slot(const QString& name) {
    return name == kFirstSnapshotFile ? 0 : 1;
}
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
    const QString file = Other(undoFile_);
    const int slot = Slot(file);
    // Only a write still going to the same file is waited for; its failure is kept and given
    // out by finishBackground.
    QString earlier;
    const bool earlierWritten = finishWriter(slot, &earlier);
    undoFile_ = file;
    Writer& writer = writers_[slot];
    writer.pending = true;
    writer.result = WriteResult{};
    if (!earlierWritten && lostFailure_.isEmpty()) lostFailure_ = earlier;
    if (expectedBytes < kBackgroundThreshold) {
        // Small snapshots take no noticeable time: written at once, as saveUndo does.
        writer.result.written = writeTextFile(path(undoFile_), makeText(),
                                              FileEncoding::Cp932OrUtf8, &writer.result.error);
        return;
    }
    writer.running = true;
    writer.worker =
        std::thread([&writer, filePath = path(undoFile_), makeText = std::move(makeText)] {
            writer.result.written = writeTextFile(filePath, makeText(), FileEncoding::Cp932OrUtf8,
                                                  &writer.result.error);
            writer.running = false;  // after the result: whoever sees false may read it
        });
}

bool UndoStore::backgroundReady() const {
    bool pending = false;
    for (const Writer& writer : writers_) {
        if (writer.pending && writer.running.load()) return false;
        pending = pending || writer.pending;
    }
    return pending || !lostFailure_.isEmpty();
}

bool UndoStore::finishWriter(int slot, QString* error) {
    Writer& writer = writers_[slot];
    if (!writer.pending) return true;
    if (writer.worker.joinable()) writer.worker.join();
    writer.pending = false;
    const WriteResult result = std::exchange(writer.result, WriteResult{});
    if (!result.written && error) *error = result.error;
    return result.written;
}

bool UndoStore::finishBackground(QString* error) {
    QString first = std::exchange(lostFailure_, QString());
    bool written = first.isEmpty();
    // The older snapshot first, so that its failure is the one told.
    const int latest = Slot(undoFile_);
    for (const int slot : {1 - latest, latest}) {
        QString e;
        if (!finishWriter(slot, &e)) {
            if (written) first = e;
            written = false;
        }
    }
    if (!written && error) *error = first;
    return written;
}

}  // namespace kuvanto

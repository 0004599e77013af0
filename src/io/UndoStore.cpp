// Two alternating snapshot files. Each snapshot goes to the file that does not hold the latest
// one, so that a write cut short leaves the other file whole. Large snapshots are written by one
// worker in the order they were taken, with at most one waiting. Each file starts with the
// snapshot's number: two files written within one step of the file system's clock have the same
// time, and recovery must still take the newer.
#include "io/UndoStore.h"

#include <QFile>
#include <charconv>
#include <filesystem>
#include <string>
#include <thread>
#include <utility>

#include "io/CoordText.h"
#include "io/FileTokens.h"
#include "io/TextFile.h"

namespace kuvanto {

namespace {

const QString kFirstSnapshotFile = QStringLiteral("udtxt1.txt");
const QString kSecondSnapshotFile = QStringLiteral("udtxt2.txt");

QString Other(const QString& name) {
    return name == kFirstSnapshotFile ? kSecondSnapshotFile : kFirstSnapshotFile;
}

// The snapshot's text behind its number line.
std::string numberedText(std::uint64_t number, const std::string& text) {
    std::string numbered(kSnapshotNumberToken);
    numbered += ',';
    numbered += std::to_string(number);
    numbered += "\r\n";
    numbered.reserve(numbered.size() + text.size());
    numbered += text;
    return numbered;
}

}  // namespace

UndoStore::UndoStore(QString folder) : folder_(std::move(folder)) {}

UndoStore::~UndoStore() {
    finishBackground();
}

QString UndoStore::path(const QString& name) const {
    return folder_ + QLatin1Char('/') + name;
}

std::optional<std::uint64_t> UndoStore::snapshotNumber(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
    // The number line is short; a file of any size is read no further than this.
    const QByteArray head = file.read(64);
    const qsizetype lineEnd = head.indexOf('\n');
    if (lineEnd < 0) return std::nullopt;
    // The file is in code page 932 or UTF-8, as every snapshot.
    const std::string line =
        decodeFileBytes(std::string_view(head.constData(), static_cast<std::size_t>(lineEnd)));
    const std::string_view text(line);
    const std::string prefix = std::string(kSnapshotNumberToken) + ',';
    if (!text.starts_with(prefix)) return std::nullopt;
    std::uint64_t number = 0;
    const char* first = text.data() + prefix.size();
    const char* last = text.data() + text.size();
    const auto [end, failure] = std::from_chars(first, last, number);
    if (failure != std::errc() || end == first || end == last || *end != '\r') return std::nullopt;
    return number;
}

QString UndoStore::newestSnapshot(const QString& folder) {
    const QString firstPath = folder + QLatin1Char('/') + kFirstSnapshotFile;
    const QString secondPath = folder + QLatin1Char('/') + kSecondSnapshotFile;
    const bool hasFirst = QFile::exists(firstPath);
    const bool hasSecond = QFile::exists(secondPath);
    if (!hasFirst && !hasSecond) return QString();
    if (!hasSecond) return kFirstSnapshotFile;
    if (!hasFirst) return kSecondSnapshotFile;
    const std::optional<std::uint64_t> firstNumber = snapshotNumber(firstPath);
    const std::optional<std::uint64_t> secondNumber = snapshotNumber(secondPath);
    if (firstNumber && secondNumber)
        return *firstNumber > *secondNumber ? kFirstSnapshotFile : kSecondSnapshotFile;
    // A file without a number was written by an earlier version, before the numbered one.
    if (firstNumber) return kFirstSnapshotFile;
    if (secondNumber) return kSecondSnapshotFile;
    // Both without: by file time, to the nanosecond the file system keeps; at equal times the
    // first file (a change right after the start, which wrote the second).
    namespace fs = std::filesystem;
    std::error_code error;
    const auto firstTime = fs::last_write_time(fs::path(firstPath.toStdString()), error);
    const auto secondTime = fs::last_write_time(fs::path(secondPath.toStdString()), error);
    if (error) return kFirstSnapshotFile;
    return firstTime >= secondTime ? kFirstSnapshotFile : kSecondSnapshotFile;
}

bool UndoStore::start(const CoordTable& add, const CoordTable& subtracted, QString* error) {
    finishBackground();
    // Numbered on from what the folder holds, so that a file left from an earlier run never
    // passes for newer than this run's.
    number_ = 0;
    for (const QString& name : {kFirstSnapshotFile, kSecondSnapshotFile})
        number_ = std::max(number_, snapshotNumber(path(name)).value_or(0));
    undoFile_ = kFirstSnapshotFile;
    return saveUndo(add, subtracted, error);
}

bool UndoStore::saveUndo(const CoordTable& add, const CoordTable& subtracted, QString* error,
                         const SectionMaterials* materials) {
    finishBackground();
    undoFile_ = Other(undoFile_);
    return writeTextFile(path(undoFile_),
                         numberedText(++number_, coordText(add, subtracted, materials)),
                         FileEncoding::Cp932OrUtf8, error);
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
        const bool written = writeTextFile(path(undoFile_), numberedText(++number_, makeText()),
                                           FileEncoding::Cp932OrUtf8, &error);
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
                queued_->number = ++number_;
            } else {
                undoFile_ = Other(undoFile_);
                queued_ = Job{path(undoFile_), std::move(makeText), ++number_};
            }
            return;
        }
    }
    if (worker_.joinable()) worker_.join();  // done with its jobs, not yet joined
    undoFile_ = Other(undoFile_);
    running_ = true;
    worker_ = std::thread(&UndoStore::writeJobs, this,
                          Job{path(undoFile_), std::move(makeText), ++number_});
}

void UndoStore::writeJobs(Job job) {
    for (;;) {
        QString error;
        const bool written = writeTextFile(job.filePath, numberedText(job.number, job.makeText()),
                                           FileEncoding::Cp932OrUtf8, &error);
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

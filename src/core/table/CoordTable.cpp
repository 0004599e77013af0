// The coordinate table store: cell texts in one buffer (or in a shared file text) with an offset
// and a length per cell, the parsed number of every cell beside it, bulk row insertion and
// removal, the selection kept inside the table, the revision counter, and the reset to the fresh
// state. A rewritten cell leaves its old text behind as unused bytes, which a compaction drops
// once they are more than half of the buffer.
#include "core/table/CoordTable.h"

#include <algorithm>
#include <atomic>
#include <cstring>
#include <limits>

#include "core/base/LargeBuffers.h"
#include "core/base/NumberText.h"

namespace kuvanto {

namespace {

constexpr double kNone = std::numeric_limits<double>::quiet_NaN();
constexpr Point kNoNumbers{kNone, kNone};
constexpr std::size_t kMaxOffset = std::numeric_limits<std::uint32_t>::max();

double numberOf(std::string_view text) {
    return text.empty() ? kNone : parseNumeric(text).value_or(kNone);
}

}  // namespace

CoordTable::CoordTable() {
    resetCoordTable(*this);
}

std::string_view CoordTable::view(Span span) const {
    if (span.size == 0) return {};
    const std::size_t shared = sharedSize();
    if (span.begin < shared) return std::string_view(*shared_).substr(span.begin, span.size);
    const std::size_t at = span.begin - shared;
    if (span.size != kLongText) return std::string_view(own_).substr(at, span.size);
    std::uint32_t length = 0;
    std::memcpy(&length, own_.data() + at, sizeof length);
    return std::string_view(own_).substr(at + sizeof length, length);
}

std::size_t CoordTable::bytesOf(Span span) const {
    if (span.size == 0 || span.begin < sharedSize()) return 0;
    if (span.size != kLongText) return span.size;
    return sizeof(std::uint32_t) + view(span).size();
}

CoordTable::Span CoordTable::store(std::string_view text) {
    if (text.empty()) return {};
    const bool isLong = text.size() >= kLongText;
    if (!isLong && shared_ && text.data() >= shared_->data() &&
        text.data() + text.size() <= shared_->data() + shared_->size()) {
        return {static_cast<std::uint32_t>(text.data() - shared_->data()),
                static_cast<std::uint16_t>(text.size())};
    }
    const std::size_t bytes = text.size() + (isLong ? sizeof(std::uint32_t) : 0);
    if (sharedSize() + own_.size() + bytes > kMaxOffset) {
        compact();
        // A table holds at most 4 GiB of text; what does not fit is not stored.
        if (sharedSize() + own_.size() + bytes > kMaxOffset) return {};
    }
    const Span span{static_cast<std::uint32_t>(sharedSize() + own_.size()),
                    isLong ? kLongText : static_cast<std::uint16_t>(text.size())};
    if (isLong) {
        const auto length = static_cast<std::uint32_t>(text.size());
        own_.append(reinterpret_cast<const char*>(&length), sizeof length);
    }
    own_.append(text);
    return span;
}

void CoordTable::release(std::span<const Span> spans) {
    for (const Span& s : spans) unused_ += bytesOf(s);
    if (unused_ > 4096 && unused_ > own_.size() / 2) compact();
}

void CoordTable::compact() {
    std::string kept;
    kept.reserve(own_.size() - std::min(unused_, own_.size()));
    const std::size_t shared = sharedSize();
    for (Span& s : spans_) {
        const std::size_t bytes = bytesOf(s);
        if (bytes == 0) continue;
        const std::size_t at = kept.size();
        kept.append(own_, s.begin - shared, bytes);
        s.begin = static_cast<std::uint32_t>(shared + at);
    }
    own_ = std::move(kept);
    unused_ = 0;
}

void CoordTable::setRows(int rows) {
    rows = std::max(rows, 1);
    if (rows == this->rows()) return;
    noteChange(std::min(rows, this->rows()), 0);
    const auto n = static_cast<std::size_t>(rows);
    if (n < points_.size()) release(std::span<const Span>(spans_).subspan(2 * n));
    makeRoom(n);
    spans_.resize(2 * n);
    points_.resize(n, kNoNumbers);
    keepInside();
    touch();
}

std::string_view CoordTable::textView(int row, int col) const {
    if (row < 0 || row >= rows() || col < 0 || col > 1) return {};
    return view(spans_[static_cast<std::size_t>(row) * 2 + static_cast<std::size_t>(col)]);
}

void CoordTable::setText(int row, int col, std::string_view text) {
    if (row < 0 || row >= rows() || col < 0 || col > 1) return;
    const std::size_t cell = static_cast<std::size_t>(row) * 2 + static_cast<std::size_t>(col);
    noteChange(row, rows() - 1 - row);
    const Span old = spans_[cell];
    spans_[cell] = store(text);
    Point& p = points_[static_cast<std::size_t>(row)];
    (col == 0 ? p.x : p.y) = numberOf(text);
    release(std::span<const Span>(&old, 1));
    touch();
}

std::optional<double> CoordTable::number(int row, int col) const {
    if (row < 0 || row >= rows() || col < 0 || col > 1) return std::nullopt;
    const Point& p = points_[static_cast<std::size_t>(row)];
    const double value = col == 0 ? p.x : p.y;
    if (std::isnan(value)) return std::nullopt;
    return value;
}

Point CoordTable::point(int row) const {
    if (row < 0 || row >= rows()) return kNoNumbers;
    return points_[static_cast<std::size_t>(row)];
}

void CoordTable::clear() {
    noteChange(0, 0);
    std::fill(spans_.begin(), spans_.end(), Span{});
    std::fill(points_.begin(), points_.end(), kNoNumbers);
    shared_.reset();
    own_.clear();
    own_.shrink_to_fit();
    unused_ = 0;
    touch();
}

void CoordTable::insertRows(int row, int count) {
    if (row < 1 || row > rows() || count <= 0) return;
    const auto at = static_cast<std::size_t>(row);
    const auto n = static_cast<std::size_t>(count);
    makeRoom(points_.size() + n);
    spans_.insert(spans_.begin() + static_cast<std::ptrdiff_t>(2 * at), 2 * n, Span{});
    points_.insert(points_.begin() + static_cast<std::ptrdiff_t>(at), n, kNoNumbers);
    noteChange(row, rows() - row - count);
    touch();
}

void CoordTable::removeRows(int row, int count) {
    if (row < 1 || row >= rows() || count <= 0) return;
    const auto first = static_cast<std::size_t>(row);
    const auto last = std::min(points_.size(), first + static_cast<std::size_t>(count));
    // Count the texts as unused before they go, then compact (if need be) after.
    for (std::size_t k = 2 * first; k < 2 * last; ++k) unused_ += bytesOf(spans_[k]);
    spans_.erase(spans_.begin() + static_cast<std::ptrdiff_t>(2 * first),
                 spans_.begin() + static_cast<std::ptrdiff_t>(2 * last));
    points_.erase(points_.begin() + static_cast<std::ptrdiff_t>(first),
                  points_.begin() + static_cast<std::ptrdiff_t>(last));
    noteChange(row, rows() - row);
    release({});
    keepInside();
    touch();
}

void CoordTable::appendRow(std::string_view x, std::string_view y) {
    appendParsedRow(x, y, {numberOf(x), numberOf(y)});
    touch();
}

void CoordTable::reserveRows(std::size_t rows) {
    makeRoom(points_.size() + rows, false);
}

void CoordTable::reserveText(std::size_t bytes) {
    if (own_.size() + bytes <= own_.capacity()) return;
    own_.reserve(own_.size() + bytes);
    preferHugePages(own_.data() + own_.size(), own_.capacity() - own_.size());
}

namespace {

// Moves the vector into new memory with room for `capacity` elements, the memory advised huge
// pages before the elements are copied into it (reserve would copy them first).
template <typename T>
void regrow(std::vector<T>& items, std::size_t capacity) {
    std::vector<T> grown;
    grown.reserve(capacity);
    preferHugePages(grown.data(), grown.capacity() * sizeof(T));
    grown.insert(grown.end(), items.begin(), items.end());
    items.swap(grown);
}

}  // namespace

CoordTable::CoordTable(const CoordTable& other)
    : TableSelection(other),
      shared_(other.shared_),
      own_(other.own_),
      unused_(other.unused_),
      revision_(other.revision_),
      window_(other.window_) {
    makeRoom(other.points_.size(), false);
    spans_.insert(spans_.end(), other.spans_.begin(), other.spans_.end());
    points_.insert(points_.end(), other.points_.begin(), other.points_.end());
}

void CoordTable::makeRoom(std::size_t rows, bool growByHalf) {
    if (rows <= points_.capacity()) return;
    // Growing by half at least keeps a series of insertions linear, as the vectors' own growth
    // would; a reader that knows its row count asks for exactly that.
    if (growByHalf) rows = std::max(rows, points_.capacity() + points_.capacity() / 2);
    regrow(spans_, 2 * rows);
    regrow(points_, rows);
}

void CoordTable::shareText(std::shared_ptr<const std::string> text) {
    if (text == shared_) return;
    // Cells that point into the text shared so far move into own_ first; own_ offsets follow
    // the new shared size.
    const std::size_t oldShared = sharedSize();
    const std::size_t newShared = text ? text->size() : 0;
    if (newShared + own_.size() > kMaxOffset) return;  // too large to address: keep copying
    std::string moved;
    for (Span& s : spans_) {
        if (s.size == 0) continue;
        if (s.begin < oldShared) {
            const std::size_t at = own_.size() + moved.size();
            moved.append(*shared_, s.begin, s.size);
            s.begin = static_cast<std::uint32_t>(newShared + at);
        } else {
            s.begin = static_cast<std::uint32_t>(s.begin - oldShared + newShared);
        }
    }
    own_.append(moved);
    shared_ = std::move(text);
}

void CoordTable::appendParsedRow(std::string_view x, std::string_view y, Point numbers) {
    noteChange(rows(), 0);
    spans_.push_back(store(x));
    spans_.push_back(store(y));
    points_.push_back(numbers);
}

std::uint64_t CoordTable::markUnchanged() {
    // Marks are unique across every table of the program, so that a table replaced by another
    // (a file read, a restored state) never passes for the state it replaced.
    static std::atomic<std::uint64_t> lastMark{0};
    window_ = {++lastMark, rows(), rows()};
    return window_.mark;
}

bool CoordTable::isVertexRow(int row) const {
    return row >= 1 && row < rows() && !std::isnan(points_[static_cast<std::size_t>(row)].x);
}

bool CoordTable::isSeparatorRow(int row) const {
    return row >= 1 && row < rows() && textView(row, 0) == kSeparatorText;
}

void resetCoordTable(CoordTable& grid) {
    grid.clear();
    grid.setRows(2);
    grid.setText(0, 0, "X");
    grid.setText(0, 1, "Y");
    grid.setRow(1);
    grid.setCol(0);
}

void resetCoordTable(CoordTable& add, CoordTable& subtracted) {
    resetCoordTable(add);
    resetCoordTable(subtracted);
}

}  // namespace kuvanto

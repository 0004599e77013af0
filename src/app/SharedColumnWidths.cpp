// Sharing a table view's spare width among its columns, again whenever its viewport is resized.
#include "app/SharedColumnWidths.h"

#include <QEvent>
#include <QTableView>
#include <algorithm>
#include <numeric>
#include <utility>

namespace kuvanto {

SharedColumnWidths::SharedColumnWidths(QTableView* view)
    : QObject(view), view_(view), viewport_(view->viewport()) {
    viewport_->installEventFilter(this);
}

void SharedColumnWidths::setLeastWidths(std::vector<int> widths, int firstSharing) {
    least_ = std::move(widths);
    firstSharing_ = firstSharing;
    apply();
}

std::vector<int> SharedColumnWidths::shared(const std::vector<int>& least, int room,
                                            int firstSharing) {
    std::vector<int> widths = least;
    const auto first = static_cast<std::size_t>(std::max(firstSharing, 0));
    if (first >= widths.size()) return widths;
    const long long total = std::accumulate(least.begin(), least.end(), 0LL);
    const long long sharing =
        std::accumulate(least.begin() + static_cast<long>(first), least.end(), 0LL);
    if (sharing <= 0 || room <= total) return widths;
    const long long spare = room - total;
    long long given = 0;
    for (std::size_t c = first; c + 1 < widths.size(); ++c) {
        const long long share = spare * least[c] / sharing;
        widths[c] += static_cast<int>(share);
        given += share;
    }
    widths.back() += static_cast<int>(spare - given);
    return widths;
}

bool SharedColumnWidths::eventFilter(QObject* watched, QEvent* event) {
    // Compared with the viewport kept at the start: while the view is being destroyed its
    // viewport still sends events, and the view may no longer be asked for it.
    if (event->type() == QEvent::Resize && watched == viewport_) apply();
    return QObject::eventFilter(watched, event);
}

void SharedColumnWidths::apply() {
    const int columns = view_->model() ? view_->model()->columnCount() : 0;
    std::vector<int> least = least_;
    least.resize(static_cast<std::size_t>(std::max(columns, 0)), 0);
    const std::vector<int> widths = shared(least, view_->viewport()->width(), firstSharing_);
    for (int c = 0; c < columns; ++c)
        if (view_->columnWidth(c) != widths[static_cast<std::size_t>(c)])
            view_->setColumnWidth(c, widths[static_cast<std::size_t>(c)]);
}

}  // namespace kuvanto

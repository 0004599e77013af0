// The widths of a table view's columns that fill its width: each column gets at least the width
// its texts need, and the room left on the right is shared among the columns, so that the table
// never ends in an empty strip. Follows the view's resizing.
#pragma once

#include <QObject>
#include <vector>

class QTableView;

namespace kuvanto {

class SharedColumnWidths : public QObject {
public:
    // Watches the view's viewport (and is owned by the view).
    explicit SharedColumnWidths(QTableView* view);

    // The least width of every column, in pixels, and the first column that takes a share of the
    // spare room (the columns before it keep their least widths); sets the view's column widths.
    void setLeastWidths(std::vector<int> widths, int firstSharing = 0);

    // The widths for a viewport `room` pixels wide: the least widths, the columns from
    // `firstSharing` on each widened by a share of the room left, in proportion to its least
    // width (the last column takes what rounding leaves over, so that they fill the room exactly).
    static std::vector<int> shared(const std::vector<int>& least, int room, int firstSharing = 0);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void apply();

    QTableView* view_;
    QObject* viewport_;  // the view's viewport, whose resizing is watched
    std::vector<int> least_;
    int firstSharing_ = 0;
};

}  // namespace kuvanto

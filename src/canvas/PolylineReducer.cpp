// Culling, clipping and pixel merging of table segments. The box that segments are clipped to is
// the window grown by a few pixels, so that a thick line along the edge is still drawn whole.
#include "canvas/PolylineReducer.h"

#include <algorithm>
#include <cmath>

namespace kuvanto {

namespace {

constexpr double kMarginPixels = 4;
constexpr int kLeft = 1, kRight = 2, kBelow = 4, kAbove = 8;

}  // namespace

PolylineReducer::PolylineReducer(double left, double top, double right, double bottom, int pixels)
    : left_(left), top_(top) {
    const double width = right - left;
    const double height = top - bottom;
    usable_ = pixels > 0 && std::isfinite(left) && std::isfinite(top) && std::isfinite(width) &&
              std::isfinite(height) && width > 0 && height > 0;
    if (!usable_) return;
    kx_ = pixels / width;
    ky_ = pixels / height;
    usable_ = std::isfinite(kx_) && std::isfinite(ky_) && kx_ > 0 && ky_ > 0;
    if (!usable_) return;
    const double mx = kMarginPixels / kx_;
    const double my = kMarginPixels / ky_;
    boxLeft_ = left - mx;
    boxRight_ = right + mx;
    boxBottom_ = bottom - my;
    boxTop_ = top + my;
}

int PolylineReducer::outcode(WorldPt p) const {
    int code = 0;
    if (p.x < boxLeft_)
        code |= kLeft;
    else if (p.x > boxRight_)
        code |= kRight;
    if (p.y < boxBottom_)
        code |= kBelow;
    else if (p.y > boxTop_)
        code |= kAbove;
    return code;
}

bool PolylineReducer::clip(WorldPt& a, WorldPt& b) const {
    // Liang-Barsky: the parameter range [t0, t1] of a + t (b - a) that lies inside the box.
    const double dx = b.x - a.x;
    const double dy = b.y - a.y;
    double t0 = 0, t1 = 1;
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {a.x - boxLeft_, boxRight_ - a.x, a.y - boxBottom_, boxTop_ - a.y};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0) return false;
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0) {
            if (t > t1) return false;
            t0 = std::max(t0, t);
        } else {
            if (t < t0) return false;
            t1 = std::min(t1, t);
        }
    }
    if (!(t0 <= t1)) return false;
    const WorldPt from = a;
    if (t0 > 0) a = WorldPt{from.x + t0 * dx, from.y + t0 * dy};
    if (t1 < 1) b = WorldPt{from.x + t1 * dx, from.y + t1 * dy};
    // An endpoint at infinity leaves nothing that can be mapped to a pixel.
    return std::isfinite(a.x) && std::isfinite(a.y) && std::isfinite(b.x) && std::isfinite(b.y);
}

std::int64_t PolylineReducer::pixelKey(WorldPt p) const {
    // Inside the clip box the pixel numbers stay within a few pixels of the picture, so after
    // the offset they are positive and truncation rounds down (cheaper than std::floor).
    constexpr double kOffset = 64;
    const auto px = static_cast<std::int64_t>((p.x - left_) * kx_ + kOffset);
    const auto py = static_cast<std::int64_t>((top_ - p.y) * ky_ + kOffset);
    return (px << 32) | py;
}

void PolylineReducer::add(WorldPt p) {
    const std::int64_t key = pixelKey(p);
    if (!run_.empty() && key == lastKey_) {
        // Same pixel as the last kept point: remember it, so that a run still ends exactly.
        pending_ = p;
        hasPending_ = true;
        return;
    }
    run_.push_back(p);
    lastKey_ = key;
    hasPending_ = false;
}

void PolylineReducer::flush(std::uint32_t color, SectionPainter& painter) {
    if (hasPending_) run_.push_back(pending_);
    hasPending_ = false;
    if (run_.size() >= 2) painter.polyline(run_, color);
    run_.clear();
}

void PolylineReducer::draw(std::span<const WorldPt> points, int first, int last,
                           std::uint32_t color, SectionPainter& painter,
                           std::span<const std::size_t> skipped) {
    if (!usable_) return;
    first = std::max(first, 0);
    last = std::min(last, static_cast<int>(points.size()) - 1);
    run_.clear();
    hasPending_ = false;
    bool open = false;  // the current run ends at points[i], unclipped
    int codePrev = -1;  // outcode of points[i] when already known
    auto nextSkipped =
        std::lower_bound(skipped.begin(), skipped.end(), static_cast<std::size_t>(first));
    for (int i = first; i < last; ++i) {
        WorldPt a = points[i];
        WorldPt b = points[i + 1];
        const bool seam =
            nextSkipped != skipped.end() && *nextSkipped == static_cast<std::size_t>(i);
        if (seam) ++nextSkipped;
        if (seam || !a.isVertex() || !b.isVertex()) {
            flush(color, painter);
            open = false;
            codePrev = -1;
            continue;
        }
        const int thisA = codePrev >= 0 ? codePrev : outcode(a);
        const int codeB = outcode(b);
        codePrev = codeB;
        if ((thisA & codeB) != 0) {  // wholly on one outer side of the box
            flush(color, painter);
            open = false;
            continue;
        }
        if ((thisA | codeB) != 0 && !clip(a, b)) {
            flush(color, painter);
            open = false;
            continue;
        }
        if (thisA != 0 || !open) {
            flush(color, painter);
            add(a);
        }
        add(b);
        open = codeB == 0;
        if (!open) flush(color, painter);
    }
    flush(color, painter);
}

}  // namespace kuvanto

// The one-pass floor: from_chars parsing and the closed-form polygon integrals (each edge
// contributes through the cross product of its end points).
#include "Floor.h"

#include <charconv>

namespace kuvanto::bench {

namespace {

// Accumulates edges as vertices arrive, closing the polygon at the end.
class Integrator {
public:
    void add(double x, double y) {
        if (sums_.vertices++ == 0) {
            x0_ = px_ = x;
            y0_ = py_ = y;
            return;
        }
        Edge(px_, py_, x, y);
        px_ = x;
        py_ = y;
    }
    FloorSums finish() {
        if (sums_.vertices > 1 && (px_ != x0_ || py_ != y0_)) Edge(px_, py_, x0_, y0_);
        sums_.area /= 2;
        sums_.sx /= 6;
        sums_.sy /= 6;
        sums_.ixx /= 12;
        sums_.iyy /= 12;
        return sums_;
    }

private:
    void Edge(double x0, double y0, double x1, double y1) {
        const double cross = x0 * y1 - x1 * y0;
        sums_.area += cross;
        sums_.sx += (y0 + y1) * cross;
        sums_.sy += (x0 + x1) * cross;
        sums_.ixx += (y0 * y0 + y0 * y1 + y1 * y1) * cross;
        sums_.iyy += (x0 * x0 + x0 * x1 + x1 * x1) * cross;
    }
    FloorSums sums_;
    double x0_ = 0, y0_ = 0, px_ = 0, py_ = 0;
};

bool Parse(const char* first, const char* last, double& value) {
    const auto [end, ec] = std::from_chars(first, last, value);
    return ec == std::errc() && end == last;
}

}  // namespace

FloorSums floorFromCells(const std::vector<std::string>& cells) {
    Integrator integrator;
    for (std::size_t i = 0; i + 1 < cells.size(); i += 2) {
        const std::string& xt = cells[i];
        const std::string& yt = cells[i + 1];
        double x, y;
        if (Parse(xt.data(), xt.data() + xt.size(), x) &&
            Parse(yt.data(), yt.data() + yt.size(), y))
            integrator.add(x, y);
    }
    return integrator.finish();
}

FloorSums floorFromText(std::string_view text) {
    Integrator integrator;
    const char* p = text.data();
    const char* const end = p + text.size();
    while (p < end) {
        const char* lineEnd = p;
        const char* comma = nullptr;
        while (lineEnd < end && *lineEnd != '\n' && *lineEnd != '\r') {
            if (*lineEnd == ',' && !comma) comma = lineEnd;
            ++lineEnd;
        }
        double x, y;
        if (comma && Parse(p, comma, x) && Parse(comma + 1, lineEnd, y)) integrator.add(x, y);
        p = lineEnd;
        while (p < end && (*p == '\n' || *p == '\r')) ++p;
    }
    return integrator.finish();
}

FloorSums floorFromNumbers(const std::vector<double>& xs, const std::vector<double>& ys) {
    Integrator integrator;
    for (std::size_t k = 0; k < xs.size() && k < ys.size(); ++k) integrator.add(xs[k], ys[k]);
    return integrator.finish();
}

}  // namespace kuvanto::bench

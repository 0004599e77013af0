// Builds and caches the benchmark circles. Vertex texts go through numText, so the cells hold
// exactly what a generator would have written.
#include "BenchShapes.h"

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>

#include <unistd.h>

#include "core/base/NumberText.h"
#include "io/FileTokens.h"
#include "io/TextFile.h"

namespace kuvanto::bench {

namespace {

constexpr double kRadius = 100000.0;

Circle makeCircle(int vertices) {
    Circle c;
    const int sides = vertices - 1;
    c.xs.reserve(vertices);
    c.ys.reserve(vertices);
    for (int k = 0; k < sides; ++k) {
        const double t = 6.283185307179586 * k / sides;
        c.xs.push_back(std::round(kRadius * std::cos(t) * 1000.0) / 1000.0);
        c.ys.push_back(std::round(kRadius * std::sin(t) * 1000.0) / 1000.0);
    }
    c.xs.push_back(c.xs.front());
    c.ys.push_back(c.ys.front());
    c.points.reserve(vertices);
    for (int k = 0; k < vertices; ++k) c.points.push_back({c.xs[k], c.ys[k]});

    c.csvText = std::string(kAddedSectionToken) + ",\r\n";
    c.csvText.reserve(static_cast<std::size_t>(vertices) * 24);
    for (int k = 0; k < vertices; ++k) {
        std::string x = numText(c.xs[k]);
        std::string y = numText(c.ys[k]);
        c.csvText += x;
        c.csvText += ',';
        c.csvText += y;
        c.csvText += "\r\n";
        c.add.appendRow(x, y);
        c.cells.push_back(std::move(x));
        c.cells.push_back(std::move(y));
    }
    c.csvText += std::string(kSubtractedSectionToken) + ",\r\n";
    return c;
}

// Removes the circle files at the end of the run.
struct FileSet {
    std::map<int, std::string> paths;
    ~FileSet() {
        for (const auto& [n, path] : paths) std::remove(path.c_str());
    }
};

}  // namespace

const Circle& circleOf(int vertices) {
    static std::map<int, std::unique_ptr<Circle>> cache;
    auto& slot = cache[vertices];
    if (!slot) slot = std::make_unique<Circle>(makeCircle(vertices));
    return *slot;
}

const std::string& circleFile(int vertices) {
    static FileSet files;
    auto found = files.paths.find(vertices);
    if (found != files.paths.end()) return found->second;
    const std::string path =
        (std::filesystem::temp_directory_path() /
         ("kuvanto-bench-" + std::to_string(getpid()) + "-" + std::to_string(vertices) + ".csv"))
            .string();
    std::ofstream(path, std::ios::binary) << encodeCp932(circleOf(vertices).csvText);
    return files.paths[vertices] = path;
}

}  // namespace kuvanto::bench

// Builds and caches the benchmark circles. Vertex texts go through Num_Text, so the cells hold
// exactly what a generator would have written.
#include "BenchShapes.h"

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>

#include <unistd.h>

#include "NumText.h"
#include "TextFile.h"

namespace kuvanto::bench {

namespace {

constexpr double kRadius = 100000.0;

Circle Make_Circle(int vertices) {
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

    c.csv_text = std::string(kAddMarker) + ",\r\n";
    c.csv_text.reserve(static_cast<std::size_t>(vertices) * 24);
    for (int k = 0; k < vertices; ++k) {
        std::string x = Num_Text(c.xs[k]);
        std::string y = Num_Text(c.ys[k]);
        c.csv_text += x;
        c.csv_text += ',';
        c.csv_text += y;
        c.csv_text += "\r\n";
        c.add.Append_Row(std::move(x), std::move(y));
    }
    c.csv_text += std::string(kSbtrtMarker) + ",\r\n";
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

const Circle& Circle_Of(int vertices) {
    static std::map<int, std::unique_ptr<Circle>> cache;
    auto& slot = cache[vertices];
    if (!slot) slot = std::make_unique<Circle>(Make_Circle(vertices));
    return *slot;
}

const std::string& Circle_File(int vertices) {
    static FileSet files;
    auto found = files.paths.find(vertices);
    if (found != files.paths.end()) return found->second;
    const std::string path =
        (std::filesystem::temp_directory_path() /
         ("kuvanto-bench-" + std::to_string(getpid()) + "-" + std::to_string(vertices) + ".csv"))
            .string();
    std::ofstream(path, std::ios::binary) << Encode_Cp932(Circle_Of(vertices).csv_text);
    return files.paths[vertices] = path;
}

}  // namespace kuvanto::bench

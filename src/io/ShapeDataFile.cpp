// Shape library data files: the text is cut into lines (CR LF, LF or CR) and every line at each
// comma, without quoting; only the two columns of the chosen part are read, strictly as numbers.
#include "io/ShapeDataFile.h"

#include "core/base/NumberText.h"

namespace kuvanto {

namespace {

std::vector<std::string_view> splitLines(std::string_view text) {
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\r' && text[i] != '\n') continue;
        lines.push_back(text.substr(start, i - start));
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
        start = i + 1;
    }
    if (start < text.size()) lines.push_back(text.substr(start));
    return lines;
}

std::vector<std::string_view> splitCells(std::string_view line) {
    std::vector<std::string_view> cells;
    std::size_t start = 0;
    for (std::size_t comma; (comma = line.find(',', start)) != std::string_view::npos;
         start = comma + 1) {
        cells.push_back(line.substr(start, comma - start));
    }
    cells.push_back(line.substr(start));
    return cells;
}

bool readPoint(std::string_view line, int index, PlanePoint& point) {
    const std::vector<std::string_view> cells = splitCells(line);
    const std::size_t column = 2 * static_cast<std::size_t>(index);
    if (column + 1 >= cells.size()) return false;
    const std::optional<double> x = parseNumeric(cells[column]);
    const std::optional<double> y = parseNumeric(cells[column + 1]);
    if (!x || !y) return false;
    point = {*x, *y};
    return true;
}

std::string coordinate(double value) {
    return numText(roundHalfEven(value, 5) + 0.0);  // + 0.0 turns -0 into 0
}

}  // namespace

std::vector<std::string> ShapeDataFile::partNames(std::string_view utf8) {
    std::vector<std::string> names;
    const std::vector<std::string_view> lines = splitLines(utf8);
    if (lines.empty()) return names;
    for (std::string_view cell : splitCells(lines.front())) {
        if (!cell.empty()) names.emplace_back(cell);
    }
    return names;
}

bool ShapeDataFile::readPart(std::string_view utf8, int index, LibraryPart& part) {
    if (index < 0) return false;
    const std::vector<std::string_view> lines = splitLines(utf8);
    LibraryPart read;
    const std::vector<std::string> names = partNames(utf8);
    if (index < static_cast<int>(names.size())) read.name = names[index];
    std::size_t i = 2;
    for (; i < lines.size(); ++i) {
        if (splitCells(lines[i]).front() == kBasePointMarker) break;
        PlanePoint point;
        if (!readPoint(lines[i], index, point)) return false;
        read.outline.push_back(point);
    }
    if (i >= lines.size()) return false;  // no marker line
    for (++i; i < lines.size(); ++i) {
        PlanePoint point;
        if (!readPoint(lines[i], index, point)) return false;
        read.basePoints.push_back(point);
    }
    if (read.basePoints.empty()) return false;
    part = std::move(read);
    return true;
}

std::string ShapeDataFile::format(const std::vector<LibraryPart>& parts) {
    if (parts.empty()) return {};
    for (const LibraryPart& part : parts) {
        if (part.name.empty() || part.name.find_first_of(",\r\n") != std::string::npos ||
            part.outline.size() != parts.front().outline.size() ||
            part.basePoints.size() != parts.front().basePoints.size() || part.basePoints.empty())
            return {};
    }
    auto row = [&](auto cellsOf) {
        std::string line;
        for (std::size_t k = 0; k < parts.size(); ++k) {
            if (k > 0) line += ',';
            line += cellsOf(parts[k]);
        }
        return line + "\r\n";
    };
    std::string text = row([](const LibraryPart& p) { return p.name + ","; });
    text += row([](const LibraryPart&) { return std::string("X,Y"); });
    for (std::size_t v = 0; v < parts.front().outline.size(); ++v) {
        text += row([v](const LibraryPart& p) {
            return coordinate(p.outline[v].x) + "," + coordinate(p.outline[v].y);
        });
    }
    text += std::string(kBasePointMarker) + std::string(2 * parts.size() - 1, ',') + "\r\n";
    for (std::size_t b = 0; b < parts.front().basePoints.size(); ++b) {
        text += row([b](const LibraryPart& p) {
            return coordinate(p.basePoints[b].x) + "," + coordinate(p.basePoints[b].y);
        });
    }
    return text;
}

}  // namespace kuvanto

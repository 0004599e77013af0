// The file is split into (code, value) pairs; sections are followed by name, and within BLOCKS
// and ENTITIES each entity's pairs are checked and copied or dropped as a whole.
#include "io/DxfPrescan.h"

#include "core/drawing/CadDrawing.h"

#include <QCoreApplication>
#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <optional>
#include <tuple>
#include <utility>
#include <vector>

namespace kuvanto {

namespace {

struct Pair {
    int code = 0;
    std::string_view value;
    std::size_t line = 0;  // line number of the group code, from 1
};

std::string_view trimmed(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r'))
        s.remove_suffix(1);
    return s;
}

bool isKeptEntity(std::string_view type) {
    static constexpr std::array<std::string_view, 10> kept = {
        "LINE",     "ARC",    "CIRCLE", "ELLIPSE", "LWPOLYLINE",
        "POLYLINE", "VERTEX", "SEQEND", "SPLINE",  "INSERT"};
    return std::find(kept.begin(), kept.end(), type) != kept.end();
}

constexpr std::size_t kMaxVertices = 5'000'000;

bool isRealCode(int code) {
    return (code >= 10 && code <= 59) || (code >= 210 && code <= 239);
}

// The value as the library's integer reading (strtol, then int) sees it.
long libraryInt(std::string_view value) {
    const std::string text(value);
    return static_cast<int>(std::strtol(text.c_str(), nullptr, 10));
}

class Scanner {
public:
    explicit Scanner(DxfPrescanResult& result) : result_(result) {}

    // Splits the text into pairs in one pass over its lines, without a list of the lines: a
    // drawing of 10^5 entities has millions of them.
    bool split(std::string_view bytes) {
        std::size_t start = 0;
        // The next line without its line end and the blanks around it; false after the last.
        const auto nextLine = [&](std::string_view& line) {
            if (start >= bytes.size()) return false;
            std::size_t end = start;
            while (end < bytes.size() && bytes[end] != '\n') ++end;
            line = trimmed(bytes.substr(start, end - start));
            start = end + 1;
            return true;
        };
        pairs_.reserve(static_cast<std::size_t>(std::count(bytes.begin(), bytes.end(), '\n')) / 2 +
                       1);
        // Blank lines at the end are not read; the drawing ends at "0 EOF", and whatever a
        // program appended after it is not read either. A code line that does not read is
        // reported only when it lies before that end, and after an odd count of lines.
        std::size_t lines = 0;  // lines read so far
        std::size_t kept = 0;   // lines up to the last one that is not blank, or up to "0 EOF"
        std::optional<std::pair<std::size_t, std::string_view>> badCode;  // line index, text
        std::string_view c, value;
        while (nextLine(c)) {
            const std::size_t codeLine = lines++;
            if (!c.empty()) kept = lines;
            const bool hasValue = nextLine(value);
            if (hasValue) {
                ++lines;
                if (!value.empty()) kept = lines;
            }
            int code = 0;
            const auto [end, ec] = std::from_chars(c.data(), c.data() + c.size(), code);
            if (ec != std::errc() || end != c.data() + c.size() || code < -5 || code > 1071) {
                if (!badCode) badCode.emplace(codeLine, c);
            } else if (hasValue) {
                pairs_.push_back({code, value, codeLine + 1});
            }
            if (hasValue && c == "0" && value == "EOF") {
                kept = lines;
                break;
            }
        }
        if (kept % 2 != 0)
            return fail(QCoreApplication::translate(
                            "DxfReader",
                            "ファイルがグループの途中（%"
                            "1行目）で終わっています。ファイルが途中で切れています。")
                            .arg(kept));
        if (badCode && badCode->first < kept)
            return fail(QCoreApplication::translate(
                            "DxfReader", "%1行目はグループコードのはずですが「%2」です。")
                            .arg(badCode->first + 1)
                            .arg(QString::fromUtf8(badCode->second.substr(0, 40))));
        // Pairs of blank lines at the end are no groups.
        while (!pairs_.empty() && pairs_.back().line > kept) pairs_.pop_back();
        return true;
    }

    bool walk() {
        std::size_t i = 0;
        bool ended = false;
        while (i < pairs_.size()) {
            const Pair& p = pairs_[i];
            if (p.code == 0 && p.value == "EOF") {
                ended = true;
                break;
            }
            if (p.code == 0 && p.value == "SECTION") {
                if (i + 1 >= pairs_.size() || pairs_[i + 1].code != 2)
                    return fail(QCoreApplication::translate(
                                    "DxfReader", "%1行目のセクションに名前がありません。")
                                    .arg(p.line));
                const std::string_view name = pairs_[i + 1].value;
                i += 2;
                const std::size_t end = sectionEnd(i);
                if (end >= pairs_.size())
                    return fail(
                        QCoreApplication::translate(
                            "DxfReader",
                            "セクション %1 が閉じていません。ファイルが途中で切れています。")
                            .arg(QString::fromUtf8(name.substr(0, 40))));
                if (name == "HEADER")
                    header(i, end);
                else if (name == "TABLES")
                    layerTable(i, end);
                else if (name == "BLOCKS" || name == "ENTITIES") {
                    if (!entities(i, end, name == "BLOCKS")) return false;
                }
                i = end + 1;
                continue;
            }
            ++i;
        }
        // A drawing of nothing but hatches is read from their boundaries; beside other outlines
        // a hatch only fills them and is left out.
        if (result_.entities == 0 && !hatchText_.empty()) {
            model_ += hatchText_;
            result_.entities += hatchLayers_.size();
        } else {
            for (const std::string& layer : hatchLayers_) ++result_.ignoredByLayer[layer]["HATCH"];
        }
        if (plane_ && !manyPlanes_ && !inDrawingPlane_) result_.planeNormal = *plane_;
        // Every section closed but no end mark: read, and said so by the import.
        if (!ended) result_.endMarkMissing = true;
        result_.text = "0\nSECTION\n2\nBLOCKS\n" + blocks_ +
                       "0\nENDSEC\n0\nSECTION\n2\nENTITIES\n" + model_ + "0\nENDSEC\n0\nEOF\n";
        return true;
    }

private:
    bool fail(const QString& message) {
        result_.error = message;
        return false;
    }

    std::size_t sectionEnd(std::size_t i) const {
        while (i < pairs_.size() && !(pairs_[i].code == 0 && pairs_[i].value == "ENDSEC")) {
            if (pairs_[i].code == 0 && (pairs_[i].value == "EOF" || pairs_[i].value == "SECTION"))
                return pairs_.size();
            ++i;
        }
        return i;
    }

    // Layers that are off (negative colour) or frozen (flag 1) in the layer table.
    void layerTable(std::size_t i, std::size_t end) {
        while (i < end) {
            std::size_t next = i + 1;
            while (next < end && pairs_[next].code != 0) ++next;
            if (pairs_[i].code == 0 && pairs_[i].value == "LAYER") {
                std::string_view name;
                bool hidden = false;
                for (std::size_t k = i + 1; k < next; ++k) {
                    if (pairs_[k].code == 2) name = pairs_[k].value;
                    if (pairs_[k].code == 70 && (libraryInt(pairs_[k].value) & 1) != 0)
                        hidden = true;
                    if (pairs_[k].code == 62 && libraryInt(pairs_[k].value) < 0) hidden = true;
                }
                if (hidden && !name.empty()) result_.hiddenLayers.emplace_back(name);
            }
            i = next;
        }
    }

    void header(std::size_t i, std::size_t end) {
        for (; i + 1 < end; ++i) {
            if (pairs_[i].code != 9) continue;
            const std::string_view name = pairs_[i].value;
            const Pair& value = pairs_[i + 1];
            if (name == "$INSUNITS" && value.code == 70) {
                // A code written as a number that is no integer ("1e3") is no unit either.
                double code = 0;
                const auto [at, ec] = std::from_chars(
                    value.value.data(), value.value.data() + value.value.size(), code);
                const bool whole = ec == std::errc() &&
                                   at == value.value.data() + value.value.size() &&
                                   std::abs(code) < 1e9 && code == std::floor(code);
                result_.unitCode = whole ? static_cast<int>(code) : -1;
            } else if (name == "$ACADVER" && value.code == 1) {
                result_.version = std::string(value.value.substr(0, 16));
            } else if (name == "$DWGCODEPAGE" && value.code == 3) {
                result_.codePage = std::string(value.value.substr(0, 32));
            }
        }
    }

    // The boundary paths of a hatch (polylines, and edges of lines and circular arcs) written as
    // outline entities of its layer, kept aside. False when a path has another kind of edge or
    // a number that is no coordinate: the hatch is then left out like other entities.
    bool hatchBoundaries(std::size_t from, std::size_t to) {
        const std::string layer(layerOf(from, to));
        std::string text;
        std::size_t k = from + 1;
        auto number = [&](int code, double& value) {
            while (k < to && pairs_[k].code != code) ++k;
            if (k >= to) return false;
            const std::string_view v = pairs_[k++].value;
            const auto [at, ec] = std::from_chars(v.data(), v.data() + v.size(), value);
            return ec == std::errc() && at == v.data() + v.size() && std::isfinite(value) &&
                   std::abs(value) <= DxfPrescan::kMaxCoordinate;
        };
        auto write = [&](int code, double value) {
            char buffer[32];
            const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value);
            text += std::to_string(code) + "\n" + std::string(buffer, end) + "\n";
        };
        double paths = 0;
        if (!number(91, paths) || paths < 0 || paths > 1e6) return false;
        for (int path = 0; path < static_cast<int>(paths); ++path) {
            double flags = 0, count = 0;
            if (!number(92, flags)) return false;
            if ((static_cast<long>(flags) & 2) != 0) {
                double bulges = 0, closed = 0;
                if (!number(72, bulges) || !number(73, closed) || !number(93, count) || count < 2 ||
                    count > kMaxVertices)
                    return false;
                text += "0\nLWPOLYLINE\n8\n" + layer + "\n";
                write(90, count);
                write(70, 1);
                for (int v = 0; v < static_cast<int>(count); ++v) {
                    double x = 0, y = 0, bulge = 0;
                    if (!number(10, x) || !number(20, y)) return false;
                    write(10, x);
                    write(20, y);
                    if (bulges != 0) {
                        if (!number(42, bulge)) return false;
                        write(42, bulge);
                    }
                }
                continue;
            }
            if (!number(93, count) || count < 1 || count > kMaxVertices) return false;
            for (int e = 0; e < static_cast<int>(count); ++e) {
                double kind = 0;
                if (!number(72, kind)) return false;
                if (kind == 1) {
                    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
                    if (!number(10, x1) || !number(20, y1) || !number(11, x2) || !number(21, y2))
                        return false;
                    text += "0\nLINE\n8\n" + layer + "\n";
                    write(10, x1), write(20, y1), write(11, x2), write(21, y2);
                } else if (kind == 2) {
                    double cx = 0, cy = 0, r = 0, a1 = 0, a2 = 0, ccw = 1;
                    if (!number(10, cx) || !number(20, cy) || !number(40, r) || !number(50, a1) ||
                        !number(51, a2) || !number(73, ccw))
                        return false;
                    // A clockwise edge's angles are measured the other way round.
                    if (ccw == 0) std::tie(a1, a2) = std::pair{-a2, -a1};
                    text += "0\nARC\n8\n" + layer + "\n";
                    write(10, cx), write(20, cy), write(40, r), write(50, a1), write(51, a2);
                } else {
                    return false;
                }
            }
        }
        hatchText_ += text;
        hatchLayers_.push_back(layer);
        return true;
    }

    void put(int code, std::string_view value) {
        std::string& out = inBlocks_ ? blocks_ : model_;
        out += std::to_string(code);
        out += '\n';
        out += value;
        out += '\n';
    }

    bool entities(std::size_t i, std::size_t end, bool blocks) {
        inBlocks_ = blocks;
        while (i < end) {
            std::size_t next = i + 1;
            while (next < end && pairs_[next].code != 0) ++next;
            if (pairs_[i].code == 0 && !entity(i, next)) return false;
            i = next;
        }
        if (blockOpen_) put(0, "ENDBLK");
        blockOpen_ = false;
        return true;
    }

    std::string_view layerOf(std::size_t from, std::size_t to) const {
        for (std::size_t k = from; k < to; ++k)
            if (pairs_[k].code == 8) return pairs_[k].value;
        return "0";
    }

    bool entity(std::size_t from, std::size_t to) {
        const std::string_view type = pairs_[from].value;
        if (type == "BLOCK" || type == "ENDBLK") {
            if (!inBlocks_) return true;
            if (type == "BLOCK" && blockOpen_) put(0, "ENDBLK");
            blockOpen_ = type == "BLOCK";
            return copy(from, to);
        }
        bool paperSpace = false;
        for (std::size_t k = from; k < to; ++k)
            if (pairs_[k].code == 67 && libraryInt(pairs_[k].value) == 1) paperSpace = true;
        if (type == "HATCH" && !paperSpace && !inBlocks_ && hatchBoundaries(from, to)) return true;
        if (!isKeptEntity(type) || (paperSpace && !inBlocks_) || (inBlocks_ && !blockOpen_)) {
            const std::string kind = paperSpace && !inBlocks_ && isKeptEntity(type)
                                         ? std::string(kPaperSpaceKind)
                                         : std::string(type);
            ++result_.ignoredByLayer[std::string(layerOf(from, to))][kind];
            return true;
        }
        ++result_.entities;
        if (!inBlocks_) notePlane(type, from, to);
        return copy(from, to);
    }

    // Entities given in their own plane (extrusion 210/220/230) and those given in drawing
    // coordinates: a tilted plane is taken only when every outline lies in it.
    void notePlane(std::string_view type, std::size_t from, std::size_t to) {
        const bool planar = type == "LWPOLYLINE" || type == "CIRCLE" || type == "ARC" ||
                            type == "INSERT" || (type == "POLYLINE" && !polyline3d(from, to));
        if (!planar) {
            if (type != "VERTEX" && type != "SEQEND") inDrawingPlane_ = true;
            return;
        }
        std::array<double, 3> n{0, 0, 1};
        for (std::size_t k = from; k < to; ++k) {
            const int code = pairs_[k].code;
            if (code < 210 || code > 230 || code % 10 != 0) continue;
            double value = 0;
            const std::string_view v = pairs_[k].value;
            std::from_chars(v.data(), v.data() + v.size(), value);
            n[static_cast<std::size_t>((code - 210) / 10)] = value;
        }
        const double length = std::sqrt(n[0] * n[0] + n[1] * n[1] + n[2] * n[2]);
        if (!(length > 0) || !std::isfinite(length)) return;
        for (double& c : n) c /= length;
        if (n[2] < 0) n = {-n[0], -n[1], -n[2]};
        if (!plane_) {
            plane_ = n;
        } else if (std::abs((*plane_)[0] - n[0]) > 1e-9 || std::abs((*plane_)[1] - n[1]) > 1e-9 ||
                   std::abs((*plane_)[2] - n[2]) > 1e-9) {
            manyPlanes_ = true;
        }
    }

    bool polyline3d(std::size_t from, std::size_t to) const {
        for (std::size_t k = from; k < to; ++k)
            if (pairs_[k].code == 70 && (libraryInt(pairs_[k].value) & (8 | 16 | 64)) != 0)
                return true;
        return false;
    }

    // Copies an entity's pairs after checking its numbers; the counts the library allocates by
    // are written first and set to what follows.
    bool copy(std::size_t from, std::size_t to) {
        const std::string_view type = pairs_[from].value;
        for (std::size_t k = from; k < to; ++k) {
            const Pair& p = pairs_[k];
            if (p.value.size() > DxfPrescan::kMaxLine)
                return fail(
                    QCoreApplication::translate("DxfReader", "%1行目が%2文字を超えています。")
                        .arg(p.line + 1)
                        .arg(DxfPrescan::kMaxLine));
            if (!isRealCode(p.code)) continue;
            double value = 0;
            const auto [end, ec] =
                std::from_chars(p.value.data(), p.value.data() + p.value.size(), value);
            if (ec != std::errc() || end != p.value.data() + p.value.size() ||
                !std::isfinite(value))
                return fail(
                    QCoreApplication::translate("DxfReader", "%1行目は数値のはずですが「%2」です。")
                        .arg(p.line + 1)
                        .arg(QString::fromUtf8(p.value.substr(0, 40))));
            if (std::abs(value) > DxfPrescan::kMaxCoordinate)
                return fail(
                    QCoreApplication::translate(
                        "DxfReader", "%2行目の数値 %1 は断面の座標として大きすぎます（1e12まで）。")
                        .arg(QString::fromUtf8(p.value.substr(0, 40)))
                        .arg(p.line + 1));
        }
        auto count = [&](int code) {
            std::size_t n = 0;
            for (std::size_t k = from + 1; k < to; ++k) n += pairs_[k].code == code;
            return n;
        };
        if (count(10) > kMaxVertices)
            return fail(
                QCoreApplication::translate("DxfReader", "%1行目の要素の頂点が%2個を超えています。")
                    .arg(pairs_[from].line)
                    .arg(kMaxVertices));
        put(0, type);
        std::vector<int> counts;
        if (type == "LWPOLYLINE")
            counts = {90};
        else if (type == "SPLINE")
            counts = {72, 73, 74};
        const std::array<int, 3> counted = {10, 40, 11};
        for (int code : counts) {
            const int of = code == 90 || code == 73 ? counted[0]
                           : code == 72             ? counted[1]
                                                    : counted[2];
            put(code, std::to_string(count(of)));
        }
        bool vertexSeen = false;
        for (std::size_t k = from + 1; k < to; ++k) {
            const Pair& p = pairs_[k];
            if (std::find(counts.begin(), counts.end(), p.code) != counts.end()) continue;
            // Extended data, comments and header-variable codes are not used; the library would
            // take the latter two for the start of something else.
            if (p.code >= 999 || p.code == 9 || p.code < 0) continue;
            if (type == "LWPOLYLINE" && p.code == 10) vertexSeen = true;
            // A bulge before the first vertex would be stored in front of the library's array.
            if (type == "LWPOLYLINE" && p.code == 42 && !vertexSeen) continue;
            put(p.code, p.value);
        }
        return true;
    }

    DxfPrescanResult& result_;
    std::vector<Pair> pairs_;
    std::string blocks_;
    std::string model_;
    std::optional<std::array<double, 3>> plane_;  // the first planar outline's normal
    bool manyPlanes_ = false;
    bool inDrawingPlane_ = false;           // an outline given in drawing coordinates
    std::string hatchText_;                 // the hatches' boundaries as outline entities
    std::vector<std::string> hatchLayers_;  // one per hatch kept aside
    bool inBlocks_ = false;
    bool blockOpen_ = false;
};

}  // namespace

DxfPrescanResult DxfPrescan::scan(std::string_view bytes) {
    DxfPrescanResult result;
    if (bytes.size() > kMaxBytes) {
        result.error = QCoreApplication::translate("DxfReader", "ファイルが%1 MBを超えています。")
                           .arg(kMaxBytes >> 20);
        return result;
    }
    if (bytes.substr(0, 18) == "AutoCAD Binary DXF") {
        result.error = QCoreApplication::translate(
            "DxfReader",
            "バイナリ形式のDXFファイルです。テキスト形式のDXFファイルだけを読み込めます。");
        return result;
    }
    if (bytes.find('\0') != std::string_view::npos) {
        result.error = QCoreApplication::translate(
            "DxfReader", "テキスト形式のDXFファイルではありません（バイナリデータを含みます）。");
        return result;
    }
    Scanner scanner(result);
    if (scanner.split(bytes)) scanner.walk();
    if (!result.error.isEmpty()) result.text.clear();
    return result;
}

}  // namespace kuvanto

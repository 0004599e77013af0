// The DXF library calls a collector for every entity; polylines arrive as a start, their
// vertices and an end. Coordinates in an entity's own plane (arcs, circles, polylines,
// insertions) are turned into drawing coordinates: the plane is the drawing's, seen from below
// when the entity's extrusion points down, which mirrors X.
#include "io/DxfReader.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
#include <algorithm>
#include <array>
#include <cctype>
#include <cmath>
#include <map>
#include <numbers>
#include <sstream>
#include <utility>
#include <variant>
#include <vector>

#include <dl_creationadapter.h>
#include <dl_dxf.h>

#include "io/DxfPrescan.h"
#include "io/TextFile.h"

namespace kuvanto {

namespace {

constexpr double kDegree = std::numbers::pi / 180;
constexpr double kTurn = 2 * std::numbers::pi;

// The angles of an arc drawn counter-clockwise from `start` to `end`: start within one turn,
// end after it by more than nothing and at most a whole turn (equal angles give a whole turn).
std::pair<double, double> counterClockwise(double start, double end) {
    double sweep = std::fmod(end - start, kTurn);
    if (!(sweep > 0)) sweep += kTurn;
    if (!(sweep > 0) || sweep > kTurn) sweep = kTurn;
    start = std::fmod(start, kTurn);
    return {start, start + sweep};
}

struct Insertion {
    std::string block;
    std::string layer;
    Affine place;  // block coordinates (after the base point) to the container's
    int columns = 1, rows = 1;
    double columnSpacing = 0, rowSpacing = 0;
    double angle = 0;       // radians
    bool mirrored = false;  // seen from below: X mirrored after placing
};

struct PlacedShape {
    std::string layer;
    CadShape shape;
};

struct Container {
    Point base;
    std::vector<PlacedShape> shapes;
    std::vector<Insertion> insertions;
    std::map<std::string, std::map<std::string, std::size_t>> ignored;  // layer, kind
};

// Names (layers, blocks) as UTF-8: files from AutoCAD 2007 on are UTF-8, older ones in the code
// page their header names (code page 932 when it names none and the text is no UTF-8), and
// characters beyond the code page are written as \U+XXXX in either.
class NameDecoder {
public:
    NameDecoder(const std::string& version, const std::string& codePage)
        : utf8_(version >= "AC1021") {
        if (utf8_ || codePage.empty()) return;
        std::string upper = codePage;
        for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        if (upper == "ANSI_932") {
            japanese_ = true;
            return;
        }
        std::string name;
        if (upper.rfind("ANSI_", 0) == 0) {
            const std::string number = upper.substr(5);
            name = number == "936"   ? "GBK"
                   : number == "949" ? "windows-949"
                   : number == "950" ? "Big5"
                                     : "windows-" + number;
        } else if (upper.rfind("DOS", 0) == 0) {
            name = "IBM" + upper.substr(3);
        } else if (upper.rfind("ISO8859-", 0) == 0) {
            name = "ISO-8859-" + upper.substr(8);
        }
        if (!name.empty()) {
            QStringDecoder probe(name.c_str());
            if (probe.isValid()) codec_ = name;
        }
    }

    std::string operator()(const std::string& raw) const { return unescaped(decoded(raw)); }

private:
    std::string decoded(const std::string& raw) const {
        const bool ascii = std::all_of(raw.begin(), raw.end(),
                                       [](char c) { return static_cast<unsigned char>(c) < 0x80; });
        if (ascii || utf8_) return isValidUtf8(raw) ? raw : QString::fromUtf8(raw).toStdString();
        if (!codec_.empty()) {
            QStringDecoder decoder(codec_.c_str());
            return QString(decoder(QByteArrayView(raw.data(), static_cast<qsizetype>(raw.size()))))
                .toStdString();
        }
        if (japanese_) return decodeFileBytes(std::string_view(raw));
        return isValidUtf8(raw) ? raw : decodeFileBytes(std::string_view(raw));
    }

    // \U+XXXX escapes as the characters they name.
    static std::string unescaped(const std::string& text) {
        if (text.find("\\U+") == std::string::npos && text.find("\\u+") == std::string::npos)
            return text;
        QString out;
        const QString in = QString::fromStdString(text);
        for (qsizetype i = 0; i < in.size();) {
            if (in[i] == '\\' && i + 6 < in.size() && (in[i + 1] == 'U' || in[i + 1] == 'u') &&
                in[i + 2] == '+') {
                bool ok = false;
                const uint code = in.mid(i + 3, 4).toUInt(&ok, 16);
                if (ok && in.mid(i + 3, 4).size() == 4 && code != 0) {
                    out += QString::fromUcs4(reinterpret_cast<const char32_t*>(&code), 1);
                    i += 7;
                    continue;
                }
            }
            out += in[i++];
        }
        return out.toStdString();
    }

    bool utf8_ = false;
    bool japanese_ = false;
    std::string codec_;
};

class Collector : public DL_CreationAdapter {
public:
    // `plane`: the normal of the plane the outlines are read in (their own coordinates).
    explicit Collector(const std::array<double, 3>& plane) : plane_(plane) {}

    Container model;
    std::map<std::string, Container> blocks;

    void addBlock(const DL_BlockData& data) override {
        current_ = &blocks[data.name];
        *current_ = Container{{data.bpx, data.bpy}, {}, {}, {}};
    }
    void endBlock() override {
        finishPolyline();
        current_ = &model;
    }

    void addLine(const DL_LineData& d) override {
        finishPolyline();
        CadShape shape;
        shape.edges.push_back({{d.x1, d.y1}, {d.x2, d.y2}, false, {}});
        put(std::move(shape), false, "LINE");
    }
    void addArc(const DL_ArcData& d) override {
        finishPolyline();
        const auto [start, end] = counterClockwise(d.angle1 * kDegree, d.angle2 * kDegree);
        if (!(d.radius > 0)) return ignore(std::string(kInvalidKind) + "ARC");
        put(arcShape({d.cx, d.cy}, {d.radius, 0}, {0, d.radius}, start, end), true, "ARC");
    }
    void addCircle(const DL_CircleData& d) override {
        finishPolyline();
        // A radius of zero or below is no circle (a negative one is not a circle of its size).
        if (!(d.radius > 0)) return ignore(std::string(kInvalidKind) + "CIRCLE");
        put(arcShape({d.cx, d.cy}, {d.radius, 0}, {0, d.radius}, 0, 2 * std::numbers::pi), true,
            "CIRCLE");
    }
    void addEllipse(const DL_EllipseData& d) override {
        finishPolyline();
        const double* n = getExtrusion()->getDirection();
        if (!flat()) return ignore(std::string(kNotInPlaneKind) + "ELLIPSE");
        const double side = n[2] < 0 ? -1 : 1;  // the minor axis is the major turned about N
        const Point major{d.mx, d.my};
        const Point minor{-side * d.ratio * d.my, side * d.ratio * d.mx};
        const auto [start, end] = counterClockwise(d.angle1, d.angle2);
        CadShape shape = arcShape({d.cx, d.cy}, major, minor, start, end);
        put(std::move(shape), false, "ELLIPSE");
    }

    void addPolyline(const DL_PolylineData& d) override {
        finishPolyline();
        polylineOpen_ = true;
        // Meshes and polyface meshes are no outlines; a 3D polyline is one when it lies flat in
        // the drawing's plane (its vertices are in drawing coordinates, it has no extrusion).
        polyline3d_ = (d.flags & 8) != 0;
        polylineKind_.clear();
        if ((d.flags & (16 | 64)) != 0)
            polylineKind_ = "POLYLINE (mesh)";
        else if (!polyline3d_ && !flat())
            polylineKind_ = std::string(kNotInPlaneKind) + "POLYLINE";
        polylineUsable_ = polylineKind_.empty();
        polylineClosed_ = (d.flags & 1) != 0;
        polylineMirror_ = mirrored();
        polylineLayer_ = getAttributes().getLayer();
        vertices_.clear();
    }
    void addVertex(const DL_VertexData& d) override {
        if (polylineOpen_) vertices_.push_back({d.x, d.y, d.bulge, d.z});
    }
    void endEntity() override {
        finishPolyline();
        finishSpline();
    }
    void endSequence() override { finishPolyline(); }

    void addInsert(const DL_InsertData& d) override {
        finishPolyline();
        if (!flat()) return ignore(std::string(kNotInPlaneKind) + "INSERT");
        Insertion insertion;
        insertion.block = d.name;
        insertion.layer = getAttributes().getLayer();
        insertion.angle = d.angle * kDegree;
        insertion.place = Affine::scaling(d.sx, d.sy)
                              .then(Affine::rotation(insertion.angle))
                              .then(Affine::translation(d.ipx, d.ipy));
        insertion.mirrored = mirrored();
        insertion.columns = std::max(1, d.cols);
        insertion.rows = std::max(1, d.rows);
        insertion.columnSpacing = d.colSp;
        insertion.rowSpacing = d.rowSp;
        current_->insertions.push_back(std::move(insertion));
    }

    void addSpline(const DL_SplineData& d) override {
        finishPolyline();
        splineOpen_ = true;
        spline_ = Spline{};
        spline_.degree = static_cast<int>(d.degree);
        spline_.closed = (d.flags & 1) != 0;
        spline_.periodic = (d.flags & 2) != 0;
        spline_.usable = flat();
        spline_.startTangent = {d.tangentStartX, d.tangentStartY};
        spline_.endTangent = {d.tangentEndX, d.tangentEndY};
        spline_.layer = getAttributes().getLayer();
    }
    void addControlPoint(const DL_ControlPointData& d) override {
        if (splineOpen_) spline_.control.push_back({d.x, d.y, d.w});
    }
    void addFitPoint(const DL_FitPointData& d) override {
        if (splineOpen_) spline_.fit.push_back({d.x, d.y});
    }
    void addKnot(const DL_KnotData& d) override {
        if (splineOpen_) spline_.knots.push_back(d.k);
    }

private:
    // Whether the entity's plane is the drawing's (seen from either side).
    bool flat() {
        const double* n = getExtrusion()->getDirection();
        const double length = std::sqrt(n[0] * n[0] + n[1] * n[1] + n[2] * n[2]);
        if (!(length > 0) || !std::isfinite(length)) return false;
        const double cx = n[1] * plane_[2] - n[2] * plane_[1];
        const double cy = n[2] * plane_[0] - n[0] * plane_[2];
        const double cz = n[0] * plane_[1] - n[1] * plane_[0];
        return std::sqrt(cx * cx + cy * cy + cz * cz) <= 1e-9 * length;
    }
    bool mirrored() {
        const double* n = getExtrusion()->getDirection();
        return n[0] * plane_[0] + n[1] * plane_[1] + n[2] * plane_[2] < 0;
    }
    void ignore(const std::string& kind) { ++current_->ignored[getAttributes().getLayer()][kind]; }

    CadShape arcShape(Point c, Point u, Point v, double start, double end) {
        EllipticArc arc{c, u, v, start, end};
        CadShape shape;
        shape.closed = end - start >= 2 * std::numbers::pi - 1e-12;
        shape.edges.push_back(
            {arc.at(start), shape.closed ? arc.at(start) : arc.at(end), true, arc});
        return shape;
    }

    // `planar`: coordinates in the entity's own plane.
    void put(CadShape shape, bool planar, const char* type) {
        if (planar) {
            if (!flat()) return ignore(std::string(kNotInPlaneKind) + type);
            if (mirrored()) shape.transform(Affine::scaling(-1, 1));
        }
        current_->shapes.push_back({getAttributes().getLayer(), std::move(shape)});
    }

    void finishPolyline() {
        if (!polylineOpen_) return;
        polylineOpen_ = false;
        if (!polylineUsable_) {
            ++current_->ignored[polylineLayer_][polylineKind_];
            return;
        }
        const std::size_t n = vertices_.size();
        if (polyline3d_)
            for (const Vertex& v : vertices_)
                if (!(std::abs(v.z - vertices_.front().z) <= 1e-9 * (1 + std::abs(v.z)))) {
                    ++current_->ignored[polylineLayer_][std::string(kNotInPlaneKind) + "POLYLINE"];
                    return;
                }
        CadShape shape;
        shape.closed = polylineClosed_;
        // A closed polyline whose last vertex repeats the first closes by itself.
        const bool repeats = n > 1 && vertices_.front().point == vertices_.back().point;
        if (n < 2) {
            ++current_->ignored[polylineLayer_][std::string(kDegenerateKind) + "POLYLINE"];
            return;
        }
        const std::size_t edges = polylineClosed_ && !repeats ? n : n - 1;
        for (std::size_t i = 0; i < edges; ++i) {
            const Vertex& a = vertices_[i];
            const Vertex& b = vertices_[(i + 1) % n];
            shape.edges.push_back(bulgeEdge(a.point, b.point, a.bulge));
        }
        if (repeats) shape.closed = true;
        if (polylineMirror_ && !polyline3d_) shape.transform(Affine::scaling(-1, 1));
        current_->shapes.push_back({polylineLayer_, std::move(shape)});
    }

    // A spline becomes one edge along its B-spline (rational with weights), flattened with the
    // import's chord rule. A spline given only by fit points is first made the cubic CAD
    // programs draw through them.
    struct Spline {
        struct Weighted {
            double x, y, w;
        };
        int degree = 3;
        bool closed = false;
        bool periodic = false;
        bool usable = true;
        std::string layer;
        std::vector<Weighted> control;
        std::vector<Point> fit;
        std::vector<double> knots;
        Point startTangent, endTangent;  // (0, 0) when not given
    };

    // A closed periodic spline may list each control point once, its knots running on evenly:
    // the curve then continues over the first `degree` control points again, with knots
    // continuing at the same spacing, so that it closes on itself.
    static void wrapPeriodic(Spline& s) {
        const auto p = static_cast<std::size_t>(std::max(1, s.degree));
        const std::size_t n = s.control.size();
        if (n <= p || s.knots.size() != n + p + 1) return;
        auto same = [](const Spline::Weighted& a, const Spline::Weighted& b) {
            return a.x == b.x && a.y == b.y && a.w == b.w;
        };
        bool wrapped = true;
        for (std::size_t i = 0; i < p; ++i)
            wrapped = wrapped && same(s.control[i], s.control[n - p + i]);
        if (wrapped) return;
        const double step = s.knots[1] - s.knots[0];
        for (std::size_t i = 1; i < s.knots.size(); ++i)
            if (!(std::abs(s.knots[i] - s.knots[i - 1] - step) <= 1e-9 * (1 + std::abs(step))))
                return;  // clamped or uneven: taken as written
        if (!(step > 0)) return;
        for (std::size_t i = 0; i < p; ++i) {
            s.control.push_back(s.control[i]);
            s.knots.push_back(s.knots.back() + step);
        }
    }

    // A spline given by fit points only, as CAD programs draw it: the cubic through the points
    // with chord-length parameters, twice differentiable at every inner point, leaving its ends
    // along the given tangents or, where none is given, along the parabola through the first
    // (last) three points, at unit speed. Written as a B-spline of cubic Bezier pieces.
    static void interpolateFitPoints(Spline& s) {
        std::vector<Point> p;
        for (const Point& q : s.fit)
            if (p.empty() || !(q == p.back())) p.push_back(q);
        if (s.closed && p.size() > 2 && p.front() == p.back()) p.pop_back();
        if (s.closed && p.size() > 2) p.push_back(p.front());
        const std::size_t n = p.size();
        if (n < 2) return;
        std::vector<double> h(n - 1);
        for (std::size_t i = 0; i + 1 < n; ++i)
            h[i] = std::hypot(p[i + 1].x - p[i].x, p[i + 1].y - p[i].y);
        auto unit = [](Point v) {
            const double length = std::hypot(v.x, v.y);
            return length > 0 && std::isfinite(length) ? Point{v.x / length, v.y / length}
                                                       : Point{0, 0};
        };
        auto slope = [&](std::size_t i) {  // of the chord i
            return Point{(p[i + 1].x - p[i].x) / h[i], (p[i + 1].y - p[i].y) / h[i]};
        };
        // The parabola's derivative at the first of three points (a, b chords from there).
        auto parabolaStart = [&](std::size_t i) {
            const Point d0 = slope(i), d1 = slope(i + 1);
            const double c = h[i] / (h[i] + h[i + 1]);
            return Point{d0.x - c * (d1.x - d0.x), d0.y - c * (d1.y - d0.y)};
        };
        auto parabolaEnd = [&](std::size_t i) {
            const Point d0 = slope(i), d1 = slope(i + 1);
            const double c = h[i + 1] / (h[i] + h[i + 1]);
            return Point{d1.x + c * (d1.x - d0.x), d1.y + c * (d1.y - d0.y)};
        };
        Point start = unit(s.startTangent), end = unit(s.endTangent);
        if (s.closed && n > 3) {
            // Through the closing point as through any other: the parabola about it.
            const Point d0 = slope(n - 2), d1 = slope(0);
            const double w = h[n - 2] + h[0];
            const Point joint =
                unit({(h[0] * d0.x + h[n - 2] * d1.x) / w, (h[0] * d0.y + h[n - 2] * d1.y) / w});
            if (start == Point{0, 0}) start = joint;
            if (end == Point{0, 0}) end = joint;
        }
        if (start == Point{0, 0}) start = unit(n > 2 ? parabolaStart(0) : slope(0));
        if (end == Point{0, 0}) end = unit(n > 2 ? parabolaEnd(n - 3) : slope(n - 2));

        // Derivatives at the points: tridiagonal system, solved by elimination.
        std::vector<Point> m(n);
        m[0] = start;
        m[n - 1] = end;
        if (n > 2) {
            const std::size_t k = n - 2;
            std::vector<double> diagonal(k), upper(k);
            std::vector<Point> right(k);
            for (std::size_t j = 0; j < k; ++j) {
                const std::size_t i = j + 1;
                const double a = 1 / h[i - 1], b = 1 / h[i];
                diagonal[j] = 2 * (a + b);
                upper[j] = b;
                right[j] = {3 * ((p[i].x - p[i - 1].x) * a * a + (p[i + 1].x - p[i].x) * b * b),
                            3 * ((p[i].y - p[i - 1].y) * a * a + (p[i + 1].y - p[i].y) * b * b)};
                if (j == 0) right[j] = {right[j].x - a * start.x, right[j].y - a * start.y};
                if (j == k - 1) right[j] = {right[j].x - b * end.x, right[j].y - b * end.y};
            }
            for (std::size_t j = 1; j < k; ++j) {
                const double lower = 1 / h[j];  // the first unknown's coefficient in row j
                const double factor = lower / diagonal[j - 1];
                diagonal[j] -= factor * upper[j - 1];
                right[j] = {right[j].x - factor * right[j - 1].x,
                            right[j].y - factor * right[j - 1].y};
            }
            for (std::size_t j = k; j-- > 0;) {
                Point value = right[j];
                if (j + 1 < k)
                    value = {value.x - upper[j] * m[j + 2].x, value.y - upper[j] * m[j + 2].y};
                m[j + 1] = {value.x / diagonal[j], value.y / diagonal[j]};
            }
        }
        s.degree = 3;
        s.control.clear();
        s.knots.clear();
        double t = 0;
        s.knots.assign(4, 0.0);
        for (std::size_t i = 0; i + 1 < n; ++i) {
            const double third = h[i] / 3;
            if (i == 0) s.control.push_back({p[0].x, p[0].y, 1});
            s.control.push_back({p[i].x + third * m[i].x, p[i].y + third * m[i].y, 1});
            s.control.push_back(
                {p[i + 1].x - third * m[i + 1].x, p[i + 1].y - third * m[i + 1].y, 1});
            s.control.push_back({p[i + 1].x, p[i + 1].y, 1});
            t += h[i];
            s.knots.insert(s.knots.end(), i + 2 < n ? 3 : 4, t);
        }
    }

    void finishSpline() {
        if (!splineOpen_) return;
        splineOpen_ = false;
        Spline& s = spline_;
        if (s.control.empty() && s.fit.size() >= 2 && s.usable) interpolateFitPoints(s);
        if (s.closed && s.periodic) wrapPeriodic(s);
        const std::size_t n = s.control.size();
        const bool bspline = s.degree >= 1 && s.degree <= 10 &&
                             n > static_cast<std::size_t>(s.degree) &&
                             s.knots.size() == n + static_cast<std::size_t>(s.degree) + 1 &&
                             std::is_sorted(s.knots.begin(), s.knots.end());
        if (!s.usable) {
            ++current_->ignored[s.layer][std::string(kNotInPlaneKind) + "SPLINE"];
            return;
        }
        if (!bspline) {
            ++current_->ignored[s.layer][std::string(kDegenerateKind) + "SPLINE"];
            return;
        }
        auto spline = std::make_shared<CadSpline>();
        spline->degree = s.degree;
        spline->knots = s.knots;
        for (const auto& c : s.control) {
            if (!(c.w > 0) || !std::isfinite(c.w)) {
                ++current_->ignored[s.layer][std::string(kDegenerateKind) + "SPLINE"];
                return;
            }
            spline->control.push_back({c.x, c.y});
            spline->weights.push_back(c.w);
        }
        // The curve runs over the knot spans that have length.
        const auto p = static_cast<std::size_t>(s.degree);
        std::size_t firstSpan = n, lastSpan = n;
        for (std::size_t span = p; span < n; ++span)
            if (s.knots[span + 1] > s.knots[span]) {
                if (firstSpan == n) firstSpan = span;
                lastSpan = span;
            }
        if (firstSpan == n) {
            ++current_->ignored[s.layer][std::string(kDegenerateKind) + "SPLINE"];
            return;
        }
        CadEdge edge;
        edge.start = spline->at(firstSpan, s.knots[firstSpan]);
        edge.end = spline->at(lastSpan, s.knots[lastSpan + 1]);
        edge.spline = std::move(spline);
        CadShape shape;
        shape.closed = s.closed;
        shape.edges.push_back(std::move(edge));
        current_->shapes.push_back({s.layer, std::move(shape)});
    }

    bool splineOpen_ = false;
    Spline spline_;

    struct Vertex {
        Point point;
        double bulge = 0;
        double z = 0;
        Vertex(double x, double y, double b, double height) : point{x, y}, bulge(b), z(height) {}
    };

    std::array<double, 3> plane_;
    Container* current_ = &model;
    bool polylineOpen_ = false;
    bool polylineUsable_ = false;
    bool polylineClosed_ = false;
    bool polylineMirror_ = false;
    bool polyline3d_ = false;
    std::string polylineKind_;  // why the polyline is left out; empty when it is not
    std::string polylineLayer_;
    std::vector<Vertex> vertices_;
};

class Expander {
public:
    Expander(const Collector& collector, CadDrawing& drawing, std::size_t maxEdges,
             const NameDecoder& names)
        : collector_(collector), drawing_(drawing), maxEdges_(maxEdges), names_(names) {}

    bool expand(const Container& container, const Affine& place, const std::string& outerLayer,
                int depth) {
        for (const PlacedShape& placed : container.shapes) {
            edges_ += placed.shape.edges.size();
            if (edges_ > maxEdges_) {
                error = QCoreApplication::translate(
                            "DxfReader", "ブロックを展開すると図面の辺が%1本を超えます。")
                            .arg(maxEdges_);
                return false;
            }
            CadShape shape = placed.shape;
            shape.transform(place);
            drawing_.layer(names_(effectiveLayer(placed.layer, outerLayer)))
                .shapes.push_back(std::move(shape));
        }
        for (const auto& [layer, kinds] : container.ignored)
            for (const auto& [kind, count] : kinds)
                drawing_.layer(names_(effectiveLayer(layer, outerLayer))).ignore(kind, count);
        for (const Insertion& insertion : container.insertions) {
            const auto block = collector_.blocks.find(insertion.block);
            const std::string layer = effectiveLayer(insertion.layer, outerLayer);
            if (block == collector_.blocks.end()) {
                drawing_.layer(names_(layer))
                    .ignore(std::string(kMissingBlockKind) + names_(insertion.block));
                continue;
            }
            if (depth >= DxfReader::kMaxBlockDepth || onPath(insertion.block)) {
                error = QCoreApplication::translate("DxfReader",
                                                    "ブロック「%1」が自分自身を挿入しているか、%"
                                                    "2段より深く入れ子になっています。")
                            .arg(QString::fromStdString(names_(insertion.block)))
                            .arg(DxfReader::kMaxBlockDepth);
                return false;
            }
            path_.push_back(insertion.block);
            const Container& inner = block->second;
            const Affine toBase = Affine::translation(-inner.base.x, -inner.base.y);
            for (int r = 0; r < insertion.rows; ++r)
                for (int c = 0; c < insertion.columns; ++c) {
                    // Array copies are spaced along the insertion's turned axes.
                    const Point offset =
                        Affine::rotation(insertion.angle)
                            .mapVector({c * insertion.columnSpacing, r * insertion.rowSpacing});
                    Affine copy =
                        toBase.then(insertion.place).then(Affine::translation(offset.x, offset.y));
                    if (insertion.mirrored) copy = copy.then(Affine::scaling(-1, 1));
                    copy = copy.then(place);
                    if (++copies_ > maxEdges_) {
                        error = QCoreApplication::translate(
                                    "DxfReader", "図面がブロックを%1回より多く挿入しています。")
                                    .arg(maxEdges_);
                        return false;
                    }
                    if (!expand(inner, copy, layer, depth + 1)) return false;
                }
            path_.pop_back();
        }
        return true;
    }

    QString error;

private:
    // Entities on layer 0 inside a block take the layer of the insertion.
    static std::string effectiveLayer(const std::string& own, const std::string& outer) {
        return own == "0" && !outer.empty() ? outer : own;
    }
    bool onPath(const std::string& block) const {
        for (const std::string& b : path_)
            if (b == block) return true;
        return false;
    }

    const Collector& collector_;
    CadDrawing& drawing_;
    std::size_t maxEdges_;
    const NameDecoder& names_;
    std::vector<std::string> path_;
    std::size_t edges_ = 0;
    std::size_t copies_ = 0;
};

bool finiteDrawing(const CadDrawing& drawing) {
    auto ok = [](Point p) {
        return std::isfinite(p.x) && std::isfinite(p.y) &&
               std::abs(p.x) <= DxfPrescan::kMaxCoordinate * 1e3 &&
               std::abs(p.y) <= DxfPrescan::kMaxCoordinate * 1e3;
    };
    for (const CadLayer& layer : drawing.layers)
        for (const CadShape& shape : layer.shapes)
            for (const CadEdge& edge : shape.edges) {
                if (!ok(edge.start) || !ok(edge.end) ||
                    (edge.curved && (!ok(edge.arc.center) || !ok(edge.arc.u) || !ok(edge.arc.v))))
                    return false;
                if (edge.spline)
                    for (const Point& c : edge.spline->control)
                        if (!ok(c)) return false;
            }
    return true;
}

}  // namespace

bool DxfReader::read(std::string_view bytes, CadDrawing& drawing, QString* error,
                     std::size_t maxEdges) {
    auto fail = [&](const QString& message) {
        if (error) *error = message;
        return false;
    };
    DxfPrescanResult scanned = DxfPrescan::scan(bytes);
    if (!scanned.error.isEmpty()) return fail(scanned.error);

    Collector collector(scanned.planeNormal);
    try {
        DL_Dxf dxf;
        std::istringstream stream(std::move(scanned.text));
        if (!dxf.in(stream, &collector))
            return fail(
                QCoreApplication::translate("DxfReader", "DXFファイルを読み込めませんでした。"));
    } catch (const std::exception&) {
        return fail(
            QCoreApplication::translate("DxfReader", "DXFファイルを読み込めませんでした。"));
    }

    CadDrawing result;
    result.unitCode = scanned.unitCode;
    result.endMarkMissing = scanned.endMarkMissing;
    result.tiltedPlane = scanned.planeNormal[2] != 1;
    const NameDecoder names(scanned.version, scanned.codePage);
    for (const auto& [layer, kinds] : scanned.ignoredByLayer)
        for (const auto& [kind, count] : kinds) result.layer(names(layer)).ignore(kind, count);
    Expander expander(collector, result, maxEdges, names);
    if (!expander.expand(collector.model, Affine{}, "", 0)) return fail(expander.error);
    for (const std::string& raw : scanned.hiddenLayers) {
        const std::string name = names(raw);
        for (CadLayer& layer : result.layers)
            if (layer.name == name) layer.hidden = true;
    }
    if (!finiteDrawing(result))
        return fail(QCoreApplication::translate(
            "DxfReader", "ブロックの配置により、図面の座標が断面として扱える範囲を超えます。"));
    drawing = std::move(result);
    return true;
}

bool DxfReader::readFile(const QString& path, CadDrawing& drawing, QString* error) {
    const QFileInfo info(path);
    auto fail = [&](const QString& message) {
        if (error) *error = message;
        return false;
    };
    if (!info.exists())
        return fail(
            QCoreApplication::translate("DxfReader", "ファイル %1 がありません。").arg(path));
    if (!info.isFile())
        return fail(QCoreApplication::translate("DxfReader", "%1 は通常のファイルではありません。")
                        .arg(path));
    if (static_cast<std::size_t>(info.size()) > DxfPrescan::kMaxBytes)
        return fail(QCoreApplication::translate("DxfReader", "ファイルが%1 MBを超えています。")
                        .arg(DxfPrescan::kMaxBytes >> 20));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return fail(QCoreApplication::translate("DxfReader", "%1 を読み込めません: %2")
                        .arg(path, file.errorString()));
    const QByteArray bytes = file.read(static_cast<qint64>(DxfPrescan::kMaxBytes) + 1);
    if (file.error() != QFileDevice::NoError)
        return fail(QCoreApplication::translate("DxfReader", "%1 を読み込めません: %2")
                        .arg(path, file.errorString()));
    return read(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())),
                drawing, error);
}

}  // namespace kuvanto

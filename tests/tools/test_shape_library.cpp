// The shipped shape library: the committed files are exactly what the generator makes of the
// dimension tables, and every part, read from its data file, inserted into a table and calculated
// as the program does, gives the area, second moments, moduli and radii of gyration of the
// section's exact outline (true arcs) to the published tables' rounding: four significant digits
// for the area, three for the rest. The exact values are closed-form: the sharp polygon, minus the
// material a toe radius cuts off and plus what a root fillet adds, each fillet being the region
// between its corner and a true circular arc.
#include <QDir>
#include <QFile>
#include <QtTest>
#include <cmath>
#include <numbers>

#include "LibraryGenerator.h"
#include "core/base/NumberText.h"
#include "core/section/Calculation.h"
#include "core/section/ResultTable.h"
#include "core/shapes/OutlineInsertion.h"
#include "io/ShapeDataFile.h"
#include "io/ShippedLibrary.h"
#include "io/TextFile.h"

using namespace kuvanto;

namespace {

constexpr double kPi = std::numbers::pi;
const QString kLibrary = QStringLiteral(KUVANTO_SOURCE_DIR "/library");

// Area integrals of a region: A, ∫x, ∫y, ∫x², ∫y².
struct Moments {
    double a = 0, x = 0, y = 0, xx = 0, yy = 0;
    Moments operator+(const Moments& o) const {
        return {a + o.a, x + o.x, y + o.y, xx + o.xx, yy + o.yy};
    }
    Moments operator-(const Moments& o) const {
        return {a - o.a, x - o.x, y - o.y, xx - o.xx, yy - o.yy};
    }
    Moments positive() const { return a < 0 ? Moments{} - *this : *this; }
};

Moments polygon(const std::vector<PlanePoint>& p) {
    Moments m;
    for (std::size_t i = 0; i < p.size(); ++i) {
        const PlanePoint s = p[i], t = p[(i + 1) % p.size()];
        const double c = s.x * t.y - t.x * s.y;
        m.a += c / 2;
        m.x += (s.x + t.x) * c / 6;
        m.y += (s.y + t.y) * c / 6;
        m.xx += (s.x * s.x + s.x * t.x + t.x * t.x) * c / 12;
        m.yy += (s.y * s.y + s.y * t.y + t.y * t.y) * c / 12;
    }
    return m.positive();
}

// The circular sector of radius r about c between the angles a0 and a1.
Moments sector(PlanePoint c, double r, double a0, double a1) {
    const double sweep = a1 - a0, r3 = r * r * r, r4 = r3 * r;
    const double a = r * r * sweep / 2;
    const double x = r3 / 3 * (std::sin(a1) - std::sin(a0));
    const double y = r3 / 3 * (std::cos(a0) - std::cos(a1));
    const double twice = (std::sin(2 * a1) - std::sin(2 * a0)) / 2;
    const double xx = r4 / 8 * (sweep + twice), yy = r4 / 8 * (sweep - twice);
    return Moments{a, x + c.x * a, y + c.y * a, xx + 2 * c.x * x + c.x * c.x * a,
                   yy + 2 * c.y * y + c.y * c.y * a}
        .positive();
}

Moments disc(double r) {
    return sector({0, 0}, r, 0, 2 * kPi);
}

struct Corner {
    PlanePoint p;
    double r = 0;
};

// The counter-clockwise sharp polygon with its corners rounded by true arcs.
Moments rounded(const std::vector<Corner>& corners) {
    std::vector<PlanePoint> sharp;
    for (const Corner& c : corners) sharp.push_back(c.p);
    Moments m = polygon(sharp);
    const std::size_t n = corners.size();
    for (std::size_t i = 0; i < n; ++i) {
        const double r = corners[i].r;
        if (r == 0) continue;
        const PlanePoint p = corners[i].p, prev = corners[(i + n - 1) % n].p,
                         next = corners[(i + 1) % n].p;
        const double lu = std::hypot(prev.x - p.x, prev.y - p.y);
        const double lv = std::hypot(next.x - p.x, next.y - p.y);
        const PlanePoint u{(prev.x - p.x) / lu, (prev.y - p.y) / lu};
        const PlanePoint v{(next.x - p.x) / lv, (next.y - p.y) / lv};
        const double half = std::acos(u.x * v.x + u.y * v.y) / 2;
        const double d = r / std::tan(half), e = r / std::sin(half);
        const double lb = std::hypot(u.x + v.x, u.y + v.y);
        const PlanePoint c{p.x + (u.x + v.x) / lb * e, p.y + (u.y + v.y) / lb * e};
        const PlanePoint t1{p.x + u.x * d, p.y + u.y * d}, t2{p.x + v.x * d, p.y + v.y * d};
        const double a1 = std::atan2(t1.y - c.y, t1.x - c.x);
        double a2 = std::atan2(t2.y - c.y, t2.x - c.x);
        if (a2 - a1 > kPi) a2 -= 2 * kPi;
        if (a1 - a2 > kPi) a2 += 2 * kPi;
        const Moments fillet = polygon({p, t1, c, t2}) - sector(c, r, a1, a2);
        const bool convex = (p.x - prev.x) * (next.y - p.y) - (p.y - prev.y) * (next.x - p.x) > 0;
        m = convex ? m - fillet : m + fillet;
    }
    return m;
}

// The tables' quantities of an exact region with the given bounding box.
struct Expected {
    double area, ix, iy, zx, zy, rx, ry;
};

Expected expected(const Moments& m, double left, double right, double bottom, double top) {
    const double xBar = m.x / m.a, yBar = m.y / m.a;
    const double ix = m.yy - m.a * yBar * yBar, iy = m.xx - m.a * xBar * xBar;
    return {m.a,
            ix,
            iy,
            ix / std::max(top - yBar, yBar - bottom),
            iy / std::max(right - xBar, xBar - left),
            std::sqrt(ix / m.a),
            std::sqrt(iy / m.a)};
}

std::vector<double> dimensions(const QString& line) {
    std::vector<double> d;
    const QStringList cells = line.split(',');
    for (int i = 1; i < cells.size(); ++i) d.push_back(cells[i].toDouble());
    return d;
}

Expected exactSection(const QString& table, const std::vector<double>& d) {
    if (table == "h-shapes.csv" || table == "i-shapes.csv") {
        const bool tapered = table == "i-shapes.csv";
        const double h = d[0] / 2, b = d[1] / 2, w = d[2] / 2, f = d[3];
        const double root = d[4], toe = tapered ? d[5] : 0;
        const double slope = tapered ? std::tan(8 * kPi / 180) : 0, quarter = (b - w) / 2;
        const double fw = h - f - slope * quarter, ft = h - f + slope * quarter;
        const Moments m = rounded({{{-b, -h}},
                                   {{b, -h}},
                                   {{b, -ft}, toe},
                                   {{w, -fw}, root},
                                   {{w, fw}, root},
                                   {{b, ft}, toe},
                                   {{b, h}},
                                   {{-b, h}},
                                   {{-b, ft}, toe},
                                   {{-w, fw}, root},
                                   {{-w, -fw}, root},
                                   {{-b, -ft}, toe}});
        return expected(m, -b, b, -h, h);
    }
    if (table == "channels.csv") {
        const double h = d[0] / 2, b = d[1], w = d[2], f = d[3];
        const double half = (b - w) / 2, slope = std::tan(5 * kPi / 180);
        const double fw = h - f - slope * half, ft = h - f + slope * half;
        const Moments m = rounded({{{0, -h}},
                                   {{b, -h}},
                                   {{b, -ft}, d[5]},
                                   {{w, -fw}, d[4]},
                                   {{w, fw}, d[4]},
                                   {{b, ft}, d[5]},
                                   {{b, h}},
                                   {{0, h}}});
        return expected(m, 0, b, -h, h);
    }
    if (table == "equal-angles.csv") {
        const double a = d[0], t = d[1];
        const Moments m =
            rounded({{{0, 0}}, {{a, 0}}, {{a, t}, d[3]}, {{t, t}, d[2]}, {{t, a}, d[3]}, {{0, a}}});
        return expected(m, 0, a, 0, a);
    }
    if (table == "pipes.csv") {
        const double r = d[0] / 2;
        return expected(disc(r) - disc(r - d[1]), -r, r, -r, r);
    }
    if (table == "round-bars.csv") {
        const double r = d[0] / 2;
        return expected(disc(r), -r, r, -r, r);
    }
    const double x = d[0] / 2, y = d[1] / 2;  // flat bars
    return expected(polygon({{-x, -y}, {x, -y}, {x, y}, {-x, y}}), -x, x, -y, y);
}

// Whether the value agrees with the exact one to `digits` significant digits: within half a unit
// of the last of them.
bool agrees(double value, double exact, int digits) {
    const double unit = std::pow(10.0, std::floor(std::log10(std::fabs(exact))) - (digits - 1));
    return std::fabs(value - exact) <= unit / 2;
}

}  // namespace

class ShapeLibraryTest : public QObject {
    Q_OBJECT

private slots:
    void committedFilesEqualGeneratorOutput();
    void everyPartMatchesClosedForm_data();
    void everyPartMatchesClosedForm();
    void taperedOutlinesGivePublishedRows_data();
    void taperedOutlinesGivePublishedRows();
};

void ShapeLibraryTest::committedFilesEqualGeneratorOutput() {
    QString error;
    const auto files = LibraryGenerator::generate(kLibrary + "/tables", &error);
    QVERIFY2(!files.empty(), qPrintable(error));
    QStringList committed = QDir(kLibrary + "/data").entryList({"*.csv"}, QDir::Files);
    for (QString& name : committed) name.prepend("data/");
    committed << "pre.ini";
    committed.sort();
    QStringList generated;
    for (const auto& [name, bytes] : files) generated << name;
    QCOMPARE(generated, committed);
    for (const auto& [name, bytes] : files) {
        QFile file(kLibrary + '/' + name);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY2(file.readAll() == QByteArray::fromStdString(bytes),
                 qPrintable(name + " differs from the generator's output: run kuvanto-libgen"));
    }
    // Code page 932 with CR LF, the registry naming the categories.
    const std::string registry = files.at("pre.ini");
    QVERIFY(registry.find("\r\n") != std::string::npos);
    QVERIFY(decodeFileBytes(registry).starts_with("H形鋼,h-shapes.csv\r\nI形鋼,"));
}

void ShapeLibraryTest::everyPartMatchesClosedForm_data() {
    QTest::addColumn<QString>("table");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("row");
    for (const LibraryCategory& category : ShippedLibrary::categories(kLibrary)) {
        const QString table = QString::fromStdString(category.entry.file);
        QFile file(kLibrary + "/tables/" + table);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QStringList lines =
            QString::fromUtf8(file.readAll()).split('\n', Qt::SkipEmptyParts).mid(1);
        QCOMPARE(category.parts.size(), std::size_t(lines.size()));
        for (int k = 0; k < lines.size(); ++k) {
            QCOMPARE(QString::fromStdString(category.parts[k]), lines[k].section(',', 0, 0));
            QTest::newRow(qPrintable(lines[k].section(',', 0, 0))) << table << k << lines[k];
        }
    }
}

void ShapeLibraryTest::everyPartMatchesClosedForm() {
    QFETCH(QString, table);
    QFETCH(int, index);
    QFETCH(QString, row);
    const std::optional<std::string> text = readTextFile(kLibrary + "/data/" + table);
    QVERIFY(text);
    LibraryPart part;
    QVERIFY(ShapeDataFile::readPart(*text, index, part));
    QCOMPARE(part.basePoints.size(), std::size_t(9));

    // Inserted at the centroid base point onto (100, 50), as the dialog inserts it.
    CoordTable add, subtracted;
    resetCoordTable(add, subtracted);
    insertOutline(add, 1, part.outline, part.basePoints[4], {100, 50});
    ResultTable result;
    resetResultTable(result);
    QVERIFY(runCalculation(add, subtracted, result));
    const int total = result.cols() - 1;
    auto cell = [&](int r) { return lenientValue(result.text(r, total)); };
    QCOMPARE(result.text(0, total), std::string("総合"));

    const Expected e = exactSection(table, dimensions(row));
    const struct {
        const char* name;
        int row;
        double exact;
        int digits;
    } checks[] = {{"A", 1, e.area, 4}, {"Ix", 7, e.ix, 3},  {"Iy", 8, e.iy, 3}, {"Zx", 9, e.zx, 3},
                  {"Zy", 10, e.zy, 3}, {"ix", 12, e.rx, 3}, {"iy", 13, e.ry, 3}};
    for (const auto& check : checks) {
        QVERIFY2(agrees(cell(check.row), check.exact, check.digits),
                 qPrintable(QString("%1: %2 calculated, %3 exact")
                                .arg(check.name)
                                .arg(cell(check.row), 0, 'g', 8)
                                .arg(check.exact, 0, 'g', 8)));
    }
    // The centroid base point sits on the section's centroid.
    QVERIFY(std::fabs(cell(2) - 100) < 1e-3 && std::fabs(cell(3) - 50) < 1e-3);
}

// A few rows of the published tables (cm units) confirm the reading of the flange tapers.
void ShapeLibraryTest::taperedOutlinesGivePublishedRows_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<double>("areaCm2");
    QTest::addColumn<double>("ixCm4");
    QTest::addColumn<double>("iyCm4");
    QTest::newRow("H-shape") << "H-200x100x5.5x8" << 26.67 << 1810.0 << 134.0;
    QTest::newRow("I-shape") << "I-150x75x5.5x9.5" << 21.83 << 819.0 << 57.5;
    QTest::newRow("channel") << "[-100x50x5x7.5" << 11.92 << 188.0 << 26.0;
    QTest::newRow("angle") << "L-50x50x6" << 5.644 << 12.6 << 12.6;
}

void ShapeLibraryTest::taperedOutlinesGivePublishedRows() {
    QFETCH(QString, name);
    QFETCH(double, areaCm2);
    QFETCH(double, ixCm4);
    QFETCH(double, iyCm4);
    const std::optional<LibraryPart> part = ShippedLibrary::findPart(kLibrary, name.toStdString());
    QVERIFY(part);
    CoordTable add, subtracted;
    resetCoordTable(add, subtracted);
    insertOutline(add, 1, part->outline, {0, 0}, {0, 0});
    ResultTable result;
    resetResultTable(result);
    QVERIFY(runCalculation(add, subtracted, result));
    const int total = result.cols() - 1;
    auto cell = [&](int r) { return lenientValue(result.text(r, total)); };
    QVERIFY2(agrees(cell(1) / 100, areaCm2, 4), result.text(1, total).c_str());
    QVERIFY2(agrees(cell(7) / 1e4, ixCm4, 3), result.text(7, total).c_str());
    QVERIFY2(agrees(cell(8) / 1e4, iyCm4, 3), result.text(8, total).c_str());
}

QTEST_GUILESS_MAIN(ShapeLibraryTest)
#include "test_shape_library.moc"

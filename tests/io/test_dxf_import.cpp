// DXF import: the drawings made by tests/fixtures/dxf/make_fixtures.py import to the expected
// loops and their properties equal the closed forms within the chord error; faults in outlines
// are reported with their place; hostile files are refused with a message (or read safely)
// without a crash; and a written section reads back to the same tables.
#include <QTemporaryDir>
#include <QtTest>
#include <cmath>
#include <numbers>

#include "IoTestUtil.h"
#include "core/drawing/LoopChecks.h"
#include "core/section/Calculation.h"
#include "core/table/CoordTable.h"
#include "io/DxfImport.h"
#include "io/DxfPrescan.h"
#include "io/DxfReader.h"
#include "io/DxfWriter.h"

using namespace kuvanto;

namespace {

constexpr double kPi = std::numbers::pi;

QString fixture(const char* name) {
    return QStringLiteral(KUVANTO_FIXTURES "/dxf/") + QString::fromLatin1(name);
}

struct Imported {
    std::vector<LayerOutlines> layers;
    SectionFigures figures;
};

Imported importFile(const QString& path, const DxfImportOptions& given = {},
                    bool unitOfFile = true) {
    CadDrawing drawing;
    QString error;
    Imported imported;
    if (!DxfReader::readFile(path, drawing, &error)) {
        qWarning() << error;
        return imported;
    }
    DxfImportOptions options = given;
    if (unitOfFile) options.unit = DxfImport::unitOfDrawing(drawing);
    if (!DxfImport::outline(drawing, options, imported.layers, &error)) qWarning() << error;
    imported.figures = DxfImport::figures(imported.layers, options);
    return imported;
}

// The combined column's values of the figures put into fresh tables.
SectionProperties combined(const SectionFigures& figures) {
    CoordTable add, subtracted;
    DrawingSections::replaceTables(add, subtracted, figures);
    ResultTable result;
    resetResultTable(result);
    std::vector<ColumnValues> values;
    if (!runCalculation(add, subtracted, result, &values) || values.empty()) return {};
    return values.back().values;
}

// Ix of the four fillet spandrels of an H-section about its centre line: each is an r x r
// square less a quarter disc, its corner at distance h1 from the axis.
double filletMoments(double r, double h1) {
    const double area = r * r * (1 - kPi / 4);
    const double first = r * r * r * (5.0 / 6 - kPi / 4);
    const double second = r * r * r * r * (1 - 5 * kPi / 16);
    return 4 * (h1 * h1 * area - 2 * h1 * first + second);
}

}  // namespace

class TestDxfImport : public QObject {
    Q_OBJECT

private slots:
    void fixturesMatchClosedForms_data();
    void fixturesMatchClosedForms();
    void figuresAreClosedAndCounterClockwise();
    void faultsAreListedWithTheirPlace();
    void nestingAlternatesAddedAndSubtracted();
    void unitsAndScaleApply();
    void chordErrorBoundsTheArea_data();
    void chordErrorBoundsTheArea();
    void hostileFilesAreRefused_data();
    void hostileFilesAreRefused();
    void readingEndsAtTheEndMark_data();
    void readingEndsAtTheEndMark();
    void hostileCountsAreReadSafely();
    void hostileGeometryEndsQuickly_data();
    void hostileGeometryEndsQuickly();
    void codePageLayerNames();
    void millionSegmentLoopReads();
    void writtenSectionReadsBack();
};

void TestDxfImport::fixturesMatchClosedForms_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("added");
    QTest::addColumn<int>("subtracted");
    QTest::addColumn<double>("area");
    QTest::addColumn<double>("centroidX");
    QTest::addColumn<double>("centroidY");
    QTest::addColumn<double>("momentX");
    QTest::addColumn<double>("curvedLength");  // length of the curved outline parts

    QTest::newRow("plate with holes")
        << fixture("plate-with-holes.dxf") << 1 << 2 << 20000 - 200 * kPi << 100.0 << 50.0
        << 200.0 * 1e6 / 12 - 2 * kPi * 1e4 / 4 << 4 * kPi * 10;
    for (const char* version : {"r2000", "r2018"})
        QTest::newRow(qPrintable(QStringLiteral("plate with holes, %1").arg(version)))
            << fixture(qPrintable(QStringLiteral("plate-with-holes-%1.dxf").arg(version))) << 1 << 2
            << 20000 - 200 * kPi << 100.0 << 50.0 << 200.0 * 1e6 / 12 - 2 * kPi * 1e4 / 4
            << 4 * kPi * 10;

    const double H = 200, B = 100, tw = 6, tf = 10, r = 12, h1 = H / 2 - tf;
    const double hArea = 2 * B * tf + (H - 2 * tf) * tw + 4 * r * r * (1 - kPi / 4);
    const double hMoment =
        (B * H * H * H - (B - tw) * std::pow(H - 2 * tf, 3)) / 12 + filletMoments(r, h1);
    QTest::newRow("H-section of lines and arcs")
        << fixture("h-section-lines-arcs.dxf") << 1 << 0 << hArea << 0.0 << 0.0 << hMoment
        << 4 * kPi * r / 2;

    QTest::newRow("bulged polyline")
        << fixture("bulged-lwpolyline.dxf") << 1 << 0 << 4000 + 400 * kPi << 50.0 << 20.0
        << 100.0 * 64000 / 12 + kPi * 2560000 / 64 << 2 * kPi * 20;

    // The block's plate (20 x 10, hole r 2 at its centre) as it is, and turned and doubled.
    const double a1 = 200 - 4 * kPi, a2 = 800 - 16 * kPi;
    const double cy = (a1 * 5 + a2 * 20) / (a1 + a2);
    const double i1 = 20.0 * 1000 / 12 - kPi * 16 / 4, i2 = 20.0 * 64000 / 12 - kPi * 256 / 4;
    QTest::newRow("block inserted twice")
        << fixture("block-inserted-twice.dxf") << 2 << 2 << a1 + a2
        << (a1 * 10 + a2 * 90) / (a1 + a2) << cy
        << i1 + a1 * (5 - cy) * (5 - cy) + i2 + a2 * (20 - cy) * (20 - cy) << 2 * kPi * 6;

    // Splines are flattened to a hundred-thousandth of their size, finer than this chord error.
    QTest::newRow("rational spline circle")
        << fixture("spline-circle.dxf") << 1 << 1 << 1600 - 100 * kPi << 0.0 << 0.0
        << 2560000.0 / 12 - kPi * 1e4 / 4 << 2 * kPi * 10;

    const double metreCx = (20000.0 * 100 - 1000 * 75) / 19000;
    QTest::newRow("drawing in metres") << fixture("metres.dxf") << 1 << 1 << 19000.0 << metreCx
                                       << 50.0 << 200.0 * 1e6 / 12 - 50.0 * 8000 / 12 << 0.0;
}

void TestDxfImport::fixturesMatchClosedForms() {
    QFETCH(QString, file);
    QFETCH(int, added);
    QFETCH(int, subtracted);
    QFETCH(double, area);
    QFETCH(double, centroidX);
    QFETCH(double, centroidY);
    QFETCH(double, momentX);
    QFETCH(double, curvedLength);

    DxfImportOptions options;
    options.chordError = 0.001;
    const Imported imported = importFile(file, options);
    QCOMPARE(static_cast<int>(imported.figures.added.size()), added);
    QCOMPARE(static_cast<int>(imported.figures.subtracted.size()), subtracted);
    for (const LayerOutlines& layer : imported.layers) QVERIFY(layer.problems.empty());

    const SectionProperties p = combined(imported.figures);
    // Chords lie inside their arcs by at most the chord error.
    const double areaError = options.chordError * curvedLength + 1e-9 * area;
    QVERIFY2(std::abs(p[Property::Area] - area) <= areaError,
             qPrintable(QStringLiteral("area %1, expected %2").arg(p[Property::Area]).arg(area)));
    QVERIFY(std::abs(p[Property::CentroidX] - centroidX) <= 1e-3);
    QVERIFY(std::abs(p[Property::CentroidY] - centroidY) <= 1e-3);
    // The area lost or gained lies within the section's height of the axis.
    const double reach = std::max(std::abs(p[Property::CentroidY]), 100.0);
    QVERIFY2(
        std::abs(p[Property::MomentX] - momentX) <= areaError * reach * reach + 1e-9 * momentX,
        qPrintable(QStringLiteral("Ix %1, expected %2").arg(p[Property::MomentX]).arg(momentX)));
}

void TestDxfImport::figuresAreClosedAndCounterClockwise() {
    const Imported imported = importFile(fixture("block-inserted-twice.dxf"));
    for (const auto* list : {&imported.figures.added, &imported.figures.subtracted})
        for (const std::vector<Point>& figure : *list) {
            QVERIFY(figure.size() >= 4);
            QCOMPARE(figure.front(), figure.back());
            QVERIFY(LoopChecks::doubleArea(figure) > 0);
        }
    // The hole of the turned copy is a circle of radius 4 about (90, 20): its vertices keep
    // their distance exactly as the block's arcs do.
    const std::vector<Point>& hole = imported.figures.subtracted.back();
    for (const Point& p : hole) QVERIFY(std::abs(std::hypot(p.x - 90, p.y - 20) - 4) < 1e-9);
}

void TestDxfImport::faultsAreListedWithTheirPlace() {
    const Imported imported = importFile(fixture("faults.dxf"));
    std::map<std::string, const LayerOutlines*> byName;
    for (const LayerOutlines& layer : imported.layers) byName[layer.name] = &layer;
    QVERIFY(byName.count("OPEN") && byName.count("CROSSING") && byName.count("GOOD"));

    const LayerOutlines& open = *byName["OPEN"];
    QVERIFY(open.loops.empty());
    QCOMPARE(open.problems.size(), std::size_t{2});
    for (const LoopProblem& p : open.problems) {
        QCOMPARE(p.kind, LoopProblem::Kind::OpenEnd);
        QCOMPARE(p.where.x, 0.0);
        QVERIFY(p.where.y == 0 || p.where.y == 1);
    }
    const LayerOutlines& crossing = *byName["CROSSING"];
    QVERIFY(crossing.loops.empty());
    QCOMPARE(crossing.problems.size(), std::size_t{1});
    QCOMPARE(crossing.problems[0].kind, LoopProblem::Kind::SelfIntersection);
    QVERIFY(std::abs(crossing.problems[0].where.x - 23.75) < 1e-9);
    QVERIFY(std::abs(crossing.problems[0].where.y - 3.75) < 1e-9);
    QCOMPARE(byName["GOOD"]->loops.size(), std::size_t{1});
    QVERIFY(DxfImport::problemText(crossing.problems[0], 1).contains("(23.750, 3.750)"));
    // Only the good square becomes a figure.
    QCOMPARE(imported.figures.added.size(), std::size_t{1});
}

void TestDxfImport::nestingAlternatesAddedAndSubtracted() {
    // Squares of half-sides 10, 20, ... 80 about the origin, every other one clockwise, and a
    // square beside them: depths 7..0 and 0.
    std::vector<std::vector<Point>> loops;
    for (int k = 1; k <= 8; ++k) {
        const double s = 10.0 * k;
        std::vector<Point> sq = {{-s, -s}, {s, -s}, {s, s}, {-s, s}};
        if (k % 2 == 0) std::reverse(sq.begin(), sq.end());
        loops.push_back(sq);
    }
    loops.push_back({{100, 0}, {110, 0}, {110, 10}, {100, 10}});
    const std::vector<int> depth = LoopChecks::depths(loops);
    const std::vector<int> expected = {7, 6, 5, 4, 3, 2, 1, 0, 0};
    QCOMPARE(depth, expected);
}

void TestDxfImport::unitsAndScaleApply() {
    DxfImportOptions options;
    options.unit = DrawingUnit::Centimetre;  // overrides the file's metres
    options.scale = 2;
    const Imported imported = importFile(fixture("metres.dxf"), options, false);
    QCOMPARE(static_cast<int>(imported.figures.added.size()), 1);
    const SectionProperties p = combined(imported.figures);
    // 0.2 x 0.1 cm rectangle less 0.05 x 0.02, doubled: (4 x 2 - 1 x 0.4) mm².
    QVERIFY(std::abs(p[Property::Area] - 7.6) < 1e-9);
}

void TestDxfImport::chordErrorBoundsTheArea_data() {
    QTest::addColumn<double>("chordError");
    QTest::newRow("library density") << 0.0;
    QTest::newRow("coarse 0.5") << 0.5;
    QTest::newRow("fine 0.0001") << 0.0001;
}

void TestDxfImport::chordErrorBoundsTheArea() {
    QFETCH(double, chordError);
    DxfImportOptions options;
    options.chordError = chordError;
    const Imported imported = importFile(fixture("plate-with-holes.dxf"), options);
    QCOMPARE(imported.figures.subtracted.size(), std::size_t{2});
    const std::vector<Point>& hole = imported.figures.subtracted[0];
    // Every chord's middle lies within the chord error inside the circle of radius 10.
    const double allowed = chordError > 0 ? chordError : 10 * (1 - std::cos(kPi / 256));
    double worst = 0;
    for (std::size_t i = 0; i + 1 < hole.size(); ++i) {
        const Point m{(hole[i].x + hole[i + 1].x) / 2, (hole[i].y + hole[i + 1].y) / 2};
        worst = std::max(worst, 10 - std::hypot(m.x - 50, m.y - 50));
    }
    QVERIFY(worst <= allowed * (1 + 1e-9));
    if (chordError == 0) QCOMPARE(hole.size(), std::size_t{257});  // 64 chords a quarter
}

void TestDxfImport::hostileFilesAreRefused_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("says");

    QFile plate(fixture("plate-with-holes.dxf"));
    QVERIFY(plate.open(QIODevice::ReadOnly));
    const QByteArray whole = plate.readAll();
    auto entities = [](const QByteArray& body) {
        return "0\nSECTION\n2\nENTITIES\n" + body + "0\nENDSEC\n0\nEOF\n";
    };
    auto blocks = [](const QByteArray& body) {
        return "0\nSECTION\n2\nBLOCKS\n" + body + "0\nENDSEC\n";
    };
    QTest::newRow("truncated") << whole.left(whole.size() / 2) << "途中で切れて";
    QTest::newRow("cut after a code")
        << whole.left(whole.indexOf("LWPOLYLINE") - 1) << "途中で切れて";
    QTest::newRow("binary") << QByteArray("AutoCAD Binary DXF\r\n\x1a\0", 22) + QByteArray(100, 'x')
                            << "バイナリ形式";
    QTest::newRow("zero bytes") << QByteArray("0\nSECTION\n\0\0", 12) << "バイナリデータ";
    QTest::newRow("code not a number")
        << entities("0\nLINE\nxx\n0\n") << "7行目はグループコードのはずですが「xx」です";
    QTest::newRow("blank code line inside")
        << entities("\n0\n") << "5行目はグループコードのはずですが「」です";
    // Cut after a code that does not read: the cut is what is reported.
    QTest::newRow("cut after a code that is no number")
        << QByteArray("0\nSECTION\n2\nENTITIES\n0\nLINE\nxx\n\n\n") << "7行目）で終わって";
    QTest::newRow("NaN coordinate")
        << entities("0\nLINE\n8\n0\n10\nnan\n20\n0\n11\n1\n21\n1\n") << "nan";
    QTest::newRow("infinite coordinate")
        << entities("0\nCIRCLE\n8\n0\n10\ninf\n20\n0\n40\n1\n") << "inf";
    QTest::newRow("1e308 coordinate")
        << entities("0\nCIRCLE\n8\n0\n10\n1e308\n20\n0\n40\n1\n") << "1e308";
    QTest::newRow("long line") << entities("0\nLINE\n8\n" + QByteArray(5000, 'L') +
                                           "\n10\n0\n20\n0\n11\n1\n21\n1\n")
                               << "1000";
    QTest::newRow("recursive block")
        << blocks("0\nBLOCK\n2\nA\n10\n0\n20\n0\n0\nINSERT\n2\nA\n10\n1\n20\n0\n0\nENDBLK\n") +
               entities("0\nINSERT\n2\nA\n10\n0\n20\n0\n")
        << "「A」";
    QByteArray deep;
    for (int k = 0; k < 40; ++k)
        deep += "0\nBLOCK\n2\nB" + QByteArray::number(k) + "\n10\n0\n20\n0\n0\nINSERT\n2\nB" +
                QByteArray::number(k + 1) + "\n10\n0\n20\n0\n0\nENDBLK\n";
    deep += "0\nBLOCK\n2\nB40\n10\n0\n20\n0\n0\nCIRCLE\n10\n0\n20\n0\n40\n1\n0\nENDBLK\n";
    QTest::newRow("deeply nested blocks")
        << blocks(deep) + entities("0\nINSERT\n2\nB0\n10\n0\n20\n0\n") << "16";
    // Ten blocks each inserting the next ten times: 10^10 circles once expanded.
    QByteArray wide;
    for (int k = 0; k < 10; ++k) {
        wide += "0\nBLOCK\n2\nW" + QByteArray::number(k) + "\n10\n0\n20\n0\n";
        for (int i = 0; i < 10; ++i)
            wide += "0\nINSERT\n2\nW" + QByteArray::number(k + 1) + "\n10\n" +
                    QByteArray::number(i) + "\n20\n0\n";
        wide += "0\nENDBLK\n";
    }
    wide += "0\nBLOCK\n2\nW10\n10\n0\n20\n0\n0\nCIRCLE\n10\n0\n20\n0\n40\n0.1\n0\nENDBLK\n";
    QTest::newRow("exponential insertions")
        << blocks(wide) + entities("0\nINSERT\n2\nW0\n10\n0\n20\n0\n") << "10000000";
}

// A drawing ends at "0 EOF" or, without it, at its last line that is not blank: what follows
// is not read, whether or not it would read.
void TestDxfImport::readingEndsAtTheEndMark_data() {
    QTest::addColumn<QByteArray>("bytes");
    const QByteArray line = "0\nSECTION\n2\nENTITIES\n0\nLINE\n8\nL\n10\n0\n20\n0\n11\n1\n21\n1\n";
    QTest::newRow("end mark") << line + "0\nENDSEC\n0\nEOF\n";
    QTest::newRow("no end mark, blank lines after") << line + "0\nENDSEC\n\n  \r\n\n";
    QTest::newRow("an odd line after the end mark") << line + "0\nENDSEC\n0\nEOF\nxx\n";
    QTest::newRow("no code after the end mark") << line + "0\nENDSEC\n0\nEOF\nxx\nyy\n";
}

void TestDxfImport::readingEndsAtTheEndMark() {
    QFETCH(QByteArray, bytes);
    CadDrawing drawing;
    QString error;
    QVERIFY2(DxfReader::read(std::string_view(bytes.constData(), bytes.size()), drawing, &error),
             qPrintable(error));
    QCOMPARE(drawing.layer("L").shapes.size(), std::size_t{1});
}

void TestDxfImport::hostileFilesAreRefused() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, says);
    CadDrawing drawing;
    drawing.layer("kept");
    QString error;
    QVERIFY(!DxfReader::read(std::string_view(bytes.constData(), bytes.size()), drawing, &error));
    QVERIFY(!error.isEmpty());
    QVERIFY2(error.contains(says), qPrintable(error));
    QCOMPARE(drawing.layers.size(), std::size_t{1});  // untouched
}

void TestDxfImport::hostileCountsAreReadSafely() {
    // Counts the library would allocate by, far beyond what follows, and a bulge before the
    // first vertex (which the library would store in front of its array).
    const QByteArray bytes =
        "0\nSECTION\n2\nENTITIES\n"
        "0\nLWPOLYLINE\n8\nP\n42\n0.5\n90\n2000000000\n70\n1\n10\n0\n20\n0\n10\n10\n20\n0\n"
        "10\n10\n20\n10\n"
        "0\nSPLINE\n8\nS\n72\n-7\n73\n999999999\n74\n536870913\n10\n0\n20\n0\n40\n0\n"
        "0\nLWPOLYLINE\n8\nP\n90\n-1\n42\n1\n"
        "0\nENDSEC\n0\nEOF\n";
    CadDrawing drawing;
    QString error;
    QVERIFY2(DxfReader::read(std::string_view(bytes.constData(), bytes.size()), drawing, &error),
             qPrintable(error));
    std::vector<LayerOutlines> layers;
    QVERIFY(DxfImport::outline(drawing, {}, layers, &error));
    QCOMPARE(DxfImport::figures(layers, {}).added.size(), std::size_t{1});
    QCOMPARE(drawing.layer("S").ignored, std::size_t{1});
}

void TestDxfImport::hostileGeometryEndsQuickly_data() {
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<bool>("reads");
    QTest::newRow("arc angles of 1e11 degrees")
        << QByteArray("0\nARC\n10\n0\n20\n0\n40\n1\n50\n1e11\n51\n-1e11\n") << true;
    QTest::newRow("ellipse parameters of 1e12")
        << QByteArray("0\nELLIPSE\n10\n0\n20\n0\n11\n1\n21\n0\n40\n0.5\n41\n-1e12\n42\n1e12\n")
        << true;
    QByteArray same;
    for (int i = 0; i < 200000; ++i) same += "0\nLINE\n10\n0\n20\n0\n11\n0\n21\n0\n";
    QTest::newRow("2*10^5 ends in one point") << same << true;
    QTest::newRow("bulge of 1e12")
        << QByteArray("0\nLWPOLYLINE\n90\n2\n70\n1\n10\n0\n20\n0\n42\n1e12\n10\n1e6\n20\n0\n")
        << false;
    QTest::newRow("array of 2*10^9 copies")
        << QByteArray("0\nINSERT\n2\nE\n10\n0\n20\n0\n70\n2000000000\n71\n2000000000\n") << false;
}

void TestDxfImport::hostileGeometryEndsQuickly() {
    QFETCH(QByteArray, body);
    QFETCH(bool, reads);
    const QByteArray bytes =
        "0\nSECTION\n2\nBLOCKS\n0\nBLOCK\n2\nE\n10\n0\n20\n0\n0\nENDBLK\n"
        "0\nENDSEC\n0\nSECTION\n2\nENTITIES\n" +
        body + "0\nENDSEC\n0\nEOF\n";
    QElapsedTimer timer;
    timer.start();
    CadDrawing drawing;
    QString error;
    const bool read =
        DxfReader::read(std::string_view(bytes.constData(), bytes.size()), drawing, &error);
    std::vector<LayerOutlines> layers;
    DxfImportOptions options;
    options.chordError = 0.01;
    const bool outlined = read && DxfImport::outline(drawing, options, layers, &error);
    if (outlined) DxfImport::figures(layers, options);
    QCOMPARE(outlined, reads);
    if (!outlined) QVERIFY(!error.isEmpty());
    QVERIFY2(timer.elapsed() < 60000, "took a minute");
}

void TestDxfImport::codePageLayerNames() {
    // Files before AutoCAD 2007 are in the drawing's code page: a layer "断面" in code page 932.
    const QByteArray bytes =
        "0\nSECTION\n2\nENTITIES\n0\nLWPOLYLINE\n8\n\x92\x66\x96\xca\n90\n3\n"
        "70\n1\n10\n0\n20\n0\n10\n1\n20\n0\n10\n0\n20\n1\n0\nENDSEC\n0\nEOF\n";
    CadDrawing drawing;
    QString error;
    QVERIFY(DxfReader::read(std::string_view(bytes.constData(), bytes.size()), drawing, &error));
    QCOMPARE(drawing.layers.size(), std::size_t{1});
    QCOMPARE(QString::fromStdString(drawing.layers[0].name), QStringLiteral("断面"));
}

void TestDxfImport::millionSegmentLoopReads() {
    QByteArray body = "0\nSECTION\n2\nENTITIES\n0\nLWPOLYLINE\n8\n0\n90\n1000000\n70\n1\n";
    body.reserve(40'000'000);
    for (int i = 0; i < 1'000'000; ++i) {
        const double t = 2 * kPi * i / 1'000'000;
        body += "10\n" + QByteArray::number(1000 * std::cos(t), 'g', 17) + "\n20\n" +
                QByteArray::number(1000 * std::sin(t), 'g', 17) + "\n";
    }
    body += "0\nENDSEC\n0\nEOF\n";
    QElapsedTimer timer;
    timer.start();
    const Imported imported = [&] {
        QTemporaryDir dir;
        const QString path = dir.filePath("big.dxf");
        QFile f(path);
        f.open(QIODevice::WriteOnly);
        f.write(body);
        f.close();
        return importFile(path);
    }();
    for (const LayerOutlines& layer : imported.layers)
        for (const LoopProblem& p : layer.problems) qWarning() << DxfImport::problemText(p, 1);
    QCOMPARE(imported.figures.added.size(), std::size_t{1});
    QCOMPARE(imported.figures.added[0].size(), std::size_t{1'000'001});
    qInfo() << "10^6-vertex loop imported in" << timer.elapsed() << "ms";
}

void TestDxfImport::writtenSectionReadsBack() {
    CoordTable add, subtracted;
    test::fill(add, "0|0;200|0;200|100;0|100;0|0;" + QString(kSeparatorText.data()) +
                        "|;300|0;312.5|0;312.5|0.125;300|0.125;300|0");
    test::fill(subtracted, "20|20;60|20;60|80;20|80;20|20;" + QString(kSeparatorText.data()) +
                               "|;100|40;140|40;120|70.25;100|40");
    ResultTable result;
    resetResultTable(result);
    QVERIFY(runCalculation(add, subtracted, result));

    QTemporaryDir dir;
    const QString path = dir.filePath("section.dxf");
    QString error;
    QVERIFY2(DxfWriter::write(path, add, subtracted, &result, &error), qPrintable(error));
    const Imported imported = importFile(path);
    CoordTable readAdd, readSubtracted;
    DrawingSections::replaceTables(readAdd, readSubtracted, imported.figures);
    QCOMPARE(test::dump(readAdd), test::dump(add));
    QCOMPARE(test::dump(readSubtracted), test::dump(subtracted));
    // The result table went along as text.
    std::size_t ignoredText = 0;
    for (const LayerOutlines& layer : imported.layers)
        if (layer.name == DxfWriter::kResultLayer) ignoredText = layer.ignored;
    QVERIFY(ignoredText > 10);
}

QTEST_GUILESS_MAIN(TestDxfImport)
#include "test_dxf_import.moc"

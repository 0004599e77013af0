// Sections from drawings as CAD users draw them (tests/fixtures/dxf/make_drawings.py makes them,
// one construction each): holes that touch their outline, plates that touch with coordinate
// noise, outlines drawn twice or crossing each other. Every drawing either gives the section it
// shows or names what it left out; and a section the program exported reads back to the same
// tables, even where its figures overlap or repeat.
#include <QTemporaryDir>
#include <QtTest>
#include <cmath>
#include <numbers>

#include "IoTestUtil.h"
#include "core/section/Calculation.h"
#include "core/table/CoordTable.h"
#include "io/DxfImport.h"
#include "io/DxfReader.h"
#include "io/DxfWriter.h"

using namespace kuvanto;

namespace {

constexpr double kPi = std::numbers::pi;

QString fixture(const QString& name) {
    return QStringLiteral(KUVANTO_FIXTURES "/dxf/") + name;
}

struct Imported {
    bool read = false;
    QString error;
    std::vector<LayerOutlines> layers;
    SectionFigures figures;
};

Imported importBytes(const QByteArray& bytes, DxfImportOptions options) {
    CadDrawing drawing;
    Imported imported;
    imported.read = DxfReader::read(std::string_view(bytes.constData(), bytes.size()), drawing,
                                    &imported.error);
    if (!imported.read) return imported;
    options.unit = DxfImport::unitOfDrawing(drawing);
    if (!DxfImport::outline(drawing, options, imported.layers, &imported.error)) return imported;
    imported.figures = DxfImport::figures(imported.layers, options);
    return imported;
}

Imported importFile(const QString& path, const DxfImportOptions& options) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return importBytes(file.readAll(), options);
}

// The combined column's values of the figures put into fresh tables; empty when there are none.
std::optional<SectionProperties> combined(const SectionFigures& figures) {
    CoordTable add, subtracted;
    DrawingSections::replaceTables(add, subtracted, figures);
    ResultTable result;
    resetResultTable(result);
    std::vector<ColumnValues> values;
    if (!runCalculation(add, subtracted, result, &values) || values.empty()) return std::nullopt;
    return values.back().values;
}

QString clashKinds(const SectionFigures& figures) {
    QStringList kinds;
    for (const FigureClash& clash : figures.clashes)
        kinds << (clash.kind == LoopClash::Kind::Crossing   ? QStringLiteral("crossing")
                  : clash.kind == LoopClash::Kind::Repeated ? QStringLiteral("repeated")
                                                            : QStringLiteral("joined"));
    return kinds.join(',');
}

}  // namespace

class TestDxfDrawings : public QObject {
    Q_OBJECT

private slots:
    void drawingsGiveTheirSection_data();
    void drawingsGiveTheirSection();
    void crossingNamesLayersAndPlace();
    void splinesFollowTheChordError();
    void endMarkAndInvalidEntities_data();
    void endMarkAndInvalidEntities();
    void exportedTablesReadBack_data();
    void exportedTablesReadBack();
    void exportRefusesCoordinatesBeyondTheReader();
};

void TestDxfDrawings::drawingsGiveTheirSection_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<QStringList>("options");  // "join", "hidden", "layer=NAME"
    QTest::addColumn<int>("added");
    QTest::addColumn<int>("subtracted");
    QTest::addColumn<double>("area");     // 0: no section
    QTest::addColumn<double>("momentX");  // 0: not checked
    QTest::addColumn<QString>("clashes");

    const double plateLessHole = 5000 - 100 * kPi;
    QTest::newRow("hole inside") << "hole_inside.dxf" << QStringList{} << 1 << 1 << plateLessHole
                                 << 0.0 << "";
    QTest::newRow("hole touching on the left")
        << "hole_tangent_left.dxf" << QStringList{} << 1 << 1 << plateLessHole << 0.0 << "";
    QTest::newRow("hole touching at the top")
        << "hole_tangent_top.dxf" << QStringList{} << 1 << 1 << plateLessHole << 0.0 << "";
    QTest::newRow("notch sharing an edge")
        << "notch_sharing_edge.dxf" << QStringList{} << 1 << 1 << 4800.0 << 0.0 << "";
    const double builtUpMoment = 200.0 * 300 * 300 * 300 / 12 - 190.0 * 280 * 280 * 280 / 12;
    QTest::newRow("built-up I") << "builtup_I.dxf" << QStringList{} << 3 << 0 << 6800.0
                                << builtUpMoment << "";
    QTest::newRow("built-up I with noise")
        << "builtup_I_noise.dxf" << QStringList{} << 3 << 0 << 6800.0 << builtUpMoment << "";
    QTest::newRow("plates touching with noise")
        << "plates_touching_noise.dxf" << QStringList{} << 2 << 0 << 2000.0 << 0.0 << "";
    QTest::newRow("two plates crossing")
        << "overlap2rect.dxf" << QStringList{} << 0 << 0 << 0.0 << 0.0 << "crossing";
    QTest::newRow("two plates crossing, joined")
        << "overlap2rect.dxf" << QStringList{"join"} << 1 << 0 << 8750.0 << 0.0 << "joined";
    QTest::newRow("two plates crossing beside a plate")
        << "overlap2rect_plus_separate.dxf" << QStringList{} << 1 << 0 << 5000.0 << 0.0
        << "crossing";
    QTest::newRow("circle crossing an edge")
        << "rect_circle_on_edge.dxf" << QStringList{} << 0 << 0 << 0.0 << 0.0 << "crossing";
    QTest::newRow("square half outside a plate")
        << "overlap_notch.dxf" << QStringList{} << 0 << 0 << 0.0 << 0.0 << "crossing";
    QTest::newRow("outline drawn twice")
        << "duplicate_outline.dxf" << QStringList{} << 1 << 0 << 5000.0 << 0.0 << "repeated";
    QTest::newRow("island in a hole") << "island_in_hole.dxf" << QStringList{} << 2 << 1
                                      << kPi * (2500 - 1600 + 400) << 0.0 << "";
    QTest::newRow("array of holes")
        << "minsert_holes.dxf" << QStringList{} << 1 << 8 << 20000 - 8 * 25 * kPi << 0.0 << "";

    // Units, code pages and layers as CAD shows them.
    QTest::newRow("square foot") << "units_feet.dxf" << QStringList{} << 1 << 0 << 304.8 * 304.8
                                 << 0.0 << "";
    QTest::newRow("square decimetre")
        << "units_decimetre.dxf" << QStringList{} << 1 << 0 << 10000.0 << 0.0 << "";
    QTest::newRow("undefined unit read as mm")
        << "units_code_1000.dxf" << QStringList{} << 1 << 0 << 10000.0 << 0.0 << "";
    QTest::newRow("layer in code page 1252")
        << "layer_traeger_r2000.dxf" << QStringList{"layer=Tr\u00e4ger"} << 1 << 0 << 5000.0 << 0.0
        << "";
    QTest::newRow("layer in \\U+ escapes")
        << "layer_danmen_r2000_932.dxf" << QStringList{"layer=\u65ad\u9762"} << 1 << 0 << 5000.0
        << 0.0 << "";
    QTest::newRow("layers off and frozen left out")
        << "layers_off_frozen.dxf" << QStringList{} << 1 << 0 << 5000.0 << 0.0 << "";
    QTest::newRow("layers off and frozen read when asked")
        << "layers_off_frozen.dxf" << QStringList{"hidden"} << 3 << 0 << 5000 + 800 * kPi << 0.0
        << "";
    QTest::newRow("paper space left out")
        << "paperspace_frame.dxf" << QStringList{} << 1 << 0 << 5000.0 << 0.0 << "";
    QTest::newRow("flat closed 3D polyline")
        << "poly3d_closed.dxf" << QStringList{} << 1 << 0 << 5000.0 << 0.0 << "";
    // The cubic through three fit points (chord-length parameters, unit end tangents along the
    // parabola through them) over its chord; the quadratic B-spline is a parabola.
    QTest::newRow("spline through fit points")
        << "spline_fit_plus_line.dxf" << QStringList{} << 1 << 0 << 1977.8687 << 0.0 << "";
    QTest::newRow("spline by control points")
        << "spline_ctrl_plus_line.dxf" << QStringList{} << 1 << 0 << 2000.0 << 0.0 << "";
    // Eight control points on a circle of radius 50, weights 1 and 2 in turn (the area of the
    // periodic curve sampled finely by an independent evaluation).
    QTest::newRow("closed periodic rational spline")
        << "spline_closed_periodic_rational.dxf" << QStringList{} << 1 << 0 << 6255.7676 << 0.0
        << "";
    QTest::newRow("section drawn only as a hatch")
        << "hatch_only.dxf" << QStringList{} << 1 << 0 << 5000.0 << 0.0 << "";
    QTest::newRow("hatch with an island and a path of edges")
        << "hatch_island.dxf" << QStringList{} << 2 << 1 << 5000 - 400 + 1250 * kPi << 0.0 << "";
    QTest::newRow("polyline in one tilted plane")
        << "r12_polyline_tilted.dxf" << QStringList{} << 1 << 0 << 5000.0 << 0.0 << "";
    QTest::newRow("circle seen from below")
        << "circle_minusZ.dxf" << QStringList{} << 1 << 0 << 100 * kPi << 0.0 << "";
}

void TestDxfDrawings::drawingsGiveTheirSection() {
    QFETCH(QString, file);
    QFETCH(QStringList, options);
    QFETCH(int, added);
    QFETCH(int, subtracted);
    QFETCH(double, area);
    QFETCH(double, momentX);
    QFETCH(QString, clashes);
    DxfImportOptions import;
    import.chordError = 1e-4;
    for (const QString& option : options) {
        if (option == QLatin1String("join")) import.join = true;
        if (option == QLatin1String("hidden")) import.includeHidden = true;
        if (option.startsWith(QLatin1String("layer=")))
            import.layers.push_back(option.mid(6).toStdString());
    }
    const Imported imported = importFile(fixture(file), import);
    QVERIFY2(imported.read, qPrintable(imported.error));
    QCOMPARE(static_cast<int>(imported.figures.added.size()), added);
    QCOMPARE(static_cast<int>(imported.figures.subtracted.size()), subtracted);
    QCOMPARE(clashKinds(imported.figures), clashes);
    const std::optional<SectionProperties> p = combined(imported.figures);
    QCOMPARE(p.has_value(), area > 0);
    if (!p) return;
    // Chords lie inside their arcs by at most the chord error.
    QVERIFY2(std::abs((*p)[Property::Area] - area) <= 1e-4 * 1000 + 1e-9 * area,
             qPrintable(QStringLiteral("A = %1, expected %2").arg((*p)[Property::Area]).arg(area)));
    if (momentX > 0)
        QVERIFY2(std::abs((*p)[Property::MomentX] - momentX) <= 1e-7 * momentX,
                 qPrintable(QStringLiteral("Ix = %1").arg((*p)[Property::MomentX])));
}

void TestDxfDrawings::crossingNamesLayersAndPlace() {
    // A plate on PLATE crossed by a rib on RIB, and a hole on HOLES inside the plate only.
    const QByteArray bytes =
        "0\nSECTION\n2\nENTITIES\n"
        "0\nLWPOLYLINE\n8\nPLATE\n90\n4\n70\n1\n10\n0\n20\n0\n10\n100\n20\n0\n10\n100\n20\n50\n"
        "10\n0\n20\n50\n"
        "0\nLWPOLYLINE\n8\nRIB\n90\n4\n70\n1\n10\n40\n20\n40\n10\n60\n20\n40\n10\n60\n20\n90\n"
        "10\n40\n20\n90\n"
        "0\nCIRCLE\n8\nHOLES\n10\n200\n20\n0\n40\n5\n"
        "0\nENDSEC\n0\nEOF\n";
    const Imported imported = importBytes(bytes, {});
    QVERIFY2(imported.read, qPrintable(imported.error));
    QCOMPARE(imported.figures.clashes.size(), std::size_t{1});
    const FigureClash& clash = imported.figures.clashes[0];
    QCOMPARE(clash.kind, LoopClash::Kind::Crossing);
    QCOMPARE(QSet<std::string>({clash.layer, clash.otherLayer}),
             QSet<std::string>({"PLATE", "RIB"}));
    QVERIFY(clash.where == (Point{40, 50}) || clash.where == (Point{60, 50}));
    const QString text = DxfImport::clashText(clash);
    QVERIFY2(text.contains("PLATE") && text.contains("RIB") && text.contains(".000, 50.000)"),
             qPrintable(text));
    // Only the circle apart is left.
    QCOMPARE(imported.figures.added.size(), std::size_t{1});
}

void TestDxfDrawings::splinesFollowTheChordError() {
    // The spline through (0, 0), (50, 30), (100, 0) over its chord: coarse chords cut off more
    // area, but never more than the chord error along the curve's length (about 125).
    const double exact = 1977.8687;
    std::size_t previousPoints = 0;
    for (const double chordError : {0.5, 0.01, 1e-5}) {
        DxfImportOptions options;
        options.chordError = chordError;
        const Imported imported = importFile(fixture("spline_fit_plus_line.dxf"), options);
        QCOMPARE(imported.figures.added.size(), std::size_t{1});
        const double area = (*combined(imported.figures))[Property::Area];
        QVERIFY2(area <= exact + 1e-3 && exact - area <= chordError * 125 + 1e-3,
                 qPrintable(QStringLiteral("%1: A = %2").arg(chordError).arg(area)));
        QVERIFY(imported.figures.added[0].size() > previousPoints);
        previousPoints = imported.figures.added[0].size();
    }
}

void TestDxfDrawings::endMarkAndInvalidEntities_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("endMarkMissing");
    QTest::addColumn<QString>("ignored");  // the kind of entity left out, if any
    const QByteArray plate =
        "0\nSECTION\n2\nENTITIES\n0\nLWPOLYLINE\n8\nP\n90\n4\n70\n1\n10\n0\n20\n0\n10\n100\n"
        "20\n0\n10\n100\n20\n50\n10\n0\n20\n50\n";
    QTest::newRow("content after the end mark") << plate + "0\nENDSEC\n0\nEOF\nwritten by a tool\n"
                                                << false << "";
    QTest::newRow("no end mark after the last section") << plate + "0\nENDSEC\n" << true << "";
    QTest::newRow("circle of negative radius")
        << plate + "0\nCIRCLE\n8\nP\n10\n200\n20\n0\n40\n-10\n0\nENDSEC\n0\nEOF\n"
        << false << "*invalid:CIRCLE";
}

void TestDxfDrawings::endMarkAndInvalidEntities() {
    QFETCH(QByteArray, bytes);
    QFETCH(bool, endMarkMissing);
    QFETCH(QString, ignored);
    CadDrawing drawing;
    QString error;
    QVERIFY2(DxfReader::read(std::string_view(bytes.constData(), bytes.size()), drawing, &error),
             qPrintable(error));
    QCOMPARE(drawing.endMarkMissing, endMarkMissing);
    QCOMPARE(DxfImport::readingNotices(drawing).size(), endMarkMissing ? 1 : 0);
    const CadLayer& layer = drawing.layer("P");
    QCOMPARE(layer.shapes.size(), std::size_t{1});  // the plate only
    if (!ignored.isEmpty()) QCOMPARE(layer.ignoredKinds.at(ignored.toStdString()), std::size_t{1});
}

void TestDxfDrawings::exportedTablesReadBack_data() {
    QTest::addColumn<QString>("added");
    QTest::addColumn<QString>("subtracted");
    QTest::addColumn<double>("area");
    const QString sep = QString::fromStdString(std::string(kSeparatorText)) + "|";
    const QString plate = "0|0;100|0;100|100;0|100;0|0";
    QTest::newRow("a plate inside another") << plate + ";" + sep + ";40|40;50|40;50|50;40|50;40|40"
                                            << "" << 10100.0;
    QTest::newRow("the same hole twice")
        << plate << "10|10;20|10;20|20;10|20;10|10;" + sep + ";10|10;20|10;20|20;10|20;10|10"
        << 9800.0;
    QTest::newRow("overlapping plates, one clockwise")
        << plate + ";" + sep + ";50|50;50|150;150|150;150|50;50|50"
        << "60|60;70|60;70|70;60|70;60|60" << 19900.0;
    QTest::newRow("a hole touching its plate") << plate << "0|40;10|40;10|50;0|50;0|40" << 9900.0;
}

void TestDxfDrawings::exportedTablesReadBack() {
    QFETCH(QString, added);
    QFETCH(QString, subtracted);
    QFETCH(double, area);
    CoordTable add, sub;
    test::fill(add, added);
    test::fill(sub, subtracted);
    QTemporaryDir dir;
    const QString path = dir.filePath("section.dxf");
    QString error;
    QVERIFY2(DxfWriter::write(path, add, sub, nullptr, &error), qPrintable(error));
    const Imported imported = importFile(path, {});
    QVERIFY2(imported.read, qPrintable(imported.error));
    QVERIFY(imported.figures.clashes.empty());
    CoordTable readAdd, readSub;
    DrawingSections::replaceTables(readAdd, readSub, imported.figures);
    QCOMPARE(test::dump(readAdd), test::dump(add));
    QCOMPARE(test::dump(readSub), test::dump(sub));
    const std::optional<SectionProperties> p = combined(imported.figures);
    QVERIFY(p);
    QCOMPARE((*p)[Property::Area], area);
}

void TestDxfDrawings::exportRefusesCoordinatesBeyondTheReader() {
    CoordTable add, sub;
    test::fill(add, "0|0;2e12|0;2e12|1;0|1;0|0");
    test::fill(sub, "");
    QTemporaryDir dir;
    const QString path = dir.filePath("far.dxf");
    QString error;
    QVERIFY(!DxfWriter::write(path, add, sub, nullptr, &error));
    QVERIFY2(error.contains("2e+12") || error.contains("2000000000000"), qPrintable(error));
    QVERIFY(!QFile::exists(path));
}

QTEST_GUILESS_MAIN(TestDxfDrawings)
#include "test_dxf_drawings.moc"

// The drawing rules of the canvas without a window: fitting the window to the figures, the view
// panel actions, which segments and marks a redraw draws, the auxiliary grid, and the reduction
// of very large sections to what the pixels can show.
#include <QtTest>
#include <cmath>
#include <numbers>

#include "CanvasTestUtil.h"
#include "canvas/SectionView.h"
#include "canvas/TablePoints.h"

using namespace kuvanto;
using kuvanto::test::fill;
using kuvanto::test::RecordingPainter;

namespace {

constexpr std::uint32_t kAdd = 255;
constexpr std::uint32_t kSubtracted = 16711680;
constexpr std::uint32_t kGrid = 11857960;

QString segmentText(const std::vector<kuvanto::test::DrawnSegment>& segments) {
    QStringList out;
    for (const auto& s : segments) {
        out << QStringLiteral("%1,%2>%3,%4").arg(s.from.x).arg(s.from.y).arg(s.to.x).arg(s.to.y);
    }
    return out.join(';');
}

// A closed circle of n segments (n + 1 rows, the last repeating the first).
void fillCircle(CoordTable& grid, int n, double radius) {
    resetCoordTable(grid);
    grid.setRows(n + 3);
    for (int i = 0; i <= n; ++i) {
        const double t = 2 * std::numbers::pi * (i % n) / n;
        grid.setText(i + 1, 0, std::to_string(radius * std::cos(t)));
        grid.setText(i + 1, 1, std::to_string(radius * std::sin(t)));
    }
}

}  // namespace

class TestSectionView : public QObject {
    Q_OBJECT

    CoordTable add_, subtracted_;
    ResultTable result_;
    DrawColors colors_;

    void checkWindow(const SectionView& view, double left, double top, double right,
                     double bottom) {
        QCOMPARE(view.scaleLeft(), left);
        QCOMPARE(view.scaleTop(), top);
        QCOMPARE(view.scaleRight(), right);
        QCOMPARE(view.scaleBottom(), bottom);
    }

private slots:
    void init() {
        resetCoordTable(add_, subtracted_);
        result_ = ResultTable();
        colors_ = DrawColors();
    }

    void windowFitsFigures_data() {
        QTest::addColumn<QString>("add");
        QTest::addColumn<QString>("subtracted");
        QTest::addColumn<bool>("origin");
        QTest::addColumn<QList<double>>("window");  // left, top, right, bottom
        QTest::newRow("empty tables fall back to +-100")
            << ""
            << "" << true << QList<double>{-100, 100, 100, -100};
        QTest::newRow("one vertex with the origin")
            << "5,5"
            << "" << true << QList<double>{-2.5, 7.5, 7.5, -2.5};
        QTest::newRow("one vertex without the origin falls back")
            << "5,5"
            << "" << false << QList<double>{-100, 100, 100, -100};
        QTest::newRow("rectangle with the origin")
            << "0,0;200,0;200,100;0,100;0,0"
            << "" << true << QList<double>{-100, 250, 300, -150};
        QTest::newRow("rectangle away from the origin, origin off")
            << "100,100;300,100;300,200"
            << "" << false << QList<double>{0, 350, 400, -50};
        QTest::newRow("separator in row 1 keeps the origin")
            << "|;10,10;20,20"
            << "" << false << QList<double>{-10, 30, 30, -10};
        QTest::newRow("subtracted figures alone keep the origin")
            << ""
            << "10,10;20,20" << false << QList<double>{-10, 30, 30, -10};
        QTest::newRow("subtracted figures widen the added extent")
            << "0,0;100,0"
            << "0,0;0,-300" << true << QList<double>{-250, 150, 350, -450};
        QTest::newRow("rows without both numbers are skipped")
            << "abc,1;5,5;7,x"
            << "" << false << QList<double>{-2.5, 7.5, 7.5, -2.5};
    }
    void windowFitsFigures() {
        QFETCH(QString, add);
        QFETCH(QString, subtracted);
        QFETCH(bool, origin);
        QFETCH(QList<double>, window);
        fill(add_, add);
        fill(subtracted_, subtracted);
        SectionView view(add_, subtracted_, result_, colors_);
        view.showOrigin = origin;
        RecordingPainter painter;
        view.redrawSection(painter);
        QCOMPARE(view.viewMult, 1.0);
        checkWindow(view, window[0], window[1], window[2], window[3]);
        QCOMPARE(painter.left, window[0]);
        QCOMPARE(painter.bottom, window[3]);
        QCOMPARE(view.markRadius(), (window[2] - window[0]) / 100);
        QCOMPARE(painter.clearedWith, kCanvasBackColor);
    }

    void viewButtons_data() {
        QTest::addColumn<QString>("button");  // "move" or "zoom"
        QTest::addColumn<int>("index");
        QTest::addColumn<double>("ofsX");
        QTest::addColumn<double>("ofsY");
        QTest::addColumn<double>("mult");
        // The rectangle's window is 400 wide: a pan step is 20.
        const auto pan = [](PanDirection d) { return static_cast<int>(d); };
        const auto zoom = [](ZoomStep z) { return static_cast<int>(z); };
        QTest::newRow("left arrow") << "move" << pan(PanDirection::Left) << 20.0 << 0.0 << 1.0;
        QTest::newRow("right arrow") << "move" << pan(PanDirection::Right) << -20.0 << 0.0 << 1.0;
        QTest::newRow("up arrow") << "move" << pan(PanDirection::Up) << 0.0 << -20.0 << 1.0;
        QTest::newRow("down arrow") << "move" << pan(PanDirection::Down) << 0.0 << 20.0 << 1.0;
        QTest::newRow("plus zooms in") << "zoom" << zoom(ZoomStep::In) << 0.0 << 0.0 << 1 / 1.1;
        QTest::newRow("minus zooms out") << "zoom" << zoom(ZoomStep::Out) << 0.0 << 0.0 << 1.1;
    }
    void viewButtons() {
        QFETCH(QString, button);
        QFETCH(int, index);
        QFETCH(double, ofsX);
        QFETCH(double, ofsY);
        QFETCH(double, mult);
        fill(add_, "0,0;200,0;200,100;0,100;0,0");
        SectionView view(add_, subtracted_, result_, colors_);
        RecordingPainter painter;
        view.redrawSection(painter);
        if (button == "move")
            view.pan(static_cast<PanDirection>(index));
        else
            view.zoom(static_cast<ZoomStep>(index));
        QVERIFY(!view.autoScaleCheck);
        QCOMPARE(view.viewOfsX, ofsX);
        QCOMPARE(view.viewOfsY, ofsY);
        QCOMPARE(view.viewMult, mult);
        view.redrawSection(painter);  // the user's view survives the redraw
        const double d = 200 * mult;
        checkWindow(view, 100 + ofsX - d, 50 + ofsY + d, 100 + ofsX + d, 50 + ofsY - d);

        view.autoScaleCheck = true;  // turning AutoScale back on refits
        view.redrawSection(painter);
        QCOMPARE(view.viewMult, 1.0);
        QCOMPARE(view.viewOfsX, 0.0);
        checkWindow(view, -100, 250, 300, -150);
    }

    void zoomInTwiceOutTwiceReturns() {
        fill(add_, "0,0;200,0;200,100;0,100;0,0");
        SectionView view(add_, subtracted_, result_, colors_);
        RecordingPainter painter;
        view.redrawSection(painter);
        for (ZoomStep step : {ZoomStep::In, ZoomStep::In, ZoomStep::Out, ZoomStep::Out}) {
            view.zoom(step);
            view.redrawSection(painter);
        }
        QVERIFY(!view.autoScaleCheck);
        QVERIFY(qFuzzyCompare(view.viewMult, 1.0));
        QVERIFY(qFuzzyCompare(view.scaleWidth(), 400.0));
    }

    void freehandKeepsTheWindow() {
        fill(add_, "0,0;200,0");
        SectionView view(add_, subtracted_, result_, colors_);
        view.freeHandCheck = true;
        view.setScale(-1, 1, 1, -1);
        RecordingPainter painter;
        view.redrawSection(painter);
        checkWindow(view, -1, 1, 1, -1);
    }

    void segments_data() {
        QTest::addColumn<QString>("add");
        QTest::addColumn<QString>("subtracted");
        QTest::addColumn<QString>("addSegments");
        QTest::addColumn<QString>("subtractedSegments");
        QTest::newRow("open figure drawn open") << "0,0;10,0;10,10;0,10"
                                                << ""
                                                << "0,0>10,0;10,0>10,10;10,10>0,10"
                                                << "";
        QTest::newRow("closed figure") << "0,0;10,0;0,10;0,0"
                                       << ""
                                       << "0,0>10,0;10,0>0,10;0,10>0,0"
                                       << "";
        QTest::newRow("separator breaks the line") << "0,0;10,0;|;20,20;30,20"
                                                   << ""
                                                   << "0,0>10,0;20,20>30,20"
                                                   << "";
        QTest::newRow("empty row breaks the line") << "0,0;10,0;-;20,20;30,20"
                                                   << ""
                                                   << "0,0>10,0;20,20>30,20"
                                                   << "";
        QTest::newRow("non-numeric Y breaks the line") << "0,0;10,abc;20,0"
                                                       << ""
                                                       << ""
                                                       << "";
        QTest::newRow("exponent and blanks read as numbers") << " 1E1 ,0;0,1e+1"
                                                             << ""
                                                             << "10,0>0,10"
                                                             << "";
        QTest::newRow("subtracted figures in their own colour") << "0,0;10,0"
                                                                << "1,1;2,1;2,2"
                                                                << "0,0>10,0"
                                                                << "1,1>2,1;2,1>2,2";
    }
    void segments() {
        QFETCH(QString, add);
        QFETCH(QString, subtracted);
        QFETCH(QString, addSegments);
        QFETCH(QString, subtractedSegments);
        fill(add_, add);
        fill(subtracted_, subtracted);
        SectionView view(add_, subtracted_, result_, colors_);
        RecordingPainter painter;
        view.redrawSection(painter);
        QCOMPARE(segmentText(painter.segmentsIn(kAdd)), addSegments);
        QCOMPARE(segmentText(painter.segmentsIn(kSubtracted)), subtractedSegments);
        for (const auto& s : painter.segmentsIn(kAdd)) QCOMPARE(s.pen, 2);
    }

    void segmentsFollowTableChanges() {
        fill(add_, "0,0;10,0");
        SectionView view(add_, subtracted_, result_, colors_);
        RecordingPainter painter;
        view.redrawSection(painter);
        add_.setText(2, 1, "5");
        view.redrawSection(painter);
        QCOMPARE(segmentText(painter.segmentsIn(kAdd)), QStringLiteral("0,0>10,5"));
        add_.setText(2, 0, "<<図形区切り>>");
        view.redrawSection(painter);
        QVERIFY(painter.segmentsIn(kAdd).empty());
    }

    void pointsRereadAfterEdits_data() {
        QTest::addColumn<QString>("edit");
        QTest::newRow("one cell changed in the middle") << "set";
        QTest::newRow("rows inserted in the middle") << "insert";
        QTest::newRow("rows removed in the middle") << "remove";
        QTest::newRow("rows appended at the end") << "append";
        QTest::newRow("same texts shifted by one row") << "shift";
        QTest::newRow("whole table reset") << "reset";
    }
    void pointsRereadAfterEdits() {
        QFETCH(QString, edit);
        fill(add_, "0,0;1,1;2,2;|;3,3;4,4;5,5;5,5;6,6");
        TablePoints cached;
        cached.update(add_);
        if (edit == "set") {
            add_.setText(5, 1, "40");
        } else if (edit == "insert") {
            add_.insertRows(4, 2);
            add_.setText(4, 0, "7");
            add_.setText(4, 1, "8");
        } else if (edit == "remove") {
            add_.removeRows(3, 3);
        } else if (edit == "append") {
            add_.setText(10, 0, "9");
            add_.setText(10, 1, "9");
            add_.setRows(12);
        } else if (edit == "shift") {
            add_.insertRows(8, 1);  // rows 7, 8 both held "5,5"
            add_.setText(8, 0, "5");
            add_.setText(8, 1, "5");
        } else {
            resetCoordTable(add_);
        }
        QVERIFY(cached.update(add_));
        TablePoints fresh;
        fresh.update(add_);
        QCOMPARE(cached.rows(), fresh.rows());
        for (int row = 0; row < fresh.rows(); ++row) {
            QCOMPARE(cached.hasVertex(row), fresh.hasVertex(row));
            if (fresh.hasVertex(row)) QCOMPARE(cached.point(row), fresh.point(row));
        }
        QVERIFY(!cached.update(add_));
    }

    void originMark() {
        SectionView view(add_, subtracted_, result_, colors_);
        RecordingPainter painter;
        view.redrawSection(painter);  // empty tables: window +-100, r = 2
        QCOMPARE(segmentText(painter.segmentsIn(kOriginMarkColor)),
                 QStringLiteral("-4,0>4,0;0,4>0,-4"));
        QCOMPARE(painter.circles.size(), std::size_t(2));
        QCOMPARE(painter.circles[0].radius, 2.0);
        QCOMPARE(painter.circles[1].radius, 1.0);
        QCOMPARE(painter.circles[0].centre, (WorldPt{0, 0}));
        QCOMPARE(painter.circles[0].pen, 1);

        view.showOrigin = false;
        view.redrawSection(painter);
        QVERIFY(painter.circles.empty());
        QVERIFY(painter.segments.empty());
    }

    void centroidMark_data() {
        QTest::addColumn<int>("kind");  // the last column's ColumnKind
        QTest::addColumn<QString>("xg");
        QTest::addColumn<QString>("yg");
        QTest::addColumn<bool>("showCentroid");
        QTest::addColumn<bool>("drawn");
        QTest::newRow("total column and switch on") << int(ColumnKind::Combined) << "1.5E1"
                                                    << "2.0E1" << true << true;
        QTest::newRow("switch off") << int(ColumnKind::Combined) << "1.5E1"
                                    << "2.0E1" << false << false;
        QTest::newRow("last column is a figure") << int(ColumnKind::Added) << "1.5E1"
                                                 << "2.0E1" << true << false;
        QTest::newRow("fresh result table") << int(ColumnKind::Other) << ""
                                            << "" << true << false;
        QTest::newRow("empty centroid cell") << int(ColumnKind::Combined) << "1.5E1"
                                             << "" << true << false;
    }
    void centroidMark() {
        QFETCH(int, kind);
        QFETCH(QString, xg);
        QFETCH(QString, yg);
        QFETCH(bool, showCentroid);
        QFETCH(bool, drawn);
        const int col = result_.cols() - 1;
        result_.setColumnKind(col, ColumnKind(kind), kind == int(ColumnKind::Added) ? 1 : 0);
        result_.setText(2, col, xg.toStdString());
        result_.setText(3, col, yg.toStdString());
        SectionView view(add_, subtracted_, result_, colors_);
        view.showOrigin = false;
        view.showCentroid = showCentroid;
        RecordingPainter painter;
        view.redrawSection(painter);  // window +-100: r = 2, half cross = 200 / 3
        const auto cross = painter.segmentsIn(kCentroidMarkColor);
        if (!drawn) {
            QVERIFY(cross.empty());
            QVERIFY(painter.circles.empty());
            return;
        }
        const double l = 200.0 / 3;
        QCOMPARE(cross.size(), std::size_t(2));
        QCOMPARE(cross[0].from, (WorldPt{15 - l, 20}));
        QCOMPARE(cross[0].to, (WorldPt{15 + l, 20}));
        QCOMPARE(cross[1].from, (WorldPt{15, 20 + l}));
        QCOMPARE(cross[1].to, (WorldPt{15, 20 - l}));
        QCOMPARE(painter.circles.size(), std::size_t(2));
        QCOMPARE(painter.circles[0].centre, (WorldPt{15, 20}));
        QCOMPARE(painter.circles[1].radius, 1.0);
        QCOMPARE(painter.circles[0].color, kCentroidMarkColor);
        QCOMPARE(cross[0].pen, 1);
    }

    void auxGridAgainstViewWidth_data() {
        QTest::addColumn<QString>("add");
        QTest::addColumn<QString>("step");
        QTest::addColumn<bool>("marks");
        QTest::addColumn<int>("dots");
        QTest::addColumn<int>("pen");
        // "0,0;w/2,0" gives a window w wide: x from -w/4 to 3w/4, y from -w/2 to w/2.
        QTest::newRow("step 10, 600 wide (60 steps)") << "0,0;300,0"
                                                      << "10" << true << 61 * 61 << 1;
        QTest::newRow("step 10, 760 wide (76 steps)") << "0,0;380,0"
                                                      << "10" << true << 0 << 0;
        QTest::newRow("step 10, exactly 75 steps") << "0,0;375,0"
                                                   << "10" << true << 75 * 75 << 1;
        QTest::newRow("None") << "0,0;300,0"
                              << "None" << true << 0 << 0;
        QTest::newRow("pen 2 when no mark was drawn") << "0,0;300,0"
                                                      << "10" << false << 61 * 61 << 2;
        QTest::newRow("step 1.0 reads as 1") << "0,0;30,0"
                                             << "1.0" << true << 61 * 61 << 1;
    }
    void auxGridAgainstViewWidth() {
        QFETCH(QString, add);
        QFETCH(QString, step);
        QFETCH(bool, marks);
        QFETCH(int, dots);
        QFETCH(int, pen);
        fill(add_, add);
        SectionView view(add_, subtracted_, result_, colors_);
        view.showOrigin = marks;
        view.showCentroid = false;
        view.gridStepBox = step.toStdString();
        RecordingPainter painter;
        view.redrawSection(painter);
        QCOMPARE(painter.dotCount(), std::size_t(dots));
        if (dots == 0) return;
        QCOMPARE(painter.drawnDots.size(), std::size_t(1));
        QCOMPARE(painter.drawnDots[0].pen, pen);
        QCOMPARE(painter.drawnDots[0].color, kGrid);
        const double s = step.toDouble();
        for (const WorldPt& p : painter.drawnDots[0].points) {
            QVERIFY(p.x >= view.scaleLeft() && p.x <= view.scaleRight());
            QVERIFY(p.y >= view.scaleBottom() && p.y <= view.scaleTop());
            QCOMPARE(std::remainder(p.x, s), 0.0);
            QCOMPARE(std::remainder(p.y, s), 0.0);
        }
    }

    void auxGridLattice_data() {
        QTest::addColumn<QList<double>>("window");  // left, top, right, bottom
        QTest::addColumn<QString>("step");
        QTest::addColumn<int>("dots");
        QTest::addColumn<double>("maxX");
        QTest::newRow("0.1 added 3 times passes M = 0.3")
            << QList<double>{-0.3, 0.3, 0.3, -0.3} << "0.1" << 5 * 5 << 0.2;
        QTest::newRow("0.1 added 6 times reaches M = 0.6")  // 6 * 0.1 would pass it
            << QList<double>{-0.6, 0.6, 0.6, -0.6} << "0.1" << 13 * 13 << 0.6;
        QTest::newRow("view far from the origin: only the visible dots")
            << QList<double>{1000, 1060, 1060, 1000} << "10" << 7 * 7 << 1060.0;
        QTest::newRow("view below and left of the origin: M is negative")
            << QList<double>{-200, -100, -100, -200} << "10" << 0 << 0.0;
        QTest::newRow("lattice ends at -M")
            << QList<double>{-300, 10, -280, -10} << "10" << 0 << 0.0;
        QTest::newRow("lattice reaches -M and stops there")
            << QList<double>{-20, 10, 0, -10} << "10" << 2 * 3 << 0.0;
    }
    void auxGridLattice() {
        QFETCH(QList<double>, window);
        QFETCH(QString, step);
        QFETCH(int, dots);
        QFETCH(double, maxX);
        SectionView view(add_, subtracted_, result_, colors_);
        view.freeHandCheck = true;  // keeps the window set here
        view.setScale(window[0], window[1], window[2], window[3]);
        view.gridStepBox = step.toStdString();
        RecordingPainter painter;
        view.redrawSection(painter);
        QCOMPARE(painter.dotCount(), std::size_t(dots));
        if (dots == 0) return;
        double seenMax = -1e300;
        for (const WorldPt& p : painter.drawnDots[0].points) seenMax = std::max(seenMax, p.x);
        QCOMPARE(seenMax, maxX);
    }

    void auxGridFarOutStaysBounded() {
        // Near 1e16 doubles are 2 apart: adding 0.1 again and again from 0 would never reach M.
        SectionView view(add_, subtracted_, result_, colors_);
        view.freeHandCheck = true;
        view.setScale(1e16, 1e16 + 4, 1e16 + 4, 1e16);
        view.gridStepBox = "0.1";
        RecordingPainter painter;
        view.redrawSection(painter);
        QVERIFY(painter.dotCount() > 0);
        QVERIFY(painter.dotCount() <= 41 * 41);
        for (const WorldPt& p : painter.drawnDots[0].points) {
            QVERIFY(p.x >= 1e16 && p.x <= 1e16 + 4);
            QVERIFY(p.y >= 1e16 && p.y <= 1e16 + 4);
        }
    }

    void largeSectionReducedToPixels_data() {
        QTest::addColumn<double>("mult");
        QTest::addColumn<double>("ofsX");
        QTest::newRow("whole circle in view") << 1.0 << 0.0;
        QTest::newRow("zoomed onto the rim") << 0.01 << 100.0;
    }
    void largeSectionReducedToPixels() {
        QFETCH(double, mult);
        QFETCH(double, ofsX);
        constexpr int kVertices = 100000;
        fillCircle(add_, kVertices, 100);
        SectionView view(add_, subtracted_, result_, colors_);
        view.autoScaleCheck = false;
        view.viewMult = mult;
        view.viewOfsX = ofsX;
        RecordingPainter painter(500, true);
        view.redrawSection(painter);

        std::size_t points = 0;
        const double margin = 4 * view.scaleWidth() / 500 + 1e-9;
        for (const auto& run : painter.polylines) {
            QCOMPARE(run.color, kAdd);
            points += run.points.size();
            for (const WorldPt& p : run.points) {
                QVERIFY(p.x >= view.scaleLeft() - margin && p.x <= view.scaleRight() + margin);
                QVERIFY(p.y >= view.scaleBottom() - margin && p.y <= view.scaleTop() + margin);
            }
        }
        QVERIFY(!painter.polylines.empty());
        QVERIFY2(points < 4000, qPrintable(QString::number(points)));
        if (mult == 1.0) {
            // The whole circle is one run; its ends are the exact first and last vertices, and
            // every kept point is a vertex of the circle.
            QCOMPARE(painter.polylines.size(), std::size_t(1));
            const auto& run = painter.polylines[0].points;
            QCOMPARE(run.front(), (WorldPt{100, 0}));
            QCOMPARE(run.back(), (WorldPt{100, 0}));
            for (const WorldPt& p : run) QVERIFY(std::fabs(std::hypot(p.x, p.y) - 100) < 1e-3);
        }
    }
};

QTEST_GUILESS_MAIN(TestSectionView)
#include "test_section_view.moc"

// The drawing rules of the canvas without a window: fitting the window to the figures, the view
// panel actions, which segments and marks a redraw draws, the auxiliary grid, and the reduction
// of very large sections to what the pixels can show.
#include <QtTest>
#include <cmath>
#include <numbers>

#include "CanvasTestUtil.h"
#include "DgrmView.h"
#include "TablePoints.h"

using namespace kuvanto;
using kuvanto::test::Fill;
using kuvanto::test::RecordingPainter;

namespace {

constexpr std::uint32_t kAdd = 255;
constexpr std::uint32_t kSbtrt = 16711680;
constexpr std::uint32_t kGrid = 11857960;

QString Segment_Text(const std::vector<kuvanto::test::DrawnSegment>& segments) {
    QStringList out;
    for (const auto& s : segments) {
        out << QStringLiteral("%1,%2>%3,%4").arg(s.from.x).arg(s.from.y).arg(s.to.x).arg(s.to.y);
    }
    return out.join(';');
}

// A closed circle of n segments (n + 1 rows, the last repeating the first).
void Fill_Circle(CoodGrid& grid, int n, double radius) {
    Init_Cood_Grid(grid);
    grid.Set_Rows(n + 3);
    for (int i = 0; i <= n; ++i) {
        const double t = 2 * std::numbers::pi * (i % n) / n;
        grid.Set_Text(i + 1, 0, std::to_string(radius * std::cos(t)));
        grid.Set_Text(i + 1, 1, std::to_string(radius * std::sin(t)));
    }
}

}  // namespace

class TestDgrmView : public QObject {
    Q_OBJECT

    CoodGrid add_, sbtrt_;
    ResultGrid result_;
    DrawColors colors_;

    void Check_Window(const DgrmView& view, double left, double top, double right, double bottom) {
        QCOMPARE(view.Scale_Left(), left);
        QCOMPARE(view.Scale_Top(), top);
        QCOMPARE(view.Scale_Right(), right);
        QCOMPARE(view.Scale_Bottom(), bottom);
    }

private slots:
    void init() {
        Init_Cood_Grid(add_, sbtrt_);
        result_ = ResultGrid();
        colors_ = DrawColors();
    }

    void Window_Fits_Figures_data() {
        QTest::addColumn<QString>("add");
        QTest::addColumn<QString>("sbtrt");
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
    void Window_Fits_Figures() {
        QFETCH(QString, add);
        QFETCH(QString, sbtrt);
        QFETCH(bool, origin);
        QFETCH(QList<double>, window);
        Fill(add_, add);
        Fill(sbtrt_, sbtrt);
        DgrmView view(add_, sbtrt_, result_, colors_);
        view.Check1 = origin;
        RecordingPainter painter;
        view.Redraw_Dgrm(painter);
        QCOMPARE(view.View_Mult, 1.0);
        Check_Window(view, window[0], window[1], window[2], window[3]);
        QCOMPARE(painter.left, window[0]);
        QCOMPARE(painter.bottom, window[3]);
        QCOMPARE(view.Mark_Radius(), (window[2] - window[0]) / 100);
        QCOMPARE(painter.cleared_with, kCanvasBackColor);
    }

    void View_Buttons_data() {
        QTest::addColumn<QString>("button");  // "move" or "zoom"
        QTest::addColumn<int>("index");
        QTest::addColumn<double>("ofs_x");
        QTest::addColumn<double>("ofs_y");
        QTest::addColumn<double>("mult");
        // The rectangle's window is 400 wide: a pan step is 20.
        QTest::newRow("left arrow") << "move" << 0 << 20.0 << 0.0 << 1.0;
        QTest::newRow("right arrow") << "move" << 1 << -20.0 << 0.0 << 1.0;
        QTest::newRow("up arrow") << "move" << 2 << 0.0 << -20.0 << 1.0;
        QTest::newRow("down arrow") << "move" << 3 << 0.0 << 20.0 << 1.0;
        QTest::newRow("plus zooms in") << "zoom" << 0 << 0.0 << 0.0 << 1 / 1.1;
        QTest::newRow("minus zooms out") << "zoom" << 1 << 0.0 << 0.0 << 1.1;
    }
    void View_Buttons() {
        QFETCH(QString, button);
        QFETCH(int, index);
        QFETCH(double, ofs_x);
        QFETCH(double, ofs_y);
        QFETCH(double, mult);
        Fill(add_, "0,0;200,0;200,100;0,100;0,0");
        DgrmView view(add_, sbtrt_, result_, colors_);
        RecordingPainter painter;
        view.Redraw_Dgrm(painter);
        if (button == "move")
            view.View_Move_Cmd_Click(index);
        else
            view.Command1_Click(index);
        QVERIFY(!view.Auto_Scale_Check);
        QCOMPARE(view.View_Ofs_X, ofs_x);
        QCOMPARE(view.View_Ofs_Y, ofs_y);
        QCOMPARE(view.View_Mult, mult);
        view.Redraw_Dgrm(painter);  // the user's view survives the redraw
        const double d = 200 * mult;
        Check_Window(view, 100 + ofs_x - d, 50 + ofs_y + d, 100 + ofs_x + d, 50 + ofs_y - d);

        view.Auto_Scale_Check = true;  // turning AutoScale back on refits
        view.Redraw_Dgrm(painter);
        QCOMPARE(view.View_Mult, 1.0);
        QCOMPARE(view.View_Ofs_X, 0.0);
        Check_Window(view, -100, 250, 300, -150);
    }

    void Zoom_In_Twice_Out_Twice_Returns() {
        Fill(add_, "0,0;200,0;200,100;0,100;0,0");
        DgrmView view(add_, sbtrt_, result_, colors_);
        RecordingPainter painter;
        view.Redraw_Dgrm(painter);
        for (int index : {0, 0, 1, 1}) {
            view.Command1_Click(index);
            view.Redraw_Dgrm(painter);
        }
        QVERIFY(!view.Auto_Scale_Check);
        QVERIFY(qFuzzyCompare(view.View_Mult, 1.0));
        QVERIFY(qFuzzyCompare(view.Scale_Width(), 400.0));
    }

    void Freehand_Keeps_The_Window() {
        Fill(add_, "0,0;200,0");
        DgrmView view(add_, sbtrt_, result_, colors_);
        view.FreeHand_Check = true;
        view.Set_Scale(-1, 1, 1, -1);
        RecordingPainter painter;
        view.Redraw_Dgrm(painter);
        Check_Window(view, -1, 1, 1, -1);
    }

    void Segments_data() {
        QTest::addColumn<QString>("add");
        QTest::addColumn<QString>("sbtrt");
        QTest::addColumn<QString>("add_segments");
        QTest::addColumn<QString>("sbtrt_segments");
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
    void Segments() {
        QFETCH(QString, add);
        QFETCH(QString, sbtrt);
        QFETCH(QString, add_segments);
        QFETCH(QString, sbtrt_segments);
        Fill(add_, add);
        Fill(sbtrt_, sbtrt);
        DgrmView view(add_, sbtrt_, result_, colors_);
        RecordingPainter painter;
        view.Redraw_Dgrm(painter);
        QCOMPARE(Segment_Text(painter.Segments_In(kAdd)), add_segments);
        QCOMPARE(Segment_Text(painter.Segments_In(kSbtrt)), sbtrt_segments);
        for (const auto& s : painter.Segments_In(kAdd)) QCOMPARE(s.pen, 2);
    }

    void Segments_Follow_Table_Changes() {
        Fill(add_, "0,0;10,0");
        DgrmView view(add_, sbtrt_, result_, colors_);
        RecordingPainter painter;
        view.Redraw_Dgrm(painter);
        add_.Set_Text(2, 1, "5");
        view.Redraw_Dgrm(painter);
        QCOMPARE(Segment_Text(painter.Segments_In(kAdd)), QStringLiteral("0,0>10,5"));
        add_.Set_Text(2, 0, "<<図形区切り>>");
        view.Redraw_Dgrm(painter);
        QVERIFY(painter.Segments_In(kAdd).empty());
    }

    void Points_Reread_After_Edits_data() {
        QTest::addColumn<QString>("edit");
        QTest::newRow("one cell changed in the middle") << "set";
        QTest::newRow("rows inserted in the middle") << "insert";
        QTest::newRow("rows removed in the middle") << "remove";
        QTest::newRow("rows appended at the end") << "append";
        QTest::newRow("same texts shifted by one row") << "shift";
        QTest::newRow("whole table reset") << "reset";
    }
    void Points_Reread_After_Edits() {
        QFETCH(QString, edit);
        Fill(add_, "0,0;1,1;2,2;|;3,3;4,4;5,5;5,5;6,6");
        TablePoints cached;
        cached.Update(add_);
        if (edit == "set") {
            add_.Set_Text(5, 1, "40");
        } else if (edit == "insert") {
            add_.Insert_Rows(4, 2);
            add_.Set_Text(4, 0, "7");
            add_.Set_Text(4, 1, "8");
        } else if (edit == "remove") {
            add_.Remove_Rows(3, 3);
        } else if (edit == "append") {
            add_.Set_Text(10, 0, "9");
            add_.Set_Text(10, 1, "9");
            add_.Set_Rows(12);
        } else if (edit == "shift") {
            add_.Insert_Rows(8, 1);  // rows 7, 8 both held "5,5"
            add_.Set_Text(8, 0, "5");
            add_.Set_Text(8, 1, "5");
        } else {
            Init_Cood_Grid(add_);
        }
        QVERIFY(cached.Update(add_));
        TablePoints fresh;
        fresh.Update(add_);
        QCOMPARE(cached.Rows(), fresh.Rows());
        for (int row = 0; row < fresh.Rows(); ++row) {
            QCOMPARE(cached.Has_Vertex(row), fresh.Has_Vertex(row));
            if (fresh.Has_Vertex(row)) QCOMPARE(cached.Point(row), fresh.Point(row));
        }
        QVERIFY(!cached.Update(add_));
    }

    void Origin_Mark() {
        DgrmView view(add_, sbtrt_, result_, colors_);
        RecordingPainter painter;
        view.Redraw_Dgrm(painter);  // empty tables: window +-100, r = 2
        QCOMPARE(Segment_Text(painter.Segments_In(kOriginMarkColor)),
                 QStringLiteral("-4,0>4,0;0,4>0,-4"));
        QCOMPARE(painter.circles.size(), std::size_t(2));
        QCOMPARE(painter.circles[0].radius, 2.0);
        QCOMPARE(painter.circles[1].radius, 1.0);
        QCOMPARE(painter.circles[0].centre, (WorldPt{0, 0}));
        QCOMPARE(painter.circles[0].pen, 1);

        view.Check1 = false;
        view.Redraw_Dgrm(painter);
        QVERIFY(painter.circles.empty());
        QVERIFY(painter.segments.empty());
    }

    void Centroid_Mark_data() {
        QTest::addColumn<QString>("head");
        QTest::addColumn<QString>("xg");
        QTest::addColumn<QString>("yg");
        QTest::addColumn<bool>("check2");
        QTest::addColumn<bool>("drawn");
        QTest::newRow("total column and switch on") << "総合"
                                                    << "1.5E1"
                                                    << "2.0E1" << true << true;
        QTest::newRow("switch off") << "総合"
                                    << "1.5E1"
                                    << "2.0E1" << false << false;
        QTest::newRow("last column is a figure") << "加算1"
                                                 << "1.5E1"
                                                 << "2.0E1" << true << false;
        QTest::newRow("fresh result table") << ""
                                            << ""
                                            << "" << true << false;
        QTest::newRow("empty centroid cell") << "総合"
                                             << "1.5E1"
                                             << "" << true << false;
    }
    void Centroid_Mark() {
        QFETCH(QString, head);
        QFETCH(QString, xg);
        QFETCH(QString, yg);
        QFETCH(bool, check2);
        QFETCH(bool, drawn);
        const int col = result_.Cols() - 1;
        result_.Set_Text(0, col, head.toStdString());
        result_.Set_Text(2, col, xg.toStdString());
        result_.Set_Text(3, col, yg.toStdString());
        DgrmView view(add_, sbtrt_, result_, colors_);
        view.Check1 = false;
        view.Check2 = check2;
        RecordingPainter painter;
        view.Redraw_Dgrm(painter);  // window +-100: r = 2, half cross = 200 / 3
        const auto cross = painter.Segments_In(kCentroidMarkColor);
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

    void Aux_Grid_Against_View_Width_data() {
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
    void Aux_Grid_Against_View_Width() {
        QFETCH(QString, add);
        QFETCH(QString, step);
        QFETCH(bool, marks);
        QFETCH(int, dots);
        QFETCH(int, pen);
        Fill(add_, add);
        DgrmView view(add_, sbtrt_, result_, colors_);
        view.Check1 = marks;
        view.Check2 = false;
        view.Combo1 = step.toStdString();
        RecordingPainter painter;
        view.Redraw_Dgrm(painter);
        QCOMPARE(painter.Dot_Count(), std::size_t(dots));
        if (dots == 0) return;
        QCOMPARE(painter.dots.size(), std::size_t(1));
        QCOMPARE(painter.dots[0].pen, pen);
        QCOMPARE(painter.dots[0].color, kGrid);
        const double s = step.toDouble();
        for (const WorldPt& p : painter.dots[0].points) {
            QVERIFY(p.x >= view.Scale_Left() && p.x <= view.Scale_Right());
            QVERIFY(p.y >= view.Scale_Bottom() && p.y <= view.Scale_Top());
            QCOMPARE(std::remainder(p.x, s), 0.0);
            QCOMPARE(std::remainder(p.y, s), 0.0);
        }
    }

    void Aux_Grid_Lattice_data() {
        QTest::addColumn<QList<double>>("window");  // left, top, right, bottom
        QTest::addColumn<QString>("step");
        QTest::addColumn<int>("dots");
        QTest::addColumn<double>("max_x");
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
    void Aux_Grid_Lattice() {
        QFETCH(QList<double>, window);
        QFETCH(QString, step);
        QFETCH(int, dots);
        QFETCH(double, max_x);
        DgrmView view(add_, sbtrt_, result_, colors_);
        view.FreeHand_Check = true;  // keeps the window set here
        view.Set_Scale(window[0], window[1], window[2], window[3]);
        view.Combo1 = step.toStdString();
        RecordingPainter painter;
        view.Redraw_Dgrm(painter);
        QCOMPARE(painter.Dot_Count(), std::size_t(dots));
        if (dots == 0) return;
        double seen_max = -1e300;
        for (const WorldPt& p : painter.dots[0].points) seen_max = std::max(seen_max, p.x);
        QCOMPARE(seen_max, max_x);
    }

    void Aux_Grid_Far_Out_Stays_Bounded() {
        // Near 1e16 doubles are 2 apart: adding 0.1 again and again from 0 would never reach M.
        DgrmView view(add_, sbtrt_, result_, colors_);
        view.FreeHand_Check = true;
        view.Set_Scale(1e16, 1e16 + 4, 1e16 + 4, 1e16);
        view.Combo1 = "0.1";
        RecordingPainter painter;
        view.Redraw_Dgrm(painter);
        QVERIFY(painter.Dot_Count() > 0);
        QVERIFY(painter.Dot_Count() <= 41 * 41);
        for (const WorldPt& p : painter.dots[0].points) {
            QVERIFY(p.x >= 1e16 && p.x <= 1e16 + 4);
            QVERIFY(p.y >= 1e16 && p.y <= 1e16 + 4);
        }
    }

    void Large_Section_Reduced_To_Pixels_data() {
        QTest::addColumn<double>("mult");
        QTest::addColumn<double>("ofs_x");
        QTest::newRow("whole circle in view") << 1.0 << 0.0;
        QTest::newRow("zoomed onto the rim") << 0.01 << 100.0;
    }
    void Large_Section_Reduced_To_Pixels() {
        QFETCH(double, mult);
        QFETCH(double, ofs_x);
        constexpr int kVertices = 100000;
        Fill_Circle(add_, kVertices, 100);
        DgrmView view(add_, sbtrt_, result_, colors_);
        view.Auto_Scale_Check = false;
        view.View_Mult = mult;
        view.View_Ofs_X = ofs_x;
        RecordingPainter painter(500, true);
        view.Redraw_Dgrm(painter);

        std::size_t points = 0;
        const double margin = 4 * view.Scale_Width() / 500 + 1e-9;
        for (const auto& run : painter.polylines) {
            QCOMPARE(run.color, kAdd);
            points += run.points.size();
            for (const WorldPt& p : run.points) {
                QVERIFY(p.x >= view.Scale_Left() - margin && p.x <= view.Scale_Right() + margin);
                QVERIFY(p.y >= view.Scale_Bottom() - margin && p.y <= view.Scale_Top() + margin);
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

QTEST_GUILESS_MAIN(TestDgrmView)
#include "test_dgrm_view.moc"

// The canvas mouse on the offscreen platform: the status text at (12.5, 40), Ctrl + left drag
// panning by a quarter of the window, Ctrl + right drag zooming by the rule and stopping at 0.02
// and 20, Ctrl + Shift doing neither, release picking (Shift: the whole figure), the right release
// asking for a menu, the double click asking to edit at the press point, and the wheel zooming
// about the cursor.
#include <QSignalSpy>
#include <QtTest>

#include "CanvasTestUtil.h"
#include "canvas/CanvasMouse.h"
#include "canvas/SectionCanvas.h"

using namespace kuvanto;
using kuvanto::test::fill;

class TestCanvasMouse : public QObject {
    Q_OBJECT

    CoordTable add_, subtracted_;
    ResultTable result_;
    DrawColors colors_;
    std::unique_ptr<SectionCanvas> canvas_;
    std::unique_ptr<CanvasMouse> mouse_;

    SectionView& view() { return canvas_->view(); }

private slots:
    void init() {
        fill(add_, "-100,-100;100,-100;100,100;-100,100");
        resetCoordTable(subtracted_);
        canvas_ = std::make_unique<SectionCanvas>(add_, subtracted_, result_, colors_);
        canvas_->resize(400, 400);
        canvas_->redrawSection();
        mouse_ = std::make_unique<CanvasMouse>(canvas_.get());
    }

    void cleanup() {
        mouse_.reset();
        canvas_.reset();
    }

    void statusTextAtDefaultView() {
        QSignalSpy status(mouse_.get(), &CanvasMouse::statusText);
        mouse_->move(Qt::NoButton, 0, 12.5, 40);
        QCOMPARE(status.last()[0].toString(),
                 QStringLiteral("X=  12.500 , Y=  40.000       [ZoomFactor:1.000 , Xm:0.000 , "
                                "Ym:0.000]"));
    }

    void ctrlLeftDragPans() {
        const double quarter = view().scaleWidth() / 4;
        const double left = view().scaleLeft();
        QSignalSpy status(mouse_.get(), &CanvasMouse::statusText);
        mouse_->press(Qt::LeftButton, 2, 0, 0);
        mouse_->move(Qt::LeftButton, 2, quarter, 0);
        QVERIFY(!canvas_->autoScale());
        QCOMPARE(view().scaleLeft(), left - quarter);  // the drawing follows the cursor
        QVERIFY(
            status.last()[0].toString().contains(QStringLiteral("Xm:%1 ").arg(quarter, 0, 'f', 3)));
    }

    void ctrlRightDragZooms_data() {
        QTest::addColumn<double>("heights");  // drag distance in window heights, down positive
        QTest::addColumn<double>("mult");
        QTest::addColumn<QString>("shown");
        QTest::newRow("one height down") << 1.0 << 1 / (1 + std::sqrt(5.0)) << "3.236";
        QTest::newRow("one height up") << -1.0 << 1 + std::sqrt(5.0) << "0.309";
        QTest::newRow("far down stops at 0.02") << 100.0 << 0.02 << "50.000";
        QTest::newRow("far up stops at 20") << -100.0 << 20.0 << "0.050";
    }

    void ctrlRightDragZooms() {
        QFETCH(double, heights);
        QFETCH(double, mult);
        QFETCH(QString, shown);
        QSignalSpy status(mouse_.get(), &CanvasMouse::statusText);
        mouse_->press(Qt::RightButton, 2, 0, 0);
        const double h = -view().scaleHeight();
        mouse_->move(Qt::RightButton, 2, 0, -heights * h);
        QCOMPARE(view().viewMult, mult);
        QVERIFY(status.last()[0].toString().contains("ZoomFactor:" + shown + " "));
    }

    void ctrlShiftDoesNothing() {
        const double left = view().scaleLeft();
        mouse_->press(Qt::LeftButton, 3, 0, 0);
        mouse_->move(Qt::LeftButton, 3, 50, 50);
        mouse_->release(Qt::LeftButton, 3, 50, 50, {});
        QCOMPARE(view().scaleLeft(), left);
        QVERIFY(canvas_->autoScale());
    }

    void releasePicksAndAsksForMenus() {
        QSignalSpy picks(mouse_.get(), &CanvasMouse::pickRequested);
        QSignalSpy menus(mouse_.get(), &CanvasMouse::contextMenuRequested);
        mouse_->release(Qt::LeftButton, 0, 1, 2, {});
        mouse_->release(Qt::LeftButton, 1, 3, 4, {});
        mouse_->release(Qt::RightButton, 1, 3, 4, {});  // Shift + right: nothing
        mouse_->release(Qt::RightButton, 0, 5, 6, {});
        QCOMPARE(picks.size(), 3);
        QCOMPARE(picks[0], (QList<QVariant>{1.0, 2.0, 0}));
        QCOMPARE(picks[1], (QList<QVariant>{3.0, 4.0, 1}));
        QCOMPARE(menus.size(), 1);
        QCOMPARE(menus[0][0].toBool(), false);
        // In freehand mode a click does not pick.
        view().freeHandCheck = true;
        mouse_->release(Qt::RightButton, 0, 5, 6, {});
        QCOMPARE(picks.size(), 3);
        QCOMPARE(menus.last()[0].toBool(), true);
    }

    void doubleClickEditsAtPress() {
        QSignalSpy edits(mouse_.get(), &CanvasMouse::editRequested);
        mouse_->press(Qt::LeftButton, 0, 7, 8);
        mouse_->doubleClick();
        QCOMPARE(edits.size(), 1);
        QCOMPARE(edits[0], (QList<QVariant>{7.0, 8.0}));
    }

    void wheelZoomsAboutCursor() {
        const WorldPt at{50, 25};
        const QPointF before = canvas_->toWidget(at);
        mouse_->wheel(1, at.x, at.y);
        QVERIFY(view().viewMult < 1);
        const QPointF after = canvas_->toWidget(at);
        QVERIFY(std::abs(after.x() - before.x()) < 1e-6);
        QVERIFY(std::abs(after.y() - before.y()) < 1e-6);
        for (int i = 0; i < 100; ++i) mouse_->wheel(1, at.x, at.y);
        QCOMPARE(view().viewMult, CanvasMouse::kMinMult);
        for (int i = 0; i < 200; ++i) mouse_->wheel(-1, at.x, at.y);
        QCOMPARE(view().viewMult, CanvasMouse::kMaxMult);
    }
};

QTEST_MAIN(TestCanvasMouse)
#include "test_canvas_mouse.moc"

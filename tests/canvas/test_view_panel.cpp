// The view panel through its real widgets on the offscreen platform: captions, tooltips and the
// grid-step list, the pan and zoom buttons turning AutoScale off and redrawing the canvas, the
// AutoScale switch refitting, the grid-step list redrawing, enabling, hover hints and help.
#include <QHBoxLayout>
#include <QtTest>
#include <memory>

#include "CanvasTestUtil.h"
#include "canvas/ViewPanel.h"

using namespace kuvanto;
using kuvanto::test::fill;

namespace {

const QString kMoveTip = QStringLiteral("Ctrl+左クリックドラッグ");
const QString kZoomTip = QStringLiteral("Ctrl+右クリックドラッグ");

}  // namespace

class TestViewPanel : public QObject {
    Q_OBJECT

    CoordTable add_, subtracted_;
    ResultTable result_;
    DrawColors colors_;
    std::unique_ptr<QWidget> window_;
    SectionCanvas* canvas_ = nullptr;
    ViewPanel* panel_ = nullptr;

    template <typename T>
    T* Find(const QString& name) {
        T* widget = window_->findChild<T*>(name);
        if (!widget) qFatal("no control %s", qPrintable(name));
        return widget;
    }

private slots:
    void init() {
        fill(add_, "0,0;200,0;200,100;0,100;0,0");  // window (-100, 250) to (300, -150)
        resetCoordTable(subtracted_);
        window_ = std::make_unique<QWidget>();
        auto* layout = new QHBoxLayout(window_.get());
        canvas_ = new SectionCanvas(add_, subtracted_, result_, colors_);
        panel_ = new ViewPanel(*canvas_);
        layout->addWidget(canvas_, 1);
        layout->addWidget(panel_);
        window_->resize(700, 420);
        window_->show();
        QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
        canvas_->redrawSection();
    }
    void cleanup() { window_.reset(); }

    void Controls_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("tooltip");
        QTest::newRow("left") << "View_Move_Cmd_0"
                              << "←" << kMoveTip;
        QTest::newRow("right") << "View_Move_Cmd_1"
                               << "→" << kMoveTip;
        QTest::newRow("up") << "View_Move_Cmd_2"
                            << "↑" << kMoveTip;
        QTest::newRow("down") << "View_Move_Cmd_3"
                              << "↓" << kMoveTip;
        QTest::newRow("zoom in") << "Command1_0"
                                 << "+" << kZoomTip;
        QTest::newRow("zoom out") << "Command1_1"
                                  << "-" << kZoomTip;
        QTest::newRow("help") << "HelpForm_Bt"
                              << "?"
                              << "";
    }
    void Controls() {
        QFETCH(QString, name);
        QFETCH(QString, caption);
        QFETCH(QString, tooltip);
        auto* button = Find<QPushButton>(name);
        QCOMPARE(button->text(), caption);
        QCOMPARE(button->toolTip(), tooltip);
    }

    void switchListAndLabel() {
        auto* autoScale = Find<QCheckBox>("Auto_Scale_Check");
        QCOMPARE(autoScale->text(), QStringLiteral("AutoScale"));
        QVERIFY(autoScale->isChecked());
        QCOMPARE(Find<QLabel>("Grid_Label")->text(), QStringLiteral("補助Grid"));
        auto* combo = Find<QComboBox>("Combo1");
        QCOMPARE(combo->currentText(), QStringLiteral("None"));
        QCOMPARE(combo->toolTip(), QStringLiteral("フリーハンド描画モードにて利用できます。"));
        QStringList items;
        for (int i = 0; i < combo->count(); ++i) items << combo->itemText(i);
        QCOMPARE(items,
                 QStringList({"None", "0.1", "0.2", "0.25", "0.254", "0.5", "1.0", "2.0", "5.0",
                              "6.35", "10", "12.7", "20", "25", "25.4", "50", "100", "200"}));
    }

    void buttonsTurnAutoScaleOffAndRedraw_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<double>("left");
        QTest::addColumn<double>("top");
        QTest::addColumn<double>("width");
        // The fitted window is 400 wide: a pan step is 20.
        QTest::newRow("left arrow moves the drawing left")
            << "View_Move_Cmd_0" << -80.0 << 250.0 << 400.0;
        QTest::newRow("right arrow moves it right")
            << "View_Move_Cmd_1" << -120.0 << 250.0 << 400.0;
        QTest::newRow("up arrow moves it up") << "View_Move_Cmd_2" << -100.0 << 230.0 << 400.0;
        QTest::newRow("down arrow moves it down") << "View_Move_Cmd_3" << -100.0 << 270.0 << 400.0;
        QTest::newRow("plus zooms in")
            << "Command1_0" << 100 - 200 / 1.1 << 50 + 200 / 1.1 << 400 / 1.1;
        QTest::newRow("minus zooms out") << "Command1_1" << 100 - 220.0 << 50 + 220.0 << 440.0;
    }
    void buttonsTurnAutoScaleOffAndRedraw() {
        QFETCH(QString, name);
        QFETCH(double, left);
        QFETCH(double, top);
        QFETCH(double, width);
        QTest::mouseClick(Find<QPushButton>(name), Qt::LeftButton);
        QVERIFY(!Find<QCheckBox>("Auto_Scale_Check")->isChecked());
        QVERIFY(!canvas_->autoScale());
        QCOMPARE(canvas_->scaleLeft(), left);
        QCOMPARE(canvas_->scaleTop(), top);
        QCOMPARE(canvas_->scaleWidth(), width);
    }

    void plusTwiceMinusTwiceReturns() {
        for (const char* name : {"Command1_0", "Command1_0", "Command1_1", "Command1_1"})
            QTest::mouseClick(Find<QPushButton>(name), Qt::LeftButton);
        QVERIFY(qFuzzyCompare(canvas_->view().viewMult, 1.0));
        QVERIFY(!Find<QCheckBox>("Auto_Scale_Check")->isChecked());
    }

    void autoScaleClickRefitsWhenChecked() {
        QTest::mouseClick(Find<QPushButton>("View_Move_Cmd_0"), Qt::LeftButton);
        auto* autoScale = Find<QCheckBox>("Auto_Scale_Check");
        QTest::mouseClick(autoScale, Qt::LeftButton, {}, autoScale->rect().center());
        QVERIFY(autoScale->isChecked());
        QCOMPARE(canvas_->view().viewOfsX, 0.0);
        QCOMPARE(canvas_->scaleLeft(), -100.0);
        // Unchecking keeps the view as it is until the next change.
        canvas_->view().viewOfsX = 40;
        QTest::mouseClick(autoScale, Qt::LeftButton, {}, autoScale->rect().center());
        QVERIFY(!canvas_->autoScale());
        QCOMPARE(canvas_->scaleLeft(), -100.0);
    }

    void gridStepSelectionRedraws() {
        const QColor grid(40, 240, 180);
        auto countGrid = [&] {
            const QImage& image = canvas_->picture();
            int n = 0;
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x) n += image.pixelColor(x, y) == grid;
            return n;
        };
        QCOMPARE(countGrid(), 0);
        auto* combo = Find<QComboBox>("Combo1");
        combo->setCurrentIndex(combo->findText("10"));  // 40 steps across the window
        QCOMPARE(canvas_->view().gridStep(), 10.0);
        QVERIFY(countGrid() > 0);
        combo->setCurrentIndex(0);
        QCOMPARE(countGrid(), 0);
    }

    void setViewControlsEnabled() {
        const QStringList names = {"Auto_Scale_Check", "View_Move_Cmd_0", "View_Move_Cmd_1",
                                   "View_Move_Cmd_2",  "View_Move_Cmd_3", "Command1_0",
                                   "Command1_1",       "Combo1",          "HelpForm_Bt",
                                   "Grid_Label"};
        for (bool tf : {false, true}) {
            panel_->setViewControlsEnabled(tf);
            for (const QString& name : names) QCOMPARE(Find<QWidget>(name)->isEnabled(), tf);
        }
    }

    void hoverHints_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("hint");
        const QString viewHint =
            QStringLiteral("図形画面表示の尺度変更又は移動を行ないます。(マウスでも可)");
        QTest::newRow("AutoScale") << "Auto_Scale_Check"
                                   << "チェックを入れることにより手動にて尺度変更又は移動した表"
                                      "示をオートスケールに戻します。";
        QTest::newRow("pan button") << "View_Move_Cmd_2" << viewHint;
        QTest::newRow("zoom button") << "Command1_1" << viewHint;
        QTest::newRow("grid label") << "Grid_Label"
                                    << "座標グリッドの表示及び、フリーハンド描画モードにおける"
                                       "座標入力制限を行ないます。";
    }
    void hoverHints() {
        QFETCH(QString, name);
        QFETCH(QString, hint);
        QSignalSpy spy(panel_, &ViewPanel::statusHint);
        QWidget* widget = Find<QWidget>(name);
        QTest::mouseMove(widget, widget->rect().center());
        QVERIFY(!spy.isEmpty());
        QCOMPARE(spy.last().at(0).toString(), hint);
    }

    void helpButtonAsksForHelp() {
        QSignalSpy spy(panel_, &ViewPanel::helpRequested);
        QTest::mouseClick(Find<QPushButton>("HelpForm_Bt"), Qt::LeftButton);
        QCOMPARE(spy.count(), 1);
    }
};

QTEST_MAIN(TestViewPanel)
#include "test_view_panel.moc"

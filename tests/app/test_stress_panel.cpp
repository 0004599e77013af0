// The loads panel and its stress picture: values typed in the chosen units become N and N·mm (a
// text that does not read leaves the case as it was), the picture gives the stress of the shown
// case inside the material and nothing in a hole or outside, a case with shear actions leaves the
// components that need the shear empty, the cases and units are kept in the settings, the
// panel's buttons read and write load-case files in the window, and the colour maps put white at
// zero.
#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QSettings>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

#include "../core/CoordTableBuilder.h"
#include "ScriptedMessenger.h"
#include "app/MainWindow.h"
#include "app/StressPanel.h"
#include "app/TorsionPanel.h"
#include "canvas/StressView.h"
#include "core/section/Calculation.h"
#include "io/LoadCaseFile.h"

using namespace kuvanto;

namespace {

// The rectangle 100 × 200 with the hole 50 × 100 in its middle: A = 15000, Ix = 6.25e7,
// Iy = 1.5625e7, centroid (50, 100).
void fillRectangleWithHole(Workspace& work) {
    work.addGrid =
        test::coordTableOf({"0,0", "100,0", "100,200", "0,200", "0,0"}, test::EntryRow::With);
    work.subtractedGrid =
        test::coordTableOf({"25,50", "75,50", "75,150", "25,150", "25,50"}, test::EntryRow::With);
}

LoadCase caseOf(const char* name, double n, double mx, double my, double vy = 0) {
    LoadCase loads;
    loads.name = name;
    loads[LoadAction::AxialForce] = n;
    loads[LoadAction::MomentX] = mx;
    loads[LoadAction::MomentY] = my;
    loads[LoadAction::ShearY] = vy;
    return loads;
}

}  // namespace

class TestStressPanel : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        QVERIFY(settings_.isValid() && folder_.isValid());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings_.path());
        QCoreApplication::setOrganizationName(QStringLiteral("KuvantoTest"));
    }
    void init() { QSettings().clear(); }

    void typedValues_data() {
        QTest::addColumn<bool>("kiloNewton");
        QTest::addColumn<bool>("kiloNewtonMetre");
        QTest::addColumn<int>("action");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<double>("expected");  // in N or N·mm
        const int n = int(LoadAction::AxialForce), mx = int(LoadAction::MomentX),
                  t = int(LoadAction::Torque);
        QTest::newRow("kN·m") << true << true << mx << "20" << 2e7;
        QTest::newRow("N·mm") << false << false << mx << "20" << 20.0;
        QTest::newRow("kN") << true << false << n << "-1.5" << -1500.0;
        QTest::newRow("N") << false << true << n << "1.5e3" << 1500.0;
        QTest::newRow("torque in kN·m") << false << true << t << "0.25" << 2.5e5;
        QTest::newRow("not a number") << true << true << mx << "2O" << 7.0;
        QTest::newRow("beyond double once scaled") << true << true << mx << "1e305" << 7.0;
        QTest::newRow("empty") << true << true << n << "" << 7.0;
    }
    void typedValues() {
        QFETCH(bool, kiloNewton);
        QFETCH(bool, kiloNewtonMetre);
        QFETCH(int, action);
        QFETCH(QString, typed);
        QFETCH(double, expected);
        Workspace work(folder_.path());
        StressPanel panel(work);
        LoadCase start = caseOf("a", 7, 7, 7);
        start.actions.fill(7);
        panel.setCases({start});
        panel.setUnits(kiloNewton, kiloNewtonMetre);
        auto* table = panel.findChild<QTableWidget*>(QStringLiteral("Stress_Cases"));
        QVERIFY(table);
        table->item(0, 1 + action)->setText(typed);
        QCOMPARE(panel.cases().front()[static_cast<LoadAction>(action)], expected);
        // The cell shows what the case holds, in the chosen unit.
        const LoadActionEntry& entry = kLoadActions[static_cast<std::size_t>(action)];
        QCOMPARE(table->item(0, 1 + action)->text().toDouble() * panel.factor(entry.kind),
                 expected);
    }

    // N = 150 kN, Mx = 62.5 kN·m: 10 MPa ± 100 MPa over the height.
    void pictureOfTheShownCase() {
        Workspace work(folder_.path());
        fillRectangleWithHole(work);
        StressPanel panel(work);
        panel.resize(600, 800);
        panel.setCases({caseOf("a", 1.5e5, 6.25e7, 0), caseOf("b", 0, 0, 0, 1000)});
        panel.show();
        QVERIFY(QTest::qWaitForWindowExposed(&panel));
        QVERIFY(panel.waitForStresses(60000));
        StressView* view = panel.view();
        QCOMPARE(view->component(), StressComponent::NormalZ);
        QVERIFY(std::abs(*view->valueAt({50, 200 - 1e-9}) - 110) < 1e-6);
        QVERIFY(std::abs(*view->valueAt({10, 100}) - 10) < 1e-9);
        QVERIFY(!view->valueAt({50, 100}));   // in the hole
        QVERIFY(!view->valueAt({150, 100}));  // beside the section
        QVERIFY(panel.envelopeText().contains(QStringLiteral("110")));

        panel.showComponent(StressComponent::VonMises);
        QVERIFY(std::abs(*view->valueAt({10, 5}) - 85) < 1e-6);  // |10 − 95|

        // The second case has Vy and there is no torsion analysis: σ_zz is shown (zero here),
        // σ_vM is not computed for it, a notice says why, and so the envelope of σ_vM over both
        // cases has no value.
        QVERIFY(panel.noticeText().isEmpty());
        panel.showCase(1);
        QCOMPARE(panel.shownCase(), 1);
        QVERIFY(!view->valueAt({10, 5}));
        QVERIFY(panel.envelopeText().endsWith(QStringLiteral(": -")));
        QVERIFY(!panel.noticeText().isEmpty());
        panel.showComponent(StressComponent::NormalZ);
        QCOMPARE(*view->valueAt({10, 5}), 0.0);
    }

    // The stresses follow a change of the tables when the panel is refreshed.
    void followsTheTables() {
        Workspace work(folder_.path());
        fillRectangleWithHole(work);
        StressPanel panel(work);
        panel.setCases({caseOf("a", 1.5e5, 0, 0)});
        panel.refresh();
        QVERIFY(panel.waitForStresses(60000));
        QVERIFY(std::abs(*panel.view()->valueAt({10, 10}) - 10) < 1e-12);
        work.subtractedGrid = test::coordTableOf({}, test::EntryRow::With);
        work.addGrid.setText(1, 0, "0");  // a change the tables' state records
        panel.refresh();
        QVERIFY(panel.waitForStresses(60000));
        QVERIFY(std::abs(*panel.view()->valueAt({50, 100}) - 7.5) < 1e-12);  // 150 kN over 20000
    }

    // Figures with materials: each material's stresses with σvM over its fy.
    void perMaterial() {
        Workspace work(folder_.path());
        work.addGrid = test::coordTableOf({"0,0", "100,0", "100,10", "0,10", "0,0", "|", "0,10",
                                           "100,10", "100,110", "0,110", "0,10"},
                                          test::EntryRow::With);
        QVERIFY(work.materials.setMaterial({"A", 200000, 0.3, 235, 7.85, {}}));
        QVERIFY(work.materials.setMaterial({"B", 20000, 0.2, 30, 2.3, {}}));
        QVERIFY(work.materials.assign(TableKind::Added, 1, "A"));
        QVERIFY(work.materials.assign(TableKind::Added, 2, "B"));
        work.materials.setReferenceName("A");
        StressPanel panel(work);
        panel.setCases({caseOf("a", 0, 2e7, 0)});
        QVERIFY(panel.waitForStresses(60000));
        const QString text = panel.materialsText();
        QVERIFY2(text.contains(QStringLiteral("A (n = 1)")) &&
                     text.contains(QStringLiteral("B (n = 0.1)")) &&
                     text.contains(QStringLiteral("σvM/fy")),
                 qPrintable(text));
    }

    void keptInTheSettings() {
        Workspace work(folder_.path());
        {
            StressPanel panel(work);
            panel.setUnits(false, false);
            panel.setCases({caseOf("dead, permanent", -1e5, 3e7, 0), caseOf("wind", 0, 0, 2e6)});
        }
        StressPanel again(work);
        QCOMPARE(again.cases().size(), std::size_t(2));
        QVERIFY(again.cases()[0] == caseOf("dead, permanent", -1e5, 3e7, 0));
        QCOMPARE(again.factor(ActionKind::Force), 1.0);
        QCOMPARE(again.factor(ActionKind::Moment), 1.0);
    }

    // In the window: the loads tab beside the drawing shows the section of the result tab; the
    // buttons read a load-case file (a damaged one is refused with its line and the cases stay),
    // write one, add and delete cases.
    void inTheWindow() {
        ScriptedMessenger messenger;
        MainWindow window(folder_.path(), &messenger);
        QVERIFY(window.openCsvFile(QStringLiteral(KUVANTO_FIXTURES "/rectangle-with-hole.csv")));
        window.show();
        window.selectTab(2);
        auto* views = window.findChild<QTabWidget*>(QStringLiteral("Result_Views"));
        auto* panel = window.findChild<StressPanel*>();
        QVERIFY(views && panel);
        views->setCurrentWidget(panel);
        QVERIFY(QTest::qWaitForWindowExposed(&window));

        const QString good = folder_.filePath(QStringLiteral("good.csv"));
        const QString bad = folder_.filePath(QStringLiteral("bad.csv"));
        for (const auto& [path, text] : {std::pair{good, QByteArray("name,N\nten,150000\n")},
                                         std::pair{bad, QByteArray("name,N\nx,1\ny,z\n")}}) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(text);
        }
        auto click = [panel](const char* name) {
            auto* button = panel->findChild<QPushButton*>(QLatin1String(name));
            QVERIFY(button);
            button->click();
        };
        messenger.paths << good;
        click("Stress_Read");
        QVERIFY(panel->waitForStresses(60000));
        QCOMPARE(panel->cases().size(), std::size_t(1));
        QVERIFY(std::abs(*panel->view()->valueAt({10, 10}) - 10) < 1e-12);  // 150 kN / 15000 mm²

        messenger.paths << bad;
        click("Stress_Read");
        QVERIFY(messenger.noticeTexts().last().contains(QStringLiteral("3 行目")));
        QCOMPARE(panel->cases().front().name, std::string("ten"));

        click("Stress_Add");
        QCOMPARE(panel->cases().size(), std::size_t(2));
        QCOMPARE(panel->shownCase(), 1);
        const QString written = folder_.filePath(QStringLiteral("written.csv"));
        messenger.paths << written;
        click("Stress_Write");
        QString error;
        const auto back = LoadCaseFile::read(written, &error);
        QVERIFY2(back, qPrintable(error));
        QVERIFY(*back == panel->cases());
        click("Stress_Delete");
        QCOMPARE(panel->cases().size(), std::size_t(1));
    }

    // In the window the shear stresses follow the torsion analysis: a case with Vy waits for it
    // and then shows τ, largest on the neutral axis and zero at the top and bottom fibres.
    void shearFollowsTheTorsionAnalysis() {
        ScriptedMessenger messenger;
        MainWindow window(folder_.path(), &messenger);
        QVERIFY(window.openCsvFile(QStringLiteral(KUVANTO_FIXTURES "/rectangle-with-hole.csv")));
        window.show();
        auto* views = window.findChild<QTabWidget*>(QStringLiteral("Result_Views"));
        auto* panel = window.findChild<StressPanel*>();
        QVERIFY(views && panel);
        panel->setCases({caseOf("shear", 0, 0, 0, 1.5e4)});
        window.selectTab(2);
        views->setCurrentWidget(panel);
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QVERIFY(window.torsionPanel()->waitForResults(120000));
        QVERIFY(panel->waitForStresses(60000));
        panel->showComponent(StressComponent::Shear);
        QVERIFY(panel->noticeText().isEmpty());
        StressView* view = panel->view();
        const std::optional<double> middle = view->valueAt({10, 100});
        const std::optional<double> top = view->valueAt({50, 200 - 1e-6});
        QVERIFY(middle && top);
        QVERIFY(*middle > 1.0);  // above the mean 15000 / 15000
        QVERIFY(std::abs(*top) < 0.05 * *middle);
        QVERIFY(!view->valueAt({50, 100}));  // in the hole
        // The arrows draw over the picture without a fault.
        panel->findChild<QCheckBox*>(QStringLiteral("Stress_Arrows"))->setChecked(true);
        QVERIFY(!view->grab().isNull());
    }

    void colourMaps() {
        const QColor zero = StressView::divergingColor(0);
        QVERIFY(zero.red() > 240 && zero.green() > 240 && zero.blue() > 240);
        QVERIFY(StressView::divergingColor(1).red() > StressView::divergingColor(1).blue());
        QVERIFY(StressView::divergingColor(-1).blue() > StressView::divergingColor(-1).red());
        QCOMPARE(StressView::divergingColor(2), StressView::divergingColor(1));  // clamped
        QVERIFY(StressView::sequentialColor(0).lightness() >
                StressView::sequentialColor(1).lightness());
    }

private:
    QTemporaryDir settings_;
    QTemporaryDir folder_;
};

QTEST_MAIN(TestStressPanel)
#include "test_stress_panel.moc"

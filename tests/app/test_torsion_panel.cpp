// The torsion block in the window: computed on its worker after the result tab's calculation,
// kept when the result tab is shown again for unchanged tables, dropped when the tables change
// before it arrives, cancelled with a message in its place, a
// section too fine to mesh refused with a message, and Poisson's ratio kept in the settings.
#include <QDoubleSpinBox>
#include <QLabel>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

#include "ScriptedMessenger.h"
#include "app/MainWindow.h"
#include "app/TorsionPanel.h"
#include "core/torsion/TorsionAnalysis.h"
#include "io/ResultExport.h"

using namespace kuvanto;

namespace {

const QString kChannel = QStringLiteral(KUVANTO_EXAMPLES "/torsion-channel-200x90x8x13.5.csv");

std::string combined(const MainWindow& window, Property property) {
    const ResultTable& grid = const_cast<MainWindow&>(window).work().resultGrid;
    return grid.text(property, grid.cols() - 1);
}

QString coreMessage(TorsionStatus status) {
    return QString::fromUtf8(TorsionAnalysis::message(status).data(),
                             static_cast<qsizetype>(TorsionAnalysis::message(status).size()));
}

}  // namespace

class TestTorsionPanel : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void blockArrivesFromTheWorker();
    void changedTablesDropTheBlock();
    void resultTabShownAgainKeepsItsResults();
    void separatePartsShowANotice();
    void cancelLeavesAMessage();
    void tooFineAMeshGivesAMessage();
    void poissonRatioIsKept();

private:
    QTemporaryDir settings_;
    QTemporaryDir folder_;
    ScriptedMessenger messenger_;
};

void TestTorsionPanel::initTestCase() {
    QVERIFY(settings_.isValid() && folder_.isValid());
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings_.path());
    QCoreApplication::setOrganizationName(QStringLiteral("KuvantoTest"));
}

void TestTorsionPanel::init() {
    QSettings().clear();
}

void TestTorsionPanel::blockArrivesFromTheWorker() {
    MainWindow window(folder_.path(), &messenger_);
    QVERIFY(window.openCsvFile(kChannel));
    window.selectTab(2);
    // The geometric rows are there at once; the block follows.
    QVERIFY(!combined(window, Property::Area).empty());
    QVERIFY(window.torsionPanel()->waitForResults(120000));
    QVERIFY(!combined(window, Property::TorsionConstant).empty());
    QCOMPARE(combined(window, Property::PoissonRatio), formatProperty(Property::PoissonRatio, 0.3));
    // The channel's shear centre lies beyond its web (the web's outer face is x = 0).
    const std::optional<Point> centre = shownShearCentre(window.work().resultGrid);
    QVERIFY(centre && centre->x < 0);
    // The export now writes the block.
    const std::string text = exportResultText(window.work().resultGrid);
    QVERIFY(text.find("サンブナンねじり定数") != std::string::npos);
}

void TestTorsionPanel::changedTablesDropTheBlock() {
    MainWindow window(folder_.path(), &messenger_);
    QVERIFY(window.openCsvFile(kChannel));
    window.selectTab(2);
    QVERIFY(window.torsionPanel()->running());
    // The tables change before the worker's outcome is taken in (no events ran in between).
    Workspace& work = window.work();
    work.addGrid.setText(2, 0, "1");
    work.saveUndo();
    window.torsionPanel()->waitForResults(120000);
    QVERIFY(combined(window, Property::TorsionConstant).empty());
    QVERIFY(!shownShearCentre(work.resultGrid));
    QVERIFY(exportResultText(work.resultGrid).find("[ねじり・せん断]") == std::string::npos);
}

void TestTorsionPanel::resultTabShownAgainKeepsItsResults() {
    MainWindow window(folder_.path(), &messenger_);
    QVERIFY(window.openCsvFile(kChannel));
    window.selectTab(2);
    // Leaving the result tab lets the analysis of unchanged tables go on, and coming back shows
    // its block without computing anything again.
    window.selectTab(0);
    QVERIFY(window.torsionPanel()->running());
    QVERIFY(window.torsionPanel()->waitForResults(120000));
    const std::string constant = combined(window, Property::TorsionConstant);
    QVERIFY(!constant.empty());
    window.selectTab(2);
    QVERIFY(!window.torsionPanel()->running());
    QCOMPARE(combined(window, Property::TorsionConstant), constant);
    // A change of the tables drops the analysis under way; the result tab then computes both
    // the rows and the block of the tables as they are.
    window.selectTab(0);
    window.selectTab(2);
    window.selectTab(0);
    QVERIFY(!window.torsionPanel()->running());  // nothing to compute for unchanged tables
    const std::string area = combined(window, Property::Area);
    Workspace& work = window.work();
    work.addGrid.setText(2, 0, "-10");
    work.saveUndo();
    window.selectTab(2);
    QVERIFY(window.torsionPanel()->running());
    QVERIFY(combined(window, Property::TorsionConstant).empty());
    window.selectTab(0);
    work.addGrid.setText(2, 0, "-20");
    work.saveUndo();
    window.refreshViews();
    QVERIFY(!window.torsionPanel()->running());
    window.selectTab(2);
    QVERIFY(combined(window, Property::Area) != area);
    QVERIFY(window.torsionPanel()->waitForResults(120000));
    QVERIFY(!combined(window, Property::TorsionConstant).empty());
    QVERIFY(combined(window, Property::TorsionConstant) != constant);
}

void TestTorsionPanel::separatePartsShowANotice() {
    // Two added rectangles apart, one with a hole: J is their sum, the values of one connected
    // section are "-", and the notice names the two parts under the drawing, in the table and in
    // the export.
    MainWindow window(folder_.path(), &messenger_);
    QVERIFY(window.openCsvFile(QStringLiteral(KUVANTO_EXAMPLES "/two-added-one-subtracted.csv")));
    window.selectTab(2);
    QVERIFY(window.torsionPanel()->waitForResults(120000));
    QVERIFY(combined(window, Property::TorsionConstant) != "-");
    for (Property p : {Property::WarpingConstant, Property::ShearCentreX, Property::ShearAreaX,
                       Property::ShearAreaMajor})
        QCOMPARE(combined(window, p), std::string("-"));
    QVERIFY(!shownShearCentre(window.work().resultGrid));
    const std::string notice = combined(window, Property::TorsionNotice);
    QVERIFY2(notice.find("2つ") != std::string::npos, notice.c_str());
    auto* message = window.findChild<QLabel*>(QStringLiteral("Torsion_Message"));
    QVERIFY(message && message->text().contains(QStringLiteral("2つ")));
    QVERIFY(exportResultText(window.work().resultGrid).find(notice) != std::string::npos);
}

void TestTorsionPanel::cancelLeavesAMessage() {
    MainWindow window(folder_.path(), &messenger_);
    QVERIFY(window.openCsvFile(kChannel));
    window.selectTab(2);
    auto* cancel = window.findChild<QPushButton*>(QStringLiteral("Torsion_Cancel"));
    QVERIFY(cancel && window.torsionPanel()->running());
    cancel->click();
    QVERIFY(!window.torsionPanel()->running());
    QCOMPARE(QString::fromStdString(combined(window, Property::TorsionConstant)),
             coreMessage(TorsionStatus::Cancelled));
    QCOMPARE(combined(window, Property::ShearCentreX), std::string("-"));
    QVERIFY(!shownShearCentre(window.work().resultGrid));
    // A later outcome of the cancelled job is never shown.
    QTest::qWait(200);
    QCOMPARE(QString::fromStdString(combined(window, Property::TorsionConstant)),
             coreMessage(TorsionStatus::Cancelled));
}

void TestTorsionPanel::tooFineAMeshGivesAMessage() {
    QTemporaryDir folder;
    Workspace work(folder.path());
    QVERIFY(work.start());
    QVERIFY(work.readCsv(kChannel, [](const QString&) {}));
    QVERIFY(work.runCalculation());
    TorsionOptions options;
    options.elementSize = 0.001;  // some 10^10 elements
    QCOMPARE(work.runTorsion(options).status, TorsionStatus::TooLarge);
    const ResultTable& grid = work.resultGrid;
    QCOMPARE(QString::fromStdString(grid.text(Property::TorsionConstant, grid.cols() - 1)),
             coreMessage(TorsionStatus::TooLarge));
    QVERIFY(!shownShearCentre(grid));
}

void TestTorsionPanel::poissonRatioIsKept() {
    QCOMPARE(TorsionPanel::savedPoissonRatio(), 0.3);
    {
        MainWindow window(folder_.path(), &messenger_);
        QVERIFY(window.openCsvFile(kChannel));
        window.selectTab(2);
        auto* nu = window.findChild<QDoubleSpinBox*>(QStringLiteral("Poisson_Ratio"));
        QVERIFY(nu);
        QCOMPARE(nu->value(), 0.3);
        nu->setValue(0);  // allowed: the shear functions without lateral contraction
        // A new ν computes the block again with it.
        QVERIFY(window.torsionPanel()->running());
        QVERIFY(window.torsionPanel()->waitForResults(120000));
        QCOMPARE(combined(window, Property::PoissonRatio),
                 formatProperty(Property::PoissonRatio, 0));
    }
    QCOMPARE(TorsionPanel::savedPoissonRatio(), 0.0);
    MainWindow again(folder_.path(), &messenger_);
    QCOMPARE(again.findChild<QDoubleSpinBox*>(QStringLiteral("Poisson_Ratio"))->value(), 0.0);
    // A stored value out of range or not a number gives the default.
    for (const QVariant& bad : {QVariant(0.5), QVariant(-0.1), QVariant(QStringLiteral("x"))}) {
        QSettings().setValue(QStringLiteral("torsion/poissonRatio"), bad);
        QCOMPARE(TorsionPanel::savedPoissonRatio(), 0.3);
    }
}

QTEST_MAIN(TestTorsionPanel)
#include "test_torsion_panel.moc"

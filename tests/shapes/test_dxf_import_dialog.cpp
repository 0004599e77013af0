// The DXF import: its model puts the figures into the tables (replacing them, or at each
// table's current row as the CSV insertion does) with one undoable snapshot, and changes nothing
// when no loop is chosen; the dialog lists the layers with their loop counts and the loops left
// out, follows the unit, and puts the chosen layers' figures in on OK.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

#include "../app/ScriptedMessenger.h"
#include "../io/IoTestUtil.h"
#include "editing/DrawingImport.h"
#include "editing/Workspace.h"
#include "io/DxfReader.h"
#include "shapes/DxfImportDialog.h"

using namespace kuvanto;

namespace {

CadDrawing readFixture(const char* name) {
    CadDrawing drawing;
    QString error;
    DxfReader::readFile(QStringLiteral(KUVANTO_FIXTURES "/dxf/") + QString::fromLatin1(name),
                        drawing, &error);
    return drawing;
}

const QString kSeparator = QString::fromUtf8(kSeparatorText.data(), kSeparatorText.size());

}  // namespace

class TestDxfImportDialog : public QObject {
    Q_OBJECT

private slots:
    void init();
    void replacesTables();
    void insertsAtCurrentRows();
    void nothingChosenChangesNothing();
    void dialogListsLayersAndFaults();
    void dialogPutsChosenLayerIn();
    void dialogJoinsCrossingOutlines();
    void dialogReadsHiddenLayersWhenAsked();

private:
    std::unique_ptr<QTemporaryDir> dir_;
    std::unique_ptr<Workspace> work_;
};

void TestDxfImportDialog::init() {
    dir_ = std::make_unique<QTemporaryDir>();
    work_ = std::make_unique<Workspace>(dir_->path());
    QVERIFY(work_->start());
    test::fill(work_->addGrid, "1|1;2|1;2|2;1|1");
    test::fill(work_->subtractedGrid, "");
    QVERIFY(work_->saveUndo());
}

void TestDxfImportDialog::replacesTables() {
    DrawingImport import(readFixture("metres.dxf"));
    QCOMPARE(import.options().unit, DrawingUnit::Metre);
    QCOMPARE(import.apply(*work_, DrawingImport::Placement::ReplaceTables), 2);
    QCOMPARE(test::dump(work_->addGrid), QStringLiteral("0|0;200|0;200|100;0|100;0|0"));
    QCOMPARE(test::dump(work_->subtractedGrid), QStringLiteral("50|40;100|40;100|60;50|60;50|40"));
    // One undo brings the tables back.
    QVERIFY(work_->undoRestore());
    QCOMPARE(test::dump(work_->addGrid), QStringLiteral("1|1;2|1;2|2;1|1"));
}

void TestDxfImportDialog::insertsAtCurrentRows() {
    work_->addGrid.setRow(4);  // before the closing vertex of the figure there
    DrawingImport import(readFixture("metres.dxf"));
    import.apply(*work_, DrawingImport::Placement::InsertAtCurrentRow);
    QCOMPARE(test::dump(work_->addGrid),
             "1|1;2|1;2|2;0|0;200|0;200|100;0|100;0|0;" + kSeparator + "|;1|1");
    QCOMPARE(test::dump(work_->subtractedGrid),
             "50|40;100|40;100|60;50|60;50|40;" + kSeparator + "|");
}

void TestDxfImportDialog::nothingChosenChangesNothing() {
    DrawingImport import(readFixture("faults.dxf"));
    DxfImportOptions options = import.options();
    options.layers = {"OPEN", "CROSSING"};
    QString error;
    QVERIFY(import.setOptions(options, &error));
    QCOMPARE(import.problemTexts().size(), 2);  // one line per layer
    QCOMPARE(import.apply(*work_, DrawingImport::Placement::ReplaceTables), 0);
    QCOMPARE(test::dump(work_->addGrid), QStringLiteral("1|1;2|1;2|2;1|1"));
}

void TestDxfImportDialog::dialogListsLayersAndFaults() {
    ScriptedMessenger messenger;
    DxfImportDialog dialog(DrawingImport(readFixture("faults.dxf")), "faults.dxf", *work_,
                           messenger);
    auto* layers = dialog.findChild<QListWidget*>("Layer_List");
    auto* problems = dialog.findChild<QListWidget*>("Problem_List");
    QCOMPARE(layers->count(), 3);
    QVERIFY(layers->item(2)->text().startsWith("GOOD"));
    QCOMPARE(problems->count(), 2);  // one line per layer
    // Unchecking every layer leaves nothing to put in.
    for (int i = 0; i < layers->count(); ++i) layers->item(i)->setCheckState(Qt::Unchecked);
    QVERIFY(!dialog.findChild<QPushButton*>("OK_Button")->isEnabled());
    QCOMPARE(problems->count(), 0);
}

void TestDxfImportDialog::dialogPutsChosenLayerIn() {
    ScriptedMessenger messenger;
    DxfImportDialog dialog(DrawingImport(readFixture("faults.dxf")), "faults.dxf", *work_,
                           messenger);
    auto* unit = dialog.findChild<QComboBox*>("Unit_Combo");
    unit->setCurrentIndex(1);  // cm
    dialog.findChild<QRadioButton*>("Replace_Option")->setChecked(true);
    dialog.findChild<QPushButton*>("OK_Button")->click();
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(test::dump(work_->addGrid), QStringLiteral("400|0;500|0;500|100;400|100;400|0"));
    QVERIFY(messenger.notices.isEmpty());
}

void TestDxfImportDialog::dialogJoinsCrossingOutlines() {
    ScriptedMessenger messenger;
    DxfImportDialog dialog(DrawingImport(readFixture("overlap2rect.dxf")), "overlap2rect.dxf",
                           *work_, messenger);
    auto* problems = dialog.findChild<QListWidget*>("Problem_List");
    auto* ok = dialog.findChild<QPushButton*>("OK_Button");
    // The two crossing plates are named and nothing is left to put in.
    QCOMPARE(problems->count(), 1);
    QVERIFY(problems->item(0)->text().contains("(50.000, 50.000)"));
    QVERIFY(!ok->isEnabled());
    // Joined they are one built-up figure.
    dialog.findChild<QCheckBox*>("Join_Check")->setChecked(true);
    QVERIFY(ok->isEnabled());
    ok->click();
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(work_->addGrid.rows() - 2, 9);  // eight corners and the closing vertex
    QCOMPARE(test::dump(work_->subtractedGrid), QString());
}

void TestDxfImportDialog::dialogReadsHiddenLayersWhenAsked() {
    ScriptedMessenger messenger;
    DxfImportDialog dialog(DrawingImport(readFixture("layers_off_frozen.dxf")),
                           "layers_off_frozen.dxf", *work_, messenger);
    auto* summary = dialog.findChild<QLabel*>("Summary_Label");
    // The layers off and frozen start unchecked: only the section's plate.
    QVERIFY2(summary->text().contains(QStringLiteral("加算図形 1")), qPrintable(summary->text()));
    dialog.findChild<QCheckBox*>("Hidden_Check")->setChecked(true);
    QVERIFY2(summary->text().contains(QStringLiteral("加算図形 3")), qPrintable(summary->text()));
    dialog.findChild<QCheckBox*>("Hidden_Check")->setChecked(false);
    QVERIFY(summary->text().contains(QStringLiteral("加算図形 1")));
}

QTEST_MAIN(TestDxfImportDialog)
#include "test_dxf_import_dialog.moc"

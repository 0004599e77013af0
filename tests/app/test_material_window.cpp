// Materials in the window, by real clicks and key strokes: the chooser beside the table follows
// the current row's figure, a choice is one undo step that the snapshot and the saved file hold
// and that the canvas tints, the result tab's reference chooser changes the composite block, and
// the list dialog adds a material, refuses a bad value with a message and writes the list.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

#include "ScriptedMessenger.h"
#include "WindowEvents.h"
#include "app/MainWindow.h"
#include "app/MaterialBar.h"
#include "app/MaterialListDialog.h"
#include "app/ReferenceMaterialChooser.h"
#include "canvas/ImagePainter.h"
#include "core/section/ResultRows.h"
#include "io/CoordText.h"
#include "io/MaterialLibrary.h"

using namespace kuvanto;
using namespace kuvanto::test;

namespace {

QString fixture(const char* name) {
    return QStringLiteral(KUVANTO_FIXTURES "/") + name;
}

struct Window {
    QTemporaryDir dir;
    ScriptedMessenger msg;
    std::unique_ptr<MainWindow> w = std::make_unique<MainWindow>(dir.path(), &msg);

    Window() {
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.get()));
        w->activateWindow();
    }
    MaterialBar* bar() const { return w->layout().materialBar; }
    QComboBox* chooser() const { return bar()->chooser(); }
    QString figureLabel() const {
        return bar()->findChild<QLabel*>(QStringLiteral("Material_Figure"))->text();
    }
    // Clicks a cell of the added table, then types into the chooser.
    void clickRow(int gridRow) { clickAt(w.get(), cellPoint(w->layout().addView, gridRow, 0)); }
    void typeIntoChooser(const QString& keys) {
        chooser()->setFocus();
        QTest::keyClicks(chooser(), keys);
    }
    // Opens the chooser's list with a click and clicks the item.
    void pick(const QString& item) { pickFromList(chooser(), item); }
    static void pickFromList(QComboBox* combo, const QString& item) {
        QTest::mouseClick(combo, Qt::LeftButton);
        QAbstractItemView* list = combo->view();
        QTRY_VERIFY(list->isVisible());
        const QModelIndex index = list->model()->index(combo->findText(item), 0);
        QVERIFY(index.isValid());
        list->scrollTo(index);
        // The list takes no release as a choice until a double click's interval has passed
        // since it opened (the release of the click that opened it).
        QTest::qWait(QApplication::doubleClickInterval() + 50);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(index).center());
        QTRY_VERIFY(!list->isVisible());
    }
    // Whether the canvas tints the point (x, y): its pixel is not the plain ground.
    bool tinted(double x, double y) const {
        SectionCanvas* canvas = w->canvas();
        const QPoint at =
            canvas->toWidget(WorldPt{x, y}).toPoint() - canvas->drawingArea().topLeft();
        return canvas->picture().pixelColor(at) != bgrColor(kCanvasBackColor);
    }
};

}  // namespace

class TestMaterialWindow : public QObject {
    Q_OBJECT
private slots:
    void chooserFollowsTheFigureAndIsOneStep();
    void choiceSurvivesSaveAndOpen();
    void referenceChooserChangesTheBlock();
    void listDialogAddsAndRefuses();
};

void TestMaterialWindow::chooserFollowsTheFigureAndIsOneStep() {
    Window t;
    QVERIFY(t.w->openCsvFile(fixture("filled-box-materials.csv")));
    // Row 2 lies in the steel box, row 8 in the concrete core.
    t.clickRow(2);
    QCOMPARE(t.figureLabel(), QStringLiteral("図形1の材料:"));
    QCOMPARE(t.chooser()->currentText(), QStringLiteral("STKR400"));
    t.clickRow(8);
    QCOMPARE(t.figureLabel(), QStringLiteral("図形2の材料:"));
    QCOMPARE(t.chooser()->currentText(), QStringLiteral("Fc24"));
    QVERIFY(t.tinted(0, 0.5 * 90));

    // "(なし)" by the keyboard: one step, the tables untouched, the core no longer tinted.
    const std::string tables = coordText(t.w->work().addGrid, t.w->work().subtractedGrid);
    const int steps = t.w->work().history().undoCount();
    t.typeIntoChooser(QStringLiteral("("));
    QCOMPARE(t.chooser()->currentText(), QStringLiteral("(なし)"));
    QVERIFY(!t.w->work().materials.materialOf(TableKind::Added, 2));
    QCOMPARE(t.w->work().history().undoCount(), steps + 1);
    QCOMPARE(coordText(t.w->work().addGrid, t.w->work().subtractedGrid), tables);
    QVERIFY(t.w->windowTitle().startsWith('*'));
    QVERIFY(!t.tinted(0, 0.5 * 90));
    QVERIFY(t.tinted(0, 95));  // the steel wall keeps its tint

    // The snapshot holds the choice.
    QVERIFY(t.w->work().undo().finishBackground());
    CoordTable add, subtracted;
    SectionMaterials snapshot;
    QVERIFY(
        readCoordText(QDir(t.w->work().snapshotFolder()).filePath(t.w->work().undo().undoFile()),
                      add, subtracted, nullptr, &snapshot));
    QVERIFY(snapshot == t.w->work().materials);

    // A shipped material not in the file yet: listed in the section when chosen.
    t.pick(QStringLiteral("Fc30"));
    QCOMPARE(t.chooser()->currentText(), QStringLiteral("Fc30"));
    QCOMPARE(t.w->work().materials.materialOf(TableKind::Added, 2)->name, "Fc30");

    // Undo takes back one choice at a time; the chooser shows each state.
    t.w->command(CommandId::undo)->trigger();
    QCOMPARE(t.chooser()->currentText(), QStringLiteral("(なし)"));
    t.w->command(CommandId::undo)->trigger();
    QCOMPARE(t.chooser()->currentText(), QStringLiteral("Fc24"));
    QVERIFY(!t.w->windowTitle().startsWith('*'));
    t.w->command(CommandId::redo)->trigger();
    QCOMPARE(t.chooser()->currentText(), QStringLiteral("(なし)"));
}

void TestMaterialWindow::choiceSurvivesSaveAndOpen() {
    Window t;
    QVERIFY(t.w->openCsvFile(fixture("rectangle-with-hole.csv")));
    t.clickRow(2);
    QCOMPARE(t.chooser()->currentText(), QStringLiteral("(なし)"));
    t.pick(QStringLiteral("SN490B"));
    QVERIFY(t.w->work().materials.materialOf(TableKind::Added, 1));
    QCOMPARE(t.w->work().materials.materialOf(TableKind::Added, 1)->name, "SN490B");
    // The subtracted table's figure gets the same material there.
    t.w->selectTab(1);
    clickAt(t.w.get(), cellPoint(t.w->layout().subtractedView, 2, 0));
    QCOMPARE(t.figureLabel(), QStringLiteral("図形1の材料:"));
    QCOMPARE(t.chooser()->currentText(), QStringLiteral("(なし)"));
    t.pick(QStringLiteral("SN490B"));
    QCOMPARE(t.w->work().materials.materialOf(TableKind::Subtracted, 1)->name, "SN490B");

    const QString path = t.dir.filePath("saved.csv");
    t.msg.paths << path;
    QVERIFY(t.w->saveCsvAs());
    Window other;
    QVERIFY(other.w->openCsvFile(path));
    QVERIFY(other.w->work().materials == t.w->work().materials);
    other.clickRow(2);
    QCOMPARE(other.chooser()->currentText(), QStringLiteral("SN490B"));
}

void TestMaterialWindow::referenceChooserChangesTheBlock() {
    Window t;
    QVERIFY(t.w->openCsvFile(fixture("filled-box-materials.csv")));
    t.w->selectTab(2);
    ReferenceMaterialChooser* reference = t.w->layout().referenceChooser;
    QVERIFY(reference->isVisible());
    QCOMPARE(reference->chooser()->count(), 3);  // automatic, STKR400, Fc24
    const ResultTable& result = t.w->work().resultGrid;
    QCOMPARE(result.text(Property::ReferenceModulus, result.cols() - 1), "2.0500E5");
    Window::pickFromList(reference->chooser(), QStringLiteral("Fc24"));
    QCOMPARE(t.w->work().referenceMaterial, "Fc24");
    QCOMPARE(result.text(Property::ReferenceModulus, result.cols() - 1), "2.2669E4");

    // A section without materials has no reference to choose.
    QVERIFY(t.w->openCsvFile(fixture("rectangle-with-hole.csv")));
    t.w->selectTab(2);
    QVERIFY(!reference->isVisible());
}

void TestMaterialWindow::listDialogAddsAndRefuses() {
    Window t;
    QVERIFY(t.w->openCsvFile(fixture("rectangle-with-hole.csv")));
    t.w->command(QStringLiteral("Material_List"))->trigger();
    auto* dialog = t.w->findChild<MaterialListDialog*>();
    QVERIFY(dialog);
    QVERIFY(QTest::qWaitForWindowExposed(dialog));
    const int shipped = dialog->materialList()->count();
    // A shipped material cannot be changed or removed.
    dialog->materialList()->setCurrentRow(0);
    QVERIFY(!dialog->changeButton()->isEnabled());
    QVERIFY(!dialog->removeButton()->isEnabled());

    const char* values[] = {"Glulam", "9500", "0.4", "27", "0.5x"};
    for (int i = 0; i < 5; ++i) {
        dialog->field(i)->clear();
        QTest::keyClicks(dialog->field(i), QString::fromUtf8(values[i]));
    }
    QTest::mouseClick(dialog->addButton(), Qt::LeftButton);
    QCOMPARE(dialog->materialList()->count(), shipped);
    QVERIFY2(dialog->message()->text().contains(QStringLiteral("密度ρ")),
             qPrintable(dialog->message()->text()));
    QTest::keyClick(dialog->field(4), Qt::Key_Backspace);
    QTest::mouseClick(dialog->addButton(), Qt::LeftButton);
    QCOMPARE(dialog->materialList()->count(), shipped + 1);
    QVERIFY(dialog->message()->text().isEmpty());

    dialog->accept();
    const std::optional<std::vector<Material>> saved = MaterialLibrary::read(t.dir.path());
    QVERIFY(saved);
    QCOMPARE(saved->back().name, "Glulam");
    QCOMPARE(saved->back().density, 0.5);
    // The chooser offers the new material at once.
    t.clickRow(2);
    QVERIFY(t.chooser()->findText(QStringLiteral("Glulam")) > 0);
}

QTEST_MAIN(TestMaterialWindow)
#include "test_material_window.moc"

// Giving figures their materials and editing the user's list of materials, without a window: a
// choice is one undo step that the snapshot and the saved file hold, and the list refuses values
// it cannot keep with a message that names the value.
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include "core/section/ResultRows.h"
#include "editing/MaterialChoice.h"
#include "editing/MaterialListEdit.h"
#include "editing/Workspace.h"
#include "io/CoordText.h"
#include "io/MaterialLibrary.h"

using namespace kuvanto;

namespace {

QString fixture(const char* name) {
    return QStringLiteral(KUVANTO_FIXTURES "/") + name;
}

const Material kSteel{"SS400", 205000, 0.3, 235, 7.85, "JIS G 3101; F for t <= 40 mm"};
const Material kConcrete{"Fc24", 22669, 0.2, 24, 2.3, ""};

QString materialOf(const Workspace& ws, TableKind kind, int figure) {
    const Material* m = ws.materials.materialOf(kind, figure);
    return m ? QString::fromStdString(m->name) : QString();
}

MaterialFields fields(QString name, QString e, QString nu, QString fy, QString rho) {
    return {name, e, nu, fy, rho, {}};
}

}  // namespace

Q_DECLARE_METATYPE(MaterialFields)

class TestMaterialEdits : public QObject {
    Q_OBJECT
private slots:
    void choiceIsOneUndoStep();
    void choiceReachesSnapshotAndFile();
    void referenceMaterial();
    void listRefusesBadValues_data();
    void listRefusesBadValues();
    void shippedMaterialsAreReadOnly();
    void listRoundTrip();
};

void TestMaterialEdits::choiceIsOneUndoStep() {
    QTemporaryDir dir;
    Workspace ws(dir.path());
    ws.start();
    QVERIFY(ws.readCsv(fixture("rectangle-with-hole.csv"), {}));
    ws.markSaved();
    QVERIFY(!ws.modified());

    QVERIFY(chooseFigureMaterial(ws, TableKind::Added, 1, &kSteel));
    QCOMPARE(materialOf(ws, TableKind::Added, 1), "SS400");
    // The section keeps the values, not where they come from.
    QCOMPARE(ws.materials.find("SS400")->source, "");
    QVERIFY(ws.modified());
    // The same choice again changes nothing and is no step.
    QVERIFY(!chooseFigureMaterial(ws, TableKind::Added, 1, &kSteel));
    QVERIFY(chooseFigureMaterial(ws, TableKind::Subtracted, 1, &kConcrete));
    QVERIFY(chooseFigureMaterial(ws, TableKind::Added, 1, nullptr));
    QCOMPARE(materialOf(ws, TableKind::Added, 1), "");

    // Undo takes back one choice at a time and leaves the tables alone.
    const QString before = coordText(ws.addGrid, ws.subtractedGrid).c_str();
    QVERIFY(ws.undoRestore());
    QCOMPARE(materialOf(ws, TableKind::Added, 1), "SS400");
    QCOMPARE(materialOf(ws, TableKind::Subtracted, 1), "Fc24");
    QVERIFY(ws.undoRestore());
    QCOMPARE(materialOf(ws, TableKind::Subtracted, 1), "");
    QVERIFY(ws.undoRestore());
    QVERIFY(ws.materials.noneAssigned());
    QVERIFY(!ws.modified());
    QCOMPARE(QString(coordText(ws.addGrid, ws.subtractedGrid).c_str()), before);
    QVERIFY(ws.redo());
    QVERIFY(ws.redo());
    QCOMPARE(materialOf(ws, TableKind::Added, 1), "SS400");
    QCOMPARE(materialOf(ws, TableKind::Subtracted, 1), "Fc24");

    // A figure that does not exist yet, a number below 1, and values no material can have.
    QVERIFY(!chooseFigureMaterial(ws, TableKind::Added, 0, &kSteel));
    Material broken = kSteel;
    broken.elasticModulus = -1;
    QString error;
    QVERIFY(!chooseFigureMaterial(ws, TableKind::Added, 2, &broken, &error));
    QVERIFY(!error.isEmpty());
    QVERIFY(!ws.materials.find("SS400") || ws.materials.find("SS400")->elasticModulus > 0);
}

void TestMaterialEdits::choiceReachesSnapshotAndFile() {
    QTemporaryDir dir;
    Workspace ws(dir.path());
    ws.start();
    QVERIFY(ws.readCsv(fixture("rectangle-with-hole.csv"), {}));
    // A cell edit not recorded yet becomes a step of its own before the choice.
    ws.addGrid.setText(1, 0, "-51");
    QVERIFY(!ws.tablesRecorded());
    QVERIFY(chooseFigureMaterial(ws, TableKind::Added, 1, &kSteel));
    QVERIFY(ws.tablesRecorded());

    QVERIFY(ws.undo().finishBackground());
    CoordTable add, subtracted;
    SectionMaterials snapshot;
    QVERIFY(readCoordText(dir.filePath(ws.undo().undoFile()), add, subtracted, nullptr, &snapshot));
    QVERIFY(snapshot == ws.materials);

    const QString path = dir.filePath("saved.csv");
    QVERIFY(ws.writeCsv(path));
    Workspace other(dir.path() + "/other");
    QDir().mkpath(other.folder());
    other.start();
    QVERIFY(other.readCsv(path, {}));
    QVERIFY(other.materials == ws.materials);
    QCOMPARE(other.addGrid.text(1, 0), "-51");

    // Undo: the choice first, then the cell edit.
    QVERIFY(ws.undoRestore());
    QVERIFY(ws.materials.noneAssigned());
    QCOMPARE(ws.addGrid.text(1, 0), "-51");
    QVERIFY(ws.undoRestore());
    QVERIFY(ws.addGrid.text(1, 0) != "-51");
}

// The composite block takes the material most figures carry unless the user chose another.
void TestMaterialEdits::referenceMaterial() {
    QTemporaryDir dir;
    Workspace ws(dir.path());
    ws.start();
    QVERIFY(ws.readCsv(fixture("filled-box-materials.csv"), {}));
    const int combined = [&] {
        ws.runCalculation();
        return ws.resultGrid.cols() - 1;
    }();
    QCOMPARE(ws.resultGrid.text(Property::ReferenceModulus, combined), "2.0500E5");
    ws.referenceMaterial = "Fc24";
    QVERIFY(ws.runCalculation());
    QCOMPARE(ws.resultGrid.text(Property::ReferenceModulus, combined), "2.2669E4");
    // EA does not depend on the reference.
    QCOMPARE(ws.resultGrid.text(Property::AxialStiffness, combined), "2.2925E9");
    ws.referenceMaterial = "not listed";
    QVERIFY(ws.runCalculation());
    QCOMPARE(ws.resultGrid.text(Property::ReferenceModulus, combined), "2.0500E5");
    // The choice is not part of the section's materials.
    QVERIFY(ws.materials.reference()->name == "STKR400");
}

void TestMaterialEdits::listRefusesBadValues_data() {
    QTest::addColumn<MaterialFields>("fields");
    QTest::addColumn<QString>("named");  // a part of the message, or empty when accepted
    QTest::newRow("good") << fields("SM490A", "205000", " 0.3", "325", "7.85") << "";
    QTest::newRow("E not a number") << fields("X", "2e5x", "0.3", "1", "1") << "E";
    QTest::newRow("ν empty") << fields("X", "1", "", "1", "1") << "ν";
    QTest::newRow("fy not a number") << fields("X", "1", "0.3", "abc", "1") << "fy";
    QTest::newRow("ρ infinite") << fields("X", "1", "0.3", "1", "1e999") << "ρ";
    QTest::newRow("ν 0.5") << fields("X", "1", "0.5", "1", "1") << "ν";
    QTest::newRow("E zero") << fields("X", "0", "0.3", "1", "1") << "E";
    QTest::newRow("name a number") << fields("400", "1", "0.3", "1", "1") << "材料名";
    QTest::newRow("name taken") << fields("SS400", "1", "0.3", "1", "1") << "SS400";
}

void TestMaterialEdits::listRefusesBadValues() {
    QFETCH(MaterialFields, fields);
    QFETCH(QString, named);
    MaterialListEdit list(shippedMaterials());
    const std::optional<QString> problem = list.add(fields);
    if (named.isEmpty()) {
        QVERIFY2(!problem, qPrintable(problem.value_or(QString())));
        QCOMPARE(list.materials().back().name, fields.name.toStdString());
        QVERIFY(list.modified());
    } else {
        QVERIFY(problem);
        QVERIFY2(problem->contains(named), qPrintable(*problem));
        QCOMPARE(list.materials().size(), shippedMaterials().size());
        QVERIFY(!list.modified());
    }
}

void TestMaterialEdits::shippedMaterialsAreReadOnly() {
    MaterialListEdit list(shippedMaterials());
    const MaterialFields steel = MaterialListEdit::fieldsOf(shippedMaterials()[0]);
    QVERIFY(list.edit(0, steel));
    QVERIFY(list.remove(0));
    const int copy = list.copy(0);
    QCOMPARE(list.materials()[copy].name, "SS400-2");
    MaterialFields changed = MaterialListEdit::fieldsOf(list.materials()[copy]);
    changed.yieldStrength = "215";
    QVERIFY(!list.edit(copy, changed));
    QCOMPARE(list.materials()[copy].yieldStrength, 215.0);
    // A user material may not take a shipped name; renaming to its own name is fine.
    changed.name = "SN490B";
    QVERIFY(list.edit(copy, changed));
    QVERIFY(!list.remove(copy));
    QCOMPARE(list.materials().size(), shippedMaterials().size());
    QCOMPARE(list.edit(99, changed).has_value(), true);
}

void TestMaterialEdits::listRoundTrip() {
    QTemporaryDir dir;
    std::optional<MaterialListEdit> list = MaterialListEdit::load(dir.path());
    QVERIFY(list);
    QCOMPARE(list->materials(), shippedMaterials());
    QVERIFY(!list->add(fields("Timber, \"glued\"", "9000", "0.4", "24", "0.45")));
    QVERIFY(list->save(dir.path()));
    QVERIFY(!list->modified());
    std::optional<MaterialListEdit> again = MaterialListEdit::load(dir.path());
    QVERIFY(again);
    QCOMPARE(again->materials(), list->materials());

    // A file of the user's own that lacks shipped materials: they come back after its own.
    QVERIFY(MaterialLibrary::write(dir.path(), {list->materials().back()}));
    again = MaterialListEdit::load(dir.path());
    QCOMPARE(again->materials().front().name, "Timber, \"glued\"");
    QCOMPARE(again->materials().size(), shippedMaterials().size() + 1);

    // The chooser offers the section's own values first.
    SectionMaterials section;
    Material ownSteel = kSteel;
    ownSteel.yieldStrength = 245;
    section.setMaterial(ownSteel);
    const std::vector<Material> choices = materialChoices(section, again->materials());
    QCOMPARE(choices.size(), again->materials().size());
    QCOMPARE(choices.front().yieldStrength, 245.0);
}

QTEST_MAIN(TestMaterialEdits)
#include "test_material_edits.moc"

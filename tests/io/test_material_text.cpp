// The materials of a section in the text form and coordinate files: the round trip through the
// text form, a file and the coordinate reader; what a reader without materials makes of the
// lines (never a vertex); the unquoted form; the lines that are refused with a message; and the
// user's list of materials in the working folder.
#include <QTemporaryDir>
#include <QtTest>

#include "core/base/NumberText.h"
#include "io/CoordCsv.h"
#include "io/CoordText.h"
#include "io/FieldReader.h"
#include "io/MaterialLibrary.h"
#include "io/MaterialText.h"
#include "io/TextFile.h"

#include "IoTestUtil.h"

using namespace kuvanto;

namespace {

// A filled box: steel outline, steel hole, concrete core; and a name that needs quoting.
SectionMaterials boxMaterials() {
    SectionMaterials m;
    m.setMaterial({"STKR400", 205000, 0.3, 235, 7.85, ""});
    m.setMaterial({"Fc24", 22668.945903873479, 0.2, 24, 2.3, ""});
    m.setMaterial({"timber, \"glued\"", 10500, 0.4, 30, 0.5, ""});
    m.assign(TableKind::Added, 1, "STKR400");
    m.assign(TableKind::Added, 2, "Fc24");
    m.assign(TableKind::Subtracted, 1, "STKR400");
    return m;
}

const QString kAdded = "0|0;200|0;200|200;0|200;<<図形区切り>>|;10|10;190|10;190|190;10|190";
const QString kSubtracted = "10|10;190|10;190|190;10|190";

std::string header(const std::string& materials) {
    return "<<加算>>,\r\n0,0\r\n100,0\r\n100,50\r\n<<減算>>,\r\n" + materials;
}

}  // namespace

class TestMaterialText : public QObject {
    Q_OBJECT
private slots:
    void roundTrip();
    void readerWithoutMaterialsFindsNoVertex();
    void unquotedValues();
    void refusedLines_data();
    void refusedLines();
    void fileWithoutMaterials();
    void library();
};

void TestMaterialText::roundTrip() {
    CoordTable add, subtracted;
    test::fill(add, kAdded);
    test::fill(subtracted, kSubtracted);
    const SectionMaterials materials = boxMaterials();

    // The text form (undo snapshots, direct editing).
    const std::string text = coordText(add, subtracted, &materials);
    CoordTable add2, subtracted2;
    SectionMaterials read;
    parseCoordText(text, add2, subtracted2, &read);
    QCOMPARE(test::dump(add2), kAdded);
    QCOMPARE(test::dump(subtracted2), kSubtracted);
    QVERIFY(read == materials);

    // A coordinate file, written and read as the program reads it, with no message.
    QTemporaryDir dir;
    const QString path = dir.filePath("box.csv");
    QVERIFY(writeCoordCsv(path, add, subtracted, nullptr, &materials));
    const std::optional<std::string> stored = readTextFile(path);
    QVERIFY(stored);
    QStringList messages;
    CoordTable add3, subtracted3;
    resetCoordTable(add3, subtracted3);
    SectionMaterials fromFile;
    fillFromCsvText(
        *stored, add3, subtracted3,
        [&](const std::string& m) { messages << QString::fromStdString(m); }, &fromFile);
    QCOMPARE(messages, QStringList());
    QCOMPARE(test::dump(add3), kAdded);
    QCOMPARE(test::dump(subtracted3), kSubtracted);
    QVERIFY(fromFile == materials);
    QVERIFY(stored->find("STKR400,\"205000,0.3,235,7.85\"\r\n") != std::string::npos);
    QVERIFY(stored->find("減算,1,STKR400\r\n") != std::string::npos);
}

void TestMaterialText::readerWithoutMaterialsFindsNoVertex() {
    // A reader that knows no materials takes the fields of the whole file two by two: no pair
    // from the materials' lines may be two numbers, or it would become a vertex.
    std::string lines;
    appendMaterialText(lines, boxMaterials());
    for (int shift = 0; shift < 2; ++shift) {  // with the stream in step and one field off
        const std::string text = shift ? "1,\r\n" + lines : lines;  // the reader keeps a view
        FieldReader reader(text);
        std::string first, second;
        if (shift) reader.nextField(first);
        while (reader.nextPair(first, second)) {
            if (parseNumeric(first) && parseNumeric(second))
                QFAIL(qPrintable(QString::fromStdString("a vertex " + first + "," + second)));
        }
    }
    // This reader, given nowhere to keep materials, says it left them out and reads no rows
    // from them.
    CoordTable add, subtracted;
    resetCoordTable(add, subtracted);
    QStringList messages;
    fillFromCsvText(header(lines), add, subtracted,
                    [&](const std::string& m) { messages << QString::fromStdString(m); });
    QCOMPARE(messages, QStringList{QString::fromStdString(materialsLeftOutMessage())});
    QCOMPARE(test::dump(subtracted), QString());
}

void TestMaterialText::unquotedValues() {
    CoordTable add, subtracted;
    resetCoordTable(add, subtracted);
    SectionMaterials materials;
    fillFromCsvText(header("<<材料>>,\r\nSS400,205000,0.3,235,7.85\r\n<<図形材料>>,\r\n"
                           "加算,1,SS400\r\n"),
                    add, subtracted, {}, &materials);
    QCOMPARE(test::dump(add), QString("0|0;100|0;100|50"));
    QCOMPARE(test::dump(subtracted), QString());
    const Material* steel = materials.materialOf(TableKind::Added, 1);
    QVERIFY(steel);
    QVERIFY(*steel == (Material{"SS400", 205000, 0.3, 235, 7.85, ""}));
}

void TestMaterialText::refusedLines_data() {
    QTest::addColumn<QString>("line");
    QTest::addColumn<bool>("material");  // a line of the list of materials, else an assignment

    QTest::newRow("value not a number") << "steel,\"205000,x,235,7.85\"" << true;
    QTest::newRow("three values") << "steel,\"205000,0.3,235\"" << true;
    QTest::newRow("numeric name") << "400,\"205000,0.3,235,7.85\"" << true;
    QTest::newRow("marker name") << "<<減算>>,\"205000,0.3,235,7.85\"" << true;
    QTest::newRow("zero modulus") << "steel,\"0,0.3,235,7.85\"" << true;
    QTest::newRow("Poisson's ratio 0.5") << "steel,\"205000,0.5,235,7.85\"" << true;
    QTest::newRow("negative density") << "steel,\"205000,0.3,235,-1\"" << true;
    QTest::newRow("material not listed") << "加算,1,copper" << false;
    QTest::newRow("figure 0") << "加算,0,SS400" << false;
    QTest::newRow("figure 1.5") << "減算,1.5,SS400" << false;
    QTest::newRow("figure beyond int") << "加算,1e12,SS400" << false;
    QTest::newRow("unknown table") << "合計,1,SS400" << false;
    QTest::newRow("no name") << "加算,1" << false;
}

void TestMaterialText::refusedLines() {
    QFETCH(QString, line);
    QFETCH(bool, material);
    const std::string bad = line.toStdString() + "\r\n";
    const std::string text = "<<材料>>,\r\nSS400,\"205000,0.3,235,7.85\"\r\n" +
                             (material ? bad : std::string()) + "<<図形材料>>,\r\n" +
                             (material ? std::string() : bad) + "加算,1,SS400\r\n";
    CoordTable add, subtracted;
    resetCoordTable(add, subtracted);
    SectionMaterials materials;
    QStringList messages;
    fillFromCsvText(
        header(text), add, subtracted,
        [&](const std::string& m) { messages << QString::fromStdString(m); }, &materials);
    QCOMPARE(messages.size(), 1);
    QVERIFY(messages.front().contains(line.left(5)));
    // The good lines around it are kept.
    QCOMPARE(materials.materials().size(), std::size_t{1});
    QCOMPARE(materials.assignments().size(), std::size_t{1});
    QCOMPARE(test::dump(subtracted), QString());
}

void TestMaterialText::fileWithoutMaterials() {
    CoordTable add, subtracted;
    resetCoordTable(add, subtracted);
    SectionMaterials materials = boxMaterials();
    QStringList messages;
    fillFromCsvText(
        header(""), add, subtracted,
        [&](const std::string& m) { messages << QString::fromStdString(m); }, &materials);
    QCOMPARE(messages, QStringList());
    QVERIFY(materials.empty());
    QCOMPARE(test::dump(add), QString("0|0;100|0;100|50"));
    // Nor is anything written for it.
    QCOMPARE(coordText(add, subtracted, &materials), coordText(add, subtracted));
}

void TestMaterialText::library() {
    QTemporaryDir dir;
    QString error;
    // Until the user saves a list, the shipped one.
    const auto shipped = MaterialLibrary::read(dir.path(), &error);
    QVERIFY(shipped);
    QVERIFY(*shipped == shippedMaterials());

    std::vector<Material> list = shippedMaterials();
    list.push_back({"SM490A, 厚40超", 205000, 0.3, 295, 7.85, "plates over 40 mm"});
    list.front().yieldStrength = 0.1 + 0.2;  // a value that needs all its digits
    QVERIFY(MaterialLibrary::write(dir.path(), list, &error));
    QStringList messages;
    const auto read = MaterialLibrary::read(
        dir.path(), &error, [&](const std::string& m) { messages << QString::fromStdString(m); });
    QVERIFY(read);
    QCOMPARE(messages, QStringList());
    QVERIFY(*read == list);

    // A line it cannot read is left out with a message; the others stay.
    const std::vector<Material> parsed = MaterialLibrary::parse(
        "SS400,205000,0.3,235,7.85,JIS\r\nbad,1,2\r\nSS400,205000,0.3,245,7.85\r\n",
        [&](const std::string& m) { messages << QString::fromStdString(m); });
    QCOMPARE(messages.size(), 1);
    QCOMPARE(parsed.size(), std::size_t{1});
    QCOMPARE(parsed.front().yieldStrength, 245.0);
}

QTEST_GUILESS_MAIN(TestMaterialText)
#include "test_material_text.moc"

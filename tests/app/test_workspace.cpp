// The workspace commands without a window: start-up, undo and redo with their snapshot files,
// direct editing through the buffer, reading and writing coordinate files, the calculation and the
// export, and what happens when one of the working files cannot be written or read.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include "core/section/ResultRows.h"
#include "editing/TableChange.h"
#include "editing/Workspace.h"
#include "io/CoordText.h"
#include "io/FileTokens.h"
#include "io/TextFile.h"

using namespace kuvanto;

namespace {

QString Fixture(const char* name) {
    return QStringLiteral(KUVANTO_FIXTURES "/") + name;
}

// rows of a table as "x|y", header and entry row left out.
QStringList rows(const CoordTable& grid) {
    QStringList rows;
    for (int r = 1; r < grid.rows() - 1; ++r)
        rows << QString::fromStdString(grid.text(r, 0) + "|" + grid.text(r, 1));
    return rows;
}

QString readUtf8(const QString& path) {
    const auto text = readTextFile(path);
    return text ? QString::fromStdString(*text) : QStringLiteral("<unreadable>");
}

// A folder in place of a working file makes every write of that file fail.
void Block(const QTemporaryDir& dir, const char* name) {
    QFile::remove(dir.filePath(QString::fromLatin1(name)));
    QVERIFY(QDir(dir.path()).mkdir(QString::fromLatin1(name)));
}

const QString kTextA = QStringLiteral("<<加算>>,\n1,1\n2,2\n<<減算>>,");
const QString kTextB = QStringLiteral("<<加算>>,\n5,5\n<<減算>>,\n7,7");

}  // namespace

class TestWorkspace : public QObject {
    Q_OBJECT
private slots:
    void startResetsEverythingAndRecordsTheEmptyState();
    void startLoadsTheColourFile();
    void undoGoesBackStepByStepAndRedoForward();
    void undoTakesBackAChangeNoCommandRecorded();
    void undoWorksWhenTheSnapshotFilesCannotBeWritten();
    void directEditingReadsTheEditedText();
    void directEditingWithAnUnwritableBufferChangesNothing();
    void readCsv_data();
    void readCsv();
    void undoAfterReadingShowsEmptyTables();
    void largeFileSnapshotIsTheTables();
    void largeTablesSnapshotsInARow();
    void largeSnapshotsFollowTheChanges();
    void unreadableFileLeavesEverythingAsItWas_data();
    void unreadableFileLeavesEverythingAsItWas();
    void oversizedColourFileGivesDefaults_data();
    void oversizedColourFileGivesDefaults();
    void writeCsvRoundTrip();
    void materialsFollowTheTables();
    void calculationExportAndErase();
};

void TestWorkspace::startResetsEverythingAndRecordsTheEmptyState() {
    QTemporaryDir dir;
    Workspace ws(dir.path());
    ws.addGrid.appendRow("1", "2");
    ws.resultGrid.setText(0, 2, "junk");
    QVERIFY(ws.start());
    QCOMPARE(ws.addGrid.rows(), 2);
    QCOMPARE(ws.addGrid.text(0, 0), std::string("X"));
    QCOMPARE(ws.resultGrid.text(1, 0), std::string("面積"));
    QCOMPARE(ws.resultGrid.text(0, 2), std::string());
    QCOMPARE(ws.colors, kFallbackColors);
    QCOMPARE(ws.undo().undoFile(), QStringLiteral("udtxt2.txt"));
    QCOMPARE(readUtf8(dir.filePath("udtxt2.txt")),
             QStringLiteral("<<連番>>,1\r\n<<加算>>,\r\n<<減算>>,\r\n"));
    QVERIFY(ws.snapshotError().isEmpty());
    QVERIFY(!ws.hasResults());
}

void TestWorkspace::startLoadsTheColourFile() {
    QTemporaryDir dir;
    QVERIFY(writeTextFile(dir.filePath("cl.ini"), " 1  2  3 \r\n", FileEncoding::Cp932));
    Workspace ws(dir.path());
    ws.start();
    QCOMPARE(ws.colors, (DrawColors{1, 2, 3}));
}

void TestWorkspace::undoGoesBackStepByStepAndRedoForward() {
    QTemporaryDir dir;
    Workspace ws(dir.path());
    ws.start();
    QVERIFY(ws.applyDirectEdit(kTextA));
    QVERIFY(ws.applyDirectEdit(kTextB));
    const QStringList a{"1|1", "2|2"}, b{"5|5"};
    QVERIFY(ws.undoRestore());
    QCOMPARE(rows(ws.addGrid), a);
    QCOMPARE(rows(ws.subtractedGrid), QStringList());
    // The latest snapshot file holds what the tables show, in the text form, behind its number
    // (the start, two edits and the undo).
    QCOMPARE(readUtf8(dir.filePath(ws.undo().undoFile())),
             QStringLiteral("<<連番>>,4\r\n<<加算>>,\r\n1,1\r\n2,2\r\n<<減算>>,\r\n"));
    QVERIFY(ws.undoRestore());
    QCOMPARE(rows(ws.addGrid), QStringList());
    QVERIFY(!ws.canUndo());
    QVERIFY(!ws.undoRestore());  // nothing more to undo: the tables stay
    QCOMPARE(ws.addGrid.rows(), 2);

    QVERIFY(ws.redo());
    QCOMPARE(rows(ws.addGrid), a);
    QVERIFY(ws.redo());
    QCOMPARE(rows(ws.addGrid), b);
    QCOMPARE(rows(ws.subtractedGrid), QStringList{"7|7"});
    QVERIFY(!ws.redo());

    // A new change after an undo ends the steps that could be redone.
    QVERIFY(ws.undoRestore());
    QVERIFY(ws.canRedo());
    ws.addGrid.setText(1, 0, "9");
    ws.saveUndo();
    QVERIFY(!ws.canRedo());
    QVERIFY(!ws.redo());
    QCOMPARE(rows(ws.addGrid), (QStringList{"9|1", "2|2"}));
    QVERIFY(ws.undoRestore());
    QCOMPARE(rows(ws.addGrid), a);
}

void TestWorkspace::undoTakesBackAChangeNoCommandRecorded() {
    // A change that took no snapshot is undone first, as a step of its own, and can be redone.
    QTemporaryDir dir;
    Workspace ws(dir.path());
    ws.start();
    QVERIFY(ws.applyDirectEdit(kTextA));
    ws.addGrid.setText(1, 0, "3");
    QString error;
    QVERIFY2(ws.undoRestore(&error), qPrintable(error));
    QCOMPARE(rows(ws.addGrid), (QStringList{"1|1", "2|2"}));
    QVERIFY(ws.redo());
    QCOMPARE(rows(ws.addGrid), (QStringList{"3|1", "2|2"}));
    QVERIFY(ws.snapshotError().isEmpty());
}

void TestWorkspace::undoWorksWhenTheSnapshotFilesCannotBeWritten() {
    // The steps are kept in memory: a snapshot file that cannot be written is reported, and
    // undo still brings back exactly the state before each change.
    QTemporaryDir dir;
    Workspace ws(dir.path());
    ws.start();
    Block(dir, "udtxt1.txt");
    QVERIFY(ws.applyDirectEdit(kTextA));  // the change stands; its snapshot failed
    QVERIFY(!ws.snapshotError().isEmpty());
    QCOMPARE(rows(ws.addGrid), (QStringList{"1|1", "2|2"}));
    QVERIFY(ws.applyDirectEdit(kTextB));  // this snapshot goes to the other file
    QVERIFY(ws.snapshotError().isEmpty());
    QVERIFY(ws.undoRestore());
    QCOMPARE(rows(ws.addGrid), (QStringList{"1|1", "2|2"}));
    QVERIFY(!ws.snapshotError().isEmpty());  // written to the blocked file
    QVERIFY(ws.undoRestore());
    QCOMPARE(rows(ws.addGrid), QStringList());
}

void TestWorkspace::directEditingReadsTheEditedText() {
    QTemporaryDir dir;
    Workspace ws(dir.path());
    ws.start();
    QVERIFY(ws.applyDirectEdit(kTextB));
    const auto text = ws.directEditText();
    QVERIFY(text);
    QCOMPARE(*text, QStringLiteral("<<加算>>,\n5,5\n<<減算>>,\n7,7\n"));
    // Without the subtracted marker every following line belongs to the added figures.
    QVERIFY(ws.applyDirectEdit(QStringLiteral("<<加算>>,\n5,5\n7,7")));
    QCOMPARE(rows(ws.addGrid), (QStringList{"5|5", "7|7"}));
    QCOMPARE(rows(ws.subtractedGrid), QStringList());
    QCOMPARE(readUtf8(dir.filePath("buf.txt")), QStringLiteral("<<加算>>,\r\n5,5\r\n7,7\r\n"));
}

void TestWorkspace::directEditingWithAnUnwritableBufferChangesNothing() {
    QTemporaryDir dir;
    Workspace ws(dir.path());
    ws.start();
    QVERIFY(ws.applyDirectEdit(kTextA));
    Block(dir, "buf.txt");
    QString error;
    QVERIFY(!ws.directEditText(&error));
    QVERIFY2(error.contains("buf.txt"), qPrintable(error));
    QVERIFY(!ws.applyDirectEdit(kTextB, &error));
    QCOMPARE(rows(ws.addGrid), (QStringList{"1|1", "2|2"}));
}

void TestWorkspace::readCsv_data() {
    QTest::addColumn<QString>("content");  // empty: the rectangle-with-hole fixture
    QTest::addColumn<QStringList>("add");
    QTest::addColumn<QStringList>("subtracted");
    QTest::addColumn<QStringList>("skipped");
    QTest::newRow("fixture with a hole")
        << QString() << QStringList{"0|0", "100|0", "100|200", "0|200", "0|0"}
        << QStringList{"25|50", "75|50", "75|150", "25|150", "25|50"} << QStringList();
    QTest::newRow("pair that is not two numbers is reported and skipped")
        << QStringLiteral("<<加算>>,\r\n1,2\r\na,1\r\n3,4\r\n") << QStringList{"1|2", "3|4"}
        << QStringList()
        << QStringList{QStringLiteral("座標データ(X,Y)でないデータ(a,1)が含まれています。\r"
                                      "この行を省略して読込みを続けます。")};
    {
        // A thousand bad rows give three messages and one count, not a thousand message boxes.
        QString content = QStringLiteral("<<加算>>,\r\n1,2\r\n");
        QStringList messages;
        for (int i = 1; i <= 1000; ++i) {
            content += QStringLiteral("a%1,1\r\n").arg(i);
            if (i <= 3) {
                messages << QStringLiteral(
                                "座標データ(X,Y)でないデータ(a%1,1)が含まれています。\r"
                                "この行を省略して読込みを続けます。")
                                .arg(i);
            }
        }
        content += QStringLiteral("3,4\r\n");
        messages << QStringLiteral(
            "座標データ(X,Y)でないデータがほかに997組ありました。\r"
            "省略したデータは合わせて1000組です。");
        QTest::newRow("many skipped pairs: the first reported, the rest counted")
            << content << QStringList{"1|2", "3|4"} << QStringList() << messages;
    }
    QTest::newRow("subtracted section first")
        << QStringLiteral("<<減算>>,\r\n9,9\r\n<<加算>>,\r\n1,1\r\n") << QStringList{"1|1"}
        << QStringList{"9|9"} << QStringList();
}

void TestWorkspace::readCsv() {
    QFETCH(QString, content);
    QFETCH(QStringList, add);
    QFETCH(QStringList, subtracted);
    QFETCH(QStringList, skipped);
    QTemporaryDir dir;
    QString path = Fixture("rectangle-with-hole.csv");
    if (!content.isEmpty()) {
        path = dir.filePath("in.csv");
        QVERIFY(writeTextFile(path, content.toStdString(), FileEncoding::Cp932));
    }
    Workspace ws(dir.path());
    ws.start();
    QStringList messages;
    QVERIFY(ws.readCsv(path, [&](const QString& m) { messages << m; }));
    QCOMPARE(rows(ws.addGrid), add);
    QCOMPARE(rows(ws.subtractedGrid), subtracted);
    QCOMPARE(messages, skipped);
    QCOMPARE(ws.addGrid.text(ws.addGrid.rows() - 1, 0), std::string());  // entry row stays
}

void TestWorkspace::undoAfterReadingShowsEmptyTables() {
    QTemporaryDir dir;
    Workspace ws(dir.path());
    ws.start();
    QVERIFY(ws.applyDirectEdit(kTextA));
    QVERIFY(ws.readCsv(Fixture("rectangle-with-hole.csv"), {}));
    QVERIFY(ws.undoRestore());
    QCOMPARE(rows(ws.addGrid), QStringList());
    QCOMPARE(rows(ws.subtractedGrid), QStringList());
}

// The snapshot of a large file is made on a worker from the file's text; it must hold exactly
// the tables the window shows: separators, skipped pairs, quoted cells and both sections.
void TestWorkspace::largeFileSnapshotIsTheTables() {
    QTemporaryDir dir;
    std::string content = "<<加算>>,\r\n";
    for (int i = 0; i < 120000; ++i) {
        content += std::to_string(i) + ".25,-" + std::to_string(i) + "\r\n";
        if (i % 1000 == 999) content += "<<図形区切り>>,\r\n\"1\",2\r\nx,y\r\n";
    }
    content += "<<減算>>,\r\n1,1\r\n2,1\r\n2,2\r\n";
    QVERIFY(content.size() > UndoStore::kBackgroundThreshold);
    const QString path = dir.filePath("large.csv");
    QVERIFY(writeTextFile(path, content, FileEncoding::Cp932));
    Workspace ws(dir.path());
    ws.start();
    QVERIFY(ws.readCsv(path, {}));
    QVERIFY(ws.undo().finishBackground());
    const std::optional<std::string> snapshot = readTextFile(dir.filePath(ws.undo().undoFile()));
    QVERIFY(snapshot);
    QVERIFY(snapshot->substr(snapshot->find('\n') + 1) == coordText(ws.addGrid, ws.subtractedGrid));
    QCOMPARE(ws.addGrid.rows(), 120000 + 2 * 120 + 2);

    // The history's step of the file is made by a worker as well: the read is saved and one
    // step, a cell typed next is a step of its own, and undo walks back through both.
    QVERIFY(!ws.modified());
    QVERIFY(ws.canUndo());
    const std::string asRead = coordText(ws.addGrid, ws.subtractedGrid);
    ws.addGrid.setText(5, 1, "7");
    QVERIFY(ws.saveUndo());
    QVERIFY(ws.modified());
    QVERIFY(ws.undoRestore());
    QVERIFY(coordText(ws.addGrid, ws.subtractedGrid) == asRead);
    QVERIFY(!ws.modified());
    QVERIFY(ws.undoRestore());
    QCOMPARE(ws.addGrid.rows(), 2);
    QVERIFY(ws.redo());
    QVERIFY(coordText(ws.addGrid, ws.subtractedGrid) == asRead);
    QVERIFY(ws.undo().finishBackground());
}

// Large tables are snapshot from copies on workers: two snapshots in a row (a cell written by Tab,
// the next by Enter) each hold the tables as they were when taken, whatever changes after.
void TestWorkspace::largeTablesSnapshotsInARow() {
    QTemporaryDir dir;
    Workspace ws(dir.path());
    QVERIFY(ws.start());
    for (int i = 0; i < 100000; ++i) ws.addGrid.appendRow(std::to_string(i), "0.5");
    ws.addGrid.setText(1, 0, "first");
    QVERIFY(ws.saveUndo());
    QVERIFY(ws.undo().writingInBackground());
    const QString firstFile = ws.undo().folder() + '/' + ws.undo().undoFile();
    ws.addGrid.setText(1, 0, "second");
    QVERIFY(ws.saveUndo());
    const QString secondFile = ws.undo().folder() + '/' + ws.undo().undoFile();
    QVERIFY(firstFile != secondFile);
    ws.addGrid.setText(1, 0, "changed after the snapshot");
    ws.addGrid.setRows(5);
    QVERIFY(ws.undo().finishBackground());
    for (const auto& [file, first] : {std::pair{firstFile, "first"}, {secondFile, "second"}}) {
        CoordTable add, subtracted;
        QVERIFY(readCoordText(file, add, subtracted));
        QCOMPARE(add.text(1, 0), first);
        QCOMPARE(add.rows(), 100003);  // the rows read back and an entry row
        QCOMPARE(add.text(100001, 0), "99999");
    }
    QVERIFY(ws.snapshotError().isEmpty());
}

// Large snapshots are written from one copy of the tables that follows each change by the rows
// it touched: after cells, inserted and removed rows, undo and redo, and a burst of changes
// whose snapshots wait behind the writer, the newest file holds the tables.
void TestWorkspace::largeSnapshotsFollowTheChanges() {
    QTemporaryDir dir;
    Workspace ws(dir.path());
    QVERIFY(ws.start());
    for (int i = 0; i < 100000; ++i) ws.addGrid.appendRow(std::to_string(i), "0.5");
    QVERIFY(ws.saveUndo());
    const auto newestIsTheTables = [&] {
        if (!ws.undo().finishBackground()) return false;
        auto text = readTextFile(ws.undo().folder() + '/' + ws.undo().undoFile());
        // The file starts with the snapshot's number, "<<連番>>,N", before the tables' text.
        if (!text || !text->starts_with(kSnapshotNumberToken)) return false;
        text->erase(0, text->find('\n') + 1);
        return *text == coordText(ws.addGrid, ws.subtractedGrid);
    };
    QVERIFY(newestIsTheTables());
    ws.addGrid.setText(70000, 1, "7");
    QVERIFY(ws.saveUndo());
    QVERIFY(newestIsTheTables());
    ws.addGrid.insertRows(30000, 3);
    ws.addGrid.setText(30001, 0, "inserted");
    QVERIFY(ws.saveUndo());
    ws.addGrid.removeRows(5, 2);
    QVERIFY(ws.saveUndo());  // waits behind the writer
    ws.subtractedGrid.appendRow("1", "2");
    QVERIFY(ws.saveUndo());  // takes the waiting one's place
    QVERIFY(newestIsTheTables());
    QVERIFY(ws.undoRestore());
    QVERIFY(ws.undoRestore());
    QVERIFY(newestIsTheTables());
    QVERIFY(ws.redo());
    QVERIFY(newestIsTheTables());
    QVERIFY(ws.snapshotError().isEmpty());
}

void TestWorkspace::unreadableFileLeavesEverythingAsItWas_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<qint64>("sparseSize");  // 0: the file is missing
    QTest::addColumn<QString>("reason");
    QTest::newRow("missing") << "no-such-file.csv" << qint64(0) << "ファイルが見つかりません";
    // Larger than memory: refused before anything is allocated, not an abort.
    QTest::newRow("1 TB sparse file") << "big.csv" << (qint64(1) << 40) << "ファイルが大きすぎます";
}

void TestWorkspace::unreadableFileLeavesEverythingAsItWas() {
    QFETCH(QString, name);
    QFETCH(qint64, sparseSize);
    QFETCH(QString, reason);
    QTemporaryDir dir;
    Workspace ws(dir.path());
    ws.start();
    QVERIFY(ws.applyDirectEdit(kTextA));
    const QString undoFile = ws.undo().undoFile();
    const QString path = dir.filePath(name);
    if (sparseSize > 0) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.resize(sparseSize));
    }
    QString error;
    QVERIFY(!ws.readCsv(path, {}, &error));
    QVERIFY2(error.contains(name) && error.contains(reason), qPrintable(error));
    QCOMPARE(rows(ws.addGrid), (QStringList{"1|1", "2|2"}));
    QCOMPARE(ws.undo().undoFile(), undoFile);  // no snapshot was taken
}

// The colour file holds three numbers; a far larger one is not read but taken as unreadable,
// and a start never aborts over it.
void TestWorkspace::oversizedColourFileGivesDefaults_data() {
    QTest::addColumn<qint64>("size");
    QTest::newRow("1 MB") << (qint64(1) << 20);
    QTest::newRow("1 TB sparse") << (qint64(1) << 40);
}

void TestWorkspace::oversizedColourFileGivesDefaults() {
    QFETCH(qint64, size);
    QTemporaryDir dir;
    QFile file(dir.filePath("cl.ini"));
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(" 1  2  3 \r\n") > 0);
    QVERIFY(file.resize(size));
    file.close();
    Workspace ws(dir.path());
    QVERIFY(ws.start());
    QCOMPARE(ws.colors, kFallbackColors);
}

void TestWorkspace::writeCsvRoundTrip() {
    QTemporaryDir dir;
    Workspace ws(dir.path());
    ws.start();
    const QString out = dir.filePath("out.csv");
    QVERIFY(ws.writeCsv(out));
    QCOMPARE(readUtf8(out), QStringLiteral("<<加算>>,\r\n<<減算>>,\r\n"));
    QVERIFY(ws.readCsv(Fixture("rectangle-with-hole.csv"), {}));
    QVERIFY(ws.writeCsv(out));
    QFile a(out), b(Fixture("rectangle-with-hole.csv"));
    QVERIFY(a.open(QIODevice::ReadOnly) && b.open(QIODevice::ReadOnly));
    QCOMPARE(a.readAll(), b.readAll());
    QString error;
    QVERIFY(!ws.writeCsv(dir.filePath("missing-folder/out.csv"), &error));
    QVERIFY(error.contains("out.csv"));
}

// The materials of a file come back byte for byte when it is saved, sit in the snapshot the
// recovery reads and in the direct-editing buffer, feed the calculation, and go and come with
// the tables on undo and redo.
void TestWorkspace::materialsFollowTheTables() {
    QTemporaryDir dir;
    Workspace ws(dir.path());
    ws.start();
    QVERIFY(ws.applyDirectEdit(kTextA));
    QStringList messages;
    QVERIFY(ws.readCsv(Fixture("filled-box-materials.csv"),
                       [&](const QString& message) { messages << message; }));
    QCOMPARE(messages, QStringList());
    QCOMPARE(ws.materials.materials().size(), std::size_t{2});
    QCOMPARE(ws.materials.assignments().size(), std::size_t{3});
    const SectionMaterials read = ws.materials;

    const QString out = dir.filePath("out.csv");
    QVERIFY(ws.writeCsv(out));
    QFile a(out), b(Fixture("filled-box-materials.csv"));
    QVERIFY(a.open(QIODevice::ReadOnly) && b.open(QIODevice::ReadOnly));
    QCOMPARE(a.readAll(), b.readAll());

    QVERIFY(ws.undo().finishBackground());
    CoordTable add, subtracted;
    SectionMaterials snapshot;
    QVERIFY(readCoordText(dir.filePath(ws.undo().undoFile()), add, subtracted, nullptr, &snapshot));
    QVERIFY(snapshot == read);
    const std::optional<QString> buffer = ws.directEditText();
    QVERIFY(buffer &&
            buffer->contains("<<図形材料>>,\n加算,1,STKR400\n加算,2,Fc24\n減算,1,STKR400\n"));

    QVERIFY(ws.runCalculation());
    QCOMPARE(ws.resultGrid.text(Property::AxialStiffness, ws.resultGrid.cols() - 1), "2.2925E9");

    // A figure put in front of the added ones: the materials move along with their figures.
    {
        TableChange change(ws);
        ws.addGrid.insertRows(1, 4);
        const char* cells[][2] = {
            {"300", "0"}, {"310", "0"}, {"300", "10"}, {"<<図形区切り>>", ""}};
        for (int r = 0; r < 4; ++r) {
            ws.addGrid.setText(r + 1, 0, cells[r][0]);
            ws.addGrid.setText(r + 1, 1, cells[r][1]);
        }
    }
    QVERIFY(!ws.materials.materialOf(TableKind::Added, 1));
    QCOMPARE(ws.materials.materialOf(TableKind::Added, 2)->name, "STKR400");
    QCOMPARE(ws.materials.materialOf(TableKind::Added, 3)->name, "Fc24");
    QCOMPARE(ws.materials.materialOf(TableKind::Subtracted, 1)->name, "STKR400");
    QVERIFY(ws.undoRestore());
    QVERIFY(ws.materials == read);

    // Undo back to the tables before the file (through the erased tables), and redo.
    QVERIFY(ws.undoRestore());
    QVERIFY(ws.materials.empty());
    QVERIFY(ws.undoRestore());
    QCOMPARE(rows(ws.addGrid), QStringList({"1|1", "2|2"}));
    QVERIFY(ws.materials.empty());
    QVERIFY(ws.redo());
    QVERIFY(ws.redo());
    QVERIFY(ws.materials == read);
    ws.allDel();
    QVERIFY(ws.materials.empty());
}

void TestWorkspace::calculationExportAndErase() {
    QTemporaryDir dir;
    Workspace ws(dir.path());
    ws.start();
    QVERIFY(ws.readCsv(Fixture("rectangle-with-hole.csv"), {}));
    QVERIFY(ws.runCalculation());
    QVERIFY(ws.hasResults());
    const QString out = dir.filePath("result.txt");
    QVERIFY(ws.exportResult(out));
    const QStringList lines = readUtf8(out).split("\r\n");
    // The rows before the torsion block (its analysis has not run), each ended by CR LF.
    QCOMPARE(lines.size(), kTorsionFirstRow + 1);
    QCOMPARE(lines[0], QStringLiteral("項目\t記号\t加算1\t減算2\t総合"));
    // Each block's heading right above its first row, a blank line before it; the plastic rows
    // of figure columns hold "-".
    QCOMPARE(lines[resultRow(Property::MomentX) - 2], QString());
    QCOMPARE(lines[resultRow(Property::MomentX) - 1], QStringLiteral("[図心回り]"));
    QCOMPARE(lines[resultRow(Property::ProductMoment) - 2], QString());
    QCOMPARE(lines[resultRow(Property::ProductMoment) - 1], QStringLiteral("[主軸]"));
    QCOMPARE(lines[resultRow(Property::PlasticAxisX) - 1], QStringLiteral("[塑性]"));
    QCOMPARE(lines[resultRow(Property::PlasticModulusX)],
             QStringLiteral("塑性断面係数X\tZpx\t-\t-\t8.7500E5"));

    ws.allDel();
    QVERIFY(!ws.hasResults());
    QVERIFY(!ws.resultGrid.visible());
    QCOMPARE(ws.resultGrid.text(0, 2), std::string());
    QCOMPARE(rows(ws.addGrid), QStringList());
    // A failing run is not a result.
    QVERIFY(ws.applyDirectEdit(QStringLiteral("<<加算>>,\n0,0\n1,\n")));
    QVERIFY(!ws.runCalculation());
    QVERIFY(!ws.hasResults());
}

QTEST_GUILESS_MAIN(TestWorkspace)
#include "test_workspace.moc"

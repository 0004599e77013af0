// The workspace commands without a window: start-up, undo over the two snapshot files, direct
// editing through the buffer, reading and writing coordinate files, the calculation and the
// export, and what happens when one of the working files cannot be written or read.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include "TextFile.h"
#include "Workspace.h"

using namespace kuvanto;

namespace {

QString Fixture(const char* name) {
    return QStringLiteral(KUVANTO_FIXTURES "/") + name;
}

// Rows of a table as "x|y", header and entry row left out.
QStringList Rows(const CoodGrid& grid) {
    QStringList rows;
    for (int r = 1; r < grid.Rows() - 1; ++r)
        rows << QString::fromStdString(grid.Text(r, 0) + "|" + grid.Text(r, 1));
    return rows;
}

QString Read_Utf8(const QString& path) {
    const auto text = Read_Text_File(path);
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
    void undoAlternatesBetweenTheLastTwoStates();
    void undoWithoutAnEarlierSnapshotKeepsTheTables();
    void undoNeverReadsBackASnapshotThatFailed();
    void directEditingReadsTheEditedText();
    void directEditingWithAnUnwritableBufferChangesNothing();
    void readCsv_data();
    void readCsv();
    void undoAfterReadingShowsEmptyTables();
    void unreadableFileLeavesEverythingAsItWas();
    void writeCsvRoundTrip();
    void calculationExportAndErase();
};

void TestWorkspace::startResetsEverythingAndRecordsTheEmptyState() {
    QTemporaryDir dir;
    Workspace ws(dir.path());
    ws.Add_Grid.Append_Row("1", "2");
    ws.Result_Grid.Set_Text(0, 2, "junk");
    QVERIFY(ws.Start());
    QCOMPARE(ws.Add_Grid.Rows(), 2);
    QCOMPARE(ws.Add_Grid.Text(0, 0), std::string("X"));
    QCOMPARE(ws.Result_Grid.Text(1, 0), std::string("面積"));
    QCOMPARE(ws.Result_Grid.Text(0, 2), std::string());
    QCOMPARE(ws.Colors, kFallbackColors);
    QCOMPARE(ws.Undo().Undo_File(), QStringLiteral("udtxt2.txt"));
    QCOMPARE(Read_Utf8(dir.filePath("udtxt2.txt")), QStringLiteral("<<加算>>,\r\n<<減算>>,\r\n"));
    QVERIFY(ws.Snapshot_Error().isEmpty());
    QVERIFY(!ws.Has_Results());
}

void TestWorkspace::startLoadsTheColourFile() {
    QTemporaryDir dir;
    QVERIFY(Write_Text_File(dir.filePath("cl.ini"), " 1  2  3 \r\n", FileEncoding::Cp932));
    Workspace ws(dir.path());
    ws.Start();
    QCOMPARE(ws.Colors, (DrawColors{1, 2, 3}));
}

void TestWorkspace::undoAlternatesBetweenTheLastTwoStates() {
    QTemporaryDir dir;
    Workspace ws(dir.path());
    ws.Start();
    QVERIFY(ws.Apply_Direct_Edit(kTextA));
    QVERIFY(ws.Apply_Direct_Edit(kTextB));
    const QStringList a{"1|1", "2|2"}, b{"5|5"};
    QCOMPARE(Rows(ws.Add_Grid), b);
    QVERIFY(ws.Undo_Restore());
    QCOMPARE(Rows(ws.Add_Grid), a);
    QCOMPARE(Rows(ws.Sbtrt_Grid), QStringList());
    QVERIFY(ws.Undo_Restore());
    QCOMPARE(Rows(ws.Add_Grid), b);
    QCOMPARE(Rows(ws.Sbtrt_Grid), QStringList{"7|7"});
}

void TestWorkspace::undoWithoutAnEarlierSnapshotKeepsTheTables() {
    // First run: "udtxt1.txt" does not exist, so undo has nothing to go back to.
    QTemporaryDir dir;
    Workspace ws(dir.path());
    ws.Start();
    ws.Add_Grid.Set_Text(1, 0, "3");
    ws.Add_Grid.Set_Text(1, 1, "4");
    ws.Add_Grid.Set_Rows(3);
    QString error;
    QVERIFY(!ws.Undo_Restore(&error));
    QVERIFY2(error.contains("udtxt1.txt"), qPrintable(error));
    QCOMPARE(Rows(ws.Add_Grid), QStringList{"3|4"});
}

void TestWorkspace::undoNeverReadsBackASnapshotThatFailed() {
    QTemporaryDir dir;
    Workspace ws(dir.path());
    ws.Start();
    Block(dir, "udtxt1.txt");
    QVERIFY(ws.Apply_Direct_Edit(kTextA));  // the change stands; its snapshot failed
    QVERIFY(!ws.Snapshot_Error().isEmpty());
    QCOMPARE(Rows(ws.Add_Grid), (QStringList{"1|1", "2|2"}));
    QVERIFY(ws.Apply_Direct_Edit(kTextB));  // this snapshot goes to the other file
    QVERIFY(ws.Snapshot_Error().isEmpty());
    QString error;
    QVERIFY(!ws.Undo_Restore(&error));
    QVERIFY(!error.isEmpty());
    QCOMPARE(Rows(ws.Add_Grid), QStringList{"5|5"});
}

void TestWorkspace::directEditingReadsTheEditedText() {
    QTemporaryDir dir;
    Workspace ws(dir.path());
    ws.Start();
    QVERIFY(ws.Apply_Direct_Edit(kTextB));
    const auto text = ws.Direct_Edit_Text();
    QVERIFY(text);
    QCOMPARE(*text, QStringLiteral("<<加算>>,\n5,5\n<<減算>>,\n7,7\n"));
    // Without the subtracted marker every following line belongs to the added figures.
    QVERIFY(ws.Apply_Direct_Edit(QStringLiteral("<<加算>>,\n5,5\n7,7")));
    QCOMPARE(Rows(ws.Add_Grid), (QStringList{"5|5", "7|7"}));
    QCOMPARE(Rows(ws.Sbtrt_Grid), QStringList());
    QCOMPARE(Read_Utf8(dir.filePath("buf.txt")), QStringLiteral("<<加算>>,\r\n5,5\r\n7,7\r\n"));
}

void TestWorkspace::directEditingWithAnUnwritableBufferChangesNothing() {
    QTemporaryDir dir;
    Workspace ws(dir.path());
    ws.Start();
    QVERIFY(ws.Apply_Direct_Edit(kTextA));
    Block(dir, "buf.txt");
    QString error;
    QVERIFY(!ws.Direct_Edit_Text(&error));
    QVERIFY2(error.contains("buf.txt"), qPrintable(error));
    QVERIFY(!ws.Apply_Direct_Edit(kTextB, &error));
    QCOMPARE(Rows(ws.Add_Grid), (QStringList{"1|1", "2|2"}));
}

void TestWorkspace::readCsv_data() {
    QTest::addColumn<QString>("content");  // empty: the rectangle-with-hole fixture
    QTest::addColumn<QStringList>("add");
    QTest::addColumn<QStringList>("sbtrt");
    QTest::addColumn<QStringList>("skipped");
    QTest::newRow("fixture with a hole")
        << QString() << QStringList{"0|0", "100|0", "100|200", "0|200", "0|0"}
        << QStringList{"25|50", "75|50", "75|150", "25|150", "25|50"} << QStringList();
    QTest::newRow("pair that is not two numbers is reported and skipped")
        << QStringLiteral("<<加算>>,\r\n1,2\r\na,1\r\n3,4\r\n") << QStringList{"1|2", "3|4"}
        << QStringList()
        << QStringList{QStringLiteral("座標データ(X,Y)でないデータ(a,1)が含まれています。\r"
                                      "この行を省略して読込みを続けます。")};
    QTest::newRow("subtracted section first")
        << QStringLiteral("<<減算>>,\r\n9,9\r\n<<加算>>,\r\n1,1\r\n") << QStringList{"1|1"}
        << QStringList{"9|9"} << QStringList();
}

void TestWorkspace::readCsv() {
    QFETCH(QString, content);
    QFETCH(QStringList, add);
    QFETCH(QStringList, sbtrt);
    QFETCH(QStringList, skipped);
    QTemporaryDir dir;
    QString path = Fixture("rectangle-with-hole.csv");
    if (!content.isEmpty()) {
        path = dir.filePath("in.csv");
        QVERIFY(Write_Text_File(path, content.toStdString(), FileEncoding::Cp932));
    }
    Workspace ws(dir.path());
    ws.Start();
    QStringList messages;
    QVERIFY(ws.Read_Csv(path, [&](const QString& m) { messages << m; }));
    QCOMPARE(Rows(ws.Add_Grid), add);
    QCOMPARE(Rows(ws.Sbtrt_Grid), sbtrt);
    QCOMPARE(messages, skipped);
    QCOMPARE(ws.Add_Grid.Text(ws.Add_Grid.Rows() - 1, 0), std::string());  // entry row stays
}

void TestWorkspace::undoAfterReadingShowsEmptyTables() {
    QTemporaryDir dir;
    Workspace ws(dir.path());
    ws.Start();
    QVERIFY(ws.Apply_Direct_Edit(kTextA));
    QVERIFY(ws.Read_Csv(Fixture("rectangle-with-hole.csv"), {}));
    QVERIFY(ws.Undo_Restore());
    QCOMPARE(Rows(ws.Add_Grid), QStringList());
    QCOMPARE(Rows(ws.Sbtrt_Grid), QStringList());
}

void TestWorkspace::unreadableFileLeavesEverythingAsItWas() {
    QTemporaryDir dir;
    Workspace ws(dir.path());
    ws.Start();
    QVERIFY(ws.Apply_Direct_Edit(kTextA));
    const QString undo_file = ws.Undo().Undo_File();
    const QString missing = dir.filePath("no-such-file.csv");
    QString error;
    QVERIFY(!ws.Read_Csv(missing, {}, &error));
    QVERIFY2(error.contains("no-such-file.csv"), qPrintable(error));
    QCOMPARE(Rows(ws.Add_Grid), (QStringList{"1|1", "2|2"}));
    QCOMPARE(ws.Undo().Undo_File(), undo_file);  // no snapshot was taken
}

void TestWorkspace::writeCsvRoundTrip() {
    QTemporaryDir dir;
    Workspace ws(dir.path());
    ws.Start();
    const QString out = dir.filePath("out.csv");
    QVERIFY(ws.Write_Csv(out));
    QCOMPARE(Read_Utf8(out), QStringLiteral("<<加算>>,\r\n<<減算>>,\r\n"));
    QVERIFY(ws.Read_Csv(Fixture("rectangle-with-hole.csv"), {}));
    QVERIFY(ws.Write_Csv(out));
    QFile a(out), b(Fixture("rectangle-with-hole.csv"));
    QVERIFY(a.open(QIODevice::ReadOnly) && b.open(QIODevice::ReadOnly));
    QCOMPARE(a.readAll(), b.readAll());
    QString error;
    QVERIFY(!ws.Write_Csv(dir.filePath("missing-folder/out.csv"), &error));
    QVERIFY(error.contains("out.csv"));
}

void TestWorkspace::calculationExportAndErase() {
    QTemporaryDir dir;
    Workspace ws(dir.path());
    ws.Start();
    QVERIFY(ws.Read_Csv(Fixture("rectangle-with-hole.csv"), {}));
    QVERIFY(ws.Calc1());
    QVERIFY(ws.Has_Results());
    const QString out = dir.filePath("result.txt");
    QVERIFY(ws.Export_Result(out));
    const QStringList lines = Read_Utf8(out).split("\r\n");
    QCOMPARE(lines.size(), 24);  // 23 lines, each ended by CR LF
    QCOMPARE(lines[0], QStringLiteral("項目\t記号\t加算1\t減算2\t総合"));
    QCOMPARE(lines[5], QString());
    QCOMPARE(lines[6], QStringLiteral("[図心回り]"));

    ws.All_Del();
    QVERIFY(!ws.Has_Results());
    QVERIFY(!ws.Result_Grid.Visible());
    QCOMPARE(ws.Result_Grid.Text(0, 2), std::string());
    QCOMPARE(Rows(ws.Add_Grid), QStringList());
    // A failing run is not a result.
    QVERIFY(ws.Apply_Direct_Edit(QStringLiteral("<<加算>>,\n0,0\n1,\n")));
    QVERIFY(!ws.Calc1());
    QVERIFY(!ws.Has_Results());
}

QTEST_GUILESS_MAIN(TestWorkspace)
#include "test_workspace.moc"

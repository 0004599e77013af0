// The shape library's files: the data file's columns, marker and base points; the registry's
// reading, registration (a comma in a name refused), deletion of every duplicate, and the
// installation of the shipped library that never replaces a user's own.
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include "IoTestUtil.h"
#include "io/LibraryRegistry.h"
#include "io/ShapeDataFile.h"
#include "io/ShippedLibrary.h"
#include "io/TextFile.h"

using namespace kuvanto;

class ShapeLibraryFilesTest : public QObject {
    Q_OBJECT

private slots:
    void dataFileParts_data();
    void dataFileParts();
    void formatReadsBack();
    void registryRead_data();
    void registryRead();
    void registration();
    void deletionRemovesDuplicates();
    void fileNamePart_data();
    void fileNamePart();
    void installation();
};

void ShapeLibraryFilesTest::dataFileParts_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("outline");  // "x y;x y" or "!" when the part cannot be read
    QTest::addColumn<QString>("bases");

    const QByteArray twoParts =
        "A,,B,\r\nX,Y,X,Y\r\n0,0,10,20\r\n1,0,11,20\r\n0,0,10,20\r\n"
        "挿入基点,,,\r\n0.5,0,10.5,20\r\n";
    QTest::newRow("first of two parts") << twoParts << 0 << "0 0;1 0;0 0"
                                        << "0.5 0";
    QTest::newRow("second part, columns 2 and 3") << twoParts << 1 << "10 20;11 20;10 20"
                                                  << "10.5 20";
    QTest::newRow("LF line ends, no final line end")
        << QByteArray("A,\nX,Y\n1,2\n3,4\n挿入基点\n5,6") << 0 << "1 2;3 4"
        << "5 6";
    QTest::newRow("no marker line") << QByteArray("A,\r\nX,Y\r\n0,0\r\n1,1\r\n") << 0 << "!"
                                    << "";
    QTest::newRow("marker but no base point")
        << QByteArray("A,\r\nX,Y\r\n0,0\r\n挿入基点,\r\n") << 0 << "!"
        << "";
    QTest::newRow("text in a vertex cell")
        << QByteArray("A,\r\nX,Y\r\n0,x\r\n挿入基点,\r\n0,0\r\n") << 0 << "!"
        << "";
    QTest::newRow("text in another part's columns is not read")
        << QByteArray("A,,B,\r\nX,Y\r\n0,0,a,b\r\n挿入基点\r\n1,1,c,d\r\n") << 0 << "0 0"
        << "1 1";
    QTest::newRow("a line short of the part's columns")
        << QByteArray("A,,B,\r\nX,Y\r\n0,0,1,1\r\n0,0\r\n挿入基点\r\n0,0,1,1\r\n") << 1 << "!"
        << "";
    QTest::newRow("marker cell must be exact")
        << QByteArray("A,\r\nX,Y\r\n0,0\r\n 挿入基点\r\n0,0\r\n") << 0 << "!"
        << "";
}

void ShapeLibraryFilesTest::dataFileParts() {
    QFETCH(QByteArray, text);
    QFETCH(int, index);
    QFETCH(QString, outline);
    QFETCH(QString, bases);
    LibraryPart part;
    const bool read = ShapeDataFile::readPart(text.toStdString(), index, part);
    if (outline == "!") {
        QVERIFY(!read);
        return;
    }
    QVERIFY(read);
    auto points = [](const std::vector<PlanePoint>& list) {
        QStringList out;
        for (const PlanePoint& p : list) out << QString("%1 %2").arg(p.x).arg(p.y);
        return out.join(';');
    };
    QCOMPARE(points(part.outline), outline);
    QCOMPARE(points(part.basePoints), bases);
}

void ShapeLibraryFilesTest::formatReadsBack() {
    const std::vector<LibraryPart> parts = {
        {"P-1", {{0, 0}, {1.234567, -0.000001}, {0, 0}}, {{0.5, 0}}},
        {"P-2", {{-1, 2}, {3, 4}, {-1, 2}}, {{1, 3}}}};
    const std::string text = ShapeDataFile::format(parts);
    QVERIFY(text.starts_with("P-1,,P-2,\r\nX,Y,X,Y\r\n0,0,-1,2\r\n1.23457,0,3,4\r\n"));
    QVERIFY(text.find("\r\n挿入基点,,,\r\n0.5,0,1,3\r\n") != std::string::npos);
    QCOMPARE(ShapeDataFile::partNames(text), (std::vector<std::string>{"P-1", "P-2"}));
    LibraryPart back;
    QVERIFY(ShapeDataFile::readPart(text, 1, back));
    QCOMPARE(back.outline, parts[1].outline);
    // Parts with different vertex counts cannot share a file.
    QVERIFY(ShapeDataFile::format({parts[0], {"P-3", {{0, 0}}, {{0, 0}}}}).empty());
}

void ShapeLibraryFilesTest::registryRead_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QString>("items");
    QTest::addColumn<bool>("ok");
    QTest::newRow("plain lines") << QByteArray("H形鋼,h.csv\r\n管,p.csv\r\n")
                                 << "H形鋼[h.csv];管[p.csv]" << true;
    QTest::newRow("blanks and quotes dropped")
        << QByteArray(" \"a b\" , x.csv \r\n") << "a b[x.csv]" << true;
    QTest::newRow("duplicates kept")
        << QByteArray("a,x.csv\na,x.csv\n") << "a[x.csv];a[x.csv]" << true;
    QTest::newRow("empty") << QByteArray() << "" << false;
    QTest::newRow("line without comma keeps what came before")
        << QByteArray("a,x.csv\r\nbroken\r\nb,y.csv\r\n") << "a[x.csv]" << false;
}

void ShapeLibraryFilesTest::registryRead() {
    QFETCH(QByteArray, text);
    QFETCH(QString, items);
    QFETCH(bool, ok);
    const RegistryRead read = LibraryRegistry::parse(text.toStdString());
    QStringList list;
    for (const RegistryEntry& entry : read.entries) list << QString::fromStdString(entry.item());
    QCOMPARE(list.join(';'), items);
    QCOMPARE(read.ok, ok);
}

void ShapeLibraryFilesTest::registration() {
    QTemporaryDir dir;
    const QString path = dir.filePath("pre.ini");
    QVERIFY(LibraryRegistry::append(path, {"鋼管", "pipes.csv"}));
    QVERIFY(LibraryRegistry::append(path, {"平鋼", "flat.csv"}));
    // Code page 932 with CR LF, one "name,file" line per registration.
    QCOMPARE(test::readBytes(path),
             QByteArray::fromStdString(encodeCp932("鋼管,pipes.csv\r\n平鋼,flat.csv\r\n")));
    QString error;
    QVERIFY(!LibraryRegistry::append(path, {"a,b", "x.csv"}, &error));
    QVERIFY(error.contains("カンマ"));
    QCOMPARE(LibraryRegistry::read(path).entries.size(), std::size_t(2));
    // A registry that cannot be replaced stays whole.
    QVERIFY(!LibraryRegistry::append(dir.filePath("missing/pre.ini"), {"a", "x.csv"}));
}

void ShapeLibraryFilesTest::deletionRemovesDuplicates() {
    QTemporaryDir dir;
    const QString path = dir.filePath("pre.ini");
    QVERIFY(test::writeBytes(path, "a,x.csv\r\nb,y.csv\r\na,x.csv\r\na,z.csv\r\n"));
    QVERIFY(test::writeBytes(dir.filePath("x.csv"), "data"));
    QVERIFY(LibraryRegistry::remove(path, "a[x.csv]"));
    QCOMPARE(test::readBytes(path), QByteArray("b,y.csv\r\na,z.csv\r\n"));
    QVERIFY(!QFile::exists(dir.filePath("pre.ini_tmp")));
    QVERIFY(QFile::exists(dir.filePath("x.csv")));  // data files stay
    QVERIFY(LibraryRegistry::remove(path, "b[y.csv]"));
    QVERIFY(LibraryRegistry::remove(path, "a[z.csv]"));
    QVERIFY(QFile::exists(path));
    QCOMPARE(test::readBytes(path), QByteArray());  // the last one leaves an empty registry
    QVERIFY(!LibraryRegistry::read(path).ok);
}

void ShapeLibraryFilesTest::fileNamePart_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("keep");
    QTest::addColumn<QString>("name");
    QTest::newRow("backslashes") << "C:\\data\\beam.csv" << true << "beam.csv";
    QTest::newRow("slashes") << "/home/u/data/beam.csv" << true << "beam.csv";
    QTest::newRow("bare name") << "beam.csv" << true << "beam.csv";
    QTest::newRow("without extension") << "C:\\data\\beam.v2.csv" << false << "beam.v2";
}

void ShapeLibraryFilesTest::fileNamePart() {
    QFETCH(QString, path);
    QFETCH(bool, keep);
    QFETCH(QString, name);
    QCOMPARE(LibraryRegistry::fileNamePart(path, keep), name);
}

void ShapeLibraryFilesTest::installation() {
    QTemporaryDir dir;
    QVERIFY(LibraryRegistry::fileExists(dir.filePath("x")) == false);
    QVERIFY(!LibraryRegistry::fileExists(dir.path()));  // a folder is not a data file
    QVERIFY(ShippedLibrary::installInto(dir.path()));
    const std::vector<LibraryCategory> categories = ShippedLibrary::categories(dir.path());
    QCOMPARE(categories.size(), std::size_t(7));
    for (const LibraryCategory& category : categories) QVERIFY(!category.parts.empty());
    QVERIFY(LibraryRegistry::fileExists(dir.filePath("data/pipes.csv")));
    QVERIFY(!LibraryRegistry::fileExists(dir.filePath("data/*.csv")));

    // A user's own registry is never replaced.
    QTemporaryDir own;
    QVERIFY(test::writeBytes(own.filePath("pre.ini"), "mine,m.csv\r\n"));
    QVERIFY(ShippedLibrary::installInto(own.path()));
    QCOMPARE(test::readBytes(own.filePath("pre.ini")), QByteArray("mine,m.csv\r\n"));
    QVERIFY(!QFile::exists(own.filePath("data/pipes.csv")));
}

QTEST_GUILESS_MAIN(ShapeLibraryFilesTest)
#include "test_shape_library_files.moc"

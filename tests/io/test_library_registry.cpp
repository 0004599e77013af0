// Changes to the shape library's registry "pre.ini" keep what they do not change: a registration
// appends one line in the file's encoding and a deletion drops only the entry's lines, so comments,
// lines the reader stops at, quoted fields and undecodable bytes stay byte for byte; random
// registries survive a registration and its deletion unchanged; a link named "pre.ini" is written
// through both ways, and no fixed temporary name can redirect a change.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>
#include <algorithm>

#include "IoTestUtil.h"
#include "io/FieldReader.h"
#include "io/LibraryRegistry.h"
#include "io/TextFile.h"

using namespace kuvanto;

namespace {

QByteArray cp932(const char* utf8) {
    return QByteArray::fromStdString(encodeCp932(utf8));
}

}  // namespace

class LibraryRegistryTest : public QObject {
    Q_OBJECT

private slots:
    void changeKeepsOtherLines_data();
    void changeKeepsOtherLines();
    void randomRegistriesRoundTrip();
    void linkedRegistryWrittenThrough();
    void plantedTemporaryLinkIgnored();
};

void LibraryRegistryTest::changeKeepsOtherLines_data() {
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QString>("change");  // "-item" deletes, "+name,file" registers
    QTest::addColumn<QByteArray>("after");

    QTest::newRow("deletion keeps lines after one the reader stops at")
        << cp932("H形鋼,h.csv\r\n溝形鋼,c.csv\r\nメモ: 下は自作\r\n自作A,a.csv\r\n自作B,b.csv\r\n")
        << "-H形鋼[h.csv]"
        << cp932("溝形鋼,c.csv\r\nメモ: 下は自作\r\n自作A,a.csv\r\n自作B,b.csv\r\n");
    QTest::newRow("deletion keeps a quoted name with a comma")
        << cp932("\"角パイプ, 一般\",p.csv\r\n丸鋼,r.csv\r\n") << "-丸鋼[r.csv]"
        << cp932("\"角パイプ, 一般\",p.csv\r\n");
    QTest::newRow("deletion keeps blanks inside quotes")
        << QByteArray("\" a b \",\" x.csv\"\r\nc,d.csv\r\n") << "-c[d.csv]"
        << QByteArray("\" a b \",\" x.csv\"\r\n");
    QTest::newRow("deletion keeps bytes of no encoding")
        << QByteArray("\xa0\xfd\xfe,x.csv\r\n") + cp932("丸鋼,r.csv\r\n") << "-丸鋼[r.csv]"
        << QByteArray("\xa0\xfd\xfe,x.csv\r\n");
    QTest::newRow("deletion keeps line ends and the byte-order mark")
        << QByteArray(
               "\xef\xbb\xbf"
               "a,x.csv\nb,y.csv\rc,z.csv")
        << "-a[x.csv]"
        << QByteArray(
               "\xef\xbb\xbf"
               "b,y.csv\rc,z.csv");
    QTest::newRow("registration keeps bytes of no encoding")
        << QByteArray("\xa0\xfd\xfe,x.csv\r\n") + cp932("丸鋼,r.csv\r\n") << "+平鋼,f.csv"
        << QByteArray("\xa0\xfd\xfe,x.csv\r\n") + cp932("丸鋼,r.csv\r\n平鋼,f.csv\r\n");
    QTest::newRow("registration into a UTF-8 file stays UTF-8")
        << QByteArray("丸鋼,r.csv") << "+平鋼,f.csv" << QByteArray("丸鋼,r.csv\r\n平鋼,f.csv\r\n");
    QTest::newRow("registration quotes blanks the reader would drop")
        << QByteArray("a,x.csv\r\n") << "+ 平鋼 ,f.csv"
        << QByteArray("a,x.csv\r\n") + cp932("\" 平鋼 \",f.csv\r\n");
}

void LibraryRegistryTest::changeKeepsOtherLines() {
    QFETCH(QByteArray, before);
    QFETCH(QString, change);
    QFETCH(QByteArray, after);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("pre.ini"));
    QVERIFY(test::writeBytes(path, before));
    QString error;
    if (change.startsWith(QLatin1Char('-'))) {
        QVERIFY2(LibraryRegistry::remove(path, change.mid(1).toStdString(), &error),
                 qPrintable(error));
    } else {
        const QStringList fields = change.mid(1).split(QLatin1Char(','));
        QVERIFY2(LibraryRegistry::append(path, {fields[0].toStdString(), fields[1].toStdString()},
                                         &error),
                 qPrintable(error));
    }
    QCOMPARE(test::readBytes(path), after);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"pre.ini"});
}

// Registries made of random lines, in either encoding: any that the reader takes whole comes
// back byte for byte after a registration and the deletion of that registration, and reads
// with the new entry in between.
void LibraryRegistryTest::randomRegistriesRoundTrip() {
    QRandomGenerator random(20261210);
    const QStringList names = {"H形鋼",    "溝形鋼", "a b", "x", "角パイプ, 一般",
                               "引用\"符", " 空白 ", "ｶﾅ",  "①", "~\\"};
    const QStringList ends = {"\r\n", "\n", "\r"};
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("pre.ini"));
    int tried = 0;
    for (int round = 0; round < 400; ++round) {
        QString text;
        const int lines = 1 + random.bounded(8);
        for (int i = 0; i < lines; ++i) {
            const QString name = names[random.bounded(names.size())];
            switch (random.bounded(5)) {
                case 0:
                    text += QString::fromStdString(quoteField(name.toStdString()));
                    break;
                case 1:
                    text += QStringLiteral("  ") +
                            QString::fromStdString(quoteField(name.toStdString()));
                    break;
                case 2:
                    text += QStringLiteral(" ");  // a blank line
                    break;
                default:
                    text += name.contains(QLatin1Char(',')) || name.contains(QLatin1Char('"'))
                                ? QStringLiteral("\"") + name + QStringLiteral("\"")
                                : name;
            }
            if (!text.endsWith(QLatin1Char(' '))) text += QStringLiteral(",f%1.csv").arg(i);
            if (i + 1 < lines || random.bounded(2) == 0) text += ends[random.bounded(ends.size())];
        }
        const std::string utf8 = text.toStdString();
        QByteArray bytes = random.bounded(2) == 0 ? QByteArray::fromStdString(utf8)
                                                  : QByteArray::fromStdString(encodeCp932(utf8));
        if (random.bounded(4) == 0) bytes.prepend("\xa0\xfd,g.csv\r\n");  // bytes of no encoding
        const std::string decoded = decodeFileBytes(bytes.toStdString());
        const RegistryRead read = LibraryRegistry::parse(decoded);
        // The compact names and the search by name read the lines as the full reading does.
        const RegistryNames compact = LibraryRegistry::names(decoded);
        QCOMPARE(compact.ok, read.ok);
        QCOMPARE(compact.size(), read.entries.size());
        for (std::size_t i = 0; i < read.entries.size(); ++i) {
            QCOMPARE(std::string(compact.name(i)), read.entries[i].name);
            const auto first = std::find_if(
                read.entries.begin(), read.entries.end(),
                [&](const RegistryEntry& entry) { return entry.name == read.entries[i].name; });
            QVERIFY(LibraryRegistry::fileOf(decoded, read.entries[i].name) == first->file);
        }
        QVERIFY(!LibraryRegistry::fileOf(decoded, "no such category"));
        if (!read.ok) continue;
        ++tried;
        QVERIFY(test::writeBytes(path, bytes));
        const RegistryEntry added{"新規登録", "new.csv"};
        QVERIFY(LibraryRegistry::append(path, added));
        std::vector<RegistryEntry> expected = read.entries;
        expected.push_back(added);
        QVERIFY2(LibraryRegistry::read(path).entries == expected, bytes.toHex().constData());
        QVERIFY(LibraryRegistry::remove(path, added.item()));
        QByteArray original = bytes;
        if (!original.endsWith('\n') && !original.endsWith('\r')) original += "\r\n";
        QCOMPARE(test::readBytes(path), original);
    }
    QVERIFY2(tried > 100, qPrintable(QString::number(tried)));
}

// A registry that is a link to a file elsewhere is changed in that file both ways; the link
// stays a link.
void LibraryRegistryTest::linkedRegistryWrittenThrough() {
    QTemporaryDir dir;
    QTemporaryDir elsewhere;
    const QString target = elsewhere.filePath(QStringLiteral("shared.ini"));
    const QString path = dir.filePath(QStringLiteral("pre.ini"));
    QVERIFY(test::writeBytes(target, "a,x.csv\r\n"));
    QVERIFY(QFile::link(target, path));
    QVERIFY(LibraryRegistry::append(path, {"b", "y.csv"}));
    QVERIFY(QFileInfo(path).isSymLink());
    QCOMPARE(test::readBytes(target), QByteArray("a,x.csv\r\nb,y.csv\r\n"));
    QVERIFY(LibraryRegistry::remove(path, "a[x.csv]"));
    QVERIFY(QFileInfo(path).isSymLink());
    QCOMPARE(test::readBytes(target), QByteArray("b,y.csv\r\n"));
}

// A link named "pre.ini_tmp" (the deletion's former fixed name) redirects nothing.
void LibraryRegistryTest::plantedTemporaryLinkIgnored() {
    QTemporaryDir dir;
    QTemporaryDir outside;
    const QString victim = outside.filePath(QStringLiteral("victim.txt"));
    QVERIFY(test::writeBytes(victim, "keep"));
    QVERIFY(QFile::link(victim, dir.filePath(QStringLiteral("pre.ini_tmp"))));
    const QString path = dir.filePath(QStringLiteral("pre.ini"));
    QVERIFY(test::writeBytes(path, "a,x.csv\r\nb,y.csv\r\n"));
    QVERIFY(LibraryRegistry::remove(path, "a[x.csv]"));
    QCOMPARE(test::readBytes(victim), QByteArray("keep"));
    QVERIFY(!QFileInfo(path).isSymLink());
    QCOMPARE(test::readBytes(path), QByteArray("b,y.csv\r\n"));
}

QTEST_GUILESS_MAIN(LibraryRegistryTest)
#include "test_library_registry.moc"

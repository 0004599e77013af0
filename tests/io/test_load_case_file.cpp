// The load-case file: what it reads (header in any order, actions left out, quoted names, line
// ends, a byte-order mark), what it refuses with the line and the reason (hostile or damaged
// input never yields a case read half or a case dropped), and that what it writes reads back
// to the same cases through the safe write.
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

#include "io/LoadCaseFile.h"

using namespace kuvanto;

namespace {

LoadCase caseOf(const char* name, std::array<double, kLoadActionCount> actions) {
    LoadCase loads;
    loads.name = name;
    loads.actions = actions;
    return loads;
}

}  // namespace

Q_DECLARE_METATYPE(std::vector<kuvanto::LoadCase>)

class LoadCaseFileTest : public QObject {
    Q_OBJECT

private slots:
    void reads_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<std::vector<LoadCase>>("expected");
        QTest::newRow("header and two cases")
            << QByteArray("name,N,Mx,My,Vx,Vy,T\ndead,-1000,2e6,0,0,0,0\nwind,0,0,3.5E5,10,20,30\n")
            << std::vector<LoadCase>{caseOf("dead", {-1000, 2e6, 0, 0, 0, 0}),
                                     caseOf("wind", {0, 0, 3.5e5, 10, 20, 30})};
        QTest::newRow("header in another order, actions left out")
            << QByteArray("Name,My,N\r\na,1,2\r\n")
            << std::vector<LoadCase>{caseOf("a", {2, 0, 1, 0, 0, 0})};
        QTest::newRow("no header, CR line ends, blank lines, BOM")
            << QByteArray("\xEF\xBB\xBF\r\rx,1,2,3,4,5,6\r\r,,,\r")
            << std::vector<LoadCase>{caseOf("x", {1, 2, 3, 4, 5, 6})};
        QTest::newRow("quoted names, blanks, empty name numbered")
            << QByteArray("name,N\n\"a, \"\"b\"\"\" , 5\n , 6\n  snow load  ,7")
            << std::vector<LoadCase>{caseOf("a, \"b\"", {5, 0, 0, 0, 0, 0}),
                                     caseOf("2", {6, 0, 0, 0, 0, 0}),
                                     caseOf("snow load", {7, 0, 0, 0, 0, 0})};
        QTest::newRow("Japanese name")
            << QByteArray("name,T\n死荷重,1\n")
            << std::vector<LoadCase>{caseOf("死荷重", {0, 0, 0, 0, 0, 1})};
    }
    void reads() {
        QFETCH(QByteArray, text);
        QFETCH(std::vector<LoadCase>, expected);
        QString error;
        const auto cases = LoadCaseFile::parse(text.toStdString(), &error);
        QVERIFY2(cases, qPrintable(error));
        QCOMPARE(cases->size(), expected.size());
        for (std::size_t i = 0; i < expected.size(); ++i) {
            QCOMPARE(QString::fromStdString((*cases)[i].name),
                     QString::fromStdString(expected[i].name));
            QVERIFY((*cases)[i] == expected[i]);
        }
    }

    // Each refusal names the line.
    void refuses_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QString>("line");
        QTest::newRow("empty") << QByteArray("") << QString();
        QTest::newRow("header only") << QByteArray("name,N,Mx\n") << QString();
        QTest::newRow("unknown column") << QByteArray("name,N,Q\n") << QStringLiteral("1 行目");
        QTest::newRow("column twice") << QByteArray("name,N,N\n") << QStringLiteral("1 行目");
        QTest::newRow("too few fields")
            << QByteArray("name,N,Mx\na,1,2\nb,1\n") << QStringLiteral("3 行目");
        QTest::newRow("too many fields")
            << QByteArray("a,1,2,3,4,5,6,7\n") << QStringLiteral("1 行目");
        QTest::newRow("not a number") << QByteArray("name,N\na,1O0\n") << QStringLiteral("2 行目");
        QTest::newRow("empty number") << QByteArray("name,N\na,\n") << QStringLiteral("2 行目");
        QTest::newRow("nan") << QByteArray("name,N\na,nan\n") << QStringLiteral("2 行目");
        QTest::newRow("infinity") << QByteArray("name,N\na,inf\n") << QStringLiteral("2 行目");
        QTest::newRow("beyond double")
            << QByteArray("name,N\na,1e999\n") << QStringLiteral("2 行目");
        QTest::newRow("unclosed quote")
            << QByteArray("name,N\n\"a,1\n") << QStringLiteral("2 行目");
        QTest::newRow("text after quote")
            << QByteArray("name,N\n\"a\"b,1\n") << QStringLiteral("2 行目");
        QTest::newRow("long name") << QByteArray("name,N\n") + QByteArray(201, 'x') + ",1\n"
                                   << QStringLiteral("2 行目");
        QTest::newRow("binary") << QByteArray("\x00\xff\xfe,\x01\x02\n", 7)
                                << QStringLiteral("1 行目");
    }
    void refuses() {
        QFETCH(QByteArray, text);
        QFETCH(QString, line);
        QString error;
        QVERIFY(!LoadCaseFile::parse(std::string_view(text.constData(), text.size()), &error));
        QVERIFY(!error.isEmpty());
        if (!line.isEmpty()) QVERIFY2(error.startsWith(line), qPrintable(error));
    }

    // More cases than the limit are refused rather than cut short.
    void refusesTooManyCases() {
        std::string text = "name,N\n";
        for (std::size_t i = 0; i <= LoadCaseFile::kMaxCases; ++i) text += "c,1\n";
        QString error;
        QVERIFY(!LoadCaseFile::parse(text, &error));
        QVERIFY(error.contains(QString::number(LoadCaseFile::kMaxCases)));
    }

    // Names that need quoting, a control character and numbers that need all their digits come
    // back the same (the control character as a blank), through a real file.
    void roundTrip() {
        const std::vector<LoadCase> cases{
            caseOf("a, \"b\"", {0.1, -2e-300, 1.7976931348623157e308, 1.0 / 3, -0.0, 12345}),
            caseOf(" padded ", {1, 2, 3, 4, 5e-324, -2.2250738585072014e-308}),
            caseOf("tab\there", {0, 0, 0, 0, 0, 0})};
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("cases.csv"));
        QString error;
        QVERIFY2(LoadCaseFile::write(path, cases, &error), qPrintable(error));
        const auto back = LoadCaseFile::read(path, &error);
        QVERIFY2(back, qPrintable(error));
        QCOMPARE(back->size(), cases.size());
        QVERIFY((*back)[0] == cases[0]);
        QVERIFY((*back)[1] == cases[1]);
        QCOMPARE((*back)[2].name, std::string("tab here"));
        QCOMPARE(QString::fromStdString(LoadCaseFile::text({caseOf("x", {1, 0, 0, 0, 0, 2.5e6})})),
                 QStringLiteral("name,N,Mx,My,Vx,Vy,T\nx,1,0,0,0,0,2500000\n"));
    }

    // Damaged copies of a good file (bytes changed, dropped or doubled) either refuse with a
    // reason or give cases that the writer writes and the reader reads back unchanged.
    void damagedFilesRoundTrip() {
        const QByteArray seed("name,N,Mx,My\n\"a, \"\"b\"\"\",1,2e6,-3.5\n  c  ,0,0,1e-300\n");
        const char alphabet[] = ",\"\n\r \t0123456789.eE+-naxyzNMT";
        QRandomGenerator random(30);
        for (int round = 0; round < 5000; ++round) {
            QByteArray text = seed;
            for (int edit = random.bounded(1, 6); edit > 0; --edit) {
                const int at = random.bounded(text.size() + 1);
                switch (random.bounded(3)) {
                    case 0:
                        if (at < text.size())
                            text[at] = alphabet[random.bounded(int(sizeof alphabet) - 1)];
                        break;
                    case 1:
                        if (at < text.size()) text.remove(at, 1);
                        break;
                    default:
                        text.insert(at, alphabet[random.bounded(int(sizeof alphabet) - 1)]);
                }
            }
            QString error;
            const auto cases = LoadCaseFile::parse(text.toStdString(), &error);
            if (!cases) {
                QVERIFY(!error.isEmpty());
                continue;
            }
            const auto again = LoadCaseFile::parse(LoadCaseFile::text(*cases), &error);
            QVERIFY2(again && *again == *cases, text.constData());
        }
    }

    void readErrorsNameTheFile() {
        QTemporaryDir dir;
        QString error;
        QVERIFY(!LoadCaseFile::read(dir.filePath(QStringLiteral("missing.csv")), &error));
        QVERIFY(error.contains(QStringLiteral("missing.csv")));
        QFile bad(dir.filePath(QStringLiteral("bad.csv")));
        QVERIFY(bad.open(QIODevice::WriteOnly));
        bad.write("name,N\na,b\n");
        bad.close();
        QVERIFY(!LoadCaseFile::read(bad.fileName(), &error));
        QVERIFY(error.contains(QStringLiteral("bad.csv")) &&
                error.contains(QStringLiteral("2 行目")));
    }
};

QTEST_GUILESS_MAIN(LoadCaseFileTest)
#include "test_load_case_file.moc"

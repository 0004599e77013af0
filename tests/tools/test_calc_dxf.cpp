// Runs the built kuvanto-calc on DXF drawings as a batch script would: the figures of the whole
// drawing or of chosen layers, unit and scale, loops left out reported on standard error, the
// JSON form, and bad options or files ending in a usage error instead of a crash.
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>
#include <cmath>
#include <numbers>

namespace {

struct Outcome {
    int status = -1;
    QByteArray out;
    QByteArray err;
};

Outcome runCalc(const QStringList& args) {
    QProcess process;
    process.start(QStringLiteral(KUVANTO_CALC), args);
    Outcome outcome;
    if (!process.waitForStarted() || !process.waitForFinished(120000)) {
        process.kill();
        process.waitForFinished();
        return outcome;
    }
    if (process.exitStatus() != QProcess::NormalExit) return outcome;
    outcome.status = process.exitCode();
    outcome.out = process.readAllStandardOutput();
    outcome.err = process.readAllStandardError();
    return outcome;
}

QString drawing(const char* name) {
    return QStringLiteral(KUVANTO_FIXTURES "/dxf/") + QString::fromLatin1(name);
}

double combinedArea(const QByteArray& json) {
    return QJsonDocument::fromJson(json)["combined"]["values"]["A"].toDouble();
}

}  // namespace

class CalcDxfTest : public QObject {
    Q_OBJECT

private slots:
    void computesDrawings_data();
    void computesDrawings();
    void reportsLoopsLeftOut();
    void refusesBadInput_data();
    void refusesBadInput();
    void saysWhyThereIsNoSection_data();
    void saysWhyThereIsNoSection();
    void exportDxfReadsBackAndPassesAStrictReader_data();
    void exportDxfReadsBackAndPassesAStrictReader();
    void exportDxfRefusesFarCoordinates();
};

void CalcDxfTest::computesDrawings_data() {
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<double>("area");
    constexpr double pi = std::numbers::pi;
    QTest::newRow("plate, every layer")
        << QStringList{"--chord-error", "0.0001", drawing("plate-with-holes.dxf")}
        << 20000 - 200 * pi;
    QTest::newRow("metres to mm") << QStringList{drawing("metres.dxf")} << 19000.0;
    QTest::newRow("unit and scale given")
        << QStringList{"--unit", "cm", "--scale=2", drawing("metres.dxf")} << 7.6;
    QTest::newRow("one layer") << QStringList{"--layer", "GOOD", drawing("faults.dxf")} << 100.0;
}

void CalcDxfTest::computesDrawings() {
    QFETCH(QStringList, args);
    QFETCH(double, area);
    const Outcome outcome = runCalc(QStringList{"--json"} + args);
    QCOMPARE(outcome.status, 0);
    QVERIFY(std::abs(combinedArea(outcome.out) - area) <= 1e-2 + 1e-9 * area);
}

void CalcDxfTest::reportsLoopsLeftOut() {
    const Outcome outcome = runCalc({drawing("faults.dxf")});
    QCOMPARE(outcome.status, 0);
    const QString err = QString::fromUtf8(outcome.err);
    QVERIFY(err.contains(QStringLiteral("画層「CROSSING」: 自己交差する輪郭 1: (23.750, 3.750)")));
    // One line per layer, with both open ends and the gap between them.
    QCOMPARE(err.count(QStringLiteral("画層「OPEN」")), 1);
    QVERIFY(
        err.contains(QStringLiteral("開いた輪郭の端 2: (0.000, 0.000) 隙間 1, (0.000, 1.000)")));
    QVERIFY(outcome.out.startsWith("項目\t記号\t加算1\t総合\n"));
}

void CalcDxfTest::refusesBadInput_data() {
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("says");
    QTest::newRow("missing layer")
        << QStringList{"--layer", "NONE", drawing("faults.dxf")} << "画層「NONE」がありません";
    QTest::newRow("missing layer, in English")
        << QStringList{"--lang", "en", "--layer", "NONE", drawing("faults.dxf")}
        << "no layer \"NONE\"";
    QTest::newRow("missing layer lists the layers")
        << QStringList{"--layer", "NONE", drawing("faults.dxf")} << "OPEN, CROSSING, GOOD";
    QTest::newRow("unknown unit") << QStringList{"--unit", "furlong", drawing("faults.dxf")}
                                  << "--unit";
    QTest::newRow("zero scale") << QStringList{"--scale", "0", drawing("faults.dxf")} << "--scale";
    QTest::newRow("NaN chord error")
        << QStringList{"--chord-error=nan", drawing("faults.dxf")} << "--chord-error";
    QTest::newRow("not a drawing")
        << QStringList{QStringLiteral(KUVANTO_FIXTURES "/dxf/make_fixtures.py")
                           .replace(".py", ".dxf")}
        << "がありません";
}

void CalcDxfTest::refusesBadInput() {
    QFETCH(QStringList, args);
    QFETCH(QString, says);
    const Outcome outcome = runCalc(args);
    QCOMPARE(outcome.status, 2);
    QVERIFY2(QString::fromUtf8(outcome.err).contains(says), outcome.err.constData());
    QVERIFY(outcome.out.isEmpty());
}

void CalcDxfTest::saysWhyThereIsNoSection_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<QStringList>("says");
    QTest::newRow("open outline with a gap")
        << "gap_1e-4.dxf"
        << QStringList{"閉じた輪郭がありません（開いた輪郭の端 2 個）",
                       "(0.00000, 0.00000) 隙間 0.0001, (0.00000, 0.00010)"};
    QTest::newRow("crossing outlines")
        << "overlap_notch.dxf"
        << QStringList{"閉じた輪郭がすべて他の輪郭と交差しています", "(100.000, 40.000)"};
    QTest::newRow("missing block")
        << "insert_missing_block.dxf"
        << QStringList{"画層「0」: 読み込まない要素 無いブロック「NOPE」の挿入 1",
                       "輪郭になる図形がありません"};
    QTest::newRow("degenerate spline")
        << "spline_degenerate.dxf" << QStringList{"形をなさないSPLINE 1"};
}

void CalcDxfTest::saysWhyThereIsNoSection() {
    QFETCH(QString, file);
    QFETCH(QStringList, says);
    const Outcome outcome = runCalc({drawing(file.toLatin1().constData())});
    QCOMPARE(outcome.status, 1);
    const QString err = QString::fromUtf8(outcome.err);
    for (const QString& text : says) QVERIFY2(err.contains(text), qPrintable(err));
    // The reason replaces the calculation's generic message.
    QVERIFY(!err.contains(QStringLiteral("有効なデータがない")));
    QVERIFY(outcome.out.isEmpty());
}

void CalcDxfTest::exportDxfReadsBackAndPassesAStrictReader_data() {
    QTest::addColumn<QString>("input");
    QTest::newRow("coordinate file")
        << QStringLiteral(KUVANTO_FIXTURES "/two-added-one-subtracted.csv");
    QTest::newRow("drawing") << drawing("plate-with-holes.dxf");
}

void CalcDxfTest::exportDxfReadsBackAndPassesAStrictReader() {
    QFETCH(QString, input);
    QTemporaryDir dir;
    const QString path = dir.filePath("export.dxf");
    const Outcome written = runCalc({"--json", "--export-dxf", path, input});
    QCOMPARE(written.status, 0);
    QVERIFY(QFile::exists(path));
    const Outcome read = runCalc({"--json", path});
    QCOMPARE(read.status, 0);
    QCOMPARE(combinedArea(read.out), combinedArea(written.out));

    // An independent reader's audit: no error, nothing it has to repair.
    QProcess python;
    python.start(QStringLiteral("/usr/bin/python3"),
                 {"-c",
                  "import sys\n"
                  "try:\n"
                  "    from ezdxf import recover\n"
                  "except ImportError:\n"
                  "    print('no ezdxf'); sys.exit(0)\n"
                  "doc, auditor = recover.readfile(sys.argv[1])\n"
                  "audit = doc.audit()\n"
                  "print(len(auditor.errors) + len(auditor.fixes) + len(audit.errors) +"
                  " len(audit.fixes), doc.dxfversion, doc.header['$INSUNITS'])\n",
                  path});
    if (!python.waitForStarted() || !python.waitForFinished(60000))
        QSKIP("python3 is not available");
    const QByteArray answer = python.readAllStandardOutput().trimmed();
    if (answer == "no ezdxf") QSKIP("python3-ezdxf is not installed");
    QCOMPARE(answer, QByteArray("0 AC1015 4"));
}

void CalcDxfTest::exportDxfRefusesFarCoordinates() {
    QTemporaryDir dir;
    const QString csv = dir.filePath("far.csv");
    QFile file(csv);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("0,0\n2e12,0\n2e12,1\n0,1\n0,0\n");
    file.close();
    const QString path = dir.filePath("far.dxf");
    const Outcome outcome = runCalc({"--export-dxf", path, csv});
    QCOMPARE(outcome.status, 3);
    QVERIFY2(outcome.err.contains("1e+12") || outcome.err.contains("1000000000000"),
             outcome.err.constData());
    QVERIFY(!QFile::exists(path));
}

QTEST_GUILESS_MAIN(CalcDxfTest)
#include "test_calc_dxf.moc"

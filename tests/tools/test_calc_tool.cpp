// Runs the built kuvanto-calc on coordinate files and checks what a script would see: the value
// texts of the result table, the exit status with its message, the mass line, the JSON form, and
// that damaged or absurd input ends in a clean exit instead of a crash or a hang.
#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>
#include <algorithm>
#include <cmath>
#include <cstdio>

#include "../WorkedSections.h"
#include "core/section/ResultRows.h"

namespace {

struct Outcome {
    int status = -1;
    QByteArray out;
    QByteArray err;
};

const QString kFailure =
    QStringLiteral("<<有効なデータがないか、計算にエラーがあり表示できません。>>");

const QByteArray kRectangle = kuvanto::test::workedCsv(kuvanto::test::kRectangle100x200);

QString Fixture(const QString& name) {
    return QStringLiteral(KUVANTO_FIXTURES "/") + name;
}

}  // namespace

class CalcToolTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir dir_;
    int fileCount_ = 0;

    // Writes the bytes into a new file of the temporary folder and returns its path.
    QString Input(const QByteArray& bytes) {
        const QString path = dir_.filePath(QStringLiteral("in%1.csv").arg(++fileCount_));
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) return {};
        return path;
    }

    // Runs the calculator; a crash or a hang fails the calling test.
    static Outcome runCalc(const QStringList& args) {
        QProcess process;
        process.start(QStringLiteral(KUVANTO_CALC), args);
        Outcome outcome;
        if (!process.waitForStarted() || !process.waitForFinished(120000)) {
            process.kill();
            process.waitForFinished();
            return outcome;  // status -1: hung
        }
        if (process.exitStatus() != QProcess::NormalExit) return outcome;  // crashed
        outcome.status = process.exitCode();
        outcome.out = process.readAllStandardOutput();
        outcome.err = process.readAllStandardError();
        return outcome;
    }

    // The cell of the export text in the column headed `head` and the row of `symbol`.
    static QString Cell(const QByteArray& out, const QString& head, const QString& symbol) {
        const QStringList lines = QString::fromUtf8(out).split(QLatin1Char('\n'));
        const int col = lines.value(0).split(QLatin1Char('\t')).indexOf(head);
        if (col < 0) return QStringLiteral("<no column %1>").arg(head);
        for (const QString& line : lines) {
            const QStringList cells = line.split(QLatin1Char('\t'));
            if (cells.size() > col && cells[1] == symbol) return cells[col];
        }
        return QStringLiteral("<no row %1>").arg(symbol);
    }

private slots:
    void initTestCase() { QVERIFY(dir_.isValid()); }

    void values_data() {
        QTest::addColumn<QString>("fixture");   // a file of tests/fixtures, or
        QTest::addColumn<QByteArray>("input");  // the text of a plain X,Y file
        QTest::addColumn<QString>("head");
        QTest::addColumn<QString>("symbol");
        QTest::addColumn<QString>("expected");

        const QString hole = QStringLiteral("rectangle-with-hole.csv");
        const QString total = QStringLiteral("総合");
        struct Row {
            const char* name;
            const char* head;
            const char* symbol;
            const char* expected;
        };
        const Row holeRows[] = {
            {"hole: combined area", "総合", "A", "1.5000E4"},
            {"hole: combined centroid x", "総合", "x_bar", "50"},
            {"hole: combined centroid y", "総合", "y_bar", "100"},
            {"hole: two figures have no combined perimeter", "総合", "L", "-"},
            {"hole: combined Ix", "総合", "Ix", "6.2500E7"},
            {"hole: combined Iy", "総合", "Iy", "1.5625E7"},
            {"hole: combined Zx", "総合", "Zx", "6.2500E5"},
            {"hole: combined Zy from full-precision values", "総合", "Zy", "3.1250E5"},
            {"hole: combined ix", "総合", "ix", "64.55"},
            {"hole: subtracted area negative", "減算2", "A", "-5.0000E3"},
            {"hole: subtracted ix negative", "減算2", "ix", "-28.868"},
            {"hole: subtracted centroid unsigned", "減算2", "y_bar", "100"},
        };
        for (const Row& r : holeRows)
            QTest::newRow(r.name) << hole << QByteArray() << QString::fromUtf8(r.head) << r.symbol
                                  << r.expected;

        QTest::newRow("three figures: numbering continues into subtracted")
            << QStringLiteral("two-added-one-subtracted.csv") << QByteArray()
            << QStringLiteral("減算3") << "A"
            << "-5.0000E3";

        const Row rectangleRows[] = {
            {"rectangle: area", "加算1", "A", "2.0000E4"},
            {"rectangle: perimeter", "加算1", "L", "600"},
            {"rectangle: Zx' about the X axis", "加算1", "Zx'", "1.3333E6"},
            {"rectangle: Zy' about the Y axis", "加算1", "Zy'", "6.6667E5"},
            {"rectangle: single figure perimeter copied", "総合", "L", "600"},
            {"rectangle: combined Zy as the figure's", "総合", "Zy", "3.3333E5"},
            {"rectangle: combined ix' as the figure's", "総合", "ix'", "115.47"},
            {"rectangle: combined Zy'", "総合", "Zy'", "6.6667E5"},
        };
        for (const Row& r : rectangleRows)
            QTest::newRow(r.name) << QString() << kRectangle << QString::fromUtf8(r.head)
                                  << r.symbol << r.expected;

        const QByteArray parallelogram = "0,-10\n100,10\n100,30\n0,10\n0,-10\n";
        QTest::newRow("parallelogram: edge with y sum 0 keeps its moment")
            << QString() << parallelogram << total << "x_bar"
            << "50";
        QTest::newRow("parallelogram: centroid y") << QString() << parallelogram << total << "y_bar"
                                                   << "10";
        QTest::newRow("parallelogram: area") << QString() << parallelogram << total << "A"
                                             << "2.0000E3";

        const QByteArray triangle = "10,-20\n70,-20\n10,40\n10,-20\n";
        QTest::newRow("triangle below the axis: area") << QString() << triangle << total << "A"
                                                       << "1.8000E3";
        QTest::newRow("triangle below the axis: centroid x")
            << QString() << triangle << total << "x_bar"
            << "30";
        QTest::newRow("triangle below the axis: centroid y")
            << QString() << triangle << total << "y_bar"
            << "0";
        QTest::newRow("triangle below the axis: Ix = bh^3/36") << QString() << triangle << "加算1"
                                                               << "Ix"
                                                               << "3.6000E5";
    }

    void values() {
        QFETCH(QString, fixture);
        QFETCH(QByteArray, input);
        QFETCH(QString, head);
        QFETCH(QString, symbol);
        QFETCH(QString, expected);

        const QString path = fixture.isEmpty() ? Input(input) : Fixture(fixture);
        const Outcome run = runCalc({path});
        QCOMPARE(run.status, 0);
        QCOMPARE(run.err, QByteArray());
        QCOMPARE(Cell(run.out, head, symbol), expected);
    }

    // The export layout on standard output: one "\n"-ended line a row, heads first, headings alone.
    void exportLines() {
        const Outcome run = runCalc({Fixture(QStringLiteral("rectangle-with-hole.csv"))});
        QCOMPARE(run.status, 0);
        QVERIFY(!run.out.contains('\r'));
        QVERIFY(run.out.endsWith('\n'));
        const QStringList lines = QString::fromUtf8(run.out.chopped(1)).split(QLatin1Char('\n'));
        QCOMPARE(lines.size(), kuvanto::kTorsionFirstRow);  // the calculator runs no torsion
        QCOMPARE(lines[0], QStringLiteral("項目\t記号\t加算1\t減算2\t総合"));
        // Each block's heading stands alone right above its first row, a blank line before it.
        using kuvanto::Property;
        const auto headingOf = [&lines](Property first) { return lines[resultRow(first) - 1]; };
        QCOMPARE(lines[kuvanto::resultRow(Property::MomentX) - 2], QString());
        QCOMPARE(headingOf(Property::MomentX), QStringLiteral("[図心回り]"));
        QCOMPARE(headingOf(Property::AxisMomentX), QStringLiteral("[座標軸回り]"));
        QCOMPARE(headingOf(Property::ProductMoment), QStringLiteral("[主軸]"));
        QCOMPARE(headingOf(Property::TopModulusX), QStringLiteral("[縁端別断面係数]"));
        QCOMPARE(headingOf(Property::PlasticAxisX), QStringLiteral("[塑性]"));
    }

    void failures_data() {
        QTest::addColumn<QStringList>("args");  // "@" stands for the input file's path
        QTest::addColumn<QByteArray>("input");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("message");  // part of standard error ("@": the path)

        QTest::newRow("no file") << QStringList{} << QByteArray() << 2 << "no coordinate file";
        QTest::newRow("two files")
            << QStringList{"@", "@"} << kRectangle << 2 << "one coordinate file expected";
        QTest::newRow("unknown option")
            << QStringList{"--frobnicate", "@"} << kRectangle << 2 << "--frobnicate";
        QTest::newRow("density not a number")
            << QStringList{"--density", "heavy", "@"} << kRectangle << 2 << "heavy";
        QTest::newRow("density nan")
            << QStringList{"--density=nan", "@"} << kRectangle << 2 << "nan";
        QTest::newRow("density without value")
            << QStringList{"@", "--density"} << kRectangle << 2 << "--density";
        QTest::newRow("missing file") << QStringList{"@.missing"} << QByteArray() << 2 << "@";
        QTest::newRow("folder") << QStringList{dir_.path()} << QByteArray() << 2 << dir_.path();
        QTest::newRow("part not in the library")
            << QStringList{"--shape", "H-1x1x1x1"} << QByteArray() << 2 << "H-1x1x1x1";
        QTest::newRow("part and file")
            << QStringList{"--shape", "RB-10", "@"} << kRectangle << 2 << "no coordinate file";
        QTest::newRow("library and part")
            << QStringList{"--library", "--shape", "RB-10"} << QByteArray() << 2 << "exclude";
        QTest::newRow("empty file") << QStringList{"@"} << QByteArray() << 1 << kFailure;
        QTest::newRow("single vertex") << QStringList{"@"} << QByteArray("5,5\n") << 1 << kFailure;
        QTest::newRow("collinear vertices")
            << QStringList{"@"} << QByteArray("0,0\n1,1\n2,2\n0,0\n") << 1 << kFailure;
        QTest::newRow("only a subtracted figure")
            << QStringList{"@"} << QByteArray("<<加算>>,\n<<減算>>,\n0,0\n10,0\n10,10\n0,0\n") << 1
            << kFailure;
        // Area 1e-320 is subnormal and every moment underflows to 0: no result, not zeros.
        QTest::newRow("square too small for double precision")
            << QStringList{"@"} << QByteArray("0,0\n1e-160,0\n1e-160,1e-160\n0,1e-160\n0,0\n") << 1
            << kFailure;
    }

    // Output that cannot be written is a failure with its reason, whatever was asked for.
    void outputNotWritten_data() {
        QTest::addColumn<QStringList>("args");  // "@" stands for a rectangle file
        QTest::newRow("result table") << QStringList{"@"};
        QTest::newRow("json") << QStringList{"--json", "@"};
        QTest::newRow("library listing") << QStringList{"--library"};
        QTest::newRow("help") << QStringList{"--help"};
    }

    void outputNotWritten() {
        QFETCH(QStringList, args);
        const QString path = Input(kRectangle);
        for (QString& arg : args) arg.replace(QLatin1Char('@'), path);
        QProcess process;
        process.setStandardOutputFile(QStringLiteral("/dev/full"));
        process.start(QStringLiteral(KUVANTO_CALC), args);
        QVERIFY(process.waitForFinished(120000));
        QCOMPARE(process.exitStatus(), QProcess::NormalExit);
        QCOMPARE(process.exitCode(), 3);
        const QString err = QString::fromUtf8(process.readAllStandardError());
        QVERIFY2(err.contains(QStringLiteral("cannot write the output")), qPrintable(err));
    }

    // A file larger than memory is refused with the reason (exit 2), never an abort.
    void fileLargerThanMemory() {
        const QString path = dir_.filePath(QStringLiteral("huge.csv"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.resize(qint64(1) << 40));
        file.close();
        const Outcome run = runCalc({path});
        QFile::remove(path);
        QCOMPARE(run.status, 2);
        QVERIFY2(QString::fromUtf8(run.err).contains(QStringLiteral("ファイルが大きすぎます")),
                 run.err.constData());
    }

    // A field of megabytes is quoted by its first hundred characters, at once.
    void longFieldQuotedShort() {
        const QByteArray field(10 << 20, 'z');
        const Outcome run = runCalc({Input("0,0\n100,0\n" + field + ",1\n100,200\n0,200\n0,0\n")});
        QCOMPARE(run.status, 0);
        const QString err = QString::fromUtf8(run.err);
        QVERIFY2(err.size() < 400, qPrintable(err.left(400)));
        QVERIFY(err.contains(QString(100, QLatin1Char('z')) + QStringLiteral("…,1)")));
    }

    void failures() {
        QFETCH(QStringList, args);
        QFETCH(QByteArray, input);
        QFETCH(int, status);
        QFETCH(QString, message);

        const QString path = Input(input);
        for (QString& arg : args) arg.replace(QLatin1Char('@'), path);
        message.replace(QLatin1Char('@'), path);

        const Outcome run = runCalc(args);
        QCOMPARE(run.status, status);
        QCOMPARE(run.out, QByteArray());
        QVERIFY2(QString::fromUtf8(run.err).contains(message), run.err.constData());
    }

    // A file whose name is not valid UTF-8 opens like any other; the shell hands the raw bytes
    // over, as a user's shell would.
    void fileNameThatIsNotUtf8() {
        const QByteArray name = QFile::encodeName(dir_.path()) + "/\xff\x83-raw.csv";
        {
            const QByteArray rows("0,0\n100,0\n100,200\n0,200\n0,0\n");
            FILE* file = std::fopen(name.constData(), "wb");
            QVERIFY(file);
            QCOMPARE(std::fwrite(rows.constData(), 1, rows.size(), file), std::size_t(rows.size()));
            QCOMPARE(std::fclose(file), 0);
        }
        QProcess process;
        process.start(QStringLiteral("/bin/sh"),
                      {QStringLiteral("-c"),
                       QStringLiteral("exec \"$0\" \"$1/$(printf '\\377\\203')-raw.csv\""),
                       QStringLiteral(KUVANTO_CALC), dir_.path()});
        QVERIFY(process.waitForFinished(120000));
        QVERIFY2(process.exitCode() == 0, process.readAllStandardError().constData());
        QCOMPARE(Cell(process.readAllStandardOutput(), QStringLiteral("総合"), QStringLiteral("A")),
                 QStringLiteral("2.0000E4"));
    }

    // A pair that is not two numbers is reported on one line of standard error and skipped.
    void skippedPair() {
        const Outcome run = runCalc({Input("0,0\n100,0\na,1\n100,200\n0,200\n0,0\n")});
        QCOMPARE(run.status, 0);
        QCOMPARE(QString::fromUtf8(run.err),
                 QStringLiteral("座標データ(X,Y)でないデータ(a,1)が含まれています。"
                                " この行を省略して読込みを続けます。\n"));
        QCOMPARE(Cell(run.out, QStringLiteral("総合"), QStringLiteral("A")),
                 QStringLiteral("2.0000E4"));
    }

    void density_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("lastLine");

        QTest::newRow("steel on the rectangle")
            << QStringList{"--density", "7.8"} << QStringLiteral("単位長さ当たりの質量\t156\tkg/m");
        QTest::newRow("aluminium, option with =")
            << QStringList{"--density=2.7"} << QStringLiteral("単位長さ当たりの質量\t54\tkg/m");
        QTest::newRow("three decimals") << QStringList{"--density", "0.0001234"}
                                        << QStringLiteral("単位長さ当たりの質量\t0.002\tkg/m");
    }

    void density() {
        QFETCH(QStringList, args);
        QFETCH(QString, lastLine);

        const Outcome run = runCalc(args << Input(kRectangle));
        QCOMPARE(run.status, 0);
        const QStringList lines = QString::fromUtf8(run.out).split(QLatin1Char('\n'));
        // The rows, the mass line, nothing after the last "\n".
        QCOMPARE(lines.size(), kuvanto::kTorsionFirstRow + 2);
        QCOMPARE(lines[kuvanto::kTorsionFirstRow], lastLine);
    }

    // Every worked section, from its file, gives the values worked out by hand at full precision.
    void workedSections_data() {
        QTest::addColumn<int>("index");
        for (int i = 0; i < int(kuvanto::test::kWorkedSections.size()); ++i)
            QTest::newRow(kuvanto::test::kWorkedSections[std::size_t(i)]->name) << i;
    }

    void workedSections() {
        QFETCH(int, index);
        const kuvanto::test::WorkedSection& section =
            *kuvanto::test::kWorkedSections[std::size_t(index)];
        const QString file = section.fixture[0] ? kuvanto::test::workedFixture(section)
                                                : Input(kuvanto::test::workedCsv(section.added[0]));
        const Outcome run = runCalc({QStringLiteral("--json"), file});
        QCOMPARE(run.status, 0);
        const QJsonObject values = QJsonDocument::fromJson(run.out)
                                       .object()
                                       .value("combined")
                                       .toObject()
                                       .value("values")
                                       .toObject();
        const kuvanto::test::WorkedValues& v = section.combined;
        const std::pair<const char*, double> expected[] = {
            {"A", v.area},
            {"x_bar", v.centroidX},
            {"y_bar", v.centroidY},
            {"Ix", v.momentX},
            {"Iy", v.momentY},
            {"Zx", v.modulusX()},
            {"Zy", v.modulusY()},
            {"Ip", v.polarMoment()},
            {"ix", v.radiusX()},
            {"iy", v.radiusY()},
            {"Ix'", v.axisMomentX},
            {"Iy'", v.axisMomentY},
            {"Zx'", v.axisModulusX()},
            {"Zy'", v.axisModulusY()},
            {"Ip'", v.axisPolarMoment()},
            {"ix'", v.axisRadiusX()},
            {"iy'", v.axisRadiusY()},
            {"Ixy", v.productMoment},
            {"Ixy'", v.axisProductMoment},
        };
        for (const auto& [key, value] : expected) {
            const double got = values.value(QLatin1String(key)).toDouble(qQNaN());
            QVERIFY2(std::fabs(got - value) <= 1e-9 * std::max(1.0, std::fabs(value)),
                     qPrintable(QStringLiteral("%1: %2, by hand %3").arg(key).arg(got).arg(value)));
        }
        if (v.perimeter)
            QCOMPARE(values.value("len").toDouble(), *v.perimeter);
        else
            QVERIFY(values.value("len").isNull());
    }

    void json() {
        const Outcome run =
            runCalc({QStringLiteral("--json"), QStringLiteral("--density"), QStringLiteral("7.8"),
                     Fixture(QStringLiteral("rectangle-with-hole.csv"))});
        QCOMPARE(run.status, 0);
        QJsonParseError error;
        const QJsonObject root = QJsonDocument::fromJson(run.out, &error).object();
        QCOMPARE(error.error, QJsonParseError::NoError);

        QCOMPARE(root.value("heads").toArray(), (QJsonArray{"加算1", "減算2", "総合"}));
        const QJsonArray rows = root.value("rows").toArray();
        QCOMPARE(rows.size(), int(kuvanto::kGeometricPropertyCount));  // one a property
        QCOMPARE(rows[0].toObject().value("item").toString(), QStringLiteral("面積"));
        QCOMPARE(rows[0].toObject().value("symbol").toString(), QStringLiteral("A"));
        QCOMPARE(rows[0].toObject().value("cells").toArray(),
                 (QJsonArray{"2.0000E4", "-5.0000E3", "1.5000E4"}));
        const auto row = [&rows](kuvanto::Property p) { return rows[int(p)].toObject(); };
        QCOMPARE(row(kuvanto::Property::AxisRadiusY).value("symbol").toString(),
                 QStringLiteral("iy'"));
        QCOMPARE(row(kuvanto::Property::PlasticModulusV).value("cells").toArray(),
                 (QJsonArray{"-", "-", "4.3750E5"}));

        // The new keys at full precision: the plastic block in the combined values only.
        const QJsonObject hole =
            root.value("figures").toArray()[1].toObject().value("values").toObject();
        QCOMPARE(hole.value("Iu").toDouble(), -50.0 * 100 * 100 * 100 / 12);
        QCOMPARE(hole.value("theta").toDouble(), 0.0);
        QCOMPARE(hole.value("Zx_top").toDouble(), -50.0 * 100 * 100 / 6);
        QVERIFY(!hole.contains("Zpx"));
        const QJsonObject combined = root.value("combined").toObject().value("values").toObject();
        for (const char* key : {"Ixy", "Ixy'", "theta",  "Iu",        "Iv",       "Zu",      "Zv",
                                "iu",  "iv",   "Zx_top", "Zx_bottom", "Zy_right", "Zy_left", "x_p",
                                "y_p", "Zpx",  "Zpy",    "fx",        "fy",       "Zpu",     "Zpv"})
            QVERIFY2(combined.value(key).isDouble(), key);
        QCOMPARE(combined.value("Zpx").toDouble(), 100.0 * 200 * 200 / 4 - 50.0 * 100 * 100 / 4);
        QCOMPARE(combined.value("y_p").toDouble(), 100.0);
        QCOMPARE(combined.value("Ixy'").toDouble(),
                 kuvanto::test::kRectangleWithHole.combined.axisProductMoment);
        QCOMPARE(root.value("mass").toObject().value("value").toString(), QStringLiteral("117"));
        QCOMPARE(root.value("mass").toObject().value("unit").toString(), QStringLiteral("kg/m"));
    }

    // The torsion object: J with its bounds and the principal shear areas at full precision;
    // for separate parts J alone, null for the values of one connected section, the number of
    // parts and a notice naming it, and "-" in the table.
    void torsionJson_data() {
        QTest::addColumn<QByteArray>("input");
        QTest::addColumn<int>("parts");
        QTest::newRow("one rectangle")
            << QByteArray("<<加算>>,\n0,0\n40,0\n40,10\n0,10\n0,0\n<<減算>>,\n") << 1;
        QTest::newRow("two rectangles side by side")
            << QByteArray(
                   "<<加算>>,\n0,0\n40,0\n40,10\n0,10\n0,0\n<<図形区切り>>,\n45,0\n85,0\n"
                   "85,10\n45,10\n45,0\n<<減算>>,\n")
            << 2;
    }
    void torsionJson() {
        QFETCH(QByteArray, input);
        QFETCH(int, parts);
        const QString path = Input(input);
        const Outcome run = runCalc({QStringLiteral("--json"), QStringLiteral("--torsion"), path});
        QCOMPARE(run.status, 0);
        const QJsonObject torsion =
            QJsonDocument::fromJson(run.out).object().value("torsion").toObject();
        QCOMPARE(torsion.value("parts").toInt(), parts);
        const double j = torsion.value("J").toDouble();
        QVERIFY(j > 0 && torsion.value("J_upper").toDouble() == j);
        QVERIFY(torsion.value("J_lower").toDouble() <= j &&
                torsion.value("J_lower").toDouble() > 0.998 * j);
        const bool separate = parts > 1;
        for (const char* key : {"Iw", "x_s", "y_s", "Asx", "Asy", "Asu", "Asv"})
            QVERIFY2(torsion.value(key).isNull() == separate && torsion.contains(key), key);
        const QJsonArray notices = torsion.value("notices").toArray();
        QCOMPARE(!notices.isEmpty() && notices[0].toString().contains(QString::number(parts)),
                 separate);
        const Outcome table = runCalc({QStringLiteral("--torsion"), path});
        QCOMPARE(
            Cell(table.out, QStringLiteral("総合"), QStringLiteral("Iw")) == QStringLiteral("-"),
            separate);
    }

    // Whatever the file holds, the run ends with a result or the failure message: no crash, no
    // hang, no "inf" or "nan" shown, no raw control characters sent to the terminal.
    void damagedInput_data() {
        QTest::addColumn<QByteArray>("input");

        QByteArray garbage(1 << 16, '\0');
        QRandomGenerator random(20240601);
        for (char& c : garbage) c = static_cast<char>(random.bounded(256));
        QTest::newRow("binary garbage") << garbage;
        QTest::newRow("garbage with commas and escapes")
            << QByteArray("\x1b[31m,\x07\n") + QByteArray(1, '\0') + ",\x01\r\n\"unterminated,\n";
        QTest::newRow("huge coordinates overflow the moments")
            << QByteArray("0,0\n1e308,0\n1e308,1e308\n0,1e308\n0,0\n");
        QTest::newRow("coordinates beyond double range")
            << QByteArray("0,0\n1e999,0\n1e999,1e999\n0,1e999\n");
        QTest::newRow("tiny coordinates underflow the area")
            << QByteArray("0,0\n1e-300,0\n1e-300,1e-300\n0,1e-300\n");
        QTest::newRow("nan and inf texts") << QByteArray("nan,nan\nNaN,1\ninf,-inf\n0,0\n");
        QTest::newRow("only separators and markers")
            << QByteArray("<<図形区切り>>,\n<<減算>>,\n<<図形区切り>>,\n<<加算>>,\n");
        QTest::newRow("lone field at the end") << QByteArray("0,0\n100,0\n100,200\n0");
        QTest::newRow("self-intersecting outline")
            << QByteArray("0,0\n100,100\n100,0\n0,100\n0,0\n");
    }

    void damagedInput() {
        QFETCH(QByteArray, input);

        const Outcome run = runCalc({Input(input)});
        QVERIFY2(run.status == 0 || run.status == 1, qPrintable(QString::number(run.status)));
        if (run.status == 1) QVERIFY(QString::fromUtf8(run.err).contains(kFailure));
        const QString out = QString::fromUtf8(run.out).toLower();
        QVERIFY(!out.contains(QLatin1String("inf")) && !out.contains(QLatin1String("nan")));
        for (char c : run.err) QVERIFY(static_cast<unsigned char>(c) >= 0x20 || c == '\n');
    }

    // The shipped library: its listing, and a part computed as a file would be.
    void shippedLibrary() {
        const Outcome list = runCalc({QStringLiteral("--library")});
        QCOMPARE(list.status, 0);
        const QString text = QString::fromUtf8(list.out);
        for (const char* category : {"H形鋼\th-shapes.csv\n", "I形鋼\t", "溝形鋼\t", "等辺山形鋼\t",
                                     "鋼管\t", "平鋼\t", "丸鋼\t"})
            QVERIFY2(text.contains(QString::fromUtf8(category)), category);
        QVERIFY(text.contains(QLatin1String("\n  H-200x100x5.5x8\n")));

        const Outcome part = runCalc({QStringLiteral("--shape=H-200x100x5.5x8"),
                                      QStringLiteral("--density"), QStringLiteral("7.85")});
        QCOMPARE(part.status, 0);
        QCOMPARE(Cell(part.out, QStringLiteral("総合"), QStringLiteral("A")),
                 QStringLiteral("2.6670E3"));
        QCOMPARE(Cell(part.out, QStringLiteral("総合"), QStringLiteral("Ix")),
                 QStringLiteral("1.8057E7"));
        QVERIFY(part.out.endsWith("単位長さ当たりの質量\t20.936\tkg/m\n"));
    }

    // --lang en names the items, heads, headings and the mass line in English, with the same
    // numbers; the JSON is the same in either language; the file is read as in Japanese.
    void englishOutput() {
        const QString path = Fixture(QStringLiteral("rectangle-with-hole.csv"));
        const QString density = QStringLiteral("--density=7.8");
        const Outcome japanese = runCalc({density, path});
        const Outcome english =
            runCalc({QStringLiteral("--lang"), QStringLiteral("en"), density, path});
        QCOMPARE(english.status, 0);
        const QStringList lines = QString::fromUtf8(english.out).split(QLatin1Char('\n'));
        QCOMPARE(lines.value(0), QStringLiteral("Item\tSymbol\tAdded 1\tSubtracted 2\tTotal"));
        QCOMPARE(lines.value(1), QStringLiteral("Area\tA\t2.0000E4\t-5.0000E3\t1.5000E4"));
        QVERIFY(lines.contains(QStringLiteral("[About the centroid]")));
        QVERIFY(english.out.endsWith("Mass per unit length\t117\tkg/m\n"));
        QCOMPARE(Cell(english.out, QStringLiteral("Total"), QStringLiteral("Ix")),
                 Cell(japanese.out, QStringLiteral("総合"), QStringLiteral("Ix")));
        QCOMPARE(japanese.out.count('\n'), english.out.count('\n'));

        const Outcome json = runCalc({QStringLiteral("--json"), path});
        QCOMPARE(runCalc({QStringLiteral("--lang=en"), QStringLiteral("--json"), path}).out,
                 json.out);

        const Outcome unknown = runCalc({QStringLiteral("--lang"), QStringLiteral("fi"), path});
        QCOMPARE(unknown.status, 2);
        QVERIFY(unknown.err.contains("--lang"));
    }

    // --loads on the rectangle with a hole (A = 15000, Ix = 6.25e7, Iy = 1.5625e7, centroid
    // (50, 100)): N/A = 100000/15000, Mx·100/Ix = 32, My·50/Iy = 16 with a negative My putting
    // +x in tension, so σ_zz runs from 6.667 − 48 at (0, 0) to 6.667 + 48 at (100, 200). Every
    // component is given, with shear actions from the torsion block that --loads implies.
    void stressOfOneCase_data() {
        QTest::addColumn<QString>("loads");
        QTest::addColumn<bool>("shear");
        QTest::newRow("N Mx My") << QStringLiteral("N=1e5,Mx=2e7,My=-5e6") << false;
        QTest::newRow("with Vy") << QStringLiteral("My=-5e6,Vy=2000,N=1e5,Mx=2e7") << true;
        QTest::newRow("with T") << QStringLiteral("N=1e5,Mx=2e7,My=-5e6,T=1e6") << true;
    }
    void stressOfOneCase() {
        QFETCH(QString, loads);
        QFETCH(bool, shear);
        const Outcome run = runCalc({QStringLiteral("--json"), QStringLiteral("--loads"), loads,
                                     Fixture(QStringLiteral("rectangle-with-hole.csv"))});
        QCOMPARE(run.status, 0);
        QCOMPARE(run.err, QByteArray());
        const QJsonObject json = QJsonDocument::fromJson(run.out).object();
        QVERIFY(json.value("torsion").toObject().value("J").toDouble() > 0);
        const QJsonObject stress = json.value("stress").toObject();
        QCOMPARE(stress.value("unit").toString(), QStringLiteral("MPa"));
        const QJsonObject sigma = stress.value("sigma_zz").toObject();
        QCOMPARE(sigma.value("max").toDouble(), 1e5 / 15000 + 48);
        QCOMPARE(sigma.value("max_at").toArray(), (QJsonArray{100, 200}));
        QCOMPARE(sigma.value("min").toDouble(), 1e5 / 15000 - 48);
        QCOMPARE(sigma.value("min_at").toArray(), (QJsonArray{0, 0}));
        for (const char* key : {"tau_zx", "tau_zy", "tau", "sigma_vm", "sigma_1", "sigma_3"}) {
            const QJsonObject component = stress.value(key).toObject();
            QVERIFY2(component.value("max_at").toArray().size() == 2, key);
        }
        const QJsonObject tau = stress.value("tau").toObject();
        const QJsonObject vm = stress.value("sigma_vm").toObject();
        if (shear) {
            QVERIFY(tau.value("max").toDouble() > 0);
            // σ_vM ≥ |σ_zz| everywhere, more where the shear adds to it.
            QVERIFY(vm.value("max").toDouble() >= sigma.value("max").toDouble());
        } else {
            QCOMPARE(tau.value("max").toDouble(), 0.0);
            QCOMPARE(vm.value("max").toDouble(), sigma.value("max").toDouble());
            QCOMPARE(vm.value("min").toDouble(), 0.0);
            QCOMPARE(stress.value("sigma_3").toObject().value("min").toDouble(),
                     sigma.value("min").toDouble());
        }
        QCOMPARE(stress.value("loads").toObject().value("Mx").toDouble(), 2e7);
        QVERIFY(stress.value("neutral_axis").toObject().contains("direction"));
        // Without --json the text output ends with the block.
        const Outcome text = runCalc(
            {QStringLiteral("--loads"), loads, Fixture(QStringLiteral("rectangle-with-hole.csv"))});
        QCOMPARE(text.status, 0);
        QVERIFY(text.out.contains("\n[応力 (MPa)]\n"));
        QVERIFY(!text.out.contains("\nsigma_vm\t-"));
        if (!shear) QVERIFY(text.out.contains("\nsigma_vm\t54.6666666666667\t100"));
    }

    // Where the shear is undefined (separate parts) or not solved yet (figures of several
    // materials), a case with shear actions gives σ_zz, null for the rest and the reason.
    void stressShearLeftOut_data() {
        QTest::addColumn<QString>("fixture");
        QTest::newRow("separate parts") << QStringLiteral("two-added-one-subtracted.csv");
        QTest::newRow("materials") << QStringLiteral("filled-box-materials.csv");
    }
    void stressShearLeftOut() {
        QFETCH(QString, fixture);
        const Outcome run = runCalc({QStringLiteral("--json"), QStringLiteral("--loads"),
                                     QStringLiteral("Mx=1e6,Vy=1000"), Fixture(fixture)});
        QCOMPARE(run.status, 0);
        const QJsonObject stress =
            QJsonDocument::fromJson(run.out).object().value("stress").toObject();
        QVERIFY(stress.value("sigma_zz").isObject());
        for (const char* key : {"tau_zx", "tau_zy", "tau", "sigma_vm", "sigma_1", "sigma_3"})
            QVERIFY2(stress.value(key).isNull(), key);
        QVERIFY(run.err.contains("Vx, Vy, T"));
        // With materials each has its σ_zz; σ_vM and its ratio wait for the shear.
        const QJsonArray materials = stress.value("materials").toArray();
        QCOMPARE(materials.isEmpty(), fixture.contains(QStringLiteral("parts")) ||
                                          !fixture.contains(QStringLiteral("materials")));
        for (const QJsonValue& m : materials) {
            QVERIFY(m.toObject().value("sigma_zz").isObject());
            QVERIFY(m.toObject().value("ratio").isNull());
        }
    }

    // --loads-file runs every case and adds the envelope with the case of each extreme;
    // --stress-csv writes every sampled point of every case.
    void stressOfLoadCases() {
        const QString cases = Input("name,N,Mx\ntension,150000,0\n\"bending, strong\",0,6.25e7\n");
        const QString csv = dir_.filePath(QStringLiteral("stress.csv"));
        const Outcome run = runCalc({QStringLiteral("--json"), QStringLiteral("--loads-file"),
                                     cases, QStringLiteral("--stress-csv"), csv,
                                     Fixture(QStringLiteral("rectangle-with-hole.csv"))});
        QCOMPARE(run.status, 0);
        QCOMPARE(run.err, QByteArray());
        const QJsonObject stress =
            QJsonDocument::fromJson(run.out).object().value("stress").toObject();
        const QJsonArray list = stress.value("cases").toArray();
        QCOMPARE(list.size(), 2);
        QCOMPARE(list[1].toObject().value("name").toString(), QStringLiteral("bending, strong"));
        // 10 MPa everywhere; ±100 MPa at the top and bottom fibres.
        QCOMPARE(list[0].toObject().value("sigma_zz").toObject().value("min").toDouble(), 10.0);
        const QJsonObject envelope =
            stress.value("envelope").toObject().value("sigma_zz").toObject();
        QCOMPARE(envelope.value("max").toDouble(), 100.0);
        QCOMPARE(envelope.value("max_case").toString(), QStringLiteral("bending, strong"));
        QCOMPARE(envelope.value("min").toDouble(), -100.0);
        QCOMPARE(stress.value("envelope")
                     .toObject()
                     .value("sigma_vm")
                     .toObject()
                     .value("min")
                     .toDouble(),
                 0.0);

        QFile file(csv);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QList<QByteArray> lines = file.readAll().split('\n');
        QCOMPARE(lines.value(0),
                 QByteArray("case,x,y,sigma_zz,tau_zx,tau_zy,tau,sigma_vm,sigma_1,sigma_3"));
        QVERIFY(lines.contains("tension,100,200,10,0,0,0,10,10,0"));
        QVERIFY(lines.contains("\"bending, strong\",100,200,100,0,0,0,100,100,0"));
        // Every node of the mesh with every component: the corners of the hole, and nodes inside
        // the material, not only on the outline.
        QVERIFY(lines.contains("tension,25,50,10,0,0,0,10,10,0"));
        QVERIFY(std::any_of(lines.begin(), lines.end(), [](const QByteArray& line) {
            const QList<QByteArray> fields = line.split(',');
            if (fields.size() != 10) return false;
            const double x = fields[1].toDouble(), y = fields[2].toDouble();
            return x > 5 && x < 20 && y > 20 && y < 180;
        }));
    }

    // Loads that do not read, and load-case files that do not, end in a usage error naming the
    // reason; no CSV is written.
    void stressRefusals_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QByteArray>("reason");
        const QString cases = QStringLiteral("@cases");
        QTest::newRow("unknown action") << QStringList{"--loads", "N=1,Q=2"} << QByteArray("Q");
        QTest::newRow("not a number") << QStringList{"--loads", "Mx=1e999"} << QByteArray("Mx");
        QTest::newRow("no actions") << QStringList{"--loads"} << QByteArray("--loads");
        QTest::newRow("both") << QStringList{"--loads", "N=1", "--loads-file", cases}
                              << QByteArray("exclude");
        QTest::newRow("csv without loads")
            << QStringList{"--stress-csv", "@csv"} << QByteArray("--stress-csv");
        QTest::newRow("damaged file")
            << QStringList{"--loads-file", cases, "--stress-csv", "@csv"} << QByteArray("3 行目");
        QTest::newRow("missing file")
            << QStringList{"--loads-file", "@missing"} << QByteArray("missing.csv");
    }
    void stressRefusals() {
        QFETCH(QStringList, args);
        QFETCH(QByteArray, reason);
        const QString cases = Input("name,N\na,1\nb,x\n");
        const QString csv = dir_.filePath(QStringLiteral("refused.csv"));
        for (QString& arg : args) {
            if (arg == QLatin1String("@cases")) arg = cases;
            if (arg == QLatin1String("@csv")) arg = csv;
            if (arg == QLatin1String("@missing"))
                arg = dir_.filePath(QStringLiteral("missing.csv"));
        }
        args << Fixture(QStringLiteral("rectangle-with-hole.csv"));
        const Outcome run = runCalc(args);
        QCOMPARE(run.status, 2);
        QVERIFY2(run.err.contains(reason), run.err.constData());
        QVERIFY(!QFile::exists(csv));
    }

    // A section of several materials: the block after the table, the materials in the JSON,
    // the reference chosen by name, and a figure without a material told on standard error.
    void materials() {
        const QString file = Fixture(QStringLiteral("filled-box-materials.csv"));
        const Outcome text = runCalc({file});
        QCOMPARE(text.status, 0);
        QCOMPARE(text.err, QByteArray());
        const QStringList lines = QString::fromUtf8(text.out).split(QLatin1Char('\n'));
        // The rows before the torsion block, the block of several materials without the
        // stiffnesses of the torsion analysis (not asked for), the final newline.
        int torsionStiffnessRows = 0;
        for (const kuvanto::Property p : kuvanto::kAllProperties)
            if (kuvanto::isCompositeTorsionProperty(p)) ++torsionStiffnessRows;
        QCOMPARE(lines.size(), kuvanto::kTorsionFirstRow +
                                   (kuvanto::kResultRowCount - kuvanto::kMaterialFirstRow) -
                                   torsionStiffnessRows + 1);
        QVERIFY(lines.contains(QStringLiteral("[複合断面]")));
        QCOMPARE(Cell(text.out, QStringLiteral("総合"), QStringLiteral("EA")),
                 QStringLiteral("2.2925E9"));
        QCOMPARE(Cell(text.out, QStringLiteral("加算2"), QStringLiteral("n_E")),
                 QStringLiteral("0.111"));

        const Outcome json = runCalc({QStringLiteral("--json"), file});
        QCOMPARE(json.status, 0);
        const QJsonObject root = QJsonDocument::fromJson(json.out).object();
        QCOMPARE(root.value("reference").toString(), QStringLiteral("STKR400"));
        const QJsonArray figures = root.value("figures").toArray();
        QCOMPARE(figures.at(1).toObject().value("material").toString(), QStringLiteral("Fc24"));
        QCOMPARE(figures.at(2).toObject().value("material").toString(), QStringLiteral("STKR400"));
        const QJsonObject combined = root.value("combined").toObject().value("values").toObject();
        // Es (200⁴ - 180⁴) / 12 + Ec 180⁴ / 12, worked out by hand.
        QCOMPARE(combined.value("EIx").toDouble(), 11383017453333.334);
        QVERIFY(combined.value("n_E").isNull());
        const QJsonArray list = root.value("materials").toArray();
        QCOMPARE(list.size(), 2);
        const QJsonObject steel = list.at(0).toObject();
        QCOMPARE(steel.value("name").toString(), QStringLiteral("STKR400"));
        QCOMPARE(steel.value("fy").toDouble(), 235.0);
        // Ix_t over the steel's extreme fibre, 100 from the centroid.
        QCOMPARE(steel.value("Zx_top").toDouble(), combined.value("Ix_t").toDouble() / 100);

        const Outcome concrete = runCalc({QStringLiteral("--json"), QStringLiteral("--reference"),
                                          QStringLiteral("Fc24"), file});
        QCOMPARE(concrete.status, 0);
        const QJsonObject other = QJsonDocument::fromJson(concrete.out).object();
        QCOMPARE(other.value("reference").toString(), QStringLiteral("Fc24"));
        QCOMPARE(
            other.value("combined").toObject().value("values").toObject().value("EIx").toDouble(),
            11383017453333.334);
        // With --torsion, the block is of the several materials: transformed to the reference,
        // with the stiffnesses in the materials' block and a notice saying so.
        const Outcome torsion =
            runCalc({QStringLiteral("--json"), QStringLiteral("--torsion"), file});
        QCOMPARE(torsion.status, 0);
        QVERIFY2(QString::fromUtf8(torsion.err).contains(QStringLiteral("基準材料に換算")),
                 torsion.err.constData());
        const QJsonObject withTorsion = QJsonDocument::fromJson(torsion.out).object();
        const QJsonObject stiffnesses =
            withTorsion.value("combined").toObject().value("values").toObject();
        const QJsonObject block = withTorsion.value("torsion").toObject();
        const double shearModulus = 205000 / (2 * 1.3);
        QCOMPARE(stiffnesses.value("GJ").toDouble(), shearModulus * block.value("J").toDouble());
        QCOMPARE(stiffnesses.value("EIw").toDouble(), 205000 * block.value("Iw").toDouble());
        QCOMPARE(stiffnesses.value("GAsx").toDouble(),
                 shearModulus * block.value("Asx").toDouble());
        QCOMPARE(block.value("nu").toDouble(), 0.3);
        // Doubly symmetric: the shear centre is the centroid of stiffness, up to the mesh's
        // asymmetry (some 1e-4 on the box of 200).
        QVERIFY(std::abs(stiffnesses.value("x_s_t").toDouble() - combined.value("x_t").toDouble()) <
                1e-3);
        QVERIFY(std::abs(stiffnesses.value("y_s_t").toDouble() - combined.value("y_t").toDouble()) <
                1e-3);
        // Without --torsion they are null.
        QVERIFY(combined.value("GJ").isNull());
        const Outcome torsionText = runCalc({QStringLiteral("--torsion"), file});
        QCOMPARE(torsionText.status, 0);
        QVERIFY(
            !Cell(torsionText.out, QStringLiteral("総合"), QStringLiteral("GJ")).startsWith('<'));
        QCOMPARE(Cell(torsionText.out, QStringLiteral("加算1"), QStringLiteral("GJ")),
                 QStringLiteral("-"));

        const Outcome unknown = runCalc({QStringLiteral("--reference=copper"), file});
        QCOMPARE(unknown.status, 2);
        QVERIFY(unknown.err.contains("copper"));

        // The core without a material: "-" in the block and the reason on standard error.
        QByteArray bytes = QString::fromUtf8(
                               "<<加算>>,\r\n0,0\r\n10,0\r\n10,10\r\n<<図形区切り>>,\r\n"
                               "20,0\r\n30,0\r\n30,10\r\n<<減算>>,\r\n<<材料>>,\r\n"
                               "SS400,\"205000,0.3,235,7.85\"\r\n<<図形材料>>,\r\n加算,1,SS400\r\n")
                               .toUtf8();
        const Outcome missing = runCalc({Input(bytes)});
        QCOMPARE(missing.status, 0);
        QCOMPARE(Cell(missing.out, QStringLiteral("総合"), QStringLiteral("EA")),
                 QStringLiteral("-"));
        QVERIFY(
            QString::fromUtf8(missing.err).contains(QStringLiteral("材料が指定されていない図形")));
    }

    void help() {
        const Outcome run = runCalc({QStringLiteral("--help")});
        QCOMPARE(run.status, 0);
        QVERIFY(run.out.startsWith("Usage: kuvanto-calc"));
        QCOMPARE(run.err, QByteArray());
    }
};

QTEST_GUILESS_MAIN(CalcToolTest)
#include "test_calc_tool.moc"

// Every file the workspace writes, on a full disk (a small tmpfs filled up, where the test may
// mount one) and with a failure injected into the writer: the command reports the failure, every
// file in the folder keeps its old bytes, no temporary file is left, and the tables are never
// replaced by what a failed write left behind.
#include <QDir>
#include <QFile>
#include <QHash>
#include <QTest>
#include <memory>

#include "../io/FullDisk.h"
#include "editing/Workspace.h"
#include "io/SafeWrite.h"

using namespace kuvanto;
using namespace kuvanto::test;

namespace {

enum class Writer { Snapshot, Buffer, ColorFile, CoordinateSave, ResultExport };
enum class Failure { FullDisk, Injected };

QHash<QString, QByteArray> filesIn(const QString& folder) {
    QHash<QString, QByteArray> files;
    const QStringList names = QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QString& name : names) {
        if (name == QStringLiteral("filler")) continue;
        QFile file(folder + QLatin1Char('/') + name);
        if (file.open(QIODevice::ReadOnly)) files.insert(name, file.readAll());
    }
    return files;
}

void fillRows(CoordTable& grid, int count, const std::string& x) {
    resetCoordTable(grid);
    grid.setRows(count + 2);
    for (int r = 1; r <= count; ++r) {
        grid.setText(r, 0, x);
        grid.setText(r, 1, std::to_string(r));
    }
}

QString dump(const CoordTable& grid) {
    QString out;
    for (int r = 0; r < grid.rows(); ++r)
        out += QString::fromStdString(grid.text(r, 0) + "|" + grid.text(r, 1) + ";");
    return out;
}

}  // namespace

Q_DECLARE_METATYPE(Writer)
Q_DECLARE_METATYPE(Failure)

class TestFullDisk : public QObject {
    Q_OBJECT

private slots:
    void writeFailureChangesNothing_data() {
        QTest::addColumn<Writer>("writer");
        QTest::addColumn<Failure>("failure");
        const std::pair<const char*, Writer> writers[] = {
            {"snapshot", Writer::Snapshot},          {"direct-editing buffer", Writer::Buffer},
            {"colour file", Writer::ColorFile},      {"coordinate save", Writer::CoordinateSave},
            {"result export", Writer::ResultExport},
        };
        for (const auto& [name, writer] : writers) {
            QTest::addRow("%s, full disk", name) << writer << Failure::FullDisk;
            QTest::addRow("%s, injected", name) << writer << Failure::Injected;
        }
    }

    void writeFailureChangesNothing() {
        QFETCH(Writer, writer);
        QFETCH(Failure, failure);
        SmallDisk disk;
        QTemporaryDir plainDir;
        if (failure == Failure::FullDisk && !disk.mounted())
            QSKIP("cannot mount a small tmpfs here (needs root); the injected rows cover this");
        const QString folder = failure == Failure::FullDisk ? disk.path() : plainDir.path();

        // The state before: a few rows, every working file written once.
        Workspace ws(folder);
        QVERIFY(ws.start());
        fillRows(ws.addGrid, 3, "1");
        QVERIFY(ws.saveUndo());
        const QString csv = folder + QStringLiteral("/section.csv");
        const QString exported = folder + QStringLiteral("/result.txt");
        QVERIFY(ws.writeCsv(csv));
        QVERIFY(ws.saveColors(DrawColors{1, 2, 3}));
        ws.runCalculation();
        QVERIFY(ws.exportResult(exported));
        const std::optional<QString> bufferText = ws.directEditText();
        QVERIFY(bufferText);
        const QHash<QString, QByteArray> before = filesIn(folder);
        const QString addBefore = dump(ws.addGrid);

        std::unique_ptr<InjectedWriteFailure> injected;
        if (failure == Failure::FullDisk) {
            QVERIFY(disk.fill());
        } else {
            injected =
                std::make_unique<InjectedWriteFailure>(InjectedWriteFailure::Step::Write, ENOSPC);
        }

        QString error;
        switch (writer) {
            case Writer::Snapshot:
                fillRows(ws.addGrid, 2000, "12345.678");
                QVERIFY(!ws.saveUndo(&error));
                QVERIFY(!ws.snapshotError().isEmpty());
                break;
            case Writer::Buffer: {
                QString edited = *bufferText;
                for (int i = 0; i < 2000; ++i) edited += QStringLiteral("\n9,%1").arg(i);
                QVERIFY(!ws.applyDirectEdit(edited, &error));
                QCOMPARE(dump(ws.addGrid), addBefore);
                break;
            }
            case Writer::ColorFile:
                QVERIFY(!ws.saveColors(DrawColors{4, 5, 6}, &error));
                QCOMPARE(ws.colors, (DrawColors{1, 2, 3}));
                break;
            case Writer::CoordinateSave:
                fillRows(ws.addGrid, 2000, "12345.678");
                QVERIFY(!ws.writeCsv(csv, &error));
                break;
            case Writer::ResultExport:
                fillRows(ws.addGrid, 3, "7");
                ws.runCalculation();
                QVERIFY(!ws.exportResult(exported, &error));
                break;
        }
        injected.reset();
        if (writer != Writer::Snapshot) QVERIFY2(!error.isEmpty(), "the failure is reported");
        const QHash<QString, QByteArray> after = filesIn(folder);
        QCOMPARE(after.keys().size(), before.keys().size());  // no temporary file left
        for (auto it = before.cbegin(); it != before.cend(); ++it)
            QVERIFY2(after.value(it.key()) == it.value(), qPrintable(it.key() + " changed"));
    }
};

QTEST_GUILESS_MAIN(TestFullDisk)
#include "test_full_disk.moc"

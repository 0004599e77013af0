// The shape library's insertion and management: the inserted coordinates (base point onto the
// insertion point, five decimals, no separator so an outline inside a figure joins it), the
// picking of base points, the dialogs' states (blinking hint, OK enabled by a pick), the read
// errors, and registration and deletion through the management dialog's commands.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <limits>

#include "../io/IoTestUtil.h"
#include "editing/Messenger.h"
#include "editing/Workspace.h"
#include "io/ShippedLibrary.h"
#include "shapes/LibraryManageDialog.h"
#include "shapes/LibraryPreview.h"
#include "shapes/ShapeInsertDialog.h"
#include "shapes/ShapeLibrary.h"

using namespace kuvanto;

namespace {

class ScriptedMessenger : public Messenger {
public:
    QStringList notices;
    QStringList questions;
    QList<bool> answers;
    void notice(const QString& text, const QString&) override { notices << text; }
    bool confirm(const QString& text, const QString&) override {
        questions << text;
        return answers.isEmpty() ? false : answers.takeFirst();
    }
    QString chooseOpenFile(const QString&, const QString&, const QString&) override { return {}; }
    QString chooseSaveFile(const QString&, const QString&, const QString&,
                           const QString&) override {
        return {};
    }
};

// A library folder with one category "T" whose data file holds parts A and B.
struct SmallLibrary {
    QTemporaryDir dir;
    SmallLibrary(const QByteArray& registry = "T,t.csv\r\n",
                 const QByteArray& data =
                     "A,,B,\r\nX,Y,X,Y\r\n12.5,20,0,0\r\n14,21,4,0\r\n"
                     "挿入基点,,,\r\n10,20,0,0\r\n20,20,4,0\r\n") {
        QDir(dir.path()).mkpath("data");
        test::writeBytes(dir.filePath("pre.ini"), registry);
        test::writeBytes(dir.filePath("data/t.csv"), data);
    }
};

}  // namespace

class ShapeLibraryDialogsTest : public QObject {
    Q_OBJECT

private slots:
    void insertedCoordinates_data();
    void insertedCoordinates();
    void pickingBasePoints();
    void insertionDialog();
    void readErrors_data();
    void readErrors();
    void registration();
    void registrationRefusals_data();
    void registrationRefusals();
    void deletion();
};

void ShapeLibraryDialogsTest::insertedCoordinates_data() {
    QTest::addColumn<QString>("table");
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("expected");
    QTest::newRow("before the entry row") << QString() << 1 << "102.5|0;104|1";
    QTest::newRow("inside a figure, no separator")
        << "0|0;5|0;0|0" << 2 << "0|0;102.5|0;104|1;5|0;0|0";
}

void ShapeLibraryDialogsTest::insertedCoordinates() {
    QFETCH(QString, table);
    QFETCH(int, row);
    QFETCH(QString, expected);
    SmallLibrary small;
    const ShapeLibrary library(small.dir.path());
    Workspace workspace(small.dir.path());
    QVERIFY(workspace.start());
    test::fill(workspace.addGrid, table);
    workspace.addGrid.setRow(row);
    // Base point (10, 20) onto (100, 0): the vertex (12.5, 20) goes to (102.5, 0).
    QVERIFY(ShapeLibrary::insertPart(workspace, workspace.addGrid, library.dataPath("t.csv"), 0,
                                     {10, 20}, {100, 0}));
    QCOMPARE(test::dump(workspace.addGrid), expected);
    QCOMPARE(workspace.addGrid.row(), row + 2);  // on the row that was current
    // A file that cannot be read changes nothing.
    QVERIFY(!ShapeLibrary::insertPart(workspace, workspace.addGrid, library.dataPath("no.csv"), 0,
                                      {0, 0}, {0, 0}));
    QCOMPARE(test::dump(workspace.addGrid), expected);
    // Nor does an insertion point that puts a vertex beyond the double range.
    const double infinite = std::numeric_limits<double>::infinity();
    for (const PlanePoint target : {PlanePoint{infinite, 0}, PlanePoint{0, -infinite},
                                    PlanePoint{std::numeric_limits<double>::quiet_NaN(), 0}}) {
        QVERIFY(!ShapeLibrary::insertPart(workspace, workspace.addGrid, library.dataPath("t.csv"),
                                          0, {10, 20}, target));
        QCOMPARE(test::dump(workspace.addGrid), expected);
    }
}

void ShapeLibraryDialogsTest::pickingBasePoints() {
    const std::vector<PlanePoint> bases = {{0, 0}, {10, 0}, {10, 0}, {5, 5}};
    const std::optional<QRectF> window = ShapeLibrary::previewWindow(bases);
    QVERIFY(window);
    QCOMPARE(*window, QRectF(QPointF(-5, 12.5), QPointF(15, -7.5)));
    const double width = window->width();                                // 20: picks within 1
    QCOMPARE(ShapeLibrary::pickBasePoint(bases, {9.5, 0.5}, width), 1);  // first of equals
    QCOMPARE(ShapeLibrary::pickBasePoint(bases, {7.5, 2.5}, width), -1);
    QVERIFY(!ShapeLibrary::previewWindow({{3, 3}, {3, 3}}));
}

void ShapeLibraryDialogsTest::insertionDialog() {
    QTemporaryDir dir;
    QVERIFY(ShippedLibrary::installInto(dir.path()));
    const ShapeLibrary library(dir.path());
    Workspace workspace(dir.path());
    QVERIFY(workspace.start());
    ScriptedMessenger messenger;
    ShapeInsertDialog dialog(workspace, workspace.addGrid, library, messenger);
    QCOMPARE(dialog.windowTitle(), QStringLiteral("登録図形の挿入"));
    QCOMPARE(dialog.categoryList()->count(), 7);
    QCOMPARE(dialog.categoryList()->currentText(), QStringLiteral("H形鋼"));
    QVERIFY(dialog.partList()->count() > 10);
    QVERIFY(!dialog.okButton()->isEnabled());

    dialog.partList()->setCurrentRow(9);  // H-200x100x5.5x8
    QCOMPARE(dialog.partList()->currentItem()->text(), QStringLiteral("H-200x100x5.5x8"));
    QVERIFY(dialog.blinkTimer()->isActive());
    QCOMPARE(dialog.blinkTimer()->interval(), 250);
    // Far from every base point: nothing changes.
    dialog.pickAt({30, 30});
    QVERIFY(!dialog.okButton()->isEnabled());
    QVERIFY(dialog.baseX()->isHidden());
    // Near the top right corner (50, 100).
    dialog.pickAt({49, 99});
    QVERIFY(dialog.okButton()->isEnabled());
    QVERIFY(!dialog.blinkTimer()->isActive());
    QCOMPARE(dialog.baseX()->text(), QStringLiteral("50"));
    QCOMPARE(dialog.baseY()->text(), QStringLiteral("100"));
    QVERIFY(!dialog.baseX()->isHidden());

    // Another part blinks again but keeps the earlier base point.
    dialog.partList()->setCurrentRow(0);
    QVERIFY(dialog.blinkTimer()->isActive());
    QVERIFY(dialog.okButton()->isEnabled());
    dialog.partList()->setCurrentRow(9);
    dialog.targetX()->setText("50");
    dialog.targetY()->setText("abc");  // lenient: 0
    dialog.insertPart();
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    // The outline's first vertex (-50, -100) moved by (50, 0) - (50, 100).
    QCOMPARE(workspace.addGrid.text(1, 0), std::string("-50"));
    QCOMPARE(workspace.addGrid.text(1, 1), std::string("-200"));
    QVERIFY(messenger.notices.isEmpty());
}

void ShapeLibraryDialogsTest::readErrors_data() {
    QTest::addColumn<QByteArray>("registry");
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<QString>("message");
    QTest::newRow("empty pre.ini")
        << QByteArray() << QByteArray("A,\r\n") << QString(ShapeLibrary::kRegistryReadError);
    QTest::newRow("data file without marker line")
        << QByteArray("T,t.csv\r\n") << QByteArray("A,\r\nX,Y\r\n0,0\r\n1,1\r\n")
        << "登録図形座標ファイル(";
}

void ShapeLibraryDialogsTest::readErrors() {
    QFETCH(QByteArray, registry);
    QFETCH(QByteArray, data);
    QFETCH(QString, message);
    SmallLibrary small(registry, data);
    const ShapeLibrary library(small.dir.path());
    Workspace workspace(small.dir.path());
    QVERIFY(workspace.start());
    ScriptedMessenger messenger;
    ShapeInsertDialog dialog(workspace, workspace.addGrid, library, messenger);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    // One real click on a part (its press changes the current row, its release reports the
    // click): one message.
    QListWidget* parts = dialog.partList();
    if (parts->count() > 0)
        QTest::mouseClick(parts->viewport(), Qt::LeftButton, {},
                          parts->visualItemRect(parts->item(0)).center());
    QCOMPARE(messenger.notices.size(), 1);
    QVERIFY2(messenger.notices.front().startsWith(message), qPrintable(messenger.notices.front()));
    // A second click on the same part tries again: one more message.
    if (parts->count() > 0) {
        QTest::mouseClick(parts->viewport(), Qt::LeftButton, {},
                          parts->visualItemRect(parts->item(0)).center());
        QCOMPARE(messenger.notices.size(), 2);
    }
}

void ShapeLibraryDialogsTest::registration() {
    SmallLibrary small;
    const ShapeLibrary library(small.dir.path());
    ScriptedMessenger messenger;
    LibraryManageDialog dialog(library, messenger);
    QCOMPARE(dialog.registrations()->count(), 1);
    QCOMPARE(dialog.registrations()->item(0)->text(), QStringLiteral("T[t.csv]"));
    QVERIFY(dialog.nameEdit()->text().startsWith("Untitled...("));

    dialog.fileEdit()->setText(small.dir.filePath("data/missing.csv"));
    dialog.registerFile();
    QCOMPARE(messenger.notices.last(), ShapeLibrary::kBadAddress);
    dialog.fileEdit()->setText(small.dir.filePath("data/t.csv"));
    dialog.nameEdit()->setText("a,b");
    dialog.registerFile();
    QCOMPARE(messenger.notices.last(), ShapeLibrary::kBadName);
    QCOMPARE(test::readBytes(library.registryPath()), QByteArray("T,t.csv\r\n"));

    dialog.nameEdit()->setText("二つ目");
    dialog.registerFile();
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(LibraryRegistry::read(library.registryPath()).entries.back(),
             (RegistryEntry{"二つ目", "t.csv"}));
}

// A data file the category could not read back is never registered, and the refusal says what
// is wrong with what; the registry stays as it was.
void ShapeLibraryDialogsTest::registrationRefusals_data() {
    QTest::addColumn<QString>("file");  // made in the library folder, "data/..." or outside
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("message");
    QTest::newRow("data file name with a comma") << "data/a,b.csv"
                                                 << "名前" << QString(ShapeLibrary::kBadFileName);
    QTest::newRow("data file name with a quote") << "data/a\"b.csv"
                                                 << "名前" << QString(ShapeLibrary::kBadFileName);
    QTest::newRow("data file outside the data folder")
        << "elsewhere/t.csv"
        << "名前" << QString(ShapeLibrary::kOutsideDataFolder);
    QTest::newRow("data file of a new name outside the data folder")
        << "elsewhere/new.csv"
        << "名前" << QString(ShapeLibrary::kOutsideDataFolder);
}

void ShapeLibraryDialogsTest::registrationRefusals() {
    QFETCH(QString, file);
    QFETCH(QString, name);
    QFETCH(QString, message);
    SmallLibrary small;
    QDir(small.dir.path()).mkpath("elsewhere");
    QVERIFY(test::writeBytes(small.dir.filePath(file), "A,\r\nX,Y\r\n0,0\r\n挿入基点,\r\n0,0\r\n"));
    const ShapeLibrary library(small.dir.path());
    ScriptedMessenger messenger;
    LibraryManageDialog dialog(library, messenger);
    dialog.fileEdit()->setText(small.dir.filePath(file));
    dialog.nameEdit()->setText(name);
    dialog.registerFile();
    QCOMPARE(messenger.notices.size(), 1);
    QVERIFY2(messenger.notices.front().startsWith(message), qPrintable(messenger.notices.front()));
    QVERIFY(!messenger.notices.front().contains(ShapeLibrary::kRegistryWriteError));
    QCOMPARE(test::readBytes(library.registryPath()), QByteArray("T,t.csv\r\n"));
}

void ShapeLibraryDialogsTest::deletion() {
    SmallLibrary small("T,t.csv\r\nU,u.csv\r\nT,t.csv\r\n");
    const ShapeLibrary library(small.dir.path());
    ScriptedMessenger messenger;
    LibraryManageDialog dialog(library, messenger);
    dialog.registrations()->setCurrentRow(0);
    messenger.answers = {false};
    dialog.deleteSelected();
    QCOMPARE(messenger.questions.last(),
             QStringLiteral("T[t.csv]を削除します。\rよろしいですか？(なお、csvデータは削除されま"
                            "せん。)"));
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    messenger.answers = {true};
    dialog.deleteSelected();
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(test::readBytes(library.registryPath()), QByteArray("U,u.csv\r\n"));
    QVERIFY(QFile::exists(small.dir.filePath("data/t.csv")));
}

QTEST_MAIN(ShapeLibraryDialogsTest)
#include "test_shape_library_dialogs.moc"

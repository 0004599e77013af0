// The editing commands with their questions, refusals and snapshots, without a window: insert and
// delete with Yes and No, the header refusal, the separator question, erasing with and without
// asking, paste, the editor commit (1e3 and abc), the transformations and the picked-vertex edit,
// and undo after each command.
#include <QTemporaryDir>
#include <QtTest>
#include <limits>

#include "../app/ScriptedMessenger.h"
#include "../core/GridText.h"
#include "editing/EditCommands.h"

using namespace kuvanto;

class TestEditCommands : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void insertAsks();
    void noStillTakesSnapshot();
    void headerRefusals();
    void separatorQuestion();
    void allDeleteAsksOnlyWhenTold();
    void commitCell_data();
    void commitCell();
    void undoAfterEachCommand_data();
    void undoAfterEachCommand();
    void nonFiniteTransformationRefused_data();
    void nonFiniteTransformationRefused();
    void vertexEditTakesNoInfinityOrNan_data();
    void vertexEditTakesNoInfinityOrNan();

private:
    std::unique_ptr<QTemporaryDir> dir_;
    std::unique_ptr<Workspace> work_;
    ScriptedMessenger msg_;
    std::unique_ptr<EditCommands> commands_;
};

const QStringList kFigure = {"0,0", "10,0", "10,10", "|", ","};

void TestEditCommands::init() {
    dir_ = std::make_unique<QTemporaryDir>();
    work_ = std::make_unique<Workspace>(dir_->path());
    QVERIFY(work_->start());
    msg_ = ScriptedMessenger();
    commands_ = std::make_unique<EditCommands>(*work_, msg_);
    work_->addGrid = gridOf(kFigure);
    work_->saveUndo();
}

void TestEditCommands::cleanup() {
    commands_.reset();
    work_.reset();
    dir_.reset();
}

void TestEditCommands::insertAsks() {
    CoordTable& grid = work_->addGrid;
    selectRows(grid, 2, 2);
    msg_.answers = {true};
    const RowChange change = commands_->insertRows(grid, true);
    QCOMPARE(msg_.questions.size(), 1);
    QCOMPARE(msg_.questions[0].title, QStringLiteral("図形区切りの挿入"));
    QCOMPARE(msg_.questions[0].text,
             QStringLiteral("X=10 , Y=0 に空白行を挿入します。\nよろしいですか？"));
    QCOMPARE(change.inserted, 1);
    QCOMPARE(rowsOf(grid), (QStringList{"0,0", ",", "10,0", "10,10", "|", ","}));
    // The context-menu command does not ask.
    commands_->deleteRows(grid, false);
    QCOMPARE(msg_.questions.size(), 1);
    QCOMPARE(rowsOf(grid), kFigure);
}

void TestEditCommands::noStillTakesSnapshot() {
    CoordTable& grid = work_->addGrid;
    selectRows(grid, 4, 4);
    const QString before = work_->undo().undoFile();
    msg_.answers = {false};
    QVERIFY(commands_->deleteRows(grid, true).refused);
    QCOMPARE(msg_.questions[0].text,
             QStringLiteral("X=<<図形区切り>> , Y= を削除します。\nよろしいですか？"));
    QCOMPARE(rowsOf(grid), kFigure);
    QVERIFY(work_->undo().undoFile() != before);
}

void TestEditCommands::headerRefusals() {
    CoordTable& grid = work_->addGrid;
    selectRows(grid, 0, 1);
    commands_->insertRows(grid, false);
    commands_->deleteRows(grid, false);
    commands_->insertSeparator(grid, false);
    QCOMPARE(msg_.notices.size(), 3);
    QCOMPARE(msg_.notices[0].text, QStringLiteral("この行には挿入できません。"));
    QCOMPARE(msg_.notices[0].title, QStringLiteral("Kuvanto"));
    QCOMPARE(msg_.notices[1].text, QStringLiteral("この行は削除できません。"));
    QCOMPARE(msg_.notices[2].text, QStringLiteral("この行には挿入できません。"));
    QCOMPARE(rowsOf(grid), kFigure);
}

void TestEditCommands::separatorQuestion() {
    CoordTable& grid = work_->addGrid;
    selectRows(grid, 5, 5);
    const QString before = work_->undo().undoFile();
    msg_.answers = {false};
    QVERIFY(commands_->insertSeparator(grid, true).refused);
    QCOMPARE(work_->undo().undoFile(), before);  // No: no snapshot
    msg_.answers = {true};
    commands_->insertSeparator(grid, true);
    QCOMPARE(msg_.questions[1].text,
             QStringLiteral("X= , Y= に図形区切りを挿入します。\nよろしいですか？"));
    QCOMPARE(rowsOf(grid), (QStringList{"0,0", "10,0", "10,10", "|", "|", ",", ","}));
    QVERIFY(work_->undo().undoFile() != before);
}

void TestEditCommands::allDeleteAsksOnlyWhenTold() {
    msg_.answers = {false};
    QVERIFY(!commands_->allDelete(true));
    QCOMPARE(msg_.questions[0].text, QStringLiteral("全データを消去します。よろしいですか？"));
    QCOMPARE(msg_.questions[0].title, QStringLiteral("Notice!"));
    QCOMPARE(rowsOf(work_->addGrid), kFigure);
    msg_.answers = {true};
    QVERIFY(commands_->allDelete(true));
    QCOMPARE(rowsOf(work_->addGrid), QStringList{","});
    work_->addGrid = gridOf(kFigure);
    QVERIFY(commands_->allDelete(false));
    QCOMPARE(msg_.questions.size(), 2);
    QCOMPARE(rowsOf(work_->addGrid), QStringList{","});
}

void TestEditCommands::commitCell_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("written");
    QTest::addColumn<QString>("cell");
    QTest::newRow("1e3 kept as typed") << "1e3" << true << "1e3";
    QTest::newRow("abc refused") << "abc" << false << "10";
    QTest::newRow("empty empties") << "" << true << "";
    QTest::newRow("blanks around a number") << " 7.50 " << true << " 7.50 ";
    QTest::newRow("beyond the double range refused") << "1e999" << false << "10";
    QTest::newRow("negative beyond the range refused") << "-1e400" << false << "10";
}

void TestEditCommands::commitCell() {
    QFETCH(QString, text);
    QFETCH(bool, written);
    QFETCH(QString, cell);
    CoordTable& grid = work_->addGrid;
    QCOMPARE(EditCommands::commitCell(grid, 3, 0, text), written);
    QCOMPARE(QString::fromStdString(grid.text(3, 0)), cell);
}

enum class Command { Insert, Delete, Separator, Paste, Move, Rotate, Scale, EditCoord, AllDelete };
Q_DECLARE_METATYPE(Command)

void TestEditCommands::undoAfterEachCommand_data() {
    QTest::addColumn<Command>("command");
    QTest::newRow("insert") << Command::Insert;
    QTest::newRow("delete") << Command::Delete;
    QTest::newRow("separator") << Command::Separator;
    QTest::newRow("paste") << Command::Paste;
    QTest::newRow("move") << Command::Move;
    QTest::newRow("rotate") << Command::Rotate;
    QTest::newRow("scale") << Command::Scale;
    QTest::newRow("edit coordinate") << Command::EditCoord;
    QTest::newRow("erase all") << Command::AllDelete;
}

void TestEditCommands::undoAfterEachCommand() {
    QFETCH(Command, command);
    CoordTable& grid = work_->addGrid;
    selectRows(grid, 1, 2);
    switch (command) {
        case Command::Insert:
            commands_->insertRows(grid, false);
            break;
        case Command::Delete:
            commands_->deleteRows(grid, false);
            break;
        case Command::Separator:
            commands_->insertSeparator(grid, false);
            break;
        case Command::Paste:
            commands_->paste(grid, "5\t6\r7\t8\r");
            break;
        case Command::Move:
            commands_->move(grid, 1, 1);
            break;
        case Command::Rotate:
            commands_->rotate(grid, 0, 0, 90);
            break;
        case Command::Scale:
            commands_->scale(grid, 0, 0, 3);
            break;
        case Command::EditCoord:
            commands_->editCoordinate(grid, "abc", "1");
            break;
        case Command::AllDelete:
            commands_->allDelete(false);
            break;
    }
    QVERIFY(rowsOf(work_->addGrid) != kFigure);
    QVERIFY(work_->undoRestore());
    QCOMPARE(rowsOf(work_->addGrid), kFigure);
}

// A transformation whose input or result is not a finite number changes no row and takes no
// snapshot: the figure never gets an "inf" or "nan" coordinate.
void TestEditCommands::nonFiniteTransformationRefused_data() {
    QTest::addColumn<Command>("command");
    QTest::addColumn<double>("value");
    const double infinite = std::numeric_limits<double>::infinity();
    QTest::newRow("move by an infinite distance") << Command::Move << infinite;
    QTest::newRow("move overflowing") << Command::Move << 1.7e308;
    QTest::newRow("rotate by an infinite angle") << Command::Rotate << infinite;
    QTest::newRow("scale by 1e308 overflowing") << Command::Scale << 1e308;
    QTest::newRow("scale by nan") << Command::Scale << std::numeric_limits<double>::quiet_NaN();
    QTest::newRow("vertex edit to 1e400") << Command::EditCoord << 0.0;
}

void TestEditCommands::nonFiniteTransformationRefused() {
    QFETCH(Command, command);
    QFETCH(double, value);
    CoordTable& grid = work_->addGrid;
    grid.setText(2, 0, "1.7e308");
    const QStringList before = rowsOf(grid);
    selectRows(grid, 1, 3);
    bool done = true;
    if (command == Command::Move) done = commands_->move(grid, value, 0);
    if (command == Command::Rotate) done = commands_->rotate(grid, 0, 0, value);
    if (command == Command::Scale) done = commands_->scale(grid, 0, 0, value);
    if (command == Command::EditCoord) done = commands_->editCoordinate(grid, "1e400", "1");
    QVERIFY(!done);
    QCOMPARE(rowsOf(grid), before);
    QCOMPARE(msg_.notices.size(), 1);
}

void TestEditCommands::vertexEditTakesNoInfinityOrNan_data() {
    QTest::addColumn<QString>("x");
    QTest::addColumn<bool>("written");
    QTest::newRow("inf") << "inf" << false;
    QTest::newRow("-Infinity") << "-Infinity" << false;
    QTest::newRow("nan with blanks") << " NaN " << false;
    QTest::newRow("a number") << "2.5" << true;
    QTest::newRow("other text is written as typed") << "abc" << true;
    QTest::newRow("empty") << "" << true;
}

// The vertex editor takes what a cell takes as a number: "inf" and "nan" are refused with the
// cell editor's words and leave the row as it was.
void TestEditCommands::vertexEditTakesNoInfinityOrNan() {
    QFETCH(QString, x);
    QFETCH(bool, written);
    CoordTable& grid = work_->addGrid;
    const QStringList before = rowsOf(grid);
    selectRows(grid, 1, 1);
    QCOMPARE(commands_->editCoordinate(grid, x, "1"), written);
    if (written) {
        QCOMPARE(rowsOf(grid).first(), x + ",1");
        return;
    }
    QCOMPARE(rowsOf(grid), before);
    QCOMPARE(msg_.notices.size(), 1);
    QVERIFY(msg_.notices.front().text.contains(x));
}

QTEST_GUILESS_MAIN(TestEditCommands)
#include "test_edit_commands.moc"

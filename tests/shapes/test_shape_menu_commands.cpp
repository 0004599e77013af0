// The generator commands in the main window: the question before the rectangle and the circle
// (asked from the menu bar and the toolbar, not from a context menu), insertion into the table of
// the tab shown, the corner check of the main-menu command, nothing on the result tab, and undo
// of a generated figure.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include "../app/ScriptedMessenger.h"
#include "ShapeTestRows.h"
#include "app/MainWindow.h"

using namespace kuvanto;
using kuvanto::test::rowsOf;

namespace {

// Accepts the next modal dialog after `fill` has set its fields.
void acceptNextDialog(std::function<void(QDialog&)> fill = {}) {
    QTimer::singleShot(0, [fill] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        if (fill) fill(*dialog);
        dialog->accept();
    });
}

}  // namespace

class TestShapeMenuCommands : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void rectangleAsksThenInserts();
    void questionsPerMenuItem_data();
    void questionsPerMenuItem();
    void circleIntoSubtractedTable();
    void lineAndCornerFromTheMenus();
    void nothingOnTheResultTab();
    void freehandModeAndItsMenu();

private:
    std::unique_ptr<QTemporaryDir> folder_;
    ScriptedMessenger messenger_;
    std::unique_ptr<MainWindow> window_;
};

void TestShapeMenuCommands::init() {
    folder_ = std::make_unique<QTemporaryDir>();
    messenger_ = ScriptedMessenger();
    window_ = std::make_unique<MainWindow>(folder_->path(), &messenger_);
}

void TestShapeMenuCommands::cleanup() {
    window_.reset();
}

void TestShapeMenuCommands::rectangleAsksThenInserts() {
    QAction* rect = window_->command("Insert_Rect");
    QVERIFY(rect && rect->isEnabled());

    messenger_.answers = {false};
    rect->trigger();
    QCOMPARE(messenger_.questions.size(), 1);
    QCOMPARE(messenger_.questions[0].title, QString("矩形の挿入"));
    QCOMPARE(window_->work().addGrid.rows(), 2);

    messenger_.answers = {true};
    acceptNextDialog();
    rect->trigger();
    QCOMPARE(rowsOf(window_->work().addGrid),
             (QStringList{"0,0", "50,0", "50,50", "0,50", "0,0", "<<図形区切り>>,", ","}));
    window_->command("Undo_t")->trigger();
    QCOMPARE(window_->work().addGrid.rows(), 2);
}

// The questions a menu item asks before it acts: the menu bar and the toolbar ask, a context menu
// (where the user has pointed at the place already) does not. Each item is answered No, and a
// dialog that opens instead is cancelled.
void TestShapeMenuCommands::questionsPerMenuItem_data() {
    QTest::addColumn<QString>("menu");  // the menu holding the item
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("question");  // the title asked; empty for none
    const QString row = "図形区切りの挿入";
    QTest::newRow("rectangle, menu") << "Insert_Dgrm"
                                     << "Insert_Rect"
                                     << "矩形の挿入";
    QTest::newRow("rectangle, toolbar") << ""
                                        << "Insert_Rect"
                                        << "矩形の挿入";
    QTest::newRow("rectangle, context menu") << "Dummy_Menu"
                                             << "Insert_Rect_Pop"
                                             << "";
    QTest::newRow("circle, menu") << "Insert_Dgrm"
                                  << "Insert_Arc"
                                  << "円（円弧）の挿入";
    QTest::newRow("circle, context menu") << "Dummy_Menu"
                                          << "Insert_Arc_Pop"
                                          << "";
    QTest::newRow("line, context menu") << "Lines2"
                                        << "Len_Angle_Pop1"
                                        << "";
    QTest::newRow("insert row, menu") << "Edit_Menu"
                                      << "Insert_Row1" << row;
    QTest::newRow("insert row, context menu") << "Dummy_Menu"
                                              << "Insert_Row_Pop"
                                              << "";
    QTest::newRow("delete row, several rows") << "Dummy_Menu1"
                                              << "Delete_Row_Pop1"
                                              << "";
    QTest::newRow("separator, menu") << "Edit_Menu"
                                     << "Sect_Dgrm1" << row;
    QTest::newRow("separator, context menu") << "Dummy_Menu"
                                             << "Sect_Dgrm"
                                             << "";
    QTest::newRow("freehand, menu") << "Insert_Dgrm"
                                    << "FreeHand_M"
                                    << "フリーハンド描画";
}

void TestShapeMenuCommands::questionsPerMenuItem() {
    QFETCH(QString, menu);
    QFETCH(QString, item);
    QFETCH(QString, question);
    QAction* action =
        menu.isEmpty() ? window_->command(item) : window_->commands().menuItem(menu, item);
    QVERIFY(action && action->isEnabled());
    messenger_.answers = {false};
    QTimer::singleShot(0, [] {
        if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget()))
            dialog->reject();
    });
    action->trigger();
    QCOMPARE(messenger_.questions.value(0).title, question);
    QCOMPARE(messenger_.questions.size(), question.isEmpty() ? 0 : 1);
    QCoreApplication::processEvents();  // the canceller, when no dialog took it
    window_->endFreehand();
}

void TestShapeMenuCommands::circleIntoSubtractedTable() {
    window_->selectTab(1);
    messenger_.answers = {true};
    acceptNextDialog([](QDialog& d) {
        d.findChild<QLineEdit*>("dev_Text")->setText("4");
        d.findChild<QLineEdit*>("Dia_Text")->setText("2");
    });
    window_->command("Insert_Arc")->trigger();
    QCOMPARE(messenger_.questions.value(0).title, QString("円（円弧）の挿入"));
    QCOMPARE(rowsOf(window_->work().subtractedGrid).mid(0, 6),
             (QStringList{"1,0", "0,1", "-1,0", "0,-1", "1,0", "<<図形区切り>>,"}));
    QCOMPARE(window_->work().addGrid.rows(), 2);
}

void TestShapeMenuCommands::lineAndCornerFromTheMenus() {
    CoordTable& table = window_->work().addGrid;
    // The corner command refuses a row without a vertex.
    window_->command("CornerR")->trigger();
    QCOMPARE(messenger_.notices.value(0).text,
             QString("コーナーを選択してからコマンドを実行してください。"));

    acceptNextDialog();
    window_->command("Len_Angle")->trigger();
    acceptNextDialog([](QDialog& d) { d.findChild<QLineEdit*>("Text2")->setText("0"); });
    window_->command("Len_Angle_Pop1")->trigger();
    acceptNextDialog();
    window_->command("dy_Angle")->trigger();
    QCOMPARE(rowsOf(table), (QStringList{"7.071,7.071", "17.071,7.071", "27.071,17.071", ","}));

    table.setRow(2);
    acceptNextDialog([](QDialog& d) { d.findChild<QLineEdit*>("R_Text")->setText("2"); });
    window_->command("CornerR_t")->trigger();
    QVERIFY(table.rows() > 5);
    QCOMPARE(rowsOf(table).first(), QString("7.071,7.071"));
    QCOMPARE(rowsOf(table).value(rowsOf(table).size() - 2), QString("27.071,17.071"));
}

void TestShapeMenuCommands::nothingOnTheResultTab() {
    window_->selectTab(2);
    QVERIFY(!window_->activeCoordTable());
    QVERIFY(!window_->command("Insert_Rect")->isEnabled());
    window_->command("Insert_Rect")->trigger();  // a stray trigger changes nothing
    QCOMPARE(messenger_.questions.size(), 0);
}

void TestShapeMenuCommands::freehandModeAndItsMenu() {
    QAction* mode = window_->command("FreeHand");
    auto* canvasSwitch = window_->findChild<QCheckBox*>("FreeHand_Check");
    messenger_.answers = {false};
    mode->trigger();
    QVERIFY(!window_->freehand().on() && !mode->isChecked());
    QCOMPARE(messenger_.questions.value(0).title, QString("フリーハンド描画"));

    messenger_.answers = {true};
    mode->trigger();
    QVERIFY(window_->freehand().on() && mode->isChecked() && canvasSwitch->isChecked());

    // Two vertices typed in the coordinate dialog, relative to the last one, then closed.
    for (const char* x : {"10", "0"}) {
        acceptNextDialog([x](QDialog& d) {
            d.findChild<QLineEdit*>("X_Text")->setText(x);
            d.findChild<QLineEdit*>("Y_Text")->setText("5");
        });
        window_->command("Input_Cood_FH")->trigger();
    }
    window_->command("Close_Dgrm")->trigger();
    QVERIFY(!window_->freehand().on() && !mode->isChecked() && !canvasSwitch->isChecked());
    QCOMPARE(rowsOf(window_->work().addGrid),
             (QStringList{"10,5", "10,10", "10,5", "<<図形区切り>>,", ","}));

    // Leaving the tab ends the mode.
    messenger_.answers = {true};
    mode->trigger();
    window_->selectTab(1);
    QVERIFY(!window_->freehand().on() && !mode->isChecked());
}

QTEST_MAIN(TestShapeMenuCommands)
#include "test_shape_menu_commands.moc"

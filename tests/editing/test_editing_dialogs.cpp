// The editing dialogs on the offscreen platform: captions and first values, the move dialog's
// base-point list, default buttons and both panels, rotation by the default 90 degrees, scaling
// refusing a field that is not a number, the coordinate dialog storing any text, and Cancel.
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include "../app/ScriptedMessenger.h"
#include "../core/GridText.h"
#include "editing/EditCommands.h"
#include "editing/EditCoordDialog.h"
#include "editing/SelectionMoveDialog.h"
#include "editing/SelectionRotateDialog.h"
#include "editing/SelectionScalingDialog.h"

using namespace kuvanto;

class TestEditingDialogs : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void moveBaseToTarget();
    void moveWithoutBasePoint();
    void moveDefaultButtonFollowsFocus();
    void simpleMoveAndCancel();
    void rotateByDefaultAngle();
    void scalingRefusesText_data();
    void scalingRefusesText();
    void coordinateDialogStoresAnyText();

private:
    template <class T>
    T* child(QWidget* dialog, const char* name) {
        T* found = dialog->findChild<T*>(QString::fromUtf8(name));
        if (!found) qFatal("no child %s", name);
        return found;
    }

    std::unique_ptr<QTemporaryDir> dir_;
    std::unique_ptr<Workspace> work_;
    ScriptedMessenger msg_;
    std::unique_ptr<EditCommands> commands_;
};

void TestEditingDialogs::init() {
    dir_ = std::make_unique<QTemporaryDir>();
    work_ = std::make_unique<Workspace>(dir_->path());
    QVERIFY(work_->start());
    msg_ = ScriptedMessenger();
    commands_ = std::make_unique<EditCommands>(*work_, msg_);
    work_->addGrid = gridOf({"|", "1.23456,2", "3,4", "|", ","});
    selectRows(work_->addGrid, 1, 4);
}

void TestEditingDialogs::cleanup() {
    commands_.reset();
    work_.reset();
    dir_.reset();
}

void TestEditingDialogs::moveBaseToTarget() {
    SelectionMoveDialog dialog(work_->addGrid, *commands_);
    QCOMPARE(dialog.windowTitle(), QStringLiteral("選択座標移動"));
    auto* list = child<QListView>(&dialog, "List1");
    QCOMPARE(list->model()->rowCount(), 2);
    QCOMPARE(list->model()->index(0, 0).data().toString(),
             QStringLiteral("X: 1.235      - Y: 2.000     "));
    dialog.chooseBasePoint(0);
    QCOMPARE(child<QLabel>(&dialog, "X_or_Label")->text(), QStringLiteral("X = 1.235"));
    QCOMPARE(child<QLabel>(&dialog, "Y_or_Label")->text(), QStringLiteral("Y = 2"));
    QCOMPARE(child<QLineEdit>(&dialog, "Tar_dX_Text")->text(), QStringLiteral("1.235"));
    child<QLineEdit>(&dialog, "Tar_dX_Text")->setText("10");
    child<QLineEdit>(&dialog, "Tar_dY_Text")->setText("10");
    child<QPushButton>(&dialog, "Command4")->click();
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    // Moved by (8.765, 8); the separator rows keep their text.
    QCOMPARE(rowsOf(work_->addGrid), (QStringList{"|", "9.99956,10", "11.765,12", "|", ","}));
}

void TestEditingDialogs::moveWithoutBasePoint() {
    SelectionMoveDialog dialog(work_->addGrid, *commands_);
    child<QLineEdit>(&dialog, "Tar_dX_Text")->setText("1");
    child<QLineEdit>(&dialog, "Tar_dY_Text")->setText("abc");
    dialog.baseToTarget();
    QCOMPARE(rowsOf(work_->addGrid), (QStringList{"|", "2.23456,2", "4,4", "|", ","}));
}

void TestEditingDialogs::moveDefaultButtonFollowsFocus() {
    SelectionMoveDialog dialog(work_->addGrid, *commands_);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    auto* simpleOk = child<QPushButton>(&dialog, "Command1");
    auto* targetOk = child<QPushButton>(&dialog, "Command4");
    child<QLineEdit>(&dialog, "Tar_dY_Text")->setFocus();
    QVERIFY(targetOk->isDefault() && !simpleOk->isDefault());
    child<QLineEdit>(&dialog, "dX_Text")->setFocus();
    QVERIFY(simpleOk->isDefault() && !targetOk->isDefault());
    QTest::keyClicks(child<QLineEdit>(&dialog, "dX_Text"), "5");
    QTest::keyClick(child<QLineEdit>(&dialog, "dX_Text"), Qt::Key_Return);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(rowsOf(work_->addGrid).mid(1, 2), (QStringList{"6.23456,2", "8,4"}));
}

void TestEditingDialogs::simpleMoveAndCancel() {
    {
        SelectionMoveDialog dialog(work_->addGrid, *commands_);
        child<QPushButton>(&dialog, "Command5")->click();
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
    }
    const QString snapshot = work_->undo().undoFile();
    QCOMPARE(rowsOf(work_->addGrid).at(1), QStringLiteral("1.23456,2"));
    SelectionMoveDialog dialog(work_->addGrid, *commands_);
    child<QLineEdit>(&dialog, "dX_Text")->setText("0.1");
    child<QLineEdit>(&dialog, "dY_Text")->setText("-2");
    child<QPushButton>(&dialog, "Command1")->click();
    QCOMPARE(rowsOf(work_->addGrid).mid(1, 2), (QStringList{"1.33456,0", "3.1,2"}));
    QVERIFY(work_->undo().undoFile() != snapshot);
}

void TestEditingDialogs::rotateByDefaultAngle() {
    SelectionRotateDialog dialog(work_->addGrid, *commands_);
    QCOMPARE(dialog.windowTitle(), QStringLiteral("選択座標回転"));
    QCOMPARE(child<QLineEdit>(&dialog, "θ_Text")->text(), QStringLiteral("90"));
    child<QPushButton>(&dialog, "Command1")->click();
    QCOMPARE(rowsOf(work_->addGrid).mid(1, 2), (QStringList{"-2,1.235", "-4,3"}));
}

void TestEditingDialogs::scalingRefusesText_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("text");
    QTest::newRow("empty factor") << "Scale_Text"
                                  << "";
    QTest::newRow("text in base X") << "X_Text"
                                    << "abc";
    QTest::newRow("number with tail") << "Y_Text"
                                      << "5mm";
}

void TestEditingDialogs::scalingRefusesText() {
    QFETCH(QString, field);
    QFETCH(QString, text);
    SelectionScalingDialog dialog(work_->addGrid, *commands_, msg_);
    QCOMPARE(dialog.windowTitle(), QStringLiteral("選択座標拡大･縮小"));
    child<QLineEdit>(&dialog, "Scale_Text")->setText("2");
    child<QLineEdit>(&dialog, field.toUtf8().constData())->setText(text);
    child<QPushButton>(&dialog, "Command1")->click();
    QCOMPARE(msg_.notices.size(), 1);
    QCOMPARE(msg_.notices[0].text, kScalingNotANumber);
    QCOMPARE(rowsOf(work_->addGrid).at(2), QStringLiteral("3,4"));
    QVERIFY(dialog.result() != int(QDialog::Accepted));
    child<QLineEdit>(&dialog, field.toUtf8().constData())->setText("1");
    child<QLineEdit>(&dialog, "X_Text")->setText("1");
    child<QLineEdit>(&dialog, "Y_Text")->setText("1");
    child<QLineEdit>(&dialog, "Scale_Text")->setText("2");
    child<QPushButton>(&dialog, "Command1")->click();
    QCOMPARE(rowsOf(work_->addGrid).at(2), QStringLiteral("5,7"));
}

void TestEditingDialogs::coordinateDialogStoresAnyText() {
    work_->addGrid.setRow(3);
    EditCoordDialog dialog(work_->addGrid, *commands_);
    QCOMPARE(dialog.windowTitle(), QStringLiteral("座標編集"));
    QCOMPARE(child<QLineEdit>(&dialog, "dX_Text")->text(), QStringLiteral("3"));
    QCOMPARE(child<QLineEdit>(&dialog, "dY_Text")->text(), QStringLiteral("4"));
    child<QLineEdit>(&dialog, "dX_Text")->setText("x?");
    child<QPushButton>(&dialog, "Command1")->click();
    QCOMPARE(rowsOf(work_->addGrid).at(2), QStringLiteral("x?,4"));
    QVERIFY(!work_->addGrid.isVertexRow(3));
}

QTEST_MAIN(TestEditingDialogs)
#include "test_editing_dialogs.moc"

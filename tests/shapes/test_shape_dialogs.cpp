// The generator dialogs and commands: captions and defaults of the line dialog's modes, the arc
// dialog's messages (unusable count kept open, adjusted step noticed), the corner dialog's live
// preview (OK disabled while a field is unusable, the flip by a click), the commands' question and
// modal run, and undo after every generator.
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <functional>

#include "../app/ScriptedMessenger.h"
#include "ShapeTestRows.h"
#include "core/base/NumberText.h"
#include "editing/Workspace.h"
#include "shapes/ArcDialog.h"
#include "shapes/CornerPreview.h"
#include "shapes/CornerRoundingDialog.h"
#include "shapes/LineDialog.h"
#include "shapes/RectangleDialog.h"
#include "shapes/ShapeCommands.h"

using namespace kuvanto;
using kuvanto::test::rowsOf;

Q_DECLARE_METATYPE(kuvanto::LineMode)

namespace {

QString labelText(const QWidget& w, const char* name) {
    auto* label = w.findChild<QLabel*>(QString::fromLatin1(name));
    return label ? label->text() : QStringLiteral("<missing>");
}

void setField(const QWidget& w, const char* name, const QString& text) {
    auto* field = w.findChild<QLineEdit*>(QString::fromLatin1(name));
    QVERIFY2(field, name);
    field->setText(text);
}

// Runs `act` on the modal dialog that the next exec() opens.
void onNextDialog(std::function<void(QDialog&)> act) {
    QTimer::singleShot(0, [act] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        act(*dialog);
    });
}

CoordTable squareTable() {
    CoordTable table;
    table.setRows(1);
    for (const char* xy : {"0,0", "50,0", "50,50", "0,50", "0,0"}) {
        const QStringList parts = QString::fromLatin1(xy).split(',');
        table.appendRow(parts[0].toStdString(), parts[1].toStdString());
    }
    table.appendRow(std::string(kSeparatorText), "");
    table.appendRow("", "");
    return table;
}

}  // namespace

class TestShapeDialogs : public QObject {
    Q_OBJECT
private slots:
    void init();
    void lineModes_data();
    void lineModes();
    void arcMessages();
    void cornerPreview();
    void commandsAskAndRunModally();
    void cornerCommandRefusals();
    void undoAfterEachGenerator();

private:
    std::unique_ptr<QTemporaryDir> folder_;
    std::unique_ptr<Workspace> work_;
};

void TestShapeDialogs::init() {
    folder_ = std::make_unique<QTemporaryDir>();
    work_ = std::make_unique<Workspace>(folder_->path());
    QVERIFY(work_->start());
}

void TestShapeDialogs::lineModes_data() {
    QTest::addColumn<LineMode>("mode");
    QTest::addColumn<QStringList>("texts");  // title, prompt, quantity, symbol
    QTest::newRow("length") << LineMode::lengthAngle
                            << QStringList{"ラインの挿入(長さ・角度)",
                                           "長さ・角度を入力して下さい。", "長さ", "L"};
    QTest::newRow("x increment") << LineMode::xIncrementAngle
                                 << QStringList{"ラインの挿入(X増分・角度)",
                                                "X増分・角度を入力して下さい。", "X増分", "dx"};
    QTest::newRow("y increment") << LineMode::yIncrementAngle
                                 << QStringList{"ラインの挿入(Y増分・角度)",
                                                "Y増分・角度を入力して下さい。", "Y増分", "dy"};
}

void TestShapeDialogs::lineModes() {
    QFETCH(LineMode, mode);
    QFETCH(QStringList, texts);
    LineDialog dialog(mode);
    QCOMPARE(dialog.objectName(), QString("Angline_Insert_Form"));
    QCOMPARE(dialog.windowTitle(), texts[0]);
    QCOMPARE(labelText(dialog, "Label1"), texts[1]);
    QCOMPARE(labelText(dialog, "Label2"), texts[2]);
    QCOMPARE(labelText(dialog, "Label3"), texts[3]);
    QCOMPARE(labelText(dialog, "Label4"), QString("角度"));
    QCOMPARE(dialog.amountField()->text(), QString("10"));
    QCOMPARE(dialog.angleField()->text(), QString("45"));
    QVERIFY(dialog.findChild<QWidget*>("Picture1"));
    dialog.amountField()->setText("12abc");
    dialog.angleField()->setText("");
    QCOMPARE(dialog.amount(), 12.0);
    QCOMPARE(dialog.angle(), 0.0);
}

void TestShapeDialogs::arcMessages() {
    ScriptedMessenger messenger;
    {
        ArcDialog dialog(messenger);
        dialog.show();
        setField(dialog, "dev_Text", "-");
        dialog.accept();
        QCOMPARE(messenger.notices.size(), 1);
        QVERIFY(dialog.isVisible());  // kept open for a usable count
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
    }
    messenger.notices.clear();
    ArcDialog dialog(messenger);
    dialog.show();
    setField(dialog, "dev_Text", "7");
    dialog.accept();
    QCOMPARE(messenger.notices.size(), 1);
    QCOMPARE(
        messenger.notices[0].text,
        QString("円弧分割数が低く、角度を正確に模擬できません。(角度ステップ=51.4285714285714°)"
                "\n分割数を自動変更します。"));
    QCOMPARE(messenger.notices[0].title, QString("Kuvanto"));
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(int(dialog.plan().xs.size()), 9);

    // A rounded step that passes the remainder test but does not fit the range: the arc still
    // ends at its end angle, with a shorter last step, and the user is told so.
    messenger.notices.clear();
    ArcDialog shortLast(messenger);
    shortLast.show();
    setField(shortLast, "St_deg_Text", "0");
    setField(shortLast, "En_deg_Text", "60");
    setField(shortLast, "dev_Text", "100");
    shortLast.accept();
    QCOMPARE(messenger.noticeTexts(),
             QStringList{"円弧分割数では角度範囲を等分できません。(角度ステップ=3.6°)\n"
                         "最後のステップを短くして角度範囲の終わりで終えます。"});
    QCOMPARE(shortLast.result(), int(QDialog::Accepted));
    QCOMPARE(int(shortLast.plan().xs.size()), 18);
    QVERIFY(shortLast.plan().shortLastStep);
}

void TestShapeDialogs::cornerPreview() {
    const CoordTable table = squareTable();
    CornerRoundingDialog dialog(readCorner(table, 3));
    QCOMPARE(dialog.findChild<QLineEdit*>("Xc_Text")->text(), QString("50"));
    QCOMPARE(QString::fromStdString(fixed3Text(dialog.fillet().centre.x)), QString("55"));
    QVERIFY(dialog.okButton()->isEnabled());

    // A click on the preview builds the fillet on the other side.
    dialog.show();
    QTest::mouseClick(dialog.preview(), Qt::LeftButton);
    QVERIFY(dialog.flipped());
    QCOMPARE(QString::fromStdString(fixed3Text(dialog.fillet().centre.x) + "," +
                                    fixed3Text(dialog.fillet().centre.y)),
             QString("45,45"));

    // Every keystroke recomputes; a lone "-" or a count of 0 disables OK without failing.
    dialog.radiusField()->setText("-");
    QVERIFY(!dialog.okButton()->isEnabled());
    dialog.radiusField()->setText("5");
    QVERIFY(dialog.okButton()->isEnabled());
    dialog.divisionsField()->setText("0");
    QVERIFY(!dialog.okButton()->isEnabled());
    QVERIFY(!dialog.findChild<QLabel*>("Problem_Label")->text().isEmpty());
    dialog.divisionsField()->setText("4");
    QVERIFY(dialog.okButton()->isEnabled());
    QCOMPARE(int(dialog.fillet().vertices.size()), 2);  // 90° in steps of 90°: the tangent points
}

void TestShapeDialogs::commandsAskAndRunModally() {
    ScriptedMessenger messenger;
    CoordTable& table = work_->addGrid;
    const ShapeTarget target{*work_, table, messenger, nullptr};

    messenger.answers = {false};
    QVERIFY(!runRectangleCommand(target, true).changed);
    QCOMPARE(messenger.questions.size(), 1);
    QCOMPARE(messenger.questions[0].title, QString("矩形の挿入"));
    QCOMPARE(messenger.questions[0].text,
             QString("選択行からデータを挿入します。\nよろしいですか？"));

    onNextDialog([](QDialog& d) {
        setField(d, "En_X_Text", "20");
        d.accept();
    });
    const ShapeOutcome rect = runRectangleCommand(target, false);
    QVERIFY(rect.changed);
    QCOMPARE(rect.topRow, 1);
    QCOMPARE(rowsOf(table).mid(0, 3), (QStringList{"0,0", "20,0", "20,50"}));

    onNextDialog([](QDialog& d) { d.reject(); });
    QVERIFY(!runArcCommand(target, false).changed);
    QCOMPARE(table.rows(), 8);

    table.setRow(7);
    onNextDialog([](QDialog& d) {
        setField(d, "St_deg_Text", "180");
        d.accept();
    });
    const ShapeOutcome arc = runArcCommand(target, false);
    QVERIFY(arc.changed);
    QCOMPARE(rowsOf(table).value(6), QString("-25,0"));  // half circle from 180° to 360°
    QCOMPARE(rowsOf(table).value(25), QString("<<図形区切り>>,"));
    QCOMPARE(table.row(), 26);

    table.setRow(2);
    onNextDialog([](QDialog& d) { d.accept(); });
    QVERIFY(runCornerCommand(target, true).changed);
    QCOMPARE(rowsOf(table).mid(1, 2), (QStringList{"15,0", "15.868,0.076"}));
}

void TestShapeDialogs::cornerCommandRefusals() {
    ScriptedMessenger messenger;
    CoordTable table = squareTable();
    const ShapeTarget target{*work_, table, messenger, nullptr};
    table.setRow(6);  // the separator row
    QVERIFY(!runCornerCommand(target, true).changed);
    QCOMPARE(messenger.notices.value(0).text,
             QString("コーナーを選択してからコマンドを実行してください。"));
    // The closing row repeats the first vertex: its end point is the corner itself.
    table.setRow(5);
    QVERIFY(!runCornerCommand(target, true).changed);
    QCOMPARE(messenger.notices.size(), 2);
    QVERIFY(messenger.notices[1].text.contains("R付けできません"));
    QCOMPARE(rowsOf(table), rowsOf(squareTable()));
}

void TestShapeDialogs::undoAfterEachGenerator() {
    CoordTable& table = work_->addGrid;
    const auto undoBrings = [&](const QStringList& before) {
        QVERIFY(work_->undoRestore());
        QCOMPARE(rowsOf(work_->addGrid), before);
    };

    QStringList before = rowsOf(table);
    applyRectangle(*work_, table, {"0", "0", "50", "50"});
    undoBrings(before);

    before = rowsOf(table);
    table.setRow(1);
    applyLine(*work_, table, LineMode::lengthAngle, 10, 45);
    QCOMPARE(rowsOf(table).value(0), QString("7.071,7.071"));
    undoBrings(before);

    ArcInput circle;
    before = rowsOf(table);
    table.setRow(1);
    applyArc(*work_, table, planArc(circle));
    QCOMPARE(table.rows(), 1 + 37 + 1 + 1 + 2);
    undoBrings(before);

    table = squareTable();
    QVERIFY(work_->saveUndo());
    before = rowsOf(table);
    const CornerSource source = readCorner(table, 2);
    applyFillet(*work_, table, 2, source, computeFillet({50, 0}, {0, 0}, {50, 50}, 5, 36, false));
    QCOMPARE(table.rows(), squareTable().rows() + 9);
    undoBrings(before);
}

QTEST_MAIN(TestShapeDialogs)
#include "test_shape_dialogs.moc"

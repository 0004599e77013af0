// The direct-editing dialog driven through its real widgets: what OK and Cancel hand back, and a
// text of a million lines kept whole.
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextBlock>
#include <QtTest>

#include "editing/DirectEditDialog.h"

using kuvanto::DirectEditDialog;

namespace {

const QString kTables = QStringLiteral("<<加算>>,\r\n0,0\r\n100,0\r\n<<減算>>,\r\n");

}  // namespace

class EditFormTest : public QObject {
    Q_OBJECT
private slots:
    void showsItsControls() {
        DirectEditDialog form(kTables);
        QCOMPARE(form.windowTitle(), QStringLiteral("直接編集"));
        auto* editor = form.findChild<QPlainTextEdit*>(QStringLiteral("Text1"));
        QVERIFY(editor);
        // one shown line per line of the text (the box may hold several lines per block)
        QCOMPARE(editor->toPlainText().split(QLatin1Char('\n')),
                 (QStringList{"<<加算>>,", "0,0", "100,0", "<<減算>>,", ""}));
        QCOMPARE(form.findChild<QPushButton*>(QStringLiteral("Command1"))->text(),
                 QStringLiteral("OK"));
        QCOMPARE(form.findChild<QPushButton*>(QStringLiteral("Command2"))->text(),
                 QStringLiteral("Cancel"));
    }

    void closes_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("result");
        QTest::addColumn<QString>("text");
        const QString lf = QStringLiteral("<<加算>>,\n0,0\n100,0\n<<減算>>,\n");
        QTest::newRow("OK unchanged gives the lines with line feeds")
            << ""
            << "Command1" << int(QDialog::Accepted) << lf;
        QTest::newRow("OK gives the typed lines")
            << "5,5\n"
            << "Command1" << int(QDialog::Accepted) << lf + "5,5\n";
        QTest::newRow("Cancel rejects") << "5,5"
                                        << "Command2" << int(QDialog::Rejected) << "";
    }
    void closes() {
        QFETCH(QString, typed);
        QFETCH(QString, button);
        QFETCH(int, result);
        QFETCH(QString, text);
        DirectEditDialog form(kTables);
        form.show();
        auto* editor = form.findChild<QPlainTextEdit*>(QStringLiteral("Text1"));
        editor->moveCursor(QTextCursor::End);
        for (const QChar c : typed) {
            if (c == QLatin1Char('\n')) {
                QTest::keyClick(editor, Qt::Key_Return);
            } else {
                QTest::keyClicks(editor, QString(c));
            }
        }
        QTest::mouseClick(form.findChild<QPushButton*>(button), Qt::LeftButton);
        QCOMPARE(form.result(), result);
        QVERIFY(!form.isVisible());
        if (result == QDialog::Accepted) QCOMPARE(form.editedText(), text);
    }

    void keepsTheTextLiterally_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("edited");
        QTest::newRow("markup stays text") << "<<加算>>,\r\n<b>1</b>,&amp;\r\n"
                                           << "<<加算>>,\n<b>1</b>,&amp;\n";
        QTest::newRow("tabs blanks and full-width digits kept") << "\t1 , ２\r\n\r\n"
                                                                << "\t1 , ２\n\n";
        QString big = QStringLiteral("<<加算>>,\r\n");
        QString bigEdited = QStringLiteral("<<加算>>,\n");
        for (int i = 0; i < 1000000; ++i) {
            big += QString::number(i % 1000) + QStringLiteral(",1.5\r\n");
            bigEdited += QString::number(i % 1000) + QStringLiteral(",1.5\n");
        }
        QTest::newRow("a million lines kept whole") << big << bigEdited;
    }
    void keepsTheTextLiterally() {
        QFETCH(QString, text);
        QFETCH(QString, edited);
        DirectEditDialog form(text);
        QCOMPARE(form.editedText(), edited);
    }
};

QTEST_MAIN(EditFormTest)
#include "test_direct_edit_dialog.moc"

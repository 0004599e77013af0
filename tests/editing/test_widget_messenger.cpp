// The real message boxes behind the messenger: title, no icon, the buttons, the answer, and
// carriage returns shown as line breaks.
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include "editing/Messenger.h"

using kuvanto::WidgetMessenger;

namespace {

struct Seen {
    QString title;
    QString text;
    int icon = -1;
    QList<QMessageBox::StandardButton> buttons;
};

// Inspects the message box once it is open and presses `press` on it.
void answerNextBox(Seen& seen, QMessageBox::StandardButton press) {
    QTimer::singleShot(0, [&seen, press] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) return;
        seen.title = box->windowTitle();
        seen.text = box->text();
        seen.icon = box->icon();
        for (QAbstractButton* button : box->buttons()) seen.buttons << box->standardButton(button);
        std::sort(seen.buttons.begin(), seen.buttons.end());
        box->button(press)->click();
    });
}

}  // namespace

class WidgetMessengerTest : public QObject {
    Q_OBJECT
private slots:
    void asks_data() {
        QTest::addColumn<bool>("confirm");
        QTest::addColumn<QString>("title");
        QTest::addColumn<int>("press");
        QTest::addColumn<bool>("answer");
        QTest::newRow("notice with the application title")
            << false << "" << int(QMessageBox::Ok) << true;
        QTest::newRow("confirmation answered Yes")
            << true << "Notice!" << int(QMessageBox::Yes) << true;
        QTest::newRow("confirmation answered No")
            << true << "csvファイル(座標データ)" << int(QMessageBox::No) << false;
    }
    void asks() {
        QFETCH(bool, confirm);
        QFETCH(QString, title);
        QFETCH(int, press);
        QFETCH(bool, answer);
        WidgetMessenger messenger(nullptr);
        const QString text = QStringLiteral("選択行からデータを挿入します。\rよろしいですか？");
        Seen seen;
        answerNextBox(seen, QMessageBox::StandardButton(press));
        bool result = true;
        if (confirm) {
            result = messenger.confirm(text, title);
        } else {
            messenger.notice(text);
        }
        QCOMPARE(result, answer);
        QCOMPARE(seen.title, title.isEmpty() ? kuvanto::kAppTitle : title);
        QCOMPARE(seen.text, QStringLiteral("選択行からデータを挿入します。\nよろしいですか？"));
        QCOMPARE(seen.icon, int(QMessageBox::NoIcon));
        const QList<QMessageBox::StandardButton> buttons =
            confirm ? QList{QMessageBox::Yes, QMessageBox::No} : QList{QMessageBox::Ok};
        QCOMPARE(seen.buttons, buttons);
    }
};

QTEST_MAIN(WidgetMessengerTest)
#include "test_widget_messenger.moc"

// The help window and the version window: their texts and every way they close.
#include <QLabel>
#include <QPointer>
#include <QtTest>

#include "app/HelpWindow.h"
#include "app/JapaneseFonts.h"
#include "app/VersionDialog.h"

using kuvanto::HelpWindow;
using kuvanto::VersionDialog;

class InfoWindowsTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { kuvanto::installJapaneseFonts(); }

    void helpShowsTheOperationSummary() {
        HelpWindow form;
        QCOMPARE(form.windowTitle(), QStringLiteral("Help"));
        QVERIFY(!form.isModal());
        auto* label = form.findChild<QLabel*>(QStringLiteral("Label1"));
        const QStringList lines = label->text().split(QLatin1Char('\n'));
        QCOMPARE(lines.size(), 13);
        QCOMPARE(lines.at(0), QStringLiteral("[図形又は座標のの選択]"));
        // Ideographic spaces line the columns up; an ASCII blank would shift them.
        QCOMPARE(lines.at(1), QStringLiteral("\u3000左クリック(各頂点で)\u3000\u3000 "
                                             "\u3000\u3000\u3000：頂点選択"));
        QCOMPARE(lines.at(9),
                 QStringLiteral("　Ctrl + 右ドラッグ(上下)　　　　：画面表示 拡大/縮小"));
        QCOMPARE(lines.at(12), QStringLiteral("　Shift + 左ドラッグ又はクリック ：直交モード"));
        for (int empty : {3, 6, 10}) QVERIFY(lines.at(empty).isEmpty());
        // Fixed pitch: Latin letters of one width, so the columns line up.
        const QFontMetrics metrics(label->font());
        QCOMPARE(metrics.horizontalAdvance(QLatin1Char('i')),
                 metrics.horizontalAdvance(QLatin1Char('M')));
    }

    void helpCloses_data() {
        QTest::addColumn<QString>("how");
        QTest::newRow("click on the window") << "window";
        QTest::newRow("click on the label") << "label";
        QTest::newRow("another window takes the focus") << "deactivate";
    }
    void helpCloses() {
        QFETCH(QString, how);
        QWidget other;
        QPointer<HelpWindow> form = new HelpWindow;
        form->show();
        QApplication::setActiveWindow(form);
        QVERIFY(form->isVisible());
        if (how == QLatin1String("window")) {
            QTest::mouseClick(form, Qt::LeftButton, {}, QPoint(2, 2));
        } else if (how == QLatin1String("label")) {
            QTest::mouseClick(form->findChild<QLabel*>(QStringLiteral("Label1")), Qt::LeftButton);
        } else {
            other.show();
            QApplication::setActiveWindow(&other);
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(form.isNull());
    }

    void helpStaysWhileActive() {
        QPointer<HelpWindow> form = new HelpWindow;
        form->show();
        QApplication::setActiveWindow(form);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!form.isNull());
        QVERIFY(form->isVisible());
        delete form;
    }

    void splashShowsTheVersion() {
        VersionDialog splash;
        QVERIFY(splash.isModal());
        QCOMPARE(splash.findChild<QLabel*>(QStringLiteral("lblVersion"))->text(),
                 QStringLiteral("Version 3.1.0"));
        QCOMPARE(splash.findChild<QLabel*>(QStringLiteral("lblProductName"))->text(),
                 QStringLiteral("Kuvanto"));
        QVERIFY(!splash.findChild<QLabel*>(QStringLiteral("imgLogo"))->pixmap().isNull());
        QVERIFY(splash.findChild<QLabel*>(QStringLiteral("lblLicence"))
                    ->text()
                    .contains(QStringLiteral("GPL-3.0-or-later")));
    }

    void splashCloses_data() {
        QTest::addColumn<QString>("target");  // object name clicked, or "key"
        QTest::newRow("any key") << "key";
        QTest::newRow("Escape as any key") << "escape";
        QTest::newRow("click on the frame") << "Frame1";
        QTest::newRow("click on the logo") << "imgLogo";
        QTest::newRow("click on the product name") << "lblProductName";
        QTest::newRow("click on the version") << "lblVersion";
        QTest::newRow("click on the notice") << "lblNotice";
    }
    void splashCloses() {
        QFETCH(QString, target);
        VersionDialog splash;
        splash.show();
        QApplication::setActiveWindow(&splash);
        if (target == QLatin1String("key")) {
            QTest::keyClick(&splash, Qt::Key_A);
        } else if (target == QLatin1String("escape")) {
            QTest::keyClick(&splash, Qt::Key_Escape);
        } else {
            QWidget* widget = splash.findChild<QWidget*>(target);
            QVERIFY(widget);
            QTest::mouseClick(widget, Qt::LeftButton, {}, QPoint(3, 3));
        }
        QVERIFY(!splash.isVisible());
    }
};

QTEST_MAIN(InfoWindowsTest)
#include "test_info_windows.moc"

// The mass window driven by keystrokes: the result line after every change of the density.
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include "app/MassDialog.h"

using kuvanto::MassDialog;

namespace {

const QString kDashes = QStringLiteral("--------- kg/m");

// Shows the window and gives the density field the focus, which selects its text.
QLineEdit* focusDensity(MassDialog& form) {
    form.show();
    QApplication::setActiveWindow(&form);
    auto* rhoText = form.findChild<QLineEdit*>(QStringLiteral("Rho_Text"));
    rhoText->clearFocus();
    rhoText->setFocus(Qt::MouseFocusReason);
    QCoreApplication::processEvents();
    return rhoText;
}

}  // namespace

class MassFormTest : public QObject {
    Q_OBJECT
private slots:
    void opensWithItsTexts() {
        MassDialog form(20000);
        QCOMPARE(form.windowTitle(), QStringLiteral("単位長さ当たりの質量"));
        QVERIFY(form.isModal());
        QCOMPARE(form.findChild<QLineEdit*>(QStringLiteral("Rho_Text"))->text(), "0");
        QCOMPARE(form.findChild<QLabel*>(QStringLiteral("Label2"))->text(), kDashes);
        QCOMPARE(form.findChild<QLabel*>(QStringLiteral("Label1"))->text(),
                 QStringLiteral("総合図形の単位長さ(m)当たりの質量；"));
        const QString hint = QStringLiteral("鉄：7.8、アルミ：2.7");
        for (const char* name : {"Rho_Label", "Rho_Text", "Label3"}) {
            QCOMPARE(form.findChild<QWidget*>(QLatin1String(name))->toolTip(), hint);
        }
        QVERIFY(form.findChild<QLabel*>(QStringLiteral("Label1"))->toolTip().isEmpty());
    }

    void focusSelectsTheDensity() {
        MassDialog form(20000);
        QLineEdit* rhoText = focusDensity(form);
        QVERIFY(rhoText->hasFocus());
        QCOMPARE(rhoText->selectedText(), QStringLiteral("0"));
    }

    void everyKeystrokeUpdates_data() {
        QTest::addColumn<double>("area");
        QTest::addColumn<QString>("keys");  // '\b' is a backspace
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("steel typed 7 . 8 on a 100x200 section")
            << 20000.0 << "7.8" << QStringList{"140kg/m", "140kg/m", "156kg/m"};
        QTest::newRow("aluminium 2.7")
            << 20000.0 << "2.7" << QStringList{"40kg/m", "40kg/m", "54kg/m"};
        QTest::newRow("subtracted column gives a negative mass")
            << -20000.0 << "7.8" << QStringList{"-140kg/m", "-140kg/m", "-156kg/m"};
        QTest::newRow("density erased again shows dashes")
            << 20000.0 << "7\b" << QStringList{"140kg/m", kDashes};
    }
    void everyKeystrokeUpdates() {
        QFETCH(double, area);
        QFETCH(QString, keys);
        QFETCH(QStringList, lines);
        MassDialog form(area);
        QLineEdit* rhoText = focusDensity(form);
        auto* massLabel = form.findChild<QLabel*>(QStringLiteral("Label2"));
        QStringList shown;
        for (const QChar key : keys) {
            if (key == QLatin1Char('\b')) {
                QTest::keyClick(rhoText, Qt::Key_Backspace);
            } else {
                QTest::keyClicks(rhoText, QString(key));
            }
            shown << massLabel->text();
        }
        QCOMPARE(shown, lines);
    }

    void closeButtonCloses() {
        MassDialog form(20000);
        form.show();
        auto* command1 = form.findChild<QPushButton*>(QStringLiteral("Command1"));
        QCOMPARE(command1->text(), QStringLiteral("Close"));
        QTest::mouseClick(command1, Qt::LeftButton);
        QVERIFY(!form.isVisible());
    }
};

QTEST_MAIN(MassFormTest)
#include "test_mass_dialog.moc"

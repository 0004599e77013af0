// The colour dialog: swatches loaded from the colour file, the colour question, "Default", "OK"
// writing the file (or refusing with a message when it cannot), and "Cancel".
#include <QColorDialog>
#include <QFile>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include "../ScriptedMessenger.h"
#include "app/ColorDialog.h"
#include "app/ColorSwatch.h"

using kuvanto::ColorDialog;
using kuvanto::ColorSwatch;
using kuvanto::DrawColors;

namespace {

QByteArray readAll(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return file.readAll();
}

void writeAll(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

ColorSwatch* swatch(ColorDialog* form, int n) {
    return form->findChild<ColorSwatch*>(QStringLiteral("Picture%1").arg(n));
}

void clickButton(ColorDialog* form, const QString& text) {
    for (QPushButton* button : form->findChildren<QPushButton*>()) {
        if (button->text() == text) {
            QTest::mouseClick(button, Qt::LeftButton);
            return;
        }
    }
    QFAIL(qPrintable(QStringLiteral("no button ") + text));
}

// Runs the deletions that closing a self-deleting window has queued.
void flushDeletes() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

}  // namespace

class SetColorFormTest : public QObject {
    Q_OBJECT
private slots:
    void init() {
        QVERIFY(dir_.isValid());
        path_ = dir_.filePath(QStringLiteral("cl.ini"));
        QFile::remove(path_);
    }

    void opensWithTheFileColours_data() {
        QTest::addColumn<QByteArray>("file");  // null: no file
        QTest::addColumn<DrawColors>("shown");
        QTest::newRow("three numbers") << QByteArray(" 1  2  3 \r\n") << DrawColors{1, 2, 3};
        QTest::newRow("no file gives fallback colours") << QByteArray() << kuvanto::kFallbackColors;
        QTest::newRow("one number gives fallback colours")
            << QByteArray(" 65280 \r\n") << kuvanto::kFallbackColors;
    }
    void opensWithTheFileColours() {
        QFETCH(QByteArray, file);
        QFETCH(DrawColors, shown);
        if (!file.isNull()) writeAll(path_, file);
        kuvanto::ScriptedMessenger messenger;
        auto* form = new ColorDialog(path_, messenger);
        QCOMPARE(form->windowTitle(), QStringLiteral("色設定"));
        QVERIFY(!form->isModal());
        QCOMPARE(form->swatchColors(), shown);
        delete form;
    }

    void swatchBackgroundIsTheColourInBgrLayout() {
        writeAll(path_, " 11857960  16711680  255 \r\n");
        kuvanto::ScriptedMessenger messenger;
        QScopedPointer<ColorDialog> form(new ColorDialog(path_, messenger));
        QCOMPARE(swatch(form.get(), 1)->palette().color(QPalette::Window), QColor(40, 240, 180));
        QCOMPARE(swatch(form.get(), 2)->palette().color(QPalette::Window), QColor(0, 0, 255));
        QCOMPARE(swatch(form.get(), 3)->palette().color(QPalette::Window), QColor(255, 0, 0));
    }

    void defaultThenOkWritesTheFile() {
        kuvanto::ScriptedMessenger messenger;
        QPointer<ColorDialog> form = new ColorDialog(path_, messenger);
        QSignalSpy accepted(form.get(), &ColorDialog::colorsAccepted);
        form->show();
        clickButton(form, QStringLiteral("Default"));
        QCOMPARE(readAll(path_), QByteArray());  // nothing stored before OK
        clickButton(form, QStringLiteral("OK"));
        QCOMPARE(readAll(path_), QByteArray(" 255  16711680  16087170 \r\n"));
        QCOMPARE(accepted.size(), 1);
        QCOMPARE(accepted.at(0).at(0).value<DrawColors>(), kuvanto::kDefaultButtonColors);
        flushDeletes();
        QVERIFY(form.isNull());
        QVERIFY(messenger.notices.isEmpty());
    }

    void swatchClick_data() {
        QTest::addColumn<int>("answer");
        QTest::addColumn<int>("kept");
        QTest::newRow("cancel or pure black keeps the swatch") << 0 << 16711680;
        QTest::newRow("RGB(0,0,1) is taken") << 0x010000 << 0x010000;
        QTest::newRow("white is taken") << 0xFFFFFF << 0xFFFFFF;
    }
    void swatchClick() {
        QFETCH(int, answer);
        QFETCH(int, kept);
        kuvanto::ScriptedMessenger messenger;
        QPointer<ColorDialog> form = new ColorDialog(path_, messenger);
        int asked = 0;
        form->setColorChooser([&](QWidget*) {
            ++asked;
            return answer;
        });
        form->show();
        QTest::mouseClick(swatch(form, 2), Qt::LeftButton);
        QCOMPARE(asked, 1);
        QCOMPARE(form->swatchColors().subtracted, kept);
        clickButton(form, QStringLiteral("OK"));
        QCOMPARE(kuvanto::loadColorVal(path_), (DrawColors{255, kept, 11857960}));
        flushDeletes();
    }

    void cancelChangesNothing() {
        const QByteArray before(" 1  2  3 \r\n");
        writeAll(path_, before);
        kuvanto::ScriptedMessenger messenger;
        QPointer<ColorDialog> form = new ColorDialog(path_, messenger);
        QSignalSpy accepted(form.get(), &ColorDialog::colorsAccepted);
        form->show();
        clickButton(form, QStringLiteral("Default"));
        clickButton(form, QStringLiteral("Cancel"));
        flushDeletes();
        QVERIFY(form.isNull());
        QCOMPARE(accepted.size(), 0);
        QCOMPARE(readAll(path_), before);
    }

    void unwritableFileIsToldAndKeepsTheDialog() {
        const QString path = dir_.filePath(QStringLiteral("missing/cl.ini"));
        kuvanto::ScriptedMessenger messenger;
        QPointer<ColorDialog> form = new ColorDialog(path, messenger);
        QSignalSpy accepted(form.get(), &ColorDialog::colorsAccepted);
        form->show();
        clickButton(form, QStringLiteral("OK"));
        flushDeletes();
        QVERIFY(!form.isNull());
        QVERIFY(form->isVisible());
        QCOMPARE(accepted.size(), 0);
        QCOMPARE(messenger.notices.size(), 1);
        QVERIFY(messenger.notices.at(0).text.contains(path));
        delete form;
    }

    // The real colour question: black start, sixteen black custom colours at every call.
    void colorDialogAnswer_data() {
        QTest::addColumn<QColor>("picked");  // invalid: cancel
        QTest::addColumn<int>("value");
        QTest::newRow("RGB(0,0,1) in BGR layout") << QColor(0, 0, 1) << 0x010000;
        QTest::newRow("RGB(40,240,180)") << QColor(40, 240, 180) << 11857960;
        QTest::newRow("black reads as no choice") << QColor(0, 0, 0) << 0;
        QTest::newRow("cancel") << QColor() << 0;
    }
    void colorDialogAnswer() {
        QFETCH(QColor, picked);
        QFETCH(int, value);
        QColorDialog::setCustomColor(3, QColor(Qt::red));
        QColor start;
        bool customsBlack = false;
        QTimer::singleShot(0, this, [&] {
            auto* dialog = qobject_cast<QColorDialog*>(QApplication::activeModalWidget());
            if (!dialog) {
                if (QWidget* other = QApplication::activeModalWidget()) other->close();
                return;
            }
            start = dialog->currentColor();
            customsBlack = true;
            for (int i = 0; i < QColorDialog::customCount(); ++i) {
                customsBlack = customsBlack && QColorDialog::customColor(i) == Qt::black;
            }
            if (picked.isValid()) {
                dialog->setCurrentColor(picked);
                dialog->accept();
            } else {
                dialog->reject();
            }
        });
        QCOMPARE(ColorDialog::getColorValue(nullptr), value);
        QCOMPARE(start, QColor(Qt::black));
        QVERIFY(customsBlack);
    }

private:
    QTemporaryDir dir_;
    QString path_;
};

QTEST_MAIN(SetColorFormTest)
#include "test_color_dialog.moc"

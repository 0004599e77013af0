// The colour dialog: swatches loaded from the colour file, the colour question, "Default", "OK"
// writing the file (or refusing with a message when it cannot), and "Cancel".
#include <QColorDialog>
#include <QFile>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include "ColorSwatch.h"
#include "Messenger.h"
#include "Set_Color_Form.h"

using kuvanto::ColorSwatch;
using kuvanto::DrawColors;
using kuvanto::Set_Color_Form;

namespace {

class RecordingMessenger : public kuvanto::Messenger {
public:
    QStringList notices;
    void Notice(const QString& text, const QString&) override { notices << text; }
    bool Confirm(const QString&, const QString&) override { return false; }
    QString Choose_Open_File(const QString&, const QString&, const QString&) override { return {}; }
    QString Choose_Save_File(const QString&, const QString&, const QString&,
                             const QString&) override {
        return {};
    }
};

QByteArray Read_All(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return file.readAll();
}

void Write_All(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

ColorSwatch* Swatch(Set_Color_Form* form, int n) {
    return form->findChild<ColorSwatch*>(QStringLiteral("Picture%1").arg(n));
}

void Click_Button(Set_Color_Form* form, const QString& text) {
    for (QPushButton* button : form->findChildren<QPushButton*>()) {
        if (button->text() == text) {
            QTest::mouseClick(button, Qt::LeftButton);
            return;
        }
    }
    QFAIL(qPrintable(QStringLiteral("no button ") + text));
}

// Runs the deletions that closing a self-deleting window has queued.
void Flush_Deletes() {
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

    void opens_with_the_file_colours_data() {
        QTest::addColumn<QByteArray>("file");  // null: no file
        QTest::addColumn<DrawColors>("shown");
        QTest::newRow("three numbers") << QByteArray(" 1  2  3 \r\n") << DrawColors{1, 2, 3};
        QTest::newRow("no file gives fallback colours") << QByteArray() << kuvanto::kFallbackColors;
        QTest::newRow("one number gives fallback colours")
            << QByteArray(" 65280 \r\n") << kuvanto::kFallbackColors;
    }
    void opens_with_the_file_colours() {
        QFETCH(QByteArray, file);
        QFETCH(DrawColors, shown);
        if (!file.isNull()) Write_All(path_, file);
        RecordingMessenger messenger;
        auto* form = new Set_Color_Form(path_, messenger);
        QCOMPARE(form->windowTitle(), QStringLiteral("色設定"));
        QVERIFY(!form->isModal());
        QCOMPARE(form->Swatch_Colors(), shown);
        delete form;
    }

    void swatch_background_is_the_colour_in_bgr_layout() {
        Write_All(path_, " 11857960  16711680  255 \r\n");
        RecordingMessenger messenger;
        QScopedPointer<Set_Color_Form> form(new Set_Color_Form(path_, messenger));
        QCOMPARE(Swatch(form.get(), 1)->palette().color(QPalette::Window), QColor(40, 240, 180));
        QCOMPARE(Swatch(form.get(), 2)->palette().color(QPalette::Window), QColor(0, 0, 255));
        QCOMPARE(Swatch(form.get(), 3)->palette().color(QPalette::Window), QColor(255, 0, 0));
    }

    void default_then_ok_writes_the_file() {
        RecordingMessenger messenger;
        QPointer<Set_Color_Form> form = new Set_Color_Form(path_, messenger);
        QSignalSpy accepted(form.get(), &Set_Color_Form::Colors_Accepted);
        form->show();
        Click_Button(form, QStringLiteral("Default"));
        QCOMPARE(Read_All(path_), QByteArray());  // nothing stored before OK
        Click_Button(form, QStringLiteral("OK"));
        QCOMPARE(Read_All(path_), QByteArray(" 255  16711680  16087170 \r\n"));
        QCOMPARE(accepted.size(), 1);
        QCOMPARE(accepted.at(0).at(0).value<DrawColors>(), kuvanto::kDefaultButtonColors);
        Flush_Deletes();
        QVERIFY(form.isNull());
        QVERIFY(messenger.notices.isEmpty());
    }

    void swatch_click_data() {
        QTest::addColumn<int>("answer");
        QTest::addColumn<int>("kept");
        QTest::newRow("cancel or pure black keeps the swatch") << 0 << 16711680;
        QTest::newRow("RGB(0,0,1) is taken") << 0x010000 << 0x010000;
        QTest::newRow("white is taken") << 0xFFFFFF << 0xFFFFFF;
    }
    void swatch_click() {
        QFETCH(int, answer);
        QFETCH(int, kept);
        RecordingMessenger messenger;
        QPointer<Set_Color_Form> form = new Set_Color_Form(path_, messenger);
        int asked = 0;
        form->Set_Color_Chooser([&](QWidget*) {
            ++asked;
            return answer;
        });
        form->show();
        QTest::mouseClick(Swatch(form, 2), Qt::LeftButton);
        QCOMPARE(asked, 1);
        QCOMPARE(form->Swatch_Colors().sbtrt, kept);
        Click_Button(form, QStringLiteral("OK"));
        QCOMPARE(kuvanto::Load_Color_Val(path_), (DrawColors{255, kept, 11857960}));
        Flush_Deletes();
    }

    void cancel_changes_nothing() {
        const QByteArray before(" 1  2  3 \r\n");
        Write_All(path_, before);
        RecordingMessenger messenger;
        QPointer<Set_Color_Form> form = new Set_Color_Form(path_, messenger);
        QSignalSpy accepted(form.get(), &Set_Color_Form::Colors_Accepted);
        form->show();
        Click_Button(form, QStringLiteral("Default"));
        Click_Button(form, QStringLiteral("Cancel"));
        Flush_Deletes();
        QVERIFY(form.isNull());
        QCOMPARE(accepted.size(), 0);
        QCOMPARE(Read_All(path_), before);
    }

    void unwritable_file_is_told_and_keeps_the_dialog() {
        const QString path = dir_.filePath(QStringLiteral("missing/cl.ini"));
        RecordingMessenger messenger;
        QPointer<Set_Color_Form> form = new Set_Color_Form(path, messenger);
        QSignalSpy accepted(form.get(), &Set_Color_Form::Colors_Accepted);
        form->show();
        Click_Button(form, QStringLiteral("OK"));
        Flush_Deletes();
        QVERIFY(!form.isNull());
        QVERIFY(form->isVisible());
        QCOMPARE(accepted.size(), 0);
        QCOMPARE(messenger.notices.size(), 1);
        QVERIFY(messenger.notices.at(0).contains(path));
        delete form;
    }

    // The real colour question: black start, sixteen black custom colours at every call.
    void color_dialog_answer_data() {
        QTest::addColumn<QColor>("picked");  // invalid: cancel
        QTest::addColumn<int>("value");
        QTest::newRow("RGB(0,0,1) in BGR layout") << QColor(0, 0, 1) << 0x010000;
        QTest::newRow("RGB(40,240,180)") << QColor(40, 240, 180) << 11857960;
        QTest::newRow("black reads as no choice") << QColor(0, 0, 0) << 0;
        QTest::newRow("cancel") << QColor() << 0;
    }
    void color_dialog_answer() {
        QFETCH(QColor, picked);
        QFETCH(int, value);
        QColorDialog::setCustomColor(3, QColor(Qt::red));
        QColor start;
        bool customs_black = false;
        QTimer::singleShot(0, this, [&] {
            auto* dialog = qobject_cast<QColorDialog*>(QApplication::activeModalWidget());
            if (!dialog) {
                if (QWidget* other = QApplication::activeModalWidget()) other->close();
                return;
            }
            start = dialog->currentColor();
            customs_black = true;
            for (int i = 0; i < QColorDialog::customCount(); ++i) {
                customs_black = customs_black && QColorDialog::customColor(i) == Qt::black;
            }
            if (picked.isValid()) {
                dialog->setCurrentColor(picked);
                dialog->accept();
            } else {
                dialog->reject();
            }
        });
        QCOMPARE(Set_Color_Form::GetColorValue(nullptr), value);
        QCOMPARE(start, QColor(Qt::black));
        QVERIFY(customs_black);
    }

private:
    QTemporaryDir dir_;
    QString path_;
};

QTEST_MAIN(SetColorFormTest)
#include "test_set_color_form.moc"

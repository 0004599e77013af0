// Everyday file habits of the main window: the title that names the open file and marks unsaved
// changes; the exit, read and erase questions offering to save first when there are unsaved
// changes (and staying as they were when there are none); redo beside undo; the recent files
// (kept in the settings, a missing one taken off with a message); a dropped CSV file opened as the
// reading command opens one; the printer choice falling back on the default printer.
#include <QFile>
#include <QListWidget>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QToolBar>
#include <QUrl>
#include <QtTest>
#include <memory>

#include "ScriptedMessenger.h"
#include "app/HistoryCommands.h"
#include "app/MainWindow.h"
#include "app/PrinterDialog.h"
#include "app/RecentFiles.h"

using namespace kuvanto;
using SaveChoice = Messenger::SaveChoice;

namespace {

QString Fixture(const char* name) {
    return QStringLiteral(KUVANTO_FIXTURES "/") + name;
}

const QString kUnsaved = QStringLiteral("保存されていない変更があります。");

struct Window {
    QTemporaryDir dir;
    ScriptedMessenger msg;
    std::unique_ptr<MainWindow> w = std::make_unique<MainWindow>(dir.path(), &msg);

    void edit(const char* x) {
        Workspace& work = w->work();
        work.addGrid.setText(1, 0, x);
        work.addGrid.setText(1, 1, "1");
        if (work.addGrid.rows() == 2) work.addGrid.setRows(3);
        work.saveUndo();
        w->showTableChange();
    }
};

void dropFile(MainWindow& window, const QString& path) {
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(path)});
    QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&window, &enter);
    QVERIFY(enter.isAccepted());
    QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&window, &drop);
}

}  // namespace

class TestFileHabits : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        // The settings of the tests go to a folder of their own, never the user's.
        QVERIFY(settings_.isValid());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings_.path());
        QCoreApplication::setOrganizationName(QStringLiteral("KuvantoTest"));
    }
    void init() { QSettings().remove(RecentFiles::kSettingsKey); }

    void titleNamesTheFileAndMarksChanges() {
        Window t;
        QCOMPARE(t.w->windowTitle(), QStringLiteral("Kuvanto Ver3.1.0"));
        t.edit("5");
        QCOMPARE(t.w->windowTitle(), QStringLiteral("*Kuvanto Ver3.1.0"));
        t.w->command(QStringLiteral("Undo_t"))->trigger();
        QCOMPARE(t.w->windowTitle(), QStringLiteral("Kuvanto Ver3.1.0"));  // back as started
        QVERIFY(t.w->openCsvFile(Fixture("rectangle-with-hole.csv")));
        QCOMPARE(t.w->windowTitle(), QStringLiteral("rectangle-with-hole.csv - Kuvanto Ver3.1.0"));
        t.edit("6");
        QCOMPARE(t.w->windowTitle(), QStringLiteral("*rectangle-with-hole.csv - Kuvanto Ver3.1.0"));
        const QString out = t.dir.filePath("saved.csv");
        t.msg.paths << out;
        t.w->command(QStringLiteral("Write_CSV"))->trigger();
        QCOMPARE(t.w->windowTitle(), QStringLiteral("saved.csv - Kuvanto Ver3.1.0"));
        // Undo after saving is a change against the saved file again.
        t.w->command(QStringLiteral("Undo_t"))->trigger();
        QCOMPARE(t.w->windowTitle(), QStringLiteral("*saved.csv - Kuvanto Ver3.1.0"));
    }

    void redoSitsBesideUndo() {
        Window t;
        QAction* redo = t.w->command(QStringLiteral("Redo_t"));
        QVERIFY(redo);
        QCOMPARE(t.w->command(QStringLiteral("Redo_m")), redo);
        QCOMPARE(redo->shortcuts(),
                 (QList<QKeySequence>{QKeySequence(QStringLiteral("Ctrl+Y")),
                                      QKeySequence(QStringLiteral("Ctrl+Shift+Z"))}));
        const QList<QAction*> onToolbar =
            t.w->findChild<QToolBar*>(QStringLiteral("Toolbar1"))->actions();
        QCOMPARE(onToolbar.indexOf(redo), onToolbar.indexOf(t.w->toolbarButton(7)) + 1);
        QCOMPARE(t.w->toolbarButton(8)->objectName(), QStringLiteral("sep2"));  // numbering kept
        QVERIFY(!redo->isEnabled());
        t.edit("1");
        t.edit("2");
        t.w->command(QStringLiteral("Undo_t"))->trigger();
        t.w->command(QStringLiteral("Undo_t"))->trigger();
        QVERIFY(redo->isEnabled());
        redo->trigger();
        QCOMPARE(t.w->work().addGrid.text(1, 0), std::string("1"));
        t.w->selectTab(2);
        QVERIFY(!redo->isEnabled());  // a figure-tab command, like undo
        t.w->selectTab(0);
        QVERIFY(redo->isEnabled());
        t.edit("3");  // a new change ends the redo steps
        QVERIFY(!redo->isEnabled());
    }

    // Each question keeps its text; with unsaved changes it says so and offers to save first.
    void questionsOfferToSaveFirst_data() {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("question");  // empty: the command asks nothing by itself
        QTest::newRow("exit from the menu")
            << "Exit_Prgm" << QStringLiteral("ソフトを終了します。よろしいですか？");
        QTest::newRow("exit from the toolbar")
            << "Exit_Prgm_t" << QStringLiteral("Kuvantoを終了します。よろしいですか？");
        QTest::newRow("erase all")
            << "All_Delete" << QStringLiteral("全データを消去します。よろしいですか？");
        QTest::newRow("read a file") << "Read_CSV" << QString();
    }
    void questionsOfferToSaveFirst() {
        QFETCH(QString, command);
        QFETCH(QString, question);
        {
            // No unsaved changes: the question as it always was (none for reading).
            Window t;
            t.w->command(command)->trigger();
            QCOMPARE(t.msg.questions.size(), question.isEmpty() ? 0 : 1);
            if (!question.isEmpty()) QCOMPARE(t.msg.questions[0].text, question);
        }
        {
            // Cancel: nothing happens, the changes stay.
            Window t;
            t.edit("7");
            t.msg.saveChoices << SaveChoice::Cancel;
            t.w->command(command)->trigger();
            QCOMPARE(t.msg.questions.size(), 1);
            QCOMPARE(t.msg.questions[0].text,
                     question.isEmpty() ? kUnsaved : question + "\n" + kUnsaved);
            QCOMPARE(t.msg.dialogs.size(), 0);
            QCOMPARE(t.w->work().addGrid.text(1, 0), std::string("7"));
            QVERIFY(t.w->work().modified());
        }
        {
            // Save first: the tables are written to the chosen file, then the command goes on.
            Window t;
            t.edit("8");
            const QString out = t.dir.filePath("first.csv");
            t.msg.saveChoices << SaveChoice::Save;
            t.msg.paths << out;
            t.w->command(command)->trigger();
            QVERIFY(QFile::exists(out));
            QVERIFY(QFile(out).size() > 0);
            QVERIFY(!t.w->work().modified() || command == "All_Delete");
            if (command == "All_Delete") QCOMPARE(t.w->work().addGrid.rows(), 2);
            if (command == "Read_CSV") QCOMPARE(t.msg.dialogs.size(), 2);  // save, then open
        }
    }

    void recentFilesAreKeptAndAMissingOneIsTakenOff() {
        QTemporaryDir files;
        QStringList paths;
        for (int i = 0; i < 10; ++i) {
            paths << files.filePath(QStringLiteral("f%1.csv").arg(i));
            QVERIFY(QFile::copy(Fixture("rectangle-with-hole.csv"), paths.last()));
        }
        Window t;
        t.w->rememberGeometry();  // as the program: the settings are kept
        for (const QString& path : paths) QVERIFY(t.w->openCsvFile(path));
        QStringList expected;
        for (int i = 9; i >= 2; --i) expected << paths[i];
        QCOMPARE(RecentFiles::files(), expected);  // newest first, eight of them
        QVERIFY(t.w->openCsvFile(paths[5]));
        QCOMPARE(RecentFiles::files().front(), paths[5]);
        QCOMPARE(RecentFiles::files().size(), 8);

        QMenu* menu = t.w->findChild<QMenu*>(RecentFiles::kMenuName);
        QVERIFY(menu);
        emit menu->aboutToShow();
        QCOMPARE(menu->actions().size(), 8);
        QCOMPARE(menu->actions()[1]->data().toString(), paths[9]);
        QVERIFY(QFile::remove(paths[9]));
        menu->actions()[1]->trigger();
        QCOMPARE(t.msg.notices.size(), 1);
        QVERIFY(t.msg.notices[0].text.contains(paths[9]));
        QVERIFY(!RecentFiles::files().contains(paths[9]));
        QCOMPARE(t.w->work().dataFileName, paths[5]);  // the open file stays
        menu->actions()[2]->trigger();                 // f8
        QCOMPARE(t.w->work().dataFileName, paths[8]);
    }

    // A settings file with a far longer list (written by anything else) gives the menu only the
    // newest eight; the rest are never read into it.
    void longRecentListIsReadToTheCap() {
        QStringList many;
        for (int i = 0; i < 20000; ++i) many << QStringLiteral("/nowhere/file%1.csv").arg(i);
        QSettings().setValue(RecentFiles::kSettingsKey, many);
        QCOMPARE(RecentFiles::files(), many.mid(0, RecentFiles::kMaxFiles));
        Window t;
        QMenu* menu = t.w->findChild<QMenu*>(RecentFiles::kMenuName);
        QVERIFY(menu);
        emit menu->aboutToShow();
        QCOMPARE(menu->actions().size(), RecentFiles::kMaxFiles);
        QCOMPARE(menu->actions().first()->data().toString(), many.first());
    }

    void droppedFileOpensAsReadingDoes() {
        Window t;
        t.edit("4");
        t.msg.saveChoices << SaveChoice::Proceed;
        dropFile(*t.w, Fixture("two-added-one-subtracted.csv"));
        QCOMPARE(t.msg.questions.size(), 1);
        QCOMPARE(t.msg.questions[0].text, kUnsaved);
        QCOMPARE(t.w->work().dataFileName, Fixture("two-added-one-subtracted.csv"));
        QVERIFY(!t.w->work().modified());
        // Another kind of file is not taken.
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(t.dir.filePath("picture.png"))});
        QDragEnterEvent enter(QPoint(1, 1), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(t.w.get(), &enter);
        QVERIFY(!enter.isAccepted());
    }

    void printerOkWithoutSelection_data() {
        QTest::addColumn<QStringList>("printers");
        QTest::addColumn<QString>("defaultPrinter");
        QTest::addColumn<QString>("chosen");
        QTest::newRow("the default printer") << QStringList{"office", "lab"} << "lab"
                                             << "lab";
        QTest::newRow("no default printer")
            << QStringList{"office"} << QString() << QString(PrinterDialog::kPdfEntry);
        QTest::newRow("no printer")
            << QStringList{} << QString() << QString(PrinterDialog::kPdfEntry);
    }
    void printerOkWithoutSelection() {
        QFETCH(QStringList, printers);
        QFETCH(QString, defaultPrinter);
        QFETCH(QString, chosen);
        PrinterDialog dialog(printers, defaultPrinter);
        dialog.list()->clearSelection();
        dialog.findChild<QPushButton*>(QStringLiteral("Command1"))->click();
        QCOMPARE(dialog.chosen(), chosen);
    }

private:
    QTemporaryDir settings_;
};

QTEST_MAIN(TestFileHabits)
#include "test_file_habits.moc"

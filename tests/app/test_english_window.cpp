// The window with the English translation installed: the tabs switch and the results come out as
// in Japanese (nothing depends on a display text), the result table shows English items and heads
// while the files keep their Japanese markers, and the language menu keeps its choice.
#include <QAbstractItemView>
#include <QApplication>
#include <QMenu>
#include <QSettings>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "ScriptedMessenger.h"
#include "app/LanguageMenu.h"
#include "app/MainWindow.h"
#include "io/InterfaceLanguage.h"
#include "io/TextFile.h"

using namespace kuvanto;

class TestEnglishWindow : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void resultsAndFilesInEnglish();
    void languageMenuKeepsTheChoice();

private:
    QTemporaryDir settings_;
};

void TestEnglishWindow::initTestCase() {
    // Settings of their own, in a folder that goes with the test.
    QVERIFY(settings_.isValid());
    QCoreApplication::setOrganizationName(QStringLiteral("KuvantoTest"));
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings_.path());
    QVERIFY(InterfaceLanguage::install(Language::English));
}

void TestEnglishWindow::cleanupTestCase() {
    InterfaceLanguage::install(Language::Japanese);
}

void TestEnglishWindow::resultsAndFilesInEnglish() {
    QTemporaryDir dir;
    ScriptedMessenger msg;
    auto w = std::make_unique<MainWindow>(dir.path(), &msg);
    w->show();
    QVERIFY(w->openCsvFile(QStringLiteral(KUVANTO_FIXTURES "/two-added-one-subtracted.csv")));

    auto* tabs = w->findChild<QTabBar*>(QStringLiteral("TabStrip1"));
    QVERIFY(tabs);
    QCOMPARE(tabs->tabText(2), QStringLiteral("Section properties (results)"));
    w->selectTab(2);
    QCOMPARE(w->shownTab(), WindowTab::result);
    QVERIFY(w->work().resultGrid.visible());

    // The model shows English, the store keeps the Japanese texts the export writes.
    auto* view = w->findChild<QAbstractItemView*>(QStringLiteral("Result_Grid"));
    QVERIFY(view);
    const QAbstractItemModel* model = view->model();
    QCOMPARE(model->headerData(0, Qt::Horizontal).toString(), QStringLiteral("Item"));
    QCOMPARE(model->headerData(2, Qt::Horizontal).toString(), QStringLiteral("Added 1"));
    QCOMPARE(model->headerData(4, Qt::Horizontal).toString(), QStringLiteral("Subtracted 3"));
    QCOMPARE(model->headerData(5, Qt::Horizontal).toString(), QStringLiteral("Total"));
    QCOMPARE(model->index(0, 0).data().toString(), QStringLiteral("Area"));
    QCOMPARE(w->work().resultGrid.text(0, 5), std::string("総合"));

    // Files keep their Japanese markers in any language.
    const QString saved = dir.filePath(QStringLiteral("saved.csv"));
    QString error;
    QVERIFY2(w->work().writeCsv(saved, &error), qPrintable(error));
    const std::optional<std::string> text = readTextFile(saved, &error);
    QVERIFY2(text, qPrintable(error));
    for (const char* marker : {"<<加算>>", "<<減算>>", "<<図形区切り>>"})
        QVERIFY2(text->find(marker) != std::string::npos, marker);
}

void TestEnglishWindow::languageMenuKeepsTheChoice() {
    QTemporaryDir dir;
    ScriptedMessenger msg;
    auto w = std::make_unique<MainWindow>(dir.path(), &msg);
    QVERIFY(w->findChild<QMenu*>(LanguageMenu::kMenuName));

    // Choosing the language shown now needs no restart; the other one does, from the setting.
    QVERIFY(!LanguageMenu::choose(Language::English));
    QCOMPARE(InterfaceLanguage::saved(), std::optional(Language::English));
    QVERIFY(LanguageMenu::choose(Language::Japanese));
    QCOMPARE(InterfaceLanguage::choose(std::nullopt), Language::Japanese);
    QCOMPARE(InterfaceLanguage::choose(Language::English), Language::English);
}

QTEST_MAIN(TestEnglishWindow)
#include "test_english_window.moc"

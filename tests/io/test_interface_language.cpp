// The interface language: the --lang option taken out of the arguments, the system's language,
// and the English translation installed and taken away again.
#include <QCoreApplication>
#include <QTest>

#include "core/section/ResultTable.h"
#include "io/InterfaceLanguage.h"
#include "io/ResultTexts.h"

using namespace kuvanto;

Q_DECLARE_METATYPE(std::optional<kuvanto::Language>)

class TestInterfaceLanguage : public QObject {
    Q_OBJECT
private slots:
    void option_data();
    void option();
    void systemLanguage();
    void englishInstalled();
};

void TestInterfaceLanguage::option_data() {
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<std::optional<Language>>("language");
    QTest::addColumn<bool>("refused");
    QTest::addColumn<QStringList>("rest");
    const std::optional<Language> none;
    QTest::newRow("none") << QStringList{"a.csv"} << none << false << QStringList{"a.csv"};
    QTest::newRow("before the file")
        << QStringList{"--lang", "en", "a.csv"} << std::optional(Language::English) << false
        << QStringList{"a.csv"};
    QTest::newRow("joined, after the file")
        << QStringList{"a.csv", "--lang=JA"} << std::optional(Language::Japanese) << false
        << QStringList{"a.csv"};
    QTest::newRow("no code") << QStringList{"--lang"} << none << true << QStringList{};
    QTest::newRow("unknown code") << QStringList{"--lang", "fi"} << none << true << QStringList{};
    QTest::newRow("a file named so after --")
        << QStringList{"--", "--lang"} << none << false << QStringList{"--", "--lang"};
}

void TestInterfaceLanguage::option() {
    QFETCH(QStringList, args);
    QFETCH(std::optional<Language>, language);
    QFETCH(bool, refused);
    QFETCH(QStringList, rest);
    QString error;
    QCOMPARE(InterfaceLanguage::takeOption(args, &error), language);
    QCOMPARE(!error.isEmpty(), refused);
    if (!refused) QCOMPARE(args, rest);
}

void TestInterfaceLanguage::systemLanguage() {
    QCOMPARE(InterfaceLanguage::ofLocale(QStringLiteral("ja_JP")), Language::Japanese);
    QCOMPARE(InterfaceLanguage::ofLocale(QStringLiteral("de_DE")), Language::English);
    QCOMPARE(InterfaceLanguage::ofLocale(QStringLiteral("C")), Language::English);
    QCOMPARE(InterfaceLanguage::choose(Language::English), Language::English);
}

void TestInterfaceLanguage::englishInstalled() {
    ResultTable table;
    resetResultTable(table);
    table.setCols(5);
    table.setColumnKind(2, ColumnKind::Added, 1);
    table.setColumnKind(3, ColumnKind::Subtracted, 2);
    table.setColumnKind(4, ColumnKind::Combined);

    QVERIFY(InterfaceLanguage::install(Language::English));
    QCOMPARE(InterfaceLanguage::installed(), Language::English);
    const int area = resultRow(Property::Area);
    QCOMPARE(ResultTexts::cell(table, area, 0), QStringLiteral("Area"));
    QCOMPARE(ResultTexts::columnHead(table, 1), QStringLiteral("Symbol"));
    QCOMPARE(ResultTexts::columnHead(table, 3), QStringLiteral("Subtracted 2"));
    QCOMPARE(ResultTexts::columnHead(table, 4), QStringLiteral("Total"));

    // Back in Japanese the texts are the table's own.
    QVERIFY(InterfaceLanguage::install(Language::Japanese));
    QCOMPARE(ResultTexts::cell(table, area, 0), QStringLiteral("面積"));
    QCOMPARE(ResultTexts::columnHead(table, 2), QStringLiteral("加算1"));
    QCOMPARE(ResultTexts::columnHead(table, 4), QStringLiteral("総合"));
}

QTEST_GUILESS_MAIN(TestInterfaceLanguage)
#include "test_interface_language.moc"

// The Japanese font names of the windows resolve to installed Japanese families of the right
// pitch, and the default font writes Japanese.
#include <QApplication>
#include <QFontDatabase>
#include <QtTest>

#include "app/JapaneseFonts.h"

namespace {

// Japanese fixed-pitch fonts are dual-width: every Latin letter takes the same half width.
bool latinFixed(const QFont& font) {
    const QFontMetrics metrics(font);
    return metrics.horizontalAdvance(QLatin1Char('i')) ==
           metrics.horizontalAdvance(QLatin1Char('M'));
}

bool writesJapanese(const QString& family) {
    return QFontDatabase::writingSystems(family).contains(QFontDatabase::Japanese);
}

}  // namespace

class JapaneseFontsTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        if (QFontDatabase::families(QFontDatabase::Japanese).isEmpty()) {
            QSKIP("no Japanese font installed");
        }
        kuvanto::installJapaneseFonts();
    }

    void defaultFontWritesJapanese() {
        QVERIFY(writesJapanese(QFontInfo(QApplication::font()).family()));
        QVERIFY(!latinFixed(QApplication::font()));
    }

    void namesResolve_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("fixed");
        QTest::newRow("proportional gothic") << "ＭＳ Ｐゴシック" << false;
        QTest::newRow("fixed gothic") << "ＭＳ ゴシック" << true;
        QTest::newRow("proportional mincho") << "ＭＳ Ｐ明朝" << false;
        QTest::newRow("fixed mincho") << "ＭＳ 明朝" << true;
        QTest::newRow("ascii spelling of the fixed gothic") << "MS Gothic" << true;
    }
    void namesResolve() {
        QFETCH(QString, name);
        QFETCH(bool, fixed);
        // A plain QFont of the name, as a window would ask for it.
        const QFontInfo info(QFont(name, 9));
        QVERIFY2(writesJapanese(info.family()), qPrintable(info.family()));
        QCOMPARE(latinFixed(QFont(name, 9)), fixed);
        QCOMPARE(QFontInfo(kuvanto::japaneseFont(name, 9)).family(), info.family());
    }
};

QTEST_MAIN(JapaneseFontsTest)
#include "test_japanese_fonts.moc"

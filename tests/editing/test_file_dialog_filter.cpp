// Conversion of the commands' pipe-form file filters into the Qt file dialog's filter form.
#include <QtTest>

#include "editing/FileDialogFilter.h"

using kuvanto::FileDialogFilter;

class FileDialogFilterTest : public QObject {
    Q_OBJECT
private slots:
    void converts_data() {
        QTest::addColumn<QString>("pipe");
        QTest::addColumn<QString>("qt");
        QTest::newRow("pattern as its own description") << "*.csv|*.csv"
                                                        << "*.csv";
        QTest::newRow("text export filter") << "*.txt|*.txt"
                                            << "*.txt";
        QTest::newRow("description gets the patterns") << "座標データ|*.csv"
                                                       << "座標データ (*.csv)";
        QTest::newRow("description already naming its patterns") << "CSV (*.csv)|*.csv"
                                                                 << "CSV (*.csv)";
        QTest::newRow("several patterns and entries") << "Data|*.csv;*.txt|All|*.*"
                                                      << "Data (*.csv *.txt);;All (*.*)";
        QTest::newRow("pattern without description pair") << "*.csv"
                                                          << "*.csv";
        QTest::newRow("empty filter shows every file") << ""
                                                       << "";
    }
    void converts() {
        QFETCH(QString, pipe);
        QFETCH(QString, qt);
        QCOMPARE(FileDialogFilter::toQt(pipe), qt);
    }
};

QTEST_APPLESS_MAIN(FileDialogFilterTest)
#include "test_file_dialog_filter.moc"

// The program kuvanto: the main window over the per-user working folder. A coordinate file named
// on the command line is opened as the reading command opens one.
#include <QApplication>
#include <QByteArray>
#include <QMessageBox>

#include "app/HistoryCommands.h"
#include "app/JapaneseFonts.h"
#include "app/MainWindow.h"
#include "io/NativePath.h"
#include "io/ShippedLibrary.h"
#include "io/WorkFolder.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Kuvanto"));
    QApplication::setOrganizationName(QStringLiteral("Kuvanto"));
    kuvanto::installJapaneseFonts();

    // The shape library that ships with the program goes into a working folder without one.
    QString error;
    if (!kuvanto::ShippedLibrary::installInto(kuvanto::workFolder(), &error)) {
        QMessageBox::warning(
            nullptr, QStringLiteral("Kuvanto"),
            QStringLiteral("登録図形ライブラリをコピーできませんでした。\n") + error);
    }
    kuvanto::MainWindow window(kuvanto::workFolder());
    window.rememberGeometry();  // size and place of the last run, from the user's settings
    window.show();
    // After an abnormal end of the previous run: its tables back, if the user wants them.
    kuvanto::HistoryCommands::offerRecovery(window);
    // The name as the raw bytes of the argument (QApplication has taken its own options out of
    // argv), so that a name that is not valid UTF-8 opens too.
    if (argc > 1) window.openCsvFile(kuvanto::decodePath(QByteArray(argv[1])));
    return app.exec();
}

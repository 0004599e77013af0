// The program kuvanto: the main window over the per-user working folder. A coordinate file named
// on the command line is opened as the reading command opens one.
#include <QApplication>
#include <QStringList>

#include "app/JapaneseFonts.h"
#include "app/MainWindow.h"
#include "io/WorkFolder.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Kuvanto"));
    QApplication::setOrganizationName(QStringLiteral("Kuvanto"));
    kuvanto::installJapaneseFonts();

    kuvanto::MainWindow window(kuvanto::workFolder());
    window.rememberGeometry();  // size and place of the last run, from the user's settings
    window.show();
    const QStringList args = QApplication::arguments();
    if (args.size() > 1) window.openCsvFile(args.at(1));
    return app.exec();
}

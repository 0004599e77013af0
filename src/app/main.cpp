// The program kuvanto: the main window over the per-user working folder. A coordinate file named
// on the command line is opened as the reading command opens one.
#include <QApplication>
#include <QStringList>

#include "JapaneseFonts.h"
#include "MainForm.h"
#include "WorkFolder.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Kuvanto"));
    kuvanto::Install_Japanese_Fonts();

    kuvanto::MainForm window(kuvanto::Work_Folder());
    window.show();
    const QStringList args = QApplication::arguments();
    if (args.size() > 1) window.Open_Csv_File(args.at(1));
    return app.exec();
}

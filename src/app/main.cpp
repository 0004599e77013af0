// The program kuvanto: the main window over the per-user working folder. A coordinate file named
// on the command line is opened as the reading command opens one; --lang ja|en chooses the
// interface language for this run.
#include <QApplication>
#include <QByteArray>
#include <QCoreApplication>
#include <QMessageBox>
#include <cstdio>

#include "app/HistoryCommands.h"
#include "app/JapaneseFonts.h"
#include "app/MainWindow.h"
#include "editing/TerminationSignals.h"
#include "io/InterfaceLanguage.h"
#include "io/NativePath.h"
#include "io/ShippedLibrary.h"
#include "io/WorkFolder.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Kuvanto"));
    QApplication::setOrganizationName(QStringLiteral("Kuvanto"));

    // The arguments as the raw bytes of argv (QApplication has taken its own options out), so
    // that a file name that is not valid UTF-8 opens too.
    QStringList args;
    for (int i = 1; i < argc; ++i) args << kuvanto::decodePath(QByteArray(argv[i]));
    QString error;
    const std::optional<kuvanto::Language> option =
        kuvanto::InterfaceLanguage::takeOption(args, &error);
    if (!error.isEmpty()) {
        std::fprintf(stderr, "kuvanto: %s\n", error.toUtf8().constData());
        return 2;
    }
    if (!kuvanto::InterfaceLanguage::install(kuvanto::InterfaceLanguage::choose(option)))
        std::fprintf(stderr, "kuvanto: the English translation is missing; showing Japanese\n");
    kuvanto::installJapaneseFonts();

    // The shape library that ships with the program goes into a working folder without one.
    if (!kuvanto::ShippedLibrary::installInto(kuvanto::workFolder(), &error)) {
        QMessageBox::warning(
            nullptr, QStringLiteral("Kuvanto"),
            QCoreApplication::translate("main", "登録図形ライブラリをコピーできませんでした。\n") +
                error);
    }
    kuvanto::MainWindow window(kuvanto::workFolder());
    // A logout or shutdown asks the program to end: its work is left for the next start.
    kuvanto::TerminationSignals termination;
    QObject::connect(&termination, &kuvanto::TerminationSignals::requested, &window,
                     &kuvanto::MainWindow::endOnSignal);
    window.rememberGeometry();  // size and place of the last run, from the user's settings
    window.show();
    // After an abnormal end of the previous run: its tables back, if the user wants them.
    kuvanto::HistoryCommands::offerRecovery(window);
    if (args.value(0) == QLatin1String("--")) args.removeFirst();
    if (!args.isEmpty()) window.openStartFile(args.first());
    return app.exec();
}

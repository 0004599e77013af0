// A program for the recovery tests: starts a workspace on the folder given, applies the direct
// editing text given (a change with its snapshot), says "ready" and waits until its standard
// input ends, then ends normally. The test kills it with SIGKILL to stand for a crash. With a
// third argument "signals" it waits in its event loop instead and ends, as the program does, on
// SIGTERM, SIGHUP or SIGINT.
#include <QCoreApplication>
#include <cstdio>
#include <iostream>
#include <string>

#include "editing/TerminationSignals.h"
#include "editing/Workspace.h"

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    if (argc != 3 && argc != 4) return 2;
    kuvanto::Workspace work(QString::fromLocal8Bit(argv[1]));
    work.start();
    if (!work.applyDirectEdit(QString::fromUtf8(argv[2]))) return 1;
    if (argc == 4) {
        kuvanto::TerminationSignals termination;
        QObject::connect(&termination, &kuvanto::TerminationSignals::requested, &app, [&] {
            work.endForSignal();
            QCoreApplication::quit();
        });
        std::printf("ready %s\n", qPrintable(work.snapshotFolder()));
        std::fflush(stdout);
        return QCoreApplication::exec();
    }
    std::printf("ready %s\n", qPrintable(work.snapshotFolder()));
    std::fflush(stdout);
    std::string line;
    while (std::getline(std::cin, line)) {
    }
    return 0;
}

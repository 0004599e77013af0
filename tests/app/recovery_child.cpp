// A program for the recovery tests: starts a workspace on the folder given, applies the direct
// editing text given (a change with its snapshot), says "ready" and waits until its standard
// input ends, then ends normally. The test kills it with SIGKILL to stand for a crash.
#include <QCoreApplication>
#include <cstdio>
#include <iostream>
#include <string>

#include "editing/Workspace.h"

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    if (argc != 3) return 2;
    kuvanto::Workspace work(QString::fromLocal8Bit(argv[1]));
    work.start();
    if (!work.applyDirectEdit(QString::fromUtf8(argv[2]))) return 1;
    std::printf("ready %s\n", qPrintable(work.snapshotFolder()));
    std::fflush(stdout);
    std::string line;
    while (std::getline(std::cin, line)) {
    }
    return 0;
}

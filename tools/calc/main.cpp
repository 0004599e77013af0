// kuvanto-calc FILE: prints the section properties of a coordinate file (see --help).
#include <QCoreApplication>
#include <cstdio>

#include "CalcTool.h"

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QStringList args = QCoreApplication::arguments();
    args.removeFirst();

    QString error;
    const std::optional<kuvanto::CalcOptions> options = kuvanto::CalcTool::parseArgs(args, &error);
    if (!options) {
        std::fprintf(stderr, "kuvanto-calc: %s\nTry 'kuvanto-calc --help'.\n",
                     error.toUtf8().constData());
        return kuvanto::CalcTool::kExitUsage;
    }
    const int status = kuvanto::CalcTool::run(*options, stdout, stderr);
    std::fflush(stdout);
    std::fflush(stderr);
    return status;
}

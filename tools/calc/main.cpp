// kuvanto-calc FILE: prints the section properties of a coordinate file (see --help).
#include <QByteArray>
#include <QCoreApplication>
#include <QStringList>
#include <cstdio>

#include "CalcTool.h"
#include "io/InterfaceLanguage.h"
#include "io/NativePath.h"

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    // Arguments from their raw bytes, so that a file name that is not valid UTF-8 opens too.
    QStringList args;
    for (int i = 1; i < argc; ++i) args << kuvanto::decodePath(QByteArray(argv[i]));

    QString error;
    const std::optional<kuvanto::CalcOptions> options = kuvanto::CalcTool::parseArgs(args, &error);
    if (!options) {
        std::fprintf(stderr, "kuvanto-calc: %s\nTry 'kuvanto-calc --help'.\n",
                     error.toUtf8().constData());
        return kuvanto::CalcTool::kExitUsage;
    }
    if (!kuvanto::InterfaceLanguage::install(options->language)) {
        std::fprintf(stderr, "kuvanto-calc: the English translation is missing\n");
        return kuvanto::CalcTool::kExitUsage;
    }
    const int status = kuvanto::CalcTool::run(*options, stdout, stderr);
    std::fflush(stdout);
    std::fflush(stderr);
    return status;
}

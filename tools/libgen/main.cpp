// kuvanto-libgen [TABLES [LIBRARY]]: builds the shipped shape library from its dimension tables
// (default: library/tables and library of the current folder).
#include <QCoreApplication>
#include <cstdio>

#include "LibraryGenerator.h"

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.contains(QStringLiteral("--help")) || args.size() > 3) {
        std::fputs(
            "Usage: kuvanto-libgen [TABLES [LIBRARY]]\n"
            "Writes LIBRARY/pre.ini and LIBRARY/data/*.csv from the dimension tables in\n"
            "TABLES (defaults: library/tables and library).\n",
            stdout);
        return args.contains(QStringLiteral("--help")) ? 0 : 2;
    }
    const QString tables = args.value(1, QStringLiteral("library/tables"));
    const QString library = args.value(2, QStringLiteral("library"));
    QString error;
    const auto files = kuvanto::LibraryGenerator::generate(tables, &error);
    if (files.empty() || !kuvanto::LibraryGenerator::write(files, library, &error)) {
        std::fprintf(stderr, "kuvanto-libgen: %s\n", error.toUtf8().constData());
        return 1;
    }
    std::printf("kuvanto-libgen: %zu files written to %s\n", files.size(),
                library.toUtf8().constData());
    return 0;
}

// kuvanto-shot OUT.png [--tab 1|2|3] [--dialog NAME] [FILE]: starts the main window on the
// offscreen platform with a fresh working folder, reads FILE as the reading command does, selects
// the tab (the result tab runs the calculation) and saves a grab of the window, or with --dialog
// of the named dialog opened over it (--dialog list names them). Messages that would need a
// person go to standard error instead.
#include <QApplication>
#include <QDialog>
#include <QStringList>
#include <QTemporaryDir>
#include <cstdio>
#include <memory>

#include "DialogRegistry.h"
#include "app/JapaneseFonts.h"
#include "app/MainWindow.h"
#include "editing/Messenger.h"

namespace {

// Answers like a user who reads every notice and declines every question.
class ConsoleMessenger : public kuvanto::Messenger {
public:
    void notice(const QString& text, const QString& title) override {
        std::fprintf(stderr, "%s: %s\n", qPrintable(title), qPrintable(text));
    }
    bool confirm(const QString& text, const QString& title) override {
        std::fprintf(stderr, "%s: %s (No)\n", qPrintable(title), qPrintable(text));
        return false;
    }
    QString chooseOpenFile(const QString&, const QString&, const QString&) override { return {}; }
    QString chooseSaveFile(const QString&, const QString&, const QString&,
                           const QString&) override {
        return {};
    }
};

int Usage() {
    std::fprintf(stderr, "usage: kuvanto-shot OUT.png [--tab 1|2|3] [--dialog NAME|list] [FILE]\n");
    return 2;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Kuvanto"));

    QStringList args = QApplication::arguments();
    args.removeFirst();
    if (args.isEmpty()) return Usage();
    const QString out = args.takeFirst();
    int tab = 1;
    QString file;
    QString dialogName;
    while (!args.isEmpty()) {
        const QString arg = args.takeFirst();
        if (arg == QLatin1String("--tab")) {
            if (args.isEmpty()) return Usage();
            bool ok = false;
            tab = args.takeFirst().toInt(&ok);
            if (!ok || tab < 1 || tab > 3) return Usage();
        } else if (arg == QLatin1String("--dialog")) {
            if (args.isEmpty()) return Usage();
            dialogName = args.takeFirst();
        } else if (file.isEmpty()) {
            file = arg;
        } else {
            return Usage();
        }
    }

    kuvanto::installJapaneseFonts();
    QTemporaryDir folder;
    if (!folder.isValid()) {
        std::fprintf(stderr, "kuvanto-shot: no temporary folder: %s\n",
                     qPrintable(folder.errorString()));
        return 1;
    }
    ConsoleMessenger messenger;
    kuvanto::MainWindow window(folder.path(), &messenger);
    window.show();
    if (!file.isEmpty() && !window.openCsvFile(file)) return 1;
    window.selectTab(tab - 1);
    QApplication::processEvents();
    QWidget* shot = &window;
    std::unique_ptr<QDialog> dialog;
    if (!dialogName.isEmpty()) {
        kuvanto::DialogRegistry registry;
        kuvanto::registerShapeDialogs(registry);
        if (dialogName == QLatin1String("list")) {
            std::printf("%s\n", qPrintable(registry.names().join('\n')));
            return 0;
        }
        dialog.reset(registry.create(dialogName, {&window, window.work(), messenger}));
        if (!dialog) {
            std::fprintf(stderr, "kuvanto-shot: no dialog %s; known: %s\n", qPrintable(dialogName),
                         qPrintable(registry.names().join(' ')));
            return 2;
        }
        dialog->show();
        QApplication::processEvents();
        shot = dialog.get();
    }
    if (!shot->grab().save(out)) {
        std::fprintf(stderr, "kuvanto-shot: cannot write %s\n", qPrintable(out));
        return 1;
    }
    return 0;
}

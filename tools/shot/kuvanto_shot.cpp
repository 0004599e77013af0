// kuvanto-shot OUT.png [--tab 1|2|3] [--rows A-B] [--dialog NAME] [FILE]: starts the main window
// on the offscreen platform with a fresh working folder, reads FILE as the reading command does,
// selects the tab (the result tab runs the calculation) and rows A to B of the shown coordinate
// table, and saves a grab of the window; with --dialog, the named dialog is drawn over the window
// with its caption (--dialog list names them), in the middle or, with --dialog-left, at the
// bottom left where it leaves the canvas in sight. Messages that would need a person go to standard
// error instead.
// kuvanto-shot OUT.png --library PART: the insertion dialog of the shipped shape library with PART
// chosen and its centroid picked as the base point.
// kuvanto-shot SHEET.pdf --print FILE: reads FILE, calculates, and writes the printed sheet of
// the section into a PDF file, as printing to "PDFファイル" does, without a dialog.
// kuvanto-shot OUT.txt --export FILE: the same, writing the result export instead.
// --lang ja|en, with any of these, chooses the interface language (Japanese when not given).
// --stress ACTIONS (for example N=1e5,Mx=2e7) shows the result tab with the loads panel holding
// that one case and its stress picture; --component KEY (sigma_zz, sigma_vm, ...) chooses the
// component shown; --arrows adds the arrows of the shear stress. The shot waits for the torsion
// analysis and the stresses that follow it.
// With --print or --export, --stress ACTIONS adds the sheet's stress page (of --component) or the
// export's stress block for that one case, after the torsion block it implies.
// --torsion adds the torsion and shear block to the sheet and the export, and shows a figure tab
// after the result tab has computed it (the canvas then marks the shear centre).
// Output files are written through the program's safe writer under exactly the names given (a
// read-only file is refused). Exit status 0 on success, 1 when the picture or sheet could not be
// made or written, 2 for a usage error or a FILE that cannot be read.
#include <QApplication>
#include <QBuffer>
#include <QComboBox>
#include <QDialog>
#include <QListWidget>
#include <QPainter>
#include <QStringList>
#include <QTabWidget>
#include <QTemporaryDir>
#include <cstdio>
#include <memory>
#include <optional>

#include "DialogRegistry.h"
#include "app/JapaneseFonts.h"
#include "app/MainWindow.h"
#include "app/PrintSheet.h"
#include "app/StressPanel.h"
#include "app/TorsionPanel.h"
#include "app/WindowEditing.h"
#include "canvas/StressView.h"
#include "core/stress/LoadCase.h"
#include "editing/CoordTableEditor.h"
#include "editing/Messenger.h"
#include "editing/Workspace.h"
#include "io/InterfaceLanguage.h"
#include "io/NativePath.h"
#include "io/SafeWrite.h"
#include "io/ShippedLibrary.h"
#include "io/StressExport.h"
#include "shapes/ShapeInsertDialog.h"
#include "shapes/ShapeLibrary.h"

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

int usage() {
    std::fprintf(
        stderr,
        "usage: kuvanto-shot OUT.png [--lang ja|en] [--tab 1|2|3] [--torsion] [--rows A-B] "
        "[--dialog NAME|list [--dialog-left]] [FILE]\n"
        "       kuvanto-shot OUT.png [--lang ja|en] --stress ACTIONS [--component KEY] [--arrows]\n"
        "                    FILE\n"
        "       kuvanto-shot OUT.png --library PART\n"
        "       kuvanto-shot SHEET.pdf --print [--torsion] [--stress ACTIONS [--component KEY]]\n"
        "                    FILE\n"
        "       kuvanto-shot OUT.txt --export [--torsion] [--stress ACTIONS] FILE\n");
    return 2;
}

// Writes the picture as a PNG through the program's safe writer: a read-only file is refused,
// a long or non-UTF-8 name is written as given, a failed write leaves the old file whole.
int savePicture(const QPixmap& picture, const QString& out) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QString error;
    if (!picture.save(&buffer, "PNG")) {
        error = QStringLiteral("cannot make the picture");
    } else if (kuvanto::writeFileSafely(out, std::string_view(bytes.constData(), bytes.size()),
                                        &error)) {
        return 0;
    }
    std::fprintf(stderr, "kuvanto-shot: %s\n", qPrintable(error));
    return 1;
}

enum class FileOutput { Sheet, Export };

// Reads the file into a workspace, calculates and writes the sheet with both marks shown (the
// window's switches start checked) or the result export.
int writeOutput(const QString& folder, const QString& file, const QString& out, FileOutput what,
                bool torsion, const std::optional<kuvanto::LoadCase>& loads,
                kuvanto::StressComponent component) {
    kuvanto::Workspace workspace(folder);
    QString error;
    if (!workspace.start(&error)) {
        std::fprintf(stderr, "kuvanto-shot: %s\n", qPrintable(error));
        return 1;
    }
    const auto onSkip = [](const QString& message) {
        std::fprintf(stderr, "%s\n", qPrintable(message.simplified()));
    };
    if (!workspace.readCsv(file, onSkip, &error)) {
        std::fprintf(stderr, "kuvanto-shot: %s\n", qPrintable(error));
        return 2;  // a file that cannot be read, as for the window
    }
    workspace.dataFileName = file;
    if (!workspace.runCalculation())
        std::fprintf(stderr, "kuvanto-shot: the calculation failed; the sheet shows no values\n");
    std::shared_ptr<const kuvanto::TorsionResult> solved;
    if (workspace.hasResults() && (torsion || loads)) {  // as the result tab would compute it
        kuvanto::TorsionOptions options;
        options.poissonRatio = kuvanto::TorsionPanel::savedPoissonRatio();
        const kuvanto::TorsionOutcome outcome = workspace.runTorsion(options);
        if (outcome.status == kuvanto::TorsionStatus::Ok)
            solved = std::make_shared<const kuvanto::TorsionResult>(outcome.result);
    }
    // With --stress, the loads panel's page and block for that one case.
    std::shared_ptr<const kuvanto::StressCases> stresses;
    if (loads)
        stresses = std::make_shared<const kuvanto::StressCases>(
            kuvanto::StressCases::compute(workspace.addGrid, workspace.subtractedGrid,
                                          workspace.materials, {*loads}, solved, nullptr));
    kuvanto::PrintSheet sheet(workspace, true, true);
    if (stresses) sheet.setStressPage(kuvanto::StressSheetPage(stresses, 0, component));
    const bool written =
        what == FileOutput::Sheet
            ? sheet.writePdf(out, &error)
            : workspace.exportResult(
                  out, stresses ? kuvanto::StressExport::text(*stresses, 0) : std::string(),
                  &error);
    if (!written) {
        std::fprintf(stderr, "kuvanto-shot: %s\n", qPrintable(error));
        return 1;
    }
    return 0;
}

// The insertion dialog with the part chosen in its category and its centroid picked.
int libraryDialog(const QString& folder, const QString& part, const QString& out) {
    QString error;
    kuvanto::Workspace workspace(folder);
    if (!workspace.start(&error) || !kuvanto::ShippedLibrary::installInto(folder, &error)) {
        std::fprintf(stderr, "kuvanto-shot: %s\n", qPrintable(error));
        return 1;
    }
    const kuvanto::ShapeLibrary library(folder);
    ConsoleMessenger messenger;
    kuvanto::ShapeInsertDialog dialog(workspace, workspace.addGrid, library, messenger);
    dialog.show();
    for (int c = 0; c < dialog.categoryList()->count(); ++c) {
        dialog.categoryList()->setCurrentIndex(c);
        const auto found = dialog.partList()->findItems(part, Qt::MatchExactly);
        if (found.isEmpty()) continue;
        dialog.partList()->setCurrentItem(found.front());
        kuvanto::LibraryPart read;
        if (kuvanto::ShapeLibrary::readPart(dialog.dataPath(), dialog.partList()->currentRow(),
                                            read))
            dialog.pickAt(read.basePoints[read.basePoints.size() / 2]);
        QApplication::processEvents();
        return savePicture(dialog.grab(), out);
    }
    std::fprintf(stderr, "kuvanto-shot: no part %s in the library\n", qPrintable(part));
    return 1;
}

// The dialog's picture with a plain caption bar, as a window manager would frame it.
QPixmap framedDialog(QDialog& dialog) {
    const QPixmap body = dialog.grab();
    const int bar = dialog.fontMetrics().height() + 10;
    QPixmap framed(body.width() + 2, body.height() + bar + 1);
    framed.fill(QColor(90, 110, 150));
    QPainter painter(&framed);
    painter.setPen(Qt::white);
    painter.drawText(QRect(8, 0, framed.width() - 16, bar), Qt::AlignVCenter | Qt::AlignLeft,
                     dialog.windowTitle());
    painter.drawPixmap(1, bar, body);
    return framed;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Kuvanto"));

    // Arguments from their raw bytes (QApplication::arguments() would turn a name that is not
    // UTF-8 into another one), so that input and output names are exactly the ones given.
    QStringList args;
    for (int i = 1; i < argc; ++i) args << kuvanto::decodePath(QByteArray(argv[i]));
    // An output name that looks like an option is a slip ("--help"): it would be written over.
    if (args.isEmpty() || args.first().startsWith(QLatin1Char('-'))) return usage();
    const QString out = args.takeFirst();
    int tab = 1;
    QString file;
    QString dialogName;
    bool dialogAtLeft = false;
    std::optional<FileOutput> fileOutput;
    QString part;
    int firstRow = 0, lastRow = 0;
    // The interface language: Japanese unless --lang says otherwise, whatever the system's, so
    // that shots do not depend on the machine.
    QString languageError;
    const std::optional<kuvanto::Language> language =
        kuvanto::InterfaceLanguage::takeOption(args, &languageError);
    if (!languageError.isEmpty()) return usage();
    if (!kuvanto::InterfaceLanguage::install(language.value_or(kuvanto::Language::Japanese))) {
        std::fprintf(stderr, "kuvanto-shot: the English translation is missing\n");
        return 1;
    }
    bool torsion = false;
    std::optional<kuvanto::LoadCase> loads;
    bool arrows = false;
    kuvanto::StressComponent component = kuvanto::StressComponent::NormalZ;
    while (!args.isEmpty()) {
        const QString arg = args.takeFirst();
        if (arg == QLatin1String("--print")) {
            fileOutput = FileOutput::Sheet;
        } else if (arg == QLatin1String("--export")) {
            fileOutput = FileOutput::Export;
        } else if (arg == QLatin1String("--library")) {
            if (args.isEmpty()) return usage();
            part = args.takeFirst();
        } else if (arg == QLatin1String("--torsion")) {
            torsion = true;
        } else if (arg == QLatin1String("--stress")) {
            if (args.isEmpty()) return usage();
            loads.emplace();
            loads->name = "1";
            if (!kuvanto::parseLoadActions(args.takeFirst().toStdString(), *loads, nullptr))
                return usage();
            tab = 3;
        } else if (arg == QLatin1String("--arrows")) {
            arrows = true;
        } else if (arg == QLatin1String("--component")) {
            if (args.isEmpty()) return usage();
            const QString key = args.takeFirst();
            bool known = false;
            for (const kuvanto::StressComponentEntry& entry : kuvanto::kStressComponents)
                if (key ==
                    QLatin1String(entry.key.data(), static_cast<qsizetype>(entry.key.size()))) {
                    component = entry.component;
                    known = true;
                }
            if (!known) return usage();
        } else if (arg == QLatin1String("--tab")) {
            if (args.isEmpty()) return usage();
            bool ok = false;
            tab = args.takeFirst().toInt(&ok);
            if (!ok || tab < 1 || tab > 3) return usage();
        } else if (arg == QLatin1String("--dialog-left")) {
            dialogAtLeft = true;
        } else if (arg == QLatin1String("--dialog")) {
            if (args.isEmpty()) return usage();
            dialogName = args.takeFirst();
        } else if (arg == QLatin1String("--rows")) {
            if (args.isEmpty()) return usage();
            const QStringList range = args.takeFirst().split(QLatin1Char('-'));
            bool okFirst = false, okLast = false;
            firstRow = range.value(0).toInt(&okFirst);
            lastRow = range.value(1).toInt(&okLast);
            if (range.size() != 2 || !okFirst || !okLast || firstRow < 1 || lastRow < 1)
                return usage();
        } else if (file.isEmpty()) {
            file = arg;
        } else {
            return usage();
        }
    }

    kuvanto::installJapaneseFonts();
    QTemporaryDir folder;
    if (!folder.isValid()) {
        std::fprintf(stderr, "kuvanto-shot: no temporary folder: %s\n",
                     qPrintable(folder.errorString()));
        return 1;
    }
    if (fileOutput)
        return file.isEmpty()
                   ? usage()
                   : writeOutput(folder.path(), file, out, *fileOutput, torsion, loads, component);
    if (!part.isEmpty()) return libraryDialog(folder.path(), part, out);
    ConsoleMessenger messenger;
    kuvanto::MainWindow window(folder.path(), &messenger);
    window.show();
    // A drawing is for the DXF import dialog, not for the tables.
    const bool drawing = file.endsWith(QLatin1String(".dxf"), Qt::CaseInsensitive);
    if (!file.isEmpty() && !drawing && !window.openCsvFile(file)) return 2;
    // The torsion block is computed on a worker after the result tab's calculation: the shot
    // waits for it, on the result tab and, with --torsion, before showing a figure tab with the
    // shear centre marked.
    constexpr int kTorsionWait = 600000;
    if (torsion && tab != 3) {
        window.selectTab(2);
        window.torsionPanel()->waitForResults(kTorsionWait);
    }
    window.selectTab(tab - 1);
    if (tab == 3) window.torsionPanel()->waitForResults(kTorsionWait);
    if (loads) {
        // The loads panel in front of the drawing, with the one case.
        auto* views = window.findChild<QTabWidget*>(QStringLiteral("Result_Views"));
        auto* panel = window.findChild<kuvanto::StressPanel*>();
        if (!views || !panel) return 1;
        views->setCurrentWidget(panel);
        panel->setCases({*loads});
        panel->showComponent(component);
        panel->refresh();
        panel->waitForStresses(kTorsionWait);
        if (arrows) panel->view()->setArrows(true);
    }
    kuvanto::CoordTable& grid = tab == 2 ? window.work().subtractedGrid : window.work().addGrid;
    if (firstRow > 0) {
        grid.setRow(std::min(firstRow, grid.rows() - 1));
        grid.setCol(0);
        grid.setRowSel(lastRow);
        grid.setColSel(1);
        kuvanto::WindowEditing& editing = window.editing();
        (tab == 2 ? editing.subtractedEditor() : editing.addEditor()).showGridSelection();
    }
    QApplication::processEvents();
    QPixmap shot = window.grab();
    std::unique_ptr<QDialog> dialog;
    if (!dialogName.isEmpty()) {
        kuvanto::DialogRegistry registry;
        kuvanto::registerShapeDialogs(registry);
        kuvanto::registerEditingDialogs(registry, grid);
        kuvanto::registerDrawingDialogs(registry, drawing ? file : QString());
        kuvanto::registerMaterialDialogs(registry);
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
        const QPixmap framed = framedDialog(*dialog);
        QPainter painter(&shot);
        // At the bottom left the dialog leaves the canvas and its legend in sight.
        const int margin = 12;
        if (dialogAtLeft)
            painter.drawPixmap(margin, shot.height() - framed.height() - margin, framed);
        else
            painter.drawPixmap((shot.width() - framed.width()) / 2,
                               (shot.height() - framed.height()) / 2, framed);
    }
    return savePicture(shot, out);
}

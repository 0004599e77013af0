// DXF reading and writing from the main window. The drawing is read and first outlined on a
// worker thread; the window keeps painting and the user may cancel, which leaves the worker to
// finish on its own and drops what it read.
#include "app/DxfCommands.h"

#include <QApplication>
#include <QFileInfo>
#include <QProgressDialog>
#include <QThread>
#include <atomic>
#include <memory>
#include <thread>

#include "app/MainWindow.h"
#include "core/section/Calculation.h"
#include "editing/DrawingImport.h"
#include "editing/Messenger.h"
#include "io/DxfReader.h"
#include "io/DxfWriter.h"
#include "shapes/DxfImportDialog.h"

namespace kuvanto {

namespace {

struct ReadJob {
    std::atomic<bool> done{false};
    bool ok = false;
    CadDrawing drawing;
    QString error;
};

}  // namespace

void DxfCommands::install(MainWindow& window) {
    MainWindow* w = &window;
    window.setCommandHandler(CommandId::readDxf, [w] { importDrawing(*w); });
    window.setCommandHandler(CommandId::writeDxf, [w] { exportDrawing(*w); });
}

void DxfCommands::importDrawing(MainWindow& window) {
    Messenger& messenger = window.msg();
    const QString path =
        messenger.chooseOpenFile(QObject::tr("DXFファイルを選択して下さい。"),
                                 QStringLiteral("*.dxf|*.dxf;*.DXF"), window.fileFolder());
    if (path.isEmpty()) return;

    auto job = std::make_shared<ReadJob>();
    std::thread([job, path] {
        job->ok = DxfReader::readFile(path, job->drawing, &job->error);
        job->done = true;
    }).detach();
    QProgressDialog progress(QObject::tr("DXFファイルを読み込んでいます..."),
                             QObject::tr("キャンセル"), 0, 0, &window);
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(400);
    while (!job->done) {
        QApplication::processEvents(QEventLoop::AllEvents, 30);
        if (progress.wasCanceled()) return;
        QThread::msleep(10);
    }
    progress.close();
    if (!job->ok) {
        messenger.notice(job->error);
        return;
    }
    DxfImportDialog dialog(DrawingImport(std::move(job->drawing)), path, window.work(), messenger,
                           &window);
    if (dialog.exec() != QDialog::Accepted) return;
    window.refreshViews();
    window.recomputeShownResults();
}

void DxfCommands::exportDrawing(MainWindow& window) {
    Messenger& messenger = window.msg();
    QString path =
        messenger.chooseSaveFile(QObject::tr("DXFファイル名を指定して下さい。"),
                                 QStringLiteral("*.dxf|*.dxf"), window.fileFolder(), QString());
    if (path.isEmpty()) return;
    if (!path.endsWith(QLatin1String(".dxf"), Qt::CaseInsensitive)) path += QLatin1String(".dxf");
    Workspace& work = window.work();
    ResultTable result;
    resetResultTable(result);
    const bool withResult =
        messenger.confirm(QObject::tr("計算結果を図面の横に文字で書き添えますか？")) &&
        runCalculation(work.addGrid, work.subtractedGrid, result);
    QString error;
    if (!DxfWriter::write(path, work.addGrid, work.subtractedGrid, withResult ? &result : nullptr,
                          &error))
        messenger.notice(error);
}

}  // namespace kuvanto

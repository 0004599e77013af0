// The torsion analysis on a worker thread: each start gets a thread and a cancel flag of its own;
// progress and the outcome come back to the interface thread as queued calls, and only those of
// the latest job of a worker still there are passed on. A thread owns everything it uses, so it
// may outlive the worker that started it.
#include "app/TorsionWorker.h"

#include <QCoreApplication>
#include <QPointer>
#include <QThread>

namespace kuvanto {

TorsionWorker::TorsionWorker(QObject* parent) : QObject(parent) {
    qRegisterMetaType<kuvanto::TorsionOutcome>("kuvanto::TorsionOutcome");
}

TorsionWorker::~TorsionWorker() {
    // The thread is told to stop and left to end on its own: closing the window never waits for
    // an analysis. It reports through a guard that is empty by then.
    cancel();
}

void TorsionWorker::start(std::vector<SectionFigure> figures, TorsionOptions options) {
    cancel();
    auto cancelled = std::make_shared<std::atomic<bool>>(false);
    cancelled_ = cancelled;
    const quint64 job = ++job_;
    running_ = true;
    // Made here, on the interface thread, and read only there (in the queued calls).
    const QPointer<TorsionWorker> guard(this);
    QThread* thread = QThread::create([guard, job, cancelled, options = std::move(options),
                                       figures = std::move(figures)]() mutable {
        QCoreApplication* application = QCoreApplication::instance();
        options.cancelled = [cancelled] { return cancelled->load(); };
        options.progress = [guard, job, cancelled, application](int percent) {
            if (cancelled->load() || !application) return;
            QMetaObject::invokeMethod(
                application,
                [guard, job, percent] {
                    if (guard && job == guard->job_ && guard->running_)
                        emit guard->progressed(percent);
                },
                Qt::QueuedConnection);
        };
        const TorsionOutcome outcome = TorsionAnalysis::run(figures, options);
        if (cancelled->load() || !application) return;
        QMetaObject::invokeMethod(
            application,
            [guard, job, outcome] {
                if (guard) guard->finish(job, outcome);
            },
            Qt::QueuedConnection);
    });
    connect(thread, &QThread::finished, thread, &QObject::deleteLater);
    thread->start(QThread::LowPriority);
}

void TorsionWorker::cancel() {
    if (cancelled_) cancelled_->store(true);
    cancelled_.reset();
    running_ = false;
}

void TorsionWorker::finish(quint64 job, const TorsionOutcome& outcome) {
    if (job != job_ || !running_) return;  // replaced or cancelled meanwhile
    running_ = false;
    cancelled_.reset();
    emit finished(outcome);
}

}  // namespace kuvanto

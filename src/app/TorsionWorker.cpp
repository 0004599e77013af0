// The torsion analysis on a worker thread: each start gets a thread and a cancel flag of its own;
// progress and the outcome come back to the interface thread as queued calls, and only those of
// the latest job of a worker still there are passed on. A thread owns everything it uses, so it
// may outlive the worker that started it.
#include "app/TorsionWorker.h"

#include <QCoreApplication>

#include "editing/BackgroundPriority.h"

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
    running_ = true;
    Job job{++job_, std::move(options), std::move(figures), std::move(cancelled)};
    if (thread_) {
        waiting_ = std::move(job);  // replaces a job that was waiting too
        return;
    }
    launch(std::move(job));
}

void TorsionWorker::threadEnded() {
    thread_.clear();
    if (!waiting_) return;
    Job job = std::move(*waiting_);
    waiting_.reset();
    if (!job.cancelled->load()) launch(std::move(job));
}

void TorsionWorker::launch(Job job) {
    // Made here, on the interface thread, and read only there (in the queued calls).
    const QPointer<TorsionWorker> guard(this);
    QThread* thread = QThread::create([guard, job = std::move(job)]() mutable {
        lowerThreadPriority();
        QCoreApplication* application = QCoreApplication::instance();
        const quint64 id = job.id;
        const auto cancelled = job.cancelled;
        TorsionOptions& options = job.options;
        options.cancelled = [cancelled] { return cancelled->load(); };
        options.progress = [guard, id, cancelled, application](int percent) {
            if (cancelled->load() || !application) return;
            QMetaObject::invokeMethod(
                application,
                [guard, id, percent] {
                    if (guard && id == guard->job_ && guard->running_)
                        emit guard->progressed(percent);
                },
                Qt::QueuedConnection);
        };
        const TorsionOutcome outcome = TorsionAnalysis::run(job.figures, options);
        if (cancelled->load() || !application) return;
        QMetaObject::invokeMethod(
            application,
            [guard, id, outcome] {
                if (guard) guard->finish(id, outcome);
            },
            Qt::QueuedConnection);
    });
    thread_ = thread;
    connect(thread, &QThread::finished, this, &TorsionWorker::threadEnded);
    connect(thread, &QThread::finished, thread, &QObject::deleteLater);
    thread->start(QThread::LowPriority);
}

void TorsionWorker::cancel() {
    if (cancelled_) cancelled_->store(true);
    cancelled_.reset();
    waiting_.reset();
    running_ = false;
}

void TorsionWorker::finish(quint64 job, const TorsionOutcome& outcome) {
    if (job != job_ || !running_) return;  // replaced or cancelled meanwhile
    running_ = false;
    cancelled_.reset();
    emit finished(outcome);
}

}  // namespace kuvanto

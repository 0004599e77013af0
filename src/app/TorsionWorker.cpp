// The torsion analysis on a worker thread: each start gets a thread and a cancel flag of its own;
// progress and the outcome come back to the interface thread as queued calls, and only those of
// the latest job are passed on.
#include "app/TorsionWorker.h"

#include <QThread>

namespace kuvanto {

TorsionWorker::TorsionWorker(QObject* parent) : QObject(parent) {
    qRegisterMetaType<kuvanto::TorsionOutcome>("kuvanto::TorsionOutcome");
}

TorsionWorker::~TorsionWorker() {
    cancel();
    // The threads call back into this object: none may outlive it.
    for (QThread* thread : findChildren<QThread*>(Qt::FindDirectChildrenOnly)) thread->wait();
}

void TorsionWorker::start(std::vector<SectionFigure> figures, double nu) {
    cancel();
    auto cancelled = std::make_shared<std::atomic<bool>>(false);
    cancelled_ = cancelled;
    const quint64 job = ++job_;
    running_ = true;
    QThread* thread = QThread::create([this, job, cancelled, nu, figures = std::move(figures)] {
        TorsionOptions options;
        options.poissonRatio = nu;
        options.cancelled = [cancelled] { return cancelled->load(); };
        options.progress = [this, job, cancelled](int percent) {
            if (cancelled->load()) return;
            QMetaObject::invokeMethod(
                this,
                [this, job, percent] {
                    if (job == job_ && running_) emit progressed(percent);
                },
                Qt::QueuedConnection);
        };
        const TorsionOutcome outcome = TorsionAnalysis::run(figures, options);
        if (cancelled->load()) return;
        QMetaObject::invokeMethod(
            this, [this, job, outcome] { finish(job, outcome); }, Qt::QueuedConnection);
    });
    thread->setParent(this);
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

// The stresses on a worker thread: each start gets a thread and a cancel flag of its own, the
// results come back to the interface thread as a queued call and are passed on only when they
// are the latest job's. A thread owns everything it uses, so it may outlive the worker.
#include "app/StressWorker.h"

#include <QCoreApplication>
#include <QPointer>
#include <QThread>

namespace kuvanto {

StressWorker::StressWorker(QObject* parent) : QObject(parent) {
    qRegisterMetaType<std::shared_ptr<const kuvanto::StressCases>>(
        "std::shared_ptr<const kuvanto::StressCases>");
}

StressWorker::~StressWorker() {
    cancel();
}

void StressWorker::start(StressJob job) {
    cancel();
    auto cancelled = std::make_shared<std::atomic<bool>>(false);
    cancelled_ = cancelled;
    const quint64 number = ++job_;
    running_ = true;
    const QPointer<StressWorker> guard(this);
    QThread* thread = QThread::create([guard, number, cancelled, job = std::move(job)] {
        QCoreApplication* application = QCoreApplication::instance();
        auto results = std::make_shared<const StressCases>(
            StressCases::compute(job.added, job.subtracted, job.materials, job.cases, job.torsion,
                                 job.shear, [cancelled] { return cancelled->load(); }));
        if (cancelled->load() || !application) return;
        QMetaObject::invokeMethod(
            application,
            [guard, number, results] {
                if (!guard || number != guard->job_ || !guard->running_) return;
                guard->running_ = false;
                guard->cancelled_.reset();
                emit guard->finished(results);
            },
            Qt::QueuedConnection);
    });
    connect(thread, &QThread::finished, thread, &QObject::deleteLater);
    thread->start();
}

void StressWorker::cancel() {
    if (cancelled_) cancelled_->store(true);
    cancelled_.reset();
    running_ = false;
}

}  // namespace kuvanto

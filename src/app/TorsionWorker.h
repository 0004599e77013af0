// Runs the finite-element torsion and shear analysis on a thread of its own, so that the
// interface stays free while the section is meshed and solved. One analysis counts at a time: a new
// start or a cancel drops the one running, whose outcome is then never reported. One thread runs
// at a time: a start while a dropped analysis is still finishing waits for it, so that analyses
// started and dropped in quick succession never pile up beside the interface.
#pragma once

#include <QObject>
#include <QPointer>
#include <QThread>
#include <atomic>
#include <memory>
#include <optional>
#include <vector>

#include "core/torsion/TorsionAnalysis.h"

namespace kuvanto {

class TorsionWorker : public QObject {
    Q_OBJECT

public:
    explicit TorsionWorker(QObject* parent = nullptr);
    // Cancels what runs without waiting for its thread, which ends on its own.
    ~TorsionWorker() override;

    // Starts the analysis of the figures with the options' Poisson's ratio and materials (the
    // default element size); the options' cancel and progress are the worker's own.
    void start(std::vector<SectionFigure> figures, TorsionOptions options);
    // Cancels the running analysis; its outcome is dropped.
    void cancel();
    bool running() const { return running_; }

signals:
    void progressed(int percent);
    // The outcome of the latest analysis that was neither cancelled nor replaced.
    void finished(const kuvanto::TorsionOutcome& outcome);

private:
    struct Job {
        quint64 id = 0;
        TorsionOptions options;
        std::vector<SectionFigure> figures;
        std::shared_ptr<std::atomic<bool>> cancelled;
    };
    void launch(Job job);
    void threadEnded();
    void finish(quint64 job, const TorsionOutcome& outcome);

    QPointer<QThread> thread_;    // the thread running, dropped or not
    std::optional<Job> waiting_;  // the job to run once that thread has ended
    quint64 job_ = 0;
    bool running_ = false;
    std::shared_ptr<std::atomic<bool>> cancelled_;
};

}  // namespace kuvanto

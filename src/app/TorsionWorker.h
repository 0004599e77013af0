// Runs the finite-element torsion and shear analysis on a thread of its own, so that the
// interface stays free while the section is meshed and solved. One analysis counts at a time: a new
// start or a cancel drops the one running, whose outcome is then never reported.
#pragma once

#include <QObject>
#include <atomic>
#include <memory>
#include <vector>

#include "core/torsion/TorsionAnalysis.h"

namespace kuvanto {

class TorsionWorker : public QObject {
    Q_OBJECT

public:
    explicit TorsionWorker(QObject* parent = nullptr);
    // Cancels what runs without waiting for its thread, which ends on its own.
    ~TorsionWorker() override;

    // Starts the analysis of the figures (the default element size): `options` give Poisson's
    // ratio and the materials; the worker sets their cancel and progress.
    void start(std::vector<SectionFigure> figures, TorsionOptions options);
    // Cancels the running analysis; its outcome is dropped.
    void cancel();
    bool running() const { return running_; }

signals:
    void progressed(int percent);
    // The outcome of the latest analysis that was neither cancelled nor replaced.
    void finished(const kuvanto::TorsionOutcome& outcome);

private:
    void finish(quint64 job, const TorsionOutcome& outcome);

    quint64 job_ = 0;
    bool running_ = false;
    std::shared_ptr<std::atomic<bool>> cancelled_;
};

}  // namespace kuvanto

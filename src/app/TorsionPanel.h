// The torsion and shear controls of the result tab: Poisson's ratio ν (kept in the settings), the
// progress of the analysis on its worker thread with a button that cancels it, and a line for its
// message. After each successful calculation the window starts the analysis here; its results go
// into the torsion block of the result table when they still belong to the tables as they are.
#pragma once

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QWidget>
#include <cstdint>
#include <memory>

#include "app/TorsionWorker.h"

class QDoubleSpinBox;

namespace kuvanto {

class Workspace;

class TorsionPanel : public QWidget {
    Q_OBJECT

public:
    TorsionPanel(Workspace& workspace, QWidget* parent = nullptr);

    // Poisson's ratio as kept in the settings (default 0.3; a stored value out of [0, 0.5) or
    // not a number gives the default), and storing it.
    static double savedPoissonRatio();
    static void savePoissonRatio(double nu);
    static constexpr double kDefaultPoissonRatio = 0.3;

    double poissonRatio() const;

    // Starts the analysis of the workspace's tables (after a successful calculation); the block
    // is emptied until its results arrive.
    void start();
    // Drops the running analysis without a word (the tables are about to change or the result
    // tab was left).
    void drop();
    bool running() const { return worker_->running(); }
    // Waits, keeping the events going, until the running analysis has reported; false when it
    // has not within `milliseconds`. For the snapshot tool and tests.
    bool waitForResults(int milliseconds);

signals:
    // The torsion block of the result table was written.
    void blockChanged();
    // An analysis of the tables as they are has started; then it has ended with its result, or
    // with null when it failed, was cancelled or belongs to tables changed meanwhile (for the
    // stresses under loads, which take its shear and warping functions).
    void analysisStarted();
    void analysisEnded(std::shared_ptr<const kuvanto::TorsionResult> result);

private:
    void finished(const TorsionOutcome& outcome);
    void cancelClicked();
    void showIdle(const QString& message);

    Workspace& workspace_;
    TorsionWorker* worker_ = nullptr;
    QDoubleSpinBox* nuBox_ = nullptr;
    QProgressBar* progress_ = nullptr;
    QPushButton* cancelButton_ = nullptr;
    QLabel* message_ = nullptr;
    std::uint64_t startedState_ = 0;  // the tables' state the running analysis belongs to
};

}  // namespace kuvanto

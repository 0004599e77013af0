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
#include "editing/Workspace.h"

class QDoubleSpinBox;

namespace kuvanto {

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
    // is emptied until its results arrive. The figures are handed to the worker once the events
    // already queued (the result table's first paint) are handled: what the tab shows comes
    // first.
    void start();
    // Drops the running analysis without a word (the tables are about to change).
    void drop();
    // Drops the running analysis when the tables are no longer those it started from.
    void dropIfStale();
    // Whether the block holds, or the worker is computing, the analysis of the tables as they
    // are now.
    bool current() const;
    bool running() const { return launching_ || worker_->running(); }
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
    void launch(quint64 token);
    void finished(const TorsionOutcome& outcome);
    void cancelClicked();
    void showIdle(const QString& message);

    Workspace& workspace_;
    TorsionWorker* worker_ = nullptr;
    QDoubleSpinBox* nuBox_ = nullptr;
    QProgressBar* progress_ = nullptr;
    QPushButton* cancelButton_ = nullptr;
    QLabel* message_ = nullptr;
    Workspace::TablesState startedState_;  // the tables' state the analysis belongs to
    quint64 launchToken_ = 0;              // names the latest start
    bool launching_ = false;               // started, the worker not yet given the figures
    bool covering_ = false;                // running, or its outcome is in the block
};

}  // namespace kuvanto

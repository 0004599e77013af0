// Computes the stresses of the loads panel on a thread of its own, so that a large section or
// many cases never hold up the interface. One computation counts at a time: a new start drops the
// one running, whose results are then never reported.
#pragma once

#include <QObject>
#include <atomic>
#include <memory>
#include <vector>

#include "core/stress/StressCases.h"

namespace kuvanto {

// What one computation reads, copied from the interface thread.
struct StressJob {
    CoordTable added;
    CoordTable subtracted;
    SectionMaterials materials;
    std::vector<LoadCase> cases;
    std::shared_ptr<const TorsionResult> torsion;
    std::shared_ptr<const ShearStressField> shear;
};

class StressWorker : public QObject {
    Q_OBJECT

public:
    explicit StressWorker(QObject* parent = nullptr);
    ~StressWorker() override;

    void start(StressJob job);
    void cancel();
    bool running() const { return running_; }

signals:
    void finished(std::shared_ptr<const kuvanto::StressCases> results);

private:
    quint64 job_ = 0;
    bool running_ = false;
    std::shared_ptr<std::atomic<bool>> cancelled_;
};

}  // namespace kuvanto

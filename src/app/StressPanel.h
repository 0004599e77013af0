// The loads panel of the result tab: the table of load cases (name and the six actions, in the
// units chosen above it), the component to show, the sign rules, the stress picture of the
// selected case and the envelope of all cases for the shown component. The cases and the units
// are kept in the settings; a load-case file can be read into the table and written from it. The
// stresses are computed from the tables whenever the panel is shown, a case changes or the
// torsion analysis (whose shear and warping functions give the shear stresses) ends, on a worker
// thread; the computation is the core's (StressCases), the panel only collects and shows.
#pragma once

#include <QWidget>
#include <memory>
#include <optional>
#include <vector>

#include "core/stress/LoadCase.h"
#include "core/stress/SectionStress.h"
#include "core/stress/StressCases.h"
#include "editing/Workspace.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QTableWidget;

namespace kuvanto {

class StressView;
class StressWorker;

class StressPanel : public QWidget {
    Q_OBJECT

public:
    explicit StressPanel(Workspace& workspace, QWidget* parent = nullptr);

    // The cases in N and N·mm.
    const std::vector<LoadCase>& cases() const { return cases_; }
    void setCases(std::vector<LoadCase> cases);
    // Shows the case of that index and the component.
    void showCase(int index);
    void showComponent(StressComponent component);
    // The units of the table: forces in N (false) or kN (true), moments in N·mm or kN·m.
    void setUnits(bool kiloNewton, bool kiloNewtonMetre);
    // Computes the stresses again when the tables have changed since the last computation.
    void refresh();
    // The torsion analysis of the tables has started: cases with shear actions wait for it.
    void torsionStarted();
    // Its result (null when there is none) for the tables as they are now.
    void setTorsion(std::shared_ptr<const TorsionResult> result);
    // Waits, keeping the events going, until the stresses being computed have arrived; false
    // when they have not within `milliseconds`. For the snapshot tool and tests.
    bool waitForStresses(int milliseconds);
    // The stresses of the cases as last computed (null while none have arrived).
    const std::shared_ptr<const StressCases>& results() const { return results_; }
    // The line of notices under the picture; for tests and the snapshot tool.
    QString noticeText() const;
    // The lines of each material's stresses (figures with materials); for tests.
    QString materialsText() const;

    StressView* view() const { return view_; }
    // The case shown (its index), -1 for none.
    int shownCase() const;
    // The envelope line under the picture; for tests and the snapshot tool.
    QString envelopeText() const;

    // The factor from a value shown in the table to N or N·mm.
    double factor(ActionKind kind) const;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void fillTable();
    void cellEdited(int row, int column);
    void addCase();
    void removeCase();
    void readFile();
    void writeFile();
    void save() const;
    // Starts the stresses of every case and their envelope, after a change of the section, the
    // cases or the torsion analysis.
    void computeCases();
    void received(std::shared_ptr<const StressCases> results);
    void showStresses();
    void showMaterials(int row);

    Workspace& workspace_;
    std::vector<LoadCase> cases_;
    QTableWidget* table_ = nullptr;
    QComboBox* forceUnit_ = nullptr;
    QComboBox* momentUnit_ = nullptr;
    QComboBox* component_ = nullptr;
    QCheckBox* arrows_ = nullptr;
    StressView* view_ = nullptr;
    QLabel* envelopeLabel_ = nullptr;
    QLabel* noticeLabel_ = nullptr;
    QLabel* materialsLabel_ = nullptr;
    StressWorker* worker_ = nullptr;
    bool filling_ = false;

    // The tables' state of the last computation started.
    std::optional<Workspace::TablesState> sectionState_;
    // The torsion result and the tables' state it belongs to; its shear field once made.
    std::shared_ptr<const TorsionResult> torsion_;
    Workspace::TablesState torsionState_;
    std::shared_ptr<const ShearStressField> shear_;
    bool torsionRunning_ = false;
    // The stresses of every case (in the order of cases_) and their envelope.
    std::shared_ptr<const StressCases> results_;
};

}  // namespace kuvanto

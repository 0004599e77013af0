// The loads panel of the result tab: the table of load cases (name and the six actions, in the
// units chosen above it), the component to show, the sign rules, the stress picture of the
// selected case and the envelope of all cases for the shown component. The cases and the units
// are kept in the settings; a load-case file can be read into the table and written from it. The
// stresses are computed from the tables whenever the panel is shown or a case changes; the
// computation is the core's (SectionStress), the panel only collects and shows.
#pragma once

#include <QWidget>
#include <memory>
#include <optional>
#include <vector>

#include "core/stress/LoadCase.h"
#include "core/stress/SectionStress.h"
#include "core/stress/StressEnvelope.h"
#include "editing/Workspace.h"

class QComboBox;
class QLabel;
class QTableWidget;

namespace kuvanto {

class StressView;

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
    // Computes the section again from the tables and the stresses of the shown case.
    void refresh();

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
    // The stresses of every case and their envelope, after a change of the section or the cases.
    void computeCases();
    void showStresses();

    Workspace& workspace_;
    std::vector<LoadCase> cases_;
    QTableWidget* table_ = nullptr;
    QComboBox* forceUnit_ = nullptr;
    QComboBox* momentUnit_ = nullptr;
    QComboBox* component_ = nullptr;
    StressView* view_ = nullptr;
    QLabel* envelopeLabel_ = nullptr;
    bool filling_ = false;

    // The section of the tables as last computed.
    std::optional<Workspace::TablesState> sectionState_;
    bool sectionOk_ = false;
    BendingProperties section_;
    std::vector<BoundarySegment> boundary_;
    // The stresses of every case (in the order of cases_) and their envelope.
    std::vector<std::shared_ptr<const SectionStress>> stresses_;
    StressEnvelope envelope_;
};

}  // namespace kuvanto

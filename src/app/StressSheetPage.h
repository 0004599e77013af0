// The page of the printed sheet with the stresses under loads: the loads panel's shown case (its
// name and actions), the largest and smallest value of each component with their points, the
// envelope of all cases, each material's stresses for figures that carry materials, and the
// stress picture of the shown component. Painted in the sheet's twips, like its other pages.
#pragma once

#include <QString>
#include <memory>

#include "core/stress/StressCases.h"

class QPainter;

namespace kuvanto {

class StressSheetPage {
public:
    StressSheetPage(std::shared_ptr<const StressCases> run, int shownCase,
                    StressComponent component);

    // Whether the shown case has stresses to print.
    bool valid() const;
    // Paints the page on a sheet of width × height twips as page number `page`, its heading
    // ending with `fileName`.
    void paint(QPainter& painter, double width, double height, int page,
               const QString& fileName) const;

private:
    std::shared_ptr<const StressCases> run_;
    int shownCase_ = -1;
    StressComponent component_ = StressComponent::NormalZ;
};

}  // namespace kuvanto

// Redrawing the stress picture of H-400x200x8x13 in a 600 x 500 view: after the shown case
// changes (the coloured picture is made again) and after the component changes, for the normal
// stress and for the components drawn from the nodes of the torsion analysis's mesh, against the
// floor of painting an image of the same size into the same target. The aim is a redraw within
// one frame (16 ms).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QPainter>

#include "canvas/StressView.h"
#include "core/section/Calculation.h"
#include "core/shapes/OutlineInsertion.h"
#include "core/torsion/TorsionAnalysis.h"
#include "io/ShippedLibrary.h"

using namespace kuvanto;

namespace {

struct Picture {
    CoordTable added, subtracted;
    BendingProperties section;
    std::vector<BoundarySegment> boundary;
    StressView view;
    std::shared_ptr<const ShearStressField> shear;
    QImage target{600, 500, QImage::Format_ARGB32_Premultiplied};
    bool ok = false;

    Picture() {
        const std::optional<LibraryPart> part =
            ShippedLibrary::findPart(ShippedLibrary::folder(), "H-400x200x8x13");
        if (!part) return;
        insertOutline(added, 1, part->outline, {0, 0}, {0, 0});
        ResultTable result;
        resetResultTable(result);
        std::vector<ColumnValues> values;
        if (!runCalculation(added, subtracted, result, &values)) return;
        section = BendingProperties::of(values.back().values);
        const SectionOutline outline = SectionOutline::of(added, subtracted);
        boundary = materialBoundary(outline);
        view.resize(600, 500);
        view.setOutline(outline);
        const TorsionOutcome outcome =
            TorsionAnalysis::run(TorsionAnalysis::figuresOf(added, subtracted), {});
        if (outcome.status == TorsionStatus::Ok) shear = ShearStressField::of(outcome.result);
        ok = true;
    }

    // A case with shear forces and a torque: the shear components are drawn from the nodes.
    void showShear(double force) {
        LoadCase loads;
        loads[LoadAction::MomentX] = 1e8;
        loads[LoadAction::ShearY] = force;
        loads[LoadAction::ShearX] = 0.1 * force;
        loads[LoadAction::Torque] = 20 * force;
        view.setStress(std::make_shared<const SectionStress>(
            SectionStress::compute(boundary, section, loads, shear)));
    }

    void show(double moment) {
        LoadCase loads;
        loads[LoadAction::AxialForce] = -2e5;
        loads[LoadAction::MomentX] = moment;
        loads[LoadAction::MomentY] = 0.2 * moment;
        view.setStress(std::make_shared<const SectionStress>(
            SectionStress::compute(boundary, section, loads)));
    }
};

Picture& picture() {
    static Picture p;
    return p;
}

void BM_StressViewCaseChanged(benchmark::State& state) {
    Picture& p = picture();
    if (!p.ok) return state.SkipWithError("no H-400x200x8x13");
    double moment = 1e8;
    for (auto _ : state) {
        p.show(moment += 1e5);
        p.view.render(&p.target);
    }
}
BENCHMARK(BM_StressViewCaseChanged)->Unit(benchmark::kMillisecond);

void BM_StressViewComponentChanged(benchmark::State& state) {
    Picture& p = picture();
    if (!p.ok) return state.SkipWithError("no H-400x200x8x13");
    p.show(1e8);
    bool vonMises = false;
    for (auto _ : state) {
        vonMises = !vonMises;
        p.view.setComponent(vonMises ? StressComponent::VonMises : StressComponent::NormalZ);
        p.view.render(&p.target);
    }
}
BENCHMARK(BM_StressViewComponentChanged)->Unit(benchmark::kMillisecond);

void BM_StressViewShearCaseChanged(benchmark::State& state) {
    Picture& p = picture();
    if (!p.ok || !p.shear) return state.SkipWithError("no torsion of H-400x200x8x13");
    p.view.setComponent(StressComponent::VonMises);
    double force = 2e5;
    for (auto _ : state) {
        p.showShear(force += 100);
        p.view.render(&p.target);
    }
    state.counters["triangles"] = static_cast<double>(p.shear->triangles().size());
}
BENCHMARK(BM_StressViewShearCaseChanged)->Unit(benchmark::kMillisecond);

void BM_StressViewShearComponentChanged(benchmark::State& state) {
    Picture& p = picture();
    if (!p.ok || !p.shear) return state.SkipWithError("no torsion of H-400x200x8x13");
    p.showShear(2e5);
    bool shear = false;
    for (auto _ : state) {
        shear = !shear;
        p.view.setComponent(shear ? StressComponent::Shear : StressComponent::VonMises);
        p.view.render(&p.target);
    }
}
BENCHMARK(BM_StressViewShearComponentChanged)->Unit(benchmark::kMillisecond);

// The floor: one picture of the view's size painted into the target.
void BM_FloorPaintImage(benchmark::State& state) {
    QImage source(600, 500, QImage::Format_ARGB32_Premultiplied);
    source.fill(Qt::red);
    QImage target(600, 500, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        QPainter painter(&target);
        painter.drawImage(0, 0, source);
    }
}
BENCHMARK(BM_FloorPaintImage)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

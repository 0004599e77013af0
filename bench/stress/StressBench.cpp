// The stresses under loads against their floor. On H-400x200x8x13 (the shipped part): the
// material's outline, one load case's stresses with the extremes of every component, and 100
// cases with the envelope; the floor evaluates the same linear field at the outline's vertices
// and takes its largest and smallest value in a plain loop. With shear forces and a torque, after
// the torsion block at the default mesh: the shear field recovered at the nodes, one case, and
// 100 cases with the envelope. Then a ring of 10^5 vertices on each side (a hole in a circle),
// whose outline is cut against the hole through the edge grid, and a circle of 10^5 vertices
// with shear over its nodes.
#include <benchmark/benchmark.h>

#include <cmath>
#include <numbers>
#include <vector>

#include "core/base/NumberText.h"
#include "core/section/Calculation.h"
#include "core/shapes/OutlineInsertion.h"
#include "core/stress/SectionStress.h"
#include "core/stress/StressEnvelope.h"
#include "core/torsion/TorsionAnalysis.h"
#include "io/ShippedLibrary.h"

namespace kuvanto::bench {
namespace {

struct StressInput {
    CoordTable added;
    CoordTable subtracted;
    BendingProperties section;
    std::vector<BoundarySegment> boundary;
    // The torsion analysis at the default mesh, solved once outside the timings.
    std::shared_ptr<const TorsionResult> torsion;
};

void solveTorsion(StressInput& input) {
    const TorsionOutcome outcome =
        TorsionAnalysis::run(TorsionAnalysis::figuresOf(input.added, input.subtracted), {});
    if (outcome.status == TorsionStatus::Ok)
        input.torsion = std::make_shared<const TorsionResult>(outcome.result);
}

void complete(StressInput& input) {
    ResultTable result;
    resetResultTable(result);
    std::vector<ColumnValues> values;
    if (!runCalculation(input.added, input.subtracted, result, &values)) return;
    input.section = BendingProperties::of(values.back().values);
    input.boundary = materialBoundary(SectionOutline::of(input.added, input.subtracted));
}

const StressInput& hSection() {
    static const StressInput input = [] {
        StressInput made;
        const std::optional<LibraryPart> part =
            ShippedLibrary::findPart(ShippedLibrary::folder(), "H-400x200x8x13");
        if (part) insertOutline(made.added, 1, part->outline, {0, 0}, {0, 0});
        complete(made);
        solveTorsion(made);
        return made;
    }();
    return input;
}

void appendCircle(CoordTable& table, double radius, int vertices) {
    table.setRows(1);
    for (int i = 0; i <= vertices; ++i) {
        const double angle = 2 * std::numbers::pi * (i % vertices) / vertices;
        table.appendRow(numText(std::round(radius * std::cos(angle) * 1000) / 1000),
                        numText(std::round(radius * std::sin(angle) * 1000) / 1000));
    }
}

const StressInput& ring() {
    static const StressInput input = [] {
        StressInput made;
        appendCircle(made.added, 100000, 100000);
        appendCircle(made.subtracted, 90000, 100000);
        complete(made);
        return made;
    }();
    return input;
}

// A solid circle of 10^5 vertices (radius 10^5, three decimals) with its torsion analysis.
const StressInput& circle() {
    static const StressInput input = [] {
        StressInput made;
        appendCircle(made.added, 100000, 100000);
        complete(made);
        solveTorsion(made);
        return made;
    }();
    return input;
}

LoadCase caseNumber(int i) {
    LoadCase loads;
    loads.name = std::to_string(i);
    loads[LoadAction::AxialForce] = -1e5 + 2e3 * i;
    loads[LoadAction::MomentX] = 1e8 * std::sin(i);
    loads[LoadAction::MomentY] = 2e7 * std::cos(i);
    return loads;
}

// The same with shear forces and a torque, which need the shear field.
LoadCase shearCaseNumber(int i) {
    LoadCase loads = caseNumber(i);
    loads[LoadAction::ShearX] = 3e4 * std::cos(2 * i);
    loads[LoadAction::ShearY] = 2e5 * std::sin(3 * i);
    loads[LoadAction::Torque] = 5e6 * std::cos(5 * i);
    return loads;
}

// The shear field of a torsion result: the recovery at the nodes, once per analysis.
void BM_ShearFieldHSection(benchmark::State& state) {
    const StressInput& input = hSection();
    if (!input.torsion) return state.SkipWithError("no torsion of H-400x200x8x13");
    for (auto _ : state) benchmark::DoNotOptimize(ShearStressField::of(*input.torsion));
    state.counters["nodes"] =
        static_cast<double>(ShearStressField::of(*input.torsion)->nodes().size());
}
BENCHMARK(BM_ShearFieldHSection)->Unit(benchmark::kMicrosecond);

// One case with shear after the torsion block: the field made from its result, the case's
// stresses at every node and outline point, the extremes of every component.
void BM_StressOneShearCaseAfterTorsionHSection(benchmark::State& state) {
    const StressInput& input = hSection();
    if (!input.torsion) return state.SkipWithError("no torsion of H-400x200x8x13");
    const LoadCase loads = shearCaseNumber(3);
    for (auto _ : state) {
        const SectionStress stress = SectionStress::compute(input.boundary, input.section, loads,
                                                            ShearStressField::of(*input.torsion));
        for (const StressComponentEntry& entry : kStressComponents)
            benchmark::DoNotOptimize(stress.extremes(entry.component));
    }
}
BENCHMARK(BM_StressOneShearCaseAfterTorsionHSection)->Unit(benchmark::kMicrosecond);

// 100 cases with shear over the field made once, and their envelope.
void BM_StressHundredShearCasesEnvelopeHSection(benchmark::State& state) {
    const StressInput& input = hSection();
    if (!input.torsion) return state.SkipWithError("no torsion of H-400x200x8x13");
    std::vector<LoadCase> cases;
    for (int i = 0; i < 100; ++i) cases.push_back(shearCaseNumber(i));
    for (auto _ : state) {
        const auto shear = ShearStressField::of(*input.torsion);
        StressEnvelope envelope;
        for (const LoadCase& loads : cases)
            envelope.add(SectionStress::compute(input.boundary, input.section, loads, shear));
        benchmark::DoNotOptimize(envelope.of(StressComponent::VonMises));
    }
}
BENCHMARK(BM_StressHundredShearCasesEnvelopeHSection)->Unit(benchmark::kMicrosecond);

// A circle of 10^5 vertices: the shear field and one case with shear over its nodes (the torsion
// analysis itself, about 6 s, is bench/torsion's).
void BM_StressShearCircleOfTenToTheFifth(benchmark::State& state) {
    const StressInput& input = circle();
    if (!input.torsion) return state.SkipWithError("circle did not solve");
    const LoadCase loads = shearCaseNumber(5);
    std::size_t nodes = 0;
    for (auto _ : state) {
        const auto shear = ShearStressField::of(*input.torsion);
        const SectionStress stress =
            SectionStress::compute(input.boundary, input.section, loads, shear);
        benchmark::DoNotOptimize(stress.extremes(StressComponent::VonMises));
        nodes = shear->nodes().size();
    }
    state.counters["nodes"] = static_cast<double>(nodes);
}
BENCHMARK(BM_StressShearCircleOfTenToTheFifth)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_StressOneCaseHSection(benchmark::State& state) {
    const StressInput& input = hSection();
    if (input.boundary.empty()) return state.SkipWithError("no H-400x200x8x13");
    const LoadCase loads = caseNumber(3);
    for (auto _ : state) {
        const SectionStress stress = SectionStress::compute(input.boundary, input.section, loads);
        for (const StressComponentEntry& entry : kStressComponents)
            benchmark::DoNotOptimize(stress.extremes(entry.component));
    }
}
BENCHMARK(BM_StressOneCaseHSection)->Unit(benchmark::kMicrosecond);

void BM_StressHundredCasesEnvelopeHSection(benchmark::State& state) {
    const StressInput& input = hSection();
    if (input.boundary.empty()) return state.SkipWithError("no H-400x200x8x13");
    std::vector<LoadCase> cases;
    for (int i = 0; i < 100; ++i) cases.push_back(caseNumber(i));
    for (auto _ : state) {
        StressEnvelope envelope;
        for (const LoadCase& loads : cases)
            envelope.add(SectionStress::compute(input.boundary, input.section, loads));
        benchmark::DoNotOptimize(envelope.of(StressComponent::VonMises));
    }
}
BENCHMARK(BM_StressHundredCasesEnvelopeHSection)->Unit(benchmark::kMicrosecond);

// The floor: σ at every outline vertex and its extremes, nothing else.
void BM_FloorLinearFieldHSection(benchmark::State& state) {
    const StressInput& input = hSection();
    if (input.boundary.empty()) return state.SkipWithError("no H-400x200x8x13");
    const std::optional<NormalStress> field = NormalStress::of(input.section, caseNumber(3));
    for (auto _ : state) {
        double low = INFINITY, high = -INFINITY;
        for (const BoundarySegment& segment : input.boundary) {
            const double value = field->at(segment.from);
            low = std::min(low, value);
            high = std::max(high, value);
        }
        benchmark::DoNotOptimize(low);
        benchmark::DoNotOptimize(high);
    }
}
BENCHMARK(BM_FloorLinearFieldHSection)->Unit(benchmark::kMicrosecond);

void BM_MaterialOutlineHSection(benchmark::State& state) {
    const StressInput& input = hSection();
    const SectionOutline outline = SectionOutline::of(input.added, input.subtracted);
    for (auto _ : state) benchmark::DoNotOptimize(materialBoundary(outline));
}
BENCHMARK(BM_MaterialOutlineHSection)->Unit(benchmark::kMicrosecond);

// A ring of 10^5 vertices outside and 10^5 inside: the outline cut against the hole and one
// case's stresses over it.
void BM_StressRingOfTenToTheFifth(benchmark::State& state) {
    const StressInput& input = ring();
    if (input.boundary.empty()) return state.SkipWithError("ring did not compute");
    const SectionOutline outline = SectionOutline::of(input.added, input.subtracted);
    const LoadCase loads = caseNumber(5);
    for (auto _ : state) {
        const SectionStress stress =
            SectionStress::compute(materialBoundary(outline), input.section, loads);
        benchmark::DoNotOptimize(stress.extremes(StressComponent::NormalZ));
    }
}
BENCHMARK(BM_StressRingOfTenToTheFifth)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace kuvanto::bench

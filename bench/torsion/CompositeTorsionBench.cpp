// The torsion and shear analysis of a concrete-filled tube of 10^4 outline vertices (a steel
// circle of 4000 vertices, its inside of 3000 subtracted as steel and added as concrete), with
// its materials and, beside it, the same figures as one material: what the materials cost.
#include <benchmark/benchmark.h>

#include <cmath>
#include <numbers>
#include <vector>

#include "core/torsion/TorsionAnalysis.h"

namespace kuvanto::bench {
namespace {

SectionFigure circle(double radius, int sides, int sign, int material) {
    SectionFigure figure{{}, sign, material};
    for (int i = 0; i < sides; ++i) {
        const double angle = 2 * std::numbers::pi * i / sides;
        figure.outline.push_back({radius * std::cos(angle), radius * std::sin(angle)});
    }
    return figure;
}

std::vector<SectionFigure> filledTube(bool withMaterials) {
    const int steel = withMaterials ? 0 : -1, concrete = withMaterials ? 1 : -1;
    return {circle(150, 4000, 1, steel), circle(141, 3000, -1, steel),
            circle(141, 3000, 1, concrete)};
}

TorsionOptions options(bool withMaterials) {
    TorsionOptions options;
    if (withMaterials) {
        options.materials = {{"STK400", 205000, 0.3, 235, 7.85, {}},
                             {"Fc30", 24419, 0.2, 30, 2.3, {}}};
        options.reference = options.materials.front();
    }
    return options;
}

void run(benchmark::State& state, bool withMaterials) {
    const std::vector<SectionFigure> figures = filledTube(withMaterials);
    const TorsionOptions chosen = options(withMaterials);
    int elements = 0;
    for (auto _ : state) {
        const TorsionOutcome outcome = TorsionAnalysis::run(figures, chosen);
        if (outcome.status != TorsionStatus::Ok) state.SkipWithError("the analysis failed");
        elements = outcome.result.values.elements;
        benchmark::DoNotOptimize(outcome);
    }
    state.counters["elements"] = elements;
}

void BM_FilledTubeOf10000VerticesWithMaterials(benchmark::State& state) {
    run(state, true);
}
BENCHMARK(BM_FilledTubeOf10000VerticesWithMaterials)->Unit(benchmark::kMillisecond);

void BM_FilledTubeOf10000VerticesAsOneMaterial(benchmark::State& state) {
    run(state, false);
}
BENCHMARK(BM_FilledTubeOf10000VerticesAsOneMaterial)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace kuvanto::bench

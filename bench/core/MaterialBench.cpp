// The calculation of a 10^6-vertex section with and without materials: the same circle computed
// as one material, and with its figure carrying steel (the composite block added: transformed
// values, stiffnesses, mass, plastic moments by force balance and first yield). Materials are to
// cost no more than one more pass over the vertices; the floor of one such pass (one
// integrating pass from numbers) is measured beside them, so the difference of the first two can
// be compared with it in the same run.
#include <benchmark/benchmark.h>

#include "BenchShapes.h"
#include "Floor.h"
#include "core/section/Calculation.h"
#include "core/section/ResultTable.h"
#include "core/section/SectionMaterials.h"

namespace kuvanto::bench {
namespace {

void Sizes(benchmark::internal::Benchmark* b) {
    b->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);
}

void runWith(benchmark::State& state, const SectionMaterials& materials) {
    const Circle& circle = circleOf(static_cast<int>(state.range(0)));
    ResultTable result;
    for (auto _ : state) {
        resetResultTable(result);
        const bool ok = runCalculation(circle.add, circle.subtracted, materials, result);
        if (!ok) state.SkipWithError("runCalculation failed on the circle");
        benchmark::DoNotOptimize(result);
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

void BM_CalculationWithoutMaterials(benchmark::State& state) {
    runWith(state, SectionMaterials());
}
BENCHMARK(BM_CalculationWithoutMaterials)->Apply(Sizes);

void BM_CalculationWithMaterials(benchmark::State& state) {
    SectionMaterials materials;
    materials.setMaterial({"SS400", 205000, 0.3, 235, 7.85, ""});
    materials.assign(TableKind::Added, 1, "SS400");
    runWith(state, materials);
}
BENCHMARK(BM_CalculationWithMaterials)->Apply(Sizes);

// One pass over the vertices: the allowance for materials.
void BM_OnePassFloor(benchmark::State& state) {
    const Circle& circle = circleOf(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        FloorSums sums = floorFromNumbers(circle.xs, circle.ys);
        benchmark::DoNotOptimize(sums);
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_OnePassFloor)->Apply(Sizes);

}  // namespace
}  // namespace kuvanto::bench

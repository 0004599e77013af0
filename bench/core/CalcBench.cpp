// The calculation of one figure, measured against its floors: from cell text (runCalculation into a
// fresh result table, as opening the result tab does) against from_chars parsing plus one
// integrating pass; and all eighteen properties from numbers (allProperties) against GEOS computing
// only area and centroid of the same polygon.
#include <benchmark/benchmark.h>

#include "BenchShapes.h"
#include "Floor.h"
#include "core/section/Calculation.h"
#include "core/section/ResultTable.h"
#include "core/section/SectionProperties.h"

#ifdef KUVANTO_HAVE_GEOS
#include <geos_c.h>
#endif

namespace kuvanto::bench {
namespace {

void Sizes(benchmark::internal::Benchmark* b) {
    b->Arg(1000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);
}

void BM_RunCalculationFromCells(benchmark::State& state) {
    const Circle& circle = circleOf(static_cast<int>(state.range(0)));
    ResultTable result;
    for (auto _ : state) {
        resetResultTable(result);
        const bool ok = runCalculation(circle.add, circle.subtracted, result);
        if (!ok) state.SkipWithError("runCalculation failed on the circle");
        benchmark::DoNotOptimize(result);
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_RunCalculationFromCells)->Apply(Sizes);

void BM_FloorFromCells(benchmark::State& state) {
    const Circle& circle = circleOf(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        FloorSums sums = floorFromCells(circle.cells);
        benchmark::DoNotOptimize(sums);
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_FloorFromCells)->Apply(Sizes);

void BM_AllPropertiesFromNumbers(benchmark::State& state) {
    const Circle& circle = circleOf(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        auto props = allProperties(circle.points);
        if (!props) state.SkipWithError("allProperties failed on the circle");
        benchmark::DoNotOptimize(props);
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_AllPropertiesFromNumbers)->Apply(Sizes);

void BM_FloorFromNumbers(benchmark::State& state) {
    const Circle& circle = circleOf(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        FloorSums sums = floorFromNumbers(circle.xs, circle.ys);
        benchmark::DoNotOptimize(sums);
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_FloorFromNumbers)->Apply(Sizes);

#ifdef KUVANTO_HAVE_GEOS
// GEOS from the same vectors: build the ring and polygon, then area and centroid.
void BM_GeosAreaCentroid(benchmark::State& state) {
    const Circle& circle = circleOf(static_cast<int>(state.range(0)));
    GEOSContextHandle_t geos = GEOS_init_r();
    const auto n = static_cast<unsigned>(circle.xs.size());
    for (auto _ : state) {
        GEOSCoordSequence* seq = GEOSCoordSeq_copyFromArrays_r(
            geos, circle.xs.data(), circle.ys.data(), nullptr, nullptr, n);
        GEOSGeometry* ring = GEOSGeom_createLinearRing_r(geos, seq);
        GEOSGeometry* polygon = GEOSGeom_createPolygon_r(geos, ring, nullptr, 0);
        double area = 0, cx = 0, cy = 0;
        GEOSArea_r(geos, polygon, &area);
        GEOSGeometry* centroid = GEOSGetCentroid_r(geos, polygon);
        GEOSGeomGetX_r(geos, centroid, &cx);
        GEOSGeomGetY_r(geos, centroid, &cy);
        benchmark::DoNotOptimize(area);
        benchmark::DoNotOptimize(cx);
        benchmark::DoNotOptimize(cy);
        GEOSGeom_destroy_r(geos, centroid);
        GEOSGeom_destroy_r(geos, polygon);
    }
    GEOS_finish_r(geos);
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_GeosAreaCentroid)->Apply(Sizes);
#endif

}  // namespace
}  // namespace kuvanto::bench

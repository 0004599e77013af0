// The calculation of one figure, measured against its floors: from cell text (Calc1 into a fresh
// result table, as opening the result tab does) against from_chars parsing plus one integrating
// pass; and all eighteen properties from numbers (Calc_All_Props) against GEOS computing only
// area and centroid of the same polygon.
#include <benchmark/benchmark.h>

#include "BenchShapes.h"
#include "Calc.h"
#include "Floor.h"
#include "ResultGrid.h"
#include "SectionProp.h"

#ifdef KUVANTO_HAVE_GEOS
#include <geos_c.h>
#endif

namespace kuvanto::bench {
namespace {

void Sizes(benchmark::internal::Benchmark* b) {
    b->Arg(1000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);
}

void BM_Calc1_FromCells(benchmark::State& state) {
    const Circle& circle = Circle_Of(static_cast<int>(state.range(0)));
    ResultGrid result;
    for (auto _ : state) {
        Init_Result_Grid(result);
        const bool ok = Calc1(circle.add, circle.sbtrt, result);
        if (!ok) state.SkipWithError("Calc1 failed on the circle");
        benchmark::DoNotOptimize(result);
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_Calc1_FromCells)->Apply(Sizes);

void BM_Floor_FromCells(benchmark::State& state) {
    const Circle& circle = Circle_Of(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        FloorSums sums = Floor_From_Cells(circle.add.Cells());
        benchmark::DoNotOptimize(sums);
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_Floor_FromCells)->Apply(Sizes);

void BM_AllProps_FromNumbers(benchmark::State& state) {
    const Circle& circle = Circle_Of(static_cast<int>(state.range(0)));
    // The lists are closed already, so Calc_All_Props leaves them as they are.
    std::vector<double> xs = circle.xs;
    std::vector<double> ys = circle.ys;
    for (auto _ : state) {
        auto props = Calc_All_Props(xs, ys);
        if (!props) state.SkipWithError("Calc_All_Props failed on the circle");
        benchmark::DoNotOptimize(props);
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_AllProps_FromNumbers)->Apply(Sizes);

void BM_Floor_FromNumbers(benchmark::State& state) {
    const Circle& circle = Circle_Of(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        FloorSums sums = Floor_From_Numbers(circle.xs, circle.ys);
        benchmark::DoNotOptimize(sums);
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_Floor_FromNumbers)->Apply(Sizes);

#ifdef KUVANTO_HAVE_GEOS
// GEOS from the same vectors: build the ring and polygon, then area and centroid.
void BM_Geos_AreaCentroid(benchmark::State& state) {
    const Circle& circle = Circle_Of(static_cast<int>(state.range(0)));
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
BENCHMARK(BM_Geos_AreaCentroid)->Apply(Sizes);
#endif

}  // namespace
}  // namespace kuvanto::bench

// The torsion and shear analysis against its floor. H-400x200x8x13 at the default mesh: the mesh
// and one solution (J, shear centre, Iw, shear areas); the whole analysis (the pair of solutions
// on the mesh and on the mesh cut into four, the error estimate, the lower bound of J); and its
// phases one by one. The floor: the sparse LDLᵀ factorisation alone of a matrix with the
// solution's node count (linear elements on the mesh cut into four, which has every node of the
// quadratic elements). Then every part of the shipped library, with and without the error
// estimate, a circle of 10^5 vertices with the peak memory of the process, and how soon a cancel
// of that circle is obeyed. The whole analysis runs on two threads: its benchmarks give the CPU
// time of the process.
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <Eigen/Sparse>
#include <Eigen/SparseCholesky>
#include <atomic>
#include <chrono>
#include <cmath>
#include <future>
#include <thread>
#include <vector>

#include "BenchShapes.h"
#include "core/shapes/OutlineInsertion.h"
#include "core/torsion/SectionMesh.h"
#include "core/torsion/TorsionAnalysis.h"
#include "core/torsion/TorsionSolver.h"
#include "io/ShippedLibrary.h"

namespace kuvanto::bench {
namespace {

std::vector<SectionFigure> partFigures(const std::string& name) {
    const std::optional<LibraryPart> part =
        ShippedLibrary::findPart(ShippedLibrary::folder(), name);
    if (!part) return {};
    CoordTable added;
    insertOutline(added, 1, part->outline, {0, 0}, {0, 0});
    return TorsionAnalysis::figuresOf(added, CoordTable());
}

const std::vector<SectionFigure>& hSection() {
    static const std::vector<SectionFigure> figures = partFigures("H-400x200x8x13");
    return figures;
}

double peakMegabytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

void BM_HSectionMeshAndSolve(benchmark::State& state) {
    const auto& figures = hSection();
    const double size = TorsionAnalysis::defaultElementSize(figures);
    int elements = 0;
    for (auto _ : state) {
        SectionMesh mesh;
        if (SectionMesh::build(figures, size, {}, mesh) != SectionMesh::Status::Ok)
            state.SkipWithError("the H-section did not mesh");
        const auto values = TorsionSolver::solve(mesh, 0.3);
        if (!values) state.SkipWithError("the H-section did not solve");
        elements = values ? values->elements : 0;
        benchmark::DoNotOptimize(values);
    }
    state.counters["elements"] = elements;
}
BENCHMARK(BM_HSectionMeshAndSolve)->Unit(benchmark::kMillisecond);

void BM_HSectionWithErrorEstimate(benchmark::State& state) {
    const auto& figures = hSection();
    for (auto _ : state) {
        const TorsionOutcome outcome = TorsionAnalysis::run(figures, {});
        if (outcome.status != TorsionStatus::Ok) state.SkipWithError("the analysis failed");
        benchmark::DoNotOptimize(outcome);
    }
}
BENCHMARK(BM_HSectionWithErrorEstimate)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();

// The phases of the analysis of the H-section one by one: the solution on the default mesh, on its
// subdivision (the finer one of the pair) and the lower bound of J on the subdivision.
void BM_HSectionPhase(benchmark::State& state) {
    const auto& figures = hSection();
    SectionMesh mesh;
    SectionMesh::build(figures, TorsionAnalysis::defaultElementSize(figures), {}, mesh);
    const SectionMesh fine = mesh.subdivided();
    for (auto _ : state) {
        switch (state.range(0)) {
            case 0:
                benchmark::DoNotOptimize(TorsionSolver::solve(mesh, 0.3));
                break;
            case 1:
                benchmark::DoNotOptimize(TorsionSolver::solve(fine, 0.3));
                break;
            default:
                benchmark::DoNotOptimize(TorsionSolver::lowerBound(fine));
                break;
        }
    }
}
BENCHMARK(BM_HSectionPhase)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

// A pipe of radii 100 and 90 drawn as one outline of 64 sides, out along a radial seam and back a
// rounding error beside it: the seam bounds nothing and the ring meshes as a ring.
void BM_SeamedPipe(benchmark::State& state) {
    constexpr int kSides = 64;
    SectionFigure pipe;
    for (int i = 0; i <= kSides; ++i) {
        const double angle = 2 * 3.14159265358979323846 * i / kSides;
        pipe.outline.push_back({100 * std::cos(angle), 100 * std::sin(angle)});
    }
    for (int i = kSides; i >= 0; --i) {
        const double angle = 2 * 3.14159265358979323846 * i / kSides;
        pipe.outline.push_back({90 * std::cos(angle), 90 * std::sin(angle)});
    }
    const std::vector<SectionFigure> figures{pipe};
    for (auto _ : state) {
        const TorsionOutcome outcome = TorsionAnalysis::run(figures, {});
        if (outcome.status != TorsionStatus::Ok) state.SkipWithError("the pipe failed");
        benchmark::DoNotOptimize(outcome);
    }
}
BENCHMARK(BM_SeamedPipe)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();

// A section of sharp re-entrant corners that the refinement rounds work on (ν = 0).
void BM_SharpCornersRefined(benchmark::State& state) {
    const std::vector<SectionFigure> figures{{{{-10, 0},
                                               {110, 0},
                                               {100, 10},
                                               {55, 10},
                                               {55, 90},
                                               {100, 90},
                                               {110, 100},
                                               {110, 110},
                                               {-10, 110},
                                               {-10, 100},
                                               {0, 90},
                                               {45, 90},
                                               {45, 10},
                                               {-10, 10}},
                                              1}};
    TorsionOptions options;
    options.poissonRatio = 0;
    int rounds = 0;
    for (auto _ : state) {
        const TorsionOutcome outcome = TorsionAnalysis::run(figures, options);
        if (outcome.status != TorsionStatus::Ok) state.SkipWithError("the section failed");
        rounds = outcome.result.refinements;
        benchmark::DoNotOptimize(outcome);
    }
    state.counters["rounds"] = rounds;
}
BENCHMARK(BM_SharpCornersRefined)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();

// Linear-element stiffness of the mesh cut into four: the node count of the quadratic solution.
Eigen::SparseMatrix<double> floorMatrix() {
    const auto& figures = hSection();
    SectionMesh mesh;
    SectionMesh::build(figures, TorsionAnalysis::defaultElementSize(figures), {}, mesh);
    const SectionMesh fine = mesh.subdivided();
    const auto& p = fine.points();
    std::vector<Eigen::Triplet<double>> entries;
    for (const SectionMesh::Triangle& t : fine.triangles()) {
        const auto& c = t.corners;
        const double bx[3] = {p[c[1]].y - p[c[2]].y, p[c[2]].y - p[c[0]].y, p[c[0]].y - p[c[1]].y};
        const double by[3] = {p[c[2]].x - p[c[1]].x, p[c[0]].x - p[c[2]].x, p[c[1]].x - p[c[0]].x};
        const double twiceArea = bx[0] * by[1] - bx[1] * by[0];
        for (int i = 0; i < 3; ++i)
            for (int j = 0; j < 3; ++j)
                entries.emplace_back(c[i], c[j], (bx[i] * bx[j] + by[i] * by[j]) / (2 * twiceArea));
    }
    const int n = static_cast<int>(p.size());
    entries.emplace_back(0, 0, 1.0);  // one fixed node, as the solution has per part
    Eigen::SparseMatrix<double> matrix(n, n);
    matrix.setFromTriplets(entries.begin(), entries.end());
    return matrix;
}

void BM_FloorFactorisation(benchmark::State& state) {
    const Eigen::SparseMatrix<double> matrix = floorMatrix();
    for (auto _ : state) {
        Eigen::SimplicialLDLT<Eigen::SparseMatrix<double>, Eigen::Lower, Eigen::AMDOrdering<int>>
            factor(matrix);
        if (factor.info() != Eigen::Success) state.SkipWithError("the floor did not factorise");
        benchmark::DoNotOptimize(factor);
    }
    state.counters["nodes"] = static_cast<double>(matrix.rows());
}
BENCHMARK(BM_FloorFactorisation)->Unit(benchmark::kMillisecond);

void BM_WholeLibrary(benchmark::State& state) {
    std::vector<std::vector<SectionFigure>> parts;
    for (const LibraryCategory& category : ShippedLibrary::categories(ShippedLibrary::folder()))
        for (const std::string& name : category.parts) parts.push_back(partFigures(name));
    for (auto _ : state) {
        for (const auto& figures : parts) {
            const TorsionOutcome outcome = TorsionAnalysis::run(figures, {});
            if (outcome.status != TorsionStatus::Ok) state.SkipWithError("a part failed");
            benchmark::DoNotOptimize(outcome);
        }
    }
    state.counters["parts"] = static_cast<double>(parts.size());
}
BENCHMARK(BM_WholeLibrary)->Unit(benchmark::kMillisecond)->Iterations(1)->MeasureProcessCPUTime();

// The same parts meshed and solved once, without the solution on the refined mesh behind the
// error estimate.
void BM_WholeLibraryMeshAndSolve(benchmark::State& state) {
    std::vector<std::vector<SectionFigure>> parts;
    for (const LibraryCategory& category : ShippedLibrary::categories(ShippedLibrary::folder()))
        for (const std::string& name : category.parts) parts.push_back(partFigures(name));
    for (auto _ : state) {
        for (const auto& figures : parts) {
            SectionMesh mesh;
            SectionMesh::build(figures, TorsionAnalysis::defaultElementSize(figures), {}, mesh);
            const auto values = TorsionSolver::solve(mesh, 0.3);
            if (!values) state.SkipWithError("a part failed");
            benchmark::DoNotOptimize(values);
        }
    }
    state.counters["parts"] = static_cast<double>(parts.size());
}
BENCHMARK(BM_WholeLibraryMeshAndSolve)->Unit(benchmark::kMillisecond)->Iterations(1);

void BM_CircleOf100000Vertices(benchmark::State& state) {
    const Circle& circle = circleOf(100000);
    const std::vector<SectionFigure> figures{{circle.points, 1}};
    TorsionStatus status = TorsionStatus::Failed;
    int elements = 0;
    for (auto _ : state) {
        const TorsionOutcome outcome = TorsionAnalysis::run(figures, {});
        status = outcome.status;
        elements = outcome.result.values.elements;
        benchmark::DoNotOptimize(outcome);
    }
    // Status 0: solved (without the error estimate, which a mesh of this size leaves out).
    state.counters["status"] = static_cast<double>(status);
    state.counters["elements"] = elements;
    state.counters["peak_MB"] = peakMegabytes();
}
BENCHMARK(BM_CircleOf100000Vertices)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->MeasureProcessCPUTime();

// How soon a cancel is obeyed: the circle of 10^5 vertices is cancelled the given number of
// milliseconds after its start (early: while meshing; later: while solving), and the time from
// the cancel to the analysis returning is reported (latency_ms).
void BM_CancelLatency(benchmark::State& state) {
    const Circle& circle = circleOf(100000);
    const std::vector<SectionFigure> figures{{circle.points, 1}};
    double latency = 0;
    for (auto _ : state) {
        std::atomic<bool> cancel{false};
        TorsionOptions options;
        options.cancelled = [&cancel] { return cancel.load(); };
        auto analysis =
            std::async(std::launch::async, [&] { return TorsionAnalysis::run(figures, options); });
        std::this_thread::sleep_for(std::chrono::milliseconds(state.range(0)));
        const auto cancelledAt = std::chrono::steady_clock::now();
        cancel = true;
        const TorsionOutcome outcome = analysis.get();
        latency = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() -
                                                            cancelledAt)
                      .count();
        if (outcome.status != TorsionStatus::Cancelled)
            state.SkipWithError("the analysis ended before the cancel");
    }
    state.counters["latency_ms"] = latency;
}
BENCHMARK(BM_CancelLatency)
    ->Arg(500)
    ->Arg(2000)
    ->Arg(3500)
    ->Arg(5000)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->UseRealTime();

}  // namespace
}  // namespace kuvanto::bench

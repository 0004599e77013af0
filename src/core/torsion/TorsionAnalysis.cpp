// Running the torsion and shear analysis: element size, size guard, mesh, the two solutions and
// the error estimate from their difference.
#include "core/torsion/TorsionAnalysis.h"

#include <algorithm>
#include <cmath>
#include <future>
#include <limits>
#include <system_error>

#include "core/section/Figures.h"
#include "core/torsion/TorsionSolver.h"

// Marks a text of the core for translation without changing it.
#include "core/base/TranslationMarker.h"

namespace kuvanto {

namespace {

double relativeChange(double coarse, double fine, double floor) {
    const double scale = std::max(std::abs(fine), floor);
    return scale > 0 ? std::abs(fine - coarse) / scale : 0.0;
}

}  // namespace

double TorsionAnalysis::defaultElementSize(std::span<const SectionFigure> figures) {
    const SectionMesh::Extent extent = SectionMesh::extent(figures);
    if (!(extent.area > 0) || !(extent.perimeter > 0) || !std::isfinite(extent.area)) return 0;
    return std::min(kDefaultSizeFactor * 2 * extent.area / extent.perimeter,
                    std::sqrt(extent.area) / kDefaultDivisions);
}

std::vector<SectionFigure> TorsionAnalysis::figuresOf(const CoordTable& added,
                                                      const CoordTable& subtracted) {
    std::vector<SectionFigure> figures;
    int counter = 0;
    auto collect = [&figures](int sign) {
        return [&figures, sign](const Figure& figure) {
            figures.push_back({{figure.vertices.begin(), figure.vertices.end()}, sign});
            return true;
        };
    };
    if (!buildFigures(added, TableKind::Added, counter, collect(1)) ||
        !buildFigures(subtracted, TableKind::Subtracted, counter, collect(-1)))
        return {};
    return figures;
}

TorsionOutcome TorsionAnalysis::run(std::span<const SectionFigure> figures,
                                    const TorsionOptions& options) {
    TorsionOutcome outcome;
    const double nu = options.poissonRatio;
    if (!(nu >= 0 && nu < 0.5)) {
        outcome.status = TorsionStatus::BadPoissonRatio;
        return outcome;
    }
    auto progress = [&](int percent) {
        if (options.progress) options.progress(percent);
    };
    const double size = options.elementSize > 0 ? options.elementSize : defaultElementSize(figures);
    if (!(size > 0) || !std::isfinite(size)) {
        outcome.status = TorsionStatus::NoSection;
        return outcome;
    }
    // A solution takes about 2.3 nodes a triangle.
    const double estimated = SectionMesh::estimatedTriangles(figures, size);
    if (!(estimated * 2.3 < static_cast<double>(kMaxNodes))) {
        outcome.status = TorsionStatus::TooLarge;
        return outcome;
    }

    SectionMesh mesh;
    SectionMesh::Limits limits;
    limits.maxVertices = kMaxNodes / 3;
    limits.cancelled = options.cancelled;
    switch (SectionMesh::build(figures, size, limits, mesh)) {
        case SectionMesh::Status::Ok:
            break;
        case SectionMesh::Status::Empty:
            outcome.status = TorsionStatus::NoSection;
            return outcome;
        case SectionMesh::Status::NegativeCoverage:
            outcome.status = TorsionStatus::NegativeCoverage;
            return outcome;
        case SectionMesh::Status::TooLarge:
            outcome.status = TorsionStatus::TooLarge;
            return outcome;
        case SectionMesh::Status::Cancelled:
            outcome.status = TorsionStatus::Cancelled;
            return outcome;
        case SectionMesh::Status::Failed:
            outcome.status = TorsionStatus::Failed;
            return outcome;
    }
    const std::size_t nodes = TorsionSolver::nodeCount(mesh);
    if (nodes > kMaxNodes) {
        outcome.status = TorsionStatus::TooLarge;
        return outcome;
    }
    progress(15);

    // The solution on the refined mesh runs on a second thread beside the chosen mesh's own: the
    // estimate then costs about the refined solution's time and not the sum of both.
    const bool estimate = nodes * 4 <= kMaxEstimateNodes;
    auto solveRefined = [&mesh, nu, &options] {
        return TorsionSolver::solve(mesh.subdivided(), nu, options.cancelled);
    };
    std::future<std::optional<TorsionValues>> refined;
    if (estimate) {
        try {
            refined = std::async(std::launch::async, solveRefined);
        } catch (const std::system_error&) {
            // No thread to be had: the refined solution follows the other on this one.
        }
    }
    auto cancelled = [&] { return options.cancelled && options.cancelled(); };
    const std::optional<TorsionValues> coarse = TorsionSolver::solve(mesh, nu, options.cancelled);
    progress(estimate ? 40 : 100);
    std::optional<TorsionValues> fine;
    if (estimate) {
        try {
            fine = refined.valid() ? refined.get() : solveRefined();
        } catch (const std::bad_alloc&) {
            fine.reset();
        }
    }
    if (!coarse || (estimate && !fine)) {
        outcome.status = cancelled() ? TorsionStatus::Cancelled : TorsionStatus::Failed;
        return outcome;
    }
    progress(100);

    TorsionResult& result = outcome.result;
    result.values = *coarse;
    result.poissonRatio = nu;
    result.elementSize = size;
    result.overlapping = mesh.overlapping();
    result.errorEstimated = estimate;
    if (estimate) {
        const double polar = coarse->momentX + coarse->momentY;
        result.errorJ = relativeChange(coarse->torsionConstant, fine->torsionConstant, 0);
        // A section that hardly warps (a round bar) has Iw near zero: its change is measured
        // against a millionth of Ip²/A, the warping scale of the section's size.
        result.errorIw = relativeChange(coarse->warpingConstant, fine->warpingConstant,
                                        1e-6 * polar * polar / coarse->area);
    } else {
        result.errorJ = result.errorIw = std::numeric_limits<double>::quiet_NaN();
    }
    outcome.status = TorsionStatus::Ok;
    return outcome;
}

std::string_view TorsionAnalysis::message(TorsionStatus status) {
    switch (status) {
        case TorsionStatus::Ok:
            return {};
        case TorsionStatus::NoSection:
            return QT_TRANSLATE_NOOP("TorsionAnalysis",
                                     "ねじり・せん断: 計算できる断面がありません。");
        case TorsionStatus::BadPoissonRatio:
            return QT_TRANSLATE_NOOP(
                "TorsionAnalysis", "ねじり・せん断: ポアソン比は0以上0.5未満で指定してください。");
        case TorsionStatus::NegativeCoverage:
            return QT_TRANSLATE_NOOP(
                "TorsionAnalysis",
                "ねじり・せん断: 減算図形が加算図形の外にはみ出しているため計算できません。");
        case TorsionStatus::TooLarge:
            return QT_TRANSLATE_NOOP(
                "TorsionAnalysis",
                "ねじり・せん断: "
                "断面が大きすぎて要素分割できません。要素寸法を大きくしてください。");
        case TorsionStatus::Cancelled:
            return QT_TRANSLATE_NOOP("TorsionAnalysis", "ねじり・せん断: 計算を中止しました。");
        case TorsionStatus::Failed:
            return QT_TRANSLATE_NOOP("TorsionAnalysis", "ねじり・せん断: 計算できませんでした。");
    }
    return {};
}

std::vector<std::string_view> TorsionAnalysis::notices(const TorsionResult& result) {
    std::vector<std::string_view> texts;
    if (result.overlapping)
        texts.push_back(QT_TRANSLATE_NOOP(
            "TorsionAnalysis", "ねじり・せん断: 加算図形の重なった部分は二重に数えています。"));
    if (!result.errorEstimated)
        texts.push_back(QT_TRANSLATE_NOOP(
            "TorsionAnalysis", "ねじり・せん断: 要素が多いため、推定誤差は計算していません。"));
    return texts;
}

}  // namespace kuvanto

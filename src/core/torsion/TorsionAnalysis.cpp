// Running the torsion and shear analysis: element size, size guard, mesh, the two solutions and
// the error estimate from their difference.
#include "core/torsion/TorsionAnalysis.h"

#include <algorithm>
#include <cmath>

#include "core/Figures.h"
#include "core/torsion/TorsionSolver.h"

// Marks a text of the core for translation without changing it.
#include "core/TranslationMarker.h"

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
    // The refined mesh has four times the triangles and about eight times the nodes' share.
    const double estimated = SectionMesh::estimatedTriangles(figures, size);
    if (!(estimated * 4 * 2.5 < static_cast<double>(kMaxRefinedNodes))) {
        outcome.status = TorsionStatus::TooLarge;
        return outcome;
    }

    SectionMesh mesh;
    SectionMesh::Limits limits;
    limits.maxVertices = kMaxRefinedNodes / 16;
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
    if (TorsionSolver::nodeCount(mesh) * 4 > kMaxRefinedNodes) {
        outcome.status = TorsionStatus::TooLarge;
        return outcome;
    }
    progress(15);

    auto cancelled = [&] { return options.cancelled && options.cancelled(); };
    const std::optional<TorsionValues> coarse = TorsionSolver::solve(mesh, nu, options.cancelled);
    if (!coarse) {
        outcome.status = cancelled() ? TorsionStatus::Cancelled : TorsionStatus::Failed;
        return outcome;
    }
    progress(30);
    const SectionMesh fineMesh = mesh.subdivided();
    const std::optional<TorsionValues> fine = TorsionSolver::solve(fineMesh, nu, options.cancelled);
    if (!fine) {
        outcome.status = cancelled() ? TorsionStatus::Cancelled : TorsionStatus::Failed;
        return outcome;
    }
    progress(100);

    TorsionResult& result = outcome.result;
    result.values = *coarse;
    result.poissonRatio = nu;
    result.elementSize = size;
    result.overlapping = mesh.overlapping();
    const double polar = coarse->momentX + coarse->momentY;
    result.errorJ = relativeChange(coarse->torsionConstant, fine->torsionConstant, 0);
    // A section that hardly warps (a round bar) has Iw near zero: its change is measured
    // against a millionth of Ip²/A, the warping scale of the section's size.
    result.errorIw = relativeChange(coarse->warpingConstant, fine->warpingConstant,
                                    1e-6 * polar * polar / coarse->area);
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

std::string_view TorsionAnalysis::overlapNotice() {
    return QT_TRANSLATE_NOOP("TorsionAnalysis",
                             "ねじり・せん断: 加算図形の重なった部分は二重に数えています。");
}

}  // namespace kuvanto

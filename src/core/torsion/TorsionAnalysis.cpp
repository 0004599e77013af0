// Running the torsion and shear analysis: element size, size guard, mesh, the two solutions and
// the error estimate from their difference.
#include "core/torsion/TorsionAnalysis.h"

#include <algorithm>
#include <atomic>
#include <cmath>
#include <future>
#include <limits>
#include <memory>
#include <numeric>
#include <system_error>

#include "core/section/Figures.h"
#include "core/torsion/MirrorSymmetry.h"
#include "core/torsion/TorsionSolver.h"

// Marks a text of the core for translation without changing it.
#include "core/base/TranslationMarker.h"

namespace kuvanto {

namespace {

// The lower bound of J comes from the stress function on the coarser mesh of the last pair when
// that leaves J within this interval (relative); otherwise the stress function is solved on the
// mesh of the solution shown as well (four times the work), and the better is taken.
constexpr double kLowerBoundInterval = 1e-3;

double relativeChange(double coarse, double fine, double floor) {
    const double scale = std::max(std::abs(fine), floor);
    return scale > 0 ? std::abs(fine - coarse) / scale : 0.0;
}

struct Solution {
    TorsionValues values;
    TorsionField field;
};

// The triangles' moduli of a mesh: its materials against the reference, or its coverage with
// the section's Poisson's ratio for one material. Nothing when a triangle's material cannot be
// weighed.
std::optional<ElementModuli> moduliOf(const SectionMesh& mesh, const TorsionOptions& options) {
    if (options.materials.empty()) return ElementModuli::uniform(mesh, options.poissonRatio);
    return ElementModuli::of(mesh, options.materials, options.reference);
}

std::optional<Solution> solveOn(const SectionMesh& mesh, const TorsionOptions& options,
                                const std::function<bool()>& cancelled) {
    const std::optional<ElementModuli> moduli = moduliOf(mesh, options);
    if (!moduli) return std::nullopt;
    Solution solution;
    std::optional<TorsionValues> values =
        TorsionSolver::solve(mesh, *moduli, cancelled, &solution.field);
    if (!values) return std::nullopt;
    solution.values = *values;
    return solution;
}

// One round of refinement: the solutions on a mesh and on its subdivision, and a lower bound of J
// for the round that turns out to be the last. The finer solution runs on this thread; a second
// one solves the coarser mesh (about a quarter of the work) and then the stress function on the
// coarser mesh (less again), so that the round costs about the finer solution's time. Once both
// solutions are in, the caller knows whether the round is the last; if it is not, the lower bound
// is abandoned (its solver is told to stop).
class RefinementRound {
public:
    RefinementRound(const SectionMesh& mesh, const TorsionOptions& options,
                    const std::function<bool()>& cancelled)
        : mesh_(mesh), fine_(mesh.subdivided()), options_(options), cancelled_(cancelled) {}
    RefinementRound(const RefinementRound&) = delete;
    RefinementRound& operator=(const RefinementRound&) = delete;
    ~RefinementRound() { stop(); }

    // Solves the pair; false when cancelled or when either solution fails.
    bool solve() {
        // Nothing may escape the second thread: this one waits for its coarser solution.
        auto besideWork = [this] {
            std::optional<Solution> coarse;
            try {
                coarse = solveOn(mesh_, options_, cancelled_);
            } catch (...) {
                coarse.reset();
            }
            const bool solved = coarse.has_value();
            coarseReady_.set_value(std::move(coarse));
            if (!solved) return;
            try {
                coarseLowerBound_ = lowerBoundOn(
                    mesh_, [this] { return abandoned_.load() || (cancelled_ && cancelled_()); });
            } catch (...) {
                coarseLowerBound_.reset();
            }
        };
        try {
            beside_ = std::async(std::launch::async, besideWork);
        } catch (const std::system_error&) {
            // No thread to be had: the coarser solution first, on this thread, and the lower
            // bound later, when the round is known to be the last.
            std::optional<Solution> coarse = solveOn(mesh_, options_, cancelled_);
            coarseReady_.set_value(std::move(coarse));
        }
        try {
            fineSolution_ = solveOn(fine_, options_, cancelled_);
        } catch (const std::bad_alloc&) {
            fineSolution_.reset();
        }
        coarseSolution_ = coarseReady_.get_future().get();
        if (!fineSolution_ || !coarseSolution_) stop();
        return fineSolution_ && coarseSolution_;
    }

    Solution& coarse() { return *coarseSolution_; }
    Solution& fine() { return *fineSolution_; }

    // Abandons the lower bound and waits for the second thread: the coarser mesh may change then.
    void stop() {
        abandoned_ = true;
        if (beside_.valid()) beside_.get();
    }

    // A lower bound of J, the finer solution's J being `upper`: the stress function's on the
    // coarser mesh when it is within `interval` of it (relative), else the better of that and
    // the stress function's on the finer mesh.
    std::optional<double> lowerBound(double upper, double interval) {
        if (beside_.valid())
            beside_.get();
        else
            coarseLowerBound_ = lowerBoundOn(mesh_, cancelled_);
        if (coarseLowerBound_ && upper - *coarseLowerBound_ <= interval * upper)
            return coarseLowerBound_;
        const std::optional<double> fine = lowerBoundOn(fine_, cancelled_);
        if (fine && coarseLowerBound_) return std::max(*fine, *coarseLowerBound_);
        return fine ? fine : coarseLowerBound_;
    }

private:
    // The stress function's J on one of the two meshes; of several materials, with each
    // triangle's compliance.
    std::optional<double> lowerBoundOn(const SectionMesh& mesh,
                                       const std::function<bool()>& cancelled) const {
        if (options_.materials.empty()) return TorsionSolver::lowerBound(mesh, cancelled);
        const std::optional<ElementModuli> moduli = moduliOf(mesh, options_);
        if (!moduli) return std::nullopt;
        return TorsionSolver::lowerBound(mesh, cancelled, &*moduli);
    }

    const SectionMesh& mesh_;
    const SectionMesh fine_;
    const TorsionOptions& options_;
    const std::function<bool()>& cancelled_;
    std::promise<std::optional<Solution>> coarseReady_;
    std::future<void> beside_;
    std::atomic<bool> abandoned_{false};
    std::optional<Solution> coarseSolution_, fineSolution_;
    std::optional<double> coarseLowerBound_;
};

// The relative changes from the coarse solution to the fine one.
void estimateErrors(const TorsionValues& coarse, const TorsionValues& fine, TorsionResult& result) {
    const double polar = fine.momentX + fine.momentY;
    result.errorEstimated = true;
    result.errorJ = relativeChange(coarse.torsionConstant, fine.torsionConstant, 0);
    // A section that hardly warps (a round bar) has Iw near zero: its change is measured
    // against a millionth of Ip²/A, the warping scale of the section's size.
    result.errorIw = relativeChange(coarse.warpingConstant, fine.warpingConstant,
                                    1e-6 * polar * polar / fine.area);
    const double radius = std::sqrt(polar / fine.area);
    result.errorCentre = radius > 0 ? std::hypot(fine.shearCentreX - coarse.shearCentreX,
                                                 fine.shearCentreY - coarse.shearCentreY) /
                                          radius
                                    : 0.0;
    result.errorShearArea = std::max(relativeChange(coarse.shearAreaMajor, fine.shearAreaMajor, 0),
                                     relativeChange(coarse.shearAreaMinor, fine.shearAreaMinor, 0));
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

std::vector<SectionFigure> TorsionAnalysis::figuresOf(const CoordTable& added,
                                                      const CoordTable& subtracted,
                                                      const SectionMaterials& materials,
                                                      TorsionOptions& options) {
    std::vector<SectionFigure> figures = figuresOf(added, subtracted);
    const Material* reference = materials.reference();
    if (materials.noneAssigned() || !reference) return figures;
    options.materials = materials.materials();
    options.reference = *reference;
    // The figures come as the tables number them: the added ones, then the subtracted ones.
    int addedCount = 0;
    int counter = 0;
    buildFigures(added, TableKind::Added, counter, [&](const Figure&) {
        ++addedCount;
        return true;
    });
    for (std::size_t i = 0; i < figures.size(); ++i) {
        const bool isAdded = static_cast<int>(i) < addedCount;
        const int index = isAdded ? static_cast<int>(i) + 1 : static_cast<int>(i) - addedCount + 1;
        const Material* material =
            materials.materialOf(isAdded ? TableKind::Added : TableKind::Subtracted, index);
        if (!material) continue;
        const auto place =
            std::find_if(options.materials.begin(), options.materials.end(),
                         [&](const Material& m) { return m.name == material->name; });
        figures[i].material = static_cast<int>(place - options.materials.begin());
    }
    return figures;
}

TorsionOutcome TorsionAnalysis::run(std::span<const SectionFigure> figures,
                                    const TorsionOptions& options) {
    TorsionOutcome outcome;
    const bool composite = !options.materials.empty();
    const double nu = composite ? options.reference.poissonRatio : options.poissonRatio;
    if (!(nu >= 0 && nu < 0.5)) {
        outcome.status = TorsionStatus::BadPoissonRatio;
        return outcome;
    }
    // Every figure carries a listed material, or none does.
    for (const SectionFigure& figure : figures) {
        const bool listed =
            figure.material >= 0 && figure.material < static_cast<int>(options.materials.size());
        if (composite ? !listed : figure.material != -1) {
            outcome.status = TorsionStatus::MissingMaterial;
            return outcome;
        }
    }
    if (composite) {
        for (const Material& material : options.materials)
            if (materialProblem(material)) {
                outcome.status = TorsionStatus::MissingMaterial;
                return outcome;
            }
        if (materialProblem(options.reference)) {
            outcome.status = TorsionStatus::MissingMaterial;
            return outcome;
        }
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
        case SectionMesh::Status::NegativeMaterial:
            outcome.status = TorsionStatus::NegativeMaterial;
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
    auto cancelled = [&] { return options.cancelled && options.cancelled(); };
    TorsionResult& result = outcome.result;
    result.poissonRatio = nu;
    result.elementSize = size;
    result.overlapping = mesh.overlapping();
    if (composite) {
        result.referenceShearModulus = options.reference.shearModulus();
        result.referenceElasticModulus = options.reference.elasticModulus;
    }

    if (nodes * 4 > kMaxEstimateNodes) {
        // Too fine to refine: the one solution, without an estimate.
        auto field = std::make_shared<TorsionField>();
        const std::optional<ElementModuli> moduli = moduliOf(mesh, options);
        const std::optional<TorsionValues> only =
            moduli ? TorsionSolver::solve(mesh, *moduli, options.cancelled, field.get())
                   : std::nullopt;
        if (!only) {
            outcome.status = cancelled() ? TorsionStatus::Cancelled : TorsionStatus::Failed;
            return outcome;
        }
        result.values = *only;
        result.values.torsionConstantLower = std::numeric_limits<double>::quiet_NaN();
        result.field = std::move(field);
        result.errorEstimated = false;
        result.errorJ = result.errorIw = result.errorCentre = result.errorShearArea =
            std::numeric_limits<double>::quiet_NaN();
        MirrorSymmetry::placeCentres(figures, result.values);
        progress(100);
        outcome.status = TorsionStatus::Ok;
        return outcome;
    }

    // Solve on the mesh and on its subdivision; where the two differ most, halve the mesh's
    // triangles and solve again, until the change is below kTargetError. The subdivision's
    // solution is the better one and is shown, with the change as its estimated error, and the
    // stress function bounds J from below.
    std::optional<double> lower;
    for (int round = 0;; ++round) {
        RefinementRound pair(mesh, options, options.cancelled);
        if (!pair.solve()) {
            outcome.status = cancelled() ? TorsionStatus::Cancelled : TorsionStatus::Failed;
            return outcome;
        }
        estimateErrors(pair.coarse().values, pair.fine().values, result);
        result.values = pair.fine().values;
        result.field = std::make_shared<const TorsionField>(std::move(pair.fine().field));
        result.refinements = round;
        const bool connected = result.values.parts <= 1;
        const double largest =
            std::max(result.errorJ, connected ? std::max(result.errorIw, result.errorCentre) : 0.0);
        progress(std::min(95, 40 + 10 * round));
        if (largest > kTargetError && round < kMaxRefinements) {
            // Dörfler marking: the triangles of the largest indicators that together hold half
            // of the error.
            const std::vector<double> indicator =
                TorsionSolver::refinementIndicator(pair.coarse().field, *result.field);
            std::vector<std::size_t> order(indicator.size());
            std::iota(order.begin(), order.end(), 0);
            std::sort(order.begin(), order.end(),
                      [&](std::size_t a, std::size_t b) { return indicator[a] > indicator[b]; });
            const double total = std::accumulate(indicator.begin(), indicator.end(), 0.0);
            std::vector<bool> marked(indicator.size(), false);
            double sum = 0;
            for (const std::size_t t : order) {
                if (sum >= kMarkedShare * total) break;
                marked[t] = true;
                sum += indicator[t];
            }
            SectionMesh refined = mesh.bisected(marked);
            if (cancelled()) {
                outcome.status = TorsionStatus::Cancelled;
                return outcome;
            }
            if (TorsionSolver::nodeCount(refined) * 4 <= kMaxEstimateNodes) {
                pair.stop();
                mesh = std::move(refined);
                continue;
            }
        }
        lower = pair.lowerBound(result.values.torsionConstant, kLowerBoundInterval);
        break;
    }
    if (cancelled()) {
        outcome.status = TorsionStatus::Cancelled;
        return outcome;
    }
    result.values.torsionConstantLower = lower ? std::min(*lower, result.values.torsionConstant)
                                               : std::numeric_limits<double>::quiet_NaN();
    MirrorSymmetry::placeCentres(figures, result.values);
    progress(100);
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
        case TorsionStatus::NegativeMaterial:
            return QT_TRANSLATE_NOOP(
                "TorsionAnalysis",
                "ねじり・せん断: 減算図形が、同じ材料の加算図形の外にはみ出しているため計算できま"
                "せん。");
        case TorsionStatus::MissingMaterial:
            return QT_TRANSLATE_NOOP(
                "TorsionAnalysis",
                "ねじり・せん断: 材料が指定されていない図形があるため計算できません。");
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

std::vector<TorsionNotice> TorsionAnalysis::notices(const TorsionResult& result) {
    std::vector<TorsionNotice> texts;
    if (result.referenceShearModulus > 0)
        texts.push_back({QT_TRANSLATE_NOOP(
            "TorsionAnalysis",
            "ねじり・せん断: 複数の材料からなる断面のため、ねじり定数、曲げねじり定数、せん断断"
            "面積は基準材料に換算した値で、図心は剛心です。剛性は[複合断面]に示します。")});
    if (result.values.parts > 1)
        texts.push_back(
            {QT_TRANSLATE_NOOP("TorsionAnalysis",
                               "ねじり・せん断: 断面は%1つの離れた部分からなります。"
                               "曲げねじり定数、せん断中心、せん断断面積は一つにつながっ"
                               "た断面の値のため「-」とし、ねじり定数は各部分の和です。"),
             result.values.parts});
    if (result.overlapping)
        texts.push_back({QT_TRANSLATE_NOOP(
            "TorsionAnalysis", "ねじり・せん断: 加算図形の重なった部分は二重に数えています。")});
    if (!result.errorEstimated)
        texts.push_back({QT_TRANSLATE_NOOP(
            "TorsionAnalysis", "ねじり・せん断: 要素が多いため、推定誤差は計算していません。")});
    return texts;
}

std::string TorsionAnalysis::noticeText(const TorsionNotice& notice) {
    std::string text(notice.text);
    const std::size_t at = text.find("%1");
    if (at != std::string::npos) text.replace(at, 2, std::to_string(notice.number));
    return text;
}

}  // namespace kuvanto

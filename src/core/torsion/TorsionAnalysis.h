// The torsion and shear analysis of a section from its figures: chooses the element size, refuses
// sections too large to solve in reasonable memory, meshes, solves on the mesh and on the mesh
// refined once, and refines where the two differ most until they agree. Can be cancelled and
// reports its progress, for a worker thread.
#pragma once

#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/section/Material.h"
#include "core/section/SectionMaterials.h"
#include "core/table/CoordTable.h"
#include "core/torsion/SectionMesh.h"
#include "core/torsion/TorsionResult.h"

namespace kuvanto {

struct TorsionOptions {
    double poissonRatio = 0.3;  // of a section of one material
    // The materials the figures' `material` indices name, and the reference material the values
    // are transformed to; empty for a section of one material.
    std::vector<Material> materials;
    Material reference;
    double elementSize = 0;  // largest element edge; 0 chooses it from the section's own scale
    std::function<bool()> cancelled;
    std::function<void(int percent)> progress;
};

enum class TorsionStatus {
    Ok,
    NoSection,
    BadPoissonRatio,
    NegativeCoverage,
    NegativeMaterial,  // a subtracted figure takes away a material its figures do not put there
    MissingMaterial,   // some figures carry a material and others none, or an unknown one
    TooLarge,
    Cancelled,
    Failed
};

// A notice shown with results: a text marked for translation and, where the text holds "%1",
// the number put in its place.
struct TorsionNotice {
    std::string_view text;
    int number = 0;
};

struct TorsionOutcome {
    TorsionStatus status = TorsionStatus::Failed;
    TorsionResult result;  // valid when status is Ok
};

class TorsionAnalysis {
public:
    // The default element size is this fraction of twice the area over the perimeter (the wall
    // thickness of a thin-walled section, half the diameter of a round bar), and at most the
    // square root of the area over kDefaultDivisions, for compact sections with few vertices.
    // Measured: J of a 50 x 100 rectangle within 3e-5 of the series solution, J and Iw of the
    // shipped parts within about 1e-4.
    static constexpr double kDefaultSizeFactor = 0.5;
    static constexpr double kDefaultDivisions = 10;
    // Largest number of nodes of one solution: its factorisation stays within about 1.5 GB
    // (measured: about 0.45 KB a node; see bench/torsion). Larger sections are refused.
    static constexpr std::size_t kMaxNodes = 3'000'000;
    // Largest number of nodes of the solution on the refined mesh behind the error estimate
    // (four times the nodes of the chosen mesh). Above it the estimate is left out: on a section
    // of 10^5 outline vertices it would take twice as long as everything else together, and
    // its boundary alone makes the mesh so fine that J and Iw change by less than 1e-6 anyway.
    static constexpr std::size_t kMaxEstimateNodes = 1'200'000;
    // Refinement stops once J, Iw and the shear centre change by less than this from a mesh to
    // its subdivision, or after kMaxRefinements rounds. Each round halves the triangles that
    // hold kMarkedShare of the estimated error (re-entrant corners, mostly).
    static constexpr double kTargetError = 5e-4;
    static constexpr int kMaxRefinements = 8;
    static constexpr double kMarkedShare = 0.5;

    static TorsionOutcome run(std::span<const SectionFigure> figures,
                              const TorsionOptions& options);

    // The figures of the two tables: added ones +1, subtracted ones -1. Nothing when a vertex
    // row is not a number (the calculation fails on it too).
    static std::vector<SectionFigure> figuresOf(const CoordTable& added,
                                                const CoordTable& subtracted);
    // The same with the figures' materials: when any figure carries one, each figure's
    // `material` is its index in `materials` and options receive the list and the reference
    // (the section's chosen or most common material). A figure without a material keeps -1,
    // which run() refuses as MissingMaterial.
    static std::vector<SectionFigure> figuresOf(const CoordTable& added,
                                                const CoordTable& subtracted,
                                                const SectionMaterials& materials,
                                                TorsionOptions& options);

    // The element size run() uses for the figures when none is given (0 when they have no
    // area).
    static double defaultElementSize(std::span<const SectionFigure> figures);

    // The message shown in place of the results for a status other than Ok.
    static std::string_view message(TorsionStatus status);
    // The notices shown with results: values of a section of several materials transformed to
    // the reference material, a section of several separate parts, added figures overlap, the
    // error estimate was left out.
    static std::vector<TorsionNotice> notices(const TorsionResult& result);
    // The notice's untranslated text with its number in place.
    static std::string noticeText(const TorsionNotice& notice);
};

}  // namespace kuvanto

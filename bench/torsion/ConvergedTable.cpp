// kuvanto-torsion-converged: the converged J and Iw of every shipped H, I, channel and angle part,
// as the fixture tests/fixtures/torsion-converged.csv holds them. Each part is meshed at the
// default element size and solved; the mesh is then halved (every triangle cut into four, the
// same section) and solved again until J and Iw change by less than 0.001 % from one mesh to the
// next, and the finer values are written. The refined solutions are solved directly, without the
// analysis's own error estimate, which would cost four times as much again.
//   kuvanto-torsion-converged > tests/fixtures/torsion-converged.csv
#include <cmath>
#include <cstdio>
#include <optional>
#include <set>
#include <string>

#include "core/shapes/OutlineInsertion.h"
#include "core/torsion/SectionMesh.h"
#include "core/torsion/TorsionAnalysis.h"
#include "core/torsion/TorsionSolver.h"
#include "io/ShippedLibrary.h"

using namespace kuvanto;

namespace {

constexpr double kTolerance = 1e-5;
constexpr int kMaxHalvings = 5;
const std::set<std::string> kCategories{"h-shapes.csv", "i-shapes.csv", "channels.csv",
                                        "equal-angles.csv"};

double change(double coarse, double fine) {
    return std::abs(fine - coarse) / std::abs(fine);
}

}  // namespace

int main() {
    std::printf("part,J,Iw,elements\n");
    for (const LibraryCategory& category : ShippedLibrary::categories(ShippedLibrary::folder())) {
        if (!kCategories.count(category.entry.file)) continue;
        for (const std::string& name : category.parts) {
            const std::optional<LibraryPart> part =
                ShippedLibrary::findPart(ShippedLibrary::folder(), name);
            CoordTable added;
            if (part) insertOutline(added, 1, part->outline, {0, 0}, {0, 0});
            const std::vector<SectionFigure> figures =
                TorsionAnalysis::figuresOf(added, CoordTable());
            SectionMesh mesh;
            if (!part || SectionMesh::build(figures, TorsionAnalysis::defaultElementSize(figures),
                                            {}, mesh) != SectionMesh::Status::Ok) {
                std::fprintf(stderr, "%s: cannot be meshed\n", name.c_str());
                return 1;
            }
            std::optional<TorsionValues> previous = TorsionSolver::solve(mesh, 0.3);
            bool converged = false;
            for (int halving = 0; previous && halving < kMaxHalvings && !converged; ++halving) {
                mesh = mesh.subdivided();
                const std::optional<TorsionValues> now = TorsionSolver::solve(mesh, 0.3);
                if (!now) break;
                converged = change(previous->torsionConstant, now->torsionConstant) < kTolerance &&
                            change(previous->warpingConstant, now->warpingConstant) < kTolerance;
                previous = now;
            }
            if (!converged) {
                std::fprintf(stderr, "%s: J and Iw do not converge\n", name.c_str());
                return 1;
            }
            std::printf("%s,%.17g,%.17g,%d\n", name.c_str(), previous->torsionConstant,
                        previous->warpingConstant, previous->elements);
            std::fflush(stdout);
        }
    }
    return 0;
}

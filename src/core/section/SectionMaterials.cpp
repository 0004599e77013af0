// The materials of one section and their assignment to figures.

#include "core/section/SectionMaterials.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <tuple>

#include "core/section/Figures.h"

namespace kuvanto {

bool SectionMaterials::setMaterial(const Material& material) {
    if (materialProblem(material)) return false;
    for (Material& m : materials_) {
        if (m.name == material.name) {
            m = material;
            return true;
        }
    }
    materials_.push_back(material);
    return true;
}

const Material* SectionMaterials::find(std::string_view name) const {
    for (const Material& m : materials_) {
        if (m.name == name) return &m;
    }
    return nullptr;
}

bool SectionMaterials::assign(TableKind kind, int index, std::string_view name) {
    if (index < 1) return false;
    if (!name.empty() && !find(name)) return false;
    const auto key = [](TableKind k, int i) { return std::tuple(k == TableKind::Subtracted, i); };
    const auto place = std::lower_bound(
        assignments_.begin(), assignments_.end(), key(kind, index),
        [&](const FigureMaterial& a, const auto& k) { return key(a.kind, a.index) < k; });
    const bool present =
        place != assignments_.end() && place->kind == kind && place->index == index;
    if (name.empty()) {
        if (present) assignments_.erase(place);
    } else if (present) {
        place->name = std::string(name);
    } else {
        assignments_.insert(place, {kind, index, std::string(name)});
    }
    return true;
}

const Material* SectionMaterials::materialOf(TableKind kind, int index) const {
    for (const FigureMaterial& a : assignments_) {
        if (a.kind == kind && a.index == index) return find(a.name);
    }
    return nullptr;
}

const Material* SectionMaterials::mostCommon() const {
    const Material* best = nullptr;
    std::ptrdiff_t bestCount = 0;
    for (const Material& m : materials_) {
        const auto count = std::count_if(assignments_.begin(), assignments_.end(),
                                         [&](const FigureMaterial& a) { return a.name == m.name; });
        if (count > bestCount) {
            best = &m;
            bestCount = count;
        }
    }
    return best;
}

namespace {

std::vector<std::uint64_t> tableFingerprints(const CoordTable& table, TableKind kind) {
    std::vector<std::uint64_t> prints;
    int counter = 0;
    buildFigures(table, kind, counter, [&](const Figure& figure) {
        // FNV-1a over the coordinates' bits.
        std::uint64_t hash = 14695981039346656037ull;
        for (const Point& p : figure.vertices) {
            for (const double v : {p.x, p.y}) {
                std::uint64_t bits;
                std::memcpy(&bits, &v, sizeof bits);
                for (int i = 0; i < 8; ++i) {
                    hash ^= (bits >> (8 * i)) & 0xFF;
                    hash *= 1099511628211ull;
                }
            }
        }
        prints.push_back(hash);
        return true;
    });
    return prints;
}

}  // namespace

SectionMaterials::Fingerprints SectionMaterials::fingerprintsOf(const CoordTable& add,
                                                                const CoordTable& subtracted) {
    return {tableFingerprints(add, TableKind::Added),
            tableFingerprints(subtracted, TableKind::Subtracted)};
}

void SectionMaterials::followFigures(const Fingerprints& before, const Fingerprints& after) {
    std::vector<FigureMaterial> kept;
    for (const FigureMaterial& a : assignments_) {
        const bool added = a.kind == TableKind::Added;
        const std::vector<std::uint64_t>& old = added ? before.added : before.subtracted;
        const std::vector<std::uint64_t>& now = added ? after.added : after.subtracted;
        const auto place = static_cast<std::size_t>(a.index - 1);
        if (place >= old.size()) {
            // Not a figure before (a file may name one beyond its figures): left as it was.
            kept.push_back(a);
            continue;
        }
        const std::uint64_t print = old[place];
        if (place < now.size() && now[place] == print) {
            kept.push_back(a);
            continue;
        }
        const auto count = std::count(now.begin(), now.end(), print);
        if (count == 1) {
            FigureMaterial moved = a;
            moved.index =
                static_cast<int>(std::find(now.begin(), now.end(), print) - now.begin()) + 1;
            kept.push_back(moved);
        } else if (old.size() == now.size()) {
            kept.push_back(a);  // changed in place
        }
    }
    // Back in table order, one material per figure (the first one that landed there).
    std::stable_sort(kept.begin(), kept.end(),
                     [](const FigureMaterial& x, const FigureMaterial& y) {
                         return std::tuple(x.kind == TableKind::Subtracted, x.index) <
                                std::tuple(y.kind == TableKind::Subtracted, y.index);
                     });
    kept.erase(std::unique(kept.begin(), kept.end(),
                           [](const FigureMaterial& x, const FigureMaterial& y) {
                               return x.kind == y.kind && x.index == y.index;
                           }),
               kept.end());
    assignments_ = std::move(kept);
}

std::optional<int> figureAtRow(const CoordTable& table, int row) {
    const std::span<const Point> points = table.points();
    const int rows = static_cast<int>(points.size());
    if (row < 1 || row >= rows) return std::nullopt;
    int completed = 0;  // figures closed above the current run
    bool runHasVertex = false;
    for (int r = 1; r < rows; ++r) {
        const bool vertex = !std::isnan(points[static_cast<std::size_t>(r)].x);
        const bool separator = !vertex && table.textView(r, 0) == kSeparatorText;
        if (vertex) runHasVertex = true;
        if (r >= row && runHasVertex) return completed + 1;
        if (separator && runHasVertex) {
            ++completed;
            runHasVertex = false;
        }
    }
    return std::nullopt;
}

}  // namespace kuvanto

// The materials of one section and their assignment to figures.

#include "core/section/SectionMaterials.h"

#include <algorithm>
#include <tuple>

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

}  // namespace kuvanto

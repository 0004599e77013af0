// The per-triangle material weights of the torsion and shear solution. Where figures of several
// materials overlap, their moduli add up as their areas do in the transformed section; Poisson's
// ratio is then the shear-weighted mean of theirs.
#include "core/torsion/ElementModuli.h"

#include <algorithm>
#include <cmath>

namespace kuvanto {

double ElementModuli::largestPoisson() const {
    double largest = referencePoisson;
    for (const double nu : poisson) largest = std::max(largest, nu);
    return largest;
}

ElementModuli ElementModuli::uniform(const SectionMesh& mesh, double nu) {
    ElementModuli moduli;
    const std::size_t count = mesh.triangles().size();
    moduli.shear.resize(count);
    for (std::size_t e = 0; e < count; ++e) moduli.shear[e] = mesh.triangles()[e].coverage;
    moduli.elastic = moduli.shear;
    moduli.poisson.assign(count, nu);
    moduli.loadFactor.assign(count, 1 + nu);
    moduli.referencePoisson = nu;
    return moduli;
}

std::optional<ElementModuli> ElementModuli::of(const SectionMesh& mesh,
                                               std::span<const Material> materials,
                                               const Material& reference) {
    const double referenceShear = reference.shearModulus();
    if (!(reference.elasticModulus > 0) || !(referenceShear > 0) ||
        !std::isfinite(reference.elasticModulus))
        return std::nullopt;
    // The weights of each entry of counts, then looked up per triangle.
    struct Weights {
        double shear = 0, elastic = 0, poisson = 0, loadFactor = 0;
    };
    std::vector<Weights> entries;
    for (const std::vector<int>& counts : mesh.materialCounts()) {
        if (counts.size() > materials.size()) return std::nullopt;
        double shear = 0, elastic = 0, shearPoisson = 0;
        for (std::size_t m = 0; m < counts.size(); ++m) {
            if (counts[m] == 0) continue;
            const Material& material = materials[m];
            shear += counts[m] * material.shearModulus();
            elastic += counts[m] * material.elasticModulus;
            shearPoisson += counts[m] * material.shearModulus() * material.poissonRatio;
        }
        Weights w;
        if (shear > 0 && elastic > 0) {
            w.shear = shear / referenceShear;
            w.elastic = elastic / reference.elasticModulus;
            w.poisson = shearPoisson / shear;
            w.loadFactor = elastic / (2 * shear);
        }
        entries.push_back(w);
    }
    ElementModuli moduli;
    const std::size_t count = mesh.triangles().size();
    moduli.shear.resize(count);
    moduli.elastic.resize(count);
    moduli.poisson.resize(count);
    moduli.loadFactor.resize(count);
    for (std::size_t e = 0; e < count; ++e) {
        const auto entry = static_cast<std::size_t>(mesh.triangles()[e].materials);
        if (entry >= entries.size() || !(entries[entry].shear > 0)) return std::nullopt;
        const Weights& w = entries[entry];
        moduli.shear[e] = w.shear;
        moduli.elastic[e] = w.elastic;
        moduli.poisson[e] = w.poisson;
        moduli.loadFactor[e] = w.loadFactor;
    }
    moduli.referencePoisson = reference.poissonRatio;
    moduli.referenceShearModulus = referenceShear;
    moduli.referenceElasticModulus = reference.elasticModulus;
    return moduli;
}

}  // namespace kuvanto

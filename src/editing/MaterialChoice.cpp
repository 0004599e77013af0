// The choice of a figure's material as a change of the section's materials that the workspace
// records as one step.
#include "editing/MaterialChoice.h"

#include <QCoreApplication>
#include <algorithm>

#include "editing/Workspace.h"

namespace kuvanto {

std::vector<Material> materialChoices(const SectionMaterials& section,
                                      const std::vector<Material>& library) {
    std::vector<Material> choices = section.materials();
    for (const Material& m : library) {
        if (!section.find(m.name)) choices.push_back(m);
    }
    return choices;
}

std::vector<const Material*> carriedMaterials(const SectionMaterials& section) {
    std::vector<const Material*> carried;
    for (const Material& m : section.materials()) {
        const bool used = std::any_of(section.assignments().begin(), section.assignments().end(),
                                      [&](const FigureMaterial& a) { return a.name == m.name; });
        if (used) carried.push_back(&m);
    }
    return carried;
}

bool chooseFigureMaterial(Workspace& work, TableKind kind, int figure, const Material* material,
                          QString* error) {
    if (figure < 1) return false;
    SectionMaterials now = work.materials;
    if (material) {
        if (const auto problem = materialProblem(*material)) {
            if (error) *error = QCoreApplication::translate("Material", problem->c_str());
            return false;
        }
        // The section keeps what its file can hold: the values, not where they come from.
        Material listed = *material;
        listed.source.clear();
        now.setMaterial(listed);
        now.assign(kind, figure, material->name);
    } else {
        now.assign(kind, figure, {});
    }
    return work.changeMaterials(std::move(now), error);
}

}  // namespace kuvanto

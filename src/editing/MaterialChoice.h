// Giving the figures their materials: the list the window's chooser offers, the materials the
// figures carry (for the canvas legend and the reference chooser), and the command that gives one
// figure a material, or takes it away, as one undo step.
#pragma once

#include <QString>
#include <string>
#include <vector>

#include "core/section/SectionMaterials.h"

namespace kuvanto {

class Workspace;

// The materials a figure can be given: those the section lists (with the values its file gave
// them) first, then those of the user's list that the section does not list by name.
std::vector<Material> materialChoices(const SectionMaterials& section,
                                      const std::vector<Material>& library);

// The materials some figure carries, in the order the section lists them.
std::vector<const Material*> carriedMaterials(const SectionMaterials& section);

// Gives figure `figure` (from 1) of the table the material, listing it in the section when it is
// not listed yet (or with other values), or takes the figure's material away when `material` is
// null. One undo step with its snapshot; false, and no step, when nothing changes or the material
// cannot describe one (its problem in `error`).
bool chooseFigureMaterial(Workspace& work, TableKind kind, int figure, const Material* material,
                          QString* error = nullptr);

}  // namespace kuvanto

// The materials of a section in the text form of the tables and in coordinate files: after the
// subtracted table a line "<<材料>>," and one line per material, then a line "<<図形材料>>," and
// one line per figure that carries a material ("加算,N,NAME" or "減算,N,NAME", N counting the
// figures of that table from 1). A material's line is its name and one quoted field of E, ν, fy
// and ρ, `SS400,"205000,0.3,235,7.85"`: a reader without materials takes every field of a file
// as part of an X,Y pair, and unquoted numbers there would pair up into stray vertices of the
// subtracted table. The reader also takes the five fields unquoted.
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "core/section/SectionMaterials.h"

namespace kuvanto {

// Appends the materials' lines to the text; nothing for a section without materials.
void appendMaterialText(std::string& out, const SectionMaterials& materials);

// Reads the lines from a materials marker on (see TableAppender::MaterialsHandler) into
// `materials`, which the caller has cleared. A line that does not describe a material or an
// assignment (a value that is no number or out of range, an invalid name, a material not listed,
// a figure number below 1) is left out and its message handed to `onSkip`.
void parseMaterialText(std::string_view text, SectionMaterials& materials,
                       const std::function<void(const std::string&)>& onSkip);

}  // namespace kuvanto

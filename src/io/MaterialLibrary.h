// The user's list of materials, kept beside the shape library in the working folder as
// "materials.csv": one line per material, NAME,E,ν,fy,ρ,SOURCE (N/mm², g/cm³), code page 932 or
// UTF-8. Until the user saves a list of their own the shipped list is theirs.
#pragma once

#include <QString>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/section/Material.h"

namespace kuvanto {

class MaterialLibrary {
public:
    static constexpr const char* kFileName = "materials.csv";

    // The file's text for the materials.
    static std::string text(const std::vector<Material>& materials);
    // The materials of the text; a line that does not describe a material is left out and its
    // message handed to `onSkip`. A name listed twice keeps its last values.
    static std::vector<Material> parse(std::string_view utf8,
                                       const std::function<void(const std::string&)>& onSkip);

    // The list in the folder's file, or the shipped list when the folder has none. Nothing (and
    // `error`) when the file is there but cannot be read.
    static std::optional<std::vector<Material>> read(
        const QString& folder, QString* error = nullptr,
        const std::function<void(const std::string&)>& onSkip = {});
    // Replaces the folder's file through the safe write. False (and `error`) when it cannot be
    // written; the old file is then untouched.
    static bool write(const QString& folder, const std::vector<Material>& materials,
                      QString* error = nullptr);
};

}  // namespace kuvanto

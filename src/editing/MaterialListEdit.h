// The user's list of materials as the dialog edits it: the list in the working folder (the
// shipped list until the user saves one), with the shipped materials always present and read-only
// (a copy of one can be edited), additions, edits and removals checked field by field with a
// message that says which value is wrong, and the list written back through the safe write.
#pragma once

#include <QString>
#include <optional>
#include <string>
#include <vector>

#include "core/section/Material.h"

namespace kuvanto {

// A material as the dialog's fields hold it.
struct MaterialFields {
    QString name;
    QString elasticModulus;
    QString poissonRatio;
    QString yieldStrength;
    QString density;
    QString source;
};

class MaterialListEdit {
public:
    explicit MaterialListEdit(std::vector<Material> materials);

    // The list of the folder's file with the shipped materials it lacks after it; nothing (and
    // `error`) when the file is there but cannot be read.
    static std::optional<MaterialListEdit> load(const QString& folder, QString* error = nullptr);

    const std::vector<Material>& materials() const { return materials_; }
    // Whether the material is one of the shipped list, which the dialog shows but does not change.
    static bool isShipped(const std::string& name);
    static MaterialFields fieldsOf(const Material& material);

    // The material the fields describe, or the reason they do not: a value that is no number or
    // out of range (naming the value), an invalid name, or a name another material of the list
    // has (the one at `replacing` may keep its own).
    std::optional<QString> check(const MaterialFields& fields, int replacing = -1,
                                 Material* out = nullptr) const;
    // Each returns nothing when done, else why not; the list is then as it was.
    std::optional<QString> add(const MaterialFields& fields);
    std::optional<QString> edit(int index, const MaterialFields& fields);
    std::optional<QString> remove(int index);
    // Adds an editable copy of the material under a free name ("SS400-2"); its index.
    int copy(int index);

    bool modified() const { return modified_; }
    // Writes the list to the folder's file through the safe write; false (and `error`) when it
    // cannot be written, the old file then untouched.
    bool save(const QString& folder, QString* error = nullptr);

private:
    bool validIndex(int index) const {
        return index >= 0 && index < static_cast<int>(materials_.size());
    }

    std::vector<Material> materials_;
    bool modified_ = false;
};

}  // namespace kuvanto

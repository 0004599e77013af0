// The materials of one section: the materials the file lists and which figure carries which. A
// figure is named by its table and its place in that table, counted from 1, so that the added and
// the subtracted figures keep their material when figures of the other table come and go. A
// section without any assignment is computed as a section of one unnamed material.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/section/Material.h"
#include "core/table/CoordTable.h"

namespace kuvanto {

struct FigureMaterial {
    TableKind kind = TableKind::Added;
    int index = 0;  // the figure's place in its table, from 1
    std::string name;

    bool operator==(const FigureMaterial&) const = default;
};

class SectionMaterials {
public:
    const std::vector<Material>& materials() const { return materials_; }
    const std::vector<FigureMaterial>& assignments() const { return assignments_; }

    // True when no figure carries a material (the listed materials alone change nothing).
    bool noneAssigned() const { return assignments_.empty(); }
    bool empty() const { return materials_.empty() && assignments_.empty(); }

    // Adds the material, or replaces the one of the same name. False (nothing changes) when the
    // values cannot describe a material (materialProblem).
    bool setMaterial(const Material& material);
    const Material* find(std::string_view name) const;

    // Gives the figure the named material, or takes its material away with an empty name. False
    // when the name is not in the list or the index is below 1.
    bool assign(TableKind kind, int index, std::string_view name);
    // The material of a figure, or null when it carries none.
    const Material* materialOf(TableKind kind, int index) const;

    // The reference material of the transformed section by default: the material carried by the
    // most figures, the first listed of them on a tie; null when no figure carries one.
    const Material* mostCommon() const;
    // The reference material the user chose (an empty name: the most common one).
    void setReferenceName(std::string_view name) { referenceName_ = std::string(name); }
    // The chosen reference when it is listed, else the most common material.
    const Material* reference() const {
        const Material* chosen = find(referenceName_);
        return chosen ? chosen : mostCommon();
    }

    // The figures of both tables, each reduced to a number of its vertices, to find a figure
    // again after the tables changed.
    struct Fingerprints {
        std::vector<std::uint64_t> added;
        std::vector<std::uint64_t> subtracted;
        bool operator==(const Fingerprints&) const = default;
    };
    static Fingerprints fingerprintsOf(const CoordTable& add, const CoordTable& subtracted);

    // Moves the assignments with their figures when the tables changed from `before` to `after`:
    // a figure still at its place keeps its material; one that moved (figures inserted or
    // removed before it) takes it along when it is found unchanged exactly once; otherwise, while
    // its table kept its number of figures, the figure changed in place and keeps it; any other
    // assignment is dropped, so that no material lands on a figure it was not given to.
    void followFigures(const Fingerprints& before, const Fingerprints& after);

    void clear() {
        materials_.clear();
        assignments_.clear();
        referenceName_.clear();
    }

    bool operator==(const SectionMaterials&) const = default;

private:
    std::vector<Material> materials_;
    std::vector<FigureMaterial> assignments_;  // kept in table order: added, then subtracted
    std::string referenceName_;
};

// The figure a row of the table belongs to, numbered from 1 as the assignments number the
// figures of a table: a vertex row's own figure; a separator row's the figure it closes; another
// row's the figure of the nearest vertex row above it in its run, or else the first figure below
// it. Nothing when the table holds no figure there.
std::optional<int> figureAtRow(const CoordTable& table, int row);

}  // namespace kuvanto

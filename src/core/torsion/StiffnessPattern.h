// The sparsity of the stiffness matrix of a mesh of 6-node triangles, numbered for the sparse LDLᵀ
// factorisation. The unknowns are ordered by nested dissection of the node graph at the nodes'
// places, and the matrix is laid out as the factorisation reads it (the upper triangle, column by
// column), so that neither the ordering nor the factorisation has to copy, symmetrise or permute
// the matrix first: on a fine mesh those copies cost as much as the factorisation itself. Each
// element's entries are found in the layout once, here, and assembly adds into them directly.
#pragma once

#include <Eigen/SparseCore>
#include <array>
#include <functional>
#include <span>
#include <vector>

#include "core/base/Point.h"

namespace kuvanto {

// A 6-node element: corners 0-2, then the midside nodes of edges 01, 12, 20.
using ElementNodes = std::array<int, 6>;

class StiffnessPattern {
public:
    // The pattern of the elements' nodes (0 .. nodeCount - 1, the node n at at[n]); nodes marked
    // fixed are not unknowns and take no row or column. When `cancelled` answers true on the way
    // the pattern is left empty and cancelled() tells so.
    StiffnessPattern(std::span<const ElementNodes> elements, std::span<const Point> at,
                     const std::vector<bool>& fixed, const std::function<bool()>& cancelled = {});

    bool cancelled() const { return cancelled_; }
    int unknowns() const { return unknowns_; }
    // The unknown (row and column) of a node, -1 for a fixed node.
    int unknownOf(int node) const { return unknownOf_[node]; }

    // A matrix of the pattern with every value zero: the upper triangle, column-major.
    Eigen::SparseMatrix<double> emptyMatrix() const;
    // The place among the matrix's values of the entry of the element's local nodes i and j
    // (j <= i), -1 where either is fixed.
    int entry(std::size_t element, int i, int j) const {
        return entries_[element][static_cast<std::size_t>(i * (i + 1) / 2 + j)];
    }

private:
    bool cancelled_ = false;
    int unknowns_ = 0;
    std::vector<int> unknownOf_;
    std::vector<int> columnStart_;  // unknowns_ + 1 offsets into rows_
    std::vector<int> rows_;         // the rows of each column, ascending, up to the diagonal
    std::vector<std::array<int, 21>> entries_;  // per element, of the pairs (i, j <= i)
};

}  // namespace kuvanto

// The sparsity of the stiffness matrix of a mesh of 6-node triangles, numbered for the sparse LDLᵀ
// factorisation. The unknowns are ordered by Eigen's approximate minimum degree routine, run once
// on the node graph of the mesh, and the matrix is laid out as the factorisation reads it (the
// upper triangle, column by column), so that neither the ordering nor the factorisation has to
// copy, symmetrise or permute the matrix first: on a fine mesh those copies cost as much as the
// factorisation itself.
#pragma once

#include <Eigen/SparseCore>
#include <array>
#include <span>
#include <vector>

namespace kuvanto {

// A 6-node element: corners 0-2, then the midside nodes of edges 01, 12, 20.
using ElementNodes = std::array<int, 6>;

class StiffnessPattern {
public:
    // The pattern of the elements' nodes (0 .. nodeCount - 1); nodes marked fixed are not
    // unknowns and take no row or column.
    StiffnessPattern(std::span<const ElementNodes> elements, int nodeCount,
                     const std::vector<bool>& fixed);

    int unknowns() const { return unknowns_; }
    // The unknown (row and column) of a node, -1 for a fixed node.
    int unknownOf(int node) const { return unknownOf_[node]; }

    // A matrix of the pattern with every value zero: the upper triangle, column-major.
    Eigen::SparseMatrix<double> emptyMatrix() const;
    // The place among the matrix's values of the entry of two unknowns (either order).
    int entry(int first, int second) const;

private:
    int unknowns_ = 0;
    std::vector<int> unknownOf_;
    std::vector<int> columnStart_;  // unknowns_ + 1 offsets into rows_
    std::vector<int> rows_;         // the rows of each column, ascending, up to the diagonal
};

}  // namespace kuvanto

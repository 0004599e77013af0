// Building the stiffness pattern: the node graph from the elements, its minimum degree ordering and
// the upper triangle of the reordered matrix.
#include "core/torsion/StiffnessPattern.h"

#include <Eigen/OrderingMethods>
#include <algorithm>

namespace kuvanto {

namespace {

// For each node, the elements it belongs to (offsets and list).
struct NodeElements {
    std::vector<int> start;
    std::vector<int> elements;
};

NodeElements nodeElements(std::span<const ElementNodes> elements, int nodeCount) {
    NodeElements result;
    result.start.assign(static_cast<std::size_t>(nodeCount) + 1, 0);
    for (const ElementNodes& nodes : elements)
        for (const int node : nodes) ++result.start[node + 1];
    for (int node = 0; node < nodeCount; ++node) result.start[node + 1] += result.start[node];
    result.elements.resize(result.start.back());
    std::vector<int> filled(result.start.begin(), result.start.end() - 1);
    for (std::size_t e = 0; e < elements.size(); ++e)
        for (const int node : elements[e]) result.elements[filled[node]++] = static_cast<int>(e);
    return result;
}

}  // namespace

StiffnessPattern::StiffnessPattern(std::span<const ElementNodes> elements, int nodeCount,
                                   const std::vector<bool>& fixed) {
    // Unknowns in node order first; the ordering renumbers them below.
    std::vector<int> natural(nodeCount, -1);
    std::vector<int> nodeOf;
    for (int node = 0; node < nodeCount; ++node) {
        if (fixed[node]) continue;
        natural[node] = static_cast<int>(nodeOf.size());
        nodeOf.push_back(node);
    }
    unknowns_ = static_cast<int>(nodeOf.size());

    // The full symmetric graph of the unknowns (every pair sharing an element, and the diagonal),
    // column by column in natural numbering.
    const NodeElements incidence = nodeElements(elements, nodeCount);
    std::vector<int> graphStart{0};
    std::vector<int> graph;
    graphStart.reserve(static_cast<std::size_t>(unknowns_) + 1);
    graph.reserve(static_cast<std::size_t>(unknowns_) * 16);
    std::vector<int> seenBy(nodeCount, -1);
    for (int column = 0; column < unknowns_; ++column) {
        const int node = nodeOf[column];
        const std::size_t first = graph.size();
        for (int k = incidence.start[node]; k < incidence.start[node + 1]; ++k)
            for (const int other : elements[incidence.elements[k]]) {
                if (natural[other] < 0 || seenBy[other] == column) continue;
                seenBy[other] = column;
                graph.push_back(natural[other]);
            }
        std::sort(graph.begin() + static_cast<std::ptrdiff_t>(first), graph.end());
        graphStart.push_back(static_cast<int>(graph.size()));
    }

    // Eigen's approximate minimum degree ordering of the graph; it gives, for each new number,
    // the natural number of the unknown placed there.
    Eigen::PermutationMatrix<Eigen::Dynamic, Eigen::Dynamic, int> order;
    {
        Eigen::SparseMatrix<char, Eigen::ColMajor, int> pattern(unknowns_, unknowns_);
        pattern.resizeNonZeros(static_cast<Eigen::Index>(graph.size()));
        std::copy(graphStart.begin(), graphStart.end(), pattern.outerIndexPtr());
        std::copy(graph.begin(), graph.end(), pattern.innerIndexPtr());
        Eigen::internal::minimum_degree_ordering(pattern, order);
    }
    std::vector<int> renumbered(unknowns_);
    for (int position = 0; position < unknowns_; ++position)
        renumbered[order.indices()[position]] = position;
    unknownOf_.assign(nodeCount, -1);
    for (int column = 0; column < unknowns_; ++column)
        unknownOf_[nodeOf[column]] = renumbered[column];

    // The upper triangle in the new numbering: column j holds the rows i <= j.
    std::vector<int> columnLength(unknowns_, 0);
    for (int column = 0; column < unknowns_; ++column) {
        const int j = renumbered[column];
        for (int k = graphStart[column]; k < graphStart[column + 1]; ++k)
            if (renumbered[graph[k]] <= j) ++columnLength[j];
    }
    columnStart_.assign(static_cast<std::size_t>(unknowns_) + 1, 0);
    for (int j = 0; j < unknowns_; ++j) columnStart_[j + 1] = columnStart_[j] + columnLength[j];
    rows_.resize(columnStart_.back());
    for (int column = 0; column < unknowns_; ++column) {
        const int j = renumbered[column];
        int at = columnStart_[j];
        for (int k = graphStart[column]; k < graphStart[column + 1]; ++k)
            if (renumbered[graph[k]] <= j) rows_[at++] = renumbered[graph[k]];
        std::sort(rows_.begin() + columnStart_[j], rows_.begin() + at);
    }
}

Eigen::SparseMatrix<double> StiffnessPattern::emptyMatrix() const {
    Eigen::SparseMatrix<double> matrix(unknowns_, unknowns_);
    matrix.resizeNonZeros(static_cast<Eigen::Index>(rows_.size()));
    std::copy(columnStart_.begin(), columnStart_.end(), matrix.outerIndexPtr());
    std::copy(rows_.begin(), rows_.end(), matrix.innerIndexPtr());
    std::fill_n(matrix.valuePtr(), rows_.size(), 0.0);
    return matrix;
}

int StiffnessPattern::entry(int first, int second) const {
    const int row = std::min(first, second);
    const int column = std::max(first, second);
    const auto begin = rows_.begin() + columnStart_[column];
    const auto end = rows_.begin() + columnStart_[column + 1];
    return static_cast<int>(std::lower_bound(begin, end, row) - rows_.begin());
}

}  // namespace kuvanto

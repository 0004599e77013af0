// Building the stiffness pattern: the node graph from the elements, its nested dissection ordering,
// the upper triangle of the reordered matrix and each element's places in it.
#include "core/torsion/StiffnessPattern.h"

#include <algorithm>

#include "core/torsion/NestedDissection.h"

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

StiffnessPattern::StiffnessPattern(std::span<const ElementNodes> elements,
                                   std::span<const Point> at, const std::vector<bool>& fixed,
                                   const std::function<bool()>& cancelled) {
    const int nodeCount = static_cast<int>(at.size());
    auto stop = [&] {
        cancelled_ = true;
        unknowns_ = 0;
        unknownOf_.assign(static_cast<std::size_t>(nodeCount), -1);
    };
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
        if (column % 65536 == 65535 && cancelled && cancelled()) {
            stop();
            return;
        }
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

    // The nested dissection order: for each new number, the natural number of the unknown.
    std::vector<Point> places(static_cast<std::size_t>(unknowns_));
    for (int column = 0; column < unknowns_; ++column) places[column] = at[nodeOf[column]];
    const std::vector<int> order = NestedDissection::order(graphStart, graph, places, cancelled);
    if (static_cast<int>(order.size()) != unknowns_) {
        stop();
        return;
    }
    std::vector<int> renumbered(unknowns_);
    for (int position = 0; position < unknowns_; ++position) renumbered[order[position]] = position;
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
        int next = columnStart_[j];
        for (int k = graphStart[column]; k < graphStart[column + 1]; ++k)
            if (renumbered[graph[k]] <= j) rows_[next++] = renumbered[graph[k]];
        std::sort(rows_.begin() + columnStart_[j], rows_.begin() + next);
    }
    if (cancelled && cancelled()) {
        stop();
        return;
    }

    // Each element's entries: column by column, the place of every row is noted, and the
    // elements at the column's node take theirs from it.
    entries_.assign(elements.size(), {});
    for (auto& element : entries_) element.fill(-1);
    std::vector<int> place(static_cast<std::size_t>(unknowns_), -1);
    for (int column = 0; column < unknowns_; ++column) {
        const int node = nodeOf[column];
        const int j = renumbered[column];
        for (int k = columnStart_[j]; k < columnStart_[j + 1]; ++k) place[rows_[k]] = k;
        for (int k = incidence.start[node]; k < incidence.start[node + 1]; ++k) {
            const std::size_t e = static_cast<std::size_t>(incidence.elements[k]);
            const ElementNodes& local = elements[e];
            for (int a = 0; a < 6; ++a) {
                if (local[a] != node) continue;
                for (int b = 0; b < 6; ++b) {
                    const int other = unknownOf_[local[b]];
                    if (other < 0 || other > j) continue;
                    const int high = std::max(a, b), low = std::min(a, b);
                    entries_[e][static_cast<std::size_t>(high * (high + 1) / 2 + low)] =
                        place[other];
                }
            }
        }
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

}  // namespace kuvanto

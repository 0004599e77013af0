// Geometric nested dissection down to pieces ordered by minimum degree. The pieces are kept as
// ranges of one array of vertices, each split in place into its two sides and the separator
// behind them, so that the array ends up as the order itself.
#include "core/torsion/NestedDissection.h"

#include <Eigen/OrderingMethods>
#include <Eigen/SparseCore>
#include <algorithm>
#include <array>
#include <cstddef>
#include <utility>

namespace kuvanto {

namespace {

// Where the cut is tried, as a share of the piece's vertices along the axis: near the middle, so
// that the two sides stay of about the same size.
constexpr std::array<double, 3> kCutShares{0.5, 0.35, 0.65};

struct Cut {
    bool alongX = true;
    int position = 0;  // vertices before it (in the order along the axis) lie on the first side
    int separator = 0;
    bool fromFirst = true;  // the separator is taken from the first side
};

}  // namespace

std::vector<int> NestedDissection::order(std::span<const int> start,
                                         std::span<const int> neighbours, std::span<const Point> at,
                                         const std::function<bool()>& cancelled) {
    const int count = static_cast<int>(at.size());
    std::vector<int> vertices;
    vertices.reserve(static_cast<std::size_t>(count));
    std::vector<int> dense;
    for (int v = 0; v < count; ++v)
        (start[v + 1] - start[v] > kDenseDegree ? dense : vertices).push_back(v);
    const int split = static_cast<int>(vertices.size());
    vertices.insert(vertices.end(), dense.begin(), dense.end());

    // For the vertices of the piece at hand: its number, and the vertex's place along an axis.
    std::vector<int> pieceOf(static_cast<std::size_t>(count), -1);
    std::vector<int> place(static_cast<std::size_t>(count), 0);
    std::vector<int> lowest, highest;  // per place: the lowest and highest place of a neighbour
    std::vector<int> sorted, first, second, separator;
    std::vector<std::pair<int, int>> pieces{{0, split}};
    int pieceNumber = 0;
    // The piece's own graph, for the minimum degree ordering.
    std::vector<int> localStart, localNeighbours;

    while (!pieces.empty()) {
        if (cancelled && cancelled()) return {};
        const auto [begin, end] = pieces.back();
        pieces.pop_back();
        const int size = end - begin;
        const int piece = pieceNumber++;
        for (int k = begin; k < end; ++k) pieceOf[vertices[k]] = piece;

        if (size <= kPieceSize) {
            if (size < 3) continue;
            for (int k = begin; k < end; ++k) place[vertices[k]] = k - begin;
            localStart.assign(1, 0);
            localNeighbours.clear();
            for (int k = begin; k < end; ++k) {
                const int v = vertices[k];
                for (int n = start[v]; n < start[v + 1]; ++n)
                    if (pieceOf[neighbours[n]] == piece)
                        localNeighbours.push_back(place[neighbours[n]]);
                localStart.push_back(static_cast<int>(localNeighbours.size()));
            }
            Eigen::SparseMatrix<char, Eigen::ColMajor, int> graph(size, size);
            graph.resizeNonZeros(static_cast<Eigen::Index>(localNeighbours.size()));
            std::copy(localStart.begin(), localStart.end(), graph.outerIndexPtr());
            std::copy(localNeighbours.begin(), localNeighbours.end(), graph.innerIndexPtr());
            Eigen::PermutationMatrix<Eigen::Dynamic, Eigen::Dynamic, int> permutation;
            Eigen::internal::minimum_degree_ordering(graph, permutation);
            sorted.assign(vertices.begin() + begin, vertices.begin() + end);
            for (int position = 0; position < size; ++position)
                vertices[begin + position] = sorted[permutation.indices()[position]];
            continue;
        }

        // The best cut: along either axis, at one of the shares, the fewest separator vertices.
        Cut best;
        best.separator = size + 1;
        for (const bool alongX : {true, false}) {
            sorted.assign(vertices.begin() + begin, vertices.begin() + end);
            std::sort(sorted.begin(), sorted.end(), [&](int a, int b) {
                const double ka = alongX ? at[a].x : at[a].y;
                const double kb = alongX ? at[b].x : at[b].y;
                return ka < kb || (ka == kb && a < b);
            });
            for (int k = 0; k < size; ++k) place[sorted[k]] = k;
            lowest.assign(static_cast<std::size_t>(size), 0);
            highest.assign(static_cast<std::size_t>(size), 0);
            for (int k = 0; k < size; ++k) {
                const int v = sorted[k];
                int low = k, high = k;
                for (int n = start[v]; n < start[v + 1]; ++n) {
                    const int other = neighbours[n];
                    if (pieceOf[other] != piece) continue;
                    low = std::min(low, place[other]);
                    high = std::max(high, place[other]);
                }
                lowest[k] = low;
                highest[k] = high;
            }
            for (const double share : kCutShares) {
                const int position = static_cast<int>(share * size);
                int fromFirst = 0, fromSecond = 0;
                for (int k = 0; k < position; ++k) fromFirst += highest[k] >= position;
                for (int k = position; k < size; ++k) fromSecond += lowest[k] < position;
                const int smaller = std::min(fromFirst, fromSecond);
                if (smaller < best.separator) {
                    best = {alongX, position, smaller, fromFirst <= fromSecond};
                }
            }
        }

        // Split along the best cut: first side, second side, then the separator.
        sorted.assign(vertices.begin() + begin, vertices.begin() + end);
        std::sort(sorted.begin(), sorted.end(), [&](int a, int b) {
            const double ka = best.alongX ? at[a].x : at[a].y;
            const double kb = best.alongX ? at[b].x : at[b].y;
            return ka < kb || (ka == kb && a < b);
        });
        for (int k = 0; k < size; ++k) place[sorted[k]] = k;
        first.clear();
        second.clear();
        separator.clear();
        for (int k = 0; k < size; ++k) {
            const int v = sorted[k];
            const bool inFirst = k < best.position;
            bool cut = false;
            if (inFirst == best.fromFirst)
                for (int n = start[v]; n < start[v + 1] && !cut; ++n) {
                    const int other = neighbours[n];
                    cut = pieceOf[other] == piece && (place[other] < best.position) != inFirst;
                }
            (cut ? separator : inFirst ? first : second).push_back(v);
        }
        int k = begin;
        for (const int v : first) vertices[k++] = v;
        for (const int v : second) vertices[k++] = v;
        for (const int v : separator) vertices[k++] = v;
        const int firstEnd = begin + static_cast<int>(first.size());
        pieces.emplace_back(begin, firstEnd);
        pieces.emplace_back(firstEnd, firstEnd + static_cast<int>(second.size()));
    }
    return vertices;
}

}  // namespace kuvanto

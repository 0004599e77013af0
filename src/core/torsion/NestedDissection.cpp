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

    // For the vertices of the piece at hand: its number, and the vertex's place (its band along
    // an axis, or its side of the cut, or its number within the piece).
    // Kept side by side: the neighbour scans read both of a vertex at once.
    struct Mark {
        int piece = -1;
        int place = 0;
    };
    std::vector<Mark> mark(static_cast<std::size_t>(count));
    std::vector<int> lowest, highest;  // per place: the lowest and highest place of a neighbour
    std::vector<int> sorted, first, second, separator;
    std::vector<std::pair<double, int>> keyed;  // a coordinate and its vertex
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
        for (int k = begin; k < end; ++k) mark[vertices[k]].piece = piece;

        if (size <= kPieceSize) {
            if (size < 3) continue;
            for (int k = begin; k < end; ++k) mark[vertices[k]].place = k - begin;
            localStart.assign(1, 0);
            localNeighbours.clear();
            for (int k = begin; k < end; ++k) {
                const int v = vertices[k];
                for (int n = start[v]; n < start[v + 1]; ++n)
                    if (mark[neighbours[n]].piece == piece)
                        localNeighbours.push_back(mark[neighbours[n]].place);
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
        // The piece is put in bands between the cuts (a partial sort, linear in its size), and
        // each vertex notes the lowest and highest band among its neighbours.
        Cut best;
        best.separator = size + 1;
        std::array<int, kCutShares.size()> positions{};
        for (std::size_t c = 0; c < kCutShares.size(); ++c)
            positions[c] = static_cast<int>(kCutShares[c] * size);
        std::array<int, kCutShares.size()> ascending = positions;
        std::sort(ascending.begin(), ascending.end());
        for (const bool alongX : {true, false}) {
            // The partial sorts compare keys kept beside the vertices: reading the points in
            // the mesh's order would miss the cache at nearly every comparison.
            keyed.resize(static_cast<std::size_t>(size));
            for (int k = 0; k < size; ++k) {
                const int v = vertices[begin + k];
                keyed[k] = {alongX ? at[v].x : at[v].y, v};
            }
            int from = 0;
            for (const int position : ascending) {
                std::nth_element(keyed.begin() + from, keyed.begin() + position, keyed.end());
                from = position;
            }
            sorted.resize(static_cast<std::size_t>(size));
            for (int k = 0; k < size; ++k) sorted[k] = keyed[k].second;
            // mark[v].place: the band of v, 0 before the first cut.
            int band = 0;
            for (int k = 0; k < size; ++k) {
                while (band < static_cast<int>(ascending.size()) && k >= ascending[band]) ++band;
                mark[sorted[k]].place = band;
            }
            lowest.assign(static_cast<std::size_t>(size), 0);
            highest.assign(static_cast<std::size_t>(size), 0);
            for (int k = 0; k < size; ++k) {
                const int v = sorted[k];
                int low = mark[v].place, high = mark[v].place;
                for (int n = start[v]; n < start[v + 1]; ++n) {
                    const int other = neighbours[n];
                    if (mark[other].piece != piece) continue;
                    low = std::min(low, mark[other].place);
                    high = std::max(high, mark[other].place);
                }
                lowest[k] = low;
                highest[k] = high;
            }
            for (std::size_t c = 0; c < ascending.size(); ++c) {
                // The cut between band c and band c + 1.
                const int cutBand = static_cast<int>(c) + 1;
                int fromFirst = 0, fromSecond = 0;
                for (int k = 0; k < size; ++k) {
                    if (mark[sorted[k]].place < cutBand)
                        fromFirst += highest[k] >= cutBand;
                    else
                        fromSecond += lowest[k] < cutBand;
                }
                const int smaller = std::min(fromFirst, fromSecond);
                if (smaller < best.separator)
                    best = {alongX, ascending[c], smaller, fromFirst <= fromSecond};
            }
        }

        // Split along the best cut: first side, second side, then the separator.
        keyed.resize(static_cast<std::size_t>(size));
        for (int k = 0; k < size; ++k) {
            const int v = vertices[begin + k];
            keyed[k] = {best.alongX ? at[v].x : at[v].y, v};
        }
        std::nth_element(keyed.begin(), keyed.begin() + best.position, keyed.end());
        for (int k = 0; k < size; ++k) sorted[k] = keyed[k].second;
        for (int k = 0; k < size; ++k) mark[sorted[k]].place = k < best.position ? 0 : 1;
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
                    cut = mark[other].piece == piece && (mark[other].place == 0) != inFirst;
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

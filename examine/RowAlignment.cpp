#include "examine/RowAlignment.h"

#include <algorithm>
#include <cstdint>

namespace {

using Equal = std::function<bool(std::size_t, std::size_t)>;

// Myers' greedy search for the shortest edit script of a[0, n) to b[0, m).
// Each round keeps its furthest points on diagonals -d..d (32-bit, so that
// the history of d rounds takes about d * d * 4 bytes) to walk the path back.
// Returns false, marking nothing, when it needs more than maxEdits edits.
bool ShortestEdit(std::size_t n, std::size_t m, std::size_t maxEdits, const Equal& equal, std::vector<bool>& matchedA,
                  std::vector<bool>& matchedB) {
    const auto N = static_cast<std::int32_t>(n), M = static_cast<std::int32_t>(m);
    const auto limit = static_cast<std::int32_t>(std::min(maxEdits, n + m));
    std::vector<std::int32_t> v(static_cast<std::size_t>(2 * limit + 3), 0);
    const std::int32_t offset = limit + 1;
    auto at = [&](std::int32_t k) -> std::int32_t& { return v[static_cast<std::size_t>(k + offset)]; };
    std::vector<std::vector<std::int32_t>> trace;  // trace[d][k + d]: furthest x on diagonal k before round d
    for (std::int32_t d = 0; d <= limit; ++d) {
        trace.emplace_back(v.begin() + (offset - d), v.begin() + (offset + d + 1));
        for (std::int32_t k = -d; k <= d; k += 2) {
            std::int32_t x = (k == -d || (k != d && at(k - 1) < at(k + 1))) ? at(k + 1) : at(k - 1) + 1;
            std::int32_t y = x - k;
            while (x < N && y < M && equal(static_cast<std::size_t>(x), static_cast<std::size_t>(y))) ++x, ++y;
            at(k) = x;
            if (x < N || y < M) continue;
            for (std::int32_t dd = d; dd > 0; --dd) {
                const std::vector<std::int32_t>& w = trace[static_cast<std::size_t>(dd)];
                auto was = [&](std::int32_t kk) { return w[static_cast<std::size_t>(kk + dd)]; };
                const std::int32_t kk = x - y;
                const std::int32_t prevK = (kk == -dd || (kk != dd && was(kk - 1) < was(kk + 1))) ? kk + 1 : kk - 1;
                const std::int32_t prevX = was(prevK), prevY = prevX - prevK;
                while (x > prevX && y > prevY) {
                    --x, --y;
                    matchedA[static_cast<std::size_t>(x)] = matchedB[static_cast<std::size_t>(y)] = true;
                }
                x = prevX, y = prevY;
            }
            while (x > 0 && y > 0) {
                --x, --y;
                matchedA[static_cast<std::size_t>(x)] = matchedB[static_cast<std::size_t>(y)] = true;
            }
            return true;
        }
    }
    return false;
}

}  // namespace

std::vector<StEDIT> AlignRows(std::size_t n, std::size_t m, const Equal& equal) {
    std::size_t head = 0;
    while (head < n && head < m && equal(head, head)) ++head;
    std::size_t tail = 0;
    while (tail < n - head && tail < m - head && equal(n - 1 - tail, m - 1 - tail)) ++tail;
    const std::size_t an = n - head - tail, bm = m - head - tail;
    std::vector<bool> matchedA(an, false), matchedB(bm, false);
    const Equal inner = [&](std::size_t i, std::size_t j) { return equal(head + i, head + j); };
    ShortestEdit(an, bm, kMaxAlignedEdits, inner, matchedA, matchedB);  // unmatched rows stay paired by position
    std::vector<StEDIT> runs;
    std::size_t i = 0, j = 0;
    while (i < an || j < bm) {
        StEDIT run{head + i, 0, head + j, 0};
        while (i < an && !matchedA[i]) ++i, ++run.removed;
        while (j < bm && !matchedB[j]) ++j, ++run.added;
        if (run.removed + run.added > 0) runs.push_back(run);
        if (i < an && j < bm && matchedA[i] && matchedB[j])
            ++i, ++j;
        else if (run.removed + run.added == 0)
            break;
    }
    return runs;
}

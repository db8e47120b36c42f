#pragma once
// Aligns two sequences of list rows by content: the longest common
// subsequence (Myers' O(ND) difference on rows compared through hashes), so
// that the work follows the number of differences, not the square of the rows.
#include <cstddef>
#include <functional>
#include <vector>

// A run between two matched rows: removed rows [before, before + removed) of
// the first sequence, added rows [after, after + added) of the second.
struct StEDIT {
    std::size_t before, removed, after, added;
};

// The runs of differences, in order; none when the sequences are equal.
// Beyond kMaxAlignedEdits differences the middle rows are paired by position.
constexpr std::size_t kMaxAlignedEdits = 1000;
std::vector<StEDIT> AlignRows(std::size_t n, std::size_t m, const std::function<bool(std::size_t, std::size_t)>& equal);

#pragma once
// The heights of a grid's rows or the widths of its columns, with their running positions: where
// an item starts, which item lies under a position and the total stay cheap for any number of
// items (a Fenwick tree of partial sums beside the sizes).

#include "platform/core/WinTypes.h"

#include <vector>

class GridSizes
{
public:
    int Count() const { return int(m_sizes.size()); }
    UINT Size(int index) const { return m_sizes[std::size_t(index)]; }
    void Set(int index, UINT size);
    void Insert(int index, UINT size);
    void Erase(int index);
    void Resize(int count, UINT size);
    void Assign(int count, UINT size);
    void Clear();
    void Swap(int index1, int index2);
    // Item first + i takes the size that item first + order[i] had (order a permutation).
    void Reorder(int first, const std::vector<int>& order);

    // The sum of the sizes of the items before the index (0..Count()).
    long Start(int index) const;
    long Total() const { return m_total; }
    // The number of leading items whose sizes add up to at most the offset: the item under the
    // offset (items of size 0 skipped), or Count() at and beyond the end.
    int CountUpTo(long offset) const;
    // The first index whose start lies at or after the offset; Count() + 1 beyond the end.
    int FirstStartingAt(long offset) const;

private:
    void Append(UINT size);
    void Rebuild();

    std::vector<UINT> m_sizes;
    std::vector<long> m_tree{0}; // 1-based partial sums: m_tree[i] covers items (i - lowbit(i), i]
    long m_total = 0;
};

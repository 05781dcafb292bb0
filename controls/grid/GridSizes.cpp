#include "controls/grid/GridSizes.h"

#include <algorithm>
#include <utility>

namespace
{
int LowBit(int i)
{
    return i & -i;
}
} // namespace

void GridSizes::Set(int index, UINT size)
{
    const long difference = long(size) - long(m_sizes[std::size_t(index)]);
    m_sizes[std::size_t(index)] = size;
    m_total += difference;
    for (int i = index + 1; i <= Count(); i += LowBit(i))
        m_tree[std::size_t(i)] += difference;
}

void GridSizes::Append(UINT size)
{
    m_sizes.push_back(size);
    const int node = Count();
    m_tree.push_back(long(size) + Start(node - 1) - Start(node - LowBit(node)));
    m_total += long(size);
}

void GridSizes::Insert(int index, UINT size)
{
    if (index == Count())
    {
        Append(size);
        return;
    }
    m_sizes.insert(m_sizes.begin() + index, size);
    Rebuild();
}

void GridSizes::Erase(int index)
{
    m_sizes.erase(m_sizes.begin() + index);
    if (index == Count())
    {
        // The nodes of the items before the last one cover none after them.
        m_tree.pop_back();
        m_total = Start(Count());
        return;
    }
    Rebuild();
}

void GridSizes::Resize(int count, UINT size)
{
    if (count < Count())
    {
        m_sizes.resize(std::size_t(count));
        m_tree.resize(std::size_t(count) + 1);
        m_total = Start(count);
        return;
    }
    m_sizes.reserve(std::size_t(count));
    m_tree.reserve(std::size_t(count) + 1);
    while (Count() < count)
        Append(size);
}

void GridSizes::Assign(int count, UINT size)
{
    m_sizes.assign(std::size_t(count), size);
    Rebuild();
}

void GridSizes::Clear()
{
    m_sizes.clear();
    Rebuild();
}

void GridSizes::Swap(int index1, int index2)
{
    const UINT size1 = Size(index1);
    Set(index1, Size(index2));
    Set(index2, size1);
}

void GridSizes::Reorder(int first, const std::vector<int>& order)
{
    std::vector<UINT> moved(order.size());
    for (std::size_t i = 0; i < order.size(); i++)
        moved[i] = m_sizes[std::size_t(first + order[i])];
    std::copy(moved.begin(), moved.end(), m_sizes.begin() + first);
    Rebuild();
}

void GridSizes::Rebuild()
{
    const int count = Count();
    m_tree.assign(std::size_t(count) + 1, 0);
    m_total = 0;
    for (int i = 1; i <= count; i++)
    {
        m_tree[std::size_t(i)] += long(m_sizes[std::size_t(i - 1)]);
        m_total += long(m_sizes[std::size_t(i - 1)]);
        if (const int parent = i + LowBit(i); parent <= count)
            m_tree[std::size_t(parent)] += m_tree[std::size_t(i)];
    }
}

long GridSizes::Start(int index) const
{
    long sum = 0;
    for (int i = std::min(index, Count()); i > 0; i -= LowBit(i))
        sum += m_tree[std::size_t(i)];
    return sum;
}

int GridSizes::CountUpTo(long offset) const
{
    if (offset < 0)
        return 0;
    int step = 1;
    while (step * 2 <= Count())
        step *= 2;
    int position = 0;
    for (; step > 0; step /= 2)
        if (position + step <= Count() && m_tree[std::size_t(position + step)] <= offset)
        {
            position += step;
            offset -= m_tree[std::size_t(position)];
        }
    return position;
}

int GridSizes::FirstStartingAt(long offset) const
{
    if (offset <= 0)
        return 0;
    return CountUpTo(offset - 1) + 1;
}

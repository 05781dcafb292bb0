// Running positions of rows and columns: after any mix of changes they agree with plain sums.
#include "controls/grid/GridSizes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <random>

namespace
{
long PlainStart(const std::vector<UINT>& sizes, int index)
{
    return std::accumulate(sizes.begin(), sizes.begin() + index, 0L);
}

void ExpectSameAs(const GridSizes& sizes, const std::vector<UINT>& plain)
{
    ASSERT_EQ(sizes.Count(), int(plain.size()));
    EXPECT_EQ(sizes.Total(), PlainStart(plain, int(plain.size())));
    for (int i = 0; i <= sizes.Count(); i++)
        ASSERT_EQ(sizes.Start(i), PlainStart(plain, i)) << "start of " << i;
    const long total = sizes.Total();
    for (long offset = -1; offset <= total + 1; offset++)
    {
        int under = 0; // the item under the offset, skipping empty ones
        while (under < int(plain.size()) && PlainStart(plain, under + 1) <= offset)
            under++;
        ASSERT_EQ(sizes.CountUpTo(offset), offset < 0 ? 0 : under) << "item under " << offset;
        int first = 0; // the first item starting at or after the offset
        while (first <= int(plain.size()) && PlainStart(plain, first) < offset)
            first++;
        ASSERT_EQ(sizes.FirstStartingAt(offset), first) << "first starting at " << offset;
    }
}
} // namespace

TEST(GridSizes, AgreeWithPlainSumsAfterEveryChange)
{
    std::mt19937 random(14);
    GridSizes sizes;
    std::vector<UINT> plain;
    auto anySize = [&] { return UINT(random() % 4 == 0 ? 0 : random() % 7); };
    for (int step = 0; step < 300; step++)
    {
        const int count = int(plain.size());
        const int index = count ? int(random() % UINT(count)) : 0;
        switch (random() % 8)
        {
        case 0: // append
        case 1:
            sizes.Insert(count, 3);
            plain.push_back(3);
            break;
        case 2:
            sizes.Insert(index, anySize());
            plain.insert(plain.begin() + index, sizes.Size(index));
            break;
        case 3:
            if (count)
            {
                sizes.Erase(index);
                plain.erase(plain.begin() + index);
            }
            break;
        case 4:
            if (count)
            {
                sizes.Set(index, anySize());
                plain[std::size_t(index)] = sizes.Size(index);
                sizes.Swap(index, count - 1);
                std::swap(plain[std::size_t(index)], plain.back());
            }
            break;
        case 5:
            if (count)
            {
                sizes.Erase(count - 1);
                plain.pop_back();
            }
            break;
        case 6: // a span from index on put in a shuffled order
        {
            std::vector<int> order(std::size_t(count - index));
            std::iota(order.begin(), order.end(), 0);
            std::shuffle(order.begin(), order.end(), random);
            sizes.Reorder(index, order);
            std::vector<UINT> moved;
            for (int i : order)
                moved.push_back(plain[std::size_t(index + i)]);
            std::copy(moved.begin(), moved.end(), plain.begin() + index);
            break;
        }
        default:
        {
            const int newCount = int(random() % 30);
            sizes.Resize(newCount, 2);
            plain.resize(std::size_t(newCount), 2);
        }
        }
        ExpectSameAs(sizes, plain);
        if (HasFatalFailure())
            return;
    }
    sizes.Assign(5, 4);
    ExpectSameAs(sizes, std::vector<UINT>(5, 4));
    sizes.Clear();
    ExpectSameAs(sizes, {});
}

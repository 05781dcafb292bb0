#include "common/PageDistribution.h"

#include <gtest/gtest.h>

#include <numeric>
#include <string>
#include <vector>

namespace
{
using Mode = PageDistributionMode;

// Each line on exactly one page, in order; no page over its capacity; no empty page but the
// one page of an empty report; a counted page counts the groups it touches.
void ExpectEveryLineOnce(Mode mode, const std::vector<int>& sizes, int firstGroup, const PageCapacity& capacity,
                         const std::vector<PagePart>& pages)
{
    std::vector<int> start(sizes.size() + 1, 0); // first line of each group
    for (size_t g = 0; g < sizes.size(); ++g)
        start[g + 1] = start[g] + (mode == Mode::FixedRows ? 1 : sizes[g]);
    const int total = start.back();
    auto position = [&](const PagePart& page) { return start[size_t(page.firstGroup - firstGroup)] + page.carryOver; };
    ASSERT_FALSE(pages.empty());
    EXPECT_EQ(position(pages.front()), 0);
    for (size_t p = 0; p < pages.size(); ++p)
    {
        const int from = position(pages[p]);
        const int to = p + 1 < pages.size() ? position(pages[p + 1]) : total;
        const int lines = to - from;
        EXPECT_LE(lines, p == 0 ? capacity.firstPage : capacity.followingPage) << "page " << p + 1;
        if (total > 0)
        {
            EXPECT_GT(lines, 0) << "page " << p + 1;
        }
        if (mode != Mode::CountedItems)
        {
            EXPECT_EQ(pages[p].rowCount, lines) << "page " << p + 1;
            continue;
        }
        // The groups up to the next page's first, and that one too when it is cut.
        const int endGroup = p + 1 < pages.size() ? pages[p + 1].firstGroup + (pages[p + 1].carryOver > 0 ? 1 : 0)
                                                  : firstGroup + int(sizes.size());
        EXPECT_EQ(pages[p].rowCount, endGroup - pages[p].firstGroup) << "page " << p + 1;
    }
}

struct DistributionCase
{
    const char* name;
    std::vector<int> sizes;
    PageCapacity capacity;
    size_t pages;
};

std::vector<int> Repeated(int count, int size) { return std::vector<int>(size_t(count), size); }

TEST(PageDistributionTest, EveryModePlacesEveryLineOnce)
{
    const DistributionCase cases[] = {
        {"no rows", {}, {10, 20}, 1},
        {"all on page 1", Repeated(5, 1), {10, 20}, 1},
        {"exactly R1", Repeated(10, 1), {10, 20}, 1},
        {"R1 + 1", Repeated(11, 1), {10, 20}, 2},
        {"groups of three", Repeated(7, 3), {10, 20}, 2},
        {"a group longer than RN", {2, 45, 1}, {10, 20}, 4},
        {"less than a row", Repeated(4, 2), {1, 1}, 8},
        {"3000 groups", Repeated(3000, 3), {40, 55}, 0},
        {"empty groups between", {0, 3, 0, 0, 8, 0}, {4, 4}, 3},
    };
    for (const Mode mode : {Mode::FixedRows, Mode::WholeGroups, Mode::SplitGroups, Mode::CountedItems})
        for (const DistributionCase& c : cases)
        {
            SCOPED_TRACE(std::string(c.name) + " in mode " + std::to_string(int(mode)));
            for (const int firstGroup : {0, 1})
            {
                const std::vector<PagePart> pages = DistributePages(mode, c.sizes, firstGroup, c.capacity);
                ExpectEveryLineOnce(mode, c.sizes, firstGroup, c.capacity, pages);
                if (c.pages && mode != Mode::FixedRows)
                {
                    EXPECT_EQ(pages.size(), c.pages);
                }
            }
        }
}

TEST(PageDistributionTest, FixedRowsFillEveryPage)
{
    const std::vector<PagePart> pages = DistributePages(Mode::FixedRows, Repeated(50, 4), 1, {10, 20});
    ASSERT_EQ(pages.size(), 3u);
    EXPECT_EQ(pages[0].firstGroup, 1);
    EXPECT_EQ(pages[1].firstGroup, 11);
    EXPECT_EQ(pages[2].firstGroup, 31);
    EXPECT_EQ(pages[2].rowCount, 20);
}

TEST(PageDistributionTest, AGroupMovesWholeAndIsCutOnlyWhenLongerThanAPage)
{
    // 4 + 5 lines: the second group does not fit the 8 of page 1 and starts page 2 whole.
    std::vector<PagePart> pages = DistributePages(Mode::WholeGroups, {4, 5}, 1, {8, 8});
    ASSERT_EQ(pages.size(), 2u);
    EXPECT_EQ(pages[1].firstGroup, 2);
    EXPECT_EQ(pages[1].carryOver, 0);
    // A group of 20 lines on pages of 8: cut 8, 8, 4.
    pages = DistributePages(Mode::WholeGroups, {1, 20}, 1, {8, 8});
    ASSERT_EQ(pages.size(), 4u);
    EXPECT_EQ(pages[2].firstGroup, 2);
    EXPECT_EQ(pages[2].carryOver, 8);
    EXPECT_EQ(pages[3].rowCount, 4);
}

struct CapacityCase
{
    const char* name;
    PageGeometry geometry;
    PageCapacity expected;
};

TEST(PageDistributionTest, CapacityOfThePage)
{
    // A4, the default margins: A = 2970 - 400 = 2570.
    PageGeometry report0{2970, 20, 20, 70, 50, 5, 11, 0, 0};
    PageGeometry narrow = report0;
    narrow.topMargin = narrow.bottomMargin = 5;
    PageGeometry drawnTaller = report0;
    drawnTaller.firstPageDrawn = 1680; // 2570 - 1680 = 890: 17 rows
    drawnTaller.followingPageDrawn = 2000;
    PageGeometry noRoom = report0;
    noRoom.topMargin = noRoom.bottomMargin = 140;
    PageGeometry noRowHeight = report0;
    noRowHeight.normalRowHeight = 0;
    const CapacityCase cases[] = {
        // R1 = (2570 - 350 - 770 - 100 - 70) / 50; RN = (2570 - 350 - 70) / 50.
        {"defaults", report0, {25, 43}},
        {"5 mm margins", narrow, {31, 49}},
        {"lowered to the frame as drawn", drawnTaller, {17, 11}},
        {"margins leave less than a row", noRoom, {1, 1}},
        {"no row height", noRowHeight, {1, 1}},
    };
    for (const CapacityCase& c : cases)
    {
        SCOPED_TRACE(c.name);
        const PageCapacity capacity = ComputePageCapacity(c.geometry);
        EXPECT_EQ(capacity.firstPage, c.expected.firstPage);
        EXPECT_EQ(capacity.followingPage, c.expected.followingPage);
    }
}
} // namespace

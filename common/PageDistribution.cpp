#include "common/PageDistribution.h"

#include <algorithm>

namespace
{
constexpr int TitleStep = 70;
constexpr int FirstPageGap = 100;
constexpr int ExtraFirstPageGap = 0;

// Rows of this height in the space left; never fewer than 1.
int RowsIn(int space, int rowHeight)
{
    if (rowHeight <= 0 || space < rowHeight)
        return 1;
    return std::max(1, space / rowHeight);
}
} // namespace

PageCapacity ComputePageCapacity(const PageGeometry& g)
{
    const int body = g.pageHeight - 10 * (g.topMargin + g.bottomMargin);
    const int heading = g.headingRows * g.boldRowHeight;
    const int firstReserved = heading + g.firstPageRows * g.boldRowHeight + FirstPageGap + ExtraFirstPageGap + TitleStep;
    const int followingReserved = heading + ExtraFirstPageGap + TitleStep;
    PageCapacity capacity;
    capacity.firstPage = RowsIn(body - std::max(firstReserved, g.firstPageDrawn), g.normalRowHeight);
    capacity.followingPage = RowsIn(body - std::max(followingReserved, g.followingPageDrawn), g.normalRowHeight);
    return capacity;
}

std::vector<PagePart> DistributePages(PageDistributionMode mode, const std::vector<int>& groupSizes, int firstGroup,
                                      const PageCapacity& capacity)
{
    const bool fixed = mode == PageDistributionMode::FixedRows;
    const bool countGroups = mode == PageDistributionMode::CountedItems;
    std::vector<PagePart> pages(1, PagePart{firstGroup, 0, 0});
    int lines = 0; // lines on the current page
    auto pageCapacity = [&] {
        return std::max(1, pages.size() == 1 ? capacity.firstPage : capacity.followingPage);
    };
    auto newPage = [&](int group, int carryOver) {
        pages.push_back(PagePart{group, 0, carryOver});
        lines = 0;
    };
    for (size_t index = 0; index < groupSizes.size(); ++index)
    {
        const int group = firstGroup + int(index);
        int left = fixed ? 1 : std::max(0, groupSizes[index]);
        int placed = 0;
        if (lines > 0 && lines + left > pageCapacity())
            newPage(group, 0);
        while (true)
        {
            const int take = std::min(left, pageCapacity() - lines);
            lines += take;
            left -= take;
            placed += take;
            pages.back().rowCount += countGroups ? 1 : take;
            if (left == 0)
                break;
            newPage(group, placed); // the rest of a group longer than a page
        }
    }
    return pages;
}

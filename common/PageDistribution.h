#pragma once
// How the rows of a printed report fall onto pages: the rows a page can hold and the four ways
// the reports hand their rows (or groups of lines) to the pages. Heights are in 0.1 mm.

#include <vector>

struct PageGeometry
{
    int pageHeight = 2970;    // the printable page, 0.1 mm
    int topMargin = 20;       // mm
    int bottomMargin = 20;    // mm
    int boldRowHeight = 70;   // 0.1 mm
    int normalRowHeight = 50; // 0.1 mm
    int headingRows = 0;      // bold rows of the table heading on every page
    int firstPageRows = 0;    // bold rows page 1 keeps above the table heading
    // What the frame and the table heading take above the body as the report draws them
    // (0.1 mm): the capacities are lowered where they would not leave room for it.
    int firstPageDrawn = 0;
    int followingPageDrawn = 0;
};

// Body rows of the first and of each following page, at least 1 each.
struct PageCapacity
{
    int firstPage = 1;
    int followingPage = 1;
};

PageCapacity ComputePageCapacity(const PageGeometry& geometry);

enum class PageDistributionMode
{
    FixedRows,    // one line a row; a page holds its capacity of rows
    WholeGroups,  // groups of lines; a group that does not fit starts the next page
    SplitGroups,  // as whole groups; the lines are numbered over all groups
    CountedItems  // as whole groups, but a page counts the groups it holds
};

// One page of a report: the group it starts with, how many lines (groups for counted items)
// it holds, and how many lines of its first group earlier pages already printed.
struct PagePart
{
    int firstGroup = 0;
    int rowCount = 0;
    int carryOver = 0;
};

// The pages of groups of these sizes (lines), numbered from firstGroup. A group longer than a
// page is cut: its lines continue on the next page. No rows give one empty page.
std::vector<PagePart> DistributePages(PageDistributionMode mode, const std::vector<int>& groupSizes, int firstGroup,
                                      const PageCapacity& capacity);

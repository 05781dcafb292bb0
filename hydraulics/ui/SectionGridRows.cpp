#include "hydraulics/ui/SectionGridRows.h"

#include "common/AppSettings.h"
#include "controls/grid/CGridCtrl.h"
#include "hydraulics/CDimenzUsek.h"
#include "hydraulics/NumberReading.h"
#include "platform/gdi/GdiTypes.h"

namespace
{
constexpr COLORREF kInnerSectionColour = 0xF9FFFF;
constexpr COLORREF kEndSectionColour = 0x50FFC0;
constexpr UINT kRightAligned = DT_RIGHT;

int ShowSubtree(const CDimenzUsek& section, int row, CGridCtrl& grid, int insert)
{
    const int used = ShowRow(section, row, grid, insert, false);
    const bool known = section.m_bAccumulatedKnown;
    grid.SetItemBkColour(used, 10,
                         !known ? AppSettings::Get().Colours[0]
                                : (section.m_children.empty() ? kEndSectionColour : kInnerSectionColour));
    int last = used;
    for (const auto& child : section.m_children)
        last = ShowSubtree(*child, row < 0 ? -1 : last + 1, grid, insert);
    return last;
}
} // namespace

void SizeSectionColumns(CGridCtrl& grid)
{
    grid.AutoSizeColumns();
    // A long pipe description must not push the losses out of sight.
    constexpr int widestDescription = 240;
    if (grid.GetColumnCount() > 4 && grid.GetColumnWidth(4) > widestDescription)
        grid.SetColumnWidth(4, widestDescription);
    const std::pair<int, int> widths[] = {{1, 234}, {5, 54}, {6, 60}, {7, 60}, {9, 64}, {10, 74},
                                          {2, 0},   {3, 0},  {8, 0}};
    for (const auto& [column, width] : widths)
        if (column < grid.GetColumnCount())
            grid.SetColumnWidth(column, width);
}

int ShowRow(const CDimenzUsek& section, int row, CGridCtrl& grid, int insert, bool sizeColumns)
{
    CString number;
    number.Format("%d", section.m_nNumber);
    if (insert && (row < 0 || row >= grid.GetRowCount()))
        row = grid.InsertRow(number);
    else if (!insert)
        grid.SetItemText(row, 0, number);
    grid.SetItemText(row, 1, section.m_strDesignation);
    grid.SetItemText(row, 2, section.m_strItemCode);
    grid.SetItemText(row, 3, section.m_strItem);
    grid.SetItemText(row, 4, section.m_strItemDescription);
    grid.SetItemText(row, 5, WriteNumber("%.3f", section.m_dFlowKgPerH));
    grid.SetItemText(row, 6, WriteNumber("%.1f", section.m_dPipeLength));
    grid.SetItemText(row, 7, WriteNumber("%.3f", section.m_dInsertedResistances));
    const bool upstreamKnown = !section.m_pParent || section.m_pParent->m_bAccumulatedKnown;
    grid.SetItemText(row, 8, upstreamKnown ? WriteNumber("%.0f", section.m_dUpstreamLoss) : CString());
    grid.SetItemText(row, 9, section.m_bLossKnown ? WriteNumber("%.0f", section.m_dSectionLoss) : CString());
    grid.SetItemText(row, 10,
                     section.m_bAccumulatedKnown ? WriteNumber("%.0f", section.m_dAccumulatedLoss) : CString());
    grid.SetItemBkColour(row, 9, section.m_bLossKnown ? CLR_DEFAULT : AppSettings::Get().Colours[0]);
    for (int column : {1, 5, 6, 7, 8, 9, 10})
        grid.SetItemFormat(row, column, kRightAligned);
    if (sizeColumns)
        SizeSectionColumns(grid);
    grid.RedrawRow(row);
    return row;
}

int ShowTree(const CDimenzUsek& section, int row, CGridCtrl& grid, int insert)
{
    const int last = ShowSubtree(section, row, grid, insert);
    SizeSectionColumns(grid);
    return last;
}

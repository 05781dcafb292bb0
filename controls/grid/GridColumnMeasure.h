#pragma once
// The widths a grid's columns need and the heights their cells ask of the rows, as each cell's
// GetCellExtent measures them, for many rows at once. Cell objects are measured one by one. Plain
// cells that look alike (one attribute set, the same fixed state) are measured by their texts:
// each distinct text at most once, the font's metrics taken once, and in a long column only the
// texts that may be the widest: every text's width is first estimated from the widths of its
// characters, the widest by estimate are measured, and every text whose estimate could still
// exceed the widest measured (with the largest error the measured ones showed, doubled) is
// measured too. Row heights of such cells do not depend on their texts, so they are measured once.

#include "platform/core/WinTypes.h"

#include <map>
#include <memory>
#include <vector>

class CDC;
class CFont;
class CGridCtrl;
class CTextAdvances;

class GridColumnMeasure
{
public:
    GridColumnMeasure(const CGridCtrl& grid, CDC& dc);
    ~GridColumnMeasure();
    GridColumnMeasure(const GridColumnMeasure&) = delete;
    GridColumnMeasure& operator=(const GridColumnMeasure&) = delete;

    // The widest cell of the column in the rows first to last. With heights (one entry a row from
    // first on), rows whose entry is 0 are left out and the others' entries are raised to their
    // cells' heights.
    UINT Width(int col, int first, int last, std::vector<UINT>* heights = nullptr);

private:
    struct Group;
    Group& GroupOf(int row, int col, const class CGridCellRecord& record, std::vector<std::unique_ptr<Group>>& groups);
    CTextAdvances& AdvancesFor(CFont* font);
    UINT WidestOfGroup(Group& group);

    const CGridCtrl& m_grid;
    CDC& m_dc;
    std::map<CFont*, std::unique_ptr<CTextAdvances>> m_advances;
};

#pragma once
// The page layout of one print run of the editor grid.

#include "dataeditor/grid/CSobrelGrid.h"
#include "platform/gdi/CFont.h"

#include <vector>

struct CSobrelGrid::PrintLayout
{
    CFont font;
    CFont boldFont;
    CRect page;
    int lineHeight = 0;
    int headerHeight = 0;
    int footerHeight = 0;
    // Printed size = screen size * scale.
    double scale = 1;
    // First row of each band of rows, then one past the last row.
    std::vector<int> rowBands;
    // The data columns of each band of columns.
    std::vector<std::vector<int>> columnBands;
};

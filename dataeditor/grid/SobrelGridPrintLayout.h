#pragma once
// The page layout of one print run of the editor grid.

#include "dataeditor/grid/CSobrelGrid.h"
#include "platform/gdi/CFont.h"

#include <map>
#include <memory>
#include <string>
#include <tuple>
#include <vector>

struct CSobrelGrid::PrintLayout
{
    CFont font;
    CFont boldFont;
    // The cells' own fonts (a row format's bold, italic or size), scaled as the print font,
    // made once a run for each font met.
    using FontKey = std::tuple<std::string, int, int, int, int, int>;
    std::map<FontKey, std::unique_ptr<CFont>> cellFonts;
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

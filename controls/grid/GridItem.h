#pragma once
// One cell's attributes passed in and out of the grid (SetItem, GetItem, the end-of-edit record).
// The mask (GVIF_*) says which fields are valid.

#include "controls/grid/GridDefs.h"
#include "platform/core/CString.h"

struct GridItem
{
    int row = -1;
    int col = -1;
    UINT mask = 0;
    UINT nState = 0;
    UINT nFormat = 0;
    int iImage = -1;
    COLORREF crBkClr = CLR_DEFAULT;
    COLORREF crFgClr = CLR_DEFAULT;
    LPARAM lParam = 0;
    LOGFONT lfFont;
    UINT nMargin = 0;
    CString strText;
};

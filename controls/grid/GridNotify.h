#pragma once
// The record of a grid notification: the header (window, control id, code), then the cell.

#include "platform/ui/WinUser.h"

struct GridNotify
{
    NMHDR hdr;
    int iRow = -1;
    int iColumn = -1;
};

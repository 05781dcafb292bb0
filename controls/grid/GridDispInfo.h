#pragma once
// The record of the end-of-edit notification (-106): the header, then the edited cell's item
// with its text and, as lParam, the key that ended the edit.

#include "controls/grid/GridItem.h"
#include "platform/ui/WinUser.h"

struct GridDispInfo
{
    NMHDR hdr;
    GridItem item;
};

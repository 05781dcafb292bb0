#pragma once
// The CSS style of one grid cell in an HTML page: its font and colour, its background, its
// alignment and its border by the grid's lines, each piece only when asked for.

#include "platform/core/CString.h"

class CCellHtmlStyle
{
public:
    enum GridLines
    {
        none = 0,
        horizontal = 1,
        vertical = 2,
        both = 3
    };

    // "#RRGGBB".
    static CString Colour(COLORREF colour);

    CString Text(bool withFont, bool withBackground, bool withAlignment, bool withBorder) const;

    bool bold = false;
    bool italic = false;
    bool underline = false;
    int points = 10;
    CString face = "Arial";
    COLORREF textColour = 0;
    COLORREF backColour = 0xFFFFFF;
    bool rightAligned = false;
    int gridLines = both;
    COLORREF lineColour = 0xC0C0C0;
};

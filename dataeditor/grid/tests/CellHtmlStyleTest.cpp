#include "dataeditor/grid/CCellHtmlStyle.h"

#include <gtest/gtest.h>

namespace
{
TEST(CellHtmlStyle, PiecesInTheirOrderEachWhenAskedFor)
{
    CCellHtmlStyle cell;
    cell.bold = true;
    cell.italic = true;
    cell.underline = true;
    cell.points = 12;
    cell.face = "Tahoma";
    cell.textColour = RGB(255, 0, 16);
    cell.backColour = RGB(0xd2, 0xb4, 0x8c);
    cell.rightAligned = true;
    cell.lineColour = RGB(192, 192, 192);
    EXPECT_STREQ(cell.Text(true, true, true, true),
                 "font:bold italic 12pt 'Tahoma';text-decoration:underline;color:#FF0010;background:#D2B48C;"
                 "text-align:right;border:1px solid #C0C0C0");
    EXPECT_STREQ(cell.Text(false, false, false, false), "");

    cell = CCellHtmlStyle();
    cell.rightAligned = false;
    EXPECT_STREQ(cell.Text(true, false, true, false), "font:10pt 'Arial';color:#000000;");
    const struct
    {
        int lines;
        const char* border;
    } borders[] = {
        {CCellHtmlStyle::horizontal,
         "border-top:1px solid #C0C0C0;border-bottom:1px solid #C0C0C0;border-left:0;border-right:0"},
        {CCellHtmlStyle::vertical,
         "border-left:1px solid #C0C0C0;border-right:1px solid #C0C0C0;border-top:0;border-bottom:0"},
        {CCellHtmlStyle::none, ""},
    };
    for (const auto& b : borders)
    {
        cell.gridLines = b.lines;
        EXPECT_STREQ(cell.Text(false, false, false, true), b.border);
    }
}
} // namespace

#include "dataeditor/grid/CCellHtmlStyle.h"

CString CCellHtmlStyle::Colour(COLORREF colour)
{
    CString text;
    text.Format("#%02X%02X%02X", GetRValue(colour), GetGValue(colour), GetBValue(colour));
    return text;
}

CString CCellHtmlStyle::Text(bool withFont, bool withBackground, bool withAlignment, bool withBorder) const
{
    CString style;
    if (withFont)
    {
        style = "font:";
        if (bold)
            style += "bold ";
        if (italic)
            style += "italic ";
        style.AppendFormat("%dpt '", points);
        style += face + "';";
        if (underline)
            style += "text-decoration:underline;";
        style += "color:" + Colour(textColour) + ";";
    }
    if (withBackground)
        style += "background:" + Colour(backColour) + ";";
    if (withAlignment && rightAligned)
        style += "text-align:right;";
    if (withBorder)
    {
        const CString line = Colour(lineColour);
        switch (gridLines)
        {
        case horizontal:
            style += "border-top:1px solid " + line + ";border-bottom:1px solid " + line + ";border-left:0;border-right:0";
            break;
        case vertical:
            style += "border-left:1px solid " + line + ";border-right:1px solid " + line + ";border-top:0;border-bottom:0";
            break;
        case both:
            style += "border:1px solid " + line;
            break;
        default:
            break;
        }
    }
    return style;
}

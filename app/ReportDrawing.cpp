#include "app/ReportDrawing.h"

#include "platform/gdi/CDC.h"

CString CutToWidth(CDC* dc, CString text, int maxWidth)
{
    while (!text.IsEmpty() && dc->GetTextExtent(text).cx > maxWidth)
    {
        // Remove the last character with all of its bytes.
        int end = text.GetLength() - 1;
        while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80)
            --end;
        text = text.Left(end);
    }
    return text;
}

void DrawTextAt(CDC* dc, int x, int y, const CString& text, unsigned align)
{
    if (text.IsEmpty())
        return;
    dc->SetTextAlign(align | TA_TOP);
    dc->TextOut(x, y, text);
}

CString ReportText(unsigned id)
{
    CString text;
    text.LoadString(id);
    return text;
}

CString ReportNumber(const char* format, double value)
{
    CString text;
    text.Format(format, value);
    text.TrimLeft();
    return text;
}

CString ReportNumber(long value)
{
    CString text;
    text.Format("%ld", value);
    return text;
}

void DrawFrame(CDC* dc, int left, int top, int right, int bottom)
{
    CGdiObject* previous = dc->SelectStockObject(NULL_BRUSH);
    dc->Rectangle(left, top, right, bottom);
    if (previous)
        dc->SelectObject(static_cast<CBrush*>(previous));
}

void DrawCells(CDC* dc, int top, int height, std::initializer_list<int> edges)
{
    const int* edge = edges.begin();
    for (size_t i = 0; i + 1 < edges.size(); ++i)
        DrawFrame(dc, edge[i], top, edge[i + 1], top - height);
}

void DrawHeadLines(CDC* dc, int x, int top, std::initializer_list<CString> lines, int firstOffset)
{
    int y = top - firstOffset;
    for (const CString& line : lines)
    {
        DrawTextAt(dc, x, y, line, TA_CENTER);
        y -= 40;
    }
}

CString BeforeFirstBlank(const CString& text)
{
    const int blank = text.Find(' ');
    return blank < 0 ? text : text.Left(blank);
}

CString AfterFirstBlank(const CString& text)
{
    const int blank = text.Find(' ');
    return blank < 0 ? CString() : text.Mid(blank + 1);
}

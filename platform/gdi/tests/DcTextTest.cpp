#include "Canvas.h"

#include <gtest/gtest.h>

#include <cstring>

namespace
{
LOGFONT Font(int height, const char* face = "Arial", int weight = FW_NORMAL)
{
    LOGFONT lf;
    lf.lfHeight = height;
    lf.lfWeight = weight;
    std::strcpy(lf.lfFaceName, face);
    return lf;
}

void Create(CFont& font, const LOGFONT& lf) { font.CreateFontIndirect(&lf); }
} // namespace

TEST(DcText, TextOutAlignsLeftCentreAndRightToThePoint)
{
    CFont font;
    Create(font, Font(-20));
    struct Case
    {
        UINT align;
        int expectLeft;  // -1: not checked
        int expectRight; // -1: not checked
    };
    for (const Case& k : {Case{TA_LEFT | TA_TOP, 100, -1}, Case{TA_RIGHT | TA_TOP, -1, 100}})
    {
        Canvas c(200, 60);
        c.dc.SelectObject(&font);
        c.dc.SetBkMode(TRANSPARENT);
        c.dc.SetTextAlign(k.align);
        c.dc.TextOut(100, 10, CString("HH"));
        const QRect ink = c.Ink();
        if (k.expectLeft >= 0)
        {
            EXPECT_NEAR(ink.left(), k.expectLeft, 2);
        }
        if (k.expectRight >= 0)
        {
            EXPECT_NEAR(ink.right() + 1, k.expectRight, 2);
        }
    }
    Canvas c(200, 60);
    c.dc.SelectObject(&font);
    c.dc.SetTextAlign(TA_CENTER | TA_BASELINE);
    c.dc.SetBkMode(TRANSPARENT);
    c.dc.TextOut(100, 40, CString("HHHH"));
    const QRect ink = c.Ink();
    EXPECT_NEAR((ink.left() + ink.right() + 1) / 2.0, 100, 2);
    EXPECT_NEAR(ink.bottom() + 1, 40, 1);
}

TEST(DcText, OpaqueBackgroundFillsTheTextCell)
{
    Canvas c(100, 40);
    c.dc.SetBkColor(RGB(255, 255, 0));
    c.dc.TextOut(0, 0, CString("x"));
    EXPECT_EQ(c.At(0, 1), RGB(255, 255, 0));
    c.dc.SetBkMode(TRANSPARENT);
    c.dc.TextOut(50, 0, CString("x"));
    EXPECT_TRUE(c.IsWhite(50, 1));
}

TEST(DcText, DrawTextPlacesSingleLinesByTheFormat)
{
    struct Case
    {
        UINT format;
        bool right;
        bool vcentre;
    };
    for (const Case& k : {Case{DT_LEFT | DT_SINGLELINE, false, false},
                          Case{DT_RIGHT | DT_VCENTER | DT_SINGLELINE, true, true}})
    {
        Canvas c(200, 100);
        c.dc.SetBkMode(TRANSPARENT);
        CRect r(10, 10, 190, 90);
        c.dc.DrawText(CString("II"), &r, k.format);
        const QRect ink = c.Ink();
        ASSERT_FALSE(ink.isEmpty());
        if (k.right)
        {
            EXPECT_NEAR(ink.right() + 1, 190, 3);
        }
        else
        {
            EXPECT_NEAR(ink.left(), 10, 3);
        }
        if (k.vcentre)
        {
            EXPECT_NEAR((ink.top() + ink.bottom()) / 2.0, 50, 4);
        }
        else
        {
            EXPECT_LT(ink.top(), 25);
        }
    }
}

TEST(DcText, CalcRectMeasuresWrappedLinesWithoutDrawing)
{
    Canvas c(200, 200);
    CRect one(0, 0, 1000, 0);
    const int h1 = c.dc.DrawText(CString("alpha beta"), &one, DT_CALCRECT | DT_SINGLELINE);
    EXPECT_EQ(one.Width(), c.dc.GetTextExtent(CString("alpha beta")).cx);
    EXPECT_EQ(one.Height(), h1);
    CRect wrapped(0, 0, c.dc.GetTextExtent(CString("alpha beta")).cx + 2, 0);
    const int h2 = c.dc.DrawText(CString("alpha beta gamma"), &wrapped, DT_CALCRECT | DT_WORDBREAK);
    EXPECT_EQ(h2, 2 * h1);
    EXPECT_EQ(wrapped.Height(), h2);
    EXPECT_TRUE(c.Ink().isEmpty());
    CRect lines(0, 0, 100, 0);
    EXPECT_EQ(c.dc.DrawText(CString("a\nb\nc"), &lines, DT_CALCRECT), 3 * h1);
}

TEST(DcText, EndEllipsisAndPrefixes)
{
    Canvas c(300, 40);
    c.dc.SetBkMode(TRANSPARENT);
    const int full = c.dc.GetTextExtent(CString("a very long text that does not fit")).cx;
    CRect r(0, 0, full / 3, 20);
    c.dc.DrawText(CString("a very long text that does not fit"), &r, DT_END_ELLIPSIS | DT_SINGLELINE);
    EXPECT_LE(c.Ink().right(), full / 3);

    CRect measure(0, 0, 300, 0);
    c.dc.DrawText(CString("&Save"), &measure, DT_CALCRECT | DT_SINGLELINE);
    EXPECT_EQ(measure.Width(), c.dc.GetTextExtent(CString("Save")).cx);
    CRect literal(0, 0, 300, 0);
    c.dc.DrawText(CString("&Save"), &literal, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
    EXPECT_EQ(literal.Width(), c.dc.GetTextExtent(CString("&Save")).cx);
}

TEST(DcText, MetricsFollowTheLogFontHeightConvention)
{
    Canvas c(10, 10);
    CFont cell, character;
    Create(cell, Font(40, "Times New Roman"));
    Create(character, Font(-40, "Times New Roman"));
    TEXTMETRIC tm;
    c.dc.SelectObject(&cell);
    c.dc.GetTextMetrics(&tm);
    EXPECT_NEAR(tm.tmHeight, 40, 1);
    c.dc.SelectObject(&character);
    c.dc.GetTextMetrics(&tm);
    EXPECT_NEAR(tm.tmHeight - tm.tmInternalLeading, 40, 1);
    EXPECT_GT(tm.tmHeight, 42);
}

TEST(DcText, PrinterWidthsScaleWithTheLogicalUnit)
{
    // The same MM_LOMETRIC text measures the same in tenths of a millimetre at 300 and 1200 dpi.
    auto measure = [](int dotsPerMetre) {
        QImage page(100, 100, QImage::Format_RGB32);
        page.setDotsPerMeterX(dotsPerMetre);
        page.setDotsPerMeterY(dotsPerMetre);
        CDC dc;
        dc.CreateForDevice(&page, true);
        dc.SetMapMode(MM_LOMETRIC);
        CFont font;
        Create(font, Font(50, "Times New Roman", FW_BOLD));
        dc.SelectObject(&font);
        return dc.GetTextExtent(CString("Výsledky výpočtu tepelných ztrát"));
    };
    const CSize low = measure(11811);
    const CSize high = measure(47244);
    EXPECT_NEAR(low.cx, high.cx, high.cx / 100 + 2);
    EXPECT_NEAR(high.cy, 50, 2);
}

TEST(DcText, EscapementTurnsTheText)
{
    LOGFONT lf = Font(-16);
    lf.lfEscapement = 900;
    CFont vertical;
    vertical.CreateFontIndirect(&lf);
    Canvas c(60, 200);
    c.dc.SelectObject(&vertical);
    c.dc.SetBkMode(TRANSPARENT);
    c.dc.TextOut(10, 150, CString("HHHHHH"));
    const QRect ink = c.Ink();
    EXPECT_GT(ink.height(), ink.width());
    EXPECT_LE(ink.bottom(), 150);
}

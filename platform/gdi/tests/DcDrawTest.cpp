#include "Canvas.h"
#include "testing/OffscreenApplication.h"

#include "platform/gdi/SystemMetrics.h"

#include <gtest/gtest.h>

static const auto* const kApplication = ::testing::AddGlobalTestEnvironment(new OffscreenApplication);

TEST(DcDraw, RectangleOutlinesWithPenAndExcludesRightAndBottom)
{
    Canvas c(20, 20);
    CPen red(PS_SOLID, 1, RGB(255, 0, 0));
    CBrush blue(RGB(0, 0, 255));
    c.dc.SelectObject(&red);
    c.dc.SelectObject(&blue);
    c.dc.Rectangle(2, 3, 10, 8);
    EXPECT_EQ(c.At(2, 3), RGB(255, 0, 0));
    EXPECT_EQ(c.At(9, 7), RGB(255, 0, 0));
    EXPECT_EQ(c.At(5, 5), RGB(0, 0, 255));
    EXPECT_TRUE(c.IsWhite(10, 5));
    EXPECT_TRUE(c.IsWhite(5, 8));
    EXPECT_EQ(c.Ink(), QRect(2, 3, 8, 5));
}

TEST(DcDraw, NullBrushDrawsOnlyTheOutline)
{
    Canvas c(20, 20);
    c.dc.SelectStockObject(NULL_BRUSH);
    c.dc.SelectStockObject(BLACK_PEN);
    c.dc.Rectangle(0, 0, 10, 10);
    EXPECT_EQ(c.At(0, 0), RGB(0, 0, 0));
    EXPECT_TRUE(c.IsWhite(5, 5));
}

TEST(DcDraw, FillsAndFramesCoverExactlyTheRectangle)
{
    struct Case
    {
        const char* name;
        void (*draw)(CDC&, const CRect&);
        bool interior;
    };
    const Case cases[] = {
        {"FillRect", [](CDC& dc, const CRect& r) { CBrush b(RGB(0, 128, 0)); dc.FillRect(&r, &b); }, true},
        {"FillSolidRect", [](CDC& dc, const CRect& r) { dc.FillSolidRect(&r, RGB(0, 128, 0)); }, true},
        {"FrameRect", [](CDC& dc, const CRect& r) { CBrush b(RGB(0, 128, 0)); dc.FrameRect(&r, &b); }, false},
    };
    for (const Case& k : cases)
    {
        SCOPED_TRACE(k.name);
        Canvas c(20, 20);
        k.draw(c.dc, CRect(3, 4, 13, 9));
        EXPECT_EQ(c.Ink(), QRect(3, 4, 10, 5));
        EXPECT_EQ(c.IsWhite(8, 6), !k.interior);
    }
}

TEST(DcDraw, LineToLeavesOutItsLastPixelAndMovesThePosition)
{
    Canvas c(20, 20);
    c.dc.MoveTo(2, 5);
    c.dc.LineTo(10, 5);
    EXPECT_EQ(c.Ink(), QRect(2, 5, 8, 1));
    EXPECT_EQ(c.dc.GetCurrentPosition(), CPoint(10, 5));
    c.dc.LineTo(10, 12);
    EXPECT_EQ(c.At(10, 5), RGB(0, 0, 0));
    EXPECT_TRUE(c.IsWhite(10, 12));
}

TEST(DcDraw, LometricMapsTenthsOfMillimetresWithYUp)
{
    // 254 dots per inch: one device pixel is 0.1 mm.
    QImage page(400, 300, QImage::Format_RGB32);
    page.setDotsPerMeterX(10000);
    page.setDotsPerMeterY(10000);
    CDC dc;
    ASSERT_TRUE(dc.CreateForDevice(&page, true));
    EXPECT_EQ(dc.GetDeviceCaps(LOGPIXELSY), 254);
    dc.SetMapMode(MM_LOMETRIC);
    CPoint p(100, -50);
    dc.LPtoDP(&p);
    EXPECT_EQ(p, CPoint(100, 50));
    dc.SetWindowOrg(10, -10);
    dc.SetViewportOrg(5, 5);
    CPoint q(110, -30);
    dc.LPtoDP(&q);
    EXPECT_EQ(q, CPoint(105, 25));
    dc.DPtoLP(&q);
    EXPECT_EQ(q, CPoint(110, -30));
    CRect draw(0, 0, dc.GetDeviceCaps(HORZRES), dc.GetDeviceCaps(VERTRES));
    dc.SetWindowOrg(0, 0);
    dc.SetViewportOrg(0, 0);
    dc.DPtoLP(&draw);
    EXPECT_EQ(draw, CRect(0, 0, 400, -300));
    EXPECT_EQ(dc.GetDeviceCaps(VERTSIZE), 30);
}

TEST(DcDraw, SaveAndRestoreBringBackModesColoursObjectsAndClip)
{
    Canvas c(20, 20);
    CPen red(PS_SOLID, 1, RGB(255, 0, 0));
    CPen* original = c.dc.SelectObject(&red);
    c.dc.SetTextColor(RGB(1, 2, 3));
    const int saved = c.dc.SaveDC();
    CPen green(PS_SOLID, 1, RGB(0, 255, 0));
    c.dc.SelectObject(&green);
    c.dc.SetTextColor(RGB(9, 9, 9));
    c.dc.SetMapMode(MM_LOMETRIC);
    c.dc.IntersectClipRect(0, 0, 2, -2);
    ASSERT_TRUE(c.dc.RestoreDC(saved));
    EXPECT_EQ(c.dc.GetCurrentPen(), &red);
    EXPECT_EQ(c.dc.GetTextColor(), RGB(1, 2, 3));
    EXPECT_EQ(c.dc.GetMapMode(), MM_TEXT);
    CRect clip;
    c.dc.GetClipBox(&clip);
    EXPECT_EQ(clip, CRect(0, 0, 20, 20));
    EXPECT_EQ(c.dc.SelectObject(original), &red);
}

TEST(DcDraw, ClippingKeepsDrawingInsideAndReportsTheClipBox)
{
    Canvas c(20, 20);
    c.dc.IntersectClipRect(5, 5, 10, 10);
    CRect box;
    EXPECT_EQ(c.dc.GetClipBox(&box), SIMPLEREGION);
    EXPECT_EQ(box, CRect(5, 5, 10, 10));
    c.dc.FillSolidRect(0, 0, 20, 20, RGB(0, 0, 0));
    EXPECT_EQ(c.Ink(), QRect(5, 5, 5, 5));
    c.dc.SelectClipRgn(nullptr);
    CRgn region;
    region.CreateRectRgn(0, 0, 2, 2);
    c.dc.SelectClipRgn(&region);
    c.dc.ExcludeClipRect(0, 0, 1, 1);
    c.dc.FillSolidRect(0, 0, 20, 20, RGB(255, 0, 0));
    EXPECT_TRUE(c.IsWhite(0, 0));
    EXPECT_EQ(c.At(1, 1), RGB(255, 0, 0));
}

TEST(DcDraw, RegionsCombineIntoTheClipRegion)
{
    Canvas c(20, 20);
    CRgn cut, back;
    cut.CreateRectRgn(0, 0, 10, 20);
    back.CreateRectRgn(0, 0, 5, 5);
    EXPECT_EQ(c.dc.ExtSelectClipRgn(&cut, RGN_DIFF), SIMPLEREGION);
    EXPECT_EQ(c.dc.ExtSelectClipRgn(&back, RGN_OR), COMPLEXREGION);
    c.dc.FillSolidRect(0, 0, 20, 20, RGB(0, 0, 0));
    EXPECT_EQ(c.At(2, 2), RGB(0, 0, 0));
    EXPECT_TRUE(c.IsWhite(7, 7));
    EXPECT_TRUE(c.IsWhite(2, 12));
    EXPECT_EQ(c.At(15, 15), RGB(0, 0, 0));
    EXPECT_EQ(c.dc.ExtSelectClipRgn(nullptr, RGN_OR), ERROR);
    EXPECT_EQ(c.dc.ExtSelectClipRgn(&cut, 99), ERROR);
    EXPECT_EQ(c.dc.ExtSelectClipRgn(&back, RGN_COPY), SIMPLEREGION);
    CRect box;
    c.dc.GetClipBox(&box);
    EXPECT_EQ(box, CRect(0, 0, 5, 5));
}

TEST(DcDraw, InvertRectTwiceRestoresThePixels)
{
    Canvas c(10, 10);
    c.dc.FillSolidRect(0, 0, 5, 10, RGB(10, 20, 30));
    CRect r(2, 2, 8, 8);
    c.dc.InvertRect(&r);
    EXPECT_EQ(c.At(3, 3), RGB(245, 235, 225));
    EXPECT_EQ(c.At(6, 6), RGB(0, 0, 0));
    c.dc.InvertRect(&r);
    EXPECT_EQ(c.At(3, 3), RGB(10, 20, 30));
    EXPECT_TRUE(c.IsWhite(6, 6));
}

TEST(DcDraw, BitBltCopiesFromAMemoryContextAndStretchBltScales)
{
    Canvas source(4, 4, Qt::red);
    source.dc.FillSolidRect(2, 0, 2, 4, RGB(0, 0, 255));
    Canvas c(20, 20);
    c.dc.BitBlt(10, 10, 4, 4, &source.dc, 0, 0, SRCCOPY);
    EXPECT_EQ(c.At(10, 10), RGB(255, 0, 0));
    EXPECT_EQ(c.At(13, 13), RGB(0, 0, 255));
    EXPECT_TRUE(c.IsWhite(14, 14));
    c.dc.StretchBlt(0, 0, 8, 8, &source.dc, 0, 0, 4, 4, SRCCOPY);
    EXPECT_EQ(c.At(3, 7), RGB(255, 0, 0));
    EXPECT_EQ(c.At(4, 0), RGB(0, 0, 255));
    EXPECT_EQ(c.Ink(), QRect(0, 0, 14, 14));
}

TEST(DcDraw, EdgesAndFrameControlsUseTheSystemColours)
{
    Canvas c(30, 30);
    CRect r(0, 0, 10, 10);
    c.dc.DrawEdge(&r, BDR_SUNKENINNER, BF_RECT | BF_ADJUST);
    EXPECT_EQ(c.At(0, 0), GetSysColor(COLOR_3DDKSHADOW));
    EXPECT_EQ(c.At(9, 9), GetSysColor(COLOR_3DLIGHT));
    EXPECT_EQ(r, CRect(1, 1, 9, 9));

    CRect button(10, 0, 30, 12);
    c.dc.DrawFrameControl(&button, DFC_BUTTON, DFCS_BUTTONPUSH);
    EXPECT_EQ(c.At(20, 6), GetSysColor(COLOR_3DFACE));
    CRect pushed(10, 14, 30, 26);
    c.dc.DrawFrameControl(&pushed, DFC_BUTTON, DFCS_BUTTONPUSH | DFCS_PUSHED);
    EXPECT_EQ(c.At(10, 14), GetSysColor(COLOR_3DSHADOW));

    Canvas box(13, 13);
    CRect all(0, 0, 13, 13);
    box.dc.DrawFrameControl(&all, DFC_BUTTON, DFCS_BUTTONCHECK);
    const QRect unchecked = box.Ink(GetSysColor(COLOR_WINDOW));
    box.dc.DrawFrameControl(&all, DFC_BUTTON, DFCS_BUTTONCHECK | DFCS_CHECKED);
    EXPECT_NE(box.At(6, 7), GetSysColor(COLOR_WINDOW)); // the check mark
    EXPECT_EQ(unchecked.topLeft(), QPoint(0, 0));
}

TEST(DcDraw, FocusRectangleDrawnTwiceDisappears)
{
    Canvas c(10, 10);
    CRect r(1, 1, 9, 9);
    c.dc.DrawFocusRect(&r);
    EXPECT_FALSE(c.Ink().isEmpty());
    c.dc.DrawFocusRect(&r);
    EXPECT_TRUE(c.Ink().isEmpty());
}

TEST(DcDraw, SystemColoursAndMetrics)
{
    EXPECT_EQ(GetSysColor(COLOR_WINDOW), RGB(255, 255, 255));
    EXPECT_EQ(GetSysColor(COLOR_WINDOWTEXT), RGB(0, 0, 0));
    EXPECT_GT(GetSystemMetrics(SM_CXVSCROLL), 8);
    EXPECT_EQ(GetSystemMetrics(SM_CXBORDER), 1);
    NONCLIENTMETRICS m;
    ASSERT_TRUE(SystemParametersInfo(SPI_GETNONCLIENTMETRICS, sizeof m, &m, 0));
    EXPECT_STREQ(m.lfMessageFont.lfFaceName, "MS Sans Serif");
    EXPECT_EQ(MulDiv(8, 96, 72), 11);
    EXPECT_EQ(MulDiv(-3, 1, 2), -2);
}

TEST(DcDraw, OffScreenBufferWithAWindowOriginCopiesToItsPlace)
{
    // The double-buffered paint: draw the clip box off screen in the window's coordinates, copy it.
    Canvas target(40, 40, Qt::gray);
    CDC memory;
    ASSERT_TRUE(memory.CreateCompatibleDC(&target.dc));
    CBitmap buffer;
    ASSERT_TRUE(buffer.CreateCompatibleBitmap(&target.dc, 20, 20));
    CBitmap* old = memory.SelectObject(&buffer);
    memory.SetWindowOrg(10, 10);
    memory.FillSolidRect(10, 10, 20, 20, RGB(255, 255, 255));
    memory.FillSolidRect(15, 15, 5, 5, RGB(255, 0, 0));
    CRect box;
    memory.GetClipBox(&box);
    EXPECT_EQ(box, CRect(10, 10, 30, 30));
    target.dc.BitBlt(10, 10, 20, 20, &memory, 10, 10, SRCCOPY);
    memory.SelectObject(old);
    EXPECT_EQ(target.At(15, 15), RGB(255, 0, 0));
    EXPECT_EQ(target.At(14, 14), RGB(255, 255, 255));
    EXPECT_EQ(target.At(29, 29), RGB(255, 255, 255));
    EXPECT_NE(target.At(9, 9), RGB(255, 255, 255));
    EXPECT_NE(target.At(30, 30), RGB(255, 255, 255));
}

TEST(DcDraw, AContextWithoutADeviceDrawsNothingAndDoesNotFail)
{
    CDC dc;
    CRect r(0, 0, 10, 10);
    dc.FillSolidRect(&r, RGB(1, 2, 3));
    dc.TextOut(0, 0, CString("nic"));
    dc.DrawText(CString("nic"), &r, DT_SINGLELINE);
    dc.Rectangle(&r);
    CRect box;
    EXPECT_EQ(dc.GetClipBox(&box), NULLREGION);
    EXPECT_FALSE(dc.IsPrinting());
}

TEST(DcDraw, SelectingTheFirstBitmapBackReleasesTheOwnOne)
{
    CDC memory;
    memory.CreateCompatibleDC(nullptr);
    CBitmap bitmap;
    bitmap.CreateCompatibleBitmap(&memory, 4, 4);
    CBitmap* first = memory.SelectObject(&bitmap);
    ASSERT_NE(first, nullptr);
    memory.FillSolidRect(0, 0, 4, 4, RGB(0, 255, 0));
    EXPECT_EQ(memory.SelectObject(first), &bitmap);
    EXPECT_EQ(bitmap.Image().pixelColor(3, 3), QColor(0, 255, 0));
}

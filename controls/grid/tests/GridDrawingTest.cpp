// What the grid paints: cell colours by state, and a demo table compared with its reviewed picture.
#include "GridTestSupport.h"
#include "testing/PictureCompare.h"

#include <QImage>
#include <QWidget>

#include <cstdlib>
#include <string>

namespace
{
QImage Render(CWnd& wnd)
{
    ProcessEvents();
    return wnd.GetClientWidget()->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

COLORREF PixelAt(const QImage& image, int x, int y)
{
    const QRgb rgb = image.pixel(x, y);
    return RGB(BYTE(qRed(rgb)), BYTE(qGreen(rgb)), BYTE(qBlue(rgb)));
}

CPoint CellCentre(CGridCtrl& grid, int row, int col)
{
    CRect rect;
    EXPECT_TRUE(grid.GetCellRect(row, col, rect));
    return rect.CenterPoint();
}
} // namespace

TEST(GridDrawing, CellBackgroundsFollowTheirState)
{
    GridFixture f(6, 4, 1, 1);
    for (int row = 0; row < 6; row++)
        f.grid.SetRowHeight(row, 24);
    f.grid.SetItemBkColour(2, 1, RGB(0, 128, 0));
    f.grid.SetSelectedRange(3, 2, 3, 2);
    f.grid.SetItemBkColour(3, 2, RGB(200, 0, 0));
    const QImage image = Render(f.grid);

    const CPoint own = CellCentre(f.grid, 2, 1);
    EXPECT_EQ(PixelAt(image, own.x, own.y), RGB(0, 128, 0));
    // A selected cell shows the highlight whatever its own background.
    const CPoint selected = CellCentre(f.grid, 3, 2);
    EXPECT_EQ(PixelAt(image, selected.x, selected.y), ::GetSysColor(COLOR_HIGHLIGHT));
    const CPoint plain = CellCentre(f.grid, 4, 3);
    EXPECT_EQ(PixelAt(image, plain.x, plain.y), f.grid.GetDefaultCell(FALSE, FALSE)->GetBackClr());
    const CPoint heading = CellCentre(f.grid, 0, 2);
    EXPECT_EQ(PixelAt(image, heading.x, heading.y), ::GetSysColor(COLOR_3DFACE));
    // Outside the cells: the grid's background colour.
    CRect client;
    f.grid.GetClientRect(client);
    EXPECT_EQ(PixelAt(image, client.right - 2, client.bottom - 2), f.grid.GetGridBkColor());
}

TEST(GridDrawing, FocusCellIsFramedAndGridLinesDrawn)
{
    GridFixture f(6, 4, 1, 1);
    f.grid.SetFocusCell(2, 2);
    const QImage image = Render(f.grid);
    CRect rect;
    ASSERT_TRUE(f.grid.GetCellRect(2, 2, rect));
    // The frame is drawn in the text colour one pixel inside the grid lines.
    EXPECT_EQ(PixelAt(image, rect.left, rect.top + rect.Height() / 2),
              f.grid.GetDefaultCell(FALSE, FALSE)->GetTextClr());
    CRect other;
    ASSERT_TRUE(f.grid.GetCellRect(3, 3, other));
    EXPECT_EQ(PixelAt(image, other.right, other.top + 3), f.grid.GetGridLineColor());
    EXPECT_EQ(PixelAt(image, other.left + 3, other.bottom), f.grid.GetGridLineColor());
}

namespace
{
// The demo table: 200 rows and 12 columns, a heading row and a row-number column.
void FillDemo(CGridCtrl& grid)
{
    static const char* const names[] = {"Místnost", "Podlaží", "Teplota", "Plocha", "Výška",   "Objem",
                                        "Ztráta",   "Okruh",   "Rozteč",  "Délka",  "Poznámka"};
    for (int col = 1; col < 12; col++)
        grid.SetItemText(0, col, names[col - 1]);
    for (int row = 1; row < 200; row++)
    {
        grid.SetItemTextFmt(row, 0, "%d", row);
        grid.SetItemText(row, 1, row % 3 == 0 ? "Koupelna" : (row % 3 == 1 ? "Obývací pokoj" : "Ložnice"));
        grid.SetItemTextFmt(row, 2, "%d.NP", 1 + row % 4);
        grid.SetItemTextFmt(row, 3, "%d", 20 + row % 5);
        grid.SetItemTextFmt(row, 4, "%.2f", 10.5 + row * 0.25);
        grid.SetItemText(row, 5, "2,60");
        grid.SetItemTextFmt(row, 6, "%.1f", (10.5 + row * 0.25) * 2.6);
        grid.SetItemTextFmt(row, 7, "%d", 400 + row * 7);
        grid.SetItemTextFmt(row, 8, "O%d", 1 + row / 10);
        grid.SetItemText(row, 9, "150");
        grid.SetItemTextFmt(row, 10, "%d", 60 + row % 40);
        grid.SetItemText(row, 11, row % 7 == 0 ? "Podlahové vytápění s dlouhou poznámkou" : "");
    }
    for (int row = 0; row < 200; row++)
    {
        for (int col : {3, 4, 5, 6, 7, 9, 10})
            grid.SetItemFormat(row, col, DT_RIGHT | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS);
        for (int col : {2, 8})
            grid.SetItemFormat(row, col, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    }
    for (int col = 0; col < 12; col++)
        grid.SetItemFormat(0, col, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    grid.AutoSizeColumns();
    grid.SetColumnWidth(11, 120);
}

} // namespace

TEST(GridDemo, ScrolledTableMatchesTheReviewedPicture)
{
    GridFixture f(200, 12, 1, 1, CSize(640, 400));
    FillDemo(f.grid);
    f.grid.SetFocusCell(6, 3);
    f.grid.SetSelectedRange(6, 3, 8, 5);

    // One wheel notch scrolls three lines, the bar one more.
    const CPoint centre(320, 200);
    f.grid.SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, WORD(-WHEEL_DELTA)), MAKELPARAM(centre.x, centre.y));
    ProcessEvents();
    EXPECT_EQ(f.grid.GetFirstScrolledCell().row, 4);
    f.grid.SendMessage(WM_VSCROLL, SB_LINEDOWN);
    EXPECT_EQ(f.grid.GetFirstScrolledCell().row, 5);
    f.grid.SendMessage(WM_HSCROLL, SB_LINERIGHT);
    f.grid.SendMessage(WM_HSCROLL, SB_LINELEFT);
    EXPECT_EQ(f.grid.GetFirstScrolledCell().col, 1);

    ProcessEvents();
    EXPECT_TRUE(MatchesReviewedPicture(f.owner.GetWidget()->grab().toImage(),
                                       std::string(KALVENROD_TEST_DATA_DIR) + "/data/GridDemo.png"));
}

TEST(GridDrawing, TheSortColumnsHeadingCarriesAMark)
{
    GridFixture f(6, 4, 1, 1);
    for (int row = 0; row < 6; row++)
        f.grid.SetRowHeight(row, 24);
    auto shadowPixels = [&]
    {
        const QImage image = Render(f.grid);
        CRect heading;
        EXPECT_TRUE(f.grid.GetCellRect(0, 2, heading));
        int count = 0;
        for (int y = heading.top + 2; y < heading.bottom - 1; y++)
            for (int x = heading.left + 2; x < heading.right - 1; x++)
                if (PixelAt(image, x, y) == ::GetSysColor(COLOR_BTNSHADOW))
                    count++;
        return count;
    };
    EXPECT_EQ(shadowPixels(), 0);
    f.grid.SetSortColumn(2);
    EXPECT_GT(shadowPixels(), 5);
}

namespace
{
// The lowest row of dark pixels inside a cell (its text's baseline for letters without
// descenders); -1 when the cell shows no text.
int LowestInk(const QImage& image, const CRect& cell)
{
    int lowest = -1;
    for (int y = cell.top + 2; y < cell.bottom - 1; ++y)
        for (int x = cell.left + 2; x < cell.right - 1; ++x)
            if (qGray(image.pixel(x, y)) < 100)
                lowest = y;
    return lowest;
}
} // namespace

// A text cell that may break its lines and a single-line number cell of the same row put their
// texts on one baseline, whatever the row's height.
TEST(GridDrawing, TextsAndNumbersOfARowShareOneBaseline)
{
    for (const int height : {20, 31, 46})
    {
        GridFixture f(3, 3, 1, 1);
        f.grid.SetRowHeight(1, height);
        f.grid.SetColumnWidth(1, 120);
        f.grid.SetItemText(1, 1, "Místnost");
        f.grid.SetItemFormat(1, 1, DT_LEFT | DT_VCENTER | DT_WORDBREAK);
        f.grid.SetItemText(1, 2, "1250");
        f.grid.SetItemFormat(1, 2, DT_RIGHT | DT_VCENTER | DT_SINGLELINE);
        const QImage image = Render(f.grid);
        CRect text;
        CRect number;
        ASSERT_TRUE(f.grid.GetCellRect(1, 1, text));
        ASSERT_TRUE(f.grid.GetCellRect(1, 2, number));
        const int textBaseline = LowestInk(image, text);
        ASSERT_GT(textBaseline, 0) << height;
        EXPECT_NEAR(textBaseline, LowestInk(image, number), 1) << height;
    }
}

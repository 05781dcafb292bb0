#include "common/AppSettings.h"
#include "controls/grid/CGridCellBase.h"
#include "floorwall/CRoztece.h"
#include "floorwall/dialogs/CMistGridCtrl.h"
#include "testing/UiTest.h"

#include <gtest/gtest.h>

namespace
{
constexpr UINT kReadOnly = 8;
constexpr COLORREF kLockColour = 0x123456;

// An owner window with a settings-like grid: a header row and data rows of five columns,
// each data row with a switch image in column 0.
struct MistGrid
{
    bool ready = (UiTest::EnsureApplication(), true);
    CWnd owner;
    CMistGridCtrl grid;

    explicit MistGrid(const std::vector<int>& images)
    {
        AppSettings::Get().Colours[3] = kLockColour;
        owner.CreateEx(0, nullptr, "grid", WS_POPUP | WS_VISIBLE, CRect(0, 0, 460, 200), nullptr, 0);
        grid.Create(CRect(10, 10, 450, 190), &owner, 1321);
        grid.SetColumnCount(5);
        grid.SetRowCount(1);
        grid.SetFixedRowCount(1);
        for (int c = 0; c < 5; ++c)
        {
            grid.SetColumnWidth(c, 80);
            grid.SetItemFormat(0, c, c < 4 ? DT_RIGHT : DT_LEFT);
        }
        for (int image : images)
        {
            const int row = grid.AppendRow("", -1);
            grid.SetItemImage(row, 0, image);
            grid.SetRowHeight(row, 20);
        }
        UiTest::ProcessEvents();
    }

    bool Locked(int row, int col) const
    {
        return (grid.GetItemState(row, col) & kReadOnly) != 0;
    }
};
} // namespace

TEST(MistGrid, ClickOnImageOneTurnsItToZeroAndLocksTheRowButItsLastColumn)
{
    MistGrid g({1});
    EXPECT_EQ(g.grid.OnCellClick(1, 0), 0);
    EXPECT_EQ(g.grid.GetItemImage(1, 0), 0);
    EXPECT_FALSE(g.Locked(1, 0)); // the clicked column itself
    for (int c = 1; c <= 3; ++c)
    {
        EXPECT_TRUE(g.Locked(1, c)) << c;
        EXPECT_EQ(g.grid.GetCell(1, c)->GetBackClr(), kLockColour) << c;
    }
    EXPECT_FALSE(g.Locked(1, 4));
    EXPECT_EQ(g.grid.GetFocusCell(), CCellID(1, 1));

    EXPECT_EQ(g.grid.OnCellClick(1, 0), 0);
    EXPECT_EQ(g.grid.GetItemImage(1, 0), 1);
}

TEST(MistGrid, TwoDataRowsSwapTheirSwitch)
{
    MistGrid g({1, 0});
    g.grid.OnCellClick(1, 0);
    EXPECT_EQ(g.grid.GetItemImage(1, 0), 0);
    EXPECT_EQ(g.grid.GetItemImage(2, 0), 1);
    EXPECT_TRUE(g.Locked(2, 2));
    EXPECT_FALSE(g.Locked(2, 4));
}

TEST(MistGrid, OneOrThreeDataRowsChangeOnlyTheClickedRow)
{
    for (const std::vector<int>& images : {std::vector<int>{1}, std::vector<int>{1, 1, 0}})
    {
        MistGrid g(images);
        g.grid.OnCellClick(1, 0);
        EXPECT_EQ(g.grid.GetItemImage(1, 0), 0);
        for (size_t i = 1; i < images.size(); ++i)
            EXPECT_EQ(g.grid.GetItemImage(int(i) + 1, 0), images[i]);
    }
}

TEST(MistGrid, CellsWithoutSwitchAndFixedCellsAreLeftAlone)
{
    MistGrid g({1});
    g.grid.SetItemImage(1, 2, 2);
    EXPECT_EQ(g.grid.OnCellClick(1, 2), 1);
    EXPECT_EQ(g.grid.OnCellClick(1, 3), 1); // no image
    EXPECT_FALSE(g.Locked(1, 1));

    CRect header;
    ASSERT_TRUE(g.grid.GetCellRect(0, 0, header));
    g.grid.SetItemImage(0, 0, 1);
    UiTest::MouseDown(&g.grid, header.CenterPoint(), Qt::LeftButton);
    UiTest::MouseUp(&g.grid, header.CenterPoint(), Qt::LeftButton);
    UiTest::ProcessEvents();
    EXPECT_EQ(g.grid.GetItemImage(0, 0), 1);

    CRect cell;
    ASSERT_TRUE(g.grid.GetCellRect(1, 0, cell));
    UiTest::MouseDown(&g.grid, cell.CenterPoint(), Qt::LeftButton);
    UiTest::MouseUp(&g.grid, cell.CenterPoint(), Qt::LeftButton);
    UiTest::ProcessEvents();
    EXPECT_EQ(g.grid.GetItemImage(1, 0), 0); // a real click reaches the switch
}

TEST(MistGrid, AppendedRowsTakeTheHeaderFormats)
{
    MistGrid g({1, 1});
    EXPECT_EQ(g.grid.GetRowCount(), 3);
    EXPECT_EQ(g.grid.GetCell(2, 1)->GetFormat(), g.grid.GetCell(0, 1)->GetFormat());
    EXPECT_EQ(g.grid.GetCell(2, 1)->GetFormat() & DT_RIGHT, UINT(DT_RIGHT));
}

TEST(MistGrid, SeriesRowFillsItsColumnsAndLocksByTheSystem)
{
    MistGrid g({-1, -1});
    CRoztece series;
    series.FillGridRow(1, &g.grid);
    EXPECT_STREQ(g.grid.GetItemText(1, 4), "0.075, 0.150, 0.225, 0.300");
    EXPECT_STREQ(g.grid.GetItemText(1, 2), "0.075");
    EXPECT_EQ(g.grid.GetItemImage(1, 0), 0);
    EXPECT_FALSE(g.Locked(1, 0));
    EXPECT_TRUE(g.Locked(1, 4));
    series.UpdateFlags("9001-0014", 0.05);
    series.FillGridRow(2, &g.grid);
    EXPECT_EQ(g.grid.GetItemImage(2, 0), 3);
    EXPECT_TRUE(g.Locked(2, 0));
}

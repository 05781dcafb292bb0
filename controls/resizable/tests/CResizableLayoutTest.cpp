#include "controls/resizable/CResizableLayout.h"

#include "platform/gdi/CDC.h"
#include "platform/ui/CWnd.h"
#include "testing/UiTest.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace
{
constexpr UINT ActivePageCallback = 1;
constexpr UINT RefusedCallback = 2;

// A top-level window whose children follow their anchors; its callback entry places a panel
// beside the control "list" as that control stands after the plain moves.
class CLayoutWnd : public CWnd, public CResizableLayout
{
public:
    CWnd* m_pFollowed = nullptr;
    CWnd* m_pPanel = nullptr;
    int m_nCallbacks = 0;

    // Gives the client area the size, then arranges.
    void Resize(int cx, int cy)
    {
        CRect window, client;
        GetWindowRect(&window);
        GetClientRect(&client);
        SetWindowPos(nullptr, 0, 0, cx + window.Width() - client.Width(),
                     cy + window.Height() - client.Height(), SWP_NOMOVE | SWP_NOZORDER);
        ArrangeLayout();
    }
    using CResizableLayout::PositionFlags;

protected:
    CWnd* GetLayoutWindow() override { return this; }
    BOOL GetCallbackRect(LayoutInfo& info) override
    {
        ++m_nCallbacks;
        if (info.nCallbackId != ActivePageCallback)
            return CResizableLayout::GetCallbackRect(info);
        CRect followed;
        m_pFollowed->GetWindowRect(&followed);
        ScreenToClient(&followed);
        CRect area;
        GetLayoutClientRect(&area);
        info.hWnd = m_pPanel->GetSafeHwnd();
        info.anchorTopLeft = AnchorTopLeft;
        info.anchorBottomRight = AnchorBottomRight;
        info.marginTopLeft = CSize(followed.right + 5, followed.top);
        info.marginBottomRight = CSize(-5, followed.bottom - area.bottom);
        return TRUE;
    }
};

// A control that counts how often it is moved and sized.
class CCountingWnd : public CWnd
{
public:
    int m_nMoves = 0;
    int m_nSizes = 0;

protected:
    afx_msg void OnMove(int, int) { ++m_nMoves; }
    afx_msg void OnSize(UINT, int, int) { ++m_nSizes; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CCountingWnd, CWnd)
ON_WM_MOVE()
ON_WM_SIZE()
END_MESSAGE_MAP()

class CResizableLayoutTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite() { UiTest::EnsureApplication(); }

    void SetUp() override
    {
        ASSERT_TRUE(wnd.CreateEx(0, "KalvenrodTest", "Okno", WS_POPUP | WS_CAPTION, CRect(0, 0, 200, 100),
                                 nullptr, 0));
        wnd.ShowWindow(SW_SHOW);
        wnd.Resize(200, 100);
        CRect client;
        wnd.GetClientRect(&client);
        ASSERT_EQ(client.Size(), CSize(200, 100));
    }

    template <class Wnd = CWnd> Wnd* AddChild(const char* className, DWORD style, const CRect& rect, UINT id)
    {
        auto child = std::make_unique<Wnd>();
        EXPECT_TRUE(child->Create(className, "", WS_CHILD | WS_VISIBLE | style, rect, &wnd, id));
        Wnd* added = child.get();
        children.push_back(std::move(child));
        return added;
    }

    CRect RectOf(CWnd* child)
    {
        CRect r;
        child->GetWindowRect(&r);
        wnd.ScreenToClient(&r);
        return r;
    }

    CLayoutWnd wnd;
    std::vector<std::unique_ptr<CWnd>> children;
};
} // namespace

TEST_F(CResizableLayoutTest, ControlsFollowTheirAnchors)
{
    CWnd* grid = AddChild("Static", 0, CRect(10, 10, 190, 90), 1305);
    CWnd* ok = AddChild("Button", 0, CRect(150, 70, 190, 90), 1);
    CWnd* centred = AddChild("Button", 0, CRect(80, 40, 120, 60), 1331);
    CWnd* fixed = AddChild("Edit", 0, CRect(5, 5, 50, 20), 1332);
    wnd.AddAnchor(grid->GetSafeHwnd(), AnchorTopLeft, AnchorBottomRight);
    wnd.AddAnchor(ok->GetSafeHwnd(), AnchorBottomRight, AnchorNone);
    wnd.AddAnchor(centred->GetSafeHwnd(), AnchorMiddleCenter);
    wnd.AddAnchor(fixed->GetSafeHwnd(), AnchorTopLeft);

    wnd.Resize(300, 200);
    EXPECT_EQ(RectOf(grid), CRect(10, 10, 290, 190));
    EXPECT_EQ(RectOf(ok), CRect(250, 170, 290, 190));
    EXPECT_EQ(RectOf(centred), CRect(130, 90, 170, 110));
    EXPECT_EQ(RectOf(fixed), CRect(5, 5, 50, 20));

    wnd.Resize(200, 100);
    EXPECT_EQ(RectOf(grid), CRect(10, 10, 190, 90));
    EXPECT_EQ(RectOf(ok), CRect(150, 70, 190, 90));
    EXPECT_EQ(RectOf(centred), CRect(80, 40, 120, 60));
}

TEST_F(CResizableLayoutTest, ArrangingAtTheSameSizeMovesNothing)
{
    auto* grid = AddChild<CCountingWnd>("Static", 0, CRect(10, 10, 190, 90), 1305);
    auto* ok = AddChild<CCountingWnd>("Button", 0, CRect(150, 70, 190, 90), 1);
    wnd.AddAnchor(grid->GetSafeHwnd(), AnchorTopLeft, AnchorBottomRight);
    wnd.AddAnchor(ok->GetSafeHwnd(), AnchorBottomRight);
    grid->m_nMoves = grid->m_nSizes = ok->m_nMoves = ok->m_nSizes = 0;

    wnd.ArrangeLayout();
    EXPECT_EQ(grid->m_nMoves + grid->m_nSizes + ok->m_nMoves + ok->m_nSizes, 0);

    // Growing the window stretches the grid and moves the button without sizing it.
    wnd.Resize(300, 200);
    EXPECT_EQ(grid->m_nSizes, 1);
    EXPECT_EQ(ok->m_nMoves, 1);
    EXPECT_EQ(ok->m_nSizes, 0);
}

TEST(CResizableLayoutFlags, MovesCarryOnlyWhatChanges)
{
    const CRect r(10, 10, 50, 30);
    const UINT basic = SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOOWNERZORDER;
    EXPECT_EQ(basic, 0x214u);
    EXPECT_EQ(CLayoutWnd::PositionFlags(r, r, FALSE), 0u);
    EXPECT_EQ(CLayoutWnd::PositionFlags(r, r, TRUE), 0u);
    EXPECT_EQ(CLayoutWnd::PositionFlags(r, CRect(20, 10, 60, 30), FALSE), basic | SWP_NOSIZE);
    EXPECT_EQ(CLayoutWnd::PositionFlags(r, CRect(10, 10, 60, 40), FALSE), basic | SWP_NOMOVE);
    EXPECT_EQ(CLayoutWnd::PositionFlags(r, CRect(0, 0, 60, 40), FALSE), basic);
    EXPECT_EQ(CLayoutWnd::PositionFlags(r, CRect(0, 0, 60, 40), TRUE), 0x314u);
}

TEST_F(CResizableLayoutTest, GroupBoxClipsItsSiblingsAndListBoxesAdjustTheirScroll)
{
    CWnd* group = AddChild("Button", BS_GROUPBOX, CRect(5, 5, 195, 95), 1400);
    CWnd* list = AddChild("ListBox", 0, CRect(10, 20, 100, 90), 1401);
    CWnd* label = AddChild("Static", SS_LEFT, CRect(110, 20, 190, 30), 1402);
    EXPECT_FALSE(group->GetStyle() & WS_CLIPSIBLINGS);
    wnd.AddAnchor(group->GetSafeHwnd(), AnchorTopLeft, AnchorBottomRight);
    wnd.AddAnchor(list->GetSafeHwnd(), AnchorTopLeft, AnchorBottomLeft);
    wnd.AddAnchor(label->GetSafeHwnd(), AnchorTopRight);
    EXPECT_TRUE(group->GetStyle() & WS_CLIPSIBLINGS);

    ASSERT_EQ(wnd.GetAnchorCount(), 3);
    EXPECT_FALSE(wnd.GetAnchor(0).bAdjustHScroll);
    EXPECT_FALSE(wnd.GetAnchor(0).bNeedsRefresh);
    EXPECT_TRUE(wnd.GetAnchor(1).bAdjustHScroll);
    EXPECT_TRUE(wnd.GetAnchor(2).bNeedsRefresh);

    wnd.Resize(260, 150);
    EXPECT_EQ(RectOf(group), CRect(5, 5, 255, 145));
    EXPECT_EQ(RectOf(list), CRect(10, 20, 100, 140));
    EXPECT_EQ(RectOf(label), CRect(170, 20, 250, 30));
}

TEST_F(CResizableLayoutTest, CallbackEntriesArePlacedAfterThePlainOnes)
{
    CWnd* list = AddChild("ListBox", 0, CRect(10, 10, 60, 90), 1401);
    CWnd* panel = AddChild("Static", 0, CRect(0, 0, 10, 10), 1402);
    CWnd* ok = AddChild("Button", 0, CRect(150, 70, 190, 90), 1);
    wnd.m_pFollowed = list;
    wnd.m_pPanel = panel;

    wnd.AddAnchor(list->GetSafeHwnd(), AnchorTopLeft, AnchorBottomLeft);
    wnd.AddCallbackEntry(RefusedCallback);
    wnd.AddCallbackEntry(ActivePageCallback);
    // A plain anchor added later still stands before every callback entry.
    wnd.AddAnchor(ok->GetSafeHwnd(), AnchorBottomRight);
    ASSERT_EQ(wnd.GetAnchorCount(), 4);
    EXPECT_EQ(wnd.GetAnchor(1).hWnd, ok->GetSafeHwnd());
    EXPECT_EQ(wnd.GetAnchor(2).nCallbackId, RefusedCallback);
    EXPECT_EQ(wnd.GetAnchor(2).hWnd, nullptr);
    EXPECT_EQ(wnd.GetAnchor(3).nCallbackId, ActivePageCallback);

    wnd.Resize(300, 200);
    EXPECT_EQ(wnd.m_nCallbacks, 2);
    EXPECT_EQ(RectOf(list), CRect(10, 10, 60, 190));
    // The panel was computed from the list's new rectangle.
    EXPECT_EQ(RectOf(panel), CRect(65, 10, 295, 190));
    EXPECT_EQ(RectOf(ok), CRect(250, 170, 290, 190));
    // The callback entry itself stays unfilled.
    EXPECT_EQ(wnd.GetAnchor(3).hWnd, nullptr);
}

TEST_F(CResizableLayoutTest, EmptiedLayoutMovesNothing)
{
    CWnd* grid = AddChild("Static", 0, CRect(10, 10, 190, 90), 1305);
    wnd.AddAnchor(grid->GetSafeHwnd(), AnchorTopLeft, AnchorBottomRight);
    wnd.AddCallbackEntry(ActivePageCallback);
    wnd.RemoveAllAnchors();
    EXPECT_EQ(wnd.GetAnchorCount(), 0);
    wnd.Resize(300, 200);
    EXPECT_EQ(RectOf(grid), CRect(10, 10, 190, 90));
    EXPECT_EQ(wnd.m_nCallbacks, 0);
}

TEST_F(CResizableLayoutTest, DestroyedControlIsSkipped)
{
    CWnd* grid = AddChild("Static", 0, CRect(10, 10, 190, 90), 1305);
    CWnd* ok = AddChild("Button", 0, CRect(150, 70, 190, 90), 1);
    wnd.AddAnchor(grid->GetSafeHwnd(), AnchorTopLeft, AnchorBottomRight);
    wnd.AddAnchor(ok->GetSafeHwnd(), AnchorBottomRight);
    grid->DestroyWindow();
    wnd.Resize(300, 200);
    EXPECT_EQ(RectOf(ok), CRect(250, 170, 290, 190));
}

TEST_F(CResizableLayoutTest, BackgroundEraseLeavesOutTheControlsThatPaintThemselves)
{
    CWnd* edit = AddChild("Edit", 0, CRect(10, 10, 50, 30), 1330);
    CWnd* group = AddChild("Button", BS_GROUPBOX, CRect(60, 10, 120, 60), 1331);
    CWnd* hidden = AddChild("Edit", 0, CRect(130, 10, 170, 30), 1332);
    wnd.AddAnchor(edit->GetSafeHwnd(), AnchorTopLeft);
    wnd.AddAnchor(group->GetSafeHwnd(), AnchorTopLeft);
    wnd.AddAnchor(hidden->GetSafeHwnd(), AnchorTopLeft);
    hidden->ShowWindow(SW_HIDE);

    CDC* pDC = wnd.GetDC();
    wnd.ClipAnchoredChildren(pDC);
    EXPECT_FALSE(pDC->PtVisible(20, 20));
    EXPECT_TRUE(pDC->PtVisible(80, 30));
    EXPECT_TRUE(pDC->PtVisible(140, 20));
    EXPECT_TRUE(pDC->PtVisible(5, 5));
    wnd.ReleaseDC(pDC);
}

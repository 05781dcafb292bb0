// The combo cell: its list opens over the cell on the arrow or on typing, only where the cell may
// be edited, and its end reports the chosen text to the grid.
#include "GridTestSupport.h"

#include "controls/grid/CGridBtnCellCombo.h"
#include "controls/grid/CInPlaceList.h"
#include "controls/grid/GridDispInfo.h"
#include "testing/UiTest.h"

namespace
{
// A grid with one combo cell at (1, 1): construction kinds, a drop-down arrow on the right.
struct ComboGrid
{
    TestOwner owner;
    KeyRecordingGrid grid{4, 3, 1, 1};
    CBtnDataBase shared;

    explicit ComboGrid(std::vector<const char*> items = {"Stěna", "Okno", "Dveře"})
    {
        owner.CreateEx(0, nullptr, "combo test", WS_POPUP | WS_VISIBLE, CRect(0, 0, 440, 240), nullptr, 0);
        grid.Create(CRect(10, 10, 410, 210), &owner, kGridId);
        owner.grid = &grid;
        shared.SetGrid(&grid);
        for (int row = 0; row < 4; row++)
            grid.SetRowHeight(row, 22);
        grid.SetColumnWidth(1, 110);
        grid.SetCellType(1, 1, RUNTIME_CLASS(CGridBtnCellCombo));
        Cell()->SetBtnDataBase(&shared);
        Cell()->SetupBtn(0, DFC_SCROLL, DFCS_SCROLLDOWN, BTNPOS_RIGHT, 0, FALSE, nullptr);
        CStringArray list;
        for (const char* item : items)
            list.Add(item);
        Cell()->SetComboString(list);
        Cell()->SetText("Stěna");
        grid.SetFocusCell(1, 1);
        grid.SetFocus();
        UiTest::ProcessEvents();
    }
    ~ComboGrid() { owner.grid = nullptr; }

    CGridBtnCellCombo* Cell() { return dynamic_cast<CGridBtnCellCombo*>(grid.GetCell(1, 1)); }
    CInPlaceList* List() { return dynamic_cast<CInPlaceList*>(Cell()->GetEditWnd()); }
    CRect CellRect()
    {
        CRect rect;
        EXPECT_TRUE(grid.GetCellRect(1, 1, rect));
        return rect;
    }
    CPoint Arrow()
    {
        CRect inner(0, 0, CellRect().Width(), CellRect().Height());
        inner.DeflateRect(int(shared.GetMargin(1, 1)), 0);
        CRect rects[CGridBtnCellBase::kMaxRects];
        EXPECT_TRUE(Cell()->CalcBtnRects(rects, CGridBtnCellBase::kMaxRects, inner));
        return rects[0].CenterPoint() + CSize(CellRect().left, CellRect().top);
    }
    void ClickArrow()
    {
        UiTest::MouseDown(&grid, Arrow());
        UiTest::MouseUp(&grid, Arrow());
        UiTest::ProcessEvents();
    }
    std::vector<int> EditCodes() const
    {
        std::vector<int> codes;
        for (int code : owner.Codes())
            if (code == GVN_BEGINLABELEDIT || code == GVN_ENDLABELEDIT)
                codes.push_back(code);
        return codes;
    }
};
} // namespace

TEST(GridComboCell, ArrowOpensTheListAsHighAsTheCell)
{
    ComboGrid g;
    g.ClickArrow();
    CInPlaceList* list = g.List();
    ASSERT_NE(list, nullptr);
    EXPECT_TRUE(g.Cell()->IsEditing());
    EXPECT_EQ(list->GetCount(), 3);
    EXPECT_EQ(list->GetCurSel(), 0);
    CRect window;
    list->GetWindowRect(window);
    g.grid.ScreenToClient(window);
    EXPECT_EQ(window.Height(), g.CellRect().Height());
    EXPECT_EQ(window.Width(), g.CellRect().Width()); // the items are narrower than the cell
    EXPECT_EQ(g.EditCodes(), std::vector<int>{GVN_BEGINLABELEDIT});
    // The arrow looks pressed while the list is open.
    EXPECT_TRUE(g.Cell()->GetBtnDrawState(0) & DFCS_PUSHED);
}

TEST(GridComboCell, ListIsAsWideAsItsWidestItem)
{
    ComboGrid g({"Okno", "Obvodová stěna z plných cihel s vnějším zateplením"});
    g.ClickArrow();
    CInPlaceList* list = g.List();
    ASSERT_NE(list, nullptr);
    CRect window;
    list->GetWindowRect(window);
    g.grid.ScreenToClient(window);
    EXPECT_EQ(window.left, g.CellRect().left);
    EXPECT_GT(window.Width(), g.CellRect().Width());
    EXPECT_EQ(list->GetDroppedWidth(), window.Width());
}

TEST(GridComboCell, ChoiceEndsWithTheEndOfEditNotification)
{
    ComboGrid g;
    g.ClickArrow();
    CInPlaceList* list = g.List();
    ASSERT_NE(list, nullptr);
    list->SetCurSel(2);
    list->NotifyParent(CBN_SELENDOK); // what the list sends when the user picks an item
    UiTest::ProcessEvents();
    EXPECT_EQ(g.grid.GetItemText(1, 1), CString("Dveře"));
    EXPECT_EQ(g.EditCodes(), (std::vector<int>{GVN_BEGINLABELEDIT, GVN_ENDLABELEDIT}));
    EXPECT_EQ(g.Cell()->GetEditWnd(), nullptr);
    EXPECT_FALSE(g.Cell()->IsEditing());
    EXPECT_FALSE(g.Cell()->GetBtnDrawState(0) & DFCS_PUSHED);
    EXPECT_TRUE(g.grid.GetModified(1, 1));
}

TEST(GridComboCell, EscapeRestoresTheText)
{
    ComboGrid g;
    g.grid.OnChar('D', 1, 0); // typing opens the list with the character
    CInPlaceList* list = g.List();
    ASSERT_NE(list, nullptr);
    CString typed;
    list->GetWindowText(typed);
    EXPECT_EQ(typed, CString("D"));
    UiTest::PressKey(VK_ESCAPE);
    UiTest::ProcessEvents();
    EXPECT_EQ(g.grid.GetItemText(1, 1), CString("Stěna"));
    EXPECT_EQ(g.grid.endKeys, std::vector<UINT>{VK_ESCAPE});
    EXPECT_EQ(g.Cell()->GetEditWnd(), nullptr);
}

TEST(GridComboCell, TypedTextThatIsNoItemStays)
{
    ComboGrid g;
    g.grid.OnChar('X', 1, 0);
    ASSERT_NE(g.List(), nullptr);
    UiTest::PressKey(VK_RETURN);
    UiTest::ProcessEvents();
    EXPECT_EQ(g.grid.GetItemText(1, 1), CString("X"));
    EXPECT_EQ(g.grid.endKeys, std::vector<UINT>{VK_RETURN});
}

TEST(GridComboCell, OnlyAnEqualItemIsSelected)
{
    struct Case
    {
        const char* text;
        int selected;
    };
    for (const Case& c : {Case{"Okno plastové", 1}, Case{"Okno", 0}, Case{"Ok", -1}, Case{"okno", -1}})
    {
        SCOPED_TRACE(c.text);
        ComboGrid g({"Okno", "Okno plastové"});
        g.Cell()->SetText(c.text);
        g.ClickArrow();
        ASSERT_NE(g.List(), nullptr);
        EXPECT_EQ(g.List()->GetCurSel(), c.selected);
        CString shown;
        g.List()->GetWindowText(shown);
        EXPECT_EQ(shown, CString(c.text));
    }
}

TEST(GridComboCell, ListDoesNotOpenWhereTheCellMayNotBeEdited)
{
    struct Case
    {
        const char* name;
        bool readOnly;
        bool gridEditable;
        LRESULT beginReply;
    };
    for (const Case& c : {Case{"read-only cell", true, true, 0}, Case{"grid not editable", false, false, 0},
                          Case{"owner refuses", false, true, -1}})
    {
        SCOPED_TRACE(c.name);
        ComboGrid g;
        if (c.readOnly)
            g.grid.SetItemState(1, 1, g.grid.GetItemState(1, 1) | GVIS_READONLY);
        g.grid.SetEditable(c.gridEditable);
        g.owner.replies[GVN_BEGINLABELEDIT] = c.beginReply;
        g.ClickArrow();
        EXPECT_EQ(g.List(), nullptr);
        EXPECT_FALSE(g.Cell()->IsEditing());
        EXPECT_FALSE(g.Cell()->GetBtnDrawState(0) & DFCS_PUSHED);
        g.grid.OnChar('D', 1, 0);
        EXPECT_EQ(g.List(), nullptr);
        EXPECT_EQ(g.grid.GetItemText(1, 1), CString("Stěna"));
    }
}

TEST(GridComboCell, EndStoresNothingIntoACellMadeReadOnlyMeanwhile)
{
    ComboGrid g;
    g.ClickArrow();
    ASSERT_NE(g.List(), nullptr);
    g.List()->SetCurSel(1);
    g.grid.SetItemState(1, 1, g.grid.GetItemState(1, 1) | GVIS_READONLY);
    g.List()->NotifyParent(CBN_SELENDOK);
    UiTest::ProcessEvents();
    EXPECT_EQ(g.grid.GetItemText(1, 1), CString("Stěna"));
    EXPECT_EQ(g.Cell()->GetEditWnd(), nullptr);
}

TEST(GridComboCell, ChoiceEndsEditingInEveryStyle)
{
    for (DWORD style : {DWORD(CBS_SIMPLE), DWORD(CBS_DROPDOWN), DWORD(CBS_DROPDOWNLIST)})
    {
        SCOPED_TRACE(style);
        ComboGrid g;
        g.Cell()->SetComboStyle(style);
        g.ClickArrow();
        ASSERT_NE(g.List(), nullptr);
        EXPECT_TRUE(g.List()->GetDroppedState()); // opened on the arrow
        g.List()->SetCurSel(1);
        g.List()->NotifyParent(CBN_SELENDOK);
        UiTest::ProcessEvents();
        EXPECT_EQ(g.grid.GetItemText(1, 1), CString("Okno"));
        EXPECT_EQ(g.Cell()->GetEditWnd(), nullptr);
    }
}

TEST(GridComboCell, OtherButtonsNeverOpenTheList)
{
    ComboGrid g;
    g.Cell()->SetupBtn(1, DFC_BUTTON, DFCS_BUTTONPUSH, BTNPOS_LEFT, 24, FALSE, "...");
    CRect inner(0, 0, g.CellRect().Width(), g.CellRect().Height());
    inner.DeflateRect(int(g.shared.GetMargin(1, 1)), 0);
    CRect rects[CGridBtnCellBase::kMaxRects];
    ASSERT_TRUE(g.Cell()->CalcBtnRects(rects, CGridBtnCellBase::kMaxRects, inner));
    const CPoint push = rects[1].CenterPoint() + CSize(g.CellRect().left, g.CellRect().top);
    UiTest::MouseDown(&g.grid, push);
    UiTest::MouseUp(&g.grid, push);
    UiTest::ProcessEvents();
    EXPECT_EQ(g.List(), nullptr);
    EXPECT_EQ(g.Cell()->GetBtnValue16(), 1);
    EXPECT_EQ(g.Cell()->GetBtnDrawState(1), DFCS_BUTTONPUSH);
    // The arrow still opens it.
    g.ClickArrow();
    EXPECT_NE(g.List(), nullptr);
}

TEST(GridComboCell, TabEndsAndMovesOn)
{
    ComboGrid g;
    g.ClickArrow();
    ASSERT_NE(g.List(), nullptr);
    g.List()->ShowDropDown(FALSE);
    UiTest::PressKey(VK_TAB);
    UiTest::ProcessEvents();
    EXPECT_EQ(g.grid.endKeys, std::vector<UINT>{VK_TAB});
    EXPECT_EQ(g.grid.GetFocusCell(), CCellID(1, 2));
}

// The data editor's cells under its policy: the combo cell's arrow and list, and the in-place
// edit's keys (Left at the start, arrows after a caret move, Ctrl+Enter, the first key).
#include "GridTestSupport.h"

#include "controls/grid/CGridCellCombo.h"
#include "controls/grid/CInPlaceEdit.h"
#include "controls/grid/CInPlaceList.h"
#include "platform/ui/WinApi.h"
#include "testing/UiTest.h"

namespace
{
struct EditorCells
{
    TestOwner owner;
    KeyRecordingGrid grid{4, 4, 1, 1};

    EditorCells()
    {
        grid.SetPolicy(GridPolicy::Editor());
        owner.CreateEx(0, nullptr, "editor cells", WS_POPUP | WS_VISIBLE, CRect(0, 0, 440, 240), nullptr, 0);
        grid.Create(CRect(10, 10, 410, 210), &owner, kGridId);
        owner.grid = &grid;
        for (int row = 0; row < 4; row++)
            grid.SetRowHeight(row, 22);
        for (int col = 0; col < 4; col++)
            grid.SetColumnWidth(col, 90);
        grid.SetCellType(1, 1, RUNTIME_CLASS(CGridCellCombo));
        CStringArray options;
        for (const char* option : {"Stěna", "Okno", "Dveře"})
            options.Add(option);
        Combo()->SetOptions(options);
        grid.SetItemText(1, 2, "abc");
        grid.SetFocus();
        UiTest::ProcessEvents();
    }
    ~EditorCells() { owner.grid = nullptr; }

    CGridCellCombo* Combo() { return static_cast<CGridCellCombo*>(grid.GetCell(1, 1)); }
    void Press(UINT vk, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        UiTest::PressKey(vk, modifiers);
        UiTest::ProcessEvents();
    }
    CWnd* Editor(int row, int col) { return grid.GetCell(row, col)->GetEditWnd(); }
};
} // namespace

TEST(GridEditorCells, TheComboArrowNeedsRoomAndSitsTopRight)
{
    const int side = ::GetSystemMetrics(SM_CYHSCROLL);
    const int width = ::GetSystemMetrics(SM_CXVSCROLL);
    const struct
    {
        CRect cell;
        CRect arrow;
    } cases[] = {
        {CRect(0, 0, 90, 22), CRect(90 - width, 0, 90, side)},
        {CRect(10, 5, 10 + side, 27), CRect()},
        {CRect(0, 0, 90, side), CRect()},
        {CRect(0, 0, side + 1, side + 1), CRect(side + 1 - width, 0, side + 1, side)},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CGridCellCombo::ArrowRect(c.cell), c.arrow) << c.cell.Width() << "x" << c.cell.Height();
    EditorCells g;
    EXPECT_EQ(g.Combo()->GetStyle(), DWORD(CBS_DROPDOWN));
}

TEST(GridEditorCells, ReturnOpensTheListAndASecondReturnClosesIt)
{
    EditorCells g;
    g.grid.SetFocusCell(1, 1);
    g.Press(VK_RETURN);
    ASSERT_TRUE(g.grid.IsItemEditing(1, 1));
    auto* list = dynamic_cast<CInPlaceList*>(g.Editor(1, 1));
    ASSERT_NE(list, nullptr);
    list->SetCurSel(1);
    g.Press(VK_RETURN);
    EXPECT_FALSE(g.grid.IsItemEditing(1, 1));
    EXPECT_EQ(g.grid.GetItemText(1, 1), "Okno");
    EXPECT_EQ(g.grid.endKeys, (std::vector<UINT>{VK_RETURN}));
}

TEST(GridEditorCells, ATextThatIsNoOptionStaysInTheEditPart)
{
    EditorCells g;
    g.grid.SetItemText(1, 1, "Strop");
    g.grid.SetFocusCell(1, 1);
    g.Press(VK_F2);
    auto* list = dynamic_cast<CInPlaceList*>(g.Editor(1, 1));
    ASSERT_NE(list, nullptr);
    CString text;
    list->GetWindowText(text);
    EXPECT_EQ(text, "Strop");
    EXPECT_EQ(list->GetCurSel(), -1);
}

TEST(GridEditorCells, LeftAtTheStartEndsTheEditAndArrowsStayAfterACaretMove)
{
    EditorCells g;
    g.grid.SetFocusCell(1, 2);
    g.Press(VK_F2);
    auto* edit = dynamic_cast<CInPlaceEdit*>(g.Editor(1, 2));
    ASSERT_NE(edit, nullptr);
    edit->SetSel(1, 1);
    g.Press(VK_LEFT);
    ASSERT_TRUE(g.grid.IsItemEditing(1, 2)) << "Left inside the text moves the caret";
    g.Press(VK_DOWN);
    ASSERT_TRUE(g.grid.IsItemEditing(1, 2)) << "from then on Down stays inside";
    edit->SetSel(0, 0);
    g.Press(VK_LEFT);
    EXPECT_FALSE(g.grid.IsItemEditing(1, 2));
    EXPECT_EQ(g.grid.endKeys, (std::vector<UINT>{VK_LEFT}));
}

TEST(GridEditorCells, CtrlEnterBreaksTheLineInsideTheCell)
{
    EditorCells g;
    g.grid.SetFocusCell(1, 2);
    g.Press(VK_F2);
    UiTest::TypeText("d");
    g.Press(VK_RETURN, Qt::ControlModifier);
    ASSERT_TRUE(g.grid.IsItemEditing(1, 2));
    UiTest::TypeText("e");
    g.Press(VK_RETURN);
    EXPECT_EQ(g.grid.GetItemText(1, 2), "abcd\ne");
}

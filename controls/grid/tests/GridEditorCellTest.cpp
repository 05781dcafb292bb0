// The data editor's cells under its policy: the combo cell's arrow and list (its drop height and
// width), the in-place edit's keys (Left at the start, arrows after a caret move, Ctrl+Enter, the
// first key) and the measure of a word-broken text held to a maximum width.
#include "GridTestSupport.h"

#include "controls/grid/CGridCellCombo.h"
#include "controls/grid/CInPlaceEdit.h"
#include "controls/grid/CInPlaceList.h"
#include "platform/ui/CClientDC.h"
#include "platform/ui/WinApi.h"
#include "testing/UiTest.h"

#include <QImage>
#include <QWidget>

#include <algorithm>

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

TEST(GridEditorCells, ArrowOnlyOnTheFocusedDataCell)
{
    EditorCells g;
    g.grid.SetCellType(0, 2, RUNTIME_CLASS(CGridCellCombo));
    g.grid.SetItemState(0, 2, g.grid.GetItemState(0, 2) | GVIS_FOCUSED);
    // The arrow's point is the only dark pixel inside the arrow's place of an empty cell.
    const auto arrowShown = [&g](int row, int col)
    {
        CRect rect;
        EXPECT_TRUE(g.grid.GetCellRect(row, col, rect));
        CRect arrow = CGridCellCombo::ArrowRect(rect);
        arrow.DeflateRect(3, 3);
        g.grid.Invalidate();
        UiTest::ProcessEvents();
        const QImage image = g.grid.GetClientWidget()->grab().toImage();
        int darkest = 255;
        for (int y = arrow.top; y < arrow.bottom; y++)
            for (int x = arrow.left; x < arrow.right; x++)
                darkest = std::min(darkest, qGray(image.pixel(x, y)));
        return darkest < 128;
    };
    g.grid.SetFocusCell(1, 1);
    EXPECT_TRUE(arrowShown(1, 1));
    g.grid.SetFocusCell(2, 2);
    EXPECT_FALSE(arrowShown(1, 1)) << "an unfocused cell";
    EXPECT_FALSE(arrowShown(0, 2)) << "a heading";
}

TEST(GridEditorCells, TheListDropsFiveLinesAndAtMost200Pixels)
{
    const struct
    {
        bool editor;
        const char* widest;
        int lines;
    } cases[] = {
        {true, "Dveře", 5},
        {true, "Obvodová stěna z plných cihel s vnějším zateplením a omítkou", 5},
        {false, "Obvodová stěna z plných cihel s vnějším zateplením a omítkou", 4},
    };
    for (const auto& c : cases)
    {
        EditorCells g;
        if (!c.editor)
            g.grid.SetPolicy(GridPolicy());
        CStringArray options;
        options.Add("Okno");
        options.Add(c.widest);
        g.Combo()->SetOptions(options);
        CRect cell;
        ASSERT_TRUE(g.grid.GetCellRect(1, 1, cell));
        g.grid.SetFocusCell(1, 1);
        g.Press(VK_F2);
        auto* list = dynamic_cast<CInPlaceList*>(g.Editor(1, 1));
        ASSERT_NE(list, nullptr);
        CRect window, dropped;
        list->GetWindowRect(window);
        list->GetDroppedControlRect(dropped);
        EXPECT_EQ(window.Height(), cell.Height()) << c.widest;
        EXPECT_EQ(dropped.Height(), cell.Height() + ::GetSystemMetrics(SM_CYHSCROLL) + c.lines * cell.Height())
            << c.widest;
        if (!c.editor)
            continue;
        EXPECT_EQ(window.Width(), cell.Width()) << "the list keeps its cell's width";
        CClientDC dc(list);
        dc.SelectObject(list->GetFont());
        const int wanted =
            int(dc.GetTextExtent(c.widest).cx) + ::GetSystemMetrics(SM_CXVSCROLL) + int(dc.GetTextExtent("0").cx);
        EXPECT_EQ(list->CorrectDropWidth(), std::min(wanted, 200)) << c.widest;
        list->ShowDropDown(TRUE);
        UiTest::ProcessEvents();
        EXPECT_EQ(list->GetDroppedWidth(), std::max(int(cell.Width()), std::min(wanted, 200))) << c.widest;
        list->ShowDropDown(FALSE);
    }
}

TEST(GridEditorCells, AWordBrokenTextIsMeasuredWithinItsMaximumWidth)
{
    EditorCells g;
    CGridCellBase* cell = g.grid.GetCell(1, 2);
    cell->SetFormat(DT_WORDBREAK | DT_NOPREFIX);
    cell->SetMargin(3);
    EXPECT_EQ(cell->GetMaxTextWidth(), -1);
    const char* text = "ab cd ef gh ij kl mn op qr st";
    CClientDC dc(&g.grid);
    dc.SelectObject(cell->GetFontObject());
    const int whole = int(dc.GetTextExtent(text).cx);
    const struct
    {
        int maxWidth;
        int atMost;
    } cases[] = {{-1, whole + 1}, {0, whole + 1}, {50, 38}, {200, 188}};
    for (const auto& c : cases)
    {
        cell->SetMaxTextWidth(c.maxWidth);
        const CSize extent = cell->GetTextExtent(text, &dc);
        const int measured = int(extent.cx) - 4 * 3;
        EXPECT_LE(measured, c.atMost) << c.maxWidth;
        EXPECT_GE(measured, c.atMost / 2) << c.maxWidth;
        if (c.maxWidth == 50)
        {
            EXPECT_GE(extent.cy, 3 * dc.GetTextExtent("ab").cy) << "the text wraps into lines";
        }
    }
    cell->Reset();
    EXPECT_EQ(cell->GetMaxTextWidth(), -1);
}

TEST(GridEditorCells, TheListEndsOnCtrlWithANavigationKeyTabAndEscape)
{
    const struct
    {
        UINT key;
        bool ctrl;
        bool ends;
        const char* text;
    } cases[] = {
        {VK_DOWN, false, false, "Okno"}, {VK_DOWN, true, true, "Okno"},   {VK_NEXT, true, true, "Okno"},
        {VK_TAB, false, true, "Okno"},   {VK_ESCAPE, false, true, "Stěna"},
    };
    for (const auto& c : cases)
    {
        EditorCells g;
        g.grid.SetItemText(1, 1, "Stěna");
        g.grid.SetFocusCell(1, 1);
        g.Press(VK_F2);
        auto* list = dynamic_cast<CInPlaceList*>(g.Editor(1, 1));
        ASSERT_NE(list, nullptr);
        list->SetCurSel(1);
        g.Press(c.key, c.ctrl ? Qt::ControlModifier : Qt::NoModifier);
        EXPECT_EQ(g.grid.IsItemEditing(1, 1), !c.ends) << c.key << (c.ctrl ? " with Ctrl" : "");
        if (!c.ends)
            continue;
        EXPECT_EQ(g.grid.endKeys, std::vector<UINT>{c.key}) << c.key;
        EXPECT_EQ(g.grid.GetItemText(1, 1), c.text) << c.key;
    }

    // A choice in the dropped list ends the edit.
    EditorCells g;
    g.grid.SetFocusCell(1, 1);
    g.Press(VK_F2);
    auto* list = dynamic_cast<CInPlaceList*>(g.Editor(1, 1));
    ASSERT_NE(list, nullptr);
    list->ShowDropDown(TRUE);
    UiTest::ProcessEvents();
    g.Press(VK_DOWN);
    g.Press(VK_RETURN);
    EXPECT_FALSE(g.grid.IsItemEditing(1, 1));
    EXPECT_EQ(g.grid.GetItemText(1, 1), "Okno");
}

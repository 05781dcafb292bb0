// Button cells: where their buttons lie, what clicks do to them, and what they share.
#include "GridTestSupport.h"

#include "controls/grid/CGridBtnCell.h"
#include "testing/UiTest.h"

void PrintTo(const CRect& r, std::ostream* os)
{
    *os << "(" << r.left << "," << r.top << "," << r.right << "," << r.bottom << ")";
}

namespace
{
struct BtnSpec
{
    BYTE type;
    UINT state;
    BYTE placement;
    int width;
};

struct PlacementCase
{
    const char* name;
    std::vector<BtnSpec> buttons;
    CRect cell;
    std::vector<CRect> expected; // one per button, then the text area
};

constexpr UINT kCheck = DFCS_BUTTONCHECK;
constexpr UINT kPush = DFCS_BUTTONPUSH;
constexpr UINT kRadio = DFCS_BUTTONRADIO;

// A grid with button cells in row 1 sharing one set of attributes (margin 3).
struct BtnGrid
{
    GridFixture f{4, 3, 1, 1};
    CBtnDataBase shared;

    BtnGrid()
    {
        shared.SetGrid(&f.grid);
        for (int row = 0; row < 4; row++)
            f.grid.SetRowHeight(row, 24);
        f.grid.SetColumnWidth(1, 120);
        f.grid.SetColumnWidth(2, 120);
        for (int col = 1; col < 3; col++)
        {
            EXPECT_TRUE(f.grid.SetCellType(1, col, RUNTIME_CLASS(CGridBtnCell)));
            Cell(1, col)->SetBtnDataBase(&shared);
        }
    }
    CGridBtnCell* Cell(int row, int col) { return dynamic_cast<CGridBtnCell*>(f.grid.GetCell(row, col)); }
    CPoint CentreOf(int row, int col, int button)
    {
        CRect cell;
        EXPECT_TRUE(f.grid.GetCellRect(row, col, cell));
        CRect inner(0, 0, cell.Width(), cell.Height());
        inner.DeflateRect(int(shared.GetMargin(row, col)), 0);
        CRect rects[CGridBtnCellBase::kMaxRects];
        EXPECT_TRUE(Cell(row, col)->CalcBtnRects(rects, CGridBtnCellBase::kMaxRects, inner));
        return rects[button].CenterPoint() + CSize(cell.left, cell.top);
    }
};
} // namespace

TEST(GridBtnCell, ButtonsArePlacedAndSized)
{
    const std::vector<PlacementCase> cases = {
        {"one automatic push button fills the width",
         {{DFC_BUTTON, kPush, BTNPOS_RIGHT, 0}},
         CRect(0, 0, 100, 20),
         {CRect(0, 0, 100, 20), CRect(0, 0, 0, 20)}},
        {"fixed widths left and right of the text",
         {{DFC_BUTTON, kPush, BTNPOS_LEFT, 30}, {DFC_BUTTON, kPush, BTNPOS_RIGHT, 20}},
         CRect(0, 0, 100, 20),
         {CRect(0, 0, 30, 20), CRect(80, 0, 100, 20), CRect(33, 0, 77, 20)}},
        {"an automatic check box is square",
         {{DFC_BUTTON, kCheck, BTNPOS_LEFT, 0}},
         CRect(10, 5, 110, 25),
         {CRect(10, 5, 30, 25), CRect(33, 5, 107, 25)}},
        {"a spin pair shares one column split at mid-height",
         {{DFC_SCROLL, DFCS_SCROLLUP, BTNPOS_RIGHT, 0}, {DFC_SCROLL, DFCS_SCROLLDOWN, BTNPOS_RIGHT, 0}},
         CRect(0, 0, 100, 21),
         {CRect(79, 0, 100, 10), CRect(79, 10, 100, 21), CRect(3, 0, 76, 21)}},
        {"placement 0 covers the whole cell",
         {{DFC_BUTTON, kPush, BTNPOS_FILL, 0}, {DFC_BUTTON, kPush, BTNPOS_RIGHT, 15}},
         CRect(0, 0, 100, 20),
         {CRect(0, 0, 100, 20), CRect(0, 0, 100, 20), CRect(0, 0, 0, 0)}},
        {"two automatic push buttons split the cell",
         {{DFC_BUTTON, kPush, BTNPOS_LEFT, 0}, {DFC_BUTTON, kPush, BTNPOS_RIGHT, 0}},
         CRect(0, 0, 100, 20),
         {CRect(0, 0, 50, 20), CRect(50, 0, 100, 20), CRect(50, 0, 50, 20)}},
        {"check boxes in a tall cell take the automatic width",
         {{DFC_BUTTON, kCheck, BTNPOS_LEFT, 0}, {DFC_BUTTON, kCheck, BTNPOS_LEFT, 0}},
         CRect(0, 0, 60, 40),
         {CRect(0, 0, 30, 40), CRect(30, 0, 60, 40), CRect(60, 0, 60, 40)}},
        {"a square button leaves its share to the push button",
         {{DFC_BUTTON, kCheck, BTNPOS_LEFT, 0}, {DFC_BUTTON, kPush, BTNPOS_RIGHT, 0}},
         CRect(0, 0, 100, 20),
         {CRect(0, 0, 20, 20), CRect(20, 0, 100, 20), CRect(20, 0, 20, 20)}},
    };
    BtnGrid g;
    CGridBtnCell* cell = g.Cell(1, 1);
    for (const PlacementCase& c : cases)
    {
        SCOPED_TRACE(c.name);
        cell->Reset();
        cell->SetCoords(1, 1);
        for (int i = 0; i < int(c.buttons.size()); i++)
        {
            const BtnSpec& b = c.buttons[std::size_t(i)];
            ASSERT_TRUE(cell->SetupBtn(i, b.type, b.state, b.placement, b.width, FALSE, nullptr));
        }
        CRect rects[CGridBtnCellBase::kMaxRects];
        ASSERT_TRUE(cell->CalcBtnRects(rects, CGridBtnCellBase::kMaxRects, c.cell));
        for (std::size_t i = 0; i < c.expected.size(); i++)
        {
            SCOPED_TRACE(i);
            EXPECT_EQ(rects[i], c.expected[i]);
        }
    }
}

TEST(GridBtnCell, SetupChecksIndexAndPlacement)
{
    BtnGrid g;
    CGridBtnCell* cell = g.Cell(1, 1);
    EXPECT_FALSE(cell->CalcBtnRects(nullptr, CGridBtnCellBase::kMaxRects, CRect(0, 0, 10, 10)));
    EXPECT_TRUE(cell->SetupBtn(2, DFC_BUTTON, kPush, BTNPOS_RIGHT, 0, FALSE, "&Ok"));
    EXPECT_EQ(cell->GetBtnCount(), 3);
    EXPECT_EQ(cell->GetBtnDrawType(0), 0);
    EXPECT_EQ(cell->GetBtnValue32(1), 0);
    EXPECT_EQ(cell->GetBtnText(1), nullptr);
    EXPECT_STREQ(cell->GetBtnText(2), "&Ok");

    struct Bad
    {
        int index;
        BYTE placement;
    };
    for (const Bad& bad : {Bad{1, BTNPOS_FILL}, Bad{-1, BTNPOS_LEFT}, Bad{4, BTNPOS_LEFT}, Bad{0, 3}})
    {
        SCOPED_TRACE(bad.index);
        EXPECT_FALSE(cell->SetupBtn(bad.index, DFC_BUTTON, kPush, bad.placement, 0, FALSE, "x"));
    }
    EXPECT_EQ(cell->GetBtnCount(), 3);
    // The group flag and the placement live in one byte without disturbing each other.
    cell->SetBtnFlag(2, TRUE);
    EXPECT_EQ(cell->GetBtnSelector(2), BTNPOS_RIGHT);
    cell->SetBtnSelector(2, BTNPOS_LEFT);
    EXPECT_TRUE(cell->GetBtnFlag(2));
}

TEST(GridBtnCell, ClicksChangeTheButtons)
{
    struct ClickCase
    {
        const char* name;
        std::vector<std::pair<UINT, BOOL>> buttons; // state and group flag
        std::vector<int> clicks;
        std::vector<UINT> expected; // states afterwards
    };
    const std::vector<ClickCase> cases = {
        {"a check box toggles on every release", {{kCheck, FALSE}}, {0}, {kCheck | DFCS_CHECKED}},
        {"a second click clears it", {{kCheck, FALSE}}, {0, 0}, {kCheck}},
        {"radio buttons exclude each other",
         {{kRadio, FALSE}, {kRadio | DFCS_CHECKED, FALSE}, {kRadio, FALSE}},
         {0},
         {kRadio | DFCS_CHECKED, kRadio, kRadio}},
        {"the last radio clicked wins",
         {{kRadio, FALSE}, {kRadio, FALSE}, {kRadio, FALSE}},
         {0, 2},
         {kRadio, kRadio, kRadio | DFCS_CHECKED}},
        {"a grouped push button stays pushed and clears the others",
         {{kPush, TRUE}, {kPush, TRUE}, {kCheck, FALSE}},
         {0, 1},
         {kPush, kPush | DFCS_PUSHED | DFCS_CHECKED, kCheck}},
        {"a push button outside a group just comes up", {{kPush, FALSE}}, {0, 0}, {kPush}},
        {"an inactive check box is ignored",
         {{kCheck | DFCS_INACTIVE, FALSE}},
         {0},
         {kCheck | DFCS_INACTIVE}},
    };
    BtnGrid g;
    CGridBtnCell* cell = g.Cell(1, 1);
    for (const ClickCase& c : cases)
    {
        SCOPED_TRACE(c.name);
        cell->Reset();
        cell->SetCoords(1, 1);
        for (int i = 0; i < int(c.buttons.size()); i++)
            cell->SetupBtn(i, DFC_BUTTON, c.buttons[std::size_t(i)].first, BTNPOS_LEFT, 0,
                           c.buttons[std::size_t(i)].second, nullptr);
        for (int index : c.clicks)
        {
            const bool inactive = (c.buttons[std::size_t(index)].first & DFCS_INACTIVE) != 0;
            EXPECT_EQ(cell->ProcessBtnMessage(WM_LBUTTONDOWN, index), !inactive);
            if (!inactive)
            {
                EXPECT_TRUE(cell->GetBtnDrawState(index) & DFCS_PUSHED);
            }
            cell->ProcessBtnMessage(WM_LBUTTONUP, index);
        }
        for (std::size_t i = 0; i < c.expected.size(); i++)
        {
            SCOPED_TRACE(i);
            EXPECT_EQ(cell->GetBtnDrawState(int(i)), c.expected[i]);
        }
    }
}

TEST(GridBtnCell, MouseOnTheGridTogglesACheckBox)
{
    BtnGrid g;
    CGridBtnCell* cell = g.Cell(1, 1);
    cell->SetupBtn(0, DFC_BUTTON, kCheck, BTNPOS_LEFT, 0, FALSE, nullptr);
    cell->SetText("Okno");
    const CPoint box = g.CentreOf(1, 1, 0);
    UiTest::MouseDown(&g.f.grid, box);
    EXPECT_TRUE(cell->GetBtnDrawState(0) & DFCS_PUSHED);
    UiTest::MouseUp(&g.f.grid, box);
    UiTest::ProcessEvents();
    EXPECT_EQ(cell->GetBtnDrawState(0), kCheck | DFCS_CHECKED);
    EXPECT_EQ(cell->GetBtnValue16(), 0);
    // A release without a press changes nothing.
    cell->OnClick(box);
    EXPECT_EQ(cell->GetBtnDrawState(0), kCheck | DFCS_CHECKED);
    // A click on the text beside the box leaves the box as it is.
    CRect rect;
    g.f.grid.GetCellRect(1, 1, rect);
    UiTest::MouseDown(&g.f.grid, CPoint(rect.right - 10, rect.CenterPoint().y));
    UiTest::MouseUp(&g.f.grid, CPoint(rect.right - 10, rect.CenterPoint().y));
    UiTest::ProcessEvents();
    EXPECT_EQ(cell->GetBtnDrawState(0), kCheck | DFCS_CHECKED);
}

TEST(GridBtnCell, SpaceClicksTheOnlyButtonAndTellsTheOwner)
{
    BtnGrid g;
    CGridBtnCell* cell = g.Cell(1, 1);
    cell->SetupBtn(0, DFC_BUTTON, kCheck, BTNPOS_FILL, 0, FALSE, nullptr);
    CRect rect;
    g.f.grid.GetCellRect(1, 1, rect);
    EXPECT_FALSE(cell->Edit(1, 1, rect, CPoint(-1, -1), IDC_INPLACE_CONTROL, ' '));
    EXPECT_EQ(cell->GetBtnDrawState(0), kCheck | DFCS_CHECKED);
    EXPECT_EQ(g.f.owner.Codes(), std::vector<int>{GVN_CLICK});
    // Without a text area a cell is never edited; its tip covers the whole cell.
    EXPECT_FALSE(cell->HasTextArea());
    CRect tip = rect;
    cell->GetTipTextRect(tip);
    EXPECT_EQ(tip, rect);
}

TEST(GridBtnCell, AcceleratorsAndCaptions)
{
    BtnGrid g;
    CGridBtnCell* cell = g.Cell(1, 2);
    cell->SetupBtn(0, DFC_BUTTON, kPush, BTNPOS_LEFT, 0, FALSE, "&Ano");
    cell->SetupBtn(1, DFC_BUTTON, kPush, BTNPOS_LEFT, 0, FALSE, nullptr);
    cell->SetupBtn(2, DFC_BUTTON, kPush, BTNPOS_LEFT, 0, FALSE, "A && &ne");
    EXPECT_EQ(cell->FindBtnByAccel('a'), 0);
    EXPECT_EQ(cell->FindBtnByAccel('N'), 2);
    EXPECT_EQ(cell->FindBtnByAccel('x'), -1);
    EXPECT_STREQ(cell->GetCaptionsText(), "Ano A & ne");
}

TEST(GridBtnCell, CellsOfOneGridShareTheirAttributes)
{
    BtnGrid g;
    g.Cell(1, 1)->SetBackClr(RGB(1, 2, 3));
    g.Cell(1, 1)->SetMargin(5);
    EXPECT_EQ(g.Cell(1, 2)->GetBackClr(), RGB(1, 2, 3));
    EXPECT_EQ(g.Cell(1, 2)->GetMargin(), 5u);
    EXPECT_EQ(g.Cell(1, 2)->GetGrid(), &g.f.grid);
    // The text stays the cell's own.
    g.Cell(1, 1)->SetText("jedna");
    EXPECT_STREQ(g.Cell(1, 2)->GetText(), "");
    // Without a font of their own they take the grid's.
    EXPECT_EQ(g.Cell(1, 1)->GetFont(), g.f.grid.GetDefaultCell(FALSE, FALSE)->GetFont());
}

TEST(GridBtnCell, ExtentMakesRoomForTheButtons)
{
    BtnGrid g;
    CGridBtnCell* cell = g.Cell(1, 1);
    cell->SetText("Okno");
    const CSize text = cell->CGridCellBase::GetCellExtent(nullptr);
    cell->SetupBtn(0, DFC_BUTTON, kPush, BTNPOS_LEFT, 30, FALSE, nullptr);
    cell->SetupBtn(1, DFC_BUTTON, kCheck, BTNPOS_RIGHT, 0, FALSE, nullptr);
    const int margin = int(g.shared.GetMargin(1, 1));
    EXPECT_EQ(cell->GetCellExtent(nullptr), CSize(text.cx + 30 + text.cy + 4 * margin, text.cy));
    // A caption is measured.
    cell->SetupBtn(1, DFC_BUTTON, kPush, BTNPOS_RIGHT, 0, FALSE, "Vybrat");
    EXPECT_GT(cell->GetCellExtent(nullptr).cx, text.cx + 30 + 4 * margin + 20);
}

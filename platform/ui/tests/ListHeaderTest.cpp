// The header control of a list in report view: dragging dividers (also opening a column of width
// 0), the owner's vetoes, clicks on heads and double clicks on dividers, as the owner hears them.
#include "platform/ui/CListCtrl.h"
#include "testing/UiTest.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace
{
constexpr UINT kListId = 3001;

// What the owner heard: a notification code, its column and the width it carried.
struct Heard
{
    UINT code;
    int item;
    int width;
    bool operator==(const Heard&) const = default;
};

void PrintTo(const Heard& h, std::ostream* os)
{
    *os << "{" << int(h.code) << ", " << h.item << ", " << h.width << "}";
}

class ListOwner : public CWnd
{
public:
    std::vector<Heard> heard;
    std::map<UINT, LRESULT> replies;

    BOOL OnNotify(WPARAM, LPARAM lParam, LRESULT* pResult) override
    {
        const auto* hdr = reinterpret_cast<const NMHDR*>(lParam);
        if (hdr->code == LVN_COLUMNCLICK)
            heard.push_back({hdr->code, reinterpret_cast<const NMLISTVIEW*>(lParam)->iSubItem, 0});
        else if (hdr->code == LVN_ITEMCHANGED)
            heard.push_back({hdr->code, reinterpret_cast<const NMLISTVIEW*>(lParam)->iItem, 0});
        else if (hdr->code >= HDN_ENDTRACK && hdr->code <= HDN_ITEMCHANGING)
        {
            const auto* nm = reinterpret_cast<const NMHEADER*>(lParam);
            heard.push_back({hdr->code, nm->iItem, nm->pitem ? nm->pitem->cxy : -1});
        }
        const auto reply = replies.find(hdr->code);
        *pResult = reply == replies.end() ? 0 : reply->second;
        return TRUE;
    }
};

// A heat-loss like list: "Číslo" 100, a hidden column, "Název" 80, "Ztráta" 60.
struct HeaderList
{
    ListOwner owner;
    CListCtrl list;

    explicit HeaderList(DWORD extraStyle = 0)
    {
        UiTest::EnsureApplication();
        owner.CreateEx(0, nullptr, "seznam", WS_POPUP | WS_VISIBLE, CRect(0, 0, 360, 200), nullptr, 0);
        list.Create(WS_CHILD | WS_VISIBLE | LVS_REPORT | extraStyle, CRect(0, 0, 340, 180), &owner, kListId);
        list.InsertColumn(0, "Číslo", LVCFMT_LEFT, 100);
        list.InsertColumn(1, "Skrytá", LVCFMT_RIGHT, 50);
        list.InsertColumn(2, "Název", LVCFMT_LEFT, 80);
        list.InsertColumn(3, "Ztráta", LVCFMT_RIGHT, 60);
        list.SetColumnWidth(1, 0);
        const int item = list.InsertItem(0, "101");
        list.SetItemText(item, 1, "skrytý text");
        list.SetItemText(item, 2, "Obývací pokoj se schodištěm");
        list.SetItemText(item, 3, "1 234,5");
        UiTest::ProcessEvents();
    }
    CHeaderCtrl* Header() { return list.GetHeaderCtrl(); }
    std::vector<int> Widths()
    {
        std::vector<int> widths;
        for (int col = 0; col < list.GetColumnCount(); col++)
            widths.push_back(list.GetColumnWidth(col));
        return widths;
    }
    void Drag(int fromX, int toX)
    {
        UiTest::MouseDown(Header(), CPoint(fromX, 5));
        UiTest::MouseMove(Header(), CPoint((fromX + toX) / 2, 5), Qt::LeftButton);
        UiTest::MouseMove(Header(), CPoint(toX, 5), Qt::LeftButton);
        UiTest::MouseUp(Header(), CPoint(toX, 5));
        UiTest::ProcessEvents();
    }
};
} // namespace

TEST(ListHeader, TheHeaderIsTheListsOwnControl)
{
    HeaderList l;
    CHeaderCtrl* header = l.Header();
    ASSERT_NE(header, nullptr);
    EXPECT_EQ(header->GetParent(), &l.list);
    EXPECT_EQ(header->GetDlgCtrlID(), 0);
    EXPECT_EQ(header->GetItemCount(), 4);
    CRect rect;
    ASSERT_TRUE(header->GetItemRect(2, rect));
    EXPECT_EQ(rect.left, 100);
    EXPECT_EQ(rect.Width(), 80);
    char text[32] = {};
    HDITEM item;
    item.mask = HDI_TEXT | HDI_WIDTH | HDI_FORMAT;
    item.pszText = text;
    item.cchTextMax = sizeof(text);
    ASSERT_TRUE(header->GetItem(3, &item));
    EXPECT_STREQ(text, "Ztráta");
    EXPECT_EQ(item.cxy, 60);
    EXPECT_EQ(item.fmt, HDF_RIGHT);
    item.mask = HDI_WIDTH;
    item.cxy = 70;
    ASSERT_TRUE(header->SetItem(3, &item));
    EXPECT_EQ(l.list.GetColumnWidth(3), 70);
}

TEST(ListHeader, PointsOnTheHeadsAndDividers)
{
    HeaderList l;
    struct Case
    {
        int x;
        UINT flags;
        int item;
    };
    for (const Case& c : {Case{50, HHT_ONHEADER, 0}, Case{98, HHT_ONDIVIDER, 0}, Case{101, HHT_ONDIVOPEN, 1},
                          Case{140, HHT_ONHEADER, 2}, Case{181, HHT_ONDIVIDER, 2}, Case{178, HHT_ONDIVIDER, 2},
                          Case{238, HHT_ONDIVIDER, 3}, Case{300, HHT_NOWHERE | HHT_TORIGHT, -1}})
    {
        SCOPED_TRACE(c.x);
        HDHITTESTINFO hit;
        hit.pt = CPoint(c.x, 5);
        EXPECT_EQ(l.Header()->HitTest(&hit), c.item);
        EXPECT_EQ(hit.flags, c.flags);
    }
}

TEST(ListHeader, DraggingADividerSizesItsColumnAndTellsTheOwner)
{
    struct Case
    {
        const char* name;
        int fromX, toX;
        std::map<UINT, LRESULT> replies;
        std::vector<int> widths;
        std::vector<Heard> heard;
    };
    const std::vector<Case> cases = {
        {"the column left of the divider widens",
         98, 138, {}, {140, 0, 80, 60},
         {{HDN_BEGINTRACK, 0, 100}, {HDN_ITEMCHANGING, 0, 120}, {HDN_ITEMCHANGED, 0, 120},
          {HDN_ITEMCHANGING, 0, 140}, {HDN_ITEMCHANGED, 0, 140}, {HDN_ENDTRACK, 0, 140}}},
        {"just right of it the hidden column opens",
         101, 151, {}, {100, 50, 80, 60},
         {{HDN_BEGINTRACK, 1, 0}, {HDN_ITEMCHANGING, 1, 25}, {HDN_ITEMCHANGED, 1, 25},
          {HDN_ITEMCHANGING, 1, 50}, {HDN_ITEMCHANGED, 1, 50}, {HDN_ENDTRACK, 1, 50}}},
        {"a column narrows to nothing and no further",
         178, 20, {}, {100, 0, 0, 60},
         {{HDN_BEGINTRACK, 2, 80}, {HDN_ITEMCHANGING, 2, 1}, {HDN_ITEMCHANGED, 2, 1}, {HDN_ITEMCHANGING, 2, 0},
          {HDN_ITEMCHANGED, 2, 0}, {HDN_ENDTRACK, 2, 0}}},
        {"the owner forbids the drag",
         98, 138, {{HDN_BEGINTRACK, 1}}, {100, 0, 80, 60}, {{HDN_BEGINTRACK, 0, 100}}},
        {"the owner keeps the width",
         98, 138, {{HDN_ITEMCHANGING, 1}}, {100, 0, 80, 60},
         {{HDN_BEGINTRACK, 0, 100}, {HDN_ITEMCHANGING, 0, 120}, {HDN_ITEMCHANGING, 0, 140},
          {HDN_ENDTRACK, 0, 100}}},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        HeaderList l;
        l.owner.replies = c.replies;
        l.Drag(c.fromX, c.toX);
        EXPECT_EQ(l.Widths(), c.widths);
        EXPECT_EQ(l.owner.heard, c.heard);
        EXPECT_EQ(CWnd::GetCapture(), nullptr);
    }
}

TEST(ListHeader, AClickOnAHeadReachesTheOwnerUnlessTheHeadsAreNoButtons)
{
    for (DWORD style : {DWORD(0), LVS_NOSORTHEADER})
    {
        SCOPED_TRACE(style);
        HeaderList l(style);
        UiTest::MouseDown(l.Header(), CPoint(140, 5));
        UiTest::MouseUp(l.Header(), CPoint(140, 5));
        // A press that leaves its head before the release is no click.
        UiTest::MouseDown(l.Header(), CPoint(40, 5));
        UiTest::MouseUp(l.Header(), CPoint(140, 5));
        UiTest::ProcessEvents();
        const std::vector<Heard> expected =
            style ? std::vector<Heard>{} : std::vector<Heard>{{HDN_ITEMCLICK, 2, 80}, {LVN_COLUMNCLICK, 2, 0}};
        EXPECT_EQ(l.owner.heard, expected);
    }
}

TEST(ListHeader, ADoubleClickOnADividerFitsTheColumnUnlessTheOwnerAnswers)
{
    for (LRESULT reply : {LRESULT(0), LRESULT(1)})
    {
        SCOPED_TRACE(reply);
        HeaderList l;
        l.owner.replies[HDN_DIVIDERDBLCLICK] = reply;
        UiTest::DoubleClick(l.Header(), CPoint(178, 5));
        UiTest::ProcessEvents();
        EXPECT_NE(std::find(l.owner.heard.begin(), l.owner.heard.end(), Heard{HDN_DIVIDERDBLCLICK, 2, 80}),
                  l.owner.heard.end());
        if (reply)
            EXPECT_EQ(l.list.GetColumnWidth(2), 80);
        else
            EXPECT_GT(l.list.GetColumnWidth(2), 80); // the long room name fits now
    }
}

TEST(ListHeader, AListTakenOverByItsDialogKeepsItsHeaderAndNotifications)
{
    UiTest::EnsureApplication();
    ListOwner owner;
    owner.CreateEx(0, nullptr, "dialog", WS_POPUP | WS_VISIBLE, CRect(0, 0, 360, 200), nullptr, 0);
    // The list as a dialog makes it from its template: an object that goes with its window.
    auto* made = new CListCtrl;
    made->DeleteWithWindow();
    ASSERT_TRUE(made->Create(WS_CHILD | WS_VISIBLE | LVS_REPORT, CRect(0, 0, 340, 180), &owner, kListId));
    made->InsertColumn(0, "Číslo", LVCFMT_LEFT, 100);
    made->InsertColumn(1, "Skrytá", LVCFMT_LEFT, 0);
    made->InsertItem(0, "101");
    // The dialog's data exchange takes it over with the dialog's own object.
    CListCtrl taken;
    ASSERT_TRUE(taken.SubclassWindow(made->GetSafeHwnd()));
    CHeaderCtrl* header = taken.GetHeaderCtrl();
    ASSERT_NE(header, nullptr);
    UiTest::MouseDown(header, CPoint(101, 5));
    UiTest::MouseMove(header, CPoint(131, 5), Qt::LeftButton);
    UiTest::MouseUp(header, CPoint(131, 5));
    UiTest::MouseDown(header, CPoint(50, 5));
    UiTest::MouseUp(header, CPoint(50, 5));
    CRect head;
    ASSERT_TRUE(header->GetItemRect(0, head));
    UiTest::MouseDown(&taken, CPoint(20, head.bottom + 8)); // on the first item
    UiTest::MouseUp(&taken, CPoint(20, head.bottom + 8));
    UiTest::ProcessEvents();
    EXPECT_EQ(taken.GetColumnWidth(1), 30);
    const std::vector<Heard> expected = {{HDN_BEGINTRACK, 1, 0},  {HDN_ITEMCHANGING, 1, 30}, {HDN_ITEMCHANGED, 1, 30},
                                         {HDN_ENDTRACK, 1, 30},   {HDN_ITEMCLICK, 0, 100},   {LVN_COLUMNCLICK, 0, 0},
                                         {LVN_ITEMCHANGED, 0, 0}};
    EXPECT_EQ(owner.heard, expected);
}

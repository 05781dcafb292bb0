// In-place editing driven off screen: typing, Enter, Escape, Tab and arrows, the owner's replies,
// the mouse start of an edit, and the title tip of a clipped text.
#include "GridTestSupport.h"

#include "controls/grid/GridDispInfo.h"
#include "platform/ui/CEdit.h"
#include "testing/UiTest.h"

#include <functional>

#include <QClipboard>
#include <QWidget>
#include <QtGui/qevent.h>
#include <QGuiApplication>

namespace
{
struct EditGrid
{
    TestOwner owner;
    KeyRecordingGrid grid{8, 5, 1, 1};

    EditGrid()
    {
        owner.CreateEx(0, nullptr, "edit test", WS_POPUP | WS_VISIBLE, CRect(0, 0, 440, 340), nullptr, 0);
        grid.Create(CRect(10, 10, 410, 310), &owner, kGridId);
        owner.grid = &grid;
        for (int row = 0; row < 8; row++)
            grid.SetRowHeight(row, 22);
        for (int col = 0; col < 5; col++)
            grid.SetColumnWidth(col, 70);
        grid.SetItemText(2, 2, "staré");
        grid.SetItemText(2, 3, "vedle");
        grid.SetFocusCell(2, 2);
        grid.SetFocus();
        UiTest::ProcessEvents();
    }
    ~EditGrid() { owner.grid = nullptr; }

    void Press(UINT vk, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        UiTest::PressKey(vk, modifiers);
        UiTest::ProcessEvents();
    }
    void Type(const char* text)
    {
        UiTest::TypeText(text);
        UiTest::ProcessEvents();
    }
    CPoint Centre(int row, int col)
    {
        CRect rect;
        EXPECT_TRUE(grid.GetCellRect(row, col, rect));
        return rect.CenterPoint();
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

TEST(GridEdit, TypingStartsAnEditAndEnterCommitsIt)
{
    EditGrid g;
    g.Type("n");
    ASSERT_TRUE(g.grid.IsItemEditing(2, 2));
    g.Type("ová");
    g.Press(VK_RETURN);
    EXPECT_FALSE(g.grid.IsItemEditing(2, 2));
    EXPECT_EQ(g.grid.GetItemText(2, 2), "nová");
    EXPECT_TRUE(g.grid.GetModified(2, 2));
    EXPECT_EQ(g.EditCodes(), (std::vector<int>{GVN_BEGINLABELEDIT, GVN_ENDLABELEDIT}));
    // The owner reads the new text while it is told of it.
    EXPECT_EQ(g.owner.events.back().text, "nová");
    EXPECT_EQ(g.grid.endKeys, (std::vector<UINT>{VK_RETURN}));
    EXPECT_EQ(g.grid.GetFocusCell(), CCellID(2, 2));
}

TEST(GridEdit, PunctuationThatStartsAnEditIsTyped)
{
    for (const char* first : {"!", "\"", "#", "$", "%", "&", "'", "(", " "})
    {
        EditGrid g;
        g.Type(first);
        g.Press(VK_RETURN);
        EXPECT_EQ(g.grid.GetItemText(2, 2), first) << first;
    }
}

TEST(GridEdit, TheOwnerCanForbidOrUndoAnEdit)
{
    EditGrid g;
    g.owner.replies[GVN_BEGINLABELEDIT] = -1;
    g.Type("x");
    EXPECT_FALSE(g.grid.IsItemEditing(2, 2));
    EXPECT_EQ(g.grid.GetItemText(2, 2), "staré");

    g.owner.replies.clear();
    g.owner.replies[GVN_ENDLABELEDIT] = -1;
    g.grid.SetModified(FALSE);
    g.Type("x");
    ASSERT_TRUE(g.grid.IsItemEditing(2, 2));
    g.Press(VK_RETURN);
    EXPECT_EQ(g.grid.GetItemText(2, 2), "staré");
    EXPECT_FALSE(g.grid.GetModified(2, 2));
}

TEST(GridEdit, EscapeRestoresTheTextAndReportsTheKey)
{
    EditGrid g;
    g.Type("jiné");
    g.Press(VK_ESCAPE);
    EXPECT_FALSE(g.grid.IsItemEditing(2, 2));
    EXPECT_EQ(g.grid.GetItemText(2, 2), "staré");
    EXPECT_EQ(g.grid.endKeys, (std::vector<UINT>{VK_ESCAPE}));
    // An unchanged text is not reported as changed.
    EXPECT_EQ(g.EditCodes(), (std::vector<int>{GVN_BEGINLABELEDIT}));
}

TEST(GridEdit, TabAndArrowsEndTheEditAndOpenTheNextCell)
{
    EditGrid g;
    g.Type("a");
    g.Press(VK_TAB);
    EXPECT_EQ(g.grid.GetItemText(2, 2), "a");
    EXPECT_EQ(g.grid.GetFocusCell(), CCellID(2, 3));
    ASSERT_TRUE(g.grid.IsItemEditing(2, 3));
    // The key that moved on is not typed into the next edit.
    g.Press(VK_DOWN);
    EXPECT_EQ(g.grid.GetItemText(2, 3), "vedle");
    EXPECT_EQ(g.grid.GetFocusCell(), CCellID(3, 3));
    EXPECT_TRUE(g.grid.IsItemEditing(3, 3));
    g.Press(VK_ESCAPE);
    EXPECT_EQ(g.grid.endKeys, (std::vector<UINT>{VK_TAB, VK_DOWN, VK_ESCAPE}));
}

TEST(GridEdit, AMouseStartedEditKeepsTheArrowsUnlessCtrlIsHeld)
{
    EditGrid g;
    const CPoint centre = g.Centre(2, 2);
    UiTest::MouseDown(&g.grid, centre);
    UiTest::ProcessEvents();
    EXPECT_FALSE(g.grid.IsItemEditing(2, 2));
    UiTest::MouseUp(&g.grid, centre);
    UiTest::ProcessEvents();
    ASSERT_TRUE(g.grid.IsItemEditing(2, 2));
    g.Press(VK_LEFT);
    EXPECT_TRUE(g.grid.IsItemEditing(2, 2));
    g.Press(VK_DOWN, Qt::ControlModifier);
    EXPECT_FALSE(g.grid.IsItemEditing(2, 2));
    EXPECT_EQ(g.grid.GetFocusCell(), CCellID(3, 2));
}

TEST(GridEdit, F2EditsAndReadOnlyCellsRefuse)
{
    EditGrid g;
    g.Press(VK_F2);
    EXPECT_TRUE(g.grid.IsItemEditing(2, 2));
    g.Press(VK_RETURN);
    g.grid.SetItemState(2, 3, g.grid.GetItemState(2, 3) | GVIS_READONLY);
    g.grid.SetFocusCell(2, 3);
    g.grid.SetFocus();
    g.Press(VK_F2);
    EXPECT_FALSE(g.grid.IsItemEditing(2, 3));
}

TEST(GridEdit, AClippedTextShowsItsTitleTip)
{
    EditGrid g;
    g.grid.SetItemText(4, 2, "Podlahové vytápění s velmi dlouhou poznámkou");
    g.grid.SetItemText(5, 2, "krátký");
    UiTest::MouseMove(&g.grid, g.Centre(5, 2));
    UiTest::ProcessEvents();
    EXPECT_FALSE(g.grid.m_TitleTip.IsWindowVisible());
    UiTest::MouseMove(&g.grid, g.Centre(4, 2));
    UiTest::ProcessEvents();
    EXPECT_TRUE(g.grid.m_TitleTip.IsWindowVisible());
    EXPECT_EQ(g.grid.m_TitleTip.GetShownText(), " Podlahové vytápění s velmi dlouhou poznámkou ");
    UiTest::MouseMove(&g.grid, g.Centre(6, 3));
    UiTest::ProcessEvents();
    EXPECT_FALSE(g.grid.m_TitleTip.IsWindowVisible());
}

TEST(GridEdit, TheTitleTipGoesWhenThePointerOrTheFocusOrTheProgramGoes)
{
    struct Case
    {
        const char* name;
        std::function<void(EditGrid&, CEdit&)> leave;
    };
    const std::vector<Case> cases = {
        {"the pointer leaves the grid",
         [](EditGrid& g, CEdit&)
         {
             QEvent leave(QEvent::Leave);
             QCoreApplication::sendEvent(g.grid.GetWidget(), &leave);
         }},
        {"the focus goes to another control", [](EditGrid&, CEdit& other) { other.SetFocus(); }},
        {"the program is deactivated",
         [](EditGrid&, CEdit&)
         {
             QApplicationStateChangeEvent inactive(Qt::ApplicationInactive);
             QCoreApplication::sendEvent(qApp, &inactive);
         }},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        EditGrid g;
        CEdit other;
        other.Create(WS_CHILD | WS_VISIBLE, CRect(10, 312, 100, 330), &g.owner, 2);
        g.grid.SetFocus();
        g.grid.SetItemText(4, 2, "Podlahové vytápění s velmi dlouhou poznámkou");
        UiTest::MouseMove(&g.grid, g.Centre(4, 2));
        UiTest::ProcessEvents();
        ASSERT_TRUE(g.grid.m_TitleTip.IsWindowVisible());
        c.leave(g, other);
        UiTest::ProcessEvents();
        EXPECT_FALSE(g.grid.m_TitleTip.IsWindowVisible());
        QApplicationStateChangeEvent active(Qt::ApplicationActive);
        QCoreApplication::sendEvent(qApp, &active);
    }
}

TEST(GridEdit, PasteWhileEditingGoesIntoTheEdit)
{
    EditGrid g;
    QGuiApplication::clipboard()->setText(QStringLiteral("vložený\ttext"));
    g.Press(VK_F2);
    ASSERT_TRUE(g.grid.IsItemEditing(2, 2));
    g.grid.OnEditPaste();
    g.Press(VK_RETURN);
    EXPECT_EQ(g.grid.GetItemText(2, 2), "starévložený\ttext");
    EXPECT_EQ(g.grid.GetItemText(2, 3), "vedle");
}

TEST(GridEdit, TheEditWidensWithItsTextUpToTheGridsEdge)
{
    EditGrid g;
    g.Type("a");
    CWnd* edit = g.grid.GetCell(2, 2)->GetEditWnd();
    ASSERT_NE(edit, nullptr);
    CRect before;
    edit->GetWindowRect(before);
    g.Type("velmi dlouhý text, který se do buňky nevejde ani zdaleka, a pokračuje dál a dál");
    CRect after, client;
    edit->GetWindowRect(after);
    g.grid.GetClientRect(client);
    g.grid.ClientToScreen(client);
    EXPECT_GT(after.Width(), before.Width());
    EXPECT_LE(after.right, client.right);
    g.Press(VK_ESCAPE);
}

// A text longer than a workbook cell holds (32,767 UTF-16 units) is cut at that limit where it
// comes in, pasted while editing or pasted over a cell, whole characters kept.
TEST(GridEdit, ATextLongerThanACellHoldsIsCutWhereItComesIn)
{
    const struct
    {
        bool editing;
        QString pasted;
        qsizetype kept; // UTF-16 units
    } cases[] = {{true, QString(40000, QChar(u'ř')), 32767},
                 {false, QString(40000, QChar(u'ř')), 32767},
                 {false, QString("😀").repeated(20000), 32766},
                 {false, QString(32767, QChar(u'x')), 32767}};
    for (const auto& c : cases)
    {
        EditGrid g;
        QGuiApplication::clipboard()->setText(c.pasted);
        if (c.editing)
        {
            g.Press(VK_F2);
            ASSERT_TRUE(g.grid.IsItemEditing(2, 2));
            for (int i = 0; i < 5; ++i) // "staré" goes first
                g.Press(VK_BACK);
        }
        g.grid.OnEditPaste();
        if (c.editing)
            g.Press(VK_RETURN);
        const QString kept = QString::fromStdString(g.grid.GetItemText(2, 2).str());
        EXPECT_EQ(kept.size(), c.kept) << c.editing << " " << c.pasted.size();
        EXPECT_TRUE(c.pasted.startsWith(kept));
    }
}

#include "dataeditor/controls/tests/ControlsFixture.h"

#include "dataeditor/controls/CSobrelStatusBar.h"
#include "dataeditor/controls/ControlIds.h"
#include "platform/frame/FrameIds.h"

#include <QWidget>

#include <gtest/gtest.h>

namespace
{
const UINT indicators[] = {0, 0xE700, 0xE701, 0xE702, 0xE703};

class StatusBar : public ControlsFixture
{
protected:
    void SetUp() override
    {
        ControlsFixture::SetUp();
        m_owner.CreateEx(0, nullptr, "owner", WS_POPUP, CRect(0, 0, 600, 100), nullptr, 0);
    }
    void Make(DWORD features)
    {
        ASSERT_TRUE(m_bar.Create(&m_owner, features, 0, features & 1 ? 1 : -1));
        m_bar.SetIndicators(indicators, 5);
        m_bar.SetPaneText(0, "start");
    }
    static CRect Place(CWnd* child)
    {
        CRect rect;
        child->GetWindowRect(&rect);
        return rect;
    }
    CWnd m_owner;
    CSobrelStatusBar m_bar;
};
} // namespace

TEST_F(StatusBar, ProgressHidesAtMinusOneAndKeepsItsRangeWithoutATotal)
{
    Make(CSobrelStatusBar::progressBar);
    CPercentProgressCtrl* progress = m_bar.Progress();
    ASSERT_NE(progress, nullptr);
    m_bar.SetProgress(3, 40);
    EXPECT_TRUE(progress->GetStyle() & WS_VISIBLE);
    m_bar.SetProgress(5, 0);
    int lower = -1;
    int upper = -1;
    progress->GetRange(lower, upper);
    EXPECT_EQ(upper, 40);
    EXPECT_EQ(progress->GetPos(), 5);
    m_bar.SetProgress(-1, 0);
    EXPECT_FALSE(progress->GetStyle() & WS_VISIBLE);
}

TEST_F(StatusBar, WithoutMessageButtonsMessagesLeaveTheTextAlone)
{
    Make(CSobrelStatusBar::progressBar);
    m_bar.AddMessage("první");
    m_bar.Next();
    EXPECT_EQ(m_bar.GetPaneText(0), "start");
}

TEST_F(StatusBar, MessagesAreSteppedThroughAndRemovingTheCurrentOneGoesToTheFirst)
{
    Make(CSobrelStatusBar::messageButtons | CSobrelStatusBar::progressBar);
    for (const char* text : {"první", "druhá", "třetí"})
        m_bar.AddMessage(text);
    EXPECT_EQ(m_bar.Current(), 0);
    EXPECT_FALSE(m_bar.CanGoPrevious());
    m_bar.Next();
    m_bar.Next();
    EXPECT_EQ(m_bar.GetPaneText(0), "třetí");
    EXPECT_FALSE(m_bar.CanGoNext());
    m_bar.Previous();
    EXPECT_EQ(m_bar.GetPaneText(0), "druhá");
    m_bar.RemoveMessage(1);
    EXPECT_EQ(m_bar.Current(), 0);
    EXPECT_EQ(m_bar.GetPaneText(0), "první");
    m_bar.AddMessage("nová", true);
    EXPECT_EQ(m_bar.GetPaneText(0), "nová");
    m_bar.ClearMessages();
    EXPECT_FALSE(m_bar.HasCurrent());
    CString idle;
    idle.LoadString(AFX_IDS_IDLEMESSAGE);
    EXPECT_EQ(m_bar.GetPaneText(0), idle);
}

TEST_F(StatusBar, ProgressOnlyMakesNoButtons)
{
    Make(CSobrelStatusBar::progressBar);
    EXPECT_EQ(m_bar.PreviousButton(), nullptr);
    EXPECT_EQ(m_bar.NextButton(), nullptr);
    EXPECT_EQ(m_bar.ThirdButton(), nullptr);
}

TEST_F(StatusBar, ButtonsSitAtTheRightOfTheirPaneAndStepThroughTheMessages)
{
    Make(CSobrelStatusBar::messageButtons | CSobrelStatusBar::thirdButton | CSobrelStatusBar::progressBar);
    m_bar.Layout();
    CBitmapButton* previous = m_bar.PreviousButton();
    CBitmapButton* next = m_bar.NextButton();
    CBitmapButton* third = m_bar.ThirdButton();
    ASSERT_TRUE(previous && next && third);
    EXPECT_FALSE(previous->IsWindowEnabled());
    EXPECT_FALSE(third->IsWindowEnabled());

    CRect pane;
    m_bar.GetItemRect(1, pane);
    m_bar.ClientToScreen(&pane);
    const CRect a = Place(previous), b = Place(next), c = Place(third);
    EXPECT_EQ(c.right, pane.right - 1);
    EXPECT_EQ(b.right, c.left - 2);
    EXPECT_EQ(a.right, b.left - 2);
    for (const CRect& r : {a, b, c})
    {
        EXPECT_EQ(r.Width(), 14);
        EXPECT_EQ(r.Height(), 13);
        EXPECT_EQ(r.top, pane.top + (pane.Height() - 13) / 2);
    }

    m_bar.AddMessage("první");
    m_bar.AddMessage("druhá");
    EXPECT_FALSE(previous->IsWindowEnabled());
    EXPECT_TRUE(next->IsWindowEnabled());
    EXPECT_TRUE(third->IsWindowEnabled());
    UiTest::Click(next);
    UiTest::ProcessEvents();
    EXPECT_EQ(m_bar.GetPaneText(0), "druhá");
    EXPECT_TRUE(previous->IsWindowEnabled());
    EXPECT_FALSE(next->IsWindowEnabled());
    UiTest::Click(previous);
    UiTest::ProcessEvents();
    EXPECT_EQ(m_bar.GetPaneText(0), "první");

    m_owner.MoveWindow(0, 0, 600, 40);
    m_bar.SetPaneText(2, "Řádek 3 z 12");
    if (const char* folder = std::getenv("KALVENROD_PICTURES"))
    {
        m_owner.ShowWindow(SW_SHOW);
        UiTest::ProcessEvents();
        m_bar.MoveWindow(0, 0, 600, 22);
        QWidget* widget = m_bar.GetWidget();
        ASSERT_NE(widget, nullptr);
        EXPECT_TRUE(widget->grab().save(QString::fromUtf8(folder) + "/status-bar.png"));
    }
}

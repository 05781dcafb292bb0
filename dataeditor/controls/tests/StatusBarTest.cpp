#include "dataeditor/controls/CSobrelStatusBar.h"
#include "platform/frame/FrameIds.h"
#include "testing/UiTest.h"

#include <gtest/gtest.h>

namespace
{
const UINT indicators[] = {0, 0xE700, 0xE701, 0xE702, 0xE703};

class StatusBar : public testing::Test
{
protected:
    void SetUp() override
    {
        UiTest::EnsureApplication();
        m_owner.CreateEx(0, nullptr, "owner", WS_POPUP, CRect(0, 0, 600, 100), nullptr, 0);
    }
    void Make(DWORD features)
    {
        ASSERT_TRUE(m_bar.Create(&m_owner, features, 0, features & 1 ? 1 : -1));
        m_bar.SetIndicators(indicators, 5);
        m_bar.SetPaneText(0, "start");
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

#include "dataeditor/controls/CColourPicker.h"
#include "dataeditor/controls/CColourPopup.h"
#include "platform/gdi/SystemMetrics.h"
#include "testing/ScriptedAnswers.h"
#include "testing/UiTest.h"

#include <QDir>
#include <QPixmap>
#include <QWidget>

#include <gtest/gtest.h>

#include <vector>

namespace
{
// The picker's side: every message of the popup with its colour.
class Receiver : public CWnd
{
public:
    struct Message
    {
        UINT id;
        COLORREF colour;
    };
    std::vector<Message> messages;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message >= CColourPopup::selectionChange && message <= CColourPopup::endCancelled)
            messages.push_back({message, COLORREF(wParam)});
        return CWnd::WindowProc(message, wParam, lParam);
    }
};

class ColourPopup : public testing::Test
{
protected:
    void SetUp() override
    {
        UiTest::EnsureApplication();
        ScriptedAnswers::Reset();
        m_owner.CreateEx(0, nullptr, "picker", WS_POPUP, CRect(10, 10, 110, 30), nullptr, 0);
    }
    CColourPopup* Open(COLORREF initial, const char* defaultText, const char* customText, CPoint at = CPoint(10, 30))
    {
        auto* popup = new CColourPopup;
        EXPECT_TRUE(popup->Create(at, initial, &m_owner, defaultText, customText));
        return popup;
    }
    static void Key(CColourPopup* popup, UINT key) { popup->SendMessage(WM_KEYDOWN, key, 0); }
    const Receiver::Message& Last() const { return m_owner.messages.back(); }

    Receiver m_owner;
};

TEST_F(ColourPopup, WithoutTextBoxesItIsTheTableAndKeysWrap)
{
    CColourPopup* popup = Open(RGB(0, 0, 255), "", nullptr);
    const int m = popup->Margin();
    CRect window;
    popup->GetWindowRect(&window);
    EXPECT_EQ(window.Width(), 8 * 18 + 2 * m);
    EXPECT_EQ(window.Height(), 5 * 18 + 2 * m);
    EXPECT_EQ(popup->ChosenBox(), 13);
    EXPECT_EQ(popup->ChosenBoxOf(RGB(1, 2, 3)), CColourPopup::noBox);
    EXPECT_EQ(popup->NextBox(39, VK_RIGHT), 0);
    EXPECT_EQ(popup->NextBox(0, VK_LEFT), 39);
    EXPECT_EQ(popup->NextBox(3, VK_UP), 39);
    EXPECT_EQ(popup->NextBox(35, VK_DOWN), 0);
    EXPECT_EQ(popup->BoxAt(CPoint(m + 18 + 2, m + 2 * 18 + 2)), 17);
    Key(popup, VK_ESCAPE);
    EXPECT_EQ(Last().id, UINT(CColourPopup::endCancelled));
    EXPECT_EQ(Last().colour, RGB(0, 0, 255));
}

TEST_F(ColourPopup, TextBoxesTakePartInTheKeyboardRound)
{
    CColourPopup* popup = Open(RGB(1, 2, 3), "Automaticky", "Další barvy...");
    EXPECT_EQ(popup->ChosenBox(), CColourPopup::customBox);
    EXPECT_EQ(popup->ChosenBoxOf(CColourPopup::automatic), CColourPopup::defaultBox);
    const struct
    {
        int from;
        UINT key;
        int to;
    } moves[] = {
        {39, VK_RIGHT, CColourPopup::customBox}, {0, VK_LEFT, CColourPopup::defaultBox},
        {5, VK_UP, CColourPopup::defaultBox},    {36, VK_DOWN, CColourPopup::customBox},
        {CColourPopup::customBox, VK_RIGHT, CColourPopup::defaultBox},
        {CColourPopup::defaultBox, VK_DOWN, 0},  {CColourPopup::defaultBox, VK_LEFT, CColourPopup::customBox},
        {CColourPopup::customBox, VK_UP, 39},    {8, VK_LEFT, 7},
    };
    for (const auto& move : moves)
        EXPECT_EQ(popup->NextBox(move.from, move.key), move.to) << move.from << " " << move.key;
    // The colours stand below the "Automatic" box.
    EXPECT_GT(popup->BoxRect(0).top, popup->BoxRect(CColourPopup::defaultBox).bottom);
    EXPECT_GT(popup->BoxRect(CColourPopup::customBox).top, popup->BoxRect(39).bottom);
    QDir().mkpath("pictures");
    popup->ShowWindow(SW_SHOW);
    EXPECT_TRUE(popup->GetWidget()->grab().save("pictures/colour-popup.png"));
    Key(popup, VK_ESCAPE);
}

TEST_F(ColourPopup, ReturnAtOnceGivesTheInitialColourAndAutomaticIsReported)
{
    CColourPopup* popup = Open(RGB(255, 0, 0), "Automaticky", "Další barvy...");
    Key(popup, VK_RETURN);
    EXPECT_EQ(Last().id, UINT(CColourPopup::endAccepted));
    EXPECT_EQ(Last().colour, RGB(255, 0, 0));

    m_owner.messages.clear();
    popup = Open(RGB(0, 0, 0), "Automaticky", "Další barvy...");
    Key(popup, VK_UP); // from black in the top row to "Automatic"
    EXPECT_EQ(m_owner.messages.front().id, UINT(CColourPopup::selectionChange));
    EXPECT_EQ(m_owner.messages.front().colour, CColourPopup::automatic);
    Key(popup, VK_RETURN);
    EXPECT_EQ(Last().id, UINT(CColourPopup::endAccepted));
    EXPECT_EQ(Last().colour, CColourPopup::automatic);
}

TEST_F(ColourPopup, MoreColoursGoesThroughTheColourDialog)
{
    CColourPopup* popup = Open(RGB(0, 147, 0), "Automaticky", "Další barvy...");
    Key(popup, VK_LEFT);
    Key(popup, VK_DOWN); // 10 -> 18
    popup->SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(popup->BoxRect(CColourPopup::customBox).CenterPoint().x,
                                                   popup->BoxRect(CColourPopup::customBox).CenterPoint().y));
    EXPECT_EQ(popup->CurrentBox(), CColourPopup::customBox);
    ScriptedAnswers::AnswerCommonDialog(IDCANCEL);
    Key(popup, VK_RETURN);
    EXPECT_EQ(Last().id, UINT(CColourPopup::endCancelled));
    EXPECT_EQ(Last().colour, RGB(0, 147, 0));

    popup = Open(RGB(0, 147, 0), "Automaticky", "Další barvy...");
    popup->SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(popup->BoxRect(CColourPopup::customBox).CenterPoint().x,
                                                   popup->BoxRect(CColourPopup::customBox).CenterPoint().y));
    ScriptedAnswers::AnswerCommonDialog(IDOK, "10,20,30");
    Key(popup, VK_RETURN);
    EXPECT_EQ(Last().id, UINT(CColourPopup::endAccepted));
    EXPECT_EQ(Last().colour, RGB(10, 20, 30));
}

TEST_F(ColourPopup, NearTheScreenBottomItOpensAboveThePicker)
{
    const int screenHeight = GetSystemMetrics(SM_CYSCREEN);
    CColourPopup* popup = Open(RGB(0, 0, 0), "", "", CPoint(10, screenHeight - 20));
    CRect window;
    popup->GetWindowRect(&window);
    EXPECT_LE(window.bottom, screenHeight);
    EXPECT_EQ(window.top, screenHeight - 20 - window.Height() - 20);
    Key(popup, VK_ESCAPE);
}
} // namespace

namespace
{
TEST_F(ColourPopup, PickerTakesTheChosenColourAndTellsItsParent)
{
    CWnd placeholder;
    placeholder.CreateEx(0, nullptr, "Pozadí", WS_CHILD | WS_VISIBLE, CRect(5, 2, 60, 18), &m_owner, 1518);
    CColourPicker picker;
    ASSERT_TRUE(picker.CreateOver(&m_owner, 1518));
    EXPECT_EQ(picker.GetDlgCtrlID(), 1518);
    EXPECT_EQ(m_owner.GetDlgItem(1518), &picker);
    CRect client;
    picker.GetClientRect(&client);
    EXPECT_EQ(picker.ArrowRect().right, client.right - GetSystemMetrics(SM_CXEDGE));

    picker.SetColour(RGB(0, 0, 255));
    m_owner.ShowWindow(SW_SHOW);
    QDir().mkpath("pictures");
    EXPECT_TRUE(picker.GetWidget()->grab().save("pictures/colour-picker.png"));
    picker.OpenPopup();
    ASSERT_NE(picker.popup, nullptr);
    EXPECT_TRUE(picker.active);
    EXPECT_EQ(Last().id, UINT(CColourPopup::dropDown));
    EXPECT_EQ(Last().colour, RGB(0, 0, 255));
    Key(picker.popup, VK_RIGHT);
    Key(picker.popup, VK_RETURN);
    EXPECT_FALSE(picker.active);
    EXPECT_EQ(picker.backColour, RGB(123, 123, 192));
    const std::size_t n = m_owner.messages.size();
    ASSERT_GE(n, 3u);
    EXPECT_EQ(m_owner.messages[n - 3].id, UINT(CColourPopup::closeUp));
    EXPECT_EQ(m_owner.messages[n - 2].id, UINT(CColourPopup::endAccepted));
    EXPECT_EQ(m_owner.messages[n - 1].id, UINT(CColourPopup::selectionChange));

    // Automatic: the fill is drawn as the button face; Escape brings back the colour held.
    picker.OpenPopup();
    Key(picker.popup, VK_ESCAPE);
    EXPECT_EQ(Last().id, UINT(CColourPopup::endCancelled));
    EXPECT_EQ(picker.backColour, RGB(123, 123, 192));
    picker.SetColour(CColourPopup::automatic);
    EXPECT_EQ(picker.DrawnBackColour(), GetSysColor(COLOR_BTNFACE));
}
} // namespace

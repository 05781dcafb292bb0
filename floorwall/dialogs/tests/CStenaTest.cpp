// The wall-heating room dialog, driven off screen: numbers shown in their formats, Enter moving
// on, "&OK" only with a heat demand, and the values handed back.
#include "floorwall/dialogs/CStena.h"
#include "floorwall/dialogs/WallDesignIds.h"
#include "platform/core/NumberText.h"
#include "platform/core/UserLocale.h"
#include "platform/ui/DialogShot.h"
#include "testing/ScriptedAnswers.h"
#include "testing/UiTest.h"

#include <gtest/gtest.h>

#include <QDir>

namespace
{
class CStenaTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite() { UiTest::EnsureApplication(); }
    void SetUp() override
    {
        ScriptedAnswers::Reset();
        UserLocale::SetCurrent(UserLocale::Czech());
    }
    void TearDown() override
    {
        EXPECT_TRUE(ScriptedAnswers::UnansweredDialogs().empty());
        UserLocale::ResetToSystem();
        ScriptedAnswers::Reset();
    }
    // The program writes its numbers with the user's separator.
    NumberText::ScopedSeparator m_separator{','};
    static CString Text(CDialog& d, int id)
    {
        CString text;
        d.GetDlgItemText(id, text);
        return text;
    }
    static int FocusId()
    {
        CWnd* focus = CWnd::GetFocus();
        return focus ? focus->GetDlgCtrlID() : 0;
    }
    // Types into the field and leaves it by Tab.
    static void Type(CDialog& d, int id, const char* text)
    {
        d.GetDlgItem(id)->SetFocus();
        d.SetDlgItemText(id, text);
        UiTest::PressKey(VK_TAB);
        UiTest::ProcessEvents();
    }
};

TEST_F(CStenaTest, ShowsTheValuesInTheirFormatsAndStartsAtTheNumber)
{
    CStena dialog;
    dialog.m_strRoomNumber = "1.02";
    dialog.m_dHeatDemand = 1234.6;
    dialog.m_dAvailableArea = 7.225;
    ScriptedAnswers::OnDialog(IDD_STENA, [&](CDialog& d) {
        CString caption;
        d.GetWindowText(caption);
        EXPECT_EQ(caption, "kalvenrod - místnost se stěnovým vytápěním");
        EXPECT_EQ(FocusId(), IDC_STENA_NUMBER);
        EXPECT_EQ(Text(d, IDC_STENA_HEAT_DEMAND), "1235");
        EXPECT_EQ(Text(d, IDC_STENA_TI), "20,0");
        EXPECT_EQ(Text(d, IDC_STENA_AVAILABLE), "7,2");
        EXPECT_EQ(Text(d, IDC_STENA_CONNECTION), "5,0");
        EXPECT_EQ(Text(d, IDC_STENA_SEGMENTS), "4");
        const QDir dir(KALVENROD_PICTURE_DIR);
        dir.mkpath(".");
        EXPECT_TRUE(DialogShot::Render(d, dir.filePath("dialog-308-room.png").toStdString()));
        return IDCANCEL;
    });
    EXPECT_EQ(int(dialog.DoModal()), IDCANCEL);
}

TEST_F(CStenaTest, NumbersAreRoundedAsShownWhenTheFieldIsLeft)
{
    struct Case
    {
        int id;
        const char* typed;
        const char* shown;
    };
    const Case cases[] = {
        {IDC_STENA_HEAT_DEMAND, "1234.6", "1235"},
        {IDC_STENA_TI, "22,46", "22,5"},
        {IDC_STENA_AVAILABLE, "abc", "0,0"},
        {IDC_STENA_CONNECTION, "7.25", "7,3"},
        {IDC_STENA_SEGMENT_AREA, "1,756", "1,76"},
    };
    CStena dialog;
    ScriptedAnswers::OnDialog(IDD_STENA, [&](CDialog& d) {
        for (const Case& c : cases)
        {
            SCOPED_TRACE(c.typed);
            Type(d, c.id, c.typed);
            EXPECT_EQ(Text(d, c.id), c.shown);
        }
        UiTest::Click(d.GetDlgItem(IDC_STENA_OK));
        return IDCANCEL;
    });
    EXPECT_EQ(int(dialog.DoModal()), IDOK);
    EXPECT_EQ(dialog.m_dHeatDemand, 1235.0);
    EXPECT_EQ(dialog.m_dRoomTemperature, 22.5);
    EXPECT_EQ(dialog.m_dAvailableArea, 0.0);
    EXPECT_EQ(dialog.m_dConnectionLength, 7.3);
    EXPECT_EQ(dialog.m_dSegmentArea, 1.76);
}

TEST_F(CStenaTest, EnterMovesOnAndOkNeedsAHeatDemand)
{
    CStena dialog;
    int afterEnter = 0;
    int afterOk = 0;
    bool open = false;
    ScriptedAnswers::OnDialog(IDD_STENA, [&](CDialog& d) {
        d.SetDlgItemText(IDC_STENA_NUMBER, "3");
        d.SetDlgItemText(IDC_STENA_NAME, "Koupelna");
        UiTest::PressKey(VK_RETURN);
        UiTest::ProcessEvents();
        afterEnter = FocusId();
        // The demand left at 0: "&OK" only goes back to it.
        UiTest::Click(d.GetDlgItem(IDC_STENA_OK));
        UiTest::ProcessEvents();
        afterOk = FocusId();
        open = d.IsWindowVisible();
        Type(d, IDC_STENA_HEAT_DEMAND, "-5");
        UiTest::Click(d.GetDlgItem(IDC_STENA_OK));
        UiTest::ProcessEvents();
        d.SetDlgItemText(IDC_STENA_HEAT_DEMAND, "640");
        d.SetDlgItemText(IDC_STENA_CIRCUIT, "3/A");
        d.SetDlgItemText(IDC_STENA_SEGMENTS, "6");
        UiTest::Click(d.GetDlgItem(IDC_STENA_OK));
        return IDCANCEL;
    });
    EXPECT_EQ(int(dialog.DoModal()), IDOK);
    EXPECT_EQ(afterEnter, IDC_STENA_NAME);
    EXPECT_EQ(afterOk, IDC_STENA_HEAT_DEMAND);
    EXPECT_TRUE(open);
    EXPECT_EQ(dialog.m_strRoomNumber, "3");
    EXPECT_EQ(dialog.m_strRoomName, "Koupelna");
    EXPECT_EQ(dialog.m_dHeatDemand, 640.0);
    EXPECT_EQ(dialog.m_strCircuitNumber, "3/A");
    EXPECT_EQ(dialog.m_nSegmentCount, 6);
}
} // namespace

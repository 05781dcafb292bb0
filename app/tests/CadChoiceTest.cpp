// The CAD choice: the icon of the stored CAD program at start, the choice command and the code
// written when chosen.

#include "MekrFixture.h"

#include "app/MekrIds.h"
#include "common/AppSettings.h"
#include "cadlink/buttons/CVorbicaDlg.h"
#include "cadlink/buttons/VorbicaResource.h"
#include "platform/gdi/SystemMetrics.h"
#include "platform/ui/WinApi.h"
#include "testing/ScriptedAnswers.h"
#include "testing/UiTest.h"

namespace
{
class CadChoiceTest : public MekrFixture
{
};

HICON Icon(UINT id)
{
    return static_cast<HICON>(LoadImage(nullptr, MAKEINTRESOURCE(id), IMAGE_ICON, 16, 16, 0));
}
} // namespace

TEST_F(CadChoiceTest, TheStartUpIconFollowsTheStoredCode)
{
    const struct
    {
        const char* stored;
        UINT icon;
        const char* module;
    } cases[] = {{nullptr, IDI_CADZADNY, ""}, {"121", IDI_ACAD14, "Kestrolm.dll"}, {"127", IDI_ICAD22, "Durnavec.dll"}};
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.stored ? c.stored : "none");
        TearDown();
        SetUp();
        if (c.stored)
            Store("ProCAD", c.stored);
        ASSERT_TRUE(Start());
        EXPECT_EQ(AppSettings::Get().CadIcon, Icon(c.icon));
        EXPECT_EQ(AppSettings::Get().CadModule, c.module);
    }
}

TEST_F(CadChoiceTest, TheChoiceCommandChangesTheCadSettingsAndStoresTheCodeAtOnce)
{
    ASSERT_TRUE(Start());
    ScriptedAnswers::ForgetShown(); // the new project's basic data at start
    ScriptedAnswers::OnDialog(IDD_VORBICA,
                              [](CDialog& d)
                              {
                                  auto& dialog = static_cast<CVorbicaDlg&>(d);
                                  // No CAD yet: the lines take the fourth colour of the settings.
                                  EXPECT_EQ(dialog.GetColor(), AppSettings::Get().Colours[3]);
                                  EXPECT_EQ(dialog.m_kodCAD, 120);
                                  UiTest::Click(d.GetDlgItem(IDC_ACAD14));
                                  auto* width = static_cast<CSliderCtrl*>(d.GetDlgItem(IDC_SLIDER_TLOUSTKA));
                                  width->SetPos(450);
                                  d.SendMessage(WM_HSCROLL, MAKEWPARAM(TB_THUMBPOSITION, 450),
                                                reinterpret_cast<LPARAM>(width->m_hWnd));
                                  auto* red = static_cast<CSliderCtrl*>(d.GetDlgItem(IDC_SLIDER_RED));
                                  red->SetPos(10);
                                  d.SendMessage(WM_HSCROLL, MAKEWPARAM(TB_THUMBPOSITION, 10),
                                                reinterpret_cast<LPARAM>(red->m_hWnd));
                                  UiTest::Click(d.GetDlgItem(IDOK));
                                  return -1;
                              });
    Command(ID_CHOOSE_CAD);
    EXPECT_EQ(ScriptedAnswers::ShownDialogs(), std::vector<UINT>{IDD_VORBICA});
    const AppSettings& settings = AppSettings::Get();
    EXPECT_EQ(settings.ProCAD, 121);
    EXPECT_DOUBLE_EQ(settings.CadLineThickness, 0.45);
    EXPECT_EQ(settings.CadLineColour & 0xFF, 10u);
    EXPECT_EQ(settings.CadLineColour >> 8, settings.Colours[3] >> 8);
    EXPECT_EQ(settings.CadIcon, Icon(IDI_ACAD14));
    EXPECT_EQ(settings.CadModule, "Kestrolm.dll");
    // Written when chosen, so that a program that does not end cleanly keeps it.
    EXPECT_EQ(Stored("ProCAD"), "121");

    // The choice keeps its colour the next time; Cancel changes nothing.
    ScriptedAnswers::OnDialog(IDD_VORBICA,
                              [](CDialog& d)
                              {
                                  EXPECT_EQ(static_cast<CVorbicaDlg&>(d).GetColor(), AppSettings::Get().CadLineColour);
                                  UiTest::Click(d.GetDlgItem(IDC_CADZADNY));
                                  return IDCANCEL;
                              });
    Command(ID_CHOOSE_CAD);
    EXPECT_EQ(settings.ProCAD, 121);
    EXPECT_EQ(Stored("ProCAD"), "121");
    Stop();
    EXPECT_EQ(Stored("ProCAD"), "121");
}

// Each choice is in the profile as soon as the dialog closes with OK; Cancel writes nothing.
TEST_F(CadChoiceTest, EveryChoiceIsStoredWhenChosen)
{
    ASSERT_TRUE(Start());
    const struct
    {
        int button;
        int result;
        const char* stored;
    } cases[] = {{IDC_ICAD22, IDOK, "127"}, {IDC_ACAD14, IDCANCEL, "127"}, {IDC_CADZADNY, IDOK, "120"},
                 {IDC_ACAD14, IDOK, "121"}};
    for (const auto& c : cases)
    {
        ScriptedAnswers::OnDialog(IDD_VORBICA, [&c](CDialog& d) {
            UiTest::Click(d.GetDlgItem(c.button));
            if (c.result == IDOK)
                UiTest::Click(d.GetDlgItem(IDOK));
            return c.result == IDOK ? -1 : IDCANCEL;
        });
        Command(ID_CHOOSE_CAD);
        EXPECT_EQ(Stored("ProCAD"), c.stored) << c.button;
    }
}

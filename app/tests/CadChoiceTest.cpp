// The CAD choice: the icon of the stored CAD program at start, the choice command and the code
// written at exit.

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

TEST_F(CadChoiceTest, TheChoiceCommandChangesTheCadSettingsAndTheCodeIsStoredAtExit)
{
    ASSERT_TRUE(Start());
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
    Stop();
    EXPECT_EQ(Stored("ProCAD"), "121");
}

#include "MekrFixture.h"

#include "app/CSplashWnd.h"
#include "app/MekrIds.h"
#include "common/AppSettings.h"
#include "floorwall/SpacingSeriesList.h"
#include "floorwall/dialogs/FloorSettingsIds.h"
#include "floorwall/dialogs/WallDesignIds.h"
#include "heatloss/ProjectModel.h"
#include "heatloss/dialogs/HeatLossDialogIds.h"
#include "heatloss/dialogs/InputDialogIds.h"
#include "hydraulics/COtopneTeleso.h"
#include "hydraulics/dialogs/HydraulicsResource.h"
#include "platform/frame/CToolBar.h"
#include "platform/ui/CDialog.h"
#include "hydraulics/ui/SizingIds.h"
#include "floorwall/dialogs/FloorSettingsIds.h"
#include "floorwall/dialogs/FloorWallDialogIds.h"
#include "testing/ScriptedAnswers.h"
#include "testing/UiTest.h"

#include <QAction>
#include <QCoreApplication>
#include <QEvent>
#include <QDir>
#include <QWidget>

namespace
{
class MainFrameTest : public MekrFixture
{
protected:
    void SetUp() override
    {
        MekrFixture::SetUp();
        ASSERT_TRUE(Start());
        ScriptedAnswers::ForgetShown(); // the new project's basic data at start
        m_frame->UpdateControlBars();
    }
    QAction* Button(UINT id) { return m_frame->m_wndToolBar.GetButtonAction(m_frame->m_wndToolBar.CommandToIndex(id)); }
    static CPoint Centre(const CRect& r) { return CPoint((r.left + r.right) / 2, (r.top + r.bottom) / 2); }
    void ExpectPictureCentred()
    {
        UiTest::ProcessEvents();
        CSplashWnd* picture = CSplashWnd::Current();
        ASSERT_NE(picture, nullptr);
        CRect frame;
        CRect shown;
        m_frame->GetWindowRect(&frame);
        picture->GetWindowRect(&shown);
        EXPECT_NEAR(Centre(frame).x, Centre(shown).x, 1);
        EXPECT_NEAR(Centre(frame).y, Centre(shown).y, 1);
        EXPECT_TRUE(picture->IsWindowVisible());
    }
};

TEST_F(MainFrameTest, ToolBarButtonsInOrderWithTheirTooltips)
{
    const struct
    {
        UINT id;
        const char* tip;
        bool enabled;
    } buttons[] = {
        {ID_FILE_NEW, "Nový", true},
        {ID_FILE_OPEN, "Otevřít", true},
        {ID_FILE_SAVE, "Uložit", true},
        {ID_EDIT_CUT, "Vyjmout", false},
        {ID_EDIT_COPY, "Kopírovat", false},
        {ID_EDIT_PASTE, "Vložit", false},
        {ID_CHOOSE_CAD, "Výběr CADu", true},
        {ID_SETTINGS, "Nastavení parametrů programem Sobrel", true},
        {ID_CHANGED_CONDITIONS, "Zadávání změněných podmínek výpočtu", false},
        {ID_BASIC_DATA, "Základní data o akci", true},
        {ID_INPUT_DATA, "Vstupní data výpočtu tepelných ztrát", false},
        {ID_HEAT_LOSS, "Výpočet tepelných ztrát", false},
        {ID_SPLIT_LOSSES, "Dělení ztrát podle typu vytápění", true},
        {ID_FLOOR_DESIGN, "Návrh podlahového vytápění", true},
        {ID_WALL_DESIGN, "Návrh stěnového vytápění", true},
        {ID_DISTRIBUTION_SIZING, "Propočet podmínek tečení ve zvolených trubkách ", true},
        {ID_FILE_PRINT_PREVIEW, "Náhled", false}, // a new project has no report with data
        {ID_FILE_PRINT, "Tisk", false},
        {ID_APP_ABOUT, "O aplikaci", true},
    };
    CToolBar& bar = m_frame->m_wndToolBar;
    std::vector<UINT> ids;
    for (int i = 0; i < bar.GetCount(); ++i)
        if (bar.GetItemID(i) != ID_SEPARATOR)
            ids.push_back(bar.GetItemID(i));
    EXPECT_EQ(bar.GetCount(), 29);
    ASSERT_EQ(ids.size(), std::size(buttons));
    for (std::size_t i = 0; i < ids.size(); ++i)
    {
        EXPECT_EQ(ids[i], buttons[i].id);
        QAction* action = Button(buttons[i].id);
        ASSERT_NE(action, nullptr);
        EXPECT_EQ(action->toolTip().toStdString(), buttons[i].tip);
        EXPECT_EQ(action->isEnabled(), buttons[i].enabled) << buttons[i].id;
    }
}

TEST_F(MainFrameTest, HeatLossCommandsWaitForABuildingType)
{
    ProjectModel::Instance().Header.buildingType = 3;
    m_frame->UpdateControlBars();
    EXPECT_TRUE(Button(ID_INPUT_DATA)->isEnabled());
    EXPECT_TRUE(Button(ID_HEAT_LOSS)->isEnabled());
    ProjectModel::Instance().Header.buildingType = 0;
    m_frame->UpdateControlBars();
    EXPECT_FALSE(Button(ID_INPUT_DATA)->isEnabled());
    EXPECT_FALSE(Button(ID_HEAT_LOSS)->isEnabled());
}

TEST_F(MainFrameTest, LogoPromptInTheStatusBarWhileTheMouseIsOverIt)
{
    UiTest::MouseMove(&m_frame->m_wndLogo, CPoint(3, 3));
    EXPECT_EQ(m_frame->m_wndStatusBar.GetPaneText(0), "Stránky programu kalvenrod");
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(m_frame->m_wndLogo.GetWidget(), &leave);
    EXPECT_EQ(m_frame->m_wndStatusBar.GetPaneText(0), "Připraven");
}

TEST_F(MainFrameTest, FloorDesignChecksTheSpacingAndRunsWithItsHint)
{
    struct Case
    {
        const char* setting;  // "MinimRoztec" before the command
        int answer;           // to the spacing question; 0: no question
        bool designShown;
        const char* after;
    } cases[] = {
        {"0.075", 0, true, "0.075"},      // the catalogue's smallest spacing: no question
        {"0.1", IDYES, true, "0.075"},    // the catalogue's spacing taken
        {"0.1", IDNO, false, "0.1"},      // the settings again, cancelled there
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.setting + std::to_string(c.answer));
        ScriptedAnswers::Reset();
        AppSettings& settings = AppSettings::Get();
        settings.StartFloorWithSettings = 0; // the settings go without their dialog
        settings.MinimRoztec = c.setting;
        settings.RangeMessages = 0;
        if (c.answer)
            ScriptedAnswers::AnswerBox(c.answer);
        ScriptedAnswers::OnDialog(IDD_NASTAV_VYPOCET_PODL, [](CDialog&) { return IDCANCEL; });
        CString hint;
        ScriptedAnswers::OnDialog(IDD_NAVRH_PODLAHOVKY, [&](CDialog& d) {
            hint = m_frame->m_wndStatusBar.GetPaneText(0);
            CString caption;
            d.GetWindowText(caption);
            EXPECT_EQ(caption, "kalvenrod - Podlahové vytápění - návrh");
            return IDCANCEL;
        });
        Command(ID_FLOOR_DESIGN);
        const auto& boxes = ScriptedAnswers::ShownBoxes();
        // The settings dialog of the third case tells its own catalogue troubles after the question.
        ASSERT_EQ(boxes.empty(), c.answer == 0);
        if (c.answer)
            EXPECT_EQ(boxes[0].text, "Systém je nastaven na jinou rozteč trubek než je v datech.\nSystém: 0.075 [m],\n"
                                     "Data: 0.1 [m]!\nPokračovat v novém nastavení??");
        const std::vector<UINT> shown = c.designShown ? std::vector<UINT>{IDD_NAVRH_PODLAHOVKY}
                                                      : std::vector<UINT>{IDD_NASTAV_VYPOCET_PODL};
        EXPECT_EQ(ScriptedAnswers::ShownDialogs(), shown);
        EXPECT_EQ(settings.MinimRoztec, c.after);
        EXPECT_EQ(settings.RangeMessages, 1);
        if (c.designShown)
            EXPECT_EQ(hint, "Návrh podlahového vytápění: Ldvojklik=AKTUALIZACE místnosti");
        EXPECT_EQ(m_frame->m_wndStatusBar.GetPaneText(0), "Připraven");
        EXPECT_EQ(m_frame->m_nDesignTemperatureFlag, 0);
    }
}

TEST_F(MainFrameTest, SplitLossesRunsTheHeatingTypeSplitWithItsHint)
{
    CString hint;
    ScriptedAnswers::OnDialog(IDD_TELESA, [&](CDialog&) {
        hint = m_frame->m_wndStatusBar.GetPaneText(0);
        return IDCANCEL;
    });
    Command(ID_SPLIT_LOSSES);
    EXPECT_EQ(ScriptedAnswers::ShownDialogs(), std::vector<UINT>{IDD_TELESA});
    EXPECT_FALSE(hint.IsEmpty());
    EXPECT_EQ(m_frame->m_wndStatusBar.GetPaneText(0), "Připraven");
}

TEST_F(MainFrameTest, DistributionSizingRunsWithItsHint)
{
    CString hint;
    ScriptedAnswers::OnDialog(IDD_DIMENZ_ROZVODU, [&](CDialog&) {
        hint = m_frame->m_wndStatusBar.GetPaneText(0);
        return IDCANCEL;
    });
    Command(ID_DISTRIBUTION_SIZING);
    EXPECT_EQ(hint, "Ldvojklik=AKTUALIZACE úsek;   Rklik=PŘIDAT úsek;   Ctrl/Rklik=POČÍTAT úsek");
    EXPECT_EQ(m_frame->m_wndStatusBar.GetPaneText(0), "Připraven");
}

TEST_F(MainFrameTest, WallDesignRunsWithItsHint)
{
    CString hint;
    ScriptedAnswers::OnDialog(IDD_NAVRH_STENOVKY, [&](CDialog&) {
        hint = m_frame->m_wndStatusBar.GetPaneText(0);
        return IDCANCEL;
    });
    Command(ID_WALL_DESIGN);
    EXPECT_EQ(ScriptedAnswers::ShownDialogs(), std::vector<UINT>{IDD_NAVRH_STENOVKY});
    EXPECT_EQ(hint, "Ldvojklik=AKTUALIZACE místnost;   Rklik=PŘIDAT místnost;   Ctrl/Rklik=POČÍTAT místnost");
    EXPECT_EQ(m_frame->m_wndStatusBar.GetPaneText(0), "Připraven");
}

TEST_F(MainFrameTest, ChangedConditionsQuietlyOrThroughTheDialog)
{
    COtopneTeleso& radiator = WorkingRadiator();
    radiator = COtopneTeleso();
    radiator.m_dSupply = 60;
    radiator.m_dReturn = 48;
    m_frame->m_bQuiet = 1;
    m_frame->EditChangedConditions();
    EXPECT_EQ(m_frame->m_bQuiet, 0);
    EXPECT_NEAR(radiator.m_dTemperatureFactor, 0.4698138, 1e-6);
    EXPECT_NEAR(radiator.m_dMassFlowFactor, 0.9992381, 1e-6);
    EXPECT_TRUE(ScriptedAnswers::ShownDialogs().empty());

    ScriptedAnswers::OnDialog(IDD_ZMENENE_PODMINKY, [](CDialog& d) {
        UiTest::Click(d.GetDlgItem(IDC_KIND_TUBE));
        UiTest::Click(d.GetDlgItem(IDOK));
        return IDCANCEL;
    });
    m_frame->EditChangedConditions();
    EXPECT_EQ(radiator.m_nKind, 2);
    EXPECT_DOUBLE_EQ(radiator.m_dExponent, 1.25);
    EXPECT_EQ(AppSettings::Get().TemperaturePair, "60.0#48.0");
}

// The basic data fill the header and lead to the chosen step.
TEST_F(MainFrameTest, BasicDataCommandStoresTheHeaderAndGoesOn)
{
    ProjectModel::Instance().Reset("");
    ProjectModel::Instance().Header.Te = -12;
    for (int choice : {IDC_BASE_FLOOR, IDC_BASE_HEAT_LOSS})
    {
        ScriptedAnswers::ForgetShown();
        AppSettings::Get().Modified[AppSettings::BasicData] = 0;
        ScriptedAnswers::OnDialog(IDD_BASE, [choice](CDialog& d) {
            d.SetDlgItemText(IDC_BASE_ORDER, "Z-7");
            d.SetDlgItemText(IDC_BASE_AUTHOR, "Dvořák");
            d.SetDlgItemText(IDC_BASE_B, "6");
            d.SetDlgItemText(IDC_BASE_P2, "0,1");
            d.SetDlgItemText(IDC_BASE_ALTITUDE, "227");
            d.SetDlgItemText(IDC_BASE_TYPE, "Obytná budova");
            d.SendMessage(WM_COMMAND, MAKEWPARAM(choice, BN_CLICKED), 0);
            d.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_BASE_OK, BN_CLICKED), 0);
            return IDCANCEL;
        });
        Command(ID_BASIC_DATA);
        EXPECT_EQ(ProjectModel::Instance().Header.orderNumber, "Z-7");
        EXPECT_EQ(ProjectModel::Instance().Header.B, 6);
        EXPECT_EQ(AppSettings::Get().Modified[AppSettings::BasicData], 1);
        // The heat-loss input or the floor heating design (its settings first) follows at once.
        const std::vector<UINT>& dialogs = ScriptedAnswers::ShownDialogs();
        EXPECT_EQ(dialogs.back(), UINT(choice == IDC_BASE_HEAT_LOSS ? IDD_DATA_GRID : IDD_NASTAV_VYPOCET_PODL));
    }
    ProjectModel::Instance().Reset("");
    AppSettings::Get().Modified.fill(0);
}

// Continuing an earlier project opens one; unsaved changes are asked about first.
TEST_F(MainFrameTest, BasicDataContinueAsksAboutUnsavedChangesBeforeOpening)
{
    AppSettings::Get().Modified[AppSettings::General] = 1;
    ScriptedAnswers::ForgetShown();
    ScriptedAnswers::OnDialog(IDD_BASE, [](CDialog& d) {
        d.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_BASE_CONTINUE, BN_CLICKED), 0);
        d.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_BASE_OK, BN_CLICKED), 0);
        return IDCANCEL;
    });
    ScriptedAnswers::AnswerBox(IDCANCEL);
    Command(ID_BASIC_DATA);
    UiTest::ProcessEvents(50);
    ASSERT_FALSE(ScriptedAnswers::ShownBoxes().empty());
    EXPECT_EQ(ScriptedAnswers::ShownBoxes()[0].caption, "kalvenrod - dotaz");
    EXPECT_NE(ScriptedAnswers::ShownBoxes()[0].text.Find("Uložit změny?"), -1);
    // Cancel keeps the project and its changes.
    EXPECT_EQ(AppSettings::Get().Modified[AppSettings::General], 1);
    AppSettings::Get().Modified.fill(0);
}

TEST_F(MainFrameTest, AboutBoxAndItsLinks)
{
    ScriptedAnswers::OnDialog(IDD_ABOUTBOX, [](CDialog& about) {
        CString title;
        about.GetWindowText(title);
        EXPECT_EQ(title, "kalvenrod - O aplikaci");
        UiTest::Click(about.GetDlgItem(IDC_LINK_HELP));
        UiTest::Click(about.GetDlgItem(IDC_LINK_HOME));
        return IDOK;
    });
    Command(ID_APP_ABOUT);
    EXPECT_EQ(ScriptedAnswers::ShownDialogs(), std::vector<UINT>{IDD_ABOUTBOX});
    EXPECT_EQ(m_openedAddresses, (std::vector<CString>{"help/index.html", "help/index.html"}));
}

TEST_F(MainFrameTest, LogoOpensTheProgramPages)
{
    ASSERT_NE(m_frame->m_wndLogo.GetSafeHwnd(), nullptr);
    UiTest::MouseDown(&m_frame->m_wndLogo, CPoint(3, 3));
    UiTest::MouseUp(&m_frame->m_wndLogo, CPoint(3, 3));
    EXPECT_EQ(m_openedAddresses, std::vector<CString>{"help/index.html"});
    EXPECT_EQ(m_frame->m_wndLogo.GetWidget()->toolTip().toStdString(), "kalvenrod");
}

TEST_F(MainFrameTest, StartPictureStaysCentredOverTheFrame)
{
    ExpectPictureCentred();
    m_frame->MoveWindow(40, 30, 900, 700);
    ExpectPictureCentred();
    m_frame->MoveWindow(90, 60, 1000, 650);
    ExpectPictureCentred();
}

TEST_F(MainFrameTest, FrameSmallerThanThePictureSnapsBack)
{
    CSplashWnd* picture = CSplashWnd::Current();
    ASSERT_NE(picture, nullptr);
    BITMAP bm;
    picture->m_bitmap.GetBitmap(&bm);
    m_frame->MoveWindow(10, 10, 200, 150);
    UiTest::ProcessEvents();
    CRect client;
    m_frame->GetClientRect(&client);
    EXPECT_GE(client.Width(), bm.bmWidth + 4);
    EXPECT_GE(client.Height(), bm.bmHeight + 20);
    ExpectPictureCentred();
}

TEST_F(MainFrameTest, SecondShowKeepsTheOnePicture)
{
    CSplashWnd* picture = CSplashWnd::Current();
    CSplashWnd::ShowSplashScreen(m_frame);
    EXPECT_EQ(CSplashWnd::Current(), picture);
    CSplashWnd::EnableSplashScreen(FALSE);
    CSplashWnd::HideSplashScreen();
    m_frame->MoveWindow(20, 20, 900, 700);
    EXPECT_EQ(CSplashWnd::Current(), nullptr);
    CSplashWnd::EnableSplashScreen(TRUE);
    m_frame->MoveWindow(30, 30, 900, 700);
    ExpectPictureCentred();
}
} // namespace

TEST_F(MainFrameTest, FloorCalculationSettingsKeepTheDesignTemperaturesWhileTheFlagIsSet)
{
    AppSettings& settings = AppSettings::Get();
    EXPECT_EQ(settings.RangeMessages, 1);
    settings.SkipFloorSettings = 1;
    EXPECT_EQ(m_frame->EditFloorCalculationSettings(), IDOK);
    EXPECT_TRUE(ScriptedAnswers::ShownDialogs().empty());
    EXPECT_EQ(SpacingSeriesList().size(), 2u); // the defaults, from the first call on

    settings.SkipFloorSettings = 0;
    m_frame->m_nDesignTemperatureFlag = 1;
    const double designReturn = settings.DesignReturnTemperature; // the new project's
    bool flowLocked = false;
    ScriptedAnswers::OnDialog(IDD_NASTAV_VYPOCET_PODL, [&](CDialog& d) {
        flowLocked = !d.GetDlgItem(IDC_NVP_FLOW)->IsWindowEnabled();
        d.SetDlgItemText(IDC_NVP_RETURN, "30,0");
        d.SetDlgItemText(IDC_NVP_MAX_LENGTH, "150");
        UiTest::Click(d.GetDlgItem(IDOK));
        return IDCANCEL;
    });
    EXPECT_EQ(m_frame->EditFloorCalculationSettings(), IDOK);
    EXPECT_TRUE(flowLocked);
    EXPECT_EQ(settings.DesignReturnTemperature, designReturn);
    EXPECT_EQ(settings.MaxDelkaOkruhu, 150.0);

    // The program's end frees the series.
    Stop();
    EXPECT_TRUE(SpacingSeriesList().empty());
}

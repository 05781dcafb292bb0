#include "app/CMainFrame.h"

#include "app/CNastaveniSobrelem.h"
#include "app/CSplashWnd.h"
#include "app/CMekrDoc.h"
#include "app/MekrIds.h"
#include "app/ReportAvailability.h"
#include "heatloss/dialogs/CVysledky.h"
#include "app/SettingsSheet.h"
#include "app/ShellLauncher.h"
#include "common/AppSettings.h"
#include "cadlink/buttons/CVorbica.h"
#include "floorwall/dialogs/CNavrhStenovky.h"
#include "common/PipeSpacingCheck.h"
#include "floorwall/dialogs/CNavrhPodlahovky.h"
#include "floorwall/dialogs/FloorSettingsRun.h"
#include "heatloss/HeatLossCalculation.h"
#include "heatloss/InputSheetLoader.h"
#include "heatloss/ProjectModel.h"
#include "hydraulics/COtopneTeleso.h"
#include "hydraulics/RadiatorConditions.h"
#include "hydraulics/dialogs/CTelesa.h"
#include "hydraulics/dialogs/CZmenenePodminky.h"
#include "hydraulics/ui/CDimenzRozvodu.h"
#include "platform/frame/CWinApp.h"
#include "platform/gdi/SystemMetrics.h"
#include "platform/ui/CCmdUI.h"

#include <algorithm>

IMPLEMENT_DYNCREATE(CMainFrame, CFrameWnd)

namespace
{
const UINT g_logoClickMessage = CLogo::LogoClickMessage();
}

BEGIN_MESSAGE_MAP(CMainFrame, CFrameWnd)
    ON_WM_CREATE()
    ON_WM_DESTROY()
    ON_WM_SIZE()
    ON_WM_MOVE()
    ON_REGISTERED_MESSAGE(g_logoClickMessage, OnLogoClick)
    ON_COMMAND(ID_SETTINGS, OnSettings)
    ON_COMMAND(ID_CHANGED_CONDITIONS, OnChangedConditions)
    ON_UPDATE_COMMAND_UI(ID_CHANGED_CONDITIONS, OnUpdateNever)
    ON_UPDATE_COMMAND_UI(ID_CALC_RESERVED, OnUpdateNever)
    ON_UPDATE_COMMAND_UI(ID_HEAT_LOSS, OnUpdateHeatLoss)
    ON_COMMAND(ID_HEAT_LOSS, OnHeatLossCalculation)
    ON_COMMAND(ID_CHOOSE_CAD, OnChooseCad)
    ON_COMMAND(ID_SPLIT_LOSSES, OnSplitLosses)
    ON_COMMAND(ID_FLOOR_DESIGN, OnFloorDesign)
    ON_COMMAND(ID_WALL_DESIGN, OnWallDesign)
    ON_COMMAND(ID_DISTRIBUTION_SIZING, OnDistributionSizing)
    ON_COMMAND(ID_DATA_STK, OnDataEditorStK)
    ON_COMMAND(ID_DATA_OTK, OnDataEditorOtK)
    ON_COMMAND(ID_DATA_OTI, OnDataEditorOtI)
    ON_COMMAND(ID_DATA_OT, OnDataEditorOt)
    ON_COMMAND(ID_DATA_POUP, OnDataEditorPoUp)
END_MESSAGE_MAP()

CMainFrame::CMainFrame() = default;

CMainFrame::~CMainFrame() = default;

BOOL CMainFrame::PreCreateWindow(CREATESTRUCT& cs)
{
    if (!CFrameWnd::PreCreateWindow(cs))
        return FALSE;
    RECT workArea{};
    if (SystemParametersInfo(SPI_GETWORKAREA, 0, &workArea, 0))
    {
        cs.x = 0;
        cs.y = 0;
        cs.cx = workArea.right - workArea.left;
        cs.cy = workArea.bottom - workArea.top;
    }
    return TRUE;
}

int CMainFrame::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CFrameWnd::OnCreate(lpCreateStruct) == -1)
        return -1;
    static const UINT indicators[] = {ID_SEPARATOR, ID_INDICATOR_CAPS, ID_INDICATOR_NUM};
    if (!m_wndToolBar.CreateEx(this, TBSTYLE_FLAT | TBSTYLE_TRANSPARENT,
                               WS_CHILD | WS_VISIBLE | CBRS_TOP | CBRS_GRIPPER | CBRS_TOOLTIPS | CBRS_FLYBY |
                                   CBRS_SIZE_DYNAMIC) ||
        !m_wndToolBar.LoadToolBar(IDR_MAINFRAME) || !m_wndToolBar.LoadBitmap(IDB_TOOLBAR))
        return -1;
    if (!m_wndStatusBar.Create(this) || !m_wndStatusBar.SetIndicators(indicators, 3))
        return -1;
    m_wndToolBar.EnableDocking(CBRS_ALIGN_ANY);
    EnableDocking(CBRS_ALIGN_ANY);
    DockControlBar(&m_wndToolBar);
    m_wndLogo.CreateIn(this, IDB_LOGO);
    ShowStartPicture();
    AfxGetApp()->m_pMainWnd = this;
    m_bQuiet = 0;
    return 0;
}

void CMainFrame::OnDestroy()
{
    CSplashWnd::HideSplashScreen();
    m_pSplash = nullptr;
    CFrameWnd::OnDestroy();
}

void CMainFrame::ShowStartPicture()
{
    CSplashWnd::ShowSplashScreen(this);
    m_pSplash = CSplashWnd::Current();
}

// The picture made while the frame was still hidden is centred anew over the shown frame.
void CMainFrame::ActivateFrame(int nCmdShow)
{
    CFrameWnd::ActivateFrame(nCmdShow);
    CSplashWnd::HideSplashScreen();
    if (!IsIconic())
        ShowStartPicture();
    m_wndLogo.Reposition();
}

void CMainFrame::OnSize(UINT nType, int cx, int cy)
{
    CFrameWnd::OnSize(nType, cx, cy);
    if (CSplashWnd* picture = CSplashWnd::Current())
    {
        BITMAP bm;
        picture->m_bitmap.GetBitmap(&bm);
        const int minWidth = bm.bmWidth + 4;
        const int minHeight = bm.bmHeight + 20;
        if (nType != SIZE_MINIMIZED && (cx < minWidth || cy < minHeight))
        {
            CRect window;
            GetWindowRect(&window);
            const int width = window.Width() - cx + std::max(cx, minWidth);
            const int height = window.Height() - cy + std::max(cy, minHeight);
            MoveWindow(window.left, window.top, width, height);
            return;
        }
    }
    CSplashWnd::HideSplashScreen();
    m_pSplash = nullptr;
    if (!IsIconic())
        ShowStartPicture();
    m_wndLogo.Reposition();
}

void CMainFrame::OnMove(int x, int y)
{
    CFrameWnd::OnMove(x, y);
    CSplashWnd::HideSplashScreen();
    m_pSplash = nullptr;
    if (!IsIconic())
        ShowStartPicture();
}

LRESULT CMainFrame::OnLogoClick(WPARAM, LPARAM)
{
    CString address;
    address.LoadString(IDS_LOGO_ADDRESS);
    ShellLauncher::OpenAddress(address);
    return 0;
}

void CMainFrame::WinHelp(DWORD_PTR dwData, UINT nCmd)
{
    CFrameWnd::WinHelp(dwData, nCmd);
}

void CMainFrame::ShowHint(UINT nID)
{
    SetMessageText(nID ? nID : UINT(IDS_IDLE));
}

void CMainFrame::OnSettings()
{
    RunSettings(-1);
    PostPendingBasicData();
}

void CMainFrame::PostPendingBasicData()
{
    auto* doc = dynamic_cast<CMekrDoc*>(GetActiveDocument());
    if (doc && doc->TakePendingBasicData())
        PostMessage(WM_COMMAND, ID_BASIC_DATA);
}

void CMainFrame::RunSettings(int startPage)
{
    SettingsSheet::Run(this, startPage);
}

// The working radiator's correction for changed conditions: quietly only its temperature and
// mass-flow factors, else through the dialog, whose OK also sets the project's gradient.
void CMainFrame::EditChangedConditions()
{
    COtopneTeleso& radiator = WorkingRadiator();
    if (m_bQuiet)
    {
        m_bQuiet = 0;
        RecomputeRadiatorFactors(radiator);
        return;
    }
    CZmenenePodminky dialog;
    CopyRadiatorToConditions(radiator, dialog);
    if (dialog.DoModal() != IDOK)
        return;
    CopyConditionsToRadiator(dialog, radiator);
    AppSettings::Get().TemperaturePair = TemperatureGradientText(radiator.m_dSupply, radiator.m_dReturn);
}

// The floor calculation settings; the design-temperature flag keeps the design flow and return
// temperatures as they are.
int CMainFrame::EditFloorCalculationSettings()
{
    return RunFloorCalculationSettings(m_nDesignTemperatureFlag);
}

void CMainFrame::OnSplitLosses()
{
    ShowHint(IDS_HINT_SPLIT_LOSSES);
    CTelesa dialog;
    dialog.m_nMode = 0;
    dialog.m_strText.Empty();
    dialog.DoModal();
    ShowHint(0);
}

void CMainFrame::OnWallDesign()
{
    ShowHint(IDS_HINT_WALL_DESIGN);
    CNavrhStenovky dialog;
    dialog.DoModal();
    ShowHint(0);
}

void CMainFrame::OnDistributionSizing()
{
    ShowHint(IDS_HINT_SIZING);
    CDimenzRozvodu dialog(this);
    dialog.DoModal();
    ShowHint(0);
}

// The floor heating design: the project's design loaded, the floor calculation settings, the
// catalogue's smallest spacing against the program's, then the design dialog over the window.
void CMainFrame::OnFloorDesign()
{
    AppSettings& settings = AppSettings::Get();
    CNavrhPodlahovky dialog;
    dialog.LoadProjectData();
    settings.SkipFloorSettings = settings.StartFloorWithSettings ? 0 : 1;
    m_nDesignTemperatureFlag = 1;
    settings.RangeMessages = 1;
    // The settings, then the catalogue's spacing against the program's until the user agrees.
    for (;;)
    {
        if (EditFloorCalculationSettings() != IDOK)
        {
            m_nDesignTemperatureFlag = 0;
            dialog.ClearData();
            return;
        }
        settings.SkipFloorSettings = 1;
        dialog.m_design.m_calc.CollectPipeSpacings();
        const PipeSpacingOutcome outcome = CheckPipeSpacing(dialog.m_design.m_calc.m_spacings, settings.MinimRoztec);
        if (outcome == PipeSpacingOutcome::NoSpacing)
        {
            m_nDesignTemperatureFlag = 0;
            dialog.ClearData();
            return;
        }
        if (outcome != PipeSpacingOutcome::Declined)
            break;
        settings.SkipFloorSettings = 0;
    }
    dialog.ResetRoomSums();
    dialog.AssignPipes(settings.StartFloorWithSettings);
    if (m_nDesignTemperatureFlag == 0)
        dialog.ApplyDesignTemperatures();
    m_nDesignTemperatureFlag = 0;
    GetWindowRect(&dialog.m_rectPlacement);
    ShowHint(IDS_HINT_FLOOR_DESIGN);
    dialog.DoModal();
    dialog.ClearData();
    ShowHint(0);
}

void CMainFrame::OnChangedConditions()
{
    EditChangedConditions();
}

void CMainFrame::OnChooseCad()
{
    AppSettings& settings = AppSettings::Get();
    if (!m_pCadButton)
        m_pCadButton = std::make_unique<CVorbica>();
    CVorbica& button = *m_pCadButton;
    button.m_kodCAD = settings.ProCAD;
    button.m_tloustka = settings.CadLineThickness;
    button.m_barva = settings.ProCAD == 120 ? settings.Colours[3] : settings.CadLineColour;
    if (button.DoModal() != IDOK)
        return;
    settings.CadLineColour = button.m_barva;
    settings.CadLineThickness = button.m_tloustka;
    settings.ProCAD = button.m_kodCAD;
    settings.CadIcon = button.m_ikona;
    settings.CadModule = button.m_knihovna;
    settings.WriteCadChoice();
}

void CMainFrame::OnUpdateHeatLoss(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(ProjectModel::Instance().Header.buildingType != 0);
}

BOOL CMainFrame::OnCmdMsg(UINT nID, int nCode, void* pExtra, void* pHandlerInfo)
{
    const BOOL handled = CFrameWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
    if (handled && nCode == CN_COMMAND && pHandlerInfo == nullptr)
        ReportAvailability::Instance().Refresh();
    return handled;
}

int CMainFrame::CalculateHeatLosses()
{
    const AppSettings& settings = AppSettings::Get();
    const CalculationSwitches switches{settings.CheckRooms != 0, settings.CheckWalls != 0,
                                       settings.CheckOpenings != 0, settings.RoundRoomLoss != 0};
    const CalculationOutcome outcome = ::CalculateHeatLosses(ProjectModel::Instance(), switches);
    for (const HeatLossMessage& message : outcome.messages)
        message.Show(GetSafeHwnd());
    return outcome.result;
}

void CMainFrame::OnHeatLossCalculation()
{
    // Each run loads the project's stored input afresh. A sheet that does not load (workbook,
    // sheet or size) ends the command with its one message: nothing is computed on an earlier
    // project's rooms.
    const HeatLossMessage loaded = LoadInputSheet(AppSettings::Get().CurrentProjectPath(), ProjectModel::Instance());
    if (!loaded.IsEmpty())
    {
        loaded.Show(GetSafeHwnd());
        return;
    }
    if (!CalculateHeatLosses())
        return;
    CVysledky results;
    results.DoModal();
}

void CMainFrame::OnUpdateNever(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(FALSE);
}

void CMainFrame::StartDataEditor(const char* sheet)
{
    CNastaveniSobrelem page;
    page.StartDataEditor(sheet);
}

void CMainFrame::OnDataEditorStK() { StartDataEditor("Mekr_StK"); }
void CMainFrame::OnDataEditorOtK() { StartDataEditor("Mekr_OtK"); }
void CMainFrame::OnDataEditorOtI() { StartDataEditor("Mekr_OtI"); }
void CMainFrame::OnDataEditorOt() { StartDataEditor("Mekr_Ot"); }
void CMainFrame::OnDataEditorPoUp() { StartDataEditor("Mekr_PoUp"); }

#include "app/CVyberTiskSestavy.h"

#include "app/CMainFrame.h"
#include "app/MekrIds.h"
#include "app/PrintIds.h"
#include "app/ReportAvailability.h"
#include "common/AppSettings.h"
#include "heatloss/InputSheetLoader.h"
#include "heatloss/ProjectModel.h"
#include "platform/core/Resources.h"
#include "platform/frame/CWinApp.h"
#include "platform/ui/CDataExchange.h"
#include "platform/ui/WinApi.h"

namespace
{
constexpr int RadioOf[CVyberTiskSestavy::ReportCount] = {IDC_REPORT_0, IDC_REPORT_1, IDC_REPORT_2, IDC_REPORT_3,
                                                          IDC_REPORT_4, IDC_REPORT_5, IDC_REPORT_6, IDC_REPORT_7,
                                                          IDC_REPORT_8, IDC_REPORT_9, IDC_REPORT_10};
constexpr int ResultsReport = 0;
constexpr int InputReport = 1;
} // namespace

BEGIN_MESSAGE_MAP(CVyberTiskSestavy, CDialog)
    ON_BN_CLICKED(IDC_REPORT_0, OnReport0)
    ON_BN_CLICKED(IDC_REPORT_1, OnReport1)
    ON_BN_CLICKED(IDC_REPORT_2, OnReport2)
    ON_BN_CLICKED(IDC_REPORT_3, OnReport3)
    ON_BN_CLICKED(IDC_REPORT_4, OnReport4)
    ON_BN_CLICKED(IDC_REPORT_5, OnReport5)
    ON_BN_CLICKED(IDC_REPORT_6, OnReport6)
    ON_BN_CLICKED(IDC_REPORT_7, OnReport7)
    ON_BN_CLICKED(IDC_REPORT_8, OnReport8)
    ON_BN_CLICKED(IDC_REPORT_9, OnReport9)
    ON_BN_CLICKED(IDC_REPORT_10, OnReport10)
    ON_BN_CLICKED(IDC_REPORT_OK, OnChosen)
END_MESSAGE_MAP()

CVyberTiskSestavy::CVyberTiskSestavy(CWnd* pParent) : CDialog(IDD_REPORT_CHOICE, pParent) {}

void CVyberTiskSestavy::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_INCLUDE_VALUES, m_checkValues);
    DDX_Check(pDX, IDC_INCLUDE_VALUES, m_bVcetneHodnoty);
}

int CVyberTiskSestavy::CheckReportData()
{
    const ReportAvailability::Flags printable = ReportAvailability::Instance().Printable();
    int any = 0;
    for (int report = 0; report < ReportCount; ++report)
    {
        m_aEnabled[report] = printable[size_t(report)] ? 1 : 0;
        any |= m_aEnabled[report];
    }
    return any;
}

bool CVyberTiskSestavy::ReloadInputData()
{
    const HeatLossMessage message = LoadInputSheet(AppSettings::Get().CurrentProjectPath(), ProjectModel::Instance());
    if (message.IsEmpty())
        return true;
    message.Show(GetSafeHwnd());
    return false;
}

BOOL CVyberTiskSestavy::OnInitDialog()
{
    CDialog::OnInitDialog();
    SetIcon(LoadIcon(AfxGetResourceHandle(), MAKEINTRESOURCE(IDR_MAINFRAME)), FALSE);
    const int any = CheckReportData();
    for (int report = 0; report < ReportCount; ++report)
        if (CWnd* radio = GetDlgItem(RadioOf[report]))
            radio->EnableWindow(m_aEnabled[report]);
    // The choice shown is the last one when it is still enabled, else the first enabled report.
    if (m_nSestava < 0 || m_nSestava >= ReportCount || !m_aEnabled[m_nSestava])
    {
        m_nSestava = -1;
        for (int report = 0; report < ReportCount && m_nSestava < 0; ++report)
            if (m_aEnabled[report])
                m_nSestava = report;
    }
    ShowChoice();
    if (CWnd* ok = GetDlgItem(IDC_REPORT_OK))
        ok->EnableWindow(any);
    return TRUE;
}

void CVyberTiskSestavy::ShowChoice()
{
    for (int report = 0; report < ReportCount; ++report)
        CheckDlgButton(RadioOf[report], report == m_nSestava ? BST_CHECKED : BST_UNCHECKED);
    m_checkValues.EnableWindow(m_nSestava == 4 || m_nSestava == 9);
}

void CVyberTiskSestavy::Choose(int report)
{
    m_nSestava = report;
    ShowChoice();
}

void CVyberTiskSestavy::PrepareHeatLossData()
{
    m_nPrepared = m_nSestava;
    if (m_nSestava != ResultsReport && m_nSestava != InputReport)
        return;
    const bool loaded = ReloadInputData();
    if (m_nSestava == InputReport)
        return;
    // Stale results are never printed: without a computed project the choice is not taken.
    auto* frame = dynamic_cast<CMainFrame*>(AfxGetMainWnd());
    if (!loaded || !frame || !frame->CalculateHeatLosses())
        Choose(-1);
}

void CVyberTiskSestavy::OnReport0()
{
    Choose(ResultsReport);
    PrepareHeatLossData();
}

void CVyberTiskSestavy::OnReport1()
{
    Choose(InputReport);
    PrepareHeatLossData();
}

void CVyberTiskSestavy::OnReport2() { Choose(2); }
void CVyberTiskSestavy::OnReport3() { Choose(3); }
void CVyberTiskSestavy::OnReport4() { Choose(4); }
void CVyberTiskSestavy::OnReport5() { Choose(5); }
void CVyberTiskSestavy::OnReport6() { Choose(6); }
void CVyberTiskSestavy::OnReport7() { Choose(7); }
void CVyberTiskSestavy::OnReport8() { Choose(8); }
void CVyberTiskSestavy::OnReport9() { Choose(9); }
void CVyberTiskSestavy::OnReport10() { Choose(10); }

void CVyberTiskSestavy::OnChosen()
{
    // The heat-loss reports read the project as it stands now: OK on the choice shown loads
    // (and for the results computes) it, as a click on the report does.
    if (m_nPrepared != m_nSestava)
        PrepareHeatLossData();
    CDialog::OnOK();
}

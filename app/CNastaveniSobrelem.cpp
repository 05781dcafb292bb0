#include "app/CNastaveniSobrelem.h"

#include "app/CMainFrame.h"
#include "app/CNastaveniCestSouborum.h"
#include "app/MekrIds.h"
#include "app/ShellLauncher.h"
#include "common/AppSettings.h"
#include "common/CommonIds.h"
#include "common/CommonRoutines.h"
#include "controls/dialogs/DialogSupport.h"
#include "platform/core/MessageBox.h"
#include "platform/frame/CWinApp.h"
#include "platform/ui/CPropertySheet.h"

IMPLEMENT_DYNCREATE(CNastaveniSobrelem, CPropertyPage)

BEGIN_MESSAGE_MAP(CNastaveniSobrelem, CPropertyPage)
    ON_BN_CLICKED(IDC_EDIT_STK, OnStK)
    ON_BN_CLICKED(IDC_EDIT_OTK, OnOtK)
    ON_BN_CLICKED(IDC_EDIT_OTI, OnOtI)
    ON_BN_CLICKED(IDC_EDIT_OT, OnOt)
    ON_BN_CLICKED(IDC_EDIT_POUP, OnPoUp)
END_MESSAGE_MAP()

namespace
{
void Warn(HWND owner, UINT textId, const CString& detail)
{
    CString format;
    format.LoadString(textId);
    CString text;
    text.Format(format, detail.GetString());
    MessageBox(owner, text, AppSettings::Get().WarningCaption(), MB_OK | MB_ICONEXCLAMATION);
}

// The folders page of the sheet the page is in, null outside a sheet.
CNastaveniCestSouborum* FoldersPageOf(CPropertySheet* sheet)
{
    for (int i = 0; sheet && i < sheet->GetPageCount(); ++i)
        if (auto* page = dynamic_cast<CNastaveniCestSouborum*>(sheet->GetPage(i)))
            return page;
    return nullptr;
}
} // namespace

CNastaveniSobrelem::CNastaveniSobrelem() : CPropertyPage(IDD_NASTAVENI_SOBREL) {}

BOOL CNastaveniSobrelem::OnInitDialog()
{
    CPropertyPage::OnInitDialog();
    const struct
    {
        CBitmapButton& button;
        UINT id;
        UINT bitmap;
    } buttons[] = {{m_btnStK, IDC_EDIT_STK, IDB_S_KU},
                   {m_btnOtK, IDC_EDIT_OTK, IDB_S_KOU},
                   {m_btnOtI, IDC_EDIT_OTI, IDB_S_IU},
                   {m_btnOt, IDC_EDIT_OT, IDB_D_OU},
                   {m_btnPoUp, IDC_EDIT_POUP, IDB_R_LAMBDA_BU}};
    for (const auto& b : buttons)
    {
        b.button.LoadBitmaps(b.bitmap);
        b.button.AutoLoad(b.id, this);
    }
    // The sheet's OK and Storno act for the page: its own pair stays hidden.
    ShowControls(*this, {IDOK, IDCANCEL}, false);
    return TRUE;
}

void CNastaveniSobrelem::StartDataEditor(const CString& sheet)
{
    const AppSettings& settings = AppSettings::Get();
    CString program = settings.PathEdit;
    CString dataFolder = settings.PathData;
    // Inside the sheet the entries of the folders page count, as the user sees them.
    CPropertySheet* propertySheet = m_hWnd ? GetSheet() : nullptr;
    CNastaveniCestSouborum* folders = FoldersPageOf(propertySheet);
    if (folders)
    {
        if (folders->m_hWnd)
            folders->UpdateData(TRUE);
        program = folders->m_strEdit;
        dataFolder = folders->m_strData;
    }
    if (program.IsEmpty())
    {
        Warn(m_hWnd, IDS_EDITOR_NOT_SET, "");
        if (folders)
        {
            propertySheet->SetActivePage(folders);
            if (CWnd* edit = folders->GetDlgItem(IDC_PATH_EDIT))
                edit->SetFocus();
        }
        else if (auto* frame = dynamic_cast<CMainFrame*>(AfxGetMainWnd()))
            frame->RunSettings(0);
        return;
    }
    CString workbookName;
    workbookName.LoadString(IDS_CATALOGUE_WORKBOOK);
    const std::vector<CString> arguments = {JoinPath(dataFolder, workbookName), "-tabulka:" + sheet + "$"};
    if (!ShellLauncher::StartProgram(program, arguments, dataFolder))
        Warn(m_hWnd, IDS_EDITOR_NOT_STARTED, program);
}

void CNastaveniSobrelem::OnStK() { StartDataEditor("Mekr_StK"); }
void CNastaveniSobrelem::OnOtK() { StartDataEditor("Mekr_OtK"); }
void CNastaveniSobrelem::OnOtI() { StartDataEditor("Mekr_OtI"); }
void CNastaveniSobrelem::OnOt() { StartDataEditor("Mekr_Ot"); }
void CNastaveniSobrelem::OnPoUp() { StartDataEditor("Mekr_PoUp"); }

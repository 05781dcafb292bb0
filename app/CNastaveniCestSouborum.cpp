#include "app/CNastaveniCestSouborum.h"

#include "app/BrowseFolder.h"
#include "app/MekrIds.h"
#include "controls/dialogs/DialogSupport.h"
#include "platform/ui/CDataExchange.h"

IMPLEMENT_DYNCREATE(CNastaveniCestSouborum, CPropertyPage)

BEGIN_MESSAGE_MAP(CNastaveniCestSouborum, CPropertyPage)
    ON_BN_CLICKED(IDC_BROWSE_LIST, OnBrowseList)
    ON_BN_CLICKED(IDC_BROWSE_DATA, OnBrowseData)
    ON_BN_CLICKED(IDC_BROWSE_WORK, OnBrowseWork)
    ON_BN_CLICKED(IDC_BROWSE_DUMP, OnBrowseDump)
    ON_BN_CLICKED(IDC_BROWSE_EDIT, OnBrowseEdit)
END_MESSAGE_MAP()

CNastaveniCestSouborum::CNastaveniCestSouborum() : CPropertyPage(IDD_NASTAVENI_CEST) {}

void CNastaveniCestSouborum::DoDataExchange(CDataExchange* pDX)
{
    CPropertyPage::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_PATH_LIST, m_strList);
    DDX_Text(pDX, IDC_PATH_DATA, m_strData);
    DDX_Text(pDX, IDC_PATH_WORK, m_strWork);
    DDX_Text(pDX, IDC_PATH_DUMP, m_strDump);
    DDX_Text(pDX, IDC_PATH_EDIT, m_strEdit);
}

// The sheet's OK and Storno act for the page: its own pair stays hidden.
BOOL CNastaveniCestSouborum::OnInitDialog()
{
    CPropertyPage::OnInitDialog();
    ShowControls(*this, {IDOK, IDCANCEL}, false);
    return TRUE;
}

// What the user typed into the other edits is kept: it is taken over before the edits are
// filled again.
void CNastaveniCestSouborum::Browse(CString& value, UINT titleId, BOOL includeFiles)
{
    UpdateData(TRUE);
    CString title;
    title.LoadString(titleId);
    CString path;
    if (BrowseFolder(path, title, this, nullptr, value, includeFiles) == 1 && !path.IsEmpty())
        value = path;
    UpdateData(FALSE);
}

void CNastaveniCestSouborum::OnBrowseList() { Browse(m_strList, IDS_BROWSE_LIST, FALSE); }
void CNastaveniCestSouborum::OnBrowseData() { Browse(m_strData, IDS_BROWSE_DATA, FALSE); }
void CNastaveniCestSouborum::OnBrowseWork() { Browse(m_strWork, IDS_BROWSE_WORK, FALSE); }
void CNastaveniCestSouborum::OnBrowseDump() { Browse(m_strDump, IDS_BROWSE_DUMP, FALSE); }
void CNastaveniCestSouborum::OnBrowseEdit() { Browse(m_strEdit, IDS_BROWSE_EDIT, TRUE); }

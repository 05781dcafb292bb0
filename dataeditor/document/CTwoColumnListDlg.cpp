#include "dataeditor/document/CTwoColumnListDlg.h"

#include "dataeditor/app/LanguageText.h"
#include "dataeditor/app/SobrelIds.h"
#include "platform/ui/CDataExchange.h"

#include <algorithm>

CTwoColumnListDlg::CTwoColumnListDlg(CWnd* pParent) : CDialog(IDD_TWO_COLUMN_LIST, pParent) {}

void CTwoColumnListDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_TWO_COLUMN_LIST, list);
}

BOOL CTwoColumnListDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    list.InsertColumn(0, LanguageText(IDS_LIST_FIRST_HEADER));
    list.InsertColumn(1, LanguageText(IDS_LIST_SECOND_HEADER));
    const std::size_t count = std::min(firstColumn.size(), secondColumn.size());
    for (std::size_t i = 0; i < count; ++i)
    {
        const int item = list.InsertItem(int(i), firstColumn[i]);
        list.SetItemText(item, 1, secondColumn[i]);
    }
    // Its contents, or its header when that is wider.
    list.SetColumnWidth(0, LVSCW_AUTOSIZE_USEHEADER);
    CRect client;
    list.GetClientRect(&client);
    list.SetColumnWidth(1, std::max(40, client.Width() - list.GetColumnWidth(0) - 4));
    return TRUE;
}

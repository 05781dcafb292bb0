#include "dataeditor/document/CJournalDlg.h"

#include "dataeditor/app/LanguageText.h"
#include "dataeditor/app/SobrelIds.h"
#include "platform/ui/CDataExchange.h"

#include <cstdlib>

BEGIN_MESSAGE_MAP(CJournalDlg, CDialog)
    ON_LBN_SELCHANGE(IDC_JOURNAL_LIST, OnSelectionChanged)
    ON_LBN_DBLCLK(IDC_JOURNAL_LIST, OnDoubleClick)
    ON_BN_CLICKED(IDC_JOURNAL_FIRST, OnFirst)
    ON_BN_CLICKED(IDC_JOURNAL_LAST, OnLast)
END_MESSAGE_MAP()

CJournalDlg::CJournalDlg(CWnd* pParent) : CDialog(IDD_JOURNAL, pParent) {}

CString CJournalDlg::Summary(int distance, const CString& callerText, int& direction)
{
    CString summary;
    if (distance == 0)
    {
        summary.Format(LanguageText(IDS_JOURNAL_NO_CHANGE), LPCTSTR(callerText));
        return summary;
    }
    direction = distance > 0 ? 1 : 0;
    const int steps = std::abs(distance);
    const CString word = LanguageText(steps == 1 ? IDS_JOURNAL_STEP_1 : steps <= 4 ? IDS_JOURNAL_STEP_2_4 : IDS_JOURNAL_STEP_5);
    const CString way = LanguageText(distance > 0 ? IDS_JOURNAL_FORWARD : IDS_JOURNAL_BACK);
    summary.Format(LanguageText(IDS_JOURNAL_SUMMARY), steps, LPCTSTR(word), LPCTSTR(way));
    return summary;
}

void CJournalDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_JOURNAL_LIST, list);
}

BOOL CJournalDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    if (steps)
        for (const CString& step : *steps)
            list.AddString(step);
    list.SetCurSel(current);
    OnSelectionChanged();
    return TRUE;
}

void CJournalDlg::OnSelectionChanged()
{
    chosen = list.GetCurSel();
    if (CWnd* ok = GetDlgItem(IDOK))
        ok->EnableWindow(chosen != current);
    if (CWnd* first = GetDlgItem(IDC_JOURNAL_FIRST))
        first->EnableWindow(chosen != 0);
    if (CWnd* last = GetDlgItem(IDC_JOURNAL_LAST))
        last->EnableWindow(chosen != list.GetCount() - 1);
    SetDlgItemText(IDC_JOURNAL_SUMMARY, Summary(chosen - current, callerText, direction));
}

void CJournalDlg::OnFirst()
{
    list.SetCurSel(0);
    OnSelectionChanged();
}

void CJournalDlg::OnLast()
{
    list.SetCurSel(list.GetCount() - 1);
    OnSelectionChanged();
}

void CJournalDlg::OnDoubleClick()
{
    OnOK();
}

#pragma once
// The undo list: the steps in order with the current one selected; choosing another step says
// how many steps will be undone or redone.

#include "platform/ui/CDialog.h"
#include "platform/ui/CListBox.h"

#include <vector>

class CJournalDlg : public CDialog
{
public:
    explicit CJournalDlg(CWnd* pParent = nullptr);

    // The summary for a distance from the current step, with callerText when it is 0; the
    // direction: 0 back (undo), 1 forward (redo).
    static CString Summary(int distance, const CString& callerText, int& direction);

    CString callerText;
    int direction = 0;
    const std::vector<CString>* steps = nullptr;
    int chosen = 0;
    int current = 0;
    CListBox list;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    afx_msg void OnSelectionChanged();
    afx_msg void OnFirst();
    afx_msg void OnLast();
    afx_msg void OnDoubleClick();
    DECLARE_MESSAGE_MAP()
};

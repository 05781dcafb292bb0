#pragma once
// The column move: the table's column names in order, the column to move selected. Each step of
// the arrows moves the selected name one place up or down; OK is enabled while it stands away
// from where it started. The list itself ignores the mouse, so only the arrows change it.

#include "platform/ui/CDialog.h"
#include "platform/ui/CListBox.h"
#include "platform/ui/CommonControls.h"

#include <vector>

// A list box deaf to the left mouse button.
class CMoveColumnList : public CListBox
{
protected:
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
    DECLARE_MESSAGE_MAP()
};

class CMoveColumnDlg : public CDialog
{
public:
    explicit CMoveColumnDlg(CWnd* pParent = nullptr);

    // The column names; index: the column to move at start, its new place after OK.
    std::vector<CString> entries;
    int index = 0;

    CMoveColumnList list;
    CSpinButtonCtrl spin;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    afx_msg void OnSpinDelta(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnSelectionChanged();
    DECLARE_MESSAGE_MAP()

private:
    int m_start = 0;
};

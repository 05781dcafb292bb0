#pragma once
// The margins of the printed pages: four whole millimetres, 0 to 100 each, top and bottom
// together leaving the page room for a report's frame and one row.

#include "platform/ui/CDialog.h"

class CPageSetupDlg : public CDialog
{
public:
    explicit CPageSetupDlg(CWnd* pParent = nullptr);

    INT_PTR DoModal() override;

    CString m_strTop = "20";
    CString m_strRight = "20";
    CString m_strLeft = "20";
    CString m_strBottom = "20";
    int m_nRight = 0;
    int m_nLeft = 0;
    int m_nBottom = 0;
    int m_nTop = 0;
    // The largest sum of the top and bottom margins the page allows.
    int m_nLargestVertical = 1000;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnOK() override;
};

#pragma once
// Lets the user choose one table of a workbook; tables shown in another window carry the
// open marker.

#include "platform/ui/CDialog.h"

#include <vector>

class CTableChoiceDlg : public CDialog
{
public:
    CTableChoiceDlg(const std::vector<CString>& tables, const CString& prompt, const CString& openMarker,
                    CWnd* pParent = nullptr);

    std::vector<CString> tables;
    CString prompt;
    CString openMarker;
    CString chosen;

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
    afx_msg void OnDoubleClick();
    DECLARE_MESSAGE_MAP()
};

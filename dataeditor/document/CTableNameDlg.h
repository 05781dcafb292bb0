#pragma once
// Asks for a table name: "$" cannot be typed, OK only for a new, non-empty name; in the
// new-name mode (a table that must get a name) Cancel is off.

#include "platform/ui/CDialog.h"

class CTableNameDlg : public CDialog
{
public:
    CTableNameDlg(const CString& name, bool newNameMode, CWnd* pParent = nullptr);

    CString name;
    CString nameAtOpening;
    bool newNameMode;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    afx_msg void OnNameChanged();
    DECLARE_MESSAGE_MAP()
};

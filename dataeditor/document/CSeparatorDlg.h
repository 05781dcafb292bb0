#pragma once
// Asks for the separator of a delimited text (";" unless told otherwise).

#include "platform/ui/CDialog.h"

class CSeparatorDlg : public CDialog
{
public:
    explicit CSeparatorDlg(CWnd* pParent = nullptr);

    CString separator = ";";
    bool exportMode = false;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
};

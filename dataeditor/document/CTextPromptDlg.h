#pragma once
// Asks for one line of text.

#include "platform/ui/CDialog.h"

class CTextPromptDlg : public CDialog
{
public:
    explicit CTextPromptDlg(CWnd* pParent = nullptr);

    CString text;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
};

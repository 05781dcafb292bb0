#pragma once
// The about box: the program's name and version, two links to the program's pages.

#include "app/CLinkButton.h"
#include "platform/ui/CDialog.h"

class CAboutDlg : public CDialog
{
public:
    CAboutDlg();

    CLinkButton m_linkHelp;
    CLinkButton m_linkHome;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    afx_msg void OnLink();
    DECLARE_MESSAGE_MAP()
};

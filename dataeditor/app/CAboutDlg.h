#pragma once
// The about box with the link to the maker's web address.

#include "platform/ui/CDialog.h"

class CAboutDlg : public CDialog
{
public:
    explicit CAboutDlg(CWnd* pParent = nullptr);

protected:
    BOOL OnInitDialog() override;
};

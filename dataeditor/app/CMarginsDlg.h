#pragma once
// The page margins of printing in millimetres; the printer's unprintable margins are the
// least each can be.

#include "platform/ui/CDialog.h"

class CMarginsDlg : public CDialog
{
public:
    CMarginsDlg(const int margins[4], const int minimum[4], CWnd* pParent = nullptr);

    // Left, top, right, bottom.
    int margins[4];
    int minimum[4];

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
};

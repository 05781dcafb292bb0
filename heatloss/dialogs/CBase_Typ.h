#pragma once
// The building type (dialog 152): twelve buttons; written into the project header at the click.

#include "platform/ui/CDialog.h"

class CBase_Typ : public CDialog
{
public:
    explicit CBase_Typ(CWnd* pParent = nullptr);

    // The buttons of the building types 1..12.
    static const int kTypeButtons[12];

protected:
    BOOL OnInitDialog() override;
    afx_msg void OnType(UINT id);
    DECLARE_MESSAGE_MAP()
};

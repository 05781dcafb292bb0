#pragma once
// The heating-up surcharge p2 (dialog 132): from the operation of the heating; written into
// the project header at the click.

#include "platform/ui/CDialog.h"

class CBase_P2 : public CDialog
{
public:
    explicit CBase_P2(CWnd* pParent = nullptr);

protected:
    BOOL OnInitDialog() override;
    afx_msg void OnMode(UINT id);
    DECLARE_MESSAGE_MAP()
};

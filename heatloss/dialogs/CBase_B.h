#pragma once
// The building characteristic number B (dialog 135): from the building's kind and its
// position in the landscape of the site; written into the project header at the click. A site
// whose landscape the catalogue does not give offers both landscapes, and the one chosen is
// written as the header's windy landscape ("ano" or "ne").

#include "platform/ui/CDialog.h"

class CBase_B : public CDialog
{
public:
    explicit CBase_B(CWnd* pParent = nullptr);

    int m_nKind = 0; // 1 detached, 2 terraced; 0 none yet

protected:
    BOOL OnInitDialog() override;
    afx_msg void OnKind(UINT id);
    afx_msg void OnPosition(UINT id);
    DECLARE_MESSAGE_MAP()
};

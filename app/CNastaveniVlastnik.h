#pragma once
// Settings page 4: the owner data. The page cannot be left without the organisation's name.

#include "platform/ui/CPropertyPage.h"

class CNastaveniVlastnik : public CPropertyPage
{
    DECLARE_DYNCREATE(CNastaveniVlastnik)

public:
    CNastaveniVlastnik();

    CString m_strFirm;
    CString m_strBase;
    CString m_strName;

    BOOL OnKillActive() override;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
};

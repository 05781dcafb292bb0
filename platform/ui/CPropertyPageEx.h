#pragma once
// A property page with the title and subtitle a wizard-97 sheet shows in its header; a page with
// PSP_HIDEHEADER in m_psp.dwFlags is shown without the header (the first and last page of a wizard).

#include "platform/ui/CPropertyPage.h"

class CPropertyPageEx : public CPropertyPage
{
    DECLARE_DYNAMIC(CPropertyPageEx)
public:
    CPropertyPageEx() = default;
    explicit CPropertyPageEx(UINT nIDTemplate, UINT nIDCaption = 0, UINT nIDHeaderTitle = 0,
                             UINT nIDHeaderSubTitle = 0);
};

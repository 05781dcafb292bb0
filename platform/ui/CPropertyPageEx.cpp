#include "platform/ui/CPropertyPageEx.h"

IMPLEMENT_DYNAMIC(CPropertyPageEx, CPropertyPage)

CPropertyPageEx::CPropertyPageEx(UINT nIDTemplate, UINT nIDCaption, UINT nIDHeaderTitle,
                                 UINT nIDHeaderSubTitle)
    : CPropertyPage(nIDTemplate, nIDCaption)
{
    SetHeaderTexts(nIDHeaderTitle, nIDHeaderSubTitle);
}

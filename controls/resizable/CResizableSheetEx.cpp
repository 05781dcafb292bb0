#include "controls/resizable/CResizableSheetEx.h"

IMPLEMENT_DYNAMIC(CResizableSheetEx, CResizableSheet)

CResizableSheetEx::CResizableSheetEx() = default;

CResizableSheetEx::CResizableSheetEx(UINT nIDCaption, CWnd* pParentWnd, UINT iSelectPage,
                                     HBITMAP hbmWatermark, HPALETTE hpalWatermark, HBITMAP hbmHeader)
    : CResizableSheet(nIDCaption, pParentWnd, iSelectPage)
{
    SetWizardBitmaps(m_psh, hbmWatermark, hpalWatermark, hbmHeader);
}

CResizableSheetEx::CResizableSheetEx(LPCTSTR pszCaption, CWnd* pParentWnd, UINT iSelectPage,
                                     HBITMAP hbmWatermark, HPALETTE hpalWatermark, HBITMAP hbmHeader)
    : CResizableSheet(pszCaption, pParentWnd, iSelectPage)
{
    SetWizardBitmaps(m_psh, hbmWatermark, hpalWatermark, hbmHeader);
}

BOOL CResizableSheetEx::OnInitDialog()
{
    const BOOL result = CResizableSheet::OnInitDialog();
    ArrangeLayout();
    return result;
}

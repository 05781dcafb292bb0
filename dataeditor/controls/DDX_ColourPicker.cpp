#include "dataeditor/controls/DDX_ColourPicker.h"

#include "dataeditor/controls/CColourPicker.h"
#include "platform/ui/CDataExchange.h"

void DDX_ColourPicker(CDataExchange* pDX, int nIDC, COLORREF& colour)
{
    pDX->PrepareCtrl(nIDC);
    auto* picker = dynamic_cast<CColourPicker*>(pDX->m_pDlgWnd->GetDlgItem(nIDC));
    if (!picker)
        return;
    if (pDX->m_bSaveAndValidate)
        colour = picker->GetColour();
    else
        picker->SetColour(colour);
}

#pragma once
// The options sheet: the general and the print page over the application's options record.
// The Apply button is the defaults button: it sets every option to its default and shows
// the defaults on the active page; the sheet can then only be left with OK.

#include "dataeditor/app/COptionsGeneralProp.h"
#include "dataeditor/app/COptionsPrintProp.h"
#include "platform/ui/CPropertySheet.h"

class COptionsPropertySheet : public CPropertySheet
{
public:
    explicit COptionsPropertySheet(UINT startPage, CWnd* pParent = nullptr);

    COptionsGeneralProp general;
    COptionsPrintProp print;

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;
    afx_msg void OnDefaults();
    DECLARE_MESSAGE_MAP()

private:
    std::vector<CString> m_headerFooterAtOpen;
};

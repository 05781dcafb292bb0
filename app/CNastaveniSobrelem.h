#pragma once
// Settings page 3: five picture buttons, each starts the data editor on one sheet of the
// catalogue workbook. The launcher also serves the main frame's data editor commands, on a
// page without a window.

#include "platform/ui/CBitmapButton.h"
#include "platform/ui/CPropertyPage.h"

class CNastaveniSobrelem : public CPropertyPage
{
    DECLARE_DYNCREATE(CNastaveniSobrelem)

public:
    CNastaveniSobrelem();

    // Starts the data editor ("PathEdit") on the catalogue sheet; without a data editor program
    // the user is led to the settings page where it is set.
    void StartDataEditor(const CString& sheet);

    CBitmapButton m_btnStK;
    CBitmapButton m_btnOtK;
    CBitmapButton m_btnOtI;
    CBitmapButton m_btnOt;
    CBitmapButton m_btnPoUp;

protected:
    BOOL OnInitDialog() override;
    afx_msg void OnStK();
    afx_msg void OnOtK();
    afx_msg void OnOtI();
    afx_msg void OnOt();
    afx_msg void OnPoUp();
    DECLARE_MESSAGE_MAP()
};

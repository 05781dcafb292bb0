#pragma once
// The name of a new floor build-up or wall construction (dialog 298).

#include "platform/ui/CDialog.h"
#include "platform/ui/CEdit.h"

class CNazevSkladby : public CDialog
{
public:
    explicit CNazevSkladby(CWnd* pParent = nullptr);

    // The name as typed, blanks kept; empty until "&OK".
    CString m_strNazev;
    CEdit m_editNazev;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
};

#pragma once
// The language dialog: every loaded language pack with its flag and name; OK switches.

#include "platform/ui/CDialog.h"

#include <vector>

class CLanguageDlg : public CDialog
{
public:
    explicit CLanguageDlg(CWnd* pParent = nullptr);

    // Codes in the order of the list's entries.
    std::vector<CString> codes;
    std::vector<CString> names;

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
};

#pragma once
// Shows pairs of texts in two columns.

#include "platform/ui/CDialog.h"
#include "platform/ui/CListCtrl.h"

#include <vector>

class CTwoColumnListDlg : public CDialog
{
public:
    explicit CTwoColumnListDlg(CWnd* pParent = nullptr);

    std::vector<CString> firstColumn;
    std::vector<CString> secondColumn;
    CListCtrl list;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
};

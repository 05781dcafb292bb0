#pragma once
// The formula editor of the formula command: an edit field and buttons that insert digits,
// operators, the variables X (the cell's value) and I (the row within the selection) and the
// evaluator's functions at the caret. OK closes only on a formula the evaluator reads.

#include "platform/ui/CDialog.h"
#include "platform/ui/CEdit.h"

class CCalculatorDlg : public CDialog
{
public:
    explicit CCalculatorDlg(CWnd* pParent = nullptr);

    // Upper case after OK.
    CString formula = "X";
    // The locale's decimal separator, taken at construction.
    CString decimalSeparator;

    // The text a button inserts; empty for an id that is no insert button.
    static CString ButtonText(UINT id, const CString& decimalSeparator);
    // The formula with every wrong decimal separator turned into the locale's one.
    static CString WithSeparator(const CString& text, const CString& decimalSeparator);

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    void OnOK() override;

    afx_msg void OnInsert(UINT id);
    afx_msg void OnClear();
    afx_msg void OnUpdateFormula();
    DECLARE_MESSAGE_MAP()

private:
    CEdit m_edit;
    bool m_guarding = false;
};

#pragma once
// The circuits that the supply and return pipe of one floor heating circuit runs through, each
// with its pipe length, kept as the circuit's supply text. Read-only, it lists the supplies that
// run through a circuit.

#include "controls/grid/CBtnDataBase.h"
#include "controls/grid/fmt/CFmtGridCtrl.h"
#include "hydraulics/SupplyText.h"
#include "platform/core/CStringArray.h"
#include "platform/ui/CDialog.h"

#include <vector>

class CPrivodOkruhuDlg : public CDialog
{
public:
    explicit CPrivodOkruhuDlg(CWnd* parent = nullptr);

    // Set by the caller.
    CString m_strCurrentCircuit;
    CStringArray m_aCircuitNames;
    CString m_strSupplyText;             // also the result
    int m_bOfferAll = FALSE;
    int m_bReadOnly = FALSE;

    double m_dTotalLength = 0.0;         // m, set by OK
    CFmtGridCtrl m_grid;
    CStringArray m_aChoices;

    static constexpr int kCircuitColumn = 1;
    static constexpr int kLengthColumn = 2;
    static constexpr int kAreaColumn = 3;

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
    afx_msg void OnBeginEdit(NMHDR* pNotifyStruct, LRESULT* pResult);
    afx_msg void OnEndEdit(NMHDR* pNotifyStruct, LRESULT* pResult);
    DECLARE_MESSAGE_MAP()

private:
    void BuildChoiceList();
    void SetRowCells(int row);
    int AppendRow();
    void ShowArea(int row);
    void FocusCell(int row, int column);
    double Spacing() const;
    CBtnDataBase m_buttons;
};

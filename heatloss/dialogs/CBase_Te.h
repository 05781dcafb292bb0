#pragma once
// The outdoor design temperature from the places of the catalogue (dialog 136): the place is
// written into the project header when chosen, Te, altitude and windy landscape on OK.

#include "datalib/CData.h"
#include "platform/ui/CDialog.h"

class CBase_Te : public CDialog
{
public:
    explicit CBase_Te(CWnd* pParent = nullptr);

    CData m_data;
    CString m_strTe;
    CString m_strAltitude;
    CString m_strWindy;

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
    afx_msg void OnPlaceChosen();
    afx_msg void OnDestroy();
    DECLARE_MESSAGE_MAP()

private:
    void LoadRow(int row);
    void ShowValues();
};

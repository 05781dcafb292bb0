#pragma once
// The question the floor bill asks about the distribution equipment (dialog 299): the station
// series of the manifolds ("VSS" or "VSV") and whether mixing sets are added, and how many.
// Enter does nothing; only "&OK" confirms.

#include "platform/ui/CDialog.h"

class CDotazVybaveni : public CDialog
{
public:
    explicit CDotazVybaveni(CWnd* pParent = nullptr);

    int m_nOfferStation = 0; // set by the caller: 1 offers the choice of the station
    int m_bMixingSets = 0;
    int m_nCount = 0;
    int m_nStationKind = 22; // 21 "VSS", 22 "VSV"

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnOK() override;
    afx_msg void OnVss();
    afx_msg void OnVsv();
    afx_msg void OnMixing();
    afx_msg void OnConfirm();
    DECLARE_MESSAGE_MAP()

private:
    void ShowCount(bool show);
};

#pragma once
// A room's heat loss split between floor heating, wall heating and the uncovered rest, in W
// and in per cent. Enter moves to the next field; "&OK" checks that the parts add up.

#include "hydraulics/LossSplit.h"
#include "platform/ui/CDialog.h"

class CDeleniZtratKeKryti : public CDialog, public LossSplit
{
public:
    explicit CDeleniZtratKeKryti(CWnd* parent = nullptr);

    // Handed in before DoModal.
    CString m_strRoomName;
    CString m_strTotal;
    double m_dInitialFloor = 0.0;
    double m_dInitialWall = 0.0;
    double m_dInitialUncovered = 0.0;

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
    afx_msg void OnFloorCheck();
    afx_msg void OnWallCheck();
    afx_msg void OnLeave(UINT id);
    afx_msg void OnEnter(UINT id);
    afx_msg void OnSplitOk();
    DECLARE_MESSAGE_MAP()

private:
    void ShowState();
};

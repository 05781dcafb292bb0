#pragma once
// The adjacent-space temperature picker: the design temperature of an unheated space next to
// a wall (attic, roof air gap, adjacent room, cellar, rarely heated room, boiler room) at the
// project's Te. OK, offered once a choice is clicked, leaves it in WallEntry; Cancel hands
// nothing over.

#include "platform/ui/CDialog.h"

class CWall_Ti_Vedl : public CDialog
{
public:
    explicit CWall_Ti_Vedl(int Te, CWnd* parent = nullptr);

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
    afx_msg void OnChoice(UINT id);
    DECLARE_MESSAGE_MAP()

private:
    int m_nTe;
    int m_nChosen = 0;
    bool m_bChosen = false;
};

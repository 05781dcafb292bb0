#pragma once
// Settings page 2: the input checks of the heat-loss calculation, the start of the floor design
// with its settings panel, and the rounding of the room heat loss.

#include "platform/ui/CPropertyPage.h"

class CNastaveniAplikace : public CPropertyPage
{
    DECLARE_DYNCREATE(CNastaveniAplikace)

public:
    CNastaveniAplikace();

    BOOL m_bCheckRooms = FALSE;
    BOOL m_bCheckWalls = FALSE;
    BOOL m_bCheckOpenings = FALSE;
    BOOL m_bFloorWithSettings = FALSE;
    BOOL m_bRoundLoss = FALSE;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
};

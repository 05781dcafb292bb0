#pragma once
// The sheet of the floor system types inside the construction parameters dialog: the type-A
// page, with the room's chosen type and the owner that hears of room temperature changes.

#include "platform/ui/CPropertySheet.h"

class CDruhyKonstrukci;
class CMistPodlahVytap;

class CSoustavaTypu : public CPropertySheet
{
public:
    CSoustavaTypu();

    int m_nChosenType = 1;
    CMistPodlahVytap* m_pRoom = nullptr;
    CDruhyKonstrukci* m_pOwner = nullptr;

    void OnRoomTemperatureChanged();

protected:
    BOOL OnInitDialog() override;
};

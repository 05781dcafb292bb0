#pragma once
// The heating medium's temperatures: inlet and outlet, or mean and difference, and the room
// temperature. OK is offered only while inlet > outlet > room.

#include "hydraulics/HeatingMediumFields.h"
#include "platform/ui/CDialog.h"

class CTopneMedium : public CDialog, public HeatingMediumFields
{
public:
    explicit CTopneMedium(CWnd* parent = nullptr);

protected:
    BOOL OnInitDialog() override;
    afx_msg void OnModeMean();
    afx_msg void OnModeLimits();
    afx_msg void OnLeaveDifference() { Leave(Difference); }
    afx_msg void OnLeaveMean() { Leave(Mean); }
    afx_msg void OnLeaveInlet() { Leave(Inlet); }
    afx_msg void OnLeaveOutlet() { Leave(Outlet); }
    afx_msg void OnLeaveRoom() { Leave(Room); }
    DECLARE_MESSAGE_MAP()

private:
    void Leave(Field field);
    void ShowMode();
    void WriteFields();
};

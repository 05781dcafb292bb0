#pragma once
// One room of the wall heating design as the user enters or edits it (dialog 308): number,
// name, heat demand, room temperature, available wall area and connection length. The dialog
// knows nothing of rooms; it holds and checks its values. Enter moves to the next field; only
// "&OK" (with a heat demand above 0) and "&Zrušit" close it.

#include "platform/ui/CDialog.h"

class CStena : public CDialog
{
public:
    explicit CStena(CWnd* pParent = nullptr);
    ~CStena() override;

    CString m_strRoomNumber;
    CString m_strRoomName;
    CString m_strCircuitNumber;
    double m_dHeatDemand = 0.0;       // W
    double m_dRoomTemperature = 20.0; // °C
    double m_dAvailableArea = 0.0;    // m²
    double m_dConnectionLength = 5.0; // m
    int m_nSegmentCount = 4;
    double m_dSegmentArea = 2.0;      // m²

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnOK() override;
    afx_msg void OnConfirm();
    afx_msg void OnHeatDemandLeft();
    afx_msg void OnConnectionLeft();
    afx_msg void OnTemperatureLeft();
    afx_msg void OnAvailableLeft();
    afx_msg void OnSegmentAreaLeft();
    afx_msg void OnNumberFocused(UINT id);
    DECLARE_MESSAGE_MAP()

private:
    // The edit's text read as a number, shown in the format and read back into the value.
    void TakeNumber(int id, const char* format, double& value);
    void ShowNumber(int id, const char* format, double& value);
};

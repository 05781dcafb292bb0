#pragma once
// The report choice before a print or a preview: the reports the project holds data for, the
// prices of the material bills, and for the heat-loss reports the input reloaded (and for the
// results recalculated) before the run.

#include "platform/ui/CButton.h"
#include "platform/ui/CDialog.h"

class CVyberTiskSestavy : public CDialog
{
public:
    static constexpr int ReportCount = 11;

    explicit CVyberTiskSestavy(CWnd* pParent = nullptr);

    // Fills the enable flags from the kept availability of the project (no file work, no
    // message): 1 when any report is enabled.
    int CheckReportData();
    // Loads the heat-loss input sheet of the project into the project model; false (its message
    // shown) when it did not load.
    bool ReloadInputData();

    CButton m_checkValues;
    int m_bVcetneHodnoty = 0;
    int m_nSestava = -1;
    int m_aEnabled[ReportCount] = {};

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    afx_msg void OnReport0();
    afx_msg void OnReport1();
    afx_msg void OnReport2();
    afx_msg void OnReport3();
    afx_msg void OnReport4();
    afx_msg void OnReport5();
    afx_msg void OnReport6();
    afx_msg void OnReport7();
    afx_msg void OnReport8();
    afx_msg void OnReport9();
    afx_msg void OnReport10();
    afx_msg void OnChosen();
    DECLARE_MESSAGE_MAP()

private:
    // Takes a report as the choice: the check box is for the two material bills only.
    void Choose(int report);
    void ShowChoice();
    // Reloads the input for the heat-loss reports, and computes it for the results.
    void PrepareHeatLossData();
    int m_nPrepared = -1; // the choice whose data this dialog prepared
};

#pragma once
// The basic data of a project (dialog 137): the header, the next step, and for the heat-loss
// calculation the climate and building values fixed with the pickers.

#include "platform/ui/CDialog.h"

class CBase : public CDialog
{
public:
    explicit CBase(CWnd* pParent = nullptr);

    // 11 heat losses, 12 floor heating, 13 wall heating, 14 pipe sizing, 15 continue; −1 none.
    int m_nChoice = -1;
    // 1 while the last Te tested was one of the design temperatures.
    int m_bTeValid = 1;
    // The project's path ("DbLegenda") of the project-info file read for the header; empty
    // when none was read.
    CString m_strProjectPath;

    // The building-type text of the header's building type.
    static void BuildingTypeText();

    void UpdateOkButton();
    void UpdateBButton();
    void ShowClimateGroup(bool show);

protected:
    BOOL OnInitDialog() override;
    // Enter moves to the next field; only the OK button closes.
    void OnOK() override;

    afx_msg void OnOkButton();
    afx_msg void OnChooseTe();
    afx_msg void OnChooseB();
    afx_msg void OnChooseP2();
    afx_msg void OnChooseType();
    afx_msg void OnTeKillFocus();
    afx_msg void OnHeatLoss();
    afx_msg void OnFloor();
    afx_msg void OnWall();
    afx_msg void OnPipes();
    afx_msg void OnContinue();
    afx_msg void OnFieldChange();
    DECLARE_MESSAGE_MAP()

private:
    void PrepareHeader();
    void ShowHeader();
    void ShowClimate();
    void Choose(int choice, bool climate);
    void StoreHeader();
    bool m_bCheckingTe = false;
};

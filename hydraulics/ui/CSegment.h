#pragma once
// The data of one distribution section: number, designation, mass flow, pipe length and the
// local resistances inserted in it. The caller fills the members and reads them after IDOK.

#include "platform/ui/CDialog.h"
#include "platform/ui/CEdit.h"

class CSegment : public CDialog
{
public:
    explicit CSegment(CWnd* parent = nullptr);

    double m_dPipeLength = 0.0;          // m
    double m_dInsertedResistances = 0.0; // sum of ξ
    double m_dFlow = 0.0;                // kg/h
    CString m_strSection;
    CString m_strDesignation;

    CEdit m_editFlow;
    CEdit m_editLength;
    CEdit m_editResistances;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnOK() override;
    afx_msg void OnSetFocusNumber();
    afx_msg void OnKillFocusFlow();
    afx_msg void OnKillFocusLength();
    afx_msg void OnKillFocusResistances();
    afx_msg void OnAccept();
    DECLARE_MESSAGE_MAP()

private:
    // Reads the field into the value and writes it back "%.3f"; a negative number stays as typed.
    void TidyField(CEdit& edit, double& value);
    static void ShowValue(CEdit& edit, double& value);
};

#pragma once
// A dialog of one radio button a variant, each carrying a fixed correction factor of a
// radiator's output; the caller hands in the choice and takes choice and factor after OK.

#include "hydraulics/RadiatorFactorTables.h"
#include "platform/ui/CDialog.h"

class CFactorChoiceDlg : public CDialog
{
public:
    CFactorChoiceDlg(UINT templateId, RadiatorFactorTable table, CWnd* parent);

    int m_nChoice = 1;
    double m_dFactor = 1.0;

protected:
    BOOL OnInitDialog() override;
    afx_msg void OnChoice(UINT id);
    DECLARE_MESSAGE_MAP()

private:
    // Selects the radio of the choice and takes its factor; a choice outside changes nothing.
    void ApplyChoice();

    RadiatorFactorTable m_table;
};

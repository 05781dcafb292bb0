#pragma once
// The radiator output under changed conditions: the seven correction factors, with the
// connection, cover and placement picked from their dialogs and the temperatures from the
// heating-medium dialog. Typed factors replace the computed ones on OK.

#include "hydraulics/ChangedConditionsCorrection.h"
#include "platform/ui/CDialog.h"

class CFactorChoiceDlg;

class CZmenenePodminky : public CDialog, public ChangedConditionsCorrection
{
public:
    explicit CZmenenePodminky(CWnd* parent = nullptr);

    // Writes the factors into the eight fields, "%.3f".
    void ObnovPole();

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
    afx_msg void OnKind(UINT id);
    afx_msg void OnConnection();
    afx_msg void OnCover();
    afx_msg void OnPlacement();
    afx_msg void OnTemperatures();
    afx_msg void OnMassFlow();
    DECLARE_MESSAGE_MAP()

private:
    void PickFactor(CFactorChoiceDlg& dialog, int& choice, double& factor);
    void Recompute();
};

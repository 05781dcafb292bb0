#pragma once
// The circuit recalculation panel (dialog 304): the room's selected circuit computed again for
// every usable pipe spacing, one grid row a variant, with a spread the user can change; the
// limits a variant breaks are marked and "&OK" takes the chosen variant into the circuit.
// Enter recalculates and does not close the panel.

#include "controls/grid/fmt/CFmtGridCtrl.h"
#include "platform/ui/CDialog.h"

#include <memory>

class CCSN_EN_1264;
class CMistPodlahVytap;
class CTopnyOkruh;

class CKalkulackaPodlah : public CDialog
{
public:
    explicit CKalkulackaPodlah(CWnd* parent = nullptr);
    ~CKalkulackaPodlah() override;

    // Set by the caller: the room (its current circuit is worked on), the calculation whose
    // spacings give the variants, and the design's reference value ΔθV,des (K).
    CMistPodlahVytap* m_pRoom = nullptr;
    CCSN_EN_1264* m_pCalculation = nullptr;
    double m_dReferenceValue = 0.0;

    CFmtGridCtrl m_grid;

    // Copies the room's current circuit into the work circuit: false when there is none.
    bool LoadCircuit();
    void ShowTemperatures();
    void ComputeVariants();

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
    afx_msg void OnKillFocusSpread();
    afx_msg void OnRecalculate();
    afx_msg void OnTakeVariant();
    afx_msg void OnDestroy();
    DECLARE_MESSAGE_MAP()

private:
    void SetupGrid();
    std::unique_ptr<CTopnyOkruh> m_pWork;
};

#pragma once
// Pipe sizing: for one mass flow, pipe length and sum of local resistances, the pressure loss
// of every pipe the catalogue offers, side by side, so that the user picks a section's pipe.
// Also a free calculator.

#include "controls/grid/fmt/CFmtGridCtrl.h"
#include "hydraulics/PipeLoss.h"
#include "platform/ui/CDialog.h"
#include "platform/ui/CEdit.h"

#include <vector>

class CDimenzTrubek : public CDialog
{
public:
    explicit CDimenzTrubek(CWnd* parent = nullptr);

    // Set by the caller.
    CString m_strFlow = "1";             // kg/h, as text
    CString m_strSection;
    int m_bForSection = FALSE;
    double m_dPipeLength = 1.0;          // m
    double m_dInsertedResistances = 0.0;
    CString m_strCurrentCode;
    std::vector<PipeChoice> m_pipes;

    // Read by the caller after IDOK.
    double m_dResultLoss = 0.0;          // Pa
    bool m_bResultKnown = false;         // a pipe was chosen and its loss computed
    CString m_strResultDescription;
    CString m_strResultCode;
    CString m_strResultItem;

    double m_dFlow = 0.0;                // kg/h
    CEdit m_editFlow;
    CFmtGridCtrl m_grid;

    // Fills the variant rows for the present flow; the row of the current code is selected.
    void FillGrid();

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnOK() override;
    afx_msg void OnKillFocusFlow();
    afx_msg void OnChoose();
    afx_msg void OnDestroy();
    DECLARE_MESSAGE_MAP()

private:
    void SetupGrid();
    void ShowVariant(int row, const PipeChoice& pipe);
    // The variant of each grid row, computed for the present flow (empty: unknown pipe).
    std::vector<std::optional<PipeLossParts>> m_variants;
};

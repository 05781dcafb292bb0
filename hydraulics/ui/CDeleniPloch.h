#pragma once
// The split of a room's realised wall heating area into circuits of at most 8 m², each into
// segments of at most 2 m², with each circuit's connection length, pipe length, mass flow and
// pressure loss. OK replaces the room's wall heating circuits by the rows.

#include "controls/grid/CBtnDataBase.h"
#include "controls/grid/fmt/CFmtGridCtrl.h"
#include "hydraulics/AreaSplit.h"
#include "platform/ui/CDialog.h"
#include "platform/ui/CommonControls.h"

#include <vector>

class CMistPodlahVytap;

class CDeleniPloch : public CDialog
{
public:
    explicit CDeleniPloch(CWnd* parent = nullptr);

    CMistPodlahVytap* m_pRoom = nullptr; // not owned
    int m_bRecompute = 0;
    double m_dAvailableArea = 0.0;       // m²
    double m_dRequiredArea = 0.0;        // m²
    double m_dRealisedArea = 0.0;        // m², read by the caller after IDOK
    int m_nCircuitCount = 0;

    struct Row
    {
        double area = 0.0;               // m²
        int segments = 4;
        double connectionLength = 0.0;   // m
        AreaSplit::RowResult result;
    };
    std::vector<Row> m_rows;
    CFmtGridCtrl m_grid;
    CSpinButtonCtrl m_spin;

    // The grid's rows for the realised area: its circuit count of equal circuits.
    void RebuildRows();
    // Computes one row and shows it.
    void ComputeRow(int index);

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnOK() override;
    afx_msg void OnKillFocusRealised();
    afx_msg void OnChangeCount();
    afx_msg void OnConfirm();
    afx_msg void OnBeginEdit(NMHDR* pNotifyStruct, LRESULT* pResult);
    afx_msg void OnEndEdit(NMHDR* pNotifyStruct, LRESULT* pResult);
    DECLARE_MESSAGE_MAP()

private:
    void SetupGrid();
    void DeriveCircuitCount();
    void ShowRow(int index);
    void SetSegmentCell(int index);
    void ApplyMinimumSegment(int index);
    void AppendGridRow();
    bool FlowKnown() const;
    double DefaultConnectionLength() const;
    CBtnDataBase m_buttons;
    bool m_bInitialising = true;
};

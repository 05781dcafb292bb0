#pragma once
// The wall heating design (dialog 297): the water temperatures and installation margins, a grid
// of the wall-heated rooms and a grid of their wall circuits, rooms added and edited through
// the room dialog, their areas split into circuits, manifolds and the bill of materials. The
// design is kept in "SeznamM$" and "DataAkce$" of the project and stored by "&OK". Without its
// window the object loads, computes, sums and stores the design for the reports and the
// project's upgrade.

#include "controls/grid/fmt/CFmtGridCtrl.h"
#include "datalib/CData.h"
#include "floorwall/WallDesign.h"
#include "platform/ui/CDialog.h"

#include <vector>

class CMistPodlahVytap;

class CNavrhStenovky : public CDialog
{
public:
    explicit CNavrhStenovky(CWnd* pParent = nullptr);
    ~CNavrhStenovky() override;

    // 0 when "SeznamM$" and "DataAkce$" were read; 1 otherwise (the message shown).
    int LoadProjectData();
    // Stores the rooms and the temperatures as one: 0 when stored, or when nothing is to be
    // stored after a load that returned 1 (so that rows never read are never dropped); 1 when
    // nothing was stored (the failure shown, the project as it was). The rooms' sheet takes the
    // columns of "SeznamM$" in columnsFrom (empty: the project's own).
    int SaveProjectData(const CString& columnsFrom = CString());
    void CalculateRooms();
    // 0 when the temperatures pass; 1 when one was corrected (shown, with the focus on it).
    int CheckTemperatures();
    void RecalculateCircuits();
    // The room's available area measured from the heat-loss input with the dialog's margins;
    // false when the input sheet did not open (its message shown).
    bool MeasureAvailableArea(CMistPodlahVytap& room);
    void SumRoomValues(int manifold, double& area, double& massFlow, double& pressureLoss, double& output) const;
    void DeleteRooms();
    double HighestRoomTemperature() const;
    BOOL PreTranslateMessage(MSG* pMsg) override;

    double m_dSupplyTemperature = 0.0; // °C
    double m_dReturnTemperature = 0.0; // °C
    double m_dTemperatureDrop = 0.0;   // K
    double m_dUpToHeight = 2200.0;     // mm
    double m_dAboveFloor = 200.0;      // mm
    double m_dInnerCorner = 150.0;     // mm
    double m_dOuterCorner = 150.0;     // mm
    double m_dSillHeight = 900.0;      // mm
    double m_dLowestReturn = 1.0;      // °C
    std::vector<CMistPodlahVytap*> m_rooms; // owned; null entries are skipped
    CData m_table;
    CMistPodlahVytap* m_pCurrentRoom = nullptr;
    int m_nCurrentRoomRow = -1;
    CFmtGridCtrl m_roomGrid;
    CFmtGridCtrl m_circuitGrid;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;
    afx_msg void OnDestroy();
    // Supply, return or drop left: the others kept in step, then the update chain.
    afx_msg void OnTemperatureLeft(UINT id);
    afx_msg void OnTemperatureFocused(UINT id);
    afx_msg void OnMarginLeft(UINT id);
    afx_msg void OnRecalculate();
    afx_msg void OnMeasure();
    afx_msg void OnMaterial();
    afx_msg void OnManifolds();
    afx_msg void OnSpread();
    afx_msg void OnConfirm();
    afx_msg void OnRoomClick(NMHDR* pNotifyStruct, LRESULT* pResult);
    afx_msg void OnRoomDblClick(NMHDR* pNotifyStruct, LRESULT* pResult);
    afx_msg void OnRoomRClick(NMHDR* pNotifyStruct, LRESULT* pResult);
    afx_msg void OnCircuitClick(NMHDR* pNotifyStruct, LRESULT* pResult);
    DECLARE_MESSAGE_MAP()

private:
    WallDesign::Temperatures Temperatures() const;
    void SetTemperatures(const WallDesign::Temperatures& t);
    void ShowTemperatures();
    double ReadField(int id) const;
    void FocusField(int id);
    // After a temperature edit: check, room calculation, circuits, both grids.
    void UpdateChain();
    void SetUpGrids();
    void FillRoomGrid();
    void FillCircuitGrid();
    CMistPodlahVytap* RoomOfNumber(const CString& number) const;
    CMistPodlahVytap* RoomOfRow(const CFmtGridCtrl& grid, int row) const;
    bool NumberTaken(const CString& number, const CMistPodlahVytap* except) const;
    // Runs the room dialog until its number is free; false when cancelled.
    bool AskRoom(class CStena& dialog, const CMistPodlahVytap* except);
    void AddRoom();
    void EditRoom(int row);
    void SplitArea(CMistPodlahVytap& room, int recompute);
    bool DeleteFocusedRoom();
    void MarkModified();
    void SelectCircuitRow(int row);
    int Ask(UINT textId, const CString& argument, UINT captionIndex, UINT type);

    int m_nLoadResult = 1;
    bool m_bChanged = false;
    bool m_bUpdating = false;
    HCURSOR m_savedCursor = nullptr;
    bool m_bCtrlCursor = false;
};

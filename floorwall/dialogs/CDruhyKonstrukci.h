#pragma once
// The construction parameters of a floor heating room (dialog 197): the room's main data in a
// one-row grid, its circuits in a grid, and the floor system sheet with the type-A page. The
// floor design sets the room list, the room's index in it, the text list and the supply-pipe
// setting, loads the room's construction into it (LoadSystemParameters), runs it and, after
// "&OK", stores the construction into the room (StoreSystemParameters). "&OK" writes the grids
// into the room and its circuits only when every check passes.

#include "controls/grid/CGridCtrl.h"
#include "floorwall/dialogs/CMistGridCtrl.h"
#include "floorwall/dialogs/CParamSoustTypA.h"
#include "floorwall/dialogs/CSoustavaTypu.h"
#include "platform/core/CStringArray.h"
#include "platform/ui/CDialog.h"

#include <vector>

class CMistPodlahVytap;
class CToolTipCtrl;

class CDruhyKonstrukci : public CDialog
{
public:
    explicit CDruhyKonstrukci(CWnd* pParent = nullptr);
    ~CDruhyKonstrukci() override;

    CGridCtrl m_circuitGrid;
    CMistGridCtrl m_roomGrid;
    CSoustavaTypu m_sheet;
    CParamSoustTypA m_pageA;
    CParamSoustTypB m_pageB;
    CParamSoustTypC m_pageC;
    std::vector<CMistPodlahVytap*>* m_pRooms = nullptr; // the design's rooms; not owned
    CMistPodlahVytap* m_pRoom = nullptr;                 // not owned
    double m_dRequired = 0.0;  // W
    double m_dFloor = 0.0;     // W
    double m_dRadiator = 0.0;  // W, other sources
    double m_dRadiatorCopy = 0.0;
    double m_dMissing = 0.0;   // W
    int m_nRoomIndex = -1;
    CStringArray m_aTexts;     // the circuits offered to the supply-pipe dialog
    int m_nPrivodVTezeMi = 0;

    // The room's construction into the pages; the room becomes the dialog's room.
    void LoadSystemParameters(CMistPodlahVytap* room);
    // The chosen type and its page into the room.
    void StoreSystemParameters(CMistPodlahVytap* room);
    void OnRoomTemperatureChanged();
    // The values of the three pages and the chosen type.
    FloorSystemParameters Parameters() const;
    void SetParameters(const FloorSystemParameters& parameters);
    // Shows the room of the list after the key (Home, End, Up, Down) from the current one; the
    // dialog then only shows rooms.
    void MoveToRoom(UINT key);

    enum RoomColumn { RoomNumber, RoomName, RoomTi, RoomArea, RoomRequired, RoomFloor, RoomRadiator, RoomMissing,
                      RoomPipe, RoomForeign, RoomSystem, RoomCircuits, RoomBuildUp };
    enum CircuitColumn { CircuitLabelColumn, CircuitAA, CircuitAR, CircuitQ, CircuitFlux, CircuitSpacing,
                         CircuitTFm, CircuitLength, CircuitSupply, CircuitForeign, CircuitTV, CircuitTR,
                         CircuitSupplyText, CircuitForeignText };

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
    BOOL PreTranslateMessage(MSG* pMsg) override;
    afx_msg void OnChange();
    afx_msg void OnRoomBeginEdit(NMHDR* pNotifyStruct, LRESULT* pResult);
    afx_msg void OnRoomEndEdit(NMHDR* pNotifyStruct, LRESULT* pResult);
    afx_msg void OnCircuitBeginEdit(NMHDR* pNotifyStruct, LRESULT* pResult);
    afx_msg void OnCircuitEndEdit(NMHDR* pNotifyStruct, LRESULT* pResult);
    DECLARE_MESSAGE_MAP()

private:
    void BuildRoomGrid();
    void FillRoomRow();
    void BuildCircuitGrid();
    void FillCircuitRows();
    void ShowMissing();
    void ReadOutputs();
    void DistributeByArea();
    void DistributeByZones();
    void RecomputeFlux(int row);
    double RoomNumberAt(int column) const;
    double CircuitNumberAt(int row, int column) const;
    void SetCellNumber(CGridCtrl& grid, int row, int column, const char* format, double value);
    void FocusRoomCell(int column);
    void FocusCircuitCell(int row, int column);
    CToolTipCtrl* m_pTips = nullptr;
    bool m_bViewing = false; // moved to another room: shown only
};

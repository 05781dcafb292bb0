#pragma once
// The heat-loss input as one levelled table: the building, its rooms, each room's cooled
// walls and each wall's openings, one row an element in tree order. A double click edits the
// element of its row, a right click adds a room, wall or opening under the clicked row,
// Delete removes a branch, "Mě&nění" changes many cells at once. The table and the model are
// loaded from "SeznamV$" at every opening; "&OK" stores the table there, "&Zrušit" reloads the
// model from it.

#include "heatloss/dialogs/CDataGridCtrl.h"
#include "heatloss/dialogs/InputTreeWalk.h"
#include "platform/gdi/CImageList.h"
#include "platform/ui/CDialog.h"
#include "platform/ui/CommonControls.h"

#include <functional>

class ProjectModel;
struct NMHDR;

class CDataGridDialog : public CDialog
{
public:
    explicit CDataGridDialog(CWnd* parent = nullptr);

    // 1: load the sheet into the model and end unseen (2 loaded, 3 IDABORT when it failed).
    BOOL m_bLoadOnly = FALSE;
    CDataGridCtrl m_Grid;

    // The element dialogs, each on the element at the model's cursor; 1 when confirmed.
    // A wall gets its room's length, width and height.
    std::function<int()> m_editRoom;
    std::function<int(double, double, double)> m_editWall;
    std::function<int()> m_editOpening;
    // The bulk change on the grid; 1 when it changed something.
    std::function<int(CDataGridCtrl&)> m_bulkChange;

    ProjectModel& Model() const { return m_model; }
    bool Loaded() const { return m_bLoaded; }

    // Stores the table's rows in "SeznamV$": 1 written, 0 not.
    int SaveInputSheet();

    RowLevel Levels() const;
    void LocateRoom(int row);
    void LocateWall(int row);
    void LocateOpening(int row);
    int FindInsertRow(int level, int row) const;
    // Writes the element at the cursor into a row, inserted before it or in place.
    void SetElementRow(BOOL insert, int row, int level);
    void RefreshWallRows(int row);
    void CheckOpeningArea();
    // The model's rooms, walls and openings anew from the table's rows.
    void RebuildModelFromGrid();

    void OnGridDblClick(NMHDR* header, LRESULT* result);
    void OnGridRClick(NMHDR* header, LRESULT* result);
    void OnShowLevel(UINT id);
    void OnBulkChange();

protected:
    BOOL OnInitDialog() override;
    BOOL PreTranslateMessage(MSG* pMsg) override;
    void OnOK() override;
    void OnCancel() override;
    DECLARE_MESSAGE_MAP()

private:
    void CreateGrid();
    bool LoadSheet();
    void FinishGrid();
    void CreateToolTips();
    void AddRoom(int row);
    void AddWall(int row);
    void AddOpening(int row);
    // Shows the capacity message of string id; true when the parent is full.
    bool Full(int count, int capacity, UINT id) const;
    int GridColumnOf(const CString& name) const;
    void WriteRowTexts(int row, int level);

    ProjectModel& m_model;
    bool m_bLoaded = false;
    CImageList m_ImageList;
    CToolTipCtrl m_ToolTip;
};

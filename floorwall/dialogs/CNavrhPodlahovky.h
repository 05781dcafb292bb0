#pragma once
// The floor heating design dialog: every room with floor heating and its circuits in a grid,
// the design by EN 1264, recalculation, the manifolds, the bill of materials, the construction
// parameters and the circuit panel, and saving into the project workbook. The design itself
// (rooms, run, storing) is FloorDesign's; this dialog asks the questions and shows the results.

#include "controls/grid/fmt/CFmtGridCtrl.h"
#include "controls/resizable/CResizableDialog.h"
#include "floorwall/FloorDesign.h"

#include <functional>
#include <vector>

class CMistPodlahVytap;

class CNavrhPodlahovky : public CResizableDialog
{
public:
    // The dialogs the design opens; an empty one makes its command tell that it is not
    // available (the settings then count as confirmed).
    struct Tools
    {
        // The floor calculation settings (temperature lock); the dialog's result.
        std::function<int(int lock)> editSettings;
        // The circuit panel over the room's current circuit with the design's reference value
        // (ΔθV,des); largest: no row shows more flux.
        std::function<int(CMistPodlahVytap& room, CCSN_EN_1264& calculation, double referenceValue, int largest)>
            editCircuit;
        // The manifold indices of the rooms' circuits (kind 11: floor heating).
        std::function<int(std::vector<CMistPodlahVytap*>& rooms, int kind)> editManifolds;
        // The construction parameters of a room (new room or circuit: isNew), with the circuit
        // labels and the rooms, the room's index in them.
        std::function<int(CMistPodlahVytap& room, std::vector<CString>& labels,
                          std::vector<CMistPodlahVytap*>& rooms, int index)>
            editRoom;
        // The bill of materials over the design grid (kind 11) with the pipe item; on the result
        // 13 the overloaded manifold and its circuit count.
        std::function<int(CFmtGridCtrl& grid, int kind, int pipeItem, int& manifold, int& count)> bill;
    };
    static Tools& DesignTools();
    // The floor calculation settings and the bill of materials of this library.
    static Tools DefaultTools();

    explicit CNavrhPodlahovky(CWnd* parent = nullptr);
    ~CNavrhPodlahovky() override;

    // What the program and the reports call, forwarded to the design.
    void LoadProjectData() { m_design.LoadProjectData(); }
    void ClearData() { m_design.ClearData(); }
    void AssignPipes(int fromSettings) { m_design.AssignPipes(fromSettings); }
    void ApplyDesignTemperatures() { m_design.ApplyDesignTemperatures(); }
    void ResetRoomSums() { m_design.ResetRoomSums(); }

    void FillGrid();
    void SelectCriticalRow();
    void RestoreDesignState();
    void UpdateDesignButton();
    void UpdateButtons();
    // 0 when every grid row names its manifold or needs none; 1 at the first row that does
    // not (selected and told), and for a grid without rows.
    int CheckManifoldIndices();
    void EditCircuit(int row);
    void EditRoom(int row);
    int AddRoomOrCircuit(int isNewRoom, CMistPodlahVytap* room);
    void NewRoom(int position);
    // Deletes the circuit of the grid row after the user's Yes.
    void DeleteRow(int row);

    afx_msg void OnDesign();
    afx_msg void OnRecalculate();
    afx_msg void OnSaveData();
    afx_msg void OnManifolds();
    afx_msg void OnMaterials();
    afx_msg void OnEditCircuit();

    FloorDesign m_design;
    CFmtGridCtrl m_grid;
    HCURSOR m_savedCursor = nullptr;
    bool m_bCtrlCursor = false;
    // Where the dialog opens: the main window's rectangle; empty keeps the template's place.
    CRect m_rectPlacement;

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;
    BOOL PreTranslateMessage(MSG* pMsg) override;
    // Over a grid cell of a designed project, held Ctrl shows the sizing cursor.
    void ShowCtrlCursorOverGrid();
    afx_msg void OnGridDoubleClick(NMHDR* pNotifyStruct, LRESULT* pResult);
    afx_msg void OnGridRightClick(NMHDR* pNotifyStruct, LRESULT* pResult);
    afx_msg void OnBeginEdit(NMHDR* pNotifyStruct, LRESULT* pResult);
    afx_msg void OnEndEdit(NMHDR* pNotifyStruct, LRESULT* pResult);
    DECLARE_MESSAGE_MAP()

private:
    void SetupGrid();
    // The error box of the design's last failure, then the warnings of the run.
    void ShowRunMessages();
    int Box(const CString& text, UINT type, const CString& caption);
    int Error(const CString& text);
    static CString ErrorCaption();
    void SelectRow(int row);
    // Asks about unsaved changes; false when the dialog stays open.
    bool MayClose();
    void ShowButton(int id, bool show);
    // The settings before a redesign or a recalculation; true when confirmed.
    bool ConfirmSettings();
    void AfterRoomEdit(int row);
};

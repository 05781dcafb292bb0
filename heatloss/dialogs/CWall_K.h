#pragma once
// The constructions of one element kind with their U-values (dialog 143). Compact, it lists
// the kind's constructions of the catalogue ("Mekr_StK$"): "&OK" takes the chosen one's U into
// WallEntry. "&Přidat" (a new construction) or "&Aktualizovat" (the current one) expands it
// below the divider with the construction's layers ("Mekr_kUsr$") and the materials
// ("Mekr_MaPa$"): a double click on a material makes or changes a layer, its thickness is typed,
// "&Hotovo" offers the method, and "&Dopočítat" computes U, thickness and mean density and
// writes the kind's constructions and the construction's layers back to the catalogue.

#include "controls/grid/fmt/CFmtGridCtrl.h"
#include "platform/ui/CDialog.h"

#include <ctime>
#include <functional>

struct NMHDR;

class CWall_K : public CDialog
{
public:
    explicit CWall_K(CWnd* pParent = nullptr);

    // The element kind whose constructions are shown ("SO", "Pdl", ...); set before DoModal.
    CString m_strKind;

    CFmtGridCtrl m_GridK; // constructions of the kind (1393)
    CFmtGridCtrl m_GridU; // layers of one construction (1392)
    CFmtGridCtrl m_GridM; // materials (1395)
    CData m_Data;

    int m_nRowK = -1;   // current construction row
    int m_nRowU = -1;   // current layer row
    CString m_strOdkaz; // key of the construction whose layers are shown or edited
    bool m_bExpanded = true;
    bool m_bUpdate = true;    // the layers of an existing construction are being changed
    bool m_bModified = false; // rows changed since the last write
    bool m_bEditing = false;  // an update or a new construction is under way
    int m_nCompactHeight = 0; // window height down to the divider, pixels
    int m_nFullHeight = 0;    // the template's window height, pixels
    int m_nMethod = 0;        // 1: one-dimensional heat flow

    // The time a new construction's key is made from (the clock unless a test sets it).
    std::function<std::time_t()> m_clock;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL PreTranslateMessage(MSG* pMsg) override;
    BOOL OnInitDialog() override;
    void OnOK() override;

    afx_msg void OnOneDimensional();
    afx_msg void OnCompute();
    afx_msg void OnUpdateConstruction();
    afx_msg void OnAdd();
    afx_msg void OnConstructionClick(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnLayerClick(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnMaterialDblClick(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnConstructionBeginEdit(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnLayerBeginEdit(NMHDR* pNMHDR, LRESULT* pResult);
    DECLARE_MESSAGE_MAP()

private:
    void Collapse();
    void Expand();
    void ArrangeButtons();
    void ShowMethod(bool show);
    void AddConstruction();
    void GiveNewKey(int row);
    void AddLayer();
    // The row of the layers grid that a material goes into; -1 for none.
    int LayerTarget();
    int AppendLayerRow();
    // Copies material row into layer row; false when a column is missing in either grid.
    bool CopyMaterial(int material, int layer);
    void FocusCell(CFmtGridCtrl& grid, int row, const char* column);
    void SelectMaterialOf(int layer);
    bool ComputeConstructionU();
    void SaveUserConstruction();
    void DeleteLayer(int row);
    void DeleteConstruction(int row);
    bool AskDelete(const CString& name, const CString& number);
    void ShowBadChoice();
    // The running number a new row of the grid gets.
    static int NextNumber(const CFmtGridCtrl& grid);
    // The data row of the grid's selection when it lies in one row; -1 otherwise.
    static int SelectedRow(const CFmtGridCtrl& grid);
    static bool HasDataRows(const CFmtGridCtrl& grid) { return grid.GetRowCount() > grid.GetFixedRowCount(); }
};

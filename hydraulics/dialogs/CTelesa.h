#pragma once
// The rooms of the results sheet "SeznamM$" as a tree (building, rooms, their radiators and
// circuits): a room's loss split between floor heating, wall heating and the rest, the
// project's temperature gradient, rows deleted, the tree shown down to a level. OK writes the
// whole sheet back; Cancel leaves it.

#include "controls/grid/CBtnDataBase.h"
#include "controls/grid/fmt/CFmtGridCtrl.h"
#include "hydraulics/HeatingTypeSplit.h"
#include "platform/gdi/CImageList.h"
#include "platform/ui/CDialog.h"
#include "platform/ui/CommonControls.h"

class CTelesa : public CDialog
{
public:
    explicit CTelesa(CWnd* parent = nullptr);

    int m_nMode = 0;
    CString m_strText;

    CFmtGridCtrl m_Grid;
    HeatingTypeSplit m_split;

    // The grid column of a sheet column: the wall column sits after the floor-heating column.
    int GridColumn(int sheetColumn) const;
    int WallGridColumn() const { return m_nFloorColumn + 1; }

protected:
    BOOL OnInitDialog() override;
    BOOL PreTranslateMessage(MSG* pMsg) override;
    void OnOK() override;
    afx_msg void OnShowLevel(UINT id);
    afx_msg void OnTemperatureGradient();
    afx_msg void OnSplitLosses();
    DECLARE_MESSAGE_MAP()

private:
    void CreateGrid();
    void Load();
    void Fill();
    void ShowRow(int row);
    void CaptionGradient();
    // True when the key was dealt with (the grid does not see it).
    bool DeleteFocusRow();

    void ShowCheckBox(int gridRow, int column, bool checked);

    CBtnDataBase m_BtnDataBase;
    CImageList m_ImageList;
    CToolTipCtrl m_ToolTip;
    CString m_strProjectPath;
    int m_nFloorColumn = -1; // grid column of "Podlahové     Vytápění"
    int m_nLevel = 2;        // the tree shown down to this level
};

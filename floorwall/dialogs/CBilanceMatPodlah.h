#pragma once
// The bill of materials of a floor or wall heating design (dialog 296): catalogue items with
// quantities from the design's circuit grid, priced from the product catalogue of maker 9001;
// the user may change the quantities, and "&OK" stores the rows with a positive quantity in the
// project's bill sheet.
//
// The caller sets the design grid, the design kind (11 floor, 19 wall) and, for the floor, the
// pipe item, then runs it. Results: IDOK the bill was stored; IDCANCEL nothing stored (Cancel,
// or the equipment question cancelled); 13 a manifold index carries more than 12 circuits: the
// stop result names the index and the count, and the caller tells the user. The last two end
// the dialog before it is shown.

#include "controls/grid/fmt/CFmtGridCtrl.h"
#include "floorwall/BillOfMaterials.h"
#include "platform/ui/CDialog.h"

#include <vector>

class CBilanceMatPodlah : public CDialog
{
public:
    explicit CBilanceMatPodlah(CWnd* pParent = nullptr);

    // Set by the caller.
    CGridCtrl* m_pDesignGrid = nullptr; // not owned
    int m_nDesignKind = 0;              // DesignKind: 11 floor, 19 wall
    int m_nPipeItem = -1;

    int m_nFloorSystemItem = 0;
    int m_nMixingSets = 0;
    BillTotals m_totals;
    int m_nCircuits = 0;
    int m_nManifolds = 0;
    int m_nSegments = 0;
    // The manifold index and its circuit count that stopped the bill (result 13).
    int m_nStopManifold = 0;
    int m_nStopCount = 0;
    COLORREF m_crMarked = 0xF5EEDE;
    CFmtGridCtrl m_grid;

    // Grid columns.
    enum Column { ColNumber, ColCode, ColPolozka, ColHeading, ColTyp, ColNazev, ColMj, ColQuantity, ColPrice, ColValue };

    void SetupGrid();
    int BuildFloorBill();
    int BuildWallBill();
    void DetectFloorSystem();
    void AddCatalogueItem(int row, int item, double quantity);
    void MergeDuplicateItems();
    void RecalculateRow(int row);
    void UpdateTotals();
    void ShowEditHint();
    // 0 stored, 1 not (the user was told; the previous bill stays).
    int WriteBillSheet();
    // The circuit rows of the design grid, by the headings of its columns.
    std::vector<BillCircuitRow> ReadDesignRows() const;

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
    afx_msg void OnBeginEdit(NMHDR* pNotifyStruct, LRESULT* pResult);
    afx_msg void OnEndEdit(NMHDR* pNotifyStruct, LRESULT* pResult);
    DECLARE_MESSAGE_MAP()

private:
    // Rows of the list's items; 1 when the list stopped the bill (the dialog ends with 13).
    int AddItems(const BillList& list);
    void ShowLine(int row);
    CString Language() const;

    BillCatalogue m_catalogue;
    bool m_bCatalogueRead = false;
    std::vector<BillLine> m_lines; // one a data row
};

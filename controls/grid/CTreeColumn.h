#pragma once
// A tree shown in one column of a grid. Every row below the fixed rows is a node with a level
// (1 = top); children follow their parent directly with a deeper level. Collapsing a node hides
// its descendants by giving their rows height 0. The tree column keeps what all its tree cells
// share and offers setup, insertion and deletion of branches, expanding and collapsing.
// It must outlive its tree cells.

#include "platform/core/CObject.h"
#include "platform/core/WinTypes.h"
#include "platform/gdi/CFont.h"
#include "platform/gdi/GdiTypes.h"

#include <memory>

class CGridCtrl;
class CGridTreeCellBase;
class CWnd;

// The level byte of a tree cell: bits 0-6 the level, bit 7 set while the row is shown.
constexpr BYTE TREE_LEVEL_MASK = 0x7F;
constexpr BYTE TREE_VIEWABLE = 0x80;

class CTreeColumn
{
public:
    CTreeColumn();
    CTreeColumn(const CTreeColumn&) = delete;
    CTreeColumn& operator=(const CTreeColumn&) = delete;
    virtual ~CTreeColumn();

    virtual void SetFormat(DWORD nFormat) { m_nFormat = nFormat; }
    virtual DWORD GetFormat() const { return m_nFormat; }
    virtual void SetBackClr(COLORREF clr) { m_crBkClr = clr; }
    virtual COLORREF GetBackClr() const { return m_crBkClr; }
    virtual void SetTextClr(COLORREF clr) { m_crFgClr = clr; }
    virtual COLORREF GetTextClr() const { return m_crFgClr; }
    virtual void SetData(LPARAM lParam) { m_lParam = lParam; }
    virtual LPARAM GetData() const { return m_lParam; }
    virtual void SetFont(const LOGFONT* plf);
    // The tree's own font, or the grid's normal default cell's font without one.
    virtual const LOGFONT* GetFont() const;
    virtual void SetTreeReady(BOOL bReady) { m_bReady = bReady; }
    virtual BOOL IsTreeReady() const { return m_bReady; }
    virtual void SetEditWnd(CWnd* pWnd) { m_pEditWnd = pWnd; }
    virtual CWnd* GetEditWnd() const { return m_pEditWnd; }
    virtual void SetGrid(CGridCtrl* pGrid) { m_pGrid = pGrid; }
    virtual CGridCtrl* GetGrid() const { return m_pGrid; }
    virtual void SetTreeColumn(int nCol) { m_nColumn = nCol; }
    virtual int GetTreeColumn() const { return m_nColumn; }
    virtual void SetIndentPerLevel(int nPixels) { m_nIndentPerLevel = nPixels; }
    virtual int GetIndentPerLevel() const { return m_nIndentPerLevel; }
    virtual void SetFixedRowCount(int nCount) { m_iFixedRowCount = nCount; }
    virtual int GetFixedRowCount() const { return m_iFixedRowCount; }
    virtual void SetRowCount(int nCount) { m_iRowCount = nCount; }
    virtual int GetRowCount() const { return m_iRowCount; }
    virtual BOOL IsDefaultFont() const { return m_plfFont == nullptr; }

    // The font object of the tree's own font; null without one.
    CFont* GetOwnFontObject() const;

    // Makes rows fixed .. fixed + rows - 1 of the column tree cells of the class (CGridTreeCell
    // when none) with the given level bytes.
    BOOL TreeSetup(CGridCtrl* pGrid, int nColumn, int nRows, int nFixedRows, const BYTE* pLevels,
                   BOOL bShowTreeLines, BOOL bUseImages, const CRuntimeClass* pCellClass = nullptr);
    // Inserts count rows of the given levels before a row (appends for -1); the first row, or -1.
    int InsertTreeBranch(const BYTE* pLevels, int nCount, int nInsertRow, BOOL bRedraw);
    // Deletes a row with its descendants; the number of rows deleted.
    int DeleteTreeBranch(int nRow, BOOL bRedraw);

    int GetTreeLevel(int nRow) const;
    BOOL IsTreeRowViewable(int nRow) const;
    CGridTreeCellBase* GetTreeCell(int nRow) const;
    BOOL TreeCellHasPlusMinus(int nRow, BOOL* pbPlus, BOOL* pbMinus, BOOL* pbLast) const;
    void TreeExpandCollapseToggle(int nRow);
    void TreeExpandOneLevel(int nRow);
    void TreeCollapse(int nRow);
    // Shows the rows down to the level, hides the deeper ones.
    void TreeDisplayOutline(int nLevel);
    // Row heights after the viewable flags: 0 for hidden rows, at least the default for shown ones.
    void TreeRefreshRows();

    void SetTreeUsesImages(BOOL bUseImages);
    BOOL GetTreeUsesImages() const { return m_bUseImages; }
    void SetTreeLines(BOOL bShowTreeLines = TRUE) { m_bTreeLines = bShowTreeLines; }
    BOOL GetTreeLines() const { return m_bTreeLines; }
    void SetTreeLineColor(COLORREF clr) { m_crTreeLine = clr; }
    COLORREF GetTreeLineColor() const { return m_crTreeLine; }
    // What the owners add to a level to pick a row image.
    int GetLevelImageOffset() const { return 3; }

private:
    void SetViewable(int nRow, bool bViewable);

    DWORD m_nFormat = DT_END_ELLIPSIS | DT_SINGLELINE | DT_VCENTER;
    COLORREF m_crBkClr = CLR_DEFAULT;
    COLORREF m_crFgClr = CLR_DEFAULT;
    LPARAM m_lParam = 0;
    std::unique_ptr<LOGFONT> m_plfFont;
    mutable std::unique_ptr<CFont> m_pFont;
    BOOL m_bReady = FALSE;
    CWnd* m_pEditWnd = nullptr;
    CGridCtrl* m_pGrid = nullptr;
    const CRuntimeClass* m_pCellClass = nullptr;
    int m_nColumn = -1;
    int m_nIndentPerLevel = 10;
    BOOL m_bTreeLines = TRUE;
    BOOL m_bUseImages = FALSE;
    COLORREF m_crTreeLine;
    int m_iFixedRowCount = -1;
    int m_iRowCount = -1;
};

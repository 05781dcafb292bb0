#pragma once
// The owner-drawn grid window: rows and columns of cells, the first of which may be fixed
// (headings that do not scroll), four default cells that give every cell its default attributes,
// drawing, scrolling, selection, keys, mouse, in-place editing, clipboard, drag-and-drop and sorting.
// The owner hears of the grid through WM_NOTIFY (GridNotify, GridDispInfo) and through the
// WM_COMMAND posted after a left-button release.

#include "controls/grid/CCellID.h"
#include "controls/grid/CGridAttributeSets.h"
#include "controls/grid/CGridCellRecord.h"
#include "controls/grid/CCellRange.h"
#include "controls/grid/CGridCell.h"
#include "controls/grid/CGridDefaultCell.h"
#include "controls/grid/CGridDropTarget.h"
#include "controls/grid/CTitleTip.h"
#include "controls/grid/GridDefs.h"
#include "controls/grid/GridItem.h"
#include "controls/grid/GridPolicy.h"
#include "controls/grid/GridSizes.h"
#include "platform/gdi/CImageList.h"
#include "platform/ui/CWnd.h"
#include "platform/ui/ClipboardFormat.h"
#include "platform/ui/WinApi.h"

#include <cstdint>
#include <memory>
#include <unordered_map>
#include <vector>

class COleDataSource;
class COleDataObject;

// Compares the cells of two rows for sorting: negative, 0 or positive.
using PFNLVCOMPARE = int (*)(LPARAM cell1, LPARAM cell2, LPARAM data);

class CGridCtrl : public CWnd
{
    DECLARE_DYNCREATE(CGridCtrl)

public:
    CGridCtrl(int nRows = 0, int nCols = 0, int nFixedRows = 0, int nFixedCols = 0);
    ~CGridCtrl() override;

    BOOL Create(const RECT& rect, CWnd* pParentWnd, UINT nID,
                DWORD dwStyle = WS_CHILD | WS_BORDER | WS_TABSTOP | WS_VISIBLE);
    static BOOL RegisterGridWindowClass();

    // --- Counts and cells -------------------------------------------------------------------
    int GetRowCount() const { return m_nRows; }
    int GetColumnCount() const { return m_nCols; }
    int GetFixedRowCount() const { return m_nFixedRows; }
    int GetFixedColumnCount() const { return m_nFixedCols; }
    BOOL SetRowCount(int nRows = 10);
    BOOL SetColumnCount(int nCols = 10);
    BOOL SetFixedRowCount(int nFixedRows = 1);
    BOOL SetFixedColumnCount(int nFixedCols = 1);

    BOOL IsValid(int nRow, int nCol) const;
    BOOL IsValid(const CCellID& cell) const { return IsValid(cell.row, cell.col); }
    BOOL IsValid(const CCellRange& range) const;

    int InsertColumn(LPCTSTR strHeading, UINT nFormat = DT_CENTER | DT_VCENTER | DT_SINGLELINE,
                     int nColumn = -1);
    int InsertRow(LPCTSTR strHeading, int nRow = -1);
    BOOL DeleteColumn(int nColumn);
    BOOL DeleteRow(int nRow);
    BOOL DeleteNonFixedRows();
    BOOL DeleteAllItems();

    // The cell object; a compact cell (a plain text cell without a class of its own) becomes one
    // here and stays one, so that the pointer lasts as long as the cell.
    CGridCellBase* GetCell(int nRow, int nCol) const;
    BOOL SetCellType(int nRow, int nCol, const CRuntimeClass* pRuntimeClass);
    // The class of the cells that new rows and columns get (CGridCell unless set).
    BOOL SetDefaultCellType(const CRuntimeClass* pRuntimeClass);
    CGridDefaultCell* GetDefaultCell(BOOL bFixedRow, BOOL bFixedCol) const;

    BOOL SetItem(const GridItem* pItem);
    BOOL GetItem(GridItem* pItem);

    LRESULT SendMessageToParent(int nRow, int nCol, int nMessage) const;

    // --- Cell attributes (no setter redraws; callers refresh) -------------------------------
    BOOL SetItemText(int nRow, int nCol, LPCTSTR str);
    template <class... Args> BOOL SetItemTextFmt(int nRow, int nCol, LPCTSTR szFmt, const Args&... args)
    {
        CString text;
        text.Format(szFmt, args...);
        return SetItemText(nRow, nCol, text);
    }
    BOOL SetItemImage(int nRow, int nCol, int iImage);
    BOOL SetItemState(int nRow, int nCol, UINT state);
    BOOL SetItemFormat(int nRow, int nCol, UINT nFormat);
    BOOL SetItemBkColour(int nRow, int nCol, COLORREF cr = CLR_DEFAULT);
    BOOL SetItemFgColour(int nRow, int nCol, COLORREF cr = CLR_DEFAULT);
    BOOL SetItemData(int nRow, int nCol, LPARAM lParam);
    BOOL SetItemFont(int nRow, int nCol, const LOGFONT* plf);
    BOOL SetItemMargin(int nRow, int nCol, UINT nMargin);
    // The widest a word-broken text of the cell may be measured, margins included; -1: no limit.
    BOOL SetItemMaxTextWidth(int nRow, int nCol, int nWidth);
    CString GetItemText(int nRow, int nCol) const;
    // The cell's text without a copy: valid until the cell changes.
    LPCTSTR PeekItemText(int nRow, int nCol) const;
    // The value a cell's text was made from (a number as read before it was rounded for
    // display): it stands while the cell shows that text (again). Null when none.
    LPCTSTR PeekItemValueText(int nRow, int nCol) const;
    // Keeps szValue (null: none) for the text szForText (null: the present text).
    BOOL SetItemValueText(int nRow, int nCol, LPCTSTR szValue, LPCTSTR szForText = nullptr);
    // The value kept and the text it belongs to, whatever the cell shows now; false for none.
    BOOL GetItemKeptValue(int nRow, int nCol, CString& value, CString& forText) const;
    LPARAM GetItemData(int nRow, int nCol) const;
    UINT GetItemFormat(int nRow, int nCol) const;
    COLORREF GetItemBkColour(int nRow, int nCol) const;
    COLORREF GetItemFgColour(int nRow, int nCol) const;
    // The cell's own font, else its default cell's.
    const LOGFONT* GetItemFont(int nRow, int nCol) const;
    BOOL IsItemDefaultFont(int nRow, int nCol) const;
    int GetItemImage(int nRow, int nCol) const;
    UINT GetItemState(int nRow, int nCol) const;
    BOOL IsItemEditing(int nRow, int nCol);
    CSize GetTextExtent(int nRow, int nCol, LPCTSTR str);

    // --- Row heights and column widths ------------------------------------------------------
    int GetRowHeight(int nRow) const;
    int GetColumnWidth(int nCol) const;
    BOOL SetRowHeight(int row, int height);
    BOOL SetColumnWidth(int col, int width);
    int GetFixedRowHeight() const;
    int GetFixedColumnWidth() const;
    long GetVirtualWidth() const;
    long GetVirtualHeight() const;

    BOOL AutoSizeColumn(int nCol, UINT nAutoSizeStyle = 0, BOOL bResetScroll = TRUE);
    BOOL AutoSizeRow(int nRow, BOOL bResetScroll = TRUE);
    void AutoSizeColumns(UINT nAutoSizeStyle = 0);
    void AutoSize(UINT nAutoSizeStyle = 0);
    void ExpandColumnsToFit(BOOL bExpandFixed = TRUE);
    void ExpandRowsToFit(BOOL bExpandFixed = TRUE);
    void ExpandToFit(BOOL bExpandFixed = TRUE);
    void ExpandLastColumn();
    void SetAutoSizeStyle(UINT nStyle = GVS_BOTH) { m_nAutoSizeColumnStyle = nStyle; }
    UINT GetAutoSizeStyle() const { return m_nAutoSizeColumnStyle; }

    // --- Modified marks, sort column, visibility and tests ----------------------------------
    void SetModified(BOOL bModified = TRUE, int nRow = -1, int nCol = -1);
    BOOL GetModified(int nRow = -1, int nCol = -1) const;
    void SetSortColumn(int nCol);
    int GetSortColumn() const { return m_nSortColumn; }
    void SetSortAscending(BOOL bAscending) { m_bAscending = bAscending; }
    BOOL GetSortAscending() const { return m_bAscending; }
    void SetRowSelectMode(BOOL bEnable = TRUE);
    BOOL GetRowSelectMode() const { return m_bListMode; }
    void Refresh();
    virtual void EnsureVisible(int nRow, int nCol);
    void EnsureVisible(const CCellID& cell) { EnsureVisible(cell.row, cell.col); }
    BOOL IsCellEditable(int nRow, int nCol) const;
    BOOL IsCellEditable(const CCellID& cell) const { return IsCellEditable(cell.row, cell.col); }
    BOOL IsCellSelected(int nRow, int nCol) const;
    BOOL IsCellSelected(const CCellID& cell) const { return IsCellSelected(cell.row, cell.col); }
    BOOL IsCellVisible(int nRow, int nCol);
    BOOL IsCellVisible(const CCellID& cell) { return IsCellVisible(cell.row, cell.col); }
    BOOL InvalidateCellRect(int row, int col);
    BOOL InvalidateCellRect(const CCellID& cell) { return InvalidateCellRect(cell.row, cell.col); }

    // --- Settings --------------------------------------------------------------------------
    void SetGridLines(int nWhichLines = GVL_BOTH);
    int GetGridLines() const { return m_nGridLines; }
    void SetEditable(BOOL bEditable = TRUE) { m_bEditable = bEditable; }
    BOOL IsEditable() const { return m_bEditable; }
    void SetSingleRowSelection(BOOL bSing = TRUE) { m_bSingleRowSelection = bSing; }
    BOOL GetSingleRowSelection() const { return m_bSingleRowSelection; }
    void SetSingleColSelection(BOOL bSing = TRUE) { m_bSingleColSelection = bSing; }
    BOOL GetSingleColSelection() const { return m_bSingleColSelection; }
    void EnableSelection(BOOL bEnable = TRUE);
    BOOL IsSelectable() const { return m_bEnableSelection; }
    void SetDrawingAllowed(BOOL bAllow, BOOL bResetScrollbars = FALSE);
    BOOL IsDrawingAllowed() const { return m_bAllowDraw; }
    void SetDoubleBuffering(BOOL bBuffer = TRUE) { m_bDoubleBuffer = bBuffer; }
    BOOL GetDoubleBuffering() const { return m_bDoubleBuffer; }
    void EnableTitleTips(BOOL bEnable = TRUE) { m_bTitleTips = bEnable; }
    BOOL GetTitleTips() const { return m_bTitleTips; }
    void SetHandleTabKey(BOOL bHandleTab = TRUE) { m_bHandleTabKey = bHandleTab; }
    BOOL GetHandleTabKey() const { return m_bHandleTabKey; }
    void EnableDragAndDrop(BOOL bAllow = TRUE) { m_bAllowDragAndDrop = bAllow; }
    BOOL GetDragAndDrop() const { return m_bAllowDragAndDrop; }
    void SetTrackFocusCell(BOOL bTrack) { m_bTrackFocusCell = bTrack; }
    BOOL GetTrackFocusCell() const { return m_bTrackFocusCell; }
    void SetFrameFocusCell(BOOL bFrame) { m_bFrameFocus = bFrame; }
    BOOL GetFrameFocusCell() const { return m_bFrameFocus; }
    void SetFixedRowSelection(BOOL bSelect) { m_bFixedRowSelection = bSelect; }
    BOOL GetFixedRowSelection() const { return m_bFixedRowSelection; }
    void SetFixedColumnSelection(BOOL bSelect) { m_bFixedColumnSelection = bSelect; }
    BOOL GetFixedColumnSelection() const { return m_bFixedColumnSelection; }
    void SetHeaderSort(BOOL bSortOnClick = TRUE) { m_bSortOnClick = bSortOnClick; }
    BOOL GetHeaderSort() const { return m_bSortOnClick; }
    void EnableRowResize(BOOL bResize = TRUE) { m_bAllowRowResize = bResize; }
    void EnableColumnResize(BOOL bResize = TRUE) { m_bAllowColumnResize = bResize; }
    void EnableHiddenColUnhide(BOOL bEnable = TRUE) { m_bHiddenColUnhide = bEnable; }
    void EnableHiddenRowUnhide(BOOL bEnable = TRUE) { m_bHiddenRowUnhide = bEnable; }
    void EnableColumnHide(BOOL bEnable = TRUE) { m_bAllowColHide = bEnable; }
    void EnableRowHide(BOOL bEnable = TRUE) { m_bAllowRowHide = bEnable; }
    void SetImageList(CImageList* pList) { m_pImageList = pList; }
    CImageList* GetImageList() const { return m_pImageList; }
    void SetCompareFunction(PFNLVCOMPARE pfnCompare) { m_pfnCompare = pfnCompare; }

    void SetGridLineColor(COLORREF clr) { m_crGridLineColour = clr; }
    COLORREF GetGridLineColor() const { return m_crGridLineColour; }
    void SetGridBkColor(COLORREF clr) { m_crGridBkColour = clr; }
    COLORREF GetGridBkColor() const { return m_crGridBkColour; }
    void SetTitleTipBackClr(COLORREF clr = CLR_DEFAULT) { m_crTTipBackClr = clr; }
    COLORREF GetTitleTipBackClr() const { return m_crTTipBackClr; }
    void SetTitleTipTextClr(COLORREF clr = CLR_DEFAULT) { m_crTTipTextClr = clr; }
    COLORREF GetTitleTipTextClr() const { return m_crTTipTextClr; }

    // --- Drawing and geometry --------------------------------------------------------------
    BOOL RedrawCell(int nRow, int nCol, CDC* pDC = nullptr);
    BOOL RedrawCell(const CCellID& cell, CDC* pDC = nullptr) { return RedrawCell(cell.row, cell.col, pDC); }
    BOOL RedrawRow(int row);
    BOOL RedrawColumn(int col);
    CCellID GetFirstScrolledCell(BOOL bForceRecalc = FALSE);
    CCellRange GetVisibleCellRange(LPRECT pRect = nullptr, BOOL bForceRecalc = FALSE);
    BOOL GetCellTopLeft(int nRow, int nCol, LPPOINT p);
    BOOL GetCellRect(int nRow, int nCol, LPRECT pRect);
    BOOL GetCellRect(const CCellID& cell, LPRECT pRect) { return GetCellRect(cell.row, cell.col, pRect); }
    BOOL GetRangeRect(const CCellRange& cellRange, LPRECT lpRect);
    CCellID GetCellFromPt(CPoint point, BOOL bAllowFixedCellCheck = TRUE);
    BOOL IsOverRowBorder(CPoint point);
    BOOL IsOverColumnBorder(CPoint point);
    int GetScrollPosition(int nBar, BOOL bGetTrackPos = FALSE);
    BOOL SetScrollPosition(int nBar, int nPos, BOOL bRedraw = TRUE);
    void EnableGridScrollBars(int nBar, BOOL bEnable = TRUE);
    void UpdateScrollBars();
    void FillGridBackground(CDC* pDC);

    // --- Selection and focus ---------------------------------------------------------------
    // Virtual, like the few below, so that a variant of the grid (the data editor's) can change it.
    virtual CCellID SetFocusCell(CCellID cell);
    CCellID SetFocusCell(int nRow, int nCol) { return SetFocusCell(CCellID(nRow, nCol)); }
    CCellID GetFocusCell() const { return m_idCurrentCell; }
    void SetSelectedRange(const CCellRange& range, BOOL bForceRepaint = FALSE, BOOL bSelectCells = TRUE);
    void SetSelectedRange(int nMinRow, int nMinCol, int nMaxRow, int nMaxCol, BOOL bForceRepaint = FALSE,
                          BOOL bSelectCells = TRUE);
    CCellRange GetSelectedCellRange() const;
    int GetSelectedCount() const { return int(m_SelectedCellMap.size()); }
    void ResetSelectedRange();
    void SelectEverything();
    void SelectRows(CCellID currentCell, BOOL bForceRedraw = FALSE, BOOL bSelectCells = TRUE);
    void SelectColumnRange(CCellID currentCell, BOOL bForceRedraw = FALSE, BOOL bSelectCells = TRUE);
    void SelectCellRange(CCellID currentCell, BOOL bForceRedraw = FALSE, BOOL bSelectCells = TRUE);
    void ExtendSelectionTo(const CCellID& currentCell);
    int GetMouseMode() const { return m_MouseMode; }
    int GetWheelScrollLines() const { return m_nRowsPerWheelNotch; }

    // --- Text changes, clipboard and sorting -----------------------------------------------
    virtual BOOL ReplaceCellText(int nRow, int nCol, LPCTSTR szText);
    void ClearCellRange(int nMinRow, int nMinCol, int nMaxRow, int nMaxCol);
    BOOL SortByColumn(int nCol, BOOL bAscending = TRUE, LPARAM data = 0);
    BOOL SortByColumnWith(PFNLVCOMPARE pfnCompare, int nCol, BOOL bAscending = TRUE, LPARAM data = 0);
    // The data editor's clipboard rules alone (GridPolicy::editorClipboard).
    void SetEditorClipboard(BOOL bEditor) { m_policy.editorClipboard = bEditor != FALSE; }
    // Where the grid behaves as the data editor's grid; chosen before the grid is used.
    void SetPolicy(const GridPolicy& policy) { m_policy = policy; }
    const GridPolicy& GetPolicy() const { return m_policy; }
    // The key acted on after an in-place edit ended with Enter (VK_TAB or VK_DOWN).
    void SetKeyAfterEnter(UINT nKey) { m_nKeyAfterEnter = nKey; }
    UINT GetKeyAfterEnter() const { return m_nKeyAfterEnter; }
    // Puts whole rows (cells and heights) in a new order: row nFirstRow + i becomes what row
    // nFirstRow + order[i] was. The selection and the focus cell are the caller's to clear.
    BOOL ReorderRows(int nFirstRow, const std::vector<int>& order);
    static int CompareCellTexts(LPARAM lParam1, LPARAM lParam2, LPARAM lParamSort);
    // The selection as clipboard text: rows of tab-separated fields, rows separated by "\n".
    CString GetSelectionText() const;
    // Pastes rows of tab-separated fields at a cell; FALSE when nothing could be pasted.
    BOOL PasteText(CCellID cell, const CString& text);

    // --- The grid's own virtual operations -------------------------------------------------
    virtual void ClearSelectedCells();
    virtual COleDataSource* CopyTextFromGrid();
    virtual BOOL PasteTextToGrid(CCellID cell, COleDataObject* pDataObject);
    virtual void OnBeginDrag();
    virtual DROPEFFECT OnDragEnter(COleDataObject* pDataObject, DWORD dwKeyState, CPoint point);
    virtual DROPEFFECT OnDragOver(COleDataObject* pDataObject, DWORD dwKeyState, CPoint point);
    virtual void OnDragLeave();
    virtual BOOL OnDrop(COleDataObject* pDataObject, DROPEFFECT dropEffect, CPoint point);
    virtual void OnEditCut();
    virtual void OnEditCopy();
    virtual void OnEditPaste();
    virtual void OnEditSelectAll();
    virtual CImageList* CreateDragImage(CPoint* pHotSpot);
    virtual void OnFixedCellClick(CCellID& cell);
    virtual void SortOnHeaderClick(CCellID& cell);
    virtual void OnEditCell(int nRow, int nCol, CPoint point, UINT nChar);
    virtual void OnEndEditCell(int nRow, int nCol, CString str);
    virtual BOOL ValidateEdit(int nRow, int nCol, LPCTSTR str);
    // The text typed into a cell's in-place edit, before the cell takes it: may put it into
    // shape; FALSE refuses it and the edit stays open with the text as typed.
    virtual BOOL AcceptEditedText(int /*nRow*/, int /*nCol*/, CString& /*text*/) { return TRUE; }
    virtual void EndEditing();
    virtual void OnDraw(CDC* pDC);
    virtual CGridCellBase* CreateCell(int nRow, int nCol);
    virtual void DestroyCell(int nRow, int nCol);

    // Runs the drag of a source and gives the effect its drop chose (the platform's drag).
    virtual DROPEFFECT RunDragDrop(COleDataSource* pSource);

    // --- Window messages (also called directly by owners and tests) ------------------------
    virtual void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    void OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    void OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);

protected:
    void PreSubclassWindow() override;

    void OnPaint();
    BOOL OnEraseBkgnd(CDC* pDC);
    void OnSize(UINT nType, int cx, int cy);
    void OnSysColorChange();
    LRESULT OnSetFont(WPARAM hFont, LPARAM lParam);
    LRESULT OnGetFont(WPARAM hFont, LPARAM lParam);
    UINT OnGetDlgCode();
    LRESULT OnImeChar(WPARAM wParam, LPARAM lParam);
    void OnSysKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    void OnTimer(UINT_PTR nIDEvent);
    void OnCaptureChanged(CWnd* pWnd);
    BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    void OnLButtonDown(UINT nFlags, CPoint point);
    void OnMouseMove(UINT nFlags, CPoint point);
    void OnMouseLeave();
    void OnKillFocus(CWnd* pNewWnd);
    void OnLButtonUp(UINT nFlags, CPoint point);
    void OnLButtonDblClk(UINT nFlags, CPoint point);
    void OnRButtonUp(UINT nFlags, CPoint point);
    BOOL OnMouseWheel(UINT nFlags, short zDelta, CPoint pt);
    virtual void OnEndInPlaceEdit(NMHDR* pNMHDR, LRESULT* pResult);
    void OnUpdateEditCopy(CCmdUI* pCmdUI);
    void OnUpdateEditCut(CCmdUI* pCmdUI);
    void OnUpdateEditPaste(CCmdUI* pCmdUI);
    void OnUpdateEditSelectAll(CCmdUI* pCmdUI);

    // Helpers shared by the parts of the grid.
    // Deselects every cell; the focus cell stays.
    void ClearSelection();
    void ResetScrollBars() { UpdateScrollBars(); }
    CPoint GetPointClicked(int nRow, int nCol, const CPoint& point);
    BOOL IsPointInText(const CCellID& cell, CPoint point);
    void InvalidateOrRedraw(int nRow, int nCol, CDC* pDC);
    void DrawCellLines(CDC* pDC, const CRect& rect);
    void SwapRows(int nRow1, int nRow2);
    // Tells the cells from a row and column on where they now lie, after rows or columns moved.
    void RenumberCells(int nFromRow, int nFromCol);
    BOOL PasteEditorText(CCellID cell, const CString& text);
    // A selection change told by the mouse or select-all (not under focusNotifications).
    void NotifySelectionChange(int nRow, int nCol, int nCode);
    // Empties a cell and tells the owner before and after, whatever it answers.
    void ClearCellInforming(int nRow, int nCol);
    BOOL QuickSortRows(PFNLVCOMPARE pfnCompare, int nCol, BOOL bAscending, LPARAM data, int low, int high);
    static int ReadWheelScrollLines();
    static std::uint64_t CellKey(int nRow, int nCol)
    {
        return (std::uint64_t(std::uint32_t(nCol)) << 32) | std::uint32_t(nRow);
    }
    friend class GridColumnMeasure;
    // The stored cell; null out of range.
    CGridCellRecord* CellRecord(int nRow, int nCol) const;
    // The cell's object when it has one (never makes one); null for a compact cell.
    CGridCellBase* GetExistingCell(int nRow, int nCol) const;
    // A cell to draw, measure or ask for a moment: its object, or the scratch cell made like it.
    CGridCellBase* CellToUse(int nRow, int nCol, CGridCell& scratch) const;
    void FillFromRecord(CGridCell& cell, const CGridCellRecord& record, int nRow, int nCol) const;
    CGridCellBase* MakeCellObject(int nRow, int nCol) const;
    // A new cell: a record, or an object of the default cell class when that is not the plain one.
    CGridCellRecord NewCell(int nRow, int nCol, std::uint32_t nAttributes);
    // The attribute set of new compact cells (the default cell's format).
    std::uint32_t NewCellAttributes();
    // Changes one attribute: through the object, or by moving the record to another attribute set.
    template <class ObjectChange, class AttributeChange>
    BOOL ChangeCell(int nRow, int nCol, ObjectChange onObject, AttributeChange onAttributes);
    // Reads one attribute: from the object, or from the record's attribute set.
    template <class T>
    T ReadAttribute(int nRow, int nCol, T fallback, T (CGridCellBase::*getter)() const,
                    T CGridAttributeSets::Attributes::*member) const;
    // Sets a cell's text, nothing else.
    void StoreText(int nRow, int nCol, LPCTSTR szText);
    // Puts a cell whole (record or object, the object itself) in another cell's place; the cell it
    // leaves is empty. Its selection goes with it.
    void MoveCell(int nFromRow, int nFromCol, int nToRow, int nToCol);
    void ScrollTo(int nBar, UINT nSBCode);
    static int FirstScrolledIndex(const GridSizes& sizes, int nFixed, int nScrollPos);
    static int LastVisibleIndex(const GridSizes& sizes, int nFixedSize, int nFirst, int nClientEnd, int& nEnd);
    void StartColumnSizing(CPoint point);
    void StartRowSizing(CPoint point);
    CPoint ConfinedSizingPoint(CPoint point) const;
    void FinishSizing(CPoint point);
    // Over a row or column border the mouse mode says so; elsewhere it is none.
    void UpdateBorderHover(CPoint point);
    void DrawSizingLine(CDC* pDC);

    DECLARE_MESSAGE_MAP()

protected:
    // Counts, sizes and cells.
    int m_nRows = 0;
    int m_nFixedRows = 0;
    int m_nCols = 0;
    int m_nFixedCols = 0;
    GridSizes m_arRowHeights;
    GridSizes m_arColWidths;
    // Mutable: GetCell turns a compact cell into an object.
    mutable std::vector<std::vector<CGridCellRecord>> m_RowData;
    CGridAttributeSets m_attributeSets;
    const CRuntimeClass* m_pRtcDefault = nullptr;
    CGridDefaultCell m_cellDefault, m_cellFixedColDef, m_cellFixedRowDef, m_cellFixedRowColDef;

    // Colours.
    COLORREF m_crWindowText = 0, m_crWindowColour = 0, m_cr3DFace = 0, m_crShadow = 0;
    COLORREF m_crGridLineColour = RGB(192, 192, 192);
    COLORREF m_crGridBkColour = 0;
    COLORREF m_crTTipBackClr = CLR_DEFAULT, m_crTTipTextClr = CLR_DEFAULT;

    // Settings.
    int m_nGridLines = GVL_BOTH;
    BOOL m_bEditable = TRUE;
    BOOL m_bListMode = FALSE;
    BOOL m_bSingleRowSelection = FALSE;
    BOOL m_bSingleColSelection = FALSE;
    BOOL m_bAllowDraw = TRUE;
    BOOL m_bEnableSelection = TRUE;
    BOOL m_bDoubleBuffer = TRUE;
    BOOL m_bTitleTips = TRUE;
    BOOL m_bHandleTabKey = TRUE;
    BOOL m_bAllowDragAndDrop = FALSE;
    BOOL m_bTrackFocusCell = TRUE;
    BOOL m_bFrameFocus = TRUE;
    BOOL m_bFixedRowSelection = TRUE;
    BOOL m_bFixedColumnSelection = TRUE;
    BOOL m_bSortOnClick = FALSE;
    GridPolicy m_policy;
    UINT m_nKeyAfterEnter = VK_TAB;
    BOOL m_bAscending = TRUE;
    int m_nSortColumn = -1;
    PFNLVCOMPARE m_pfnCompare = nullptr;
    UINT m_nAutoSizeColumnStyle = GVS_BOTH;
    int m_nResizeCaptureRange = 3;
    BOOL m_bAllowRowResize = TRUE, m_bAllowColumnResize = TRUE;
    BOOL m_bHiddenColUnhide = TRUE, m_bHiddenRowUnhide = TRUE;
    BOOL m_bAllowColHide = TRUE, m_bAllowRowHide = TRUE;
    BOOL m_bModified = FALSE;
    CImageList* m_pImageList = nullptr;

    // Focus, selection and mouse state.
    CCellID m_idCurrentCell, m_SelectionStartCell, m_LeftClickDownCell, m_idDropCell, m_idTopLeftCell;
    std::unordered_map<std::uint64_t, CCellID> m_SelectedCellMap, m_PrevSelectedCellMap;
    int m_MouseMode = 0;
    BOOL m_bLMouseButtonDown = FALSE;
    CPoint m_LeftClickDownPoint, m_LastMousePoint;
    int m_nRowsPerWheelNotch = 3;
    int m_nWheelRemainder = 0;
    UINT_PTR m_nTimerID = 0;
    int m_nTimerInterval = GRID_AUTOSCROLL_INTERVAL;
    // While a row or column is sized: the drag line's position and where the pointer may go.
    int m_nDragLine = -1;
    CRect m_rcSizingLimit;

    // Scrolling.
    int m_nVScrollMax = 0, m_nHScrollMax = 0;
    int m_nBarState = 0;

    // Re-entry guards of this grid.
    bool m_bInPreSubclass = false;
    bool m_bInOnSize = false;

    CTitleTip m_TitleTip;
    CGridDropTarget m_DropTarget;
};

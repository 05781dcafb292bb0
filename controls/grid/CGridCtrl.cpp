// The grid window: construction, rows and columns, cell storage, items and notifications.
#include "controls/grid/CGridCtrl.h"

#include "controls/grid/GridNotify.h"
#include "platform/ui/ControlClasses.h"

#include <algorithm>
#include <new>

namespace
{
// The edit commands of menus and toolbars that the grid handles.
constexpr UINT kIdEditCopy = 0xE122;
constexpr UINT kIdEditCut = 0xE123;
constexpr UINT kIdEditPaste = 0xE125;
constexpr UINT kIdEditSelectAll = 0xE12A;
} // namespace

IMPLEMENT_DYNCREATE(CGridCtrl, CWnd)

BEGIN_MESSAGE_MAP(CGridCtrl, CWnd)
ON_WM_PAINT()
ON_WM_ERASEBKGND()
ON_WM_SIZE()
ON_WM_HSCROLL()
ON_WM_VSCROLL()
ON_WM_LBUTTONDOWN()
ON_WM_LBUTTONUP()
ON_WM_LBUTTONDBLCLK()
ON_WM_MOUSEMOVE()
ON_WM_MOUSELEAVE()
ON_WM_KILLFOCUS()
ON_WM_RBUTTONUP()
ON_WM_MOUSEWHEEL()
ON_WM_TIMER()
ON_WM_GETDLGCODE()
ON_WM_KEYDOWN()
ON_WM_CHAR()
ON_WM_IME_CHAR()
ON_WM_SYSKEYDOWN()
ON_WM_SETCURSOR()
ON_WM_SYSCOLORCHANGE()
ON_WM_CAPTURECHANGED()
ON_MESSAGE(WM_SETFONT, OnSetFont)
ON_MESSAGE(WM_GETFONT, OnGetFont)
ON_NOTIFY(GVN_ENDLABELEDIT, IDC_INPLACE_CONTROL, OnEndInPlaceEdit)
ON_COMMAND(kIdEditCopy, OnEditCopy)
ON_COMMAND(kIdEditCut, OnEditCut)
ON_COMMAND(kIdEditPaste, OnEditPaste)
ON_COMMAND(kIdEditSelectAll, OnEditSelectAll)
ON_UPDATE_COMMAND_UI(kIdEditCopy, OnUpdateEditCopy)
ON_UPDATE_COMMAND_UI(kIdEditCut, OnUpdateEditCut)
ON_UPDATE_COMMAND_UI(kIdEditPaste, OnUpdateEditPaste)
ON_UPDATE_COMMAND_UI(kIdEditSelectAll, OnUpdateEditSelectAll)
END_MESSAGE_MAP()

CGridCtrl::CGridCtrl(int nRows, int nCols, int nFixedRows, int nFixedCols)
{
    RegisterGridWindowClass();
    m_pRtcDefault = RUNTIME_CLASS(CGridCell);
    m_nRowsPerWheelNotch = ReadWheelScrollLines();

    m_crWindowText = ::GetSysColor(COLOR_WINDOWTEXT);
    m_crWindowColour = ::GetSysColor(COLOR_WINDOW);
    m_cr3DFace = ::GetSysColor(COLOR_3DFACE);
    m_crShadow = ::GetSysColor(COLOR_3DSHADOW);

    for (CGridDefaultCell* pCell :
         {&m_cellDefault, &m_cellFixedColDef, &m_cellFixedRowDef, &m_cellFixedRowColDef})
    {
        pCell->SetGrid(this);
        pCell->SetTextClr(m_crWindowText);
        pCell->SetBackClr(m_cr3DFace);
    }
    m_cellDefault.SetBackClr(m_crWindowColour);
    m_crGridBkColour = m_crShadow;

    SetRowCount(nRows);
    SetColumnCount(nCols);
    SetFixedRowCount(nFixedRows);
    SetFixedColumnCount(nFixedCols);

    SetTitleTipTextClr(CLR_DEFAULT);
    SetTitleTipBackClr(CLR_DEFAULT);
}

CGridCtrl::~CGridCtrl()
{
    DeleteAllItems();
    if (m_bTitleTips && ::IsWindow(m_TitleTip.GetSafeHwnd()))
        m_TitleTip.DestroyWindow();
    DestroyWindow();
}

BOOL CGridCtrl::RegisterGridWindowClass()
{
    WNDCLASS wndcls;
    if (::GetClassInfo(nullptr, GRIDCTRL_CLASSNAME, &wndcls))
        return TRUE;
    wndcls.style = CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW;
    wndcls.hCursor = ::LoadCursor(nullptr, IDC_ARROW);
    wndcls.lpszClassName = GRIDCTRL_CLASSNAME;
    return ::RegisterClass(&wndcls);
}

BOOL CGridCtrl::Create(const RECT& rect, CWnd* pParentWnd, UINT nID, DWORD dwStyle)
{
    if (!CWnd::Create(GRIDCTRL_CLASSNAME, nullptr, dwStyle, rect, pParentWnd, nID))
        return FALSE;
    try
    {
        m_arRowHeights.Assign(m_nRows, UINT(m_cellDefault.GetHeight()));
        m_arColWidths.Assign(m_nCols, UINT(m_cellDefault.GetWidth()));
    }
    catch (const std::bad_alloc&)
    {
        return FALSE;
    }
    PreSubclassWindow();
    UpdateScrollBars();
    return TRUE;
}

void CGridCtrl::PreSubclassWindow()
{
    if (m_bInPreSubclass)
        return;
    m_bInPreSubclass = true;
    CWnd::PreSubclassWindow();
    m_TitleTip.SetParentWnd(this);
    if (GetSafeHwnd())
    {
        ModifyStyleEx(0, WS_EX_CLIENTEDGE);
        // A grid attached to a dialog's control knows its size now.
        UpdateScrollBars();
    }
    m_bInPreSubclass = false;
}

// --- Counts -------------------------------------------------------------------------------

BOOL CGridCtrl::IsValid(int nRow, int nCol) const
{
    return nRow >= 0 && nRow < m_nRows && nCol >= 0 && nCol < m_nCols;
}

BOOL CGridCtrl::IsValid(const CCellRange& range) const
{
    return range.IsValid() && range.GetMaxRow() < m_nRows && range.GetMaxCol() < m_nCols;
}

BOOL CGridCtrl::SetRowCount(int nRows)
{
    if (nRows == m_nRows)
        return TRUE;
    if (nRows < 0)
        return FALSE;
    if (nRows < m_nFixedRows)
        m_nFixedRows = nRows;
    if (m_idCurrentCell.row >= nRows)
        m_idCurrentCell = CCellID();

    try
    {
        for (int row = nRows; row < m_nRows; row++)
            for (int col = 0; col < m_nCols; col++)
                DestroyCell(row, col);
        const int nOldRows = std::min(m_nRows, nRows);
        m_RowData.resize(std::size_t(nOldRows));
        m_arRowHeights.Resize(nRows, UINT(m_cellDefault.GetHeight()));
        m_RowData.reserve(std::size_t(nRows));
        const std::uint32_t nAttributes = NewCellAttributes();
        for (int row = nOldRows; row < nRows; row++)
        {
            std::vector<CGridCellRecord> cells;
            cells.reserve(std::size_t(m_nCols));
            for (int col = 0; col < m_nCols; col++)
                cells.push_back(NewCell(row, col, nAttributes));
            m_RowData.push_back(std::move(cells));
        }
        m_nRows = nRows;
    }
    catch (const std::bad_alloc&)
    {
        m_nRows = int(m_RowData.size());
        m_arRowHeights.Resize(m_nRows, 0);
        return FALSE;
    }

    SetModified();
    UpdateScrollBars();
    Refresh();
    return TRUE;
}

BOOL CGridCtrl::SetColumnCount(int nCols)
{
    if (nCols == m_nCols)
        return TRUE;
    if (nCols < 0)
        return FALSE;
    m_idTopLeftCell = CCellID();
    if (nCols < m_nFixedCols)
        m_nFixedCols = nCols;
    if (m_idCurrentCell.col >= nCols)
        m_idCurrentCell = CCellID();

    try
    {
        for (int row = 0; row < m_nRows; row++)
            for (int col = nCols; col < m_nCols; col++)
                DestroyCell(row, col);
        m_arColWidths.Resize(nCols, UINT(m_cellFixedColDef.GetWidth()));
        const int nOldCols = m_nCols;
        const std::uint32_t nAttributes = NewCellAttributes();
        for (int row = 0; row < m_nRows; row++)
        {
            auto& cells = m_RowData[std::size_t(row)];
            cells.resize(std::size_t(nCols));
            for (int col = nOldCols; col < nCols; col++)
                cells[std::size_t(col)] = NewCell(row, col, nAttributes);
        }
        m_nCols = nCols;
    }
    catch (const std::bad_alloc&)
    {
        return FALSE;
    }

    SetModified();
    UpdateScrollBars();
    Refresh();
    return TRUE;
}

BOOL CGridCtrl::SetFixedRowCount(int nFixedRows)
{
    if (nFixedRows == m_nFixedRows)
        return TRUE;
    if (nFixedRows < 0)
        return FALSE;
    ResetSelectedRange();
    m_idTopLeftCell = CCellID();
    if (nFixedRows > m_nRows && !SetRowCount(nFixedRows))
        return FALSE;
    if (m_idCurrentCell.row < nFixedRows)
        SetFocusCell(-1, -1);

    if (nFixedRows < m_nFixedRows)
    {
        for (int row = nFixedRows; row < m_nFixedRows; row++)
            for (int col = 0; col < m_nCols; col++)
            {
                if (col < m_nFixedCols)
                {
                    SetItemState(row, col, GetItemState(row, col) & ~GVIS_FIXEDROW);
                    continue;
                }
                SetItemState(row, col, GetItemState(row, col) & ~(GVIS_FIXED | GVIS_FIXEDROW));
                SetItemBkColour(row, col, CLR_DEFAULT);
                SetItemFgColour(row, col, CLR_DEFAULT);
            }
    }
    else
    {
        for (int row = m_nFixedRows; row < nFixedRows; row++)
            for (int col = 0; col < m_nCols; col++)
            {
                SetItemState(row, col, GetItemState(row, col) | GVIS_FIXED | GVIS_FIXEDROW);
                SetItemBkColour(row, col, CLR_DEFAULT);
                SetItemFgColour(row, col, CLR_DEFAULT);
            }
    }
    m_nFixedRows = nFixedRows;
    Refresh();
    return TRUE;
}

BOOL CGridCtrl::SetFixedColumnCount(int nFixedCols)
{
    if (nFixedCols == m_nFixedCols)
        return TRUE;
    if (nFixedCols < 0)
        return FALSE;
    if (nFixedCols > m_nCols && !SetColumnCount(nFixedCols))
        return FALSE;
    if (m_idCurrentCell.col < nFixedCols)
        SetFocusCell(-1, -1);
    ResetSelectedRange();
    m_idTopLeftCell = CCellID();

    if (nFixedCols < m_nFixedCols)
    {
        for (int col = nFixedCols; col < m_nFixedCols; col++)
            for (int row = 0; row < m_nRows; row++)
            {
                if (row < m_nFixedRows)
                {
                    SetItemState(row, col, GetItemState(row, col) & ~GVIS_FIXEDCOL);
                    continue;
                }
                SetItemState(row, col, GetItemState(row, col) & ~(GVIS_FIXED | GVIS_FIXEDCOL));
                SetItemBkColour(row, col, CLR_DEFAULT);
                SetItemFgColour(row, col, CLR_DEFAULT);
            }
    }
    else
    {
        for (int col = m_nFixedCols; col < nFixedCols; col++)
            for (int row = 0; row < m_nRows; row++)
            {
                SetItemState(row, col, GetItemState(row, col) | GVIS_FIXED | GVIS_FIXEDCOL);
                SetItemBkColour(row, col, CLR_DEFAULT);
                SetItemFgColour(row, col, CLR_DEFAULT);
            }
    }
    m_nFixedCols = nFixedCols;
    Refresh();
    return TRUE;
}

// --- Inserting and deleting ------------------------------------------------------------------

void CGridCtrl::ClearSelection()
{
    m_PrevSelectedCellMap.clear();
    SetSelectedRange(-1, -1, -1, -1);
}

int CGridCtrl::InsertColumn(LPCTSTR strHeading, UINT nFormat, int nColumn)
{
    if (nColumn >= 0 && (nColumn < m_nFixedCols || nColumn > m_nCols))
        return -1;
    m_idTopLeftCell = CCellID();
    ClearSelection();
    if (m_nRows < 1 && !SetRowCount(1))
        return -1;

    const int nIndex = (nColumn < 0 || nColumn == m_nCols) ? m_nCols : nColumn;
    try
    {
        m_arColWidths.Insert(nIndex, 0);
        const std::uint32_t nAttributes = NewCellAttributes();
        for (int row = 0; row < m_nRows; row++)
        {
            auto& cells = m_RowData[std::size_t(row)];
            cells.insert(cells.begin() + nIndex, NewCell(row, nIndex, nAttributes));
        }
    }
    catch (const std::bad_alloc&)
    {
        return -1;
    }
    m_nCols++;
    RenumberCells(0, nIndex + 1);

    SetItemText(0, nIndex, strHeading);
    for (int row = 0; row < m_nRows; row++)
        SetItemFormat(row, nIndex, nFormat);
    m_arColWidths.Set(nIndex, UINT(std::max(0L, long(GetTextExtent(0, nIndex, strHeading).cx))));

    if (m_idCurrentCell.col >= nIndex)
        m_idCurrentCell.col++;

    UpdateScrollBars();
    SetModified();
    return nIndex;
}

int CGridCtrl::InsertRow(LPCTSTR strHeading, int nRow)
{
    if (nRow >= 0 && (nRow < m_nFixedRows || nRow >= m_nRows))
        return -1;
    m_idTopLeftCell = CCellID();
    ClearSelection();
    if (m_nCols < 1 && !SetColumnCount(1))
        return -1;

    const int nIndex = nRow < 0 ? m_nRows : nRow;
    try
    {
        m_arRowHeights.Insert(nIndex, 0);
        const std::uint32_t nAttributes = NewCellAttributes();
        std::vector<CGridCellRecord> cells;
        cells.reserve(std::size_t(m_nCols));
        for (int col = 0; col < m_nCols; col++)
            cells.push_back(NewCell(nIndex, col, nAttributes));
        m_RowData.insert(m_RowData.begin() + nIndex, std::move(cells));
    }
    catch (const std::bad_alloc&)
    {
        return -1;
    }
    m_nRows++;
    RenumberCells(nIndex + 1, 0);

    SetItemText(nIndex, 0, strHeading);
    const bool bEmpty = !strHeading || !*strHeading;
    m_arRowHeights.Set(nIndex, UINT(bEmpty ? m_cellFixedRowDef.GetHeight()
                                           : std::max(0L, long(GetTextExtent(nIndex, 0, strHeading).cy))));

    if (m_idCurrentCell.row >= nIndex)
        m_idCurrentCell.row++;

    UpdateScrollBars();
    SetModified();
    return nIndex;
}

BOOL CGridCtrl::DeleteColumn(int nColumn)
{
    if (nColumn < 0 || nColumn >= m_nCols)
        return FALSE;
    ClearSelection();
    for (int row = 0; row < m_nRows; row++)
    {
        DestroyCell(row, nColumn);
        auto& cells = m_RowData[std::size_t(row)];
        cells.erase(cells.begin() + nColumn);
    }
    m_arColWidths.Erase(nColumn);
    m_nCols--;
    if (nColumn < m_nFixedCols)
        m_nFixedCols--;
    RenumberCells(0, nColumn);

    if (m_idCurrentCell.col == nColumn)
        m_idCurrentCell = CCellID();
    else if (m_idCurrentCell.col > nColumn)
        m_idCurrentCell.col--;

    m_idTopLeftCell = CCellID();
    UpdateScrollBars();
    SetModified();
    return TRUE;
}

BOOL CGridCtrl::DeleteRow(int nRow)
{
    if (nRow < 0 || nRow >= m_nRows)
        return FALSE;
    ClearSelection();
    for (int col = 0; col < m_nCols; col++)
        DestroyCell(nRow, col);
    m_RowData.erase(m_RowData.begin() + nRow);
    m_arRowHeights.Erase(nRow);
    m_nRows--;
    if (nRow < m_nFixedRows)
        m_nFixedRows--;
    RenumberCells(nRow, 0);

    if (m_idCurrentCell.row == nRow)
        m_idCurrentCell = CCellID();
    else if (m_idCurrentCell.row > nRow)
        m_idCurrentCell.row--;

    m_idTopLeftCell = CCellID();
    UpdateScrollBars();
    SetModified();
    return TRUE;
}

BOOL CGridCtrl::DeleteNonFixedRows()
{
    ClearSelection();
    const bool bDrawing = m_bAllowDraw;
    m_bAllowDraw = FALSE;
    for (int row = m_nRows - 1; row >= m_nFixedRows; row--)
        DeleteRow(row);
    m_bAllowDraw = bDrawing;
    UpdateScrollBars();
    Refresh();
    return TRUE;
}

BOOL CGridCtrl::DeleteAllItems()
{
    ClearSelection();
    m_arColWidths.Clear();
    m_arRowHeights.Clear();
    for (int row = 0; row < m_nRows; row++)
        for (int col = 0; col < m_nCols; col++)
            DestroyCell(row, col);
    m_RowData.clear();
    m_idCurrentCell = CCellID();
    m_idTopLeftCell = CCellID();
    m_nRows = m_nFixedRows = m_nCols = m_nFixedCols = 0;
    UpdateScrollBars();
    SetModified();
    return TRUE;
}

void CGridCtrl::RenumberCells(int nFromRow, int nFromCol)
{
    for (int row = nFromRow; row < m_nRows; row++)
    {
        auto& cells = m_RowData[std::size_t(row)];
        for (int col = nFromCol; col < int(cells.size()); col++)
            if (CGridCellBase* pCell = cells[std::size_t(col)].GetObject())
                pCell->SetCoords(row, col);
    }
}

// --- Cells --------------------------------------------------------------------------------------

CGridCellRecord* CGridCtrl::CellRecord(int nRow, int nCol) const
{
    if (!IsValid(nRow, nCol) || std::size_t(nRow) >= m_RowData.size())
        return nullptr;
    auto& cells = m_RowData[std::size_t(nRow)];
    return std::size_t(nCol) < cells.size() ? &cells[std::size_t(nCol)] : nullptr;
}

CGridCellBase* CGridCtrl::GetCell(int nRow, int nCol) const
{
    CGridCellRecord* pRecord = CellRecord(nRow, nCol);
    if (!pRecord)
        return nullptr;
    if (CGridCellBase* pCell = pRecord->GetObject())
        return pCell;
    return MakeCellObject(nRow, nCol);
}

CGridCellBase* CGridCtrl::GetExistingCell(int nRow, int nCol) const
{
    const CGridCellRecord* pRecord = CellRecord(nRow, nCol);
    return pRecord ? pRecord->GetObject() : nullptr;
}

void CGridCtrl::FillFromRecord(CGridCell& cell, const CGridCellRecord& record, int nRow, int nCol) const
{
    const CGridAttributeSets::Attributes& attributes = m_attributeSets.Get(record.GetAttributes());
    cell.SetGrid(const_cast<CGridCtrl*>(this));
    cell.SetCoords(nRow, nCol);
    cell.SetState(record.GetState());
    cell.SetText(record.GetText());
    cell.SetFormat(attributes.nFormat);
    cell.SetTextClr(attributes.crFgClr);
    cell.SetBackClr(attributes.crBkClr);
    cell.SetFont(attributes.bFont ? &attributes.lfFont : nullptr);
    cell.SetMargin(attributes.nMargin);
    cell.SetImage(attributes.nImage);
    cell.SetData(attributes.lParam);
    cell.SetMaxTextWidth(attributes.nMaxTextWidth);
}

CGridCellBase* CGridCtrl::CellToUse(int nRow, int nCol, CGridCell& scratch) const
{
    const CGridCellRecord* pRecord = CellRecord(nRow, nCol);
    if (!pRecord)
        return nullptr;
    if (CGridCellBase* pCell = pRecord->GetObject())
        return pCell;
    FillFromRecord(scratch, *pRecord, nRow, nCol);
    return &scratch;
}

CGridCellBase* CGridCtrl::MakeCellObject(int nRow, int nCol) const
{
    CGridCellRecord* pRecord = CellRecord(nRow, nCol);
    auto* pCell = new CGridCell;
    FillFromRecord(*pCell, *pRecord, nRow, nCol);
    pCell->KeepValue(pRecord->GetKeptValue(), pRecord->GetKeptValueText());
    pRecord->SetObject(pCell);
    return pCell;
}

BOOL CGridCtrl::SetCellType(int nRow, int nCol, const CRuntimeClass* pRuntimeClass)
{
    if (!IsValid(nRow, nCol) || !pRuntimeClass || !pRuntimeClass->IsDerivedFrom(RUNTIME_CLASS(CGridCellBase)))
        return FALSE;
    auto* pNewCell = static_cast<CGridCellBase*>(pRuntimeClass->CreateObject());
    if (!pNewCell)
        return FALSE;
    CGridCell scratch;
    if (const CGridCellBase* pOldCell = CellToUse(nRow, nCol, scratch))
    {
        pNewCell->CopyFrom(*pOldCell);
        CString value, forText;
        if (GetItemKeptValue(nRow, nCol, value, forText))
            pNewCell->KeepValue(value, forText);
    }
    else
        pNewCell->SetGrid(this);
    pNewCell->SetCoords(nRow, nCol);
    CellRecord(nRow, nCol)->SetObject(pNewCell);
    return TRUE;
}

BOOL CGridCtrl::SetDefaultCellType(const CRuntimeClass* pRuntimeClass)
{
    if (!pRuntimeClass || !pRuntimeClass->IsDerivedFrom(RUNTIME_CLASS(CGridCellBase)))
        return FALSE;
    m_pRtcDefault = pRuntimeClass;
    return TRUE;
}

CGridDefaultCell* CGridCtrl::GetDefaultCell(BOOL bFixedRow, BOOL bFixedCol) const
{
    auto* self = const_cast<CGridCtrl*>(this);
    if (bFixedRow && bFixedCol)
        return &self->m_cellFixedRowColDef;
    if (bFixedRow)
        return &self->m_cellFixedRowDef;
    if (bFixedCol)
        return &self->m_cellFixedColDef;
    return &self->m_cellDefault;
}

std::uint32_t CGridCtrl::NewCellAttributes()
{
    CGridAttributeSets::Attributes attributes;
    attributes.nFormat = m_cellDefault.GetFormat();
    const std::int64_t nIndex = m_attributeSets.Find(attributes);
    return nIndex < 0 ? 0 : std::uint32_t(nIndex);
}

CGridCellRecord CGridCtrl::NewCell(int nRow, int nCol, std::uint32_t nAttributes)
{
    DWORD nState = 0;
    if (nRow < m_nFixedRows)
        nState |= GVIS_FIXED | GVIS_FIXEDROW;
    if (nCol < m_nFixedCols)
        nState |= GVIS_FIXED | GVIS_FIXEDCOL;
    if (m_pRtcDefault == RUNTIME_CLASS(CGridCell))
        return CGridCellRecord(nState, nAttributes);
    CGridCellRecord record;
    if (CGridCellBase* pCell = CreateCell(nRow, nCol))
        record.SetObject(pCell);
    return record;
}

CGridCellBase* CGridCtrl::CreateCell(int nRow, int nCol)
{
    if (!m_pRtcDefault || !m_pRtcDefault->IsDerivedFrom(RUNTIME_CLASS(CGridCellBase)))
        return nullptr;
    auto* pCell = static_cast<CGridCellBase*>(m_pRtcDefault->CreateObject());
    if (!pCell)
        return nullptr;
    pCell->SetGrid(this);
    pCell->SetCoords(nRow, nCol);
    DWORD nState = 0;
    if (nRow < m_nFixedRows)
        nState |= GVIS_FIXED | GVIS_FIXEDROW;
    if (nCol < m_nFixedCols)
        nState |= GVIS_FIXED | GVIS_FIXEDCOL;
    pCell->SetState(nState);
    pCell->SetFormat(m_cellDefault.GetFormat());
    return pCell;
}

void CGridCtrl::MoveCell(int nFromRow, int nFromCol, int nToRow, int nToCol)
{
    CGridCellRecord* pFrom = CellRecord(nFromRow, nFromCol);
    CGridCellRecord* pTo = CellRecord(nToRow, nToCol);
    if (!pFrom || !pTo || pFrom == pTo)
        return;
    const UINT nState = GetItemState(nFromRow, nFromCol);
    SetItemState(nFromRow, nFromCol, nState & ~GVIS_SELECTED);
    SetItemState(nToRow, nToCol, 0);
    *pTo = std::move(*pFrom);
    if (CGridCellBase* pCell = pTo->GetObject())
        pCell->SetCoords(nToRow, nToCol);
    SetItemState(nToRow, nToCol, nState);
}

void CGridCtrl::DestroyCell(int nRow, int nCol)
{
    SetItemState(nRow, nCol, 0);
    if (CGridCellRecord* pRecord = CellRecord(nRow, nCol))
        *pRecord = CGridCellRecord();
}

// --- Items -----------------------------------------------------------------------------------------

BOOL CGridCtrl::SetItem(const GridItem* pItem)
{
    if (!pItem || !CellRecord(pItem->row, pItem->col))
        return FALSE;
    const int nRow = pItem->row, nCol = pItem->col;
    SetModified(TRUE, nRow, nCol);
    if (pItem->mask & GVIF_TEXT)
        StoreText(nRow, nCol, pItem->strText);
    if (pItem->mask & GVIF_PARAM)
        SetItemData(nRow, nCol, pItem->lParam);
    if (pItem->mask & GVIF_IMAGE)
        SetItemImage(nRow, nCol, pItem->iImage);
    if (pItem->mask & GVIF_STATE)
        SetItemState(nRow, nCol, pItem->nState);
    if (pItem->mask & GVIF_FORMAT)
        SetItemFormat(nRow, nCol, pItem->nFormat);
    if (pItem->mask & GVIF_BKCLR)
        SetItemBkColour(nRow, nCol, pItem->crBkClr);
    if (pItem->mask & GVIF_FGCLR)
        SetItemFgColour(nRow, nCol, pItem->crFgClr);
    if (pItem->mask & GVIF_FONT)
        SetItemFont(nRow, nCol, &pItem->lfFont);
    if (pItem->mask & GVIF_MARGIN)
        SetItemMargin(nRow, nCol, pItem->nMargin);
    return TRUE;
}

BOOL CGridCtrl::GetItem(GridItem* pItem)
{
    if (!pItem)
        return FALSE;
    CGridCell scratch;
    const CGridCellBase* pCell = CellToUse(pItem->row, pItem->col, scratch);
    if (!pCell)
        return FALSE;
    if (pItem->mask & GVIF_TEXT)
        pItem->strText = GetItemText(pItem->row, pItem->col);
    if (pItem->mask & GVIF_IMAGE)
        pItem->iImage = pCell->GetImage();
    if (pItem->mask & GVIF_PARAM)
        pItem->lParam = pCell->GetData();
    if (pItem->mask & GVIF_STATE)
        pItem->nState = pCell->GetState();
    if (pItem->mask & GVIF_FORMAT)
        pItem->nFormat = pCell->GetFormat();
    if (pItem->mask & GVIF_BKCLR)
        pItem->crBkClr = pCell->GetBackClr();
    if (pItem->mask & GVIF_FGCLR)
        pItem->crFgClr = pCell->GetTextClr();
    if ((pItem->mask & GVIF_FONT) && pCell->GetFont())
        pItem->lfFont = *pCell->GetFont();
    if (pItem->mask & GVIF_MARGIN)
        pItem->nMargin = pCell->GetMargin();
    return TRUE;
}

// --- Notifications ------------------------------------------------------------------------------

LRESULT CGridCtrl::SendMessageToParent(int nRow, int nCol, int nMessage) const
{
    if (!::IsWindow(GetSafeHwnd()))
        return 0;
    GridNotify nm;
    nm.hdr.hwndFrom = GetSafeHwnd();
    nm.hdr.idFrom = UINT_PTR(GetDlgCtrlID());
    nm.hdr.code = UINT(nMessage);
    nm.iRow = nRow;
    nm.iColumn = nCol;

    CWnd* pTarget = GetOwner();
    if (!pTarget)
        pTarget = GetParent();
    if (!pTarget || !::IsWindow(pTarget->GetSafeHwnd()))
        return 0;
    return pTarget->SendMessage(WM_NOTIFY, nm.hdr.idFrom, reinterpret_cast<LPARAM>(&nm));
}

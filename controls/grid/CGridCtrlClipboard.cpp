// The grid's text changes, clipboard text, drag-and-drop of text and sorting.
#include "controls/grid/CGridCtrl.h"

#include "controls/grid/GridClipboardText.h"

#include "platform/ui/CCmdUI.h"
#include "platform/ui/CEdit.h"
#include "platform/ui/COleDataObject.h"
#include "platform/ui/COleDataSource.h"

#include <algorithm>
#include <cstring>
#include <string_view>
#include <vector>

// --- Text changes --------------------------------------------------------------------------------

BOOL CGridCtrl::ReplaceCellText(int nRow, int nCol, LPCTSTR szText)
{
    if (!CellRecord(nRow, nCol) || !IsCellEditable(nRow, nCol))
        return FALSE;
    if (SendMessageToParent(nRow, nCol, GVN_BEGINLABELEDIT) < 0)
        return FALSE;
    const CString strOld = GetItemText(nRow, nCol);
    if (strOld == szText)
        return TRUE;
    StoreText(nRow, nCol, szText);
    if (ValidateEdit(nRow, nCol, szText) && SendMessageToParent(nRow, nCol, GVN_ENDLABELEDIT) >= 0)
    {
        SetModified(TRUE, nRow, nCol);
        RedrawCell(nRow, nCol);
        return TRUE;
    }
    StoreText(nRow, nCol, strOld);
    return FALSE;
}

void CGridCtrl::ClearCellRange(int nMinRow, int nMinCol, int nMaxRow, int nMaxCol)
{
    for (int row = nMinRow; row <= nMaxRow; row++)
    {
        if (GetRowHeight(row) <= 0)
            continue;
        for (int col = nMinCol; col <= nMaxCol; col++)
            if (GetColumnWidth(col) > 0)
                ReplaceCellText(row, col, _T(""));
    }
    Refresh();
}

void CGridCtrl::ClearCellInforming(int nRow, int nCol)
{
    if (!CellRecord(nRow, nCol))
        return;
    SendMessageToParent(nRow, nCol, GVN_BEGINLABELEDIT);
    StoreText(nRow, nCol, _T(""));
    SetModified(TRUE, nRow, nCol);
    SendMessageToParent(nRow, nCol, GVN_ENDLABELEDIT);
}

void CGridCtrl::ClearSelectedCells()
{
    if (m_policy.clearInforms)
    {
        if (!m_bEditable)
            return;
        std::vector<CCellID> cells;
        for (const auto& entry : m_SelectedCellMap)
            cells.push_back(entry.second);
        std::sort(cells.begin(), cells.end(), [](const CCellID& a, const CCellID& b) {
            return a.row != b.row ? a.row < b.row : a.col < b.col;
        });
        for (const CCellID& cell : cells)
            if (IsValid(cell) && IsCellEditable(cell))
                ClearCellInforming(cell.row, cell.col);
        Invalidate();
        return;
    }
    const CCellRange range = GetSelectedCellRange();
    if (m_bEditable && IsValid(range))
        ClearCellRange(range.GetMinRow(), range.GetMinCol(), range.GetMaxRow(), range.GetMaxCol());
}

// --- Clipboard text ------------------------------------------------------------------------------

CString CGridCtrl::GetSelectionText() const
{
    const CCellRange range = GetSelectedCellRange();
    if (!IsValid(range))
        return CString();
    if (m_policy.editorClipboard)
        return GridClipboardText::BlockText(
            range.GetMinRow(), range.GetMinCol(), range.GetMaxRow(), range.GetMaxCol(),
            [this](int row, int col) { return CellRecord(row, col) && IsCellSelected(row, col); },
            // A number shown rounded goes with the value it was made from.
            [this](int row, int col) {
                const LPCTSTR value = PeekItemValueText(row, col);
                return value ? CString(value) : GetItemText(row, col);
            });
    std::string text;
    for (int row = range.GetMinRow(); row <= range.GetMaxRow(); row++)
    {
        for (int col = range.GetMinCol(); col <= range.GetMaxCol(); col++)
        {
            if (col > range.GetMinCol())
                text += '\t';
            if (IsCellSelected(row, col))
                text += GetItemText(row, col).str();
        }
        if (row < range.GetMaxRow())
            text += '\n';
    }
    return CString(std::move(text));
}

namespace
{
// Cuts the next piece of text up to a separator; the rest follows the separator.
std::string_view CutAt(std::string_view& rest, char separator)
{
    const std::size_t pos = rest.find(separator);
    const std::string_view piece = rest.substr(0, pos);
    rest = pos == std::string_view::npos ? std::string_view() : rest.substr(pos + 1);
    return piece;
}
} // namespace

BOOL CGridCtrl::PasteEditorText(CCellID cell, const CString& text)
{
    const auto lines = GridClipboardText::SplitText(text, false);
    for (std::size_t i = 0; i < lines.size(); i++)
        for (std::size_t j = 0; j < lines[i].size(); j++)
        {
            const int row = cell.row + int(i), col = cell.col + int(j);
            if (!CellRecord(row, col))
                continue;
            SendMessageToParent(row, col, GVN_BEGINLABELEDIT);
            StoreText(row, col, lines[i][j]);
            SetModified(TRUE, row, col);
            SendMessageToParent(row, col, GVN_ENDLABELEDIT);
            SetItemState(row, col, GetItemState(row, col) & ~GVIS_SELECTED);
        }
    Refresh();
    return TRUE;
}

BOOL CGridCtrl::PasteText(CCellID cell, const CString& text)
{
    if (!IsValid(cell) || !IsCellEditable(cell))
        return FALSE;
    if (m_policy.editorClipboard)
        return PasteEditorText(cell, text);
    // Rows split at line ends; fields at tabs only (a comma is the decimal separator here).
    std::string_view rest(text.str());
    int nRowOffset = 0;
    while (!rest.empty())
    {
        std::string_view line = CutAt(rest, '\n');
        int row = cell.row + nRowOffset;
        while (row < m_nRows && GetRowHeight(row) == 0)
            row++, nRowOffset++;
        int nColOffset = 0;
        while (!line.empty())
        {
            const std::string_view field = CutAt(line, '\t');
            int col = cell.col + nColOffset;
            while (col < m_nCols && GetColumnWidth(col) == 0)
                col++, nColOffset++;
            if (IsValid(row, col))
            {
                CString value{std::string(field)};
                value.Trim();
                ReplaceCellText(row, col, GridClipboardText::CutToCellLimit(value));
                SetItemState(row, col, GetItemState(row, col) & ~GVIS_SELECTED);
            }
            nColOffset++;
        }
        nRowOffset++;
    }
    Refresh();
    return TRUE;
}

COleDataSource* CGridCtrl::CopyTextFromGrid()
{
    if (!IsValid(GetSelectedCellRange()))
        return nullptr;
    auto* pSource = new COleDataSource;
    pSource->CacheText(CF_TEXT, GetSelectionText());
    return pSource;
}

BOOL CGridCtrl::PasteTextToGrid(CCellID cell, COleDataObject* pDataObject)
{
    CString text;
    if (!IsValid(cell) || !IsCellEditable(cell) || !pDataObject || !pDataObject->GetText(CF_TEXT, text))
        return FALSE;
    return PasteText(cell, text);
}

void CGridCtrl::OnEditCopy()
{
    if (COleDataSource* pSource = CopyTextFromGrid())
        pSource->SetClipboard();
}

void CGridCtrl::OnEditCut()
{
    if (!m_bEditable)
        return;
    COleDataSource* pSource = CopyTextFromGrid();
    if (!pSource)
        return;
    pSource->SetClipboard();
    ClearSelectedCells();
}

void CGridCtrl::OnEditPaste()
{
    if (!m_bEditable)
        return;
    const CCellID cell = IsValid(m_idCurrentCell) ? m_idCurrentCell : GetFirstScrolledCell();
    if (!IsValid(cell))
        return;
    CGridCellBase* pCell = GetExistingCell(cell.row, cell.col);
    if (pCell && pCell->IsEditing() && pCell->GetEditWnd())
    {
        // The cell being edited takes the text into its edit.
        if (CWnd* pEdit = pCell->GetEditWnd(); pEdit->IsKindOf(RUNTIME_CLASS(CEdit)))
            static_cast<CEdit*>(pEdit)->Paste();
        return;
    }
    COleDataObject dataObject;
    if (dataObject.AttachClipboard())
        PasteTextToGrid(cell, &dataObject);
}

void CGridCtrl::OnEditSelectAll()
{
    NotifySelectionChange(m_LeftClickDownCell.row, m_LeftClickDownCell.col, GVN_SELCHANGING);
    SelectEverything();
    NotifySelectionChange(m_idCurrentCell.row, m_idCurrentCell.col, GVN_SELCHANGED);
}

void CGridCtrl::NotifySelectionChange(int nRow, int nCol, int nCode)
{
    if (!m_policy.focusNotifications)
        SendMessageToParent(nRow, nCol, nCode);
}

void CGridCtrl::OnUpdateEditCopy(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(IsValid(GetSelectedCellRange()) && GetSelectedCount() > 0);
}

void CGridCtrl::OnUpdateEditCut(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(m_bEditable && IsValid(GetSelectedCellRange()) && GetSelectedCount() > 0);
}

void CGridCtrl::OnUpdateEditPaste(CCmdUI* pCmdUI)
{
    COleDataObject dataObject;
    pCmdUI->Enable(IsValid(m_idCurrentCell) && IsCellEditable(m_idCurrentCell) &&
                   dataObject.AttachClipboard() && dataObject.IsDataAvailable(CF_TEXT));
}

void CGridCtrl::OnUpdateEditSelectAll(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(m_bEnableSelection);
}

// --- Drag-and-drop of text ----------------------------------------------------------------------

void CGridCtrl::OnBeginDrag()
{
    if (!m_bAllowDragAndDrop)
        return;
    COleDataSource* pSource = CopyTextFromGrid();
    if (!pSource)
        return;
    const CCellRange range = GetSelectedCellRange();
    SendMessageToParent(range.GetMinRow(), range.GetMinCol(), GVN_BEGINDRAG);
    m_MouseMode = MOUSE_DRAGGING;
    const DROPEFFECT effect = RunDragDrop(pSource);
    if (effect & DROPEFFECT_MOVE)
        ClearSelectedCells();
    delete pSource;
}

DROPEFFECT CGridCtrl::RunDragDrop(COleDataSource* pSource)
{
    return pSource->DoDragDrop(DROPEFFECT_COPY | DROPEFFECT_MOVE);
}

namespace
{
DROPEFFECT CopyOrMove(DWORD dwKeyState)
{
    return (dwKeyState & MK_CONTROL) ? DROPEFFECT_COPY : DROPEFFECT_MOVE;
}
} // namespace

DROPEFFECT CGridCtrl::OnDragEnter(COleDataObject* pDataObject, DWORD dwKeyState, CPoint point)
{
    if (!m_bAllowDragAndDrop || !pDataObject || !pDataObject->IsDataAvailable(CF_TEXT))
        return DROPEFFECT_NONE;
    m_idDropCell = GetCellFromPt(point, FALSE);
    if (!IsValid(m_idDropCell) || !IsCellEditable(m_idDropCell))
        return DROPEFFECT_NONE;
    SetItemState(m_idDropCell.row, m_idDropCell.col,
                 GetItemState(m_idDropCell.row, m_idDropCell.col) | GVIS_DROPHILITED);
    RedrawCell(m_idDropCell);
    return CopyOrMove(dwKeyState);
}

DROPEFFECT CGridCtrl::OnDragOver(COleDataObject* pDataObject, DWORD dwKeyState, CPoint point)
{
    if (!m_bAllowDragAndDrop || !m_bEditable || !pDataObject || !pDataObject->IsDataAvailable(CF_TEXT))
        return DROPEFFECT_NONE;
    CCellID cell = GetCellFromPt(point);
    if (!IsValid(cell))
    {
        OnDragLeave();
        m_idDropCell = CCellID();
        return DROPEFFECT_NONE;
    }
    if (m_policy.dragScrollsOverHeadings && (cell.row < m_nFixedRows || cell.col < m_nFixedCols))
    {
        // Held over the headings, the drag scrolls back one row or column at a time.
        const CCellID topLeft = GetFirstScrolledCell();
        CCellID before = topLeft;
        if (cell.row < m_nFixedRows)
            before.row--;
        if (cell.col < m_nFixedCols)
            before.col--;
        if (!IsValid(before) || before.row < m_nFixedRows || before.col < m_nFixedCols)
            return DROPEFFECT_NONE;
        EnsureVisible(before);
        cell = before;
    }
    if (!IsCellEditable(cell))
        return DROPEFFECT_NONE;
    if (cell != m_idDropCell)
    {
        if (IsValid(m_idDropCell))
        {
            SetItemState(m_idDropCell.row, m_idDropCell.col,
                         GetItemState(m_idDropCell.row, m_idDropCell.col) & ~GVIS_DROPHILITED);
            RedrawCell(m_idDropCell);
        }
        m_idDropCell = cell;
        SetItemState(cell.row, cell.col, GetItemState(cell.row, cell.col) | GVIS_DROPHILITED);
        RedrawCell(cell);
    }
    return CopyOrMove(dwKeyState);
}

void CGridCtrl::OnDragLeave()
{
    if (!IsValid(m_idDropCell))
        return;
    SetItemState(m_idDropCell.row, m_idDropCell.col,
                 GetItemState(m_idDropCell.row, m_idDropCell.col) & ~GVIS_DROPHILITED);
    RedrawCell(m_idDropCell);
}

BOOL CGridCtrl::OnDrop(COleDataObject* pDataObject, DROPEFFECT /*dropEffect*/, CPoint /*point*/)
{
    m_MouseMode = MOUSE_NOTHING;
    if (!m_bAllowDragAndDrop || !IsValid(m_idDropCell) || !IsCellEditable(m_idDropCell))
        return FALSE;
    OnDragLeave();
    return PasteTextToGrid(m_idDropCell, pDataObject);
}

// --- Sorting -------------------------------------------------------------------------------------

BOOL CGridCtrl::SortByColumn(int nCol, BOOL bAscending, LPARAM data)
{
    const bool ownCompare = m_pfnCompare && !m_policy.textSort;
    return SortByColumnWith(ownCompare ? m_pfnCompare : &CGridCtrl::CompareCellTexts, nCol, bAscending, data);
}

BOOL CGridCtrl::SortByColumnWith(PFNLVCOMPARE pfnCompare, int nCol, BOOL bAscending, LPARAM data)
{
    SetSortColumn(nCol);
    m_bAscending = bAscending;
    ResetSelectedRange();
    SetFocusCell(-1, -1);
    return QuickSortRows(pfnCompare, nCol, bAscending, data, m_nFixedRows, -1);
}

int CGridCtrl::CompareCellTexts(LPARAM lParam1, LPARAM lParam2, LPARAM /*lParamSort*/)
{
    auto* pCell1 = reinterpret_cast<CGridCellBase*>(lParam1);
    auto* pCell2 = reinterpret_cast<CGridCellBase*>(lParam2);
    if (!pCell1 || !pCell2)
        return 0;
    const char* a = pCell1->GetText();
    const char* b = pCell2->GetText();
    return std::strcmp(a ? a : "", b ? b : "");
}

BOOL CGridCtrl::ReorderRows(int nFirstRow, const std::vector<int>& order)
{
    const int count = int(order.size());
    if (nFirstRow < 0 || nFirstRow + count > m_nRows)
        return FALSE;
    std::vector<std::vector<CGridCellRecord>> rows(order.size());
    for (int i = 0; i < count; i++)
        rows[std::size_t(i)] = std::move(m_RowData[std::size_t(nFirstRow + order[std::size_t(i)])]);
    std::move(rows.begin(), rows.end(), m_RowData.begin() + nFirstRow);
    m_arRowHeights.Reorder(nFirstRow, order);
    for (int row = nFirstRow; row < nFirstRow + count; row++)
    {
        const auto& cells = m_RowData[std::size_t(row)];
        for (int col = 0; col < int(cells.size()); col++)
            if (CGridCellBase* pCell = cells[std::size_t(col)].GetObject())
                pCell->SetCoords(row, col);
    }
    return TRUE;
}

void CGridCtrl::SwapRows(int nRow1, int nRow2)
{
    std::swap(m_RowData[std::size_t(nRow1)], m_RowData[std::size_t(nRow2)]);
    m_arRowHeights.Swap(nRow1, nRow2);
    for (int col = 0; col < m_nCols; col++)
    {
        if (CGridCellBase* pCell = GetExistingCell(nRow1, col))
            pCell->SetCoords(nRow1, col);
        if (CGridCellBase* pCell = GetExistingCell(nRow2, col))
            pCell->SetCoords(nRow2, col);
    }
}

BOOL CGridCtrl::QuickSortRows(PFNLVCOMPARE pfnCompare, int nCol, BOOL bAscending, LPARAM data, int low,
                              int high)
{
    if (nCol >= m_nCols)
        return FALSE;
    if (high == -1)
        high = m_nRows - 1;
    if (high <= low)
        return FALSE;

    // Compact cells are compared through scratch cells made like them. The smaller part is sorted
    // by a call and the larger one in this loop, so that the calls nest no deeper than log n.
    CGridCell first, second, pivotCell;
    auto cell = [&](int row, CGridCell& scratch)
    { return reinterpret_cast<LPARAM>(CellToUse(row, nCol, scratch)); };
    auto compare = [&](int rowA, LPARAM b)
    {
        const int result = pfnCompare(cell(rowA, first), b, data);
        return bAscending ? result : -result;
    };
    while (low < high)
    {
        // The pivot cell stays the same while rows move around it.
        const LPARAM pivot = cell((low + high) / 2, pivotCell);
        int i = low, j = high;
        while (i <= j)
        {
            while (i < high && compare(i, pivot) < 0)
                i++;
            while (j > low && compare(j, pivot) > 0)
                j--;
            if (i <= j)
            {
                if (pfnCompare(cell(i, first), cell(j, second), data) != 0)
                    SwapRows(i, j);
                i++, j--;
            }
        }
        if (j - low < high - i)
        {
            if (low < j)
                QuickSortRows(pfnCompare, nCol, bAscending, data, low, j);
            low = i;
        }
        else
        {
            if (i < high)
                QuickSortRows(pfnCompare, nCol, bAscending, data, i, high);
            high = j;
        }
    }
    return TRUE;
}

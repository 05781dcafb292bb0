#include "controls/grid/CTreeColumn.h"

#include "controls/grid/CGridCtrl.h"
#include "controls/grid/CGridTreeCell.h"

CTreeColumn::CTreeColumn() : m_crTreeLine(::GetSysColor(COLOR_BTNSHADOW)) {}

CTreeColumn::~CTreeColumn() = default;

void CTreeColumn::SetFont(const LOGFONT* plf)
{
    m_pFont.reset();
    if (plf)
        m_plfFont = std::make_unique<LOGFONT>(*plf);
    else
        m_plfFont.reset();
}

const LOGFONT* CTreeColumn::GetFont() const
{
    if (m_plfFont)
        return m_plfFont.get();
    return m_pGrid ? m_pGrid->GetDefaultCell(FALSE, FALSE)->GetFont() : nullptr;
}

CFont* CTreeColumn::GetOwnFontObject() const
{
    if (!m_plfFont)
        return nullptr;
    if (!m_pFont)
    {
        m_pFont = std::make_unique<CFont>();
        m_pFont->CreateFontIndirect(m_plfFont.get());
    }
    return m_pFont.get();
}

CGridTreeCellBase* CTreeColumn::GetTreeCell(int nRow) const
{
    if (!m_pGrid || m_nColumn < 0)
        return nullptr;
    return dynamic_cast<CGridTreeCellBase*>(m_pGrid->GetCell(nRow, m_nColumn));
}

int CTreeColumn::GetTreeLevel(int nRow) const
{
    const CGridTreeCellBase* pCell = GetTreeCell(nRow);
    return pCell ? pCell->GetLevel() : 0;
}

BOOL CTreeColumn::IsTreeRowViewable(int nRow) const
{
    const CGridTreeCellBase* pCell = GetTreeCell(nRow);
    return pCell && pCell->IsViewable();
}

void CTreeColumn::SetViewable(int nRow, bool bViewable)
{
    if (CGridTreeCellBase* pCell = GetTreeCell(nRow))
        pCell->SetViewable(bViewable);
}

BOOL CTreeColumn::TreeSetup(CGridCtrl* pGrid, int nColumn, int nRows, int nFixedRows, const BYTE* pLevels,
                            BOOL bShowTreeLines, BOOL bUseImages, const CRuntimeClass* pCellClass)
{
    if (!pCellClass)
        pCellClass = RUNTIME_CLASS(CGridTreeCell);
    if (!pGrid || !pCellClass->IsDerivedFrom(RUNTIME_CLASS(CGridTreeCellBase)) || nRows < 0 || nFixedRows < 0 ||
        (nRows > 0 && !pLevels))
        return FALSE;
    m_pGrid = pGrid;
    m_nColumn = nColumn;
    m_pCellClass = pCellClass;
    m_iFixedRowCount = nFixedRows;
    m_iRowCount = nFixedRows + nRows;
    m_bReady = FALSE;
    pGrid->SetFixedRowCount(nFixedRows);
    pGrid->SetRowCount(m_iRowCount);
    BOOL bResult = TRUE;
    for (int i = 0; i < nRows; i++)
    {
        if (!pGrid->SetCellType(nFixedRows + i, nColumn, pCellClass))
        {
            bResult = FALSE;
            break;
        }
        CGridTreeCellBase* pCell = GetTreeCell(nFixedRows + i);
        pCell->SetTreeColumn(this);
        pCell->SetLevelAndHide(pLevels[i]);
    }
    SetTreeUsesImages(bUseImages);
    SetTreeLines(bShowTreeLines);
    m_bReady = TRUE;
    if (pGrid->GetSafeHwnd())
        pGrid->Invalidate();
    return bResult;
}

int CTreeColumn::InsertTreeBranch(const BYTE* pLevels, int nCount, int nInsertRow, BOOL bRedraw)
{
    if (nCount <= 0 || !pLevels || !m_pGrid || !m_pCellClass)
        return -1;
    if (m_iRowCount <= m_iFixedRowCount || nInsertRow >= m_iRowCount)
        nInsertRow = -1;
    else if (nInsertRow >= 0 && nInsertRow < m_iFixedRowCount)
        nInsertRow = m_iFixedRowCount;
    const int nFirst = nInsertRow < 0 ? m_pGrid->GetRowCount() : nInsertRow;

    m_bReady = FALSE;
    for (int i = 0; i < nCount; i++)
    {
        const int nRow = nFirst + i;
        const bool bAppend = nRow >= m_pGrid->GetRowCount();
        if (m_pGrid->InsertRow(nullptr, bAppend ? -1 : nRow) != nRow ||
            !m_pGrid->SetCellType(nRow, m_nColumn, m_pCellClass))
        {
            m_bReady = TRUE;
            return -1;
        }
        CGridTreeCellBase* pCell = GetTreeCell(nRow);
        pCell->SetTreeColumn(this);
        pCell->SetLevelAndHide(BYTE(pLevels[i] | TREE_VIEWABLE));
        m_iRowCount++;
    }
    m_bReady = TRUE;
    TreeRefreshRows();
    if (bRedraw && m_pGrid->GetSafeHwnd())
        m_pGrid->Invalidate();
    return nFirst;
}

int CTreeColumn::DeleteTreeBranch(int nRow, BOOL bRedraw)
{
    if (!m_pGrid || nRow < m_iFixedRowCount || nRow >= m_iRowCount)
        return 0;
    m_bReady = FALSE;
    const int nLevel = GetTreeLevel(nRow);
    int nDeleted = 0;
    do
    {
        if (!m_pGrid->DeleteRow(nRow))
            break;
        nDeleted++;
        m_iRowCount--;
    } while (nRow < m_iRowCount && GetTreeLevel(nRow) > nLevel);
    m_bReady = TRUE;
    TreeRefreshRows();
    if (bRedraw && m_pGrid->GetSafeHwnd())
        m_pGrid->Invalidate();
    return nDeleted;
}

BOOL CTreeColumn::TreeCellHasPlusMinus(int nRow, BOOL* pbPlus, BOOL* pbMinus, BOOL* pbLast) const
{
    BOOL bPlus = FALSE, bMinus = FALSE, bLast = FALSE;
    const int nLevel = GetTreeLevel(nRow);
    if (nLevel > 0)
    {
        bool bAnyDeeper = false;
        int row = nRow + 1;
        for (; row < m_iRowCount; row++)
        {
            const int nRowLevel = GetTreeLevel(row);
            if (nRowLevel <= nLevel)
                break;
            bAnyDeeper = true;
            if (nRowLevel == nLevel + 1 && !IsTreeRowViewable(row))
                bPlus = TRUE;
        }
        bMinus = bAnyDeeper && !bPlus;
        bLast = row >= m_iRowCount || GetTreeLevel(row) < nLevel || !IsTreeRowViewable(row);
    }
    if (pbPlus)
        *pbPlus = bPlus;
    if (pbMinus)
        *pbMinus = bMinus;
    if (pbLast)
        *pbLast = bLast;
    return bPlus || bMinus;
}

void CTreeColumn::TreeExpandCollapseToggle(int nRow)
{
    if (GetTreeCell(nRow + 1) && !IsTreeRowViewable(nRow + 1))
        TreeExpandOneLevel(nRow);
    else
        TreeCollapse(nRow);
    TreeRefreshRows();
}

void CTreeColumn::TreeExpandOneLevel(int nRow)
{
    const int nLevel = GetTreeLevel(nRow);
    if (nLevel == 0)
        return;
    SetViewable(nRow, true);
    for (int row = nRow + 1; row < m_iRowCount; row++)
    {
        const int nRowLevel = GetTreeLevel(row);
        if (nRowLevel <= nLevel)
            break;
        SetViewable(row, nRowLevel == nLevel + 1);
    }
}

void CTreeColumn::TreeCollapse(int nRow)
{
    const int nLevel = GetTreeLevel(nRow);
    if (nLevel == 0)
        return;
    SetViewable(nRow, true);
    for (int row = nRow + 1; row < m_iRowCount && GetTreeLevel(row) > nLevel; row++)
        SetViewable(row, false);
}

void CTreeColumn::TreeDisplayOutline(int nLevel)
{
    if (m_nColumn < 0)
        return;
    for (int row = m_iFixedRowCount; row < m_iRowCount; row++)
        SetViewable(row, GetTreeLevel(row) <= nLevel);
    TreeRefreshRows();
}

void CTreeColumn::TreeRefreshRows()
{
    if (!m_pGrid || m_nColumn < 0)
        return;
    const int nDefaultHeight = m_pGrid->GetDefaultCell(FALSE, FALSE)->GetHeight();
    // The scroll bars follow once, after all the heights.
    const BOOL bDrawing = m_pGrid->IsDrawingAllowed();
    m_pGrid->SetDrawingAllowed(FALSE);
    bool bChanged = false;
    for (int row = m_iFixedRowCount; row < m_iRowCount; row++)
    {
        const int nHeight = m_pGrid->GetRowHeight(row);
        if (IsTreeRowViewable(row))
        {
            if (nHeight < nDefaultHeight)
                bChanged = m_pGrid->SetRowHeight(row, nDefaultHeight) || bChanged;
        }
        else if (nHeight >= 1)
            bChanged = m_pGrid->SetRowHeight(row, 0) || bChanged;
    }
    m_pGrid->SetDrawingAllowed(bDrawing, bChanged && bDrawing);
    if (m_pGrid->GetSafeHwnd() && m_bReady)
        m_pGrid->Invalidate();
}

void CTreeColumn::SetTreeUsesImages(BOOL bUseImages)
{
    m_bUseImages = bUseImages;
    if (!bUseImages || !m_pGrid)
        return;
    for (int row = m_iFixedRowCount; row < m_iRowCount; row++)
        m_pGrid->SetItemImage(row, m_nColumn, 0);
}

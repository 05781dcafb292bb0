#pragma once
// A rectangle of cells: the rows minRow..maxRow and the columns minCol..maxCol, both inclusive.

#include "controls/grid/CCellID.h"

class CCellRange
{
public:
    CCellRange() = default;
    CCellRange(int nMinRow, int nMinCol, int nMaxRow, int nMaxCol)
    {
        Set(nMinRow, nMinCol, nMaxRow, nMaxCol);
    }

    void Set(int nMinRow = -1, int nMinCol = -1, int nMaxRow = -1, int nMaxCol = -1)
    {
        m_nMinRow = nMinRow, m_nMinCol = nMinCol, m_nMaxRow = nMaxRow, m_nMaxCol = nMaxCol;
    }

    int GetMinRow() const { return m_nMinRow; }
    int GetMinCol() const { return m_nMinCol; }
    int GetMaxRow() const { return m_nMaxRow; }
    int GetMaxCol() const { return m_nMaxCol; }
    void SetMinRow(int n) { m_nMinRow = n; }
    void SetMinCol(int n) { m_nMinCol = n; }
    void SetMaxRow(int n) { m_nMaxRow = n; }
    void SetMaxCol(int n) { m_nMaxCol = n; }

    // All four indices are places and the range is not turned inside out; the grid adds its counts.
    bool IsValid() const
    {
        return m_nMinRow >= 0 && m_nMinCol >= 0 && m_nMaxRow >= 0 && m_nMaxCol >= 0 &&
               m_nMinRow <= m_nMaxRow && m_nMinCol <= m_nMaxCol;
    }
    bool InRange(int row, int col) const
    {
        return row >= m_nMinRow && row <= m_nMaxRow && col >= m_nMinCol && col <= m_nMaxCol;
    }
    bool InRange(const CCellID& cell) const { return InRange(cell.row, cell.col); }
    int GetRowSpan() const { return m_nMaxRow - m_nMinRow + 1; }
    int GetColSpan() const { return m_nMaxCol - m_nMinCol + 1; }
    CCellID GetTopLeft() const { return {m_nMinRow, m_nMinCol}; }

    bool operator==(const CCellRange& o) const
    {
        return m_nMinRow == o.m_nMinRow && m_nMinCol == o.m_nMinCol && m_nMaxRow == o.m_nMaxRow &&
               m_nMaxCol == o.m_nMaxCol;
    }
    bool operator!=(const CCellRange& o) const { return !(*this == o); }

private:
    int m_nMinRow = -1;
    int m_nMinCol = -1;
    int m_nMaxRow = -1;
    int m_nMaxCol = -1;
};

#pragma once
// The data editor's combo cell: a text cell whose focused, non-fixed face shows a drop-down
// arrow at its top right and whose edit is a combo box over the cell with the cell's options
// and a free-text edit part.

#include "controls/grid/CGridCell.h"
#include "platform/core/CStringArray.h"

class CGridCellCombo : public CGridCell
{
    DECLARE_DYNCREATE(CGridCellCombo)

public:
    CGridCellCombo();
    ~CGridCellCombo() override;

    // The entries of the drop-down list, replacing the ones before.
    void SetOptions(const CStringArray& options);
    const CStringArray& GetOptions() const { return m_Strings; }
    // The combo-box style bits of the in-place list: CBS_DROPDOWN.
    DWORD GetStyle() const { return m_dwStyle; }

    BOOL Draw(CDC* pDC, int nRow, int nCol, CRect rect, BOOL bEraseBkgnd = TRUE) override;
    BOOL Edit(int nRow, int nCol, CRect rect, CPoint point, UINT nID, UINT nChar) override;
    void EndEdit() override;

    // The place of the arrow in a cell rectangle; empty when the rectangle is too narrow or too
    // low for it.
    static CRect ArrowRect(const CRect& rect);

private:
    CStringArray m_Strings;
    DWORD m_dwStyle;
};

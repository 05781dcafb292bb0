#pragma once
// A tree cell with its own text, edited in place like a text cell.

#include "controls/grid/CGridTreeCellBase.h"

class CGridTreeCell : public CGridTreeCellBase
{
    DECLARE_DYNCREATE(CGridTreeCell)

public:
    CGridTreeCell() = default;
    ~CGridTreeCell() override = default;

    void SetText(LPCTSTR szText) override { m_strText = szText ? szText : ""; }
    LPCTSTR GetText() const override { return m_strText.GetString(); }
    void Reset() override { m_strText.Empty(); }
    void Assign(const CGridTreeCellBase& cell) override;

    BOOL Edit(int nRow, int nCol, CRect rect, CPoint point, UINT nID, UINT nChar) override;
    void EndEdit() override;
    void OnEndEdit() override;

private:
    CString m_strText;
};

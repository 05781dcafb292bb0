#pragma once
// A button cell whose value is picked from a list of texts: its drop-down arrow (a scroll-arrow
// button with DFCS_SCROLLDOWN that the owner sets up), or typing into it, opens a CInPlaceList
// over the cell. The list opens only on a cell that may be edited, and its end stores nothing into
// a cell that may not.

#include "controls/grid/CGridBtnCell.h"
#include "platform/core/CStringArray.h"
#include "platform/ui/WinUser.h"

class CGridBtnCellCombo : public CGridBtnCell
{
    DECLARE_DYNCREATE(CGridBtnCellCombo)

public:
    CGridBtnCellCombo() = default;
    ~CGridBtnCellCombo() override = default;

    void Reset() override;
    void Assign(const CGridBtnCellBase& cell) override;
    BOOL Edit(int nRow, int nCol, CRect rect, CPoint point, UINT nID, UINT nChar) override;
    void EndEdit() override;
    void OnEndEdit() override;
    void OnClick(CPoint point) override;
    BOOL ValidateEdit(LPCTSTR str) override;

    virtual void SetComboStyle(DWORD dwStyle) { m_dwComboStyle = dwStyle; }
    virtual DWORD GetComboStyle() const { return m_dwComboStyle; }
    virtual void SetComboString(const CStringArray& items) { m_Strings.Copy(items); }
    virtual void GetComboString(CStringArray& items) const { items.Copy(m_Strings); }

private:
    bool IsDropDownArrow(int nIndex) const;
    bool MayEdit() const;
    // Lets the arrow and push buttons come up again.
    void ReleaseButtons();

    DWORD m_dwComboStyle = CBS_SIMPLE;
    CStringArray m_Strings;
};

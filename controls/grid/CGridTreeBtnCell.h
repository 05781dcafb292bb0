#pragma once
// A tree cell with buttons: the tree part in the indent, then the buttons and text of a button
// cell that it holds. Button operations, mouse and editing go to that button cell, with points
// taken right of the indent.

#include "controls/grid/CGridBtnCell.h"
#include "controls/grid/CGridTreeCell.h"

class CGridTreeBtnCell : public CGridTreeCell
{
    DECLARE_DYNCREATE(CGridTreeBtnCell)

public:
    CGridTreeBtnCell() = default;
    ~CGridTreeBtnCell() override = default;

    CGridBtnCell& GetBtnCell() { return m_BtnCell; }
    void SetBtnDataBase(CBtnDataBase* pBtnDataBase) { m_BtnCell.SetBtnDataBase(pBtnDataBase); }

    void SetText(LPCTSTR szText) override;
    void SetCoords(int nRow, int nCol) override;
    void Reset() override;
    void Assign(const CGridTreeCellBase& cell) override;
    BOOL IsEditing() const override { return m_BtnCell.IsEditing(); }
    virtual void CopyWithBtnData(const CGridTreeBtnCell& cell);
    virtual void CopyWithoutBtnData(const CGridTreeBtnCell& cell);

    int GetBtnCount() const { return m_BtnCell.GetBtnCount(); }
    short GetBtnValue16() const { return m_BtnCell.GetBtnValue16(); }
    int GetMaxBtns() const { return m_BtnCell.GetMaxBtns(); }
    BYTE GetBtnDrawType(int i) const { return m_BtnCell.GetBtnDrawType(i); }
    void SetBtnDrawType(int i, BYTE nType) { m_BtnCell.SetBtnDrawType(i, nType); }
    UINT GetBtnDrawState(int i) const { return m_BtnCell.GetBtnDrawState(i); }
    void SetBtnDrawState(int i, UINT nState) { m_BtnCell.SetBtnDrawState(i, nState); }
    int GetBtnValue32(int i) const { return m_BtnCell.GetBtnValue32(i); }
    void SetBtnValue32(int i, int nWidth) { m_BtnCell.SetBtnValue32(i, nWidth); }
    BYTE GetBtnSelector(int i) const { return m_BtnCell.GetBtnSelector(i); }
    void SetBtnSelector(int i, BYTE nPlacement) { m_BtnCell.SetBtnSelector(i, nPlacement); }
    LPCTSTR GetBtnText(int i) const { return m_BtnCell.GetBtnText(i); }
    void SetBtnText(int i, LPCTSTR szText) { m_BtnCell.SetBtnText(i, szText); }
    BOOL GetBtnFlag(int i) const { return m_BtnCell.GetBtnFlag(i); }
    void SetBtnFlag(int i, BOOL bGroup) { m_BtnCell.SetBtnFlag(i, bGroup); }
    BOOL SetupBtn(int nIndex, BYTE nDrawType, UINT nDrawState, BYTE nPlacement, int nWidth, BOOL bGroup,
                  LPCTSTR szCaption)
    {
        return m_BtnCell.SetupBtn(nIndex, nDrawType, nDrawState, nPlacement, nWidth, bGroup, szCaption);
    }

    BOOL GetTextRect(LPRECT pRect) override;
    CSize GetCellExtent(CDC* pDC) override;
    BOOL Edit(int nRow, int nCol, CRect rect, CPoint point, UINT nID, UINT nChar) override;
    void EndEdit() override;
    void OnEndEdit() override;
    void OnClick(CPoint point) override;
    void OnClickDown(CPoint point) override;
    void OnRClick(CPoint point) override;
    void OnDblClick(CPoint point) override;

protected:
    BOOL DrawContent(CDC* pDC, int nRow, int nCol, CRect rect, BOOL bEraseBkgnd) override;

private:
    // The point as the button cell sees it, right of the indent.
    CPoint ForButtons(CPoint point);

    CGridBtnCell m_BtnCell;
};

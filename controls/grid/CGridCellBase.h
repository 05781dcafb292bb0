#pragma once
// The abstract cell of a grid: a state word, and the operations every cell class offers.
// A cell draws itself into a rectangle that the grid computes, measures its text, and starts and ends
// its in-place editing. Attributes left at their default marker come from the grid's default cells.

#include "controls/grid/GridDefs.h"
#include "platform/core/CObject.h"
#include "platform/core/CString.h"
#include "platform/core/Geometry.h"
#include "platform/gdi/CDC.h"

class CGridCtrl;
class CWnd;

class CGridCellBase : public CObject
{
    DECLARE_DYNCREATE(CGridCellBase)

public:
    CGridCellBase() = default;
    ~CGridCellBase() override = default;

    // Setters (the base stores only the state).
    virtual void SetText(LPCTSTR) {}
    virtual void SetImage(int) {}
    virtual void SetData(LPARAM) {}
    virtual void SetState(DWORD nState) { m_nState = nState; }
    virtual void SetFormat(DWORD) {}
    virtual void SetTextClr(COLORREF) {}
    virtual void SetBackClr(COLORREF) {}
    virtual void SetFont(const LOGFONT*) {}
    virtual void SetMargin(UINT) {}
    virtual void SetGrid(CGridCtrl*) {}
    virtual void SetCoords(int /*nRow*/, int /*nCol*/) {}
    // The value a text was made from (a number as read before it was rounded for display), kept
    // with that text (null: the present one): it stands while the cell shows that text.
    virtual void KeepValue(LPCTSTR /*szValue*/, LPCTSTR /*szForText*/) {}

    // Getters.
    virtual LPCTSTR GetText() const { return nullptr; }
    virtual LPCTSTR GetTipText() const { return GetText(); }
    // The value kept and the text it belongs to, whatever the present text (null: none).
    virtual LPCTSTR GetKeptValue() const { return nullptr; }
    virtual LPCTSTR GetKeptValueText() const { return nullptr; }
    // The value behind the present text, null when none.
    LPCTSTR GetValueText() const;
    virtual int GetImage() const { return -1; }
    virtual LPARAM GetData() const { return 0; }
    virtual DWORD GetState() const { return m_nState; }
    virtual DWORD GetFormat() const { return 0; }
    virtual COLORREF GetTextClr() const { return 0; }
    virtual COLORREF GetBackClr() const { return 0; }
    virtual const LOGFONT* GetFont() const { return nullptr; }
    virtual CFont* GetFontObject() const { return nullptr; }
    virtual CGridCtrl* GetGrid() const { return nullptr; }
    virtual CWnd* GetEditWnd() const { return nullptr; }
    virtual UINT GetMargin() const { return 0; }

    virtual CGridCellBase* GetDefaultCell() const;

    virtual BOOL IsDefaultFont() const { return FALSE; }
    virtual BOOL IsEditing() const { return FALSE; }
    virtual BOOL IsFocused() const { return (GetState() & GVIS_FOCUSED) != 0; }
    virtual BOOL IsFixed() const { return (GetState() & GVIS_FIXED) != 0; }
    virtual BOOL IsFixedCol() const { return (GetState() & GVIS_FIXEDCOL) != 0; }
    virtual BOOL IsFixedRow() const { return (GetState() & GVIS_FIXEDROW) != 0; }
    virtual BOOL IsSelected() const { return (GetState() & GVIS_SELECTED) != 0; }
    virtual BOOL IsReadOnly() const { return (GetState() & GVIS_READONLY) != 0; }
    virtual BOOL IsModified() const { return (GetState() & GVIS_MODIFIED) != 0; }
    virtual BOOL IsDropHighlighted() const { return (GetState() & GVIS_DROPHILITED) != 0; }

    virtual void CopyFrom(const CGridCellBase& cell);
    virtual void Reset()
    {
        m_nState = 0;
        m_nMaxTextWidth = -1;
    }

    // The widest a word-broken text may be measured, margins included; -1: no limit.
    int GetMaxTextWidth() const { return m_nMaxTextWidth; }
    void SetMaxTextWidth(int nWidth) { m_nMaxTextWidth = nWidth; }

    virtual BOOL Draw(CDC* pDC, int nRow, int nCol, CRect rect, BOOL bEraseBkgnd = TRUE);
    virtual BOOL GetTextRect(LPRECT pRect);
    virtual BOOL GetTipTextRect(LPRECT pRect) { return GetTextRect(pRect); }
    virtual CSize GetTextExtent(LPCTSTR str, CDC* pDC = nullptr);
    virtual CSize GetCellExtent(CDC* pDC);

    virtual BOOL Edit(int /*nRow*/, int /*nCol*/, CRect /*rect*/, CPoint /*point*/, UINT /*nID*/,
                      UINT /*nChar*/)
    {
        return FALSE;
    }
    virtual BOOL ValidateEdit(LPCTSTR /*str*/) { return TRUE; }
    virtual void EndEdit() {}
    virtual BOOL PrintCell(CDC* pDC, int nRow, int nCol, CRect rect);

    virtual void OnClick(CPoint /*pointCellRelative*/) {}
    virtual void OnClickDown(CPoint /*pointCellRelative*/) {}
    virtual void OnEndEdit() {}
    virtual void OnCellHook54() {}
    // Called while the mouse moves over the cell.
    virtual void OnCellHook55() {}
    virtual void OnCellHook56() {}
    virtual void OnRClick(CPoint /*pointCellRelative*/) {}
    virtual void OnDblClick(CPoint /*pointCellRelative*/) {}
    virtual BOOL OnSetCursor();

    LRESULT SendMessageToParent(int nRow, int nCol, int nMessage) const;

protected:
    // The size of an image of the grid's image list, counted inclusively; false without one.
    bool GetImageSize(CSize& size) const;
    void DrawSortMark(CDC* pDC, CRect& rect, int nMargin, bool bVerticalText);

private:
    DWORD m_nState = 0;
    int m_nMaxTextWidth = -1;
};

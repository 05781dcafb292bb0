#pragma once
// One of a grid's four default cells (normal, fixed row, fixed column, fixed corner): the attributes
// that cells left at their default marker take, and the default row height and column width,
// measured from its font.

#include "controls/grid/CGridCell.h"

class CGridDefaultCell : public CGridCell
{
    DECLARE_DYNCREATE(CGridDefaultCell)

public:
    CGridDefaultCell();
    ~CGridDefaultCell() override = default;

    void SetData(LPARAM) override {}
    void SetState(DWORD) override {}
    void SetCoords(int, int) override {}
    // Default cells are never edited: read-only always.
    DWORD GetState() const override { return CGridCellBase::GetState() | GVIS_READONLY; }
    // Takes the font, builds its font object and measures the margin, width and height from it.
    void SetFont(const LOGFONT* plf) override;
    const LOGFONT* GetFont() const override { return m_plfFont.get(); }
    CFont* GetFontObject() const override;

    // A value kept for the owner; the grid itself never reads it.
    virtual DWORD GetStyle() const { return m_dwStyle; }
    virtual void SetStyle(DWORD dwStyle) { m_dwStyle = dwStyle; }
    virtual int GetWidth() const { return m_Size.cx; }
    virtual int GetHeight() const { return m_Size.cy; }
    virtual void SetWidth(int nWidth) { m_Size.cx = nWidth; }
    virtual void SetHeight(int nHeight) { m_Size.cy = nHeight; }

private:
    CSize m_Size{30, 10};
    CFont m_Font;
    DWORD m_dwStyle = 0;
};

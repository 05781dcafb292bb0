#pragma once
// The plain text cell: its own text, data, image, format, colours, font and margin.
// A format or margin of -1, a colour of CLR_DEFAULT and no font take the default cell's.

#include "controls/grid/CGridCellBase.h"

#include <memory>

class CGridCell : public CGridCellBase
{
    DECLARE_DYNCREATE(CGridCell)

public:
    CGridCell();
    ~CGridCell() override;

    void SetText(LPCTSTR szText) override { m_strText = szText; }
    void KeepValue(LPCTSTR szValue, LPCTSTR szForText) override;
    void SetImage(int nImage) override { m_nImage = nImage; }
    void SetData(LPARAM lParam) override { m_lParam = lParam; }
    void SetFormat(DWORD nFormat) override { m_nFormat = nFormat; }
    void SetTextClr(COLORREF clr) override { m_crFgClr = clr; }
    void SetBackClr(COLORREF clr) override { m_crBkClr = clr; }
    void SetFont(const LOGFONT* plf) override;
    void SetMargin(UINT nMargin) override { m_nMargin = nMargin; }
    void SetGrid(CGridCtrl* pGrid) override { m_pGrid = pGrid; }
    void SetCoords(int /*nRow*/, int /*nCol*/) override {}

    LPCTSTR GetText() const override { return m_strText.GetString(); }
    LPCTSTR GetKeptValue() const override;
    LPCTSTR GetKeptValueText() const override;
    int GetImage() const override { return m_nImage; }
    LPARAM GetData() const override { return m_lParam; }
    DWORD GetFormat() const override;
    COLORREF GetTextClr() const override { return m_crFgClr; }
    COLORREF GetBackClr() const override { return m_crBkClr; }
    const LOGFONT* GetFont() const override;
    CFont* GetFontObject() const override;
    CGridCtrl* GetGrid() const override { return m_pGrid; }
    CWnd* GetEditWnd() const override { return m_pEditWnd; }
    UINT GetMargin() const override;

    BOOL IsDefaultFont() const override { return m_plfFont == nullptr; }
    BOOL IsEditing() const override { return m_bEditing; }

    void Reset() override;

    BOOL Edit(int nRow, int nCol, CRect rect, CPoint point, UINT nID, UINT nChar) override;
    void EndEdit() override;
    void OnEndEdit() override;

protected:
    CString m_strText;
    // The value kept and the text it belongs to.
    std::unique_ptr<std::pair<CString, CString>> m_pKeptValue;
    LPARAM m_lParam = 0;
    int m_nImage = -1;
    DWORD m_nFormat = 0xFFFFFFFF;
    COLORREF m_crFgClr = CLR_DEFAULT;
    COLORREF m_crBkClr = CLR_DEFAULT;
    std::unique_ptr<LOGFONT> m_plfFont;
    UINT m_nMargin = 0xFFFFFFFF;
    BOOL m_bEditing = FALSE;
    CGridCtrl* m_pGrid = nullptr;
    CWnd* m_pEditWnd = nullptr;
};

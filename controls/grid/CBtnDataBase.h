#pragma once
// The attributes that all button cells of one grid share: text, format, image, colours, data,
// font, margin, the grid and the current in-place edit or list. The owner of the grid keeps one
// and gives it to every button cell; it must live as long as the grid. Row and column arguments
// are taken for the cell's sake and ignored: every button cell sees the same values.

#include "platform/core/CString.h"
#include "platform/core/WinTypes.h"
#include "platform/gdi/CDC.h"
#include "platform/gdi/CFont.h"
#include "platform/gdi/GdiTypes.h"

#include <memory>

class CGridCtrl;
class CWnd;

class CBtnDataBase
{
public:
    CBtnDataBase() = default;
    CBtnDataBase(const CBtnDataBase&) = delete;
    CBtnDataBase& operator=(const CBtnDataBase&) = delete;
    virtual ~CBtnDataBase();

    virtual void SetText(int nRow, int nCol, LPCTSTR szText);
    virtual void SetImage(int nRow, int nCol, int nImage);
    virtual void SetData(int nRow, int nCol, LPARAM lParam);
    virtual void SetFormat(int nRow, int nCol, DWORD nFormat);
    virtual void SetTextClr(int nRow, int nCol, COLORREF clr);
    virtual void SetBackClr(int nRow, int nCol, COLORREF clr);
    virtual void SetFont(int nRow, int nCol, const LOGFONT* plf);
    virtual void SetMargin(int nRow, int nCol, UINT nMargin);
    virtual void SetGrid(CGridCtrl* pGrid);
    virtual void SetEditWnd(CWnd* pWnd);

    virtual LPCTSTR GetText(int nRow, int nCol) const;
    virtual int GetImage(int nRow, int nCol) const;
    virtual LPARAM GetData(int nRow, int nCol) const;
    virtual DWORD GetFormat(int nRow, int nCol) const;
    virtual COLORREF GetTextClr(int nRow, int nCol) const;
    virtual COLORREF GetBackClr(int nRow, int nCol) const;
    // The shared font, or the grid's normal default cell's font without one.
    virtual const LOGFONT* GetFont(int nRow, int nCol) const;
    virtual CFont* GetFontObject(int nRow, int nCol) const;
    virtual UINT GetMargin(int nRow, int nCol) const;
    virtual CGridCtrl* GetGrid() const;
    virtual CWnd* GetEditWnd() const;
    virtual BOOL IsDefaultFont() const;

private:
    CString m_strText;
    DWORD m_nFormat = DT_END_ELLIPSIS | DT_SINGLELINE | DT_VCENTER;
    int m_nImage = -1;
    COLORREF m_crBkClr = CLR_DEFAULT;
    COLORREF m_crFgClr = CLR_DEFAULT;
    LPARAM m_lParam = 0;
    std::unique_ptr<LOGFONT> m_plfFont;
    std::unique_ptr<CFont> m_pFont; // built from m_plfFont on first use
    UINT m_nMargin = 3;
    CGridCtrl* m_pGrid = nullptr;
    CWnd* m_pEditWnd = nullptr;
};

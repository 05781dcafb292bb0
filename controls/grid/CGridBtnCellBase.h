#pragma once
// A cell with up to a few push buttons, check boxes, radio buttons or scroll arrows beside an
// optional text area, drawn as frame controls. The cell keeps its state, position and buttons;
// everything else (image, data, colours, font, margin, grid, edit window) lives in the
// CBtnDataBase that all button cells of a grid share. The per-button operations are empty here;
// CGridBtnCell keeps the buttons.

#include "controls/grid/CBtnDataBase.h"
#include "controls/grid/CGridCellBase.h"

#include <cstdint>
#include <utility>

// Button placement within the cell.
constexpr BYTE BTNPOS_FILL = 0;  // the whole cell (button 0 only)
constexpr BYTE BTNPOS_LEFT = 1;  // left of the text area
constexpr BYTE BTNPOS_RIGHT = 2; // right of the text area

class CGridBtnCellBase : public CGridCellBase
{
    DECLARE_DYNCREATE(CGridBtnCellBase)

public:
    CGridBtnCellBase() = default;
    ~CGridBtnCellBase() override = default;

    void SetBtnDataBase(CBtnDataBase* pBtnDataBase) { m_pBtnDataBase = pBtnDataBase; }
    CBtnDataBase* GetBtnDataBase() const { return m_pBtnDataBase; }

    // --- Attributes kept in the shared data ----------------------------------------------------
    void SetText(LPCTSTR szText) override;
    void SetImage(int nImage) override;
    void SetData(LPARAM lParam) override;
    void SetFormat(DWORD nFormat) override;
    void SetTextClr(COLORREF clr) override;
    void SetBackClr(COLORREF clr) override;
    void SetFont(const LOGFONT* plf) override;
    void SetMargin(UINT nMargin) override;
    void SetGrid(CGridCtrl* pGrid) override;
    void SetCoords(int nRow, int nCol) override
    {
        m_nRow = nRow;
        m_nCol = nCol;
    }
    virtual void SetEditWnd(CWnd* pWnd);

    LPCTSTR GetText() const override;
    int GetImage() const override;
    LPARAM GetData() const override;
    DWORD GetFormat() const override;
    COLORREF GetTextClr() const override;
    COLORREF GetBackClr() const override;
    const LOGFONT* GetFont() const override;
    CFont* GetFontObject() const override;
    UINT GetMargin() const override;
    CGridCtrl* GetGrid() const override;
    CWnd* GetEditWnd() const override;
    BOOL IsDefaultFont() const override { return FALSE; }
    BOOL IsEditing() const override { return m_bEditing; }

    void Reset() override;

    // --- Buttons -------------------------------------------------------------------------------
    virtual int GetBtnCount() const { return m_nBtnCount; }
    // The index of the button last pressed, -1 for none.
    virtual short GetBtnValue16() const { return m_nPressedBtn; }
    virtual int GetMaxBtns() const { return 0; }
    virtual BYTE GetBtnDrawType(int) const { return 0; }
    virtual void SetBtnDrawType(int, BYTE) {}
    virtual UINT GetBtnDrawState(int) const { return 0; }
    virtual void SetBtnDrawState(int, UINT) {}
    // The fixed width of a button; 0 or less for an automatic width.
    virtual int GetBtnValue32(int) const { return -1; }
    virtual void SetBtnValue32(int, int) {}
    // The placement of a button (BTNPOS_*).
    virtual BYTE GetBtnSelector(int) const { return 3; }
    virtual void SetBtnSelector(int, BYTE) {}
    virtual LPCTSTR GetBtnText(int) const { return nullptr; }
    virtual void SetBtnText(int, LPCTSTR) {}
    // Whether a button belongs to the cell's group of mutually exclusive buttons.
    virtual BOOL GetBtnFlag(int) const { return FALSE; }
    virtual void SetBtnFlag(int, BOOL) {}
    virtual void SetBtnCount(int nCount) { m_nBtnCount = std::int16_t(nCount); }
    // The cell's column and row.
    virtual std::pair<int, int> GetCoords() const { return {m_nCol, m_nRow}; }
    // The text area's text, or the captions of the buttons joined by blanks without "&".
    virtual LPCTSTR GetCaptionsText();
    virtual void Assign(const CGridBtnCellBase& cell);

    BOOL SetupBtn(int nIndex, BYTE nDrawType, UINT nDrawState, BYTE nPlacement, int nWidth, BOOL bGroup,
                  LPCTSTR szCaption);

    // One rectangle per button, then the text area; FALSE without buttons or with too little room.
    BOOL CalcBtnRects(CRect* pRects, int nCapacity, const CRect& cell);
    BOOL DrawBtnCell(CDC* pDC, int nRow, int nCol, CRect& rect, BOOL bEraseBkgnd);
    BOOL ProcessBtnMessage(UINT message, int nIndex);
    // The button under a point relative to the cell's top-left corner, -1 for none.
    int HitTestBtn(CPoint point);
    int FindBtnByAccel(UINT nChar) const;
    BOOL HasTextArea();

    // --- Cell operations ----------------------------------------------------------------------
    BOOL Draw(CDC* pDC, int nRow, int nCol, CRect rect, BOOL bEraseBkgnd = TRUE) override;
    BOOL PrintCell(CDC* pDC, int nRow, int nCol, CRect rect) override;
    BOOL GetTextRect(LPRECT pRect) override;
    BOOL GetTipTextRect(LPRECT pRect) override;
    CSize GetCellExtent(CDC* pDC) override;
    BOOL Edit(int nRow, int nCol, CRect rect, CPoint point, UINT nID, UINT nChar) override;
    void EndEdit() override;
    void OnEndEdit() override;
    void OnClick(CPoint point) override;
    void OnClickDown(CPoint point) override;
    void OnDblClick(CPoint point) override;
    void OnRClick(CPoint) override {}

    static constexpr int kMaxRects = 8;

    // Pixels at the cell's left that belong to a cell holding this one (a tree cell's indent):
    // the buttons and the text lie to the right of them.
    void SetLeftInset(int nInset) { m_nLeftInset = nInset; }

protected:
    void HandleBtnMouse(UINT message, CPoint point);
    // Presses and, after a short while, releases a button, then tells the owner of the click.
    void ClickBtn(int nIndex);
    // The cell's rectangle at the origin, as the grid shows it; empty when it cannot be had.
    CRect CellRectAtOrigin() const;

    int m_nRow = -1;
    int m_nCol = -1;
    BOOL m_bEditing = FALSE;

private:
    int m_nLeftInset = 0;
    bool m_bDrawing = false; // the text rectangle is already the text area while the cell draws
    std::int16_t m_nPressedBtn = -1;
    std::int16_t m_nBtnCount = 0;
    CBtnDataBase* m_pBtnDataBase = nullptr;
};

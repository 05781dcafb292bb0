#pragma once
// A cell of a tree column: its level and shown flag, its image, row and column. Format, colours,
// data and font are the tree column's, shared by all its cells. In the tree column the content is
// indented by the level, and the tree lines and the plus/minus box are drawn in the indent.

#include "controls/grid/CGridCellBase.h"
#include "controls/grid/CTreeColumn.h"

#include <cstdint>
#include <utility>

class CGridTreeCellBase : public CGridCellBase
{
    DECLARE_DYNCREATE(CGridTreeCellBase)

public:
    CGridTreeCellBase() = default;
    ~CGridTreeCellBase() override = default;

    void SetTreeColumn(CTreeColumn* pTreeColumn) { m_pTreeColumn = pTreeColumn; }
    CTreeColumn* GetTreeColumn() const { return m_pTreeColumn; }
    void SetLevelAndHide(BYTE nLevelAndHide) { m_nLevelAndHide = nLevelAndHide; }
    BYTE GetLevelAndHide() const { return m_nLevelAndHide; }
    int GetLevel() const { return m_nLevelAndHide & TREE_LEVEL_MASK; }
    bool IsViewable() const { return (m_nLevelAndHide & TREE_VIEWABLE) != 0; }
    void SetViewable(bool bViewable)
    {
        m_nLevelAndHide = BYTE(bViewable ? (m_nLevelAndHide | TREE_VIEWABLE) : (m_nLevelAndHide & TREE_LEVEL_MASK));
    }

    void SetData(LPARAM lParam) override;
    LPARAM GetData() const override;
    void SetFormat(DWORD nFormat) override;
    DWORD GetFormat() const override;
    void SetTextClr(COLORREF clr) override;
    COLORREF GetTextClr() const override;
    void SetBackClr(COLORREF clr) override;
    COLORREF GetBackClr() const override;
    // Also makes the tree's indent per level the font's line height.
    void SetFont(const LOGFONT* plf) override;
    const LOGFONT* GetFont() const override;
    CFont* GetFontObject() const override;
    // The margin is the grid's: all four default cells take it.
    void SetMargin(UINT nMargin) override;
    UINT GetMargin() const override;
    CGridCtrl* GetGrid() const override;
    CWnd* GetEditWnd() const override;
    BOOL IsDefaultFont() const override;
    BOOL IsEditing() const override { return m_bEditing; }
    void SetImage(int nImage) override { m_nImage = std::int16_t(nImage); }
    int GetImage() const override { return m_nImage; }
    void SetCoords(int nRow, int nCol) override
    {
        m_nRow = nRow;
        m_nCol = nCol;
    }
    virtual std::pair<int, int> GetCoords() const { return {m_nCol, m_nRow}; }
    virtual void Assign(const CGridTreeCellBase& cell);

    void Reset() override;

    int GetTreeIndent() const;
    // The plus/minus box relative to the cell's top-left corner.
    CRect GetPlusMinusRect() const;
    BOOL HitTestPlusMinus(CPoint point) const;

    BOOL Draw(CDC* pDC, int nRow, int nCol, CRect rect, BOOL bEraseBkgnd = TRUE) override;
    BOOL PrintCell(CDC* pDC, int nRow, int nCol, CRect rect) override;
    BOOL GetTextRect(LPRECT pRect) override;
    CSize GetCellExtent(CDC* pDC) override;
    void OnClickDown(CPoint point) override;
    void OnDblClick(CPoint point) override;

protected:
    // Draws the tree part and narrows the rectangle by the indent; FALSE when the tree is not ready.
    BOOL DrawTreePart(CDC* pDC, int nRow, int nCol, CRect& rect, BOOL bEraseBkgnd);
    // Toggles the branch when a double click on the cell does not start an edit.
    bool ToggleOnDblClick(CPoint point);
    // Draws what lies right of the indent.
    virtual BOOL DrawContent(CDC* pDC, int nRow, int nCol, CRect rect, BOOL bEraseBkgnd);
    // While the cell draws, the rectangle it is given is already indented.
    bool IsDrawing() const { return m_bDrawing; }

    BOOL m_bEditing = FALSE;
    int m_nRow = -1;
    int m_nCol = -1;

private:
    void DrawTreeLines(CDC* pDC, int nRow, const CRect& rect);
    void ShowStateImage(int nRow);

    bool m_bDrawing = false; // the text rectangle is already indented while the cell draws
    BYTE m_nLevelAndHide = TREE_VIEWABLE;
    std::int16_t m_nImage = -1;
    CTreeColumn* m_pTreeColumn = nullptr;
};

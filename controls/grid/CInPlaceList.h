#pragma once
// The combo box a combo cell places over itself while its value is picked. It ends on Enter, Tab,
// Escape (restoring the text), a navigation key with Ctrl, a choice from the list or loss of focus,
// reports the text to the grid as notification -106 (GridDispInfo, the ending key as lParam) and
// destroys itself. The combo box's edit field is part of the window here, so its keys and its loss
// of focus arrive at the list itself. The list drops four cell heights and widens its window to
// its widest item; under the data editor's policy it drops five and keeps the cell's width.

#include "platform/core/CStringArray.h"
#include "platform/gdi/CDC.h"
#include "platform/ui/CComboBox.h"

class CInPlaceList : public CComboBox
{
public:
    CInPlaceList(CWnd* pParent, CRect& rect, DWORD dwStyle, UINT nID, int nRow, int nColumn,
                 const CStringArray& items, CString sInitText, UINT nFirstChar);
    ~CInPlaceList() override;

    void EndEdit();
    UINT GetLastKey() const { return m_nLastChar; }

    // Cell heights the list drops below its cell: 4, under the data editor's policy 5.
    int DropDownLines() const { return m_bEditorList ? 5 : 4; }
    // The data editor's drop width: the widest entry, a scroll bar and a "0", at most 200 pixels.
    int CorrectDropWidth();

    static constexpr int kMaxDropWidth = 200;

protected:
    void PostNcDestroy() override;
    BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
    afx_msg void OnKillFocus(CWnd* pNewWnd);
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg UINT OnGetDlgCode();
    DECLARE_MESSAGE_MAP()

private:
    void FitWidthToItems(CWnd* pParent, CRect& rect, int nCellHeight);
    void FitDropWidth(CWnd* pParent, const CRect& rect, int nCellHeight);
    int WidestItem(CDC& dc) const;
    void SelectInitialText();
    void StartWith(UINT nFirstChar);
    void EndWithKey(UINT nChar);
    void OnSelendOK();

    int m_nRow;
    int m_nColumn;
    CString m_sInitText;
    UINT m_nLastChar = 0;
    BOOL m_bExitOnArrows = FALSE;
    bool m_bEnding = false;
    // The data editor's list (GridPolicy::editorDropList).
    bool m_bEditorList = false;
    // The open list has just closed: a choice that follows was made in it.
    bool m_bClosedUp = false;
};

#pragma once
// The edit control a text cell places over itself while it is edited. It ends on Enter, Tab,
// Escape (restoring the text), a navigation key or loss of focus, reports the result to the grid
// as notification -106 (GridDispInfo, the ending key as lParam) and destroys itself.

#include "platform/ui/CEdit.h"

class CInPlaceEdit : public CEdit
{
public:
    CInPlaceEdit(CWnd* pParent, CRect& rect, DWORD dwStyle, UINT nID, int nRow, int nColumn,
                 CString sInitText, UINT nFirstChar);
    ~CInPlaceEdit() override;

    void EndEdit();
    // The edit style that aligns the text as a cell's DrawText format does.
    static DWORD StyleForFormat(DWORD nFormat);
    // Tells the owner (else the parent) of an in-place window that editing ended: notification
    // -106 with the window's text and the ending key.
    // Tells the owner the edit ended; a negative answer refuses the text (the edit goes on).
    static LRESULT NotifyEndEdit(CWnd* pEditWnd, int nRow, int nColumn, UINT nLastKey);
    // Types a character as the first key of an edit does (Backspace deletes the last one).
    void TypeCharacter(UINT nChar) { TypeFirstCharacter(nChar); }
    UINT GetLastKey() const { return m_nLastChar; }

    BOOL PreTranslateMessage(MSG* pMsg) override;

protected:
    void PostNcDestroy() override;
    afx_msg void OnKillFocus(CWnd* pNewWnd);
    afx_msg void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg UINT OnGetDlgCode();
    DECLARE_MESSAGE_MAP()

private:
    void StartWith(UINT nFirstChar);
    void TypeFirstCharacter(UINT nChar);
    void GrowToText();

    int m_nRow;
    int m_nColumn;
    CString m_sInitText;
    UINT m_nLastChar = 0;
    BOOL m_bExitOnArrows;
    CRect m_Rect;
    bool m_bEnding = false;
    // The data editor's keys (GridPolicy::editorInPlaceKeys).
    bool m_bEditorKeys = false;
};

#pragma once
// Edit controls, single- and multi-line (class "EDIT"). Positions count characters.

#include "platform/ui/CWnd.h"

class QLineEdit;
class QPlainTextEdit;
class QString;

class CEdit : public CWnd
{
    DECLARE_DYNAMIC(CEdit)
public:
    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    void SetSel(int nStartChar, int nEndChar, BOOL bNoScroll = FALSE);
    void SetSel(DWORD dwSelection, BOOL bNoScroll = FALSE)
    {
        SetSel(int(short(LOWORD(dwSelection))), int(short(HIWORD(dwSelection))), bNoScroll);
    }
    void GetSel(int& nStartChar, int& nEndChar) const;
    DWORD GetSel() const;
    void ReplaceSel(LPCTSTR lpszNewText, BOOL bCanUndo = FALSE);
    void LimitText(int nChars = 0);
    void SetLimitText(UINT nMax) { LimitText(int(nMax)); }
    UINT GetLimitText() const;
    BOOL SetReadOnly(BOOL bReadOnly = TRUE);
    int GetLineCount() const;
    int LineFromChar(int nIndex = -1) const;
    int LineIndex(int nLine = -1) const;
    int LineLength(int nLine = -1) const;
    int GetLine(int nIndex, LPTSTR lpszBuffer, int nMaxLength) const;
    BOOL GetModify() const;
    void SetModify(BOOL bModified = TRUE);
    BOOL CanUndo() const;
    BOOL Undo();
    void EmptyUndoBuffer() {}
    void Clear();
    void Copy();
    void Cut();
    void Paste();

protected:
    QWidget* CreateWidget(const CREATESTRUCT& cs, QWidget* parent) override;
    void ConnectWidget() override;
    LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    QLineEdit* Line() const;
    QPlainTextEdit* Multi() const;
    QString Text() const;
    void SetText(const QString& text);
    void ApplyEditStyle();
};

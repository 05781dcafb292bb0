#pragma once
// Combo boxes: simple, drop-down and drop-down list (class "COMBOBOX"). Indexes are 0-based;
// CB_ERR (-1) for none.

#include "platform/ui/CWnd.h"

class QComboBox;
class QString;

class CComboBox : public CWnd
{
    DECLARE_DYNAMIC(CComboBox)
public:
    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    int GetCount() const;
    int GetCurSel() const;
    int SetCurSel(int nSelect);
    int AddString(LPCTSTR lpszString);
    int InsertString(int nIndex, LPCTSTR lpszString);
    int DeleteString(UINT nIndex);
    void ResetContent();
    int GetLBText(int nIndex, LPTSTR lpszText) const;
    void GetLBText(int nIndex, CString& rString) const;
    int GetLBTextLen(int nIndex) const;
    // The first item from after nStartAfter (-1: from the top) whose text begins with the text,
    // ignoring case; wraps around.
    int FindString(int nStartAfter, LPCTSTR lpszString) const;
    int FindStringExact(int nIndexStart, LPCTSTR lpszFind) const;
    int SelectString(int nStartAfter, LPCTSTR lpszString);
    int SetItemData(int nIndex, DWORD_PTR dwItemData);
    DWORD_PTR GetItemData(int nIndex) const;
    int SetItemDataPtr(int nIndex, void* pData)
    {
        return SetItemData(nIndex, reinterpret_cast<DWORD_PTR>(pData));
    }
    void* GetItemDataPtr(int nIndex) const { return reinterpret_cast<void*>(GetItemData(nIndex)); }
    int SetDroppedWidth(UINT nWidth);
    int GetDroppedWidth() const;
    void ShowDropDown(BOOL bShowIt = TRUE);
    BOOL GetDroppedState() const;
    // The box with its list open, in screen coordinates: as high as the box was created.
    void GetDroppedControlRect(LPRECT lprect) const;
    BOOL LimitText(int nMaxChars);
    BOOL SetEditSel(int nStartChar, int nEndChar);
    DWORD GetEditSel() const;

protected:
    QWidget* CreateWidget(const CREATESTRUCT& cs, QWidget* parent) override;
    void ConnectWidget() override;
    LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    QComboBox* Box() const;
    bool Editable() const { return (m_style & 0x3) != CBS_DROPDOWNLIST; }
    int SortedPosition(const QString& text) const;
    int m_silent = 0; // > 0 while the program changes the selection
    int m_droppedHeight = 0;
};

#pragma once
// Tab controls (class "SysTabControl32"). A change by the user is announced to the owner with
// TCN_SELCHANGING (a nonzero reply keeps the tab) and then TCN_SELCHANGE.

#include "platform/ui/CWnd.h"

class QTabBar;

constexpr UINT TCN_SELCHANGE = UINT(-551);
constexpr UINT TCN_SELCHANGING = UINT(-552);
constexpr UINT TCIF_TEXT = 0x0001;
constexpr UINT TCIF_IMAGE = 0x0002;
constexpr UINT TCIF_PARAM = 0x0008;

struct TCITEM
{
    UINT mask = 0;
    DWORD dwState = 0;
    DWORD dwStateMask = 0;
    LPTSTR pszText = nullptr;
    int cchTextMax = 0;
    int iImage = -1;
    LPARAM lParam = 0;
};

class CTabCtrl : public CWnd
{
    DECLARE_DYNAMIC(CTabCtrl)
public:
    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    LONG InsertItem(int nItem, LPCTSTR lpszItem);
    LONG InsertItem(int nItem, TCITEM* pTabCtrlItem);
    BOOL SetItem(int nItem, TCITEM* pTabCtrlItem);
    BOOL GetItem(int nItem, TCITEM* pTabCtrlItem) const;
    BOOL DeleteItem(int nItem);
    BOOL DeleteAllItems();
    int GetItemCount() const;
    int GetCurSel() const;
    int SetCurSel(int nItem);
    BOOL GetItemRect(int nItem, LPRECT lpRect) const;
    // With bLarger, the control's rectangle for a display rectangle; otherwise the display
    // rectangle (below the tabs) for the control's rectangle.
    void AdjustRect(BOOL bLarger, LPRECT lpRect);

protected:
    QWidget* CreateWidget(const CREATESTRUCT& cs, QWidget* parent) override;
    void ConnectWidget() override;
    LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    QTabBar* Bar() const;
    void OnUserChange(int index);
    LRESULT Notify(UINT code);
    int m_current = -1;
    int m_silent = 0;
};

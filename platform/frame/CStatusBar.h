#pragma once
// The status bar over QStatusBar: pane 0 carries the status line (messages and prompts), the
// other panes the indicators, each shown in its string's text and updated when idle.

#include "platform/frame/CControlBar.h"

#include <vector>

class QLabel;

class CStatusBar : public CControlBar
{
    DECLARE_DYNAMIC(CStatusBar)

public:
    BOOL Create(CWnd* pParentWnd, DWORD dwStyle = WS_CHILD | WS_VISIBLE | CBRS_BOTTOM,
                UINT nID = AFX_IDW_STATUS_BAR);
    BOOL CreateEx(CWnd* pParentWnd, DWORD dwCtrlStyle = 0, DWORD dwStyle = WS_CHILD | WS_VISIBLE | CBRS_BOTTOM,
                  UINT nID = AFX_IDW_STATUS_BAR);

    BOOL SetIndicators(const UINT* lpIDArray, int nIDCount);
    BOOL SetPaneText(int nIndex, LPCTSTR lpszNewText, BOOL bUpdate = TRUE);
    CString GetPaneText(int nIndex) const;
    void GetPaneText(int nIndex, CString& rString) const { rString = GetPaneText(nIndex); }
    // The width of a text in the bar's font, pixels.
    int GetTextWidth(LPCTSTR lpszText) const;
    void SetPaneInfo(int nIndex, UINT nID, UINT nStyle, int cxWidth);
    void GetPaneInfo(int nIndex, UINT& nID, UINT& nStyle, int& cxWidth) const;
    UINT GetPaneStyle(int nIndex) const;
    void SetPaneStyle(int nIndex, UINT nStyle);
    int GetCount() const override { return int(m_panes.size()); }
    int CommandToIndex(UINT nIDFind) const;
    UINT GetItemID(int nIndex) const;
    void GetItemRect(int nIndex, LPRECT lpRect) const;

    void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) override;

protected:
    QWidget* CreateWidget(const CREATESTRUCT& cs, QWidget* parent) override;

private:
    struct Pane
    {
        UINT id = 0;
        UINT style = SBPS_NORMAL;
        int width = 0;
        CString text;
        QLabel* label = nullptr;
    };
    void ShowPane(Pane& pane);

    std::vector<Pane> m_panes;
};

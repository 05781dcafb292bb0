#pragma once
// The base of the bars that a frame docks around its view (tool bars, the status bar).

#include "platform/frame/FrameIds.h"
#include "platform/ui/CWnd.h"

class CFrameWnd;

class CControlBar : public CWnd
{
    DECLARE_DYNAMIC(CControlBar)

public:
    ~CControlBar() override;

    DWORD GetBarStyle() const { return m_dwStyle; }
    virtual void SetBarStyle(DWORD dwStyle) { m_dwStyle = dwStyle; }
    void EnableDocking(DWORD dwDockStyle);
    DWORD GetDockStyle() const { return m_dwDockStyle; }
    CFrameWnd* GetDockingFrame() const { return m_pDockSite; }
    BOOL IsFloating() const;
    BOOL IsVisible() const;
    // Takes the window's visibility after the frame restored the bars' layout.
    void SyncVisibleStyle();
    virtual int GetCount() const { return 0; }

    // Runs the update handlers of the bar's items against the target (a frame).
    virtual void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) = 0;

protected:
    // Creates the bar's window as a child of the frame and hands it to the frame.
    BOOL CreateBar(CWnd* pParentWnd, DWORD dwStyle, UINT nID);

    DWORD m_dwStyle = 0;
    DWORD m_dwDockStyle = 0;
    CFrameWnd* m_pDockSite = nullptr;

    friend class CFrameWnd;
};

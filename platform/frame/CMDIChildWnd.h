#pragma once
// A child frame of an MDI main frame: one document's view in a sub-window of the main frame's
// MDI area. Closing it closes its document when it shows the document's last view.

#include "platform/frame/CFrameWnd.h"

class CMDIFrameWnd;
class QMdiSubWindow;

class CMDIChildWnd : public CFrameWnd
{
    DECLARE_DYNCREATE(CMDIChildWnd)

public:
    BOOL LoadFrame(UINT nIDResource, DWORD dwDefaultStyle = WS_CHILD | WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE,
                   CWnd* pParentWnd = nullptr, CCreateContext* pContext = nullptr) override;
    CMDIFrameWnd* GetMDIFrame() const;
    void MDIActivate();
    void MDIMaximize();
    void MDIRestore();
    void MDIDestroy();
    void ActivateFrame(int nCmdShow = -1) override;
    void OnUpdateFrameTitle(BOOL bAddToTitle) override;
    // Activation by the MDI area: the active view hears of it.
    virtual void OnMDIActivate(BOOL bActivate, CWnd* pActivateWnd, CWnd* pDeactivateWnd);

    QMdiSubWindow* SubWindow() const;
    // The icon of the frame and of its sub-window's title bar.
    void ShowIcon(HICON icon);

protected:
    QWidget* CreateWidget(const CREATESTRUCT& cs, QWidget* parent) override;
    afx_msg void OnDestroy();

    DECLARE_MESSAGE_MAP()
};

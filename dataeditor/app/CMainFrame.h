#pragma once
// The data editor's main window: menu bar, the main tool bar (1061) and the editing tool bar
// (1064), the user's own tool bars, the status bar with the progress, the language dialog,
// the windows dialog and the open requests of later starts.

#include "platform/frame/CMDIFrameWnd.h"
#include "dataeditor/controls/CSobrelStatusBar.h"
#include "platform/frame/CToolBar.h"

#include <QImage>

#include <memory>

class ContextHelpPicker;
class UserToolBars;

class CMainFrame : public CMDIFrameWnd
{
    DECLARE_DYNCREATE(CMainFrame)

public:
    CMainFrame();
    ~CMainFrame() override;

    // Progress on the status bar (position -1 ends it); start runs the bar as a snake that the
    // timer moves.
    void ShowProgress(int position, int range, const CString& text, bool showPercent, bool start);
    bool ProgressRunning() const { return m_progressTimer; }
    int ProgressStep() const { return m_progressStep; }
    // What the first pane shows: the progress bar's text while it stands over the pane.
    CString StatusText();

    // An open request "path\ttable\textra" of a later start.
    void HandleOpenRequest(const CString& request);
    void BringToFront();

    // Bars: first layout, state per language.
    void ResetBars();
    void SaveBars(const CString& section);
    void LoadBars(const CString& section);
    bool HasBarState(const CString& section) const;
    void ShowToolBarMenu(CPoint screen);

    CSobrelStatusBar m_wndStatusBar;
    CToolBar m_wndToolBar;
    CToolBar m_wndEditBar;
    std::unique_ptr<UserToolBars> m_userBars;
    std::unique_ptr<ContextHelpPicker> m_contextHelp;
    QImage m_userImages;

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpcs);
    afx_msg void OnClose();
    afx_msg void OnTimer(UINT_PTR id);
    afx_msg void OnViewEditBar();
    afx_msg void OnUpdateViewEditBar(CCmdUI* pCmdUI);
    afx_msg void OnCustomize();
    afx_msg void OnWindowsDialog();
    afx_msg void OnLanguage();
    afx_msg void OnUpdateLanguage(CCmdUI* pCmdUI);
    afx_msg void OnResetBars();
    afx_msg void OnRowFormats();
    afx_msg void OnUserToolBar(UINT id);
    afx_msg void OnUpdateUserToolBar(CCmdUI* pCmdUI);
    afx_msg void OnHelpFinder();
    afx_msg void OnContextHelp();
    afx_msg void OnDefaultHelp();

    DECLARE_MESSAGE_MAP()

private:
    bool CreateBars();
    void DockFirstLayout();

    void StopProgressTimer();

    int m_progressStep = 0;
    bool m_progressTimer = false;
};

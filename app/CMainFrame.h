#pragma once
// The main window: tool bar, status bar, the logo and the start picture; it dispatches the design
// commands, the settings sheet and the data editor on the catalogue sheets.

#include "app/CLogo.h"
#include "platform/frame/CFrameWnd.h"
#include "platform/frame/CStatusBar.h"
#include "platform/frame/CToolBar.h"

#include <memory>

class CCmdUI;
class CSplashWnd;
class CVorbica;

class CMainFrame : public CFrameWnd
{
    DECLARE_DYNCREATE(CMainFrame)

public:
    CMainFrame();
    ~CMainFrame() override;

    BOOL PreCreateWindow(CREATESTRUCT& cs) override;
    void WinHelp(DWORD_PTR dwData, UINT nCmd = HELP_CONTEXT) override;
    void ActivateFrame(int nCmdShow = -1) override;
    // Every command routed here; once one has run, which reports have data is checked again.
    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, void* pHandlerInfo) override;

    // The changed-conditions command; with the quiet flag set it computes without a dialog.
    void EditChangedConditions();
    // The floor calculation settings (without a dialog while the skip flag is set): the result.
    int EditFloorCalculationSettings();
    // Runs the settings sheet on the given page (-1: the owner page when the organisation is
    // missing, else the first).
    void RunSettings(int startPage = -1);
    // The basic data of the run's first project, when it waits for them (after the settings
    // sheet that start-up shows without the owner data).
    void PostPendingBasicData();
    // Checks the heat-loss input of the project model and computes every room's loss with the
    // settings' check switches and rounding, showing the calculation's messages: 1 when every
    // room was computed, 0 when a check stopped it.
    int CalculateHeatLosses();
    // Shows a hint in the first pane of the status bar (a string id; 0 gives the idle text).
    void ShowHint(UINT nID);

    BYTE m_bQuiet = 0;
    int m_nDesignTemperatureFlag = 0;
    CSplashWnd* m_pSplash = nullptr;
    CLogo m_wndLogo;
    CStatusBar m_wndStatusBar;
    CToolBar m_wndToolBar;

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnDestroy();
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnMove(int x, int y);
    afx_msg LRESULT OnLogoClick(WPARAM wParam, LPARAM lParam);
    afx_msg void OnSettings();
    afx_msg void OnChangedConditions();
    afx_msg void OnSplitLosses();
    afx_msg void OnDistributionSizing();
    afx_msg void OnWallDesign();
    afx_msg void OnFloorDesign();
    afx_msg void OnChooseCad();
    afx_msg void OnDataEditorStK();
    afx_msg void OnDataEditorOtK();
    afx_msg void OnDataEditorOtI();
    afx_msg void OnDataEditorOt();
    afx_msg void OnDataEditorPoUp();
    afx_msg void OnUpdateNever(CCmdUI* pCmdUI);
    afx_msg void OnUpdateHeatLoss(CCmdUI* pCmdUI);
    afx_msg void OnHeatLossCalculation();
    DECLARE_MESSAGE_MAP()

private:
    void StartDataEditor(const char* sheet);
    // The CAD button of the CAD choice: made on first use, kept until the program ends.
    std::unique_ptr<CVorbica> m_pCadButton;
    void ShowStartPicture();
};

#pragma once
// The application object: one global instance derived from CWinApp. The program's main()
// hands over to AfxWinMain, which runs InitInstance, the message loop (with idle-time command
// updates of the frames' bars) and ExitInstance.

#include "platform/frame/CCommandLineInfo.h"
#include "platform/ui/CCmdTarget.h"

#include <memory>
#include <vector>

class CDocTemplate;
class CDocument;
class CRecentFileList;
class CWnd;

class CWinApp : public CCmdTarget
{
    DECLARE_DYNAMIC(CWinApp)

public:
    explicit CWinApp(LPCTSTR lpszAppName = nullptr);
    ~CWinApp() override;

    // Start-up and shut-down.
    virtual BOOL InitInstance();
    virtual int ExitInstance();
    virtual int Run();
    // Idle work; lCount counts the calls since the last message. TRUE asks for more.
    virtual BOOL OnIdle(LONG lCount);
    // While it lives, the idle work runs whenever the event loop is about to wait (as in Run).
    class IdleHook
    {
    public:
        explicit IdleHook(CWinApp& app);
        ~IdleHook();
        IdleHook(const IdleHook&) = delete;
        IdleHook& operator=(const IdleHook&) = delete;

    private:
        struct State;
        std::unique_ptr<State> m_state;
    };

    // Command line.
    void ParseCommandLine(CCommandLineInfo& rCmdInfo);
    BOOL ProcessShellCommand(CCommandLineInfo& rCmdInfo);

    // Documents.
    void AddDocTemplate(CDocTemplate* pTemplate);
    POSITION GetFirstDocTemplatePosition() const;
    CDocTemplate* GetNextDocTemplate(POSITION& rPosition) const;
    virtual CDocument* OpenDocumentFile(LPCTSTR lpszFileName);
    virtual void AddToRecentFileList(LPCTSTR lpszPathName);
    BOOL SaveAllModified();
    void CloseAllDocuments(BOOL bEndSession);
    int GetOpenDocumentCount() const;
    // The file dialog of Open and Save As; fileName is the proposal and the answer.
    virtual BOOL DoPromptFileName(CString& fileName, UINT nIDSTitle, DWORD lFlags, BOOL bOpenFileDialog,
                                  CDocTemplate* pTemplate);
    void HideApplication();

    // Profile: HKEY_CURRENT_USER\Software\<registry key>\<profile name>.
    void SetRegistryKey(LPCTSTR lpszRegistryKey);
    void SetRegistryKey(UINT nIDRegistryKey);
    void LoadStdProfileSettings(UINT nMaxMRU = 4);
    CString GetProfileString(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPCTSTR lpszDefault = nullptr);
    UINT GetProfileInt(LPCTSTR lpszSection, LPCTSTR lpszEntry, int nDefault);
    BOOL WriteProfileString(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPCTSTR lpszValue);
    BOOL WriteProfileInt(LPCTSTR lpszSection, LPCTSTR lpszEntry, int nValue);

    // Settings that cost nothing here.
    void Enable3dControls() {}
    void Enable3dControlsStatic() {}
    void EnableShellOpen() {}
    void RegisterShellFileTypes(BOOL = FALSE) {}

    // A context request opens the help folder's page "<context>.html" (the index when that page
    // is missing), any other request the index; without a help folder nothing happens.
    virtual void WinHelp(DWORD_PTR dwData, UINT nCmd);
    // The folder "help" beside the program.
    virtual CString GetHelpFolder() const;
    // Shows a help page (a file path) in the desktop's browser.
    virtual void OpenHelpPage(const CString& path);

    // Commands of the application.
    afx_msg void OnFileNew();
    afx_msg void OnFileOpen();
    afx_msg void OnFilePrintSetup();
    afx_msg void OnAppExit();
    afx_msg BOOL OnOpenRecentFile(UINT nID);
    afx_msg void OnUpdateRecentFileMenu(CCmdUI* pCmdUI);
    afx_msg void OnHelp();

    // Strings owned by the application (kept as allocated C strings, as callers may replace them).
    LPCTSTR m_pszAppName = nullptr;
    LPCTSTR m_pszExeName = nullptr;
    LPCTSTR m_pszProfileName = nullptr;
    LPCTSTR m_pszRegistryKey = nullptr;
    LPCTSTR m_pszHelpFilePath = nullptr;
    LPCTSTR m_lpCmdLine = "";
    HINSTANCE m_hInstance = nullptr;
    int m_nCmdShow = SW_SHOWNORMAL;
    CWnd* m_pMainWnd = nullptr;
    CRecentFileList* m_pRecentFileList = nullptr;

    // The program's arguments (set by AfxWinMain).
    std::vector<CString> m_arguments;

protected:
    DECLARE_MESSAGE_MAP()

private:
    std::vector<CDocTemplate*> m_templates;
    std::unique_ptr<CRecentFileList> m_recentFiles;
};

CWinApp* AfxGetApp();
CWnd* AfxGetMainWnd();
LPCTSTR AfxGetAppName();
// Runs the application object: InitInstance, the message loop, ExitInstance. The exit code.
int AfxWinMain(int argc, char** argv);
// Ends the message loop.
void AfxPostQuitMessage(int nExitCode);

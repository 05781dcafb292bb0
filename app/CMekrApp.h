#pragma once
// The application object of the heating design program: start-up (settings, language, command
// line, the document template), its own commands, and the settings written back at the end.

#include "app/LanguageLibraries.h"
#include "common/AppSettings.h"
#include "platform/frame/CWinApp.h"

class CCmdUI;
class CMojeCommandLineInfo;

class CMekrApp : public CWinApp
{
public:
    CMekrApp();

    BOOL InitInstance() override;
    int ExitInstance() override;
    CDocument* OpenDocumentFile(LPCTSTR lpszFileName) override;

    // The settings, captions, row formats, colours and modified flags of the whole program.
    AppSettings& m_settings;
    LanguageLibraries m_languages;
    HINSTANCE m_hOwnResources = nullptr;
    HINSTANCE m_hCurrentResources = nullptr;
    // Where the language packs lie and the program name they begin with; the program's own
    // folder and name unless a test says otherwise.
    CString m_strLanguageFolder;
    CString m_strProgramBaseName = "Mekr";
    // The help file path: the framework's, ending in ".chm".
    CString m_strHelpFilePath;
    static CString HelpFilePathOf(const CString& frameworkPath);

    // Whether the project holds the sheets "SeznamV$", "SeznamM$" and "DimenzSegm$", asked
    // after loading without a message: TRUE when it holds all three.
    BOOL DetectProjectContent();

    // The start of every run: start values, the profile with its settings and folders, the
    // language; nothing is written.
    void ReadStartSettings();
    // Reads the language packs and selects the language of the stored code; TRUE when a pack is used.
    BOOL SelectLanguageResources();
    // The icon and the bridge module of the stored CAD code, from a CAD button made for the purpose.
    void LoadCadIcon();

protected:
    afx_msg void OnAppAbout();
    afx_msg void OnInputData();
    afx_msg void OnBasicData();
    afx_msg void OnAppSettings();
    afx_msg void OnUpdateInputData(CCmdUI* pCmdUI);
    afx_msg void OnNotAvailable();
    DECLARE_MESSAGE_MAP()

private:
    void ApplyCommandLine(const CMojeCommandLineInfo& info);
    void ApplyProjectFolders();
};

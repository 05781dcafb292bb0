#include "app/CMekrApp.h"

#include "app/CAboutDlg.h"
#include "app/CMainFrame.h"
#include "app/CMekrDoc.h"
#include "app/CMekrView.h"
#include "app/CMojeCommandLineInfo.h"
#include "app/MekrIds.h"
#include "app/NotAvailable.h"
#include "platform/core/FileOps.h"
#include "platform/core/NumberText.h"
#include "platform/core/Profile.h"
#include "platform/core/Resources.h"
#include "platform/core/UserLocale.h"
#include "platform/frame/CSingleDocTemplate.h"
#include "platform/gdi/SystemMetrics.h"
#include "platform/ui/CCmdUI.h"

BEGIN_MESSAGE_MAP(CMekrApp, CWinApp)
    ON_COMMAND(ID_APP_ABOUT, OnAppAbout)
    ON_COMMAND(ID_INPUT_DATA, OnInputData)
    ON_UPDATE_COMMAND_UI(ID_INPUT_DATA, OnUpdateInputData)
    ON_COMMAND(ID_BASIC_DATA, OnBasicData)
    ON_COMMAND(ID_APP_SETTINGS, OnAppSettings)
    ON_COMMAND(ID_FILE_NEW, CWinApp::OnFileNew)
    ON_COMMAND(ID_FILE_OPEN, OnNotAvailable)
    ON_COMMAND(ID_FILE_PRINT_SETUP, CWinApp::OnFilePrintSetup)
END_MESSAGE_MAP()

CMekrApp::CMekrApp() : CWinApp("kalvenrod"), m_settings(AppSettings::Get()) {}

BOOL CMekrApp::InitInstance()
{
    m_settings.SetStartValues(GetSysColor(COLOR_INACTIVEBORDER));
    // Numbers in the program's texts take the user's decimal separator.
    NumberText::SetFormatSeparator(UserLocale::Current().decimalSeparator);

    SetRegistryKey("Kolp");
    LoadStdProfileSettings(4);
    SelectLanguageResources();
    m_settings.LoadCaptions();

    m_settings.ReadInstallDir();
    m_settings.ReadSettings();
    m_settings.ReadPaths();

    CMojeCommandLineInfo cmdInfo;
    ParseCommandLine(cmdInfo);
    ApplyCommandLine(cmdInfo);
    m_settings.ClearAreaFlags();

    m_strHelpFilePath = m_pszHelpFilePath ? m_pszHelpFilePath : "";
    if (m_strHelpFilePath.Right(4).CompareNoCase(".hlp") == 0)
        m_strHelpFilePath = m_strHelpFilePath.Left(m_strHelpFilePath.GetLength() - 4) + ".chm";

    AddDocTemplate(new CSingleDocTemplate(IDR_MAINFRAME, RUNTIME_CLASS(CMekrDoc), RUNTIME_CLASS(CMainFrame),
                                          RUNTIME_CLASS(CMekrView)));
    const bool ownerMissing = m_settings.UserFirm.IsEmpty() || m_settings.UserBase.IsEmpty();
    if (!ProcessShellCommand(cmdInfo))
        return FALSE;
    // Without the owner data the settings sheet follows once the main window is up.
    if (ownerMissing && m_pMainWnd)
        m_pMainWnd->PostMessage(WM_COMMAND, ID_SETTINGS);
    return TRUE;
}

void CMekrApp::ApplyCommandLine(const CMojeCommandLineInfo& info)
{
    m_settings.ProjectInfoPath = info.m_strProjectInfoPath;
    m_settings.CommandLineFile = info.m_strFileName;
}

BOOL CMekrApp::SelectLanguageResources()
{
    const CString folder =
        m_strLanguageFolder.IsEmpty() ? CString(FileOps::ProgramFolder()) : m_strLanguageFolder;
    m_languages.Load(folder.str(), m_strProgramBaseName.str());
    m_settings.Language = m_languages.Choose(Profile::GetString("Settings", "Language", ""));
    m_hOwnResources = AfxGetInstanceHandle();
    m_hCurrentResources = m_hOwnResources;
    HMODULE pack = m_languages.ModuleOf(m_settings.Language);
    if (!pack)
    {
        AfxSetResourceHandle(m_hOwnResources);
        return FALSE;
    }
    m_hCurrentResources = pack;
    AfxSetResourceHandle(m_hCurrentResources);
    return TRUE;
}

int CMekrApp::ExitInstance()
{
    m_settings.WriteSettings();
    if (m_settings.AnyAreaModified())
    {
        HideApplication();
        CloseAllDocuments(TRUE);
    }
    return CWinApp::ExitInstance();
}

CDocument* CMekrApp::OpenDocumentFile(LPCTSTR lpszFileName)
{
    return CWinApp::OpenDocumentFile(lpszFileName);
}

void CMekrApp::OnAppAbout()
{
    CAboutDlg about;
    about.DoModal();
}

// The heat-loss input and the basic data come with the building data of the project.
void CMekrApp::OnInputData()
{
    ShowNotAvailable();
}

void CMekrApp::OnBasicData()
{
    ShowNotAvailable();
}

void CMekrApp::OnUpdateInputData(CCmdUI* pCmdUI)
{
    // Enabled once a project has a building type; the project model does not hold one yet.
    pCmdUI->Enable(FALSE);
}

void CMekrApp::OnAppSettings()
{
    if (m_pMainWnd)
        m_pMainWnd->SendMessage(WM_COMMAND, ID_SETTINGS);
}

void CMekrApp::OnNotAvailable()
{
    ShowNotAvailable();
}

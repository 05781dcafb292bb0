#include "app/CMekrApp.h"

#include "app/CAboutDlg.h"
#include "app/CMainFrame.h"
#include "app/CMekrDoc.h"
#include "app/CMekrView.h"
#include "app/CMojeCommandLineInfo.h"
#include "app/MekrIds.h"
#include "app/NotAvailable.h"
#include "app/WorkingFolder.h"
#include "common/AppSettings.h"
#include "common/CommonIds.h"
#include "common/CommonRoutines.h"
#include "common/ProjectFiles.h"
#include "cadlink/buttons/CVorbica.h"
#include "datalib/CData.h"
#include "floorwall/SpacingSeriesList.h"
#include "heatloss/ProjectInfoFile.h"
#include "heatloss/ProjectModel.h"
#include "heatloss/dialogs/CBase.h"
#include "heatloss/dialogs/CDataGridDialog.h"
#include "platform/core/FileOps.h"
#include "platform/core/NumberText.h"
#include "platform/core/Profile.h"
#include "platform/core/Resources.h"
#include "platform/core/UserLocale.h"
#include "platform/frame/CSingleDocTemplate.h"
#include "platform/gdi/SystemMetrics.h"
#include "platform/ui/CCmdUI.h"

#include <optional>
#include <utility>

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
    ReadStartSettings();
    CMojeCommandLineInfo cmdInfo;
    ParseCommandLine(cmdInfo);
    ApplyCommandLine(cmdInfo);
    ApplyProjectFolders();
    m_settings.ClearAreaFlags();

    m_strHelpFilePath = HelpFilePathOf(m_pszHelpFilePath ? m_pszHelpFilePath : "");
    LoadCadIcon();

    AddDocTemplate(new CSingleDocTemplate(IDR_MAINFRAME, RUNTIME_CLASS(CMekrDoc), RUNTIME_CLASS(CMainFrame),
                                          RUNTIME_CLASS(CMekrView)));
    const bool ownerMissing = m_settings.UserFirm.IsEmpty() || m_settings.UserBase.IsEmpty();
    if (!ProcessShellCommand(cmdInfo))
        return FALSE;
    // Without the owner data the settings sheet follows once the main window is up, and a new
    // project's basic data after it; otherwise the basic data at once.
    if (ownerMissing && m_pMainWnd)
        m_pMainWnd->PostMessage(WM_COMMAND, ID_SETTINGS);
    else if (auto* frame = dynamic_cast<CMainFrame*>(m_pMainWnd))
        frame->PostPendingBasicData();
    return TRUE;
}

void CMekrApp::ReadStartSettings()
{
    m_settings.SetStartValues(GetSysColor(COLOR_INACTIVEBORDER));
    // The floor tables tell of arguments outside their range until a design run clears it.
    m_settings.RangeMessages = 1;
    // Numbers in the program's texts take the user's decimal separator.
    NumberText::SetFormatSeparator(UserLocale::Current().decimalSeparator);

    SetRegistryKey("Kolp");
    LoadStdProfileSettings(4);
    SelectLanguageResources();
    m_settings.LoadCaptions();

    m_settings.ReadInstallDir();
    m_settings.ReadSettings();
    m_settings.ReadPaths();
}

// The path keeps its letters: file names differ by case here.
CString CMekrApp::HelpFilePathOf(const CString& frameworkPath)
{
    if (frameworkPath.Right(4).CompareNoCase(".hlp") != 0)
        return frameworkPath;
    return frameworkPath.Left(frameworkPath.GetLength() - 4) + ".chm";
}

void CMekrApp::LoadCadIcon()
{
    CVorbica button;
    button.m_kodCAD = m_settings.ProCAD;
    m_settings.CadIcon = button.DosadIkonu();
    m_settings.CadModule = button.m_knihovna;
}

void CMekrApp::ApplyCommandLine(const CMojeCommandLineInfo& info)
{
    m_settings.ProjectInfoPath = info.m_strProjectInfoPath;
    m_settings.CommandLineFile = info.m_strFileName;
}

// The project-info file named on the command line may set the data editor, price-list and work
// folders and the folder of the project: the start's new project has its working copy there
// (the host's file itself is never worked in), as the basic data moves an open project there.
void CMekrApp::ApplyProjectFolders()
{
    const ProjectFolders folders = ProjectInfoFile::ReadProjectFolders(m_settings.ProjectInfoPath);
    if (!folders.message.IsEmpty())
        folders.message.Show();
    const std::pair<const std::optional<CString>*, CString*> values[] = {
        {&folders.pathEdit, &m_settings.PathEdit},
        {&folders.pathList, &m_settings.PathList},
        {&folders.pathDump, &m_settings.PathDump}};
    for (const auto& [value, setting] : values)
        if (*value && !(*value)->IsEmpty())
            *setting = **value;
    const CString projectFolder = folders.projectPath ? WorkingFolderOf(*folders.projectPath) : CString();
    if (!projectFolder.IsEmpty())
    {
        CString name;
        name.LoadString(IDS_NEW_PROJECT_NAME);
        m_settings.PathBase = JoinPath(projectFolder, name + ".XLS");
    }
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

// Which of the design sheets the project holds; asked silently, a missing sheet is no error.
BOOL CMekrApp::DetectProjectContent()
{
    CData data;
    data.m_bShowErrors = 0;
    if (!data.Open(m_settings.CurrentProjectPath(), "Excel 8.0", 0, 0))
        return FALSE;
    BOOL all = TRUE;
    for (const char* sheet : {"SeznamV$", "SeznamM$", "DimenzSegm$"})
        all = data.GetTableIndex(sheet) >= 0 && all;
    data.Close();
    return all;
}

int CMekrApp::ExitInstance()
{
    m_settings.WriteSettings();
    if (m_settings.AnyAreaModified())
    {
        HideApplication();
        CloseAllDocuments(TRUE);
    }
    // The working copies of this run go once the project is saved or dropped.
    ProjectFiles::RemoveMadeFiles();
    FreeSpacingSeriesList();
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

// The rooms, walls and openings of the project in their table; a confirmed table changes the
// project.
void CMekrApp::OnInputData()
{
    auto* frame = dynamic_cast<CMainFrame*>(m_pMainWnd);
    if (frame)
        frame->ShowHint(IDS_HINT_INPUT_DATA);
    CDataGridDialog dialog;
    dialog.m_bLoadOnly = FALSE;
    if (dialog.DoModal() == IDOK)
        AppSettings::Get().Modified[AppSettings::InputData] = 1;
    if (frame)
        frame->ShowHint(0);
}

void CMekrApp::OnBasicData()
{
    CBase basicData;
    const int result = basicData.DoModal();
    // The project-info file's project folder, as at the start: the open project moves there
    // through its working copy.
    if (!basicData.m_strProjectPath.IsEmpty())
        MoveWorkingCopy(WorkingFolderOf(basicData.m_strProjectPath), m_pMainWnd);
    if (result != IDOK)
        return;
    // Continuing an earlier project opens it; the document asks about unsaved changes first.
    if (basicData.m_nChoice == 15)
    {
        if (m_pMainWnd)
            m_pMainWnd->PostMessage(WM_COMMAND, ID_FILE_OPEN);
        return;
    }
    if (basicData.m_nChoice == 11)
        OnInputData();
    else if (m_pMainWnd && basicData.m_nChoice >= 12 && basicData.m_nChoice <= 14)
    {
        static constexpr UINT commands[] = {ID_FLOOR_DESIGN, ID_WALL_DESIGN, ID_DISTRIBUTION_SIZING};
        m_pMainWnd->SendMessage(WM_COMMAND, commands[basicData.m_nChoice - 12]);
    }
    m_settings.Modified[AppSettings::BasicData] = 1;
}

void CMekrApp::OnUpdateInputData(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(ProjectModel::Instance().Header.buildingType != 0);
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

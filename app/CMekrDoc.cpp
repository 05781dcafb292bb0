#include "app/CMekrDoc.h"

#include "app/CMekrApp.h"
#include "app/DocumentIds.h"
#include "app/MekrIds.h"
#include "common/AppSettings.h"
#include "common/CommonIds.h"
#include "common/CommonRoutines.h"
#include "common/OpenWorkbookTable.h"
#include "common/ProjectFiles.h"
#include "datalib/CData.h"
#include "floorwall/dialogs/CNavrhStenovky.h"
#include "heatloss/ProjectModel.h"
#include "hydraulics/ProjectVersion.h"
#include "platform/core/FileOps.h"
#include "platform/core/MessageBox.h"
#include "platform/core/Profile.h"
#include "platform/frame/CRecentFileList.h"
#include "platform/frame/FrameIds.h"
#include "platform/ui/CCmdUI.h"
#include "platform/ui/CommonDialogs.h"

IMPLEMENT_DYNCREATE(CMekrDoc, CDocument)

BEGIN_MESSAGE_MAP(CMekrDoc, CDocument)
    ON_COMMAND(ID_FILE_NEW, OnFileNew)
    ON_COMMAND(ID_FILE_OPEN, OnFileOpen)
    ON_COMMAND(ID_FILE_SAVE, OnFileSave)
    ON_COMMAND(ID_FILE_SAVE_AS, OnFileSaveAs)
    ON_COMMAND_RANGE(ID_FILE_MRU_FILE1, ID_FILE_MRU_FILE16, OnOpenRecentFile)
    ON_UPDATE_COMMAND_UI(ID_FILE_SAVE, OnUpdateHasProject)
    ON_UPDATE_COMMAND_UI(ID_FILE_SAVE_AS, OnUpdateHasProject)
END_MESSAGE_MAP()

namespace
{
CString Text(UINT id)
{
    CString text;
    text.LoadString(id);
    return text;
}

int ShowMessage(UINT textId, const CString& path, const CString& caption, UINT type)
{
    CString text;
    text.Format(Text(textId), path.GetString());
    return MessageBox(nullptr, text, caption, type);
}

void ShowError(UINT textId, const CString& path, UINT icon = MB_ICONEXCLAMATION)
{
    ShowWorkbookProblem(textId, path, icon);
}

CString FileNameOf(const CString& path)
{
    return path.Mid(ProjectFiles::FolderOf(path).GetLength() + (ProjectFiles::FolderOf(path).IsEmpty() ? 0 : 1));
}

// A working copy this run made that the project no longer uses goes.
void DropWorkingCopy(const CString& path, const CString& keep1, const CString& keep2)
{
    if (path.IsEmpty() || !ProjectFiles::MadeByThisRun(path) || ProjectFiles::SameFile(path, keep1) ||
        ProjectFiles::SameFile(path, keep2))
        return;
    DeleteFile(path);
    ProjectFiles::Forget(path);
}

CString ProjectFilter()
{
    return Text(IDS_PROJECT_FILTER);
}
} // namespace

// ---------------------------------------------------------------------------------------------
// The framework's steps

// The first project of a run: a new one from the template. Without the template the window
// still comes up, with no project.
BOOL CMekrDoc::OnNewDocument()
{
    if (!CDocument::OnNewDocument())
        return FALSE;
    CString target;
    if (NewFromTemplate(target) && LoadProject(target, false))
        PostBasicData();
    return TRUE;
}

// A project from the recent-file list or the command line; the question came before.
BOOL CMekrDoc::OnOpenDocument(LPCTSTR lpszPathName)
{
    return LoadProject(lpszPathName);
}

BOOL CMekrDoc::OnSaveDocument(LPCTSTR lpszPathName)
{
    return SaveProject(lpszPathName);
}

BOOL CMekrDoc::IsModified()
{
    for (int flag : AppSettings::Get().Modified)
        if (flag)
            return TRUE;
    return FALSE;
}

BOOL CMekrDoc::SaveModified()
{
    return SaveIfModified();
}

// The title is the whole path.
void CMekrDoc::SetPathName(LPCTSTR lpszPathName, BOOL bAddToMRU)
{
    m_strPathName = lpszPathName;
    SetTitle(lpszPathName);
    if (bAddToMRU && AfxGetApp())
        AfxGetApp()->AddToRecentFileList(lpszPathName);
}

BOOL CMekrDoc::SaveIfModified()
{
    if (!IsModified())
        return TRUE;
    switch (ShowMessage(IDS_SAVE_QUESTION, m_strDocPath, AppSettings::Get().QuestionCaption(),
                        MB_YESNOCANCEL | MB_ICONQUESTION))
    {
    case IDYES:
        return Save();
    case IDNO:
        AppSettings::Get().Modified.fill(0);
        return TRUE;
    default:
        return FALSE;
    }
}

// ---------------------------------------------------------------------------------------------
// Commands

void CMekrDoc::OnFileNew()
{
    if (!SaveIfModified())
        return;
    CString target;
    if (NewFromTemplate(target) && LoadProject(target, false))
        PostBasicData();
}

// A new project goes on with its basic data once the command that made it has ended. The first
// project of a run is made before the main window shows: the program posts the command when it
// is up.
void CMekrDoc::PostBasicData()
{
    CWnd* main = AfxGetMainWnd();
    if (main && main->IsWindowVisible())
        main->PostMessage(WM_COMMAND, ID_BASIC_DATA);
    else
        m_bBasicDataPending = TRUE;
}

BOOL CMekrDoc::TakePendingBasicData()
{
    const BOOL pending = m_bBasicDataPending;
    m_bBasicDataPending = FALSE;
    return pending;
}

void CMekrDoc::OnFileOpen()
{
    if (!SaveIfModified())
        return;
    CFileDialog dialog(TRUE, Text(IDS_PROJECT_EXTENSION), nullptr, OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT,
                       ProjectFilter());
    const CString folder = DialogFolder();
    dialog.m_ofn.lpstrInitialDir = folder;
    if (dialog.DoModal() != IDOK)
        return;
    AppSettings::Get().Modified[AppSettings::General] = 0;
    LoadProject(dialog.GetPathName());
}

BOOL CMekrDoc::OnOpenRecentFile(UINT nID)
{
    CWinApp* app = AfxGetApp();
    if (!app || !app->m_pRecentFileList)
        return FALSE;
    const int index = int(nID - ID_FILE_MRU_FILE1);
    const CString path = (*app->m_pRecentFileList)[index];
    if (path.IsEmpty() || !SaveIfModified())
        return TRUE;
    if (!LoadProject(path))
        app->m_pRecentFileList->Remove(index);
    return TRUE;
}

void CMekrDoc::OnFileSave()
{
    Save();
}

void CMekrDoc::OnFileSaveAs()
{
    SaveAs();
}

void CMekrDoc::OnUpdateHasProject(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(!m_strDocPath.IsEmpty());
}

// ---------------------------------------------------------------------------------------------
// Steps

// The template copied to "Nový.XLS" in the folder of the current project.
BOOL CMekrDoc::NewFromTemplate(CString& target)
{
    AppSettings& settings = AppSettings::Get();
    const CString templatePath = JoinPath(settings.PathData, Text(IDS_TEMPLATE_NAME));
    if (!FileOps::Exists(templatePath))
    {
        ShowError(IDS_FILE_PROBLEM, templatePath);
        return FALSE;
    }
    CString folder = ProjectFiles::FolderOf(settings.CurrentProjectPath());
    if (settings.CurrentProjectPath().IsEmpty() || !FileOps::IsDirectory(folder))
        folder = ProjectFiles::WorkingFolder();
    if (folder.IsEmpty())
    {
        ShowError(IDS_FILE_PROBLEM, CString(Profile::DataFolder()));
        return FALSE;
    }
    target = JoinPath(folder, Text(IDS_NEW_PROJECT_NAME) + ".XLS");
    return ProjectFiles::MakeCopy(templatePath, target);
}

// The working copy beside the project file; a project file that is its own working copy is
// worked on directly.
BOOL CMekrDoc::MakeWorkingCopy(const CString& docPath, CString& workingCopy)
{
    if (!FileOps::Exists(docPath))
        return FALSE;
    workingCopy = ProjectFiles::WorkingCopyOf(docPath);
    if (ProjectFiles::SameFile(docPath, workingCopy) || ProjectFiles::MadeByThisRun(docPath))
    {
        workingCopy = docPath;
        return TRUE;
    }
    return ProjectFiles::MakeCopy(docPath, workingCopy);
}

void CMekrDoc::ResetProject()
{
    ProjectModel::Instance().Reset(AppSettings::Get().UserName);
    m_radiators = RadiatorCatalogueChoice();
    m_strProgVer.Empty();
    ProjectProgramVersion().Empty();
}

// The working copy is made and its header sheet opened before anything of the project in use
// changes; a failure leaves that project, its title and its flags as they were.
BOOL CMekrDoc::LoadProject(const CString& docPath, bool userFile)
{
    BeginWaitCursor();
    CString workingCopy;
    if (!MakeWorkingCopy(docPath, workingCopy))
    {
        EndWaitCursor();
        ShowError(IDS_FILE_PROBLEM, docPath, MB_ICONSTOP);
        return FALSE;
    }
    AppSettings& settings = AppSettings::Get();
    CData data;
    if (!OpenHeader(data, docPath, workingCopy))
    {
        EndWaitCursor();
        DropWorkingCopy(workingCopy, settings.CurrentProjectPath(), docPath);
        return FALSE;
    }
    ResetProject();
    ProjectHeaderSheet(ProjectModel::Instance().Header, settings, m_radiators, m_strProgVer).Read(data);
    ProjectProgramVersion() = m_strProgVer; // the circuit rows read the output differences by it
    const CString unknownColumns = ProjectHeaderSheet::UnknownColumns(data);
    data.CloseTable();
    data.Close();
    // A file the user opened is the user's, even one this run made as a working copy.
    if (userFile)
        ProjectFiles::Forget(docPath);
    UseProject(docPath, workingCopy);
    EndWaitCursor();
    WarnOfUnknownFormat(docPath, unknownColumns);
    if (m_strProgVer == "1.0")
        UpgradeProject();
    if (CMekrApp* app = dynamic_cast<CMekrApp*>(AfxGetApp()))
        app->DetectProjectContent();
    return TRUE;
}

// The header sheet of the working copy, opened quietly: a failure is told with the project file
// the user chose, never with the working copy the program made of it.
BOOL CMekrDoc::OpenHeader(CData& data, const CString& docPath, const CString& workingCopy)
{
    data.m_bShowErrors = 0;
    if (!data.Open(workingCopy, "Excel 8.0", 0, 0))
    {
        ShowError(IDS_FILE_PROBLEM, docPath, MB_ICONSTOP);
        return FALSE;
    }
    const CString sheet = Text(IDS_SHEET_HEADER);
    if (!data.OpenTable(sheet, "", 0))
    {
        data.Close();
        ShowError(IDS_TABLE_PROBLEM, sheet, MB_ICONSTOP);
        return FALSE;
    }
    data.m_bShowErrors = 1;
    return TRUE;
}

// One warning for a project that a program of another format may have saved: an unknown
// version mark, header columns no part of this program knows.
void CMekrDoc::WarnOfUnknownFormat(const CString& docPath, const CString& unknownColumns) const
{
    CString text;
    if (!m_strProgVer.IsEmpty() && m_strProgVer != "1.0" && m_strProgVer != "1.1")
        text.Format(Text(IDS_UNKNOWN_VERSION), docPath.GetString(), m_strProgVer.GetString());
    if (!unknownColumns.IsEmpty())
    {
        CString columns;
        columns.Format(Text(IDS_UNKNOWN_COLUMNS), docPath.GetString(), unknownColumns.GetString());
        text += (text.IsEmpty() ? "" : "\n\n") + columns;
    }
    if (!text.IsEmpty())
        MessageBox(nullptr, text, AppSettings::Get().WarningCaption(), MB_OK | MB_ICONEXCLAMATION);
}

void CMekrDoc::UseProject(const CString& docPath, const CString& workingCopy)
{
    AppSettings& settings = AppSettings::Get();
    const CString previous = settings.CurrentProjectPath();
    m_strDocPath = docPath;
    settings.CurrentProjectPath() = workingCopy;
    settings.Modified.fill(0);
    DropWorkingCopy(previous, workingCopy, docPath);
    SetPathName(docPath, !IsNeverSaved());
}

// The header goes into the workbook and is written to disk now, so that a failure to write
// is known before anything is copied.
BOOL CMekrDoc::WriteHeader(const CString& workbook)
{
    CData data;
    if (OpenWorkbookTable(data, workbook, Text(IDS_SHEET_HEADER), "") != 0)
        return FALSE;
    const int written = ProjectHeaderSheet(ProjectModel::Instance().Header, AppSettings::Get(), m_radiators,
                                           m_strProgVer)
                            .Write(data) &&
                        data.Flush();
    data.CloseTable();
    data.Close();
    return written;
}

// Saves the project to docPath: the header into the working copy, then the working copy copied
// over the project file at once. Saving under another name gives that file its own working copy.
BOOL CMekrDoc::SaveProject(const CString& docPath)
{
    AppSettings& settings = AppSettings::Get();
    const CString current = settings.CurrentProjectPath();
    if (!WriteHeader(current))
    {
        ShowError(IDS_COPY_PROBLEM, docPath);
        return FALSE;
    }
    CString workingCopy = current;
    bool madeNow = false;
    if (!ProjectFiles::SameFile(docPath, m_strDocPath))
    {
        workingCopy = ProjectFiles::WorkingCopyOf(docPath);
        if (ProjectFiles::SameFile(workingCopy, docPath))
            workingCopy = docPath;
        if (!ProjectFiles::SameFile(workingCopy, current))
        {
            if (!ProjectFiles::MakeCopy(current, workingCopy))
                return FALSE;
            madeNow = true;
        }
    }
    if (!ProjectFiles::SameFile(workingCopy, docPath) && !CopyFile(workingCopy, docPath, FALSE))
    {
        if (madeNow)
            DropWorkingCopy(workingCopy, current, CString());
        ShowError(IDS_COPY_PROBLEM, docPath);
        return FALSE;
    }
    ProjectFiles::Forget(docPath);
    UseProject(docPath, workingCopy);
    return TRUE;
}

// A "1.0" project: its results sheet takes the template's columns and keeps every room with its
// radiators and circuits, and the project is marked "1.1" (written at the next save). A design
// that cannot be read whole, or a sheet that cannot be rebuilt, leaves the workbook as it was.
void CMekrDoc::UpgradeProject()
{
    CNavrhStenovky design;
    if (design.LoadProjectData() != 0)
        return;
    const CString templatePath = JoinPath(AppSettings::Get().PathData, Text(IDS_TEMPLATE_NAME));
    const int stored = design.SaveProjectData(templatePath);
    design.DeleteRooms();
    if (stored != 0)
        return;
    m_strProgVer = "1.1";
    ProjectProgramVersion() = m_strProgVer;
}

// Where the file dialogs start: the folder of a saved project, else the user's projects folder.
CString CMekrDoc::DialogFolder() const
{
    if (!m_strDocPath.IsEmpty() && !IsNeverSaved())
        return ProjectFiles::FolderOf(m_strDocPath);
    const CString projects = ProjectFiles::ProjectsFolder();
    return projects.IsEmpty() ? ProjectFiles::FolderOf(AppSettings::Get().CurrentProjectPath()) : projects;
}

BOOL CMekrDoc::IsNeverSaved() const
{
    return FileNameOf(m_strDocPath).CompareNoCase(Text(IDS_NEW_PROJECT_NAME) + ".XLS") == 0;
}

BOOL CMekrDoc::Save()
{
    if (m_strDocPath.IsEmpty())
        return FALSE;
    if (IsNeverSaved())
        return SaveAs();
    return SaveProject(m_strDocPath);
}

BOOL CMekrDoc::SaveAs()
{
    if (m_strDocPath.IsEmpty())
        return FALSE;
    const CString proposal =
        IsNeverSaved() ? ProposedFileName(ProjectModel::Instance().Header.investor1) + ".kzn" : m_strDocPath;
    CFileDialog dialog(FALSE, Text(IDS_PROJECT_EXTENSION), proposal, OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT,
                       ProjectFilter());
    const CString folder = DialogFolder();
    dialog.m_ofn.lpstrInitialDir = folder;
    if (dialog.DoModal() != IDOK)
        return FALSE;
    return SaveProject(dialog.GetPathName());
}

CString CMekrDoc::ProposedFileName(const CString& jobName)
{
    CString name;
    for (int i = 0; i < jobName.GetLength(); ++i)
    {
        const char32_t c = jobName.GetAt(i);
        const bool unfit = c < 0x20 || c == 0x7F || CString("/\\:*?\"<>|").Find(c) >= 0;
        name += unfit ? U'_' : c;
    }
    return name.IsEmpty() ? Text(IDS_NEW_PROJECT_NAME) : name;
}

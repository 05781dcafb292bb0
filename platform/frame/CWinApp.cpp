#include "platform/frame/CWinApp.h"
#include "platform/frame/CDocTemplate.h"
#include "platform/frame/CDocument.h"
#include "platform/frame/CFrameWnd.h"
#include "platform/frame/CRecentFileList.h"
#include "platform/frame/CView.h"
#include "platform/frame/FrameIds.h"
#include "platform/frame/FrameTexts.h"

#include "platform/core/FileOps.h"
#include "platform/core/MessageBox.h"
#include "platform/core/Profile.h"
#include "platform/core/Resources.h"
#include "platform/core/widgets/WidgetMessageBoxes.h"
#include "platform/gdi/PrintJob.h"
#include "platform/gdi/TemporaryObjects.h"
#include "platform/ui/CommonDialogs.h"

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QFileInfo>
#include <QUrl>

#include <cstdlib>
#include <cstring>

IMPLEMENT_DYNAMIC(CWinApp, CCmdTarget)

BEGIN_MESSAGE_MAP(CWinApp, CCmdTarget)
    ON_COMMAND(ID_APP_EXIT, OnAppExit)
    ON_COMMAND_RANGE(ID_FILE_MRU_FILE1, ID_FILE_MRU_FILE16, OnOpenRecentFile)
    ON_UPDATE_COMMAND_UI(ID_FILE_MRU_FILE1, OnUpdateRecentFileMenu)
END_MESSAGE_MAP()

namespace
{
CWinApp* g_app = nullptr;

LPCTSTR Duplicate(const char* text) { return text ? strdup(text) : nullptr; }

void Replace(LPCTSTR& member, const char* text)
{
    std::free(const_cast<char*>(member));
    member = Duplicate(text);
}

CString DialogTitle(UINT id) { return FrameTexts::Text(id); }

// "Name (*.ext)" filters of the templates, then all files.
QString FileFilters(CWinApp* app, CDocTemplate* only)
{
    QStringList filters;
    for (POSITION pos = app->GetFirstDocTemplatePosition(); pos;)
    {
        CDocTemplate* t = app->GetNextDocTemplate(pos);
        if (only && t != only)
            continue;
        CString name, ext;
        if (t->GetDocString(name, CDocTemplate::filterName) && t->GetDocString(ext, CDocTemplate::filterExt))
        {
            QString filter = QString::fromUtf8(name.GetString());
            if (!filter.contains(u'('))
                filter += QStringLiteral(" (*%1)").arg(QString::fromUtf8(ext.GetString()));
            filters << filter;
        }
    }
    QString all = QString::fromUtf8(FrameTexts::Text(FrameTexts::AllFilterId).GetString());
    all.replace(QStringLiteral("*.*"), QStringLiteral("*"));
    filters << all;
    return filters.join(QStringLiteral(";;"));
}

QWidget* MainWidget()
{
    CWnd* main = AfxGetMainWnd();
    return main ? main->GetWidget() : nullptr;
}
} // namespace

CWinApp* AfxGetApp() { return g_app; }

CWnd* AfxGetMainWnd() { return g_app ? g_app->m_pMainWnd : nullptr; }

LPCTSTR AfxGetAppName() { return g_app ? g_app->m_pszAppName : ""; }

void AfxPostQuitMessage(int nExitCode) { QCoreApplication::exit(nExitCode); }

CWinApp::CWinApp(LPCTSTR lpszAppName)
{
    m_pszAppName = Duplicate(lpszAppName);
    g_app = this;
}

CWinApp::~CWinApp()
{
    for (CDocTemplate* t : m_templates)
        delete t;
    for (LPCTSTR* s : {&m_pszAppName, &m_pszExeName, &m_pszProfileName, &m_pszRegistryKey, &m_pszHelpFilePath})
        Replace(*s, nullptr);
    if (g_app == this)
        g_app = nullptr;
}

BOOL CWinApp::InitInstance() { return TRUE; }

int CWinApp::ExitInstance()
{
    if (m_pRecentFileList)
        m_pRecentFileList->WriteList();
    return 0;
}

struct CWinApp::IdleHook::State
{
    bool inIdle = false;
    QMetaObject::Connection connection;
};

CWinApp::IdleHook::IdleHook(CWinApp& app) : m_state(std::make_unique<State>())
{
    State* state = m_state.get();
    state->connection = QObject::connect(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::aboutToBlock,
                                         QCoreApplication::instance(), [&app, state] {
                                             if (state->inIdle)
                                                 return;
                                             state->inIdle = true;
                                             app.OnIdle(0);
                                             state->inIdle = false;
                                         });
}

CWinApp::IdleHook::~IdleHook() { QObject::disconnect(m_state->connection); }

int CWinApp::Run()
{
    {
        const IdleHook idle(*this);
        if (m_pMainWnd)
            QApplication::exec();
    }
    return ExitInstance();
}

BOOL CWinApp::OnIdle(LONG lCount)
{
    if (lCount == 0)
    {
        if (m_pMainWnd && m_pMainWnd->GetSafeHwnd())
        {
            m_pMainWnd->SendMessage(WM_IDLEUPDATECMDUI, TRUE);
            m_pMainWnd->SendMessageToDescendants(WM_IDLEUPDATECMDUI, TRUE);
        }
        Gdi::DeleteTemporaryObjects();
    }
    return FALSE;
}

int AfxWinMain(int argc, char** argv)
{
    static std::unique_ptr<QApplication> qtApp;
    if (!QCoreApplication::instance())
        qtApp = std::make_unique<QApplication>(argc, argv);
    CWinApp* app = AfxGetApp();
    if (!app)
        return 1;
    app->m_arguments.clear();
    for (int i = 0; i < argc; ++i)
        app->m_arguments.emplace_back(argv[i]);
    const QFileInfo exe(QCoreApplication::applicationFilePath());
    if (!app->m_pszExeName)
        app->m_pszExeName = strdup(exe.completeBaseName().toUtf8().constData());
    if (!app->m_pszAppName)
    {
        const char* title = Resources::FindString(AFX_IDS_APP_TITLE);
        app->m_pszAppName = strdup(title ? title : app->m_pszExeName);
    }
    if (!app->m_pszHelpFilePath)
        app->m_pszHelpFilePath =
            strdup((exe.absolutePath() + u'/' + exe.completeBaseName() + QStringLiteral(".HLP")).toUtf8().constData());
    if (!app->m_pszProfileName)
        app->m_pszProfileName = strdup(app->m_pszAppName);
    MessageBoxes::SetDefaultCaption(app->m_pszAppName);
    InstallWidgetMessageBoxes();
    if (!app->InitInstance())
    {
        if (CWnd* main = app->m_pMainWnd)
            main->DestroyWindow();
        return app->ExitInstance();
    }
    return app->Run();
}

// ---------------------------------------------------------------------------------------------
// Command line

// A parameter that begins with '-' is a flag. One that begins with '/' is a flag too, unless it
// is a path here: a file that exists, or a name with a further '/' inside a folder that exists.
static bool IsFlag(const CString& arg)
{
    if (arg.IsEmpty())
        return false;
    if (arg[0] == '-')
        return true;
    if (arg[0] != '/')
        return false;
    if (FileOps::Exists(arg))
        return false;
    const int slash = arg.ReverseFind('/');
    return slash <= 0 || !FileOps::IsDirectory(arg.Left(slash));
}

void CWinApp::ParseCommandLine(CCommandLineInfo& rCmdInfo)
{
    const int count = int(m_arguments.size());
    for (int i = 1; i < count; ++i)
    {
        const CString& arg = m_arguments[std::size_t(i)];
        const bool flag = IsFlag(arg);
        const CString param = flag ? arg.Mid(1) : arg;
        rCmdInfo.ParseParam(param, flag, i == count - 1);
    }
}

BOOL CWinApp::ProcessShellCommand(CCommandLineInfo& rCmdInfo)
{
    switch (rCmdInfo.m_nShellCommand)
    {
    case CCommandLineInfo::FileNew:
        if (!OnCmdMsg(ID_FILE_NEW, CN_COMMAND, nullptr, nullptr))
            OnFileNew();
        return m_pMainWnd != nullptr;
    case CCommandLineInfo::FileOpen:
        return OpenDocumentFile(rCmdInfo.m_strFileName) != nullptr;
    case CCommandLineInfo::FilePrint:
    case CCommandLineInfo::FilePrintTo:
    {
        CDocument* doc = OpenDocumentFile(rCmdInfo.m_strFileName);
        if (!doc)
            return FALSE;
        POSITION pos = doc->GetFirstViewPosition();
        if (CView* view = doc->GetNextView(pos))
            view->OnFilePrint();
        if (m_pMainWnd)
            m_pMainWnd->SendMessage(WM_CLOSE);
        return FALSE;
    }
    default:
        return TRUE;
    }
}

// ---------------------------------------------------------------------------------------------
// Documents

void CWinApp::AddDocTemplate(CDocTemplate* pTemplate)
{
    if (pTemplate)
        m_templates.push_back(pTemplate);
}

POSITION CWinApp::GetFirstDocTemplatePosition() const
{
    return m_templates.empty() ? nullptr : reinterpret_cast<POSITION>(std::uintptr_t(1));
}

CDocTemplate* CWinApp::GetNextDocTemplate(POSITION& rPosition) const
{
    const std::size_t index = reinterpret_cast<std::uintptr_t>(rPosition) - 1;
    if (!rPosition || index >= m_templates.size())
    {
        rPosition = nullptr;
        return nullptr;
    }
    rPosition = index + 1 < m_templates.size() ? reinterpret_cast<POSITION>(std::uintptr_t(index + 2)) : nullptr;
    return m_templates[index];
}

CDocument* CWinApp::OpenDocumentFile(LPCTSTR lpszFileName)
{
    if (m_templates.empty() || !lpszFileName || !*lpszFileName)
        return nullptr;
    // A document that is open already comes to the front.
    for (CDocTemplate* t : m_templates)
        for (POSITION pos = t->GetFirstDocPosition(); pos;)
            if (CDocument* doc = t->GetNextDoc(pos); doc->GetPathName() == lpszFileName)
            {
                POSITION views = doc->GetFirstViewPosition();
                if (CView* view = doc->GetNextView(views))
                    if (CFrameWnd* frame = view->GetParentFrame())
                        frame->ActivateFrame();
                return doc;
            }
    CDocTemplate* chosen = m_templates.front();
    for (CDocTemplate* t : m_templates)
        if (t->MatchesExtension(lpszFileName))
        {
            chosen = t;
            break;
        }
    return chosen->OpenDocumentFile(lpszFileName);
}

void CWinApp::AddToRecentFileList(LPCTSTR lpszPathName)
{
    if (m_pRecentFileList)
        m_pRecentFileList->Add(lpszPathName);
}

BOOL CWinApp::SaveAllModified()
{
    for (CDocTemplate* t : m_templates)
        if (!t->SaveAllModified())
            return FALSE;
    return TRUE;
}

void CWinApp::CloseAllDocuments(BOOL bEndSession)
{
    for (CDocTemplate* t : m_templates)
        t->CloseAllDocuments(bEndSession);
}

int CWinApp::GetOpenDocumentCount() const
{
    int count = 0;
    for (CDocTemplate* t : m_templates)
        for (POSITION pos = t->GetFirstDocPosition(); pos; t->GetNextDoc(pos))
            ++count;
    return count;
}

BOOL CWinApp::DoPromptFileName(CString& fileName, UINT nIDSTitle, DWORD, BOOL bOpenFileDialog,
                               CDocTemplate* pTemplate)
{
    const QString title = QString::fromUtf8(DialogTitle(nIDSTitle).GetString());
    const QString filters = FileFilters(this, bOpenFileDialog ? nullptr : pTemplate);
    const QString proposal = QString::fromUtf8(fileName.GetString());
    QString chosen;
    int result = IDCANCEL;
    std::string scripted;
    if (CommonDialogScript::Take({bOpenFileDialog ? "open" : "save", title.toStdString(),
                                  filters.toStdString(), proposal.toStdString()},
                                 result, scripted))
        chosen = result == IDOK ? QString::fromStdString(scripted) : QString();
    else
        chosen = bOpenFileDialog ? QFileDialog::getOpenFileName(MainWidget(), title, proposal, filters)
                                 : QFileDialog::getSaveFileName(MainWidget(), title, proposal, filters);
    if (chosen.isEmpty())
        return FALSE;
    CString ext;
    if (!bOpenFileDialog && pTemplate && pTemplate->GetDocString(ext, CDocTemplate::filterExt) &&
        QFileInfo(chosen).suffix().isEmpty())
        chosen += QString::fromUtf8(ext.GetString());
    fileName = chosen.toUtf8().toStdString();
    return TRUE;
}

void CWinApp::HideApplication()
{
    if (m_pMainWnd)
        m_pMainWnd->ShowWindow(SW_HIDE);
}

// ---------------------------------------------------------------------------------------------
// Profile

void CWinApp::SetRegistryKey(LPCTSTR lpszRegistryKey)
{
    Replace(m_pszRegistryKey, lpszRegistryKey);
    Replace(m_pszProfileName, m_pszAppName);
}

void CWinApp::SetRegistryKey(UINT nIDRegistryKey) { SetRegistryKey(Resources::FindString(nIDRegistryKey)); }

static void UseProfileOf(const CWinApp& app)
{
    Profile::SetRegistryKey(app.m_pszRegistryKey ? app.m_pszRegistryKey : "");
    Profile::SetProfileName(app.m_pszProfileName ? app.m_pszProfileName : app.m_pszAppName);
}

void CWinApp::LoadStdProfileSettings(UINT nMaxMRU)
{
    UseProfileOf(*this);
    m_recentFiles = std::make_unique<CRecentFileList>(0, "Recent File List", "File%d", int(nMaxMRU));
    m_recentFiles->ReadList();
    m_pRecentFileList = m_recentFiles.get();
}

CString CWinApp::GetProfileString(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPCTSTR lpszDefault)
{
    UseProfileOf(*this);
    return Profile::GetString(lpszSection, lpszEntry, lpszDefault);
}

UINT CWinApp::GetProfileInt(LPCTSTR lpszSection, LPCTSTR lpszEntry, int nDefault)
{
    UseProfileOf(*this);
    return Profile::GetInt(lpszSection, lpszEntry, nDefault);
}

BOOL CWinApp::WriteProfileString(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPCTSTR lpszValue)
{
    UseProfileOf(*this);
    return Profile::WriteString(lpszSection, lpszEntry, lpszValue);
}

BOOL CWinApp::WriteProfileInt(LPCTSTR lpszSection, LPCTSTR lpszEntry, int nValue)
{
    UseProfileOf(*this);
    return Profile::WriteInt(lpszSection, lpszEntry, nValue);
}

// ---------------------------------------------------------------------------------------------
// Commands

void CWinApp::OnFileNew()
{
    if (!m_templates.empty())
        m_templates.front()->OpenDocumentFile(nullptr);
}

void CWinApp::OnFileOpen()
{
    CString name;
    if (DoPromptFileName(name, FrameTexts::OpenFileTitleId, 0, TRUE, nullptr))
        OpenDocumentFile(name);
}

void CWinApp::OnFilePrintSetup() { Gdi::RunPageSetup(MainWidget()); }

void CWinApp::OnAppExit()
{
    if (m_pMainWnd)
        m_pMainWnd->SendMessage(WM_CLOSE);
}

BOOL CWinApp::OnOpenRecentFile(UINT nID)
{
    if (!m_pRecentFileList)
        return FALSE;
    const int index = int(nID - ID_FILE_MRU_FILE1);
    const CString path = (*m_pRecentFileList)[index];
    if (path.IsEmpty())
        return FALSE;
    if (!OpenDocumentFile(path))
        m_pRecentFileList->Remove(index);
    return TRUE;
}

void CWinApp::OnUpdateRecentFileMenu(CCmdUI* pCmdUI)
{
    if (m_pRecentFileList)
        m_pRecentFileList->UpdateMenu(pCmdUI);
}

void CWinApp::WinHelp(DWORD_PTR dwData, UINT nCmd)
{
    const QString folder = QString::fromUtf8(LPCTSTR(GetHelpFolder()));
    if (!QFileInfo(folder).isDir())
        return;
    QString page = folder + QStringLiteral("/%1.html").arg(qulonglong(dwData));
    if (nCmd != HELP_CONTEXT || !QFileInfo(page).isFile())
        page = folder + QStringLiteral("/index.html");
    OpenHelpPage(CString(page.toUtf8().constData()));
}

void CWinApp::OpenHelpPage(const CString& path)
{
    QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromUtf8(LPCTSTR(path))));
}

CString CWinApp::GetHelpFolder() const { return CString(FileOps::ProgramFolder().c_str()) + "/help"; }

void CWinApp::OnHelp() { WinHelp(0, HELP_INDEX); }

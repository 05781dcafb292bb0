#include "dataeditor/app/CSobrelApp.h"

#include "dataeditor/app/CAboutDlg.h"
#include "dataeditor/app/CChildFrame.h"
#include "dataeditor/app/CMainFrame.h"
#include "dataeditor/app/COptionsPropertySheet.h"
#include "dataeditor/app/CSobrelCommandLineInfo.h"
#include "dataeditor/app/CVersionCheck.h"
#include "dataeditor/app/SingleInstance.h"
#include "dataeditor/app/SobrelIds.h"
#include "dataeditor/app/StartScript.h"
#include "dataeditor/app/WritingFiles.h"
#include "dataeditor/document/CSobrelDoc.h"
#include "dataeditor/view/CSobrelView.h"
#include "datalib/CData.h"
#include "platform/core/MessageBox.h"
#include "platform/core/Modules.h"
#include "platform/core/Profile.h"
#include "platform/core/Resources.h"
#include "platform/core/UserLocale.h"
#include "platform/frame/CMultiDocTemplate.h"
#include "platform/frame/FrameMenuBar.h"
#include "platform/ui/CommonDialogs.h"
#include "platform/ui/WaitCursor.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <vector>

BEGIN_MESSAGE_MAP(CSobrelApp, CWinApp)
    ON_COMMAND(ID_FILE_NEW, CWinApp::OnFileNew)
    ON_COMMAND(ID_OPEN_TABLE_FILE, OpenTableFile)
    ON_COMMAND(ID_FILE_OPEN, OpenTableFile)
    ON_COMMAND(ID_APP_ABOUT, About)
    ON_COMMAND(ID_CHECK_VERSION, CheckVersion)
    ON_COMMAND(ID_OPTIONS, OnOptions)
    ON_COMMAND(ID_FILE_PRINT_SETUP, OnPrintOptions)
END_MESSAGE_MAP()

namespace
{
const char* const kNoLanguage = "Nemohl jsem otevřít jazykovou knihovnu\npotřebnou pro běh programu.";
constexpr double kCurrentVersion = 1.7;

void SetText(LPCTSTR& member, const char* text)
{
    std::free(const_cast<char*>(member));
    member = text ? strdup(text) : nullptr;
}

} // namespace

CSobrelApp* SobrelApp() { return static_cast<CSobrelApp*>(AfxGetApp()); }

CString SobrelFormatColumnName()
{
    CSobrelApp* app = SobrelApp();
    return app ? app->rowFormatColumnName : CString();
}

CMainFrame* SobrelMainFrame()
{
    CWinApp* app = AfxGetApp();
    return app ? dynamic_cast<CMainFrame*>(app->m_pMainWnd) : nullptr;
}

CSobrelApp::CSobrelApp()
{
    programFolder = (QCoreApplication::instance() ? QCoreApplication::applicationDirPath() + u'/' : QString())
                        .toUtf8()
                        .constData();
    dataFolder = programFolder;
}

CSobrelApp::~CSobrelApp() = default;

CString CSobrelApp::LanguageString(UINT id) const
{
    CString text;
    text.LoadString(id);
    return text;
}

void CSobrelApp::DiscoverLanguages()
{
    languages.clear();
    language.Empty();
    const QString base = QString::fromUtf8(LPCTSTR(m_pszExeName ? m_pszExeName : "Sobrel"));
    QDir folder(QString::fromUtf8(LPCTSTR(programFolder)));
    QStringList packs = folder.entryList({base + QStringLiteral("-*.so")}, QDir::Files, QDir::Name);
    for (const QString& file : packs)
    {
        HMODULE module = LoadLibrary(folder.absoluteFilePath(file).toUtf8().constData());
        if (!module || !Resources::TableOf(module))
            continue;
        const QString stem = QFileInfo(file).completeBaseName();
        const CString code = stem.mid(stem.lastIndexOf(u'-') + 1).toUtf8().constData();
        languages[code] = module;
        if (language.IsEmpty())
            language = code;
    }
}

BOOL CSobrelApp::InitInstance()
{
    if (!StartUp())
    {
        startFailed = true;
        return FALSE;
    }
    return TRUE;
}

bool CSobrelApp::StartUp()
{
    if (!m_pszAppName)
        SetText(m_pszAppName, m_pszExeName ? m_pszExeName : "Sobrel");
    SetRegistryKey("Orbel");
    SetText(m_pszAppName, "Sobrel");
    MessageBoxes::SetDefaultCaption(m_pszAppName);
    LoadStdProfileSettings(4);
    if (programFolder.IsEmpty())
    {
        programFolder = (QCoreApplication::applicationDirPath() + u'/').toUtf8().constData();
        dataFolder = programFolder;
    }

    DiscoverLanguages();
    const CString saved = Profile::GetString("Options", "lang", "");
    if (!saved.IsEmpty() && languages.count(saved))
        language = saved;
    if (language.IsEmpty() || !languages.count(language))
    {
        AfxMessageBox(kNoLanguage, MB_OK | MB_ICONERROR);
        return false;
    }
    Profile::WriteString("Options", "lang", language);
    UseLanguageTexts(language);
    if (m_pszHelpFilePath)
    {
        CString help = m_pszHelpFilePath;
        help.Replace(".HLP", ".chm");
        SetText(m_pszHelpFilePath, help);
    }

    CSobrelCommandLineInfo commandLine(requestedTable);
    ParseCommandLine(commandLine);

    decimalPoint = CData::GetDecimalPoint();
    thousandSeparator = UserLocale::Current().thousandsSeparator.c_str();
    ReadOptions();

    instance = std::make_unique<SingleInstance>(m_pszAppName);
    firstInstance = instance->Create();
    if (options.oneInstance && !firstInstance)
    {
        const CString request = commandLine.m_strFileName.IsEmpty()
                                    ? CString()
                                    : commandLine.m_strFileName + "\t" + requestedTable + "\t" + forwardedExtra;
        if (instance->Forward(request))
            return false;
        // Nobody answered: this start opens its own window.
    }

    RunStartScript();

    AddDocTemplate(new CMultiDocTemplate(IDR_SOBRELTYPE, RUNTIME_CLASS(CSobrelDoc), RUNTIME_CLASS(CChildFrame),
                                         RUNTIME_CLASS(CSobrelView)));
    auto* frame = new CMainFrame;
    m_pMainWnd = frame;
    if (!frame->LoadFrame(IDR_MAINFRAME))
    {
        m_pMainWnd = nullptr;
        return false;
    }
    frame->LoadBars("Settings-" + language);
    frame->DragAcceptFiles();

    if (!ProcessShellCommand(commandLine))
        return false;
    frame->ShowWindow(m_nCmdShow);
    frame->UpdateWindow();
    if (firstInstance)
    {
        instance->Listen([] { if (CMainFrame* main = SobrelMainFrame()) main->BringToFront(); },
                         [](const CString& request) {
                             if (CMainFrame* main = SobrelMainFrame())
                                 main->HandleOpenRequest(request);
                         });
        WritingFiles::Clean();
    }
    return true;
}

int CSobrelApp::ExitInstance()
{
    exiting = true;
    CWaitCursor wait;
    if (!startFailed)
        WriteOptions();
    SaveNamedFormats();
    namedFormats.clear();
    namedFormatOrder.clear();
    languages.clear();
    if (instance && instance->ReleaseIsLast())
        Profile::WriteString("WritingFiles", nullptr, nullptr);
    instance.reset();
    return CWinApp::ExitInstance();
}

void CSobrelApp::RunStartScript()
{
    StartScript script(programFolder, dataFolder);
    script.Run(language);
}

void CSobrelApp::ReadOptions()
{
    options.Read(language, m_pszAppName ? m_pszAppName : "Sobrel", LanguageString(IDS_HEADER_TEXT));
    indexColumnName = Profile::GetString("Options", "SobrelIndexColName-" + language, "Věta");
}

void CSobrelApp::WriteOptions()
{
    if (startFailed)
        return;
    options.Write(language);
    Profile::WriteString("Options", "SobrelIndexColName-" + language, indexColumnName);
}

CString CSobrelApp::GetNamedFormatWorkbookPath() const
{
    return programFolder + m_pszAppName + "-" + language + ".xls";
}

bool CSobrelApp::LoadNamedFormats()
{
    namedFormats.clear();
    namedFormatOrder.clear();
    namedFormatWorkbook = GetNamedFormatWorkbookPath();
    CData data;
    data.m_bShowErrors = FALSE;
    if (!QFileInfo::exists(QString::fromUtf8(LPCTSTR(namedFormatWorkbook))) ||
        !data.Open(namedFormatWorkbook, excelConnect, 0, 1) ||
        !data.OpenTable(LanguageString(IDS_FORMAT_TABLE), "", 0))
        return false;
    for (int row = 0; row < data.m_nRecordCount; ++row)
    {
        CString name, format;
        data.GetStringValue(0, name, row, -1);
        data.GetStringValue(1, format, row, -1);
        if (name.IsEmpty() || format.IsEmpty())
            continue;
        namedFormats[name] = format;
        namedFormatOrder[name] = row;
    }
    return true;
}

void CSobrelApp::SaveNamedFormats()
{
    if (startFailed || !namedFormatsChanged || namedFormats.empty())
        return;
    CData data;
    data.m_bShowErrors = FALSE;
    if (!data.Open(namedFormatWorkbook, excelConnect, 0, 0) ||
        !data.OpenTable(LanguageString(IDS_FORMAT_TABLE), "", 0))
    {
        CString text;
        text.Format(LanguageString(IDS_FORMATS_NOT_WRITTEN), LPCTSTR(namedFormatWorkbook));
        MessageBox(nullptr, text, m_pszAppName, MB_OK | MB_ICONERROR);
        return;
    }
    std::vector<std::pair<int, CString>> order;
    for (const auto& [name, row] : namedFormatOrder)
        if (namedFormats.count(name))
            order.emplace_back(row, name);
    for (const auto& [name, format] : namedFormats)
        if (!namedFormatOrder.count(name))
            order.emplace_back(1 << 30, name);
    std::stable_sort(order.begin(), order.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    int row = 0;
    for (const auto& entry : order)
    {
        if (row >= data.m_nRecordCount)
            data.AddRow();
        data.SetStringValue(0, entry.second, row);
        data.SetStringValue(1, namedFormats[entry.second], row);
        ++row;
    }
    for (; row < data.m_nRecordCount; ++row)
    {
        data.SetStringValue(0, "", row);
        data.SetStringValue(1, "", row);
    }
    data.Close();
    namedFormatsChanged = false;
}

void CSobrelApp::ResetBars(bool onlyIfNoState)
{
    CMainFrame* frame = SobrelMainFrame();
    if (!frame || (onlyIfNoState && frame->HasBarState("Settings-" + language)))
        return;
    frame->ResetBars();
}

bool CSobrelApp::SwitchLanguage(const CString& code, int mode, const CString& extra)
{
    if (mode < 0 || mode > 2)
        return false;
    CMainFrame* frame = SobrelMainFrame();
    if (mode == 1)
    {
        WriteOptions();
        if (frame)
            frame->SaveBars("Settings-" + language);
        SaveNamedFormats();
    }
    namedFormats.clear();
    namedFormatOrder.clear();
    const CString previous = language;
    language = code;
    Profile::WriteString("Options", "lang", language);
    ReadOptions();
    if (languages.count(code))
    {
        UseLanguagePack(code);
        if (LoadNamedFormats())
            return true;
    }
    SwitchLanguage(previous, mode + 1, extra);
    return false;
}

void CSobrelApp::UseLanguageTexts(const CString& code)
{
    AfxSetResourceHandle(languages[code]);
    rowFormatColumnName = LanguageString(IDS_FORMAT_COLUMN);
    contextMenus.AddMenu(LanguageString(IDS_GRID_MENU_NAME), IDR_GRID_CONTEXT);
}

void CSobrelApp::UseLanguagePack(const CString& code)
{
    UseLanguageTexts(code);
    CMainFrame* frame = SobrelMainFrame();
    if (!frame)
        return;
    FrameMenuBar::Build(frame, IDR_MAINFRAME);
    ResetBars(false);
    frame->LoadBars("Settings-" + code);
    frame->m_wndToolBar.SetWindowText(LanguageString(IDS_MAINBAR));
    frame->m_wndEditBar.SetWindowText(LanguageString(IDS_EDITBAR));
}

void CSobrelApp::ReportProgress(int position, int range, const CString& text, bool showPercent, bool start)
{
    if (CMainFrame* frame = SobrelMainFrame())
        frame->ShowProgress(position, range, text, showPercent, start);
}

CString CSobrelApp::GetTempFolder()
{
    const QString temp = QDir::tempPath();
    return CString((temp.isEmpty() ? QStringLiteral("/tmp/") : temp + u'/').toUtf8().constData());
}

void CSobrelApp::OpenRequested(const CString& path)
{
    POSITION position = GetFirstDocTemplatePosition();
    if (CDocTemplate* docTemplate = GetNextDocTemplate(position))
        docTemplate->OpenDocumentFile(path, TRUE);
}

void CSobrelApp::OpenTableFile()
{
    CFileDialog dialog(TRUE, nullptr, nullptr, OFN_FILEMUSTEXIST | OFN_HIDEREADONLY, LanguageString(IDS_OPEN_FILTER),
                       m_pMainWnd);
    const CString title = LanguageString(IDS_OPEN_TITLE);
    dialog.m_ofn.lpstrTitle = title;
    if (dialog.DoModal() != IDOK)
        return;
    const CString path = dialog.GetPathName();
    const CString extension = CString(QFileInfo(QString::fromUtf8(LPCTSTR(path))).suffix().toLower().toUtf8().constData());
    if (extension != "mdb" && extension != "dbf" && extension != "csv" && extension != "txt")
    {
        // A workbook opens as a document of its own.
        OpenDocumentFile(path);
        return;
    }
    POSITION position = GetFirstDocTemplatePosition();
    CDocTemplate* docTemplate = GetNextDocTemplate(position);
    auto* document = docTemplate ? dynamic_cast<CSobrelDoc*>(docTemplate->OpenDocumentFile(nullptr, TRUE)) : nullptr;
    if (!document)
        return;
    if (extension == "mdb")
    {
        // The imported table is saved as a workbook: the database file is never proposed.
        document->SetTitle(QFileInfo(QString::fromUtf8(LPCTSTR(path))).completeBaseName().toUtf8().constData());
        document->connectType = "Access";
    }
    else if (extension == "dbf")
        document->connectType = "dBASE III";
    else
    {
        const CString title = QFileInfo(QString::fromUtf8(LPCTSTR(path))).completeBaseName().toUtf8().constData();
        document->connectType = "text";
        document->tableName = title;
        document->SetTitle(title);
    }
    if (!document->ImportFile(path))
    {
        const bool reported = document->importReported;
        document->OnCloseDocument();
        if (reported)
            return;
        CString text;
        text.Format(LanguageString(IDS_FILE_NOT_OPENED), LPCTSTR(path));
        AfxMessageBox(text, MB_OK | MB_ICONERROR);
    }
}

// Without a table open: the same sheet the tables' commands run.
void CSobrelApp::OnOptions() { CSobrelView::RunOptions(0); }

void CSobrelApp::OnPrintOptions() { CSobrelView::RunOptions(1); }

void CSobrelApp::About()
{
    CAboutDlg dialog(m_pMainWnd);
    dialog.DoModal();
}

void CSobrelApp::CheckVersion()
{
    CString path;
    path.Format("versionInfo/%s%.0f%s.txt", m_pszAppName, 150.0, LPCTSTR(language));
    CVersionCheck check(kCurrentVersion, LanguageString(IDS_WEB_ADDRESS), path, m_pszAppName, "", m_pMainWnd);
    check.Check(true);
}

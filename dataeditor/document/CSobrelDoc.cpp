#include "dataeditor/document/CSobrelDoc.h"

#include "dataeditor/app/CSobrelApp.h"
#include "dataeditor/app/LanguageText.h"
#include "dataeditor/app/SobrelIds.h"
#include "dataeditor/app/WritingFiles.h"
#include "dataeditor/document/CTableChoiceDlg.h"
#include "dataeditor/document/CTableNameDlg.h"
#include "dataeditor/document/CUndoStep.h"
#include "dataeditor/view/CSobrelView.h"
#include "platform/core/MessageBox.h"
#include "platform/core/NumberText.h"
#include "platform/frame/CDocTemplate.h"
#include "platform/frame/CMDIChildWnd.h"
#include "platform/frame/FrameTexts.h"
#include "platform/ui/CCmdUI.h"

#include <QFileInfo>

#include <sys/stat.h>

IMPLEMENT_DYNCREATE(CSobrelDoc, CDocument)

BEGIN_MESSAGE_MAP(CSobrelDoc, CDocument)
    ON_COMMAND(ID_FILE_SAVE, OnFileSave)
    ON_COMMAND(ID_FILE_SAVE_AS, OnFileSaveAs)
    ON_UPDATE_COMMAND_UI(ID_FILE_SAVE, OnUpdateFileSave)
    ON_COMMAND(ID_OPEN_ANOTHER_TABLE, OnOpenAnotherTable)
    ON_UPDATE_COMMAND_UI(ID_OPEN_ANOTHER_TABLE, OnUpdateOpenAnotherTable)
    ON_COMMAND(ID_DELETE_TABLE, OnDeleteTable)
    ON_UPDATE_COMMAND_UI(ID_DELETE_TABLE, OnUpdateDeleteTable)
    ON_COMMAND(ID_RENAME_TABLE, OnRenameTable)
    ON_UPDATE_COMMAND_UI(ID_RENAME_TABLE, OnUpdateRenameTable)
END_MESSAGE_MAP()

namespace
{
// One file, however its path is written (links, "." and ".." resolved).
bool SameFile(const CString& a, const CString& b)
{
    if (a == b)
        return true;
    const QString first = QFileInfo(QString::fromUtf8(LPCTSTR(a))).canonicalFilePath();
    return !first.isEmpty() && first == QFileInfo(QString::fromUtf8(LPCTSTR(b))).canonicalFilePath();
}

bool IsWritableFile(const CString& path)
{
    struct stat status;
    return ::stat(path, &status) == 0 && (status.st_mode & S_IWUSR);
}

} // namespace

CSobrelDoc::CSobrelDoc()
{
    data.m_bShowErrors = FALSE;
    openMarker = LanguageText(IDS_OPEN_MARKER);
    markerTableName = LanguageText(IDS_MARKER_TABLE);
    if (CSobrelApp* app = SobrelApp())
    {
        connectType = app->excelConnect;
        options = &app->options;
    }
}

CSobrelDoc::~CSobrelDoc() = default;

CSobrelView* CSobrelDoc::View() const
{
    POSITION position = GetFirstViewPosition();
    return position ? dynamic_cast<CSobrelView*>(GetNextView(position)) : nullptr;
}

CString CSobrelDoc::WithSheetSuffix(const CString& name) { return name.Right(1) == "$" ? name : name + "$"; }

CString CSobrelDoc::WithoutSheetSuffix(const CString& name)
{
    return name.Right(1) == "$" ? name.Left(name.GetLength() - 1) : name;
}

CString CSobrelDoc::ShownTableName() const { return fileBacked && nameChanged ? storedTableName : tableName; }

std::vector<CSobrelDoc*> CSobrelDoc::OtherDocuments(const CString& path) const
{
    std::vector<CSobrelDoc*> others;
    CDocTemplate* docTemplate = GetDocTemplate();
    if (!docTemplate || path.IsEmpty())
        return others;
    for (POSITION position = docTemplate->GetFirstDocPosition(); position;)
    {
        auto* other = dynamic_cast<CSobrelDoc*>(docTemplate->GetNextDoc(position));
        if (other && other != this && !other->filePath.IsEmpty() && SameFile(other->filePath, path))
            others.push_back(other);
    }
    return others;
}

int CSobrelDoc::FindOtherDocument(const CString& path, bool activate)
{
    const std::vector<CSobrelDoc*> others = OtherDocuments(path);
    if (others.empty())
        return 0;
    CSobrelDoc* other = others.front();
    if (activate)
        if (CSobrelView* view = other->View())
            if (auto* frame = dynamic_cast<CMDIChildWnd*>(view->GetParentFrame()))
                frame->MDIActivate();
    readOnly = other->readOnly;
    return other->tableCount;
}

void CSobrelDoc::BuildTableList()
{
    if (!data.IsOpen())
        return;
    tableList.clear();
    for (int i = 0; i < data.m_nTableCount; ++i)
        tableList.push_back(data.m_aTableNames[i]);
    tableCount = data.m_nTableCount;
    sheetCount = 0;
    for (int i = 0; i < int(tableList.size()); ++i)
    {
        const CString entry = tableList[std::size_t(i)];
        if (entry.Right(1) == "$")
        {
            ++sheetCount;
            const CString range = WithoutSheetSuffix(entry);
            for (int j = 0; j < int(tableList.size()); ++j)
                if (j != i && tableList[std::size_t(j)] == range)
                {
                    tableList.erase(tableList.begin() + j);
                    --tableCount;
                    if (j <= i)
                        --i;
                    break;
                }
        }
        if (i >= 0 && i < int(tableList.size()) && !markerTableName.IsEmpty() &&
            tableList[std::size_t(i)] == markerTableName)
        {
            tableList.erase(tableList.begin() + i);
            --tableCount;
            --i;
        }
    }
    for (CSobrelDoc* other : OtherDocuments(filePath))
        for (CString& entry : tableList)
            if (entry == other->ShownTableName())
                entry += openMarker;
}

BOOL CSobrelDoc::OnNewDocument()
{
    if (!CDocument::OnNewDocument())
        return FALSE;
    if (CSobrelView* view = View())
        view->options = options;
    filePath.Empty();
    tableName.Empty();
    tableList.clear();
    tableCount = 0;
    fileBacked = 0;
    return TRUE;
}

BOOL CSobrelDoc::OnOpenDocument(LPCTSTR lpszPathName)
{
    CSobrelApp* app = SobrelApp();
    const CString path = lpszPathName;
    const int others = FindOtherDocument(path, true);
    if (!app->openingAnotherTable && others == 1)
        return FALSE;
    fileBacked = 0;
    if (!QFileInfo(QString::fromUtf8(LPCTSTR(path))).isReadable())
    {
        AfxMessageBox(FrameTexts::Format(FrameTexts::CannotOpen, path), MB_OK | MB_ICONEXCLAMATION);
        return FALSE;
    }
    filePath = path;
    fileBacked = 1;
    if (others == 0)
        readOnly = app->openingAnotherTable ? app->anotherTableReadOnly : !IsWritableFile(path);
    if (!markerTableName.IsEmpty())
    {
        CData marker;
        marker.m_bShowErrors = FALSE;
        if (marker.Open(path, app->excelConnect, 0, 1) && marker.OpenTable(markerTableName, "", 0))
            readOnly = 1;
    }
    if (!readOnly)
        AddToWritingFiles();
    if (!data.Open(path, connectType, 0, 0))
    {
        AfxMessageBox(LanguageText(IDS_OPEN_FAILED), MB_OK | MB_ICONSTOP);
        RemoveFromWritingFiles();
        filePath.Empty();
        connectType.Empty();
        return FALSE;
    }
    BuildTableList();
    if (tableName.IsEmpty())
    {
        tableName = app->requestedTable;
        app->requestedTable.Empty();
        if (tableName.GetLength() > 1 && tableName.Left(1) == "%" && tableName.Right(1) == "%")
        {
            const CString digits = tableName.Mid(1, tableName.GetLength() - 2);
            if (!digits.IsEmpty() && digits[0] >= '0' && digits[0] <= '9')
            {
                const int n = NumberText::ToInt(std::string(digits));
                if (n >= 0 && n < tableCount)
                    tableName = tableList[std::size_t(n)];
            }
        }
    }
    bool openTable = false;
    if (!tableName.IsEmpty() && data.IsTable(tableName))
    {
        bool shown = false;
        if (others > 0)
            for (int i = int(tableList.size()) - 1; i >= 0; --i)
                if (tableList[std::size_t(i)] == tableName + openMarker)
                {
                    tableName = tableList[std::size_t(i)];
                    shown = true;
                    break;
                }
        openTable = !shown;
    }
    else
        openTable = ChooseTable();
    if (openTable)
    {
        if (data.OpenTable(tableName, "", 0))
        {
            if (CSobrelView* view = View())
            {
                view->dataSource = &data;
                view->options = options;
            }
            return TRUE;
        }
        CString text;
        text.Format(LanguageText(IDS_OPEN_TABLE_FAILED), LPCTSTR(tableName), LPCTSTR(filePath));
        AfxMessageBox(text, MB_OK | MB_ICONSTOP);
    }
    data.Close();
    if (tableName.Find(openMarker) >= 0)
        ActivateDocumentShowing(tableName);
    if (!readOnly)
        RemoveFromWritingFiles();
    filePath.Empty();
    connectType.Empty();
    return FALSE;
}

void CSobrelDoc::ActivateDocumentShowing(const CString& entry)
{
    const CString name = entry.Left(entry.Find(openMarker));
    for (CSobrelDoc* other : OtherDocuments(filePath))
        if (other->ShownTableName() == name)
            if (CSobrelView* view = other->View())
                if (auto* frame = dynamic_cast<CMDIChildWnd*>(view->GetParentFrame()))
                {
                    frame->MDIActivate();
                    return;
                }
}

BOOL CSobrelDoc::ChooseTable()
{
    if (tableCount > 1)
    {
        CString prompt;
        prompt.Format(LanguageText(IDS_CHOOSE_TABLE), tableCount, LPCTSTR(LanguageText(tableCount < 5 ? IDS_TABLES_FEW : IDS_TABLES_MANY)));
        CTableChoiceDlg dialog(tableList, prompt, openMarker);
        if (dialog.DoModal() != IDOK)
            return FALSE;
        tableName = dialog.chosen;
        return tableName.Find(openMarker) < 0;
    }
    if (tableCount == 1)
    {
        const int marker = tableList[0].Find(openMarker);
        if (marker >= 0)
        {
            tableName = tableList[0];
            return FALSE;
        }
        tableName = tableList[0];
        return TRUE;
    }
    AfxMessageBox(LanguageText(IDS_NO_TABLE), MB_OK | MB_ICONSTOP);
    data.Close();
    return FALSE;
}

void CSobrelDoc::LoadingEnded() { ProtectFile(true); }

void CSobrelDoc::SetTitle(LPCTSTR lpszTitle)
{
    CString title = lpszTitle ? lpszTitle : "";
    if (!tableName.IsEmpty())
        title = title + " - " + WithoutSheetSuffix(tableName);
    if (readOnly)
        title += LanguageText(IDS_READ_ONLY_TITLE);
    CDocument::SetTitle(title);
}

void CSobrelDoc::RefreshTitle()
{
    CString title = GetTitle();
    const int dash = title.Find(" - ");
    if (dash >= 0)
        title = title.Left(dash);
    const CString readOnlyText = LanguageText(IDS_READ_ONLY_TITLE);
    if (!readOnlyText.IsEmpty() && title.Right(readOnlyText.GetLength()) == readOnlyText)
        title = title.Left(title.GetLength() - readOnlyText.GetLength());
    SetTitle(title);
}

void CSobrelDoc::ProtectFile(bool on)
{
    if (readOnly || !fileBacked || filePath.IsEmpty())
        return;
    struct stat status;
    if (::stat(filePath, &status) != 0)
        return;
    const mode_t mode = status.st_mode & 07777;
    if (on && (mode & 0222))
    {
        m_modeBeforeProtection = mode;
        ::chmod(filePath, mode & ~mode_t(0222));
    }
    else if (!on && m_modeBeforeProtection)
    {
        ::chmod(filePath, m_modeBeforeProtection);
        m_modeBeforeProtection = 0;
    }
}

void CSobrelDoc::AddToWritingFiles() { WritingFiles::Add(filePath); }

void CSobrelDoc::RemoveFromWritingFiles() { WritingFiles::Remove(filePath); }

void CSobrelDoc::OnCloseDocument()
{
    if (!readOnly)
    {
        ProtectFile(false);
        RemoveFromWritingFiles();
    }
    CSobrelApp* app = SobrelApp();
    CDocTemplate* docTemplate = GetDocTemplate();
    bool onlyDocument = false;
    if (docTemplate)
    {
        POSITION position = docTemplate->GetFirstDocPosition();
        onlyDocument = position && docTemplate->GetNextDoc(position) == this && !position;
    }
    const bool reopen = View() && app && !app->closing && !app->exiting && onlyDocument;
    CDocument::OnCloseDocument();
    if (reopen && docTemplate)
        docTemplate->OpenDocumentFile(nullptr, TRUE);
}

BOOL CSobrelDoc::SaveModified()
{
    if (readOnly)
        return TRUE;
    ProtectFile(false);
    const BOOL result = CDocument::SaveModified();
    ProtectFile(true);
    return result;
}

BOOL CSobrelDoc::DoSave(LPCTSTR lpszPathName, BOOL bReplace) { return CDocument::DoSave(lpszPathName, bReplace); }

void CSobrelDoc::OnFileSave()
{
    if (GetPathName().IsEmpty() || !fileBacked)
        DoSave(nullptr, TRUE);
    else
        DoSave(GetPathName(), TRUE);
}

void CSobrelDoc::OnFileSaveAs() { DoSave(nullptr, TRUE); }

void CSobrelDoc::OnUpdateFileSave(CCmdUI* pCmdUI)
{
    CSobrelView* view = View();
    pCmdUI->Enable(!readOnly && IsModified() && view && view->columnCount > 0);
}

void CSobrelDoc::OnOpenAnotherTable()
{
    CSobrelApp* app = SobrelApp();
    app->openingAnotherTable = true;
    app->anotherTableReadOnly = readOnly != 0;
    if (CDocTemplate* docTemplate = GetDocTemplate())
        docTemplate->OpenDocumentFile(filePath, TRUE);
    app->openingAnotherTable = false;
}

void CSobrelDoc::OnUpdateOpenAnotherTable(CCmdUI* pCmdUI) { pCmdUI->Enable(fileBacked && tableCount > 1); }

void CSobrelDoc::OnUpdateDeleteTable(CCmdUI* pCmdUI) { pCmdUI->Enable(!readOnly && fileBacked); }

void CSobrelDoc::OnUpdateRenameTable(CCmdUI* pCmdUI)
{
    CSobrelView* view = View();
    pCmdUI->Enable(!readOnly && view && view->columnCount > 0);
}

void CSobrelDoc::OnRenameTable() { AskNewTableName(); }

bool CSobrelDoc::AskNewTableName()
{
    CTableNameDlg dialog(WithoutSheetSuffix(tableName), false);
    if (dialog.DoModal() != IDOK)
        return false;
    const CString previous = tableName;
    if (fileBacked && !nameChanged)
        storedTableName = tableName;
    tableName = WithSheetSuffix(dialog.name);
    if (CSobrelView* view = View())
        view->PushStep(new CUndoStep(CUndoStep::TableName, view, -1, -1, previous));
    if (fileBacked)
        nameChanged = 1;
    RefreshTitle();
    SetModifiedFlag(TRUE);
    return true;
}

void CSobrelDoc::ApplyTableName(const CString& name, const CString& previous)
{
    if (nameChanged && storedTableName == name)
    {
        storedTableName.Empty();
        nameChanged = 0;
    }
    else if (!nameChanged && fileBacked && name != previous)
    {
        storedTableName = previous;
        nameChanged = 1;
    }
    tableName = name;
    RefreshTitle();
}

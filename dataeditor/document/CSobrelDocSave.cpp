// Saving and deleting the document's table.
#include "dataeditor/document/CSobrelDoc.h"

#include "dataeditor/grid/CSobrelGrid.h"
#include "dataeditor/app/CMainFrame.h"
#include "dataeditor/app/CSobrelApp.h"
#include "dataeditor/app/LanguageText.h"
#include "dataeditor/app/SobrelIds.h"
#include "dataeditor/document/CColumnInfo.h"
#include "dataeditor/document/CTableNameDlg.h"
#include "dataeditor/view/CSobrelView.h"
#include "dataeditor/view/ColumnTypeCodec.h"
#include "platform/core/FileOps.h"
#include "platform/core/MessageBox.h"

#include <QFileInfo>

#include <cstdio>
#include <sys/stat.h>
#include <unistd.h>

namespace
{
// The engine's error for a name no table may have.
constexpr int kInvalidNameError = 3125;

// A workbook sheet holds 65,536 rows: the header and 65,535 data rows.
constexpr int kMaxDataRows = 65535;

// "<folder>/<name>$.<ext>" beside the target.
CString TemporaryPathFor(const CString& path)
{
    const QFileInfo info(QString::fromUtf8(LPCTSTR(path)));
    const QString name = info.fileName();
    const int dot = name.lastIndexOf(u'.');
    const QString temporary = dot >= 0 ? name.left(dot) + u'$' + name.mid(dot) : name + u'$';
    return CString((info.absolutePath() + u'/' + temporary).toUtf8().constData());
}

bool ModeOf(const CString& path, mode_t& mode)
{
    struct stat status;
    if (::stat(path, &status) != 0)
        return false;
    mode = status.st_mode & 07777;
    return true;
}
} // namespace

bool CSobrelDoc::SaveFailed(UINT message, const CString& argument, const CString& temporary)
{
    SobrelApp()->ReportProgress(-1, 0, "", false, false);
    data.Close();
    if (!temporary.IsEmpty())
        std::remove(temporary);
    if (message)
        AfxMessageBox(argument.IsEmpty() ? LanguageText(message) : LanguageFormat(message, argument), MB_OK | MB_ICONSTOP);
    return false;
}

BOOL CSobrelDoc::OnSaveDocument(LPCTSTR lpszPathName)
{
    const CString path = lpszPathName;
    const bool ownFile = fileBacked && path == filePath;
    if (ownFile)
        ProtectFile(false);
    const BOOL saved = [&]() -> BOOL {
        if (FileOps::Exists(path) && FileOps::IsReadOnly(path))
        {
            if (ownFile)
                AfxMessageBox(LanguageText(IDS_SAVE_OWN_READONLY), MB_OK | MB_ICONINFORMATION);
            else if (!OtherDocuments(path).empty())
                AfxMessageBox(LanguageText(IDS_SAVE_OTHER_OPEN), MB_OK | MB_ICONINFORMATION);
            else
                AfxMessageBox(LanguageText(IDS_SAVE_READONLY), MB_OK | MB_ICONSTOP);
            return FALSE;
        }
        if (tableName.IsEmpty())
        {
            CTableNameDlg dialog("", true);
            if (dialog.DoModal() != IDOK || dialog.name.IsEmpty())
                return FALSE;
            tableName = dialog.name;
        }
        bool written = WriteTable(path);
        while (!written && OfferRenameOfRefusedName())
            written = WriteTable(path);
        return written ? TRUE : FALSE;
    }();
    if (fileBacked)
        ProtectFile(true);
    return saved;
}

bool CSobrelDoc::WriteTable(const CString& path)
{
    CSobrelApp* app = SobrelApp();
    CSobrelView* view = View();
    CGridCtrl* grid = view ? view->Grid() : nullptr;
    if (!grid)
        return false;
    const int firstRow = view->fixedRows;
    const int firstColumn = view->fixedColumns;
    const int rows = view->rowCount;
    const int columns = view->columnCount;
    if (columns > kMaxSheetColumns)
    {
        CString text;
        text.Format(LanguageText(IDS_SAVE_TOO_MANY_COLUMNS), columns);
        AfxMessageBox(text, MB_OK | MB_ICONSTOP);
        return false;
    }
    app->ReportProgress(0, firstRow + rows, LanguageText(IDS_SAVE_PREPARING), true, false);
    const CString temporary = TemporaryPathFor(path);
    std::remove(temporary);

    const bool targetExists = FileOps::Exists(path);
    const CString previousTableName = tableName;
    if (targetExists)
    {
        // The workbook is copied whole and only this table is made anew: the other sheets keep
        // their heads, names and cells as they are.
        if (!CopyFile(path, temporary, FALSE) || ::chmod(temporary, S_IRUSR | S_IWUSR) != 0 ||
            !data.Open(temporary, connectType, 0, 0))
            return SaveFailed(IDS_SAVE_COPY_FAILED, temporary, temporary);
        CString name = tableName;
        if (path != filePath || !fileBacked)
        {
            name = WithSheetSuffix(tableName);
            if (data.IsTable(name) && AfxMessageBox(LanguageFormat(IDS_SAVE_REPLACE_TABLE, name),
                                                    MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2) != IDYES)
                return SaveFailed(0, "", temporary);
        }
        const CString leftOut = (path == filePath && nameChanged) ? storedTableName : name;
        if (data.IsTable(leftOut) && !data.DeleteTable(leftOut))
            return SaveFailed(IDS_SAVE_COPY_FAILED, temporary, temporary);
        tableName = name;
    }
    else if (!data.Create(temporary, connectType))
        return SaveFailed(IDS_SAVE_COPY_FAILED, temporary, temporary);

    if (rows > kMaxDataRows)
    {
        tableName = previousTableName;
        return SaveFailed(IDS_SAVE_ADD_ROW_FAILED, "", temporary);
    }
    const int guessRows = options ? options->dataGuessRows : 8;
    std::vector<int> sizes(std::size_t(columns), 0);
    std::vector<int> types(std::size_t(columns), 10);
    for (int c = 0; c < columns; ++c)
    {
        std::shared_ptr<CColumnInfo> info = view->ColumnInfo(firstColumn + c);
        int type = info ? info->type : 10;
        int size = info ? info->size : 255;
        if (type == 10 || type == 12)
        {
            size = 1;
            int longest = 0;
            for (int r = 0; r < rows; ++r)
            {
                longest = std::max(longest, int(view->GetDataText(firstRow + r, firstColumn + c).GetLength()));
                if (r < guessRows)
                    size = std::max(size, longest);
                if (longest > 255)
                {
                    type = 12;
                    break;
                }
            }
            if (longest <= 255 && type == 12)
            {
                type = 10;
                size = 255;
            }
            if (info)
            {
                info->type = type;
                info->size = size;
            }
        }
        types[std::size_t(c)] = type;
        sizes[std::size_t(c)] = size;
        const CString name = grid->GetItemText(0, firstColumn + c);
        data.AddColBeforeCreateTable(info ? info->HeadToSave(name) : name, type, size, info ? info->decimals : -2);
    }
    m_refusedNameReason.Empty();
    if (!data.CreateTable(WithoutSheetSuffix(tableName)))
    {
        tableName = previousTableName;
        if (data.GetErrorCode() == kInvalidNameError)
        {
            m_refusedNameReason = data.GetErrorText();
            return SaveFailed(0, "", temporary);
        }
        return SaveFailed(IDS_SAVE_CREATE_FAILED, temporary, temporary);
    }
    CString writing;
    writing.Format(LanguageText(IDS_SAVE_WRITING), LPCTSTR(tableName), LPCTSTR(path));
    app->ReportProgress(0, firstRow + rows, writing, true, false);
    for (int r = 0; r < rows; ++r)
    {
        if (!data.AddRow())
        {
            tableName = previousTableName;
            return SaveFailed(IDS_SAVE_ADD_ROW_FAILED, "", temporary);
        }
        for (int c = 0; c < columns; ++c)
        {
            CString text = view->GetDataText(firstRow + r, firstColumn + c);
            if (r == 0 && types[std::size_t(c)] == 12 && sizes[std::size_t(c)] < 256)
            {
                sizes[std::size_t(c)] = 256;
                while (text.GetLength() < 256)
                    text += ' ';
            }
            if (!data.SetStringValue(c, text, r))
            {
                tableName = previousTableName;
                SaveFailed(0, "", temporary);
                CString message;
                message.Format(LanguageText(IDS_SAVE_VALUE_FAILED_AT), LPCTSTR(text), r + 1,
                               LPCTSTR(grid->GetItemText(0, firstColumn + c)));
                AfxMessageBox(message, MB_OK | MB_ICONSTOP);
                return false;
            }
        }
        if ((r & 255) == 0)
            app->ReportProgress(firstRow + r + 1, firstRow + rows, "", true, false);
    }
    data.CloseTable();
    WriteColumnTypes(*view);
    if (!data.Flush())
    {
        tableName = previousTableName;
        return SaveFailed(IDS_SAVE_VALUE_FAILED, "", temporary);
    }
    tableName = WithSheetSuffix(tableName);
    BuildTableList();
    data.Close();
    if (!ReplaceFile(temporary, path))
    {
        tableName = previousTableName;
        return SaveFailed(IDS_SAVE_COPY_FAILED, temporary, temporary);
    }
    const bool otherPath = path != filePath;
    if (!fileBacked || otherPath)
    {
        if (!readOnly && fileBacked && otherPath)
        {
            ProtectFile(false);
            RemoveFromWritingFiles();
        }
        filePath = path;
        if (otherPath && readOnly)
            readOnly = 0;
        AddToWritingFiles();
        m_modeBeforeProtection = 0;
    }
    nameChanged = 0;
    storedTableName.Empty();
    fileBacked = 1;
    view->MarkJournalSaved();
    SetModifiedFlag(FALSE);
    app->ReportProgress(-1, 0, "", false, false);
    return true;
}

namespace
{
bool IsTypeText(const CString& text)
{
    int decimals = -2;
    return ColumnTypeCodec::Decode(text, decimals) != -1;
}

// Whether a type text of the information table already says what the column is (a text and a
// memo column are one kind: the save chooses between them by the texts' lengths).
bool TypeTextFits(const CString& text, const CColumnInfo& info)
{
    int decimals = -2;
    const int type = ColumnTypeCodec::Decode(text, decimals);
    const auto isText = [](int t) { return t == 10 || t == 12; };
    if (isText(type) && isText(info.type))
        return true;
    return type == info.type && (decimals == -2 || decimals == info.decimals);
}
} // namespace

// A retyped column: the information table's type row (its second row) takes the column's type,
// so that the table opens again as it was saved. A column the table gives no type keeps none.
void CSobrelDoc::WriteColumnTypes(CSobrelView& view)
{
    const CString infoName = view.InformationTableName(tableName);
    if (!data.IsTable(infoName) || !data.OpenTable(infoName, "", 0))
        return;
    CGridCtrl* grid = view.Grid();
    for (int c = view.fixedColumns; c < view.fixedColumns + view.columnCount && data.m_nRecordCount > 1; ++c)
    {
        std::shared_ptr<CColumnInfo> info = view.ColumnInfo(c);
        const int column = data.GetColIndex(grid->GetItemText(0, c), 0);
        CString text;
        if (!info || column < 0 || !data.GetStringValue(column, text, 1, -3) || !IsTypeText(text) ||
            TypeTextFits(text, *info))
            continue;
        data.SetStringValue(column, ColumnTypeCodec::Encode(info->type, info->decimals, true), 1);
    }
    data.CloseTable();
}

bool CSobrelDoc::OfferRenameOfRefusedName()
{
    if (m_refusedNameReason.IsEmpty())
        return false;
    CString question;
    question.Format(LanguageText(IDS_SAVE_TABLE_NAME_REFUSED), LPCTSTR(WithoutSheetSuffix(tableName)),
                    LPCTSTR(m_refusedNameReason));
    m_refusedNameReason.Empty();
    return AfxMessageBox(question, MB_YESNO | MB_ICONQUESTION) == IDYES && AskNewTableName();
}

bool CSobrelDoc::ReplaceFile(const CString& temporary, const CString& path)
{
    mode_t mode = 0;
    const bool hadFile = ModeOf(path, mode);
    if (hadFile && options && options->backup)
    {
        const CString backup = path + ".bak";
        std::remove(backup);
        if (::link(path, backup) != 0 && !CopyFile(path, backup, FALSE))
            return false;
    }
    if (::rename(temporary, path) != 0)
        return false;
    if (hadFile)
        ::chmod(path, mode);
    return true;
}

void CSobrelDoc::OnDeleteTable()
{
    if (AfxMessageBox(LanguageText(IDS_DELETE_TABLE_ASK), MB_YESNO | MB_ICONSTOP | MB_DEFBUTTON2) != IDYES)
        return;
    if (nameChanged)
        tableName = storedTableName;
    ProtectFile(false);
    const CString companion = TemporaryPathFor(filePath);
    const bool backup = options && options->backup;
    if (sheetCount == 1)
    {
        if (backup)
        {
            std::remove(filePath + ".bak");
            ::rename(filePath, filePath + ".bak");
        }
        else
            std::remove(filePath);
        RemoveFromWritingFiles();
        readOnly = 1;
    }
    else
    {
        if (CMainFrame* frame = SobrelMainFrame())
            frame->SetMessageText(LanguageText(IDS_DELETE_TABLE_STATUS));
        std::remove(companion);
        const bool copied = data.Open(filePath, connectType, 0, 0) &&
                            data.Copy(companion, data.GetTableIndex(tableName)) != 0;
        data.Close();
        if (!copied)
        {
            std::remove(companion);
            ProtectFile(true);
            AfxMessageBox(LanguageFormat(IDS_SAVE_COPY_FAILED, companion), MB_OK | MB_ICONSTOP);
            return;
        }
        mode_t mode = 0;
        ModeOf(filePath, mode);
        if (backup)
        {
            std::remove(filePath + ".bak");
            if (::link(filePath, filePath + ".bak") != 0)
                CopyFile(filePath, filePath + ".bak", FALSE);
        }
        ::rename(companion, filePath);
        ::chmod(filePath, mode);
        ProtectFile(true);
        if (CMainFrame* frame = SobrelMainFrame())
            frame->SetMessageText("");
    }
    SetModifiedFlag(FALSE);
    OnCloseDocument();
}

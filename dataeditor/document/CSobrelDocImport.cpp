// Importing tables of other kinds of file into a new document.
#include "dataeditor/document/CSobrelDoc.h"

#include "dataeditor/grid/CSobrelGrid.h"
#include "dataeditor/app/CSobrelApp.h"
#include "dataeditor/app/LanguageText.h"
#include "dataeditor/app/SobrelIds.h"
#include "dataeditor/document/CColumnInfo.h"
#include "dataeditor/document/CSeparatorDlg.h"
#include "dataeditor/document/DbaseConversion.h"
#include "dataeditor/view/CSobrelView.h"
#include "dataeditor/view/ColumnTypeCodec.h"
#include "platform/core/MessageBox.h"
#include "platform/dao/DelimitedText.h"
#include "platform/dao/JetError.h"
#include "platform/ui/WaitCursor.h"

#include <QFileInfo>

#include <algorithm>

BOOL CSobrelDoc::ImportFile(const CString& path)
{
    CWaitCursor wait;
    importReported = false;
    CSobrelView* view = View();
    if (!view || !view->Grid())
        return FALSE;
    if (connectType == "text")
        return LoadImported(ImportText(path));
    if (connectType == "dBASE III")
    {
        CSobrelApp* app = SobrelApp();
        const CString converted = ConvertDbaseFile(data, path, "-uL", app->programFolder + "Prevod");
        if (converted.IsEmpty())
            return FALSE;
        tableCount = 1;
        // The table keeps the name of the file it came from.
        tableName = QFileInfo(QString::fromUtf8(LPCTSTR(path))).completeBaseName().toUtf8().constData();
        view->dataSource = &data;
        view->LoadTable();
        RemoveConvertedFile(converted);
        return LoadImported(true);
    }
    if (!data.Open(path, connectType, 0, 0))
        return FALSE;
    tableList.clear();
    for (int i = 0; i < data.m_nTableCount; ++i)
        tableList.push_back(data.m_aTableNames[i]);
    tableCount = data.m_nTableCount;
    if (!ChooseTable() || !data.OpenTable(tableName, "", 0))
    {
        tableList.clear();
        tableCount = 0;
        data.Close();
        return FALSE;
    }
    view->dataSource = &data;
    view->LoadTable();
    return LoadImported(true);
}

BOOL CSobrelDoc::LoadImported(bool loaded)
{
    if (!loaded)
        return FALSE;
    CSobrelView* view = View();
    tableList.clear();
    tableCount = 0;
    if (view->columnCount > 0 && view->rowCount > 0)
    {
        view->Grid()->SetFocusCell(view->fixedRows, view->fixedColumns);
        view->Grid()->SetSelectedRange(view->fixedRows, view->fixedColumns, view->fixedRows, view->fixedColumns);
    }
    fileBacked = 0;
    filePath.Empty();
    connectType = SobrelApp()->excelConnect;
    if (tableName.Find('$') < 0)
        tableName += "$";
    RefreshTitle();
    view->ForgetJournalSaved();
    SetModifiedFlag(TRUE);
    if (view->columnCount > kMaxSheetColumns)
    {
        CString text;
        text.Format(LanguageText(IDS_IMPORT_TOO_MANY_COLUMNS), view->columnCount);
        AfxMessageBox(text, MB_OK | MB_ICONEXCLAMATION);
    }
    return TRUE;
}

// The file's text; false when it does not open (the caller reports that) or is no text (told
// here, naming what is wrong).
bool CSobrelDoc::ReadImportedText(const CString& path, std::string& text)
{
    std::string bytes;
    try
    {
        bytes = delimited::ReadBytes(std::string(path));
    }
    catch (const jet::JetError&)
    {
        return false;
    }
    delimited::TextProblem problem;
    text = delimited::DecodeText(bytes, problem);
    if (problem.kind == delimited::TextProblem::None)
        return true;
    CString message;
    if (problem.kind == delimited::TextProblem::BrokenUtf16)
        message.Format(LanguageText(IDS_IMPORT_BROKEN_UTF16), LPCTSTR(path));
    else
        message.Format(LanguageText(IDS_IMPORT_NUL), LPCTSTR(path), problem.line);
    AfxMessageBox(message, MB_OK | MB_ICONSTOP);
    importReported = true;
    return false;
}

BOOL CSobrelDoc::ImportText(const CString& path)
{
    CSeparatorDlg dialog;
    if (dialog.DoModal() != IDOK)
    {
        importReported = true;
        return FALSE;
    }
    CString separator = dialog.separator;
    if (separator == LanguageText(IDS_TAB_SEPARATOR) || separator == "\\t")
        separator = "\t";
    CSobrelApp* app = SobrelApp();
    app->ReportProgress(0, 555, LanguageText(IDS_IMPORT_PROGRESS) + path, true, false);
    std::string text;
    if (!ReadImportedText(path, text))
    {
        app->ReportProgress(-1, 0, "", false, false);
        return FALSE;
    }
    const std::vector<delimited::Record> records = delimited::Parse(text, std::string(separator));
    CSobrelView* view = View();
    CGridCtrl& grid = *view->Grid();
    const int fixedRows = view->fixedRows;
    const int fixedColumns = view->fixedColumns;
    grid.SetRowCount(fixedRows);
    grid.SetColumnCount(fixedColumns);
    grid.SetFixedRowCount(fixedRows);
    grid.SetFixedColumnCount(fixedColumns);
    grid.SetItemText(0, 0, "#");
    const delimited::Record header = records.empty() ? delimited::Record() : records[0];
    grid.SetColumnCount(fixedColumns + int(header.size()));
    for (std::size_t c = 0; c < header.size(); ++c)
    {
        CString name = header[c].c_str();
        int type = 12;
        int decimals = -2;
        const int at = name.Find('@');
        if (at >= 0)
        {
            int decoded = 0;
            const int codedType = ColumnTypeCodec::Decode(name.Mid(at + 1), decoded);
            if (codedType != -1)
            {
                type = codedType;
                decimals = decoded;
                name = name.Left(at);
            }
        }
        grid.SetItemText(0, fixedColumns + int(c), name);
        view->SetColumnInfo(fixedColumns + int(c), std::make_shared<CColumnInfo>(type, 256, decimals));
    }
    int row = fixedRows;
    for (std::size_t r = 1; r < records.size(); ++r)
    {
        const delimited::Record& record = records[r];
        grid.SetRowCount(row + 1);
        grid.SetItemTextFmt(row, 0, "%d", row - fixedRows + 1);
        for (std::size_t c = 0; c < record.size(); ++c)
        {
            const int column = fixedColumns + int(c);
            if (column >= grid.GetColumnCount())
            {
                grid.SetColumnCount(column + 1);
                view->SetColumnInfo(column, std::make_shared<CColumnInfo>(10, 255, -2));
            }
            // A line break inside a quoted field is a cell's line feed.
            CString text = record[c].c_str();
            text.Replace("\r\n", "\n");
            view->SetReadCell(row, column, text, true);
        }
        ++row;
    }
    view->columnCount = grid.GetColumnCount() - fixedColumns;
    view->rowCount = grid.GetRowCount() - fixedRows;
    grid.AutoSize();
    grid.ShowWindow(view->columnCount > 0 ? SW_SHOW : SW_HIDE);
    app->ReportProgress(-1, 0, "", false, false);
    return TRUE;
}

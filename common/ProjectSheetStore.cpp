#include "common/ProjectSheetStore.h"

#include "common/AppSettings.h"
#include "common/CommonIds.h"
#include "common/OpenWorkbookTable.h"
#include "common/ProjectFiles.h"
#include "common/RecreateProjectSheet.h"
#include "datalib/HeldWorkbookFile.h"
#include "platform/core/FileOps.h"
#include "platform/core/MessageBox.h"
#include "platform/core/WinTypes.h"

#include <algorithm>
#include <set>
#include <string>

namespace
{
bool Fail(UINT textId, const CString& path)
{
    ShowWorkbookProblem(textId, path, MB_ICONEXCLAMATION);
    return false;
}

void ShowStoreFailure(const CString& sheet, const CString& project, const CString& cause)
{
    CString format;
    format.LoadString(IDS_STORE_FAILED);
    CString text;
    text.Format(format, StripSheetSuffix(sheet).GetString(), project.GetString());
    if (!cause.IsEmpty())
        text += "\n" + cause;
    CString caption = AppSettings::Get().ErrorCaption();
    if (caption.IsEmpty())
        caption.LoadString(IDS_CAPTION_ERROR);
    MessageBox(nullptr, text, caption, MB_OK | MB_ICONEXCLAMATION);
}

// The sheets of a workbook, read without a message; empty when it does not open.
std::set<std::string> SheetsOf(const CString& path)
{
    std::set<std::string> sheets;
    CData data;
    data.m_bShowErrors = 0;
    if (!data.Open(path, "Excel 8.0", 0, 1))
        return sheets;
    for (int i = 0; i < data.m_nTableCount; ++i)
        if (data.m_aTableNames[i].Right(1) == "$")
            sheets.insert(data.m_aTableNames[i].str());
    data.Close();
    return sheets;
}
} // namespace

ProjectSheetStore::ProjectSheetStore(const CString& sheet, const CString& columnsFrom)
    : m_sheet(sheet), m_columnsFrom(columnsFrom), m_named(sheet)
{
}

ProjectSheetStore::~ProjectSheetStore()
{
    if (m_begun)
        Abandon();
}

bool ProjectSheetStore::Begin()
{
    m_project = AppSettings::Get().CurrentProjectPath();
    if (!FileOps::Exists(m_project))
        return Fail(IDS_FILE_PROBLEM, m_project);
    m_scratch = ProjectFiles::ScratchOf(m_project);
    if (!MakeWayForScratch())
        return false;
    m_held = std::make_unique<HeldWorkbookFile>(m_scratch);
    if (!BuildScratch())
    {
        m_held.reset();
        DeleteFile(m_scratch);
        return false;
    }
    // Types are those of a sheet without rows, as every store has always written its texts.
    const bool opened = m_sheet.IsEmpty() ? m_table.Open(m_scratch, "Excel 8.0", 0, 0) != 0
                                          : OpenWorkbookTable(m_table, m_scratch, m_sheet, "") == 0;
    if (!opened)
    {
        m_table.Close();
        m_held.reset();
        DeleteFile(m_scratch);
        if (m_sheet.IsEmpty())
            ShowWorkbookProblem(IDS_FILE_PROBLEM, m_scratch, MB_ICONEXCLAMATION);
        return false;
    }
    // A refused value is gathered and reported once, with its cause, when the sheet is put.
    m_table.m_bShowErrors = 0;
    m_table.ClearError();
    m_refused = false;
    m_begun = true;
    return true;
}

bool ProjectSheetStore::SetFirstRowValue(const CString& sheet, const CString& column, const CString& text)
{
    if (!m_begun)
        return false;
    CData other;
    other.m_bShowErrors = 0;
    const bool set = other.Open(m_scratch, "Excel 8.0", 0, 0) && other.OpenTable(sheet, "", 0) &&
                     other.m_nRecordCount > 0 && other.SetStringValue(column, text, 0, 0);
    if (!set)
    {
        m_refused = true;
        m_failureCause = other.GetErrorText();
    }
    if (m_named.IsEmpty())
        m_named = sheet;
    other.CloseTable();
    other.Close();
    return set;
}

bool ProjectSheetStore::Put()
{
    if (!m_begun)
        return false;
    CString cause;
    bool written = !m_refused && m_table.GetErrorCode() == 0;
    if (!written)
        cause = m_table.GetErrorCode() != 0 ? m_table.GetErrorText() : m_failureCause;
    else if (!m_table.Flush())
    {
        written = false;
        cause = m_table.GetErrorText();
    }
    if (!written)
    {
        Abandon();
        ShowStoreFailure(m_named, m_project, cause);
        return false;
    }
    m_table.CloseTable();
    m_table.Close();
    m_begun = false;
    if (!WriteScratch(cause))
    {
        DeleteFile(m_scratch);
        ShowStoreFailure(m_named, m_project, cause);
        return false;
    }
    if (!MoveFileEx(m_scratch, m_project, MOVEFILE_REPLACE_EXISTING))
    {
        DeleteFile(m_scratch);
        ShowStoreFailure(m_named, m_project, CString());
        return false;
    }
    return true;
}

// The scratch workbook from memory into its file, whole; false with the cause when it could
// not be written.
bool ProjectSheetStore::WriteScratch(CString& cause)
{
    const bool written = m_held->Write(cause);
    m_held.reset();
    return written;
}

// A store that replaces no sheet: the whole working copy in the scratch workbook, the value
// set there, put in place as any store.
bool ProjectSheetStore::StoreFirstRowValue(const CString& sheet, const CString& column, const CString& text)
{
    ProjectSheetStore store{CString()};
    store.m_named = sheet;
    return store.Begin() && store.SetFirstRowValue(sheet, column, text) && store.Put();
}

bool ProjectSheetStore::IsLeftBehindFor(const CString& path, const CString& workbook)
{
    const std::set<std::string> left = SheetsOf(path);
    const std::set<std::string> own = SheetsOf(workbook);
    if (left.empty() || own.empty())
        return false;
    const bool allOwn = std::includes(own.begin(), own.end(), left.begin(), left.end());
    return allOwn && own.size() - left.size() <= 1;
}

// A scratch workbook this run made, or one a killed store left, goes without a question; any
// other file there may be the user's, who is asked.
bool ProjectSheetStore::MakeWayForScratch()
{
    if (!FileOps::Exists(m_scratch))
        return true;
    if (!ProjectFiles::MadeByThisRun(m_scratch) && !IsLeftBehindFor(m_scratch, m_project) &&
        !ProjectFiles::ClearWayFor(m_scratch))
        return false;
    if (FileOps::Exists(m_scratch) && !DeleteFile(m_scratch))
        return Fail(IDS_FILE_PROBLEM, m_scratch);
    return true;
}

// The working copy without the sheet, then the sheet made empty with its columns.
bool ProjectSheetStore::BuildScratch()
{
    CData rebuilt;
    if (!rebuilt.Open(m_project, "Excel 8.0", 0, 0))
        return Fail(IDS_FILE_PROBLEM, m_project);
    const int copied = rebuilt.Copy(m_scratch, m_sheet.IsEmpty() ? -1 : rebuilt.GetTableIndex(m_sheet));
    const CString copyCause = rebuilt.GetErrorText();
    rebuilt.Close();
    if (!copied)
        return ShowStoreFailure(m_named, m_project, copyCause), false;
    if (m_sheet.IsEmpty())
        return true;
    CData columns;
    if (OpenWorkbookTable(columns, m_columnsFrom.IsEmpty() ? m_project : m_columnsFrom, m_sheet, "") != 0)
        return false;
    const bool created = rebuilt.Open(m_scratch, "Excel 8.0", 0, 0) && CreateTableColumns(columns, rebuilt, m_sheet) &&
                         (rebuilt.CloseTable(), rebuilt.Flush());
    const CString cause = rebuilt.GetErrorText();
    columns.CloseTable();
    columns.Close();
    rebuilt.Close();
    if (!created)
        ShowStoreFailure(m_named, m_project, cause);
    return created;
}

// Nothing of an unfinished store stays: the scratch workbook goes with what was written in it.
void ProjectSheetStore::Abandon()
{
    m_table.CloseTable();
    m_table.Close();
    m_held.reset();
    DeleteFile(m_scratch);
    m_begun = false;
}

#include "common/RecreateProjectSheet.h"

#include "common/AppSettings.h"
#include "common/CommonIds.h"
#include "common/OpenWorkbookTable.h"
#include "common/ProjectFiles.h"
#include "datalib/CData.h"
#include "platform/core/FileOps.h"
#include "platform/core/MessageBox.h"
#include "platform/core/WinTypes.h"

namespace
{
constexpr int kTextType = 10; // the database's text field type
constexpr int kTextWidth = 255;
constexpr int kNoDecimalsSuffix = -2;

int Fail(UINT textId, const CString& path)
{
    ShowWorkbookProblem(textId, path, MB_ICONEXCLAMATION);
    return 1;
}

// The scratch workbook: the project's workbook without sheet, then sheet created empty with
// the columns of that sheet in the columns workbook.
bool BuildScratch(const CString& project, const CString& scratch, const CString& sheet, const CString& columnsFrom)
{
    CData rebuilt;
    if (!rebuilt.Open(project, "Excel 8.0", 0, 0))
        return Fail(IDS_FILE_PROBLEM, project), false;
    const int index = rebuilt.GetTableIndex(sheet);
    const int copied = rebuilt.Copy(scratch, index);
    rebuilt.Close();
    if (!copied)
        return Fail(IDS_COPY_PROBLEM, scratch), false;
    CData columns;
    if (OpenWorkbookTable(columns, columnsFrom, sheet, "") != 0)
        return false;
    if (!rebuilt.Open(scratch, "Excel 8.0", 0, 0))
        return Fail(IDS_FILE_PROBLEM, scratch), false;
    const bool created = CreateTableColumns(columns, rebuilt, sheet) != 0;
    rebuilt.CloseTable();
    columns.CloseTable();
    columns.Close();
    rebuilt.Close();
    return created && FileOps::Exists(scratch);
}
} // namespace

CString StripSheetSuffix(const CString& name)
{
    return name.Right(1) == "$" ? name.Left(name.GetLength() - 1) : name;
}

int CreateTableColumns(CData& source, CData& target, const CString& sheet)
{
    for (int c = 0; c < source.m_nColCount; ++c)
    {
        const int type = source.m_aColTypes[c] < 0 ? kTextType : source.m_aColTypes[c];
        // The stored names, so that a number column keeps its decimals ("name;n").
        target.AddColBeforeCreateTable(source.m_aOrigColNames[c], type, type == kTextType ? kTextWidth : 0,
                                       kNoDecimalsSuffix);
    }
    return target.CreateTable(StripSheetSuffix(sheet));
}

int RecreateProjectSheet(const CString& sheet)
{
    return RecreateProjectSheetAs(sheet, AppSettings::Get().CurrentProjectPath());
}

// The project workbook is never deleted first: the rebuilt scratch workbook is renamed over it.
int RecreateProjectSheetAs(const CString& sheet, const CString& columnsFrom)
{
    const CString project = AppSettings::Get().CurrentProjectPath();
    if (!FileOps::Exists(project))
        return 1;
    const CString scratch = ProjectFiles::ScratchOf(project);
    if (!ProjectFiles::ClearWayFor(scratch))
        return 1;
    DeleteFile(scratch);
    if (!BuildScratch(project, scratch, sheet, columnsFrom))
    {
        DeleteFile(scratch);
        return 1;
    }
    if (!MoveFileEx(scratch, project, MOVEFILE_REPLACE_EXISTING))
    {
        DeleteFile(scratch);
        return Fail(IDS_FILE_PROBLEM, project);
    }
    return 0;
}

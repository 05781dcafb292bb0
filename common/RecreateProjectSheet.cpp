#include "common/RecreateProjectSheet.h"

#include "common/AppSettings.h"
#include "common/ProjectSheetStore.h"
#include "datalib/CData.h"
#include "platform/core/FileOps.h"

namespace
{
constexpr int kTextType = 10; // the database's text field type
constexpr int kTextWidth = 255;
constexpr int kNoDecimalsSuffix = -2;
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
    return RecreateProjectSheetAs(sheet, CString());
}

// A store of the sheet without rows.
int RecreateProjectSheetAs(const CString& sheet, const CString& columnsFrom)
{
    if (!FileOps::Exists(AppSettings::Get().CurrentProjectPath()))
        return 1;
    ProjectSheetStore store(sheet, columnsFrom);
    return store.Begin() && store.Put() ? 0 : 1;
}

#include "heatloss/CatalogueRows.h"

#include "datalib/CData.h"
#include "datalib/DataRules.h"
#include "heatloss/HeatLossIds.h"
#include "platform/core/MessageBox.h"

#include <filesystem>

namespace
{

const char* const kWorkbookType = "Excel 8.0";

CString TemporaryPathOf(const CString& path)
{
    const std::filesystem::path file(path.str());
    return CString((file.parent_path() / (file.stem().string() + "$.xls")).string().c_str());
}

CString WithoutSheetSuffix(const CString& table)
{
    return table.Right(1) == "$" ? table.Left(table.GetLength() - 1) : table;
}

// The sheet's columns in the target workbook, under their stored names and types.
bool CreateLikeSource(CData& source, CData& target, const CString& table)
{
    for (int c = 0; c < source.m_nColCount; ++c)
        target.AddColBeforeCreateTable(source.m_aOrigColNames[c], source.m_aColTypes[c], source.m_aColSizes[c],
                                       DataRules::kNoDecimals);
    return target.CreateTable(WithoutSheetSuffix(table)) != 0;
}

// Every row but those whose column holds value; each cell goes over as stored.
bool CopyRowsExcept(CData& source, CData& target, const CString& column, const CString& value)
{
    const int keyColumn = source.GetColIndex(column, 0);
    for (int row = 0; row < source.m_nRecordCount; ++row)
    {
        CString key;
        if (keyColumn >= 0 && !source.GetStringValue(keyColumn, key, row, -1))
            return false;
        if (keyColumn >= 0 && key == value)
            continue;
        if (!target.AddRow())
            return false;
        for (int c = 0; c < source.m_nColCount; ++c)
        {
            COleVariant cell;
            if (!source.GetValue(c, cell, row) || !target.SetValue(c, cell, -1))
                return false;
        }
    }
    return true;
}

} // namespace

CatalogueRewrite CatalogueFailure(UINT id, const CString& argument)
{
    CatalogueRewrite result;
    result.message.id = id;
    result.message.argument = argument;
    result.message.icon = MB_ICONEXCLAMATION;
    return result;
}

CString CatalogueWorkbookPath(const CString& dataFolder)
{
    CString folder = dataFolder;
    while (folder.GetLength() > 1 && (folder.Right(1) == "/" || folder.Right(1) == "\\"))
        folder = folder.Left(folder.GetLength() - 1);
    return folder + "/MekrData.xls";
}

CatalogueRewrite RemoveCatalogueRows(const CString& dataFolder, const CString& table, const CString& column,
                                     const CString& value)
{
    const CString path = CatalogueWorkbookPath(dataFolder);
    const CString temporary = TemporaryPathOf(path);
    std::error_code error;
    if (!std::filesystem::exists(path.str(), error))
        return {};
    std::filesystem::remove(temporary.str(), error);
    if (error)
        return CatalogueFailure(IDS_HL_COPY_PROBLEM, path);

    {
        CData workbook;
        if (!workbook.Open(path, kWorkbookType, 0, 0))
            return CatalogueFailure(IDS_HL_FILE_PROBLEM, path);
        if (!workbook.Copy(temporary, workbook.GetTableIndex(table)))
        {
            workbook.Close();
            std::filesystem::remove(temporary.str(), error);
            return CatalogueFailure(IDS_HL_COPY_PROBLEM, path);
        }
        workbook.Close();
    }

    const auto abandon = [&](UINT id, const CString& argument)
    {
        std::filesystem::remove(temporary.str(), error);
        return CatalogueFailure(id, argument);
    };
    CData source;
    if (!source.Open(path, kWorkbookType, 0, 0))
        return abandon(IDS_HL_FILE_PROBLEM, path);
    if (!source.OpenTable(table, CString(), 0))
    {
        source.Close();
        return abandon(IDS_HL_TABLE_PROBLEM, table);
    }
    CData target;
    if (!target.Open(temporary, kWorkbookType, 0, 0))
    {
        source.Close();
        return abandon(IDS_HL_FILE_PROBLEM, temporary);
    }
    bool copied = CreateLikeSource(source, target, table) && CopyRowsExcept(source, target, column, value);
    source.CloseTable();
    source.Close();
    target.CloseTable();
    copied = copied && target.Flush();
    target.Close();
    if (!copied || target.GetErrorCode() != 0)
        return abandon(IDS_HL_COPY_PROBLEM, path);

    // The catalogue is replaced in one step, never deleted before its replacement is there.
    std::filesystem::rename(temporary.str(), path.str(), error);
    if (error)
        return abandon(IDS_HL_COPY_PROBLEM, path);
    CatalogueRewrite result;
    result.succeeded = true;
    return result;
}

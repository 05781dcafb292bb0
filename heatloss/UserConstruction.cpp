#include "heatloss/UserConstruction.h"

#include "datalib/CData.h"
#include "heatloss/HeatLossIds.h"

#include <algorithm>

namespace
{

// Removes the rows of the key, then appends rows.
CatalogueRewrite ReplaceRows(const CString& dataFolder, const CString& table, const CString& column,
                             const CString& value, const std::vector<CatalogueRow>& rows)
{
    CatalogueRewrite removed = RemoveCatalogueRows(dataFolder, table, column, value);
    if (!removed.succeeded)
        return removed;
    const CString path = CatalogueWorkbookPath(dataFolder);
    CData data;
    if (!data.Open(path, "Excel 8.0", 0, 0))
        return CatalogueFailure(IDS_HL_FILE_PROBLEM, path);
    if (!data.OpenTable(table, CString(), 0))
        return CatalogueFailure(IDS_HL_TABLE_PROBLEM, table);
    bool written = true;
    for (const CatalogueRow& row : rows)
    {
        written = written && data.AddRow();
        for (int c = 0; written && c < std::min(int(row.size()), data.m_nColCount); ++c)
            written = data.SetStringValue(c, row[c], -1) != 0;
    }
    data.CloseTable();
    written = written && data.Flush();
    data.Close();
    if (!written)
        return CatalogueFailure(IDS_HL_FILE_PROBLEM, path);
    CatalogueRewrite result;
    result.succeeded = true;
    return result;
}

} // namespace

CatalogueRewrite SaveUserConstruction(const CString& dataFolder, const CString& kind,
                                      const std::vector<CatalogueRow>& constructions, const CString& key,
                                      const std::vector<CatalogueRow>& layers)
{
    CatalogueRewrite result = ReplaceRows(dataFolder, "Mekr_StK$", "Označení", kind, constructions);
    if (!result.succeeded)
        return result;
    return ReplaceRows(dataFolder, "Mekr_kUsr$", "Odkaz", key, layers);
}

std::set<std::string> CatalogueConstructionKeys(const CString& dataFolder)
{
    std::set<std::string> keys;
    const CString path = CatalogueWorkbookPath(dataFolder);
    for (const char* table : {"Mekr_StK$", "Mekr_kUsr$"})
    {
        CData data;
        if (!data.Open(path, "Excel 8.0", 0, 0))
            return keys;
        if (!data.OpenTable(table, CString(), 0))
            continue;
        CString key;
        for (int row = 0; row < data.m_nRecordCount; ++row)
            if (data.GetStringValue("Odkaz", key, row, -1, 0))
                keys.insert(key.str());
        data.CloseTable();
        data.Close();
    }
    return keys;
}

CString NewConstructionKey(std::time_t now, const std::function<bool(const CString&)>& taken)
{
    for (;; ++now)
    {
        std::tm local{};
        localtime_r(&now, &local);
        char text[32];
        std::strftime(text, sizeof text, "%Y%m%d%H%M%S", &local);
        if (!taken || !taken(text))
            return text;
    }
}

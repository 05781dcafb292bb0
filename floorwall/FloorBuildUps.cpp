#include "floorwall/FloorBuildUps.h"

#include "common/CommonRoutines.h"
#include "common/OpenWorkbookTable.h"
#include "datalib/CData.h"
#include "datalib/SqlTextLiteral.h"
#include "heatloss/CatalogueRows.h"
#include "hydraulics/NumberReading.h"
#include "platform/core/NumberText.h"

#include <cmath>

namespace
{

CString Text(const SheetTexts& row, const char* column)
{
    const auto found = row.find(column);
    return found == row.end() ? CString() : found->second;
}

CString ItemCode(int source, const CString& record)
{
    CString code;
    code.Format("%04d-%04d", source, int(std::lround(ReadNumber(record))));
    return code;
}

std::vector<BuildUpHeader> Headers(const std::vector<SheetTexts>& rows)
{
    std::vector<BuildUpHeader> headers;
    for (const SheetTexts& row : rows)
        headers.push_back({Text(row, "Odkaz"), Text(row, "Popis položky")});
    return headers;
}

} // namespace

CString CatalogueFile(const CString& dataFolder)
{
    return JoinPath(dataFolder, "MekrData.xls");
}

CString TrimNumberText(CString text)
{
    if (text.Find('.') < 0)
        return text;
    text.TrimRight("0");
    text.TrimRight(".");
    return text;
}

void RecomputeLayer(BuildUpLayer& layer)
{
    const double thickness = ReadNumber(layer.vrstva);
    const double conductivity = ReadNumber(layer.vodivost);
    if (conductivity == 0.0)
        return;
    const double resistance = thickness * 0.001 / conductivity;
    // Layer texts keep '.' whatever the user's separator: they go into the catalogue as written.
    const NumberText::ScopedSeparator dot('.');
    layer.vrstva = TrimNumberText(WriteNumber("%f", thickness));
    layer.vodivost = TrimNumberText(WriteNumber("%f", conductivity));
    layer.tepelOdpor = TrimNumberText(WriteNumber("%f", resistance));
}

bool ReadSheetRows(const CString& path, const CString& sheet, const CString& sql, std::vector<SheetTexts>& rows)
{
    rows.clear();
    CData data;
    if (OpenWorkbookTable(data, path, sheet, sql) != 0)
        return false;
    for (int r = 0; r < data.m_nRecordCount; ++r)
    {
        SheetTexts row;
        for (int c = 0; c < data.m_nColCount; ++c)
        {
            CString text;
            data.GetStringValue(c, text, r, -1);
            row[data.m_aColNames[c]] = text;
        }
        rows.push_back(std::move(row));
    }
    data.CloseTable();
    data.Close();
    return true;
}

bool ReadBuildUpHeaders(const CString& dataFolder, std::vector<BuildUpHeader>& headers)
{
    CString sql;
    sql.Format("SELECT * FROM [%s] WHERE [%s]=%d", kBuildUpSheet, "Pořadí", 0);
    std::vector<SheetTexts> rows;
    const bool read = ReadSheetRows(CatalogueFile(dataFolder), kBuildUpSheet, sql, rows);
    headers = Headers(rows);
    return read;
}

bool ReadFloorSystemBuildUps(const CString& dataFolder, const CString& systemCode, std::vector<BuildUpHeader>& headers)
{
    CString sql;
    sql.Format("SELECT * FROM [%s] WHERE [%s]=%d AND [%s] IN (SELECT [%s] FROM [%s] WHERE [%s]=%s)", kBuildUpSheet,
               "Pořadí", 0, "Odkaz", "Odkaz", kBuildUpSheet, "Kód položky", SqlTextLiteral(systemCode).GetString());
    std::vector<SheetTexts> rows;
    const bool read = ReadSheetRows(CatalogueFile(dataFolder), kBuildUpSheet, sql, rows);
    headers = Headers(rows);
    return read;
}

bool ReadBuildUpLayers(const CString& dataFolder, const CString& key, std::vector<BuildUpLayer>& layers)
{
    CString sql;
    sql.Format("SELECT * FROM [%s] WHERE [%s]=%s AND [%s]>0 ORDER BY [%s] ASC", kBuildUpSheet, "Odkaz",
               SqlTextLiteral(key).GetString(), "Pořadí", "Pořadí");
    std::vector<SheetTexts> rows;
    layers.clear();
    if (!ReadSheetRows(CatalogueFile(dataFolder), kBuildUpSheet, sql, rows))
        return false;
    for (const SheetTexts& row : rows)
        layers.push_back({Text(row, "Kód položky"), Text(row, "Typ"), Text(row, "Popis položky"),
                          TrimNumberText(Text(row, "vrstva")), TrimNumberText(Text(row, "vodivost")),
                          TrimNumberText(Text(row, "tepelOdpor")), Text(row, "skupina")});
    return true;
}

CString BuildUpKeyOfName(const CString& dataFolder, const CString& name)
{
    CString sql;
    sql.Format("SELECT * FROM [%s] WHERE [%s]=%s", kBuildUpSheet, "Popis položky", SqlTextLiteral(name).GetString());
    std::vector<SheetTexts> rows;
    if (!ReadSheetRows(CatalogueFile(dataFolder), kBuildUpSheet, sql, rows) || rows.size() != 1)
        return CString();
    return Text(rows[0], "Odkaz");
}

std::vector<BuildUpLayerValues> LayerValues(const std::vector<BuildUpLayer>& layers)
{
    std::vector<BuildUpLayerValues> values;
    for (const BuildUpLayer& layer : layers)
        values.push_back({ReadInteger(layer.skupina), ReadNumber(layer.vrstva), ReadNumber(layer.tepelOdpor)});
    return values;
}

BuildUpLayer CoveringLayer(const SheetTexts& row)
{
    return {ItemCode(1, Text(row, "Věta")), Text(row, "typ krytiny"), Text(row, "popis krytiny"),
            Text(row, "vrstva"),            Text(row, "vodivost"),    Text(row, "tepelOdpor"),
            "1"};
}

BuildUpLayer MaterialLayer(const SheetTexts& row, int group)
{
    CString density = Text(row, "Objemová hmotnost");
    if (density.Find('.') >= 0)
        density = TrimNumberText(density);
    BuildUpLayer layer{ItemCode(0, Text(row, "Věta")), Text(row, "Materiál"), density, CString(),
                       Text(row, "Výpočtová Tepelná vodivost"), CString(), CString()};
    layer.skupina.Format("%d", group);
    RecomputeLayer(layer);
    return layer;
}

BuildUpLayer InsulationLayer(const SheetTexts& row, int maker)
{
    return {ItemCode(maker, Text(row, "Věta")), Text(row, "Typ"),      Text(row, "Název"),
            Text(row, "vrstva"),                Text(row, "vodivost"), Text(row, "tepelOdpor"),
            "3"};
}

BuildUpWrite RemoveBuildUp(const CString& dataFolder, const CString& key)
{
    BuildUpWrite result;
    const CatalogueRewrite rewrite = RemoveCatalogueRows(dataFolder, kBuildUpSheet, "Odkaz", key);
    result.removed = rewrite.succeeded;
    result.message = rewrite.message;
    if (!rewrite.succeeded && rewrite.message.IsEmpty())
    {
        // No catalogue at all: the opener says so.
        std::vector<SheetTexts> none;
        ReadSheetRows(CatalogueFile(dataFolder), kBuildUpSheet, CString(), none);
    }
    return result;
}

BuildUpWrite SaveBuildUp(const CString& dataFolder, const CString& key, const CString& name,
                         const std::vector<BuildUpLayer>& layers, bool headerOnly)
{
    BuildUpWrite result = RemoveBuildUp(dataFolder, key);
    if (!result.removed)
        return result;
    CData data;
    if (OpenWorkbookTable(data, CatalogueFile(dataFolder), kBuildUpSheet, CString()) != 0)
        return result;
    bool ok = data.AddRow() && data.SetStringValue("Pořadí", "0", -1, 0) &&
              data.SetStringValue("Odkaz", key, -1, 0) && data.SetStringValue("Popis položky", name, -1, 0);
    int position = 0;
    for (const BuildUpLayer& layer : headerOnly ? std::vector<BuildUpLayer>() : layers)
    {
        if (!ok)
            break;
        CString number;
        number.Format("%d", ++position);
        const std::pair<const char*, CString> cells[] = {
            {"Pořadí", number},
            {"Kód položky", layer.code},
            {"Typ", layer.typ},
            {"Popis položky", layer.popis},
            {"vrstva", TrimNumberText(layer.vrstva)},
            {"vodivost", TrimNumberText(layer.vodivost)},
            {"tepelOdpor", TrimNumberText(layer.tepelOdpor)},
            {"skupina", layer.skupina},
            {"Odkaz", key}};
        ok = data.AddRow() != 0;
        for (const auto& [column, text] : cells)
            ok = ok && data.SetStringValue(column, text, -1, 0);
    }
    data.CloseTable();
    ok = data.Flush() && ok;
    data.Close();
    result.written = ok;
    return result;
}

#include "floorwall/FloorCalculationSettings.h"

#include "common/AppSettings.h"
#include "common/CommonIds.h"
#include "hydraulics/NumberReading.h"
#include "hydraulics/ProductCatalogue.h"
#include "common/OpenWorkbookTable.h"
#include "datalib/CData.h"
#include "platform/core/FileOps.h"

#include <cstdlib>

namespace
{
constexpr double kHighestFlow = 60.0;  // °C
constexpr double kLowestFlow = 1.0;    // °C
constexpr double kLargestSpread = 25.0; // K

CString MakerNumberText()
{
    CString maker;
    if (!maker.LoadString(IDS_MAKER_NUMBER))
        maker = "9001";
    return maker;
}

void SetSpread(FloorTemperatures& t, double spread)
{
    t.spread = spread;
    t.ret = t.flow - spread;
}
} // namespace

TemperatureCorrection ValidateFloorTemperatures(FloorTemperatures& t, double highestRoomTemperature)
{
    const AppSettings& settings = AppSettings::Get();
    if (t.flow > kHighestFlow)
    {
        t.flow = kHighestFlow;
        t.ret = t.flow - t.spread;
        return TemperatureCorrection::Flow;
    }
    if (t.flow <= kLowestFlow)
    {
        t.ret = kLowestFlow;
        t.flow = t.spread + t.ret;
        return TemperatureCorrection::Flow;
    }
    if (t.spread < settings.MinimSigmaPodl)
    {
        SetSpread(t, settings.MinimSigmaPodl);
        return TemperatureCorrection::Spread;
    }
    if (t.spread > kLargestSpread)
    {
        SetSpread(t, kLargestSpread);
        return TemperatureCorrection::Spread;
    }
    const double lowestReturn = settings.MinDifVratOdTi + highestRoomTemperature;
    if (t.ret < lowestReturn)
    {
        t.ret = lowestReturn;
        t.spread = t.flow - t.ret;
        return TemperatureCorrection::Spread;
    }
    return TemperatureCorrection::None;
}

int IsFloorSystemMaker(int maker)
{
    return maker == 9001 || maker == 9005 ? 1 : 0;
}

CString FindMakerCatalogue(const CString& makerName)
{
    const CString folder = AppSettings::Get().PathList;
    int found = 0;
    int number = 0;
    for (const ProductCatalogue::PipeMaker& maker : ProductCatalogue::PipeMakers(folder))
    {
        if (maker.name == makerName)
        {
            ++found;
            number = maker.number;
        }
    }
    if (found != 1 || !IsFloorSystemMaker(number))
        return CString();
    return ProductCatalogue::CataloguePath(folder, number);
}

CString ProductCodeFromItem(const CString& itemText, const CString& cataloguePath)
{
    const int bracket = itemText.ReverseFind(char32_t('['));
    if (bracket < 0)
        return CString();
    const int item = std::atoi(itemText.Mid(bracket + 1).GetString());
    const int length = cataloguePath.GetLength();
    const int maker = length >= 8 ? std::atoi(cataloguePath.Mid(length - 8).GetString()) : 0;
    return ProductCatalogue::ProductCode(maker, item);
}

double MinimumSpacingForSystem(const CString& systemCode)
{
    const CString system0072 = "[" + MakerNumberText() + "-0072]";
    return !systemCode.IsEmpty() && system0072.Find(systemCode) >= 0 ? 0.05 : 0.075;
}

CString MinimumSpacingText(double spacing)
{
    CString text = WriteNumber("%.4f", spacing);
    while (text.GetLength() > 1 && text.Right(1) == "0")
        text = text.Left(text.GetLength() - 1);
    return text;
}

std::vector<CatalogueChoice> CatalogueItems(const CString& cataloguePath, const char* itemNumbers)
{
    std::vector<CatalogueChoice> items;
    if (cataloguePath.IsEmpty() || !FileOps::Exists(cataloguePath.GetString()))
        return items;
    CData data;
    const CString sql = ProductCatalogue::ByRecordList(ProductCatalogue::DataSheet, ProductCatalogue::RecordColumn,
                                                       itemNumbers);
    if (OpenWorkbookTable(data, cataloguePath, ProductCatalogue::DataSheet, sql) != 0)
        return items;
    for (int r = 0; r < data.m_nRecordCount; ++r)
    {
        CString number;
        CString type;
        data.GetStringValue(ProductCatalogue::RecordColumn, number, r, -1, 0);
        data.GetStringValue("Typ", type, r, -1, 0);
        CatalogueChoice item;
        item.item = ReadInteger(number);
        item.text.Format("[%d]  %s", item.item, type.GetString());
        items.push_back(item);
    }
    data.CloseTable();
    data.Close();
    return items;
}

FloorSystemMakers ListFloorSystemMakers(int currentMaker)
{
    FloorSystemMakers makers;
    for (const ProductCatalogue::PipeMaker& maker : ProductCatalogue::PipeMakers(AppSettings::Get().PathList))
    {
        if (!IsFloorSystemMaker(maker.number))
            continue;
        if (maker.number == currentMaker)
            makers.current = int(makers.names.size());
        makers.names.push_back(maker.name);
    }
    return makers;
}

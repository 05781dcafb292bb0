#include "floorwall/BillOfMaterials.h"

#include "common/AppSettings.h"
#include "common/CommonRoutines.h"
#include "common/OpenWorkbookTable.h"
#include "common/ProjectSheetStore.h"
#include "datalib/CData.h"
#include "hydraulics/NumberReading.h"
#include "hydraulics/ProductCatalogue.h"

#include <algorithm>
#include <cmath>

namespace
{

// Adds a circuit to the count of its manifold index (a negative index counts as 0).
void CountOnManifold(BillTotals& totals, int manifold)
{
    const std::size_t index = std::size_t(std::max(manifold, 0));
    if (totals.circuitsPerManifold.size() <= index)
        totals.circuitsPerManifold.resize(index + 1, 0);
    ++totals.circuitsPerManifold[index];
}

// The manifold and cabinet rows of every manifold index from 1 on; false when an index carries
// more than 12 circuits (the list then holds the stop).
bool AddManifolds(BillList& list, const BillTotals& totals, int base, bool countCircuits)
{
    for (std::size_t index = 1; index < totals.circuitsPerManifold.size(); ++index)
    {
        const int circuits = totals.circuitsPerManifold[index];
        if (circuits == 0)
            continue;
        if (circuits > kMaxManifoldCircuits)
        {
            list.items.clear();
            list.stopManifold = int(index);
            list.stopCount = circuits;
            return false;
        }
        if (countCircuits)
            list.circuits += circuits;
        // The smallest manifold has two outlets.
        const int outlets = std::max(circuits, 2);
        ++list.manifolds;
        list.items.push_back({base + outlets - 2, 1.0});
        list.items.push_back({CabinetItemForCircuits(outlets), 1.0});
    }
    return true;
}

void AddMarked(BillList& list, const std::vector<int>& markedItems)
{
    for (int item : markedItems)
        list.items.push_back({item, 0.0, true});
}

} // namespace

BillTotals SumFloorCircuits(const std::vector<BillCircuitRow>& rows)
{
    BillTotals totals;
    totals.circuitsPerManifold.assign(1, 0);
    for (const BillCircuitRow& row : rows)
    {
        totals.area += row.area;
        totals.pipeLength += row.loopLength + row.supplyLength;
        totals.output += row.output - row.otherSources - row.missing;
        CountOnManifold(totals, row.manifold);
    }
    return totals;
}

BillTotals SumWallCircuits(const std::vector<BillCircuitRow>& rows)
{
    BillTotals totals;
    totals.circuitsPerManifold.assign(1, 0);
    for (const BillCircuitRow& row : rows)
    {
        totals.area += row.area;
        totals.pipeLength += row.loopLength;
        totals.supplyLength += row.supplyLength;
        totals.segments += row.segments;
        ++totals.circuits;
        CountOnManifold(totals, row.manifold);
    }
    return totals;
}

int CabinetItemForCircuits(int outlets)
{
    if (outlets < 5)
        return 54;
    if (outlets < 8)
        return 55;
    if (outlets < 11)
        return 56;
    return 57;
}

double BillQuantity(double quantity)
{
    if (!std::isfinite(quantity) || quantity <= 0.0)
        return 0.0;
    const double whole = std::round(quantity);
    if (std::fabs(quantity - whole) <= 1e-9)
        return whole;
    return std::ceil(quantity);
}

int PerTwoHundredMetres(double pipeLength)
{
    const long metres = long(std::trunc(pipeLength - 0.5));
    return int(std::max(metres, 0L) / 200);
}

int ItemNumberOfCode(const CString& code)
{
    const int dash = code.Find('-');
    return dash < 0 ? 0 : ReadInteger(code.Mid(dash + 1));
}

int FloorSystemItemOfCode(const CString& code)
{
    const int dash = code.Find('-');
    if (dash < 0 || ReadInteger(code.Left(dash)) != kBillMaker)
        return 0;
    const int item = ItemNumberOfCode(code);
    return item == 14 || item == 15 || item == 72 ? item : 0;
}

int DetectFloorSystem(const std::vector<BillCircuitRow>& rows, const CString& dataFolder, const CString& kodSysPodl)
{
    int item = ItemNumberOfCode(kodSysPodl);
    const bool anyBuildUp =
        std::any_of(rows.begin(), rows.end(), [](const BillCircuitRow& row) { return !row.buildUpKey.IsEmpty(); });
    if (!anyBuildUp)
        return item;
    CData data;
    CString sql;
    sql.Format("SELECT * FROM [%s] WHERE [%s] > 0", "Mekr_USkP$", "Pořadí");
    if (OpenWorkbookTable(data, JoinPath(dataFolder, "MekrData.xls"), "Mekr_USkP$", sql) != 0)
        return item;
    // The layer codes of every build-up, in the sheet's order.
    std::map<CString, std::vector<CString>> layers;
    for (int r = 0; r < data.m_nRecordCount; ++r)
    {
        CString key;
        CString code;
        data.GetStringValue("Odkaz", key, r, -1, 0);
        data.GetStringValue("Kód položky", code, r, -1, 0);
        layers[key].push_back(code);
    }
    data.CloseTable();
    data.Close();
    for (const BillCircuitRow& row : rows)
    {
        if (row.buildUpKey.IsEmpty())
            continue;
        const auto found = layers.find(row.buildUpKey);
        if (found == layers.end())
            continue;
        for (const CString& code : found->second)
            if (const int system = FloorSystemItemOfCode(code))
                item = system;
    }
    return item;
}

BillList FloorBillItems(const BillTotals& totals, int pipeItem, int floorSystemItem, const EquipmentChoice& choice,
                        const std::vector<int>& markedItems)
{
    BillList list;
    const double area = totals.area;
    const double length = totals.pipeLength;
    const bool knownPipe = pipeItem == 4 || pipeItem == 7 || pipeItem == 9;
    if (knownPipe)
    {
        list.items.push_back({pipeItem, length});
        const int perTwoHundred = pipeItem == 4 ? 78 : pipeItem == 7 ? 80 : 81;
        list.items.push_back({perTwoHundred, double(PerTwoHundredMetres(length))});
    }
    list.items.push_back({11, 0.06 * length});
    if (choice.mixingSets)
    {
        list.items.push_back({258, double(choice.mixingSetCount)});
        for (int cabinet = 54; cabinet <= 57; ++cabinet)
            list.items.push_back({cabinet, 0.0});
        list.items.push_back({1054, 0.0});
    }
    const int base = choice.stationKind == kStationVss ? 38 : 25;
    if (!AddManifolds(list, totals, base, true))
        return list;
    for (int outlets = 0; outlets <= 10; ++outlets)
        list.items.push_back({base + outlets, 0.0});
    int pairItem = 59;
    if (choice.stationKind == kStationVss)
        pairItem = 19;
    else if (pipeItem == 7)
        pairItem = 61;
    else if (pipeItem == 9)
        pairItem = 62;
    list.items.push_back({pairItem, 2.0 * list.circuits});
    list.items.push_back({50, double(list.manifolds)});
    if (floorSystemItem == 14 || floorSystemItem == 15)
        list.items.push_back({floorSystemItem, area});
    else if (floorSystemItem == 72)
    {
        list.items.push_back({72, area});
        list.items.push_back({74, 3.0 * length});
    }
    list.items.push_back({64, 1.1 * area});
    list.items.push_back({65, 0.0});
    list.items.push_back({67, 0.17 * area});
    AddMarked(list, markedItems);
    return list;
}

BillList WallBillItems(const BillTotals& totals, const std::vector<int>& markedItems)
{
    BillList list;
    list.circuits = totals.circuits;
    const double area = totals.area;
    const double circuits = totals.circuits;
    const double segments = totals.segments;
    list.items = {{102, totals.pipeLength}, {107, 1.5 * area}, {110, 8.0 * area}, {120, 15.0 * area},
                  {114, 2.0 * segments},    {122, 2.0 * circuits}, {78, 0.0},      {19, 2.0 * circuits},
                  {124, 2.0 * circuits},    {112, 2.0 * segments}, {127, totals.supplyLength},
                  {129, 0.0},               {11, 0.0}};
    constexpr int base = 38;
    if (!AddManifolds(list, totals, base, false))
        return list;
    for (int outlets = 0; outlets <= 10; ++outlets)
        list.items.push_back({base + outlets, 0.0});
    const double manifolds = list.manifolds;
    list.items.push_back({50, manifolds});
    list.items.push_back({135, manifolds});
    list.items.push_back({137, manifolds});
    list.items.push_back({139, 1.0});
    AddMarked(list, markedItems);
    return list;
}

CString PriceText(double price, const CString& language)
{
    return WriteNumber(language == "Cz" ? "%.0f,-" : "%.2f", price);
}

double PriceOfText(const CString& text)
{
    return ReadNumber(text);
}

const CatalogueItem* BillCatalogue::Find(int item) const
{
    const auto found = items.find(item);
    return found == items.end() ? nullptr : &found->second;
}

std::vector<int> BillCatalogue::MarkedItems(const CString& marker) const
{
    std::vector<int> marked;
    for (int item : order)
        if (const CatalogueItem* row = Find(item); row && row->dodatVolba.Find(marker) >= 0)
            marked.push_back(item);
    return marked;
}

std::vector<CString> BillCatalogue::ChapterHeadings(int item) const
{
    const auto headingRow = [this](int number) {
        const CatalogueItem* row = Find(number);
        return row && row->rows == 1 && row->mj.IsEmpty();
    };
    // Downward over the numbers the catalogue has, to the first heading row.
    auto it = items.lower_bound(item);
    int first = 0;
    while (it != items.begin())
    {
        --it;
        if (headingRow(it->first))
        {
            first = it->first;
            break;
        }
    }
    std::vector<CString> headings;
    if (first == 0)
        return headings;
    int lowest = first;
    while (lowest > 1 && headingRow(lowest - 1))
        --lowest;
    for (int number = lowest; number <= first; ++number)
        headings.push_back(Find(number)->nazev);
    return headings;
}

CString BillCatalogue::GroupHeading(int item) const
{
    const std::vector<CString> headings = ChapterHeadings(item);
    return headings.empty() ? CString() : headings.front();
}

CString BillCataloguePath(const CString& priceListFolder)
{
    return ProductCatalogue::CataloguePath(priceListFolder, kBillMaker);
}

bool ReadBillCatalogue(const CString& path, BillCatalogue& catalogue)
{
    catalogue = BillCatalogue();
    CData data;
    if (OpenWorkbookTable(data, path, ProductCatalogue::DataSheet, CString()) != 0)
        return false;
    ReadBillCatalogueRows(data, catalogue);
    data.CloseTable();
    data.Close();
    return true;
}

void ReadBillCatalogueRows(CData& data, BillCatalogue& catalogue)
{
    const auto text = [&data](const char* column, int row) {
        CString value;
        data.GetStringValue(column, value, row, -1, 0);
        return value;
    };
    for (int r = 0; r < data.m_nRecordCount; ++r)
    {
        CString number = text(ProductCatalogue::RecordColumn, r);
        if (number.Trim().IsEmpty())
            continue;
        const int item = int(std::lround(ReadNumber(number)));
        auto [it, added] = catalogue.items.try_emplace(item);
        if (!added)
        {
            ++it->second.rows;
            continue;
        }
        CatalogueItem& row = it->second;
        row.polozka = text("Položka", r);
        row.typ = text("Typ", r);
        row.nazev = text("Název", r);
        row.mj = text("Mj", r);
        row.cena = text("Cena", r);
        row.dodatVolba = text("Dodat_volba", r);
        catalogue.order.push_back(item);
    }
}

BillLine MakeBillLine(const BillItem& item, const BillCatalogue& catalogue, const CString& language)
{
    BillLine line;
    line.item = item.item;
    const CatalogueItem* row = catalogue.Find(item.item);
    if (!row)
        return line;
    line.found = true;
    line.quantity = BillQuantity(item.quantity);
    // The price as the bill shows it, so that the row's value is the one the user can check.
    line.price = PriceOfText(PriceText(ReadNumber(row->cena), language));
    return line;
}

std::vector<int> MergeDuplicateItems(std::vector<BillLine>& lines)
{
    std::vector<int> changed;
    for (std::size_t r = 0; r + 1 < lines.size(); ++r)
    {
        if (lines[r].hidden)
            continue;
        for (std::size_t s = r + 1; s < lines.size(); ++s)
        {
            BillLine& later = lines[s];
            if (later.item != lines[r].item || later.hidden || !later.found || later.quantity <= 0.0)
                continue;
            lines[r].quantity += later.quantity;
            later.quantity = 0.0;
            later.hidden = true;
            changed.push_back(int(r));
            changed.push_back(int(s));
        }
    }
    return changed;
}

BillSummary SummariseBill(double totalValue, const BillTotals& totals, int designKind, const CString& language)
{
    BillSummary summary;
    summary.total = PriceText(totalValue, language);
    if (designKind != kBillFloor)
        return summary;
    if (totals.area > 0.0)
        summary.perSquareMetre = WriteNumber("%.1f", totalValue / totals.area);
    if (totals.output > 0.0)
        summary.perWatt = WriteNumber("%.1f", totalValue / totals.output);
    if (totals.pipeLength > 0.0)
        summary.averageSpacing = WriteNumber("%.3f", totals.area / totals.pipeLength);
    return summary;
}

CString BillSheet(int designKind)
{
    return designKind == kBillWall ? "MateriStenov$" : "MateriPodlah$";
}

int WriteBillSheet(int designKind, const std::vector<BillSheetRow>& rows, const CString& language)
{
    ProjectSheetStore store(BillSheet(designKind));
    if (!store.Begin())
        return 1;
    CData& data = store.Table();
    int written = 0;
    for (const BillSheetRow& row : rows)
    {
        if (ReadNumber(row.quantity) <= 0.0)
            continue;
        CString number;
        number.Format("%03d", ++written);
        const std::pair<const char*, CString> cells[] = {
            {"Množství", row.quantity}, {"Pořadí", number}, {"Kód položky", row.code}, {"Položka", row.polozka},
            {"Typ", row.typ},           {"Název", row.nazev}, {"Mj", row.mj},          {"Cena", row.price},
            {"Hodnota", PriceText(PriceOfText(row.value), language)}};
        bool set = data.AddRow() != 0;
        for (const auto& [column, text] : cells)
            set = set && data.SetStringValue(column, text, -1, 0);
        if (!set)
        {
            store.Refuse();
            break;
        }
    }
    return store.Put() ? 0 : 1;
}

#include "app/PrintSnapshot.h"

#include "app/PrintIds.h"
#include "common/CommonIds.h"
#include "datalib/CData.h"
#include "common/AppSettings.h"
#include "floorwall/BillOfMaterials.h"
#include "floorwall/CMistPodlahVytap.h"
#include "floorwall/FloorDesign.h"
#include "hydraulics/NumberReading.h"
#include "hydraulics/ProductCatalogue.h"
#include "hydraulics/CDimenzUsek.h"
#include "hydraulics/DistributionSheet.h"

#include <algorithm>
#include <map>
#include <optional>

namespace
{
CString Problem(UINT textId, const CString& name)
{
    CString format;
    format.LoadString(textId);
    CString text;
    text.Format(format, name.GetString());
    return text;
}

// Opens a sheet of the workbook without any message; false and the problem when it fails.
bool OpenSheet(CData& data, const CString& path, const CString& sheet, const CString& sql,
               std::vector<CString>& problems)
{
    data.m_bShowErrors = 0;
    if (!data.Open(path, "Excel 8.0", 0, 1))
    {
        problems.push_back(Problem(IDS_FILE_PROBLEM, path));
        return false;
    }
    if (!data.OpenTable(sheet, sql, 0))
    {
        data.Close();
        problems.push_back(Problem(IDS_TABLE_PROBLEM, sheet));
        return false;
    }
    return true;
}

void AppendSections(const CDimenzUsek& section, std::vector<SizingLine>& lines)
{
    SizingLine line;
    line.number = section.m_nNumber;
    line.level = section.m_nLevel;
    line.code = section.m_strDesignation;
    line.item = section.m_strItem;
    line.designation = section.m_strItemDescription;
    line.flow = section.m_dFlowKgPerH;
    line.pipeLength = section.m_dPipeLength;
    line.insertedResistances = section.m_dInsertedResistances;
    line.sectionLoss = section.m_dSectionLoss;
    line.accumulatedLoss = section.m_dAccumulatedLoss;
    lines.push_back(line);
    for (const auto& child : section.m_children)
        AppendSections(*child, lines);
}
} // namespace

PrintSnapshot::PrintSnapshot() = default;

PrintSnapshot::~PrintSnapshot()
{
    if (design)
        design->ClearData();
}

const std::vector<CMistPodlahVytap*>& PrintSnapshot::Rooms() const
{
    static const std::vector<CMistPodlahVytap*> none;
    return design ? design->m_rooms : none;
}

bool HasFloorHeating(const CMistPodlahVytap* room)
{
    return FloorDesign::IsActive(room);
}

bool HasWallHeating(const CMistPodlahVytap* room)
{
    return room && room->m_nWallHeating;
}

std::vector<const CTopnyOkruh*> PresentCircuits(const std::vector<CTopnyOkruh*>& circuits)
{
    std::vector<const CTopnyOkruh*> present;
    for (const CTopnyOkruh* circuit : circuits)
        if (circuit)
            present.push_back(circuit);
    return present;
}

void LoadDesign(const CString& workbookPath, PrintSnapshot& snapshot)
{
    snapshot.design.reset();
    // The design's own loader tells the user when a sheet does not open: it runs only once
    // both sheets opened here. The workbook stays open meanwhile, so it is read once.
    CData workbook;
    if (!OpenSheet(workbook, workbookPath, "DataAkce$", "", snapshot.problems))
        return;
    CString temperatures;
    workbook.GetStringValue("SIGMA_STENOVKY", temperatures, 0, -1, 0);
    workbook.CloseTable();
    const int hash = temperatures.Find('#');
    const double supply = ReadNumber(temperatures);
    const double ret = hash < 0 ? supply : ReadNumber(temperatures.Mid(hash + 1));
    snapshot.wallSupply = supply > 0.0 ? supply : 50.0;
    snapshot.wallReturn = ret > 0.0 ? ret : 42.0;
    if (!workbook.OpenTable("SeznamM$", "", 0))
    {
        workbook.Close();
        snapshot.problems.push_back(Problem(IDS_TABLE_PROBLEM, "SeznamM$"));
        return;
    }
    workbook.CloseTable();

    // The loader reads the project's path and leaves the values of the design in the settings:
    // printing changes neither.
    AppSettings& settings = AppSettings::Get();
    const AppSettings saved = settings;
    settings.CurrentProjectPath() = workbookPath;
    snapshot.design = std::make_unique<FloorDesign>();
    snapshot.design->LoadProjectData();
    settings = saved;
    workbook.Close();
    if (snapshot.design->m_bLoadStopped)
        snapshot.problems.push_back(snapshot.design->m_strLoadError);
}

void LoadSizingLines(const CString& workbookPath, PrintSnapshot& snapshot)
{
    snapshot.sections.clear();
    CData data;
    if (!OpenSheet(data, workbookPath, DistributionSheet::Sheet, "", snapshot.problems))
        return;
    DistributionSheet::Roots roots;
    const DistributionSheet::LoadResult result = DistributionSheet::LoadTree(&data, roots);
    data.CloseTable();
    data.Close();
    if (result.firstUnreadRow >= 0)
    {
        // Sheet rows count from 1, after the heading row.
        CString format;
        format.LoadString(IDS_SIZING_ROWS_NOT_READ);
        CString text;
        text.Format(format, result.firstUnreadRow + 2);
        snapshot.problems.push_back(text);
    }
    for (const auto& root : roots)
        AppendSections(*root, snapshot.sections);
    std::stable_sort(snapshot.sections.begin(), snapshot.sections.end(),
                     [](const SizingLine& a, const SizingLine& b) { return a.number < b.number; });
}

void LoadBillItems(const CString& workbookPath, const CString& sheet, const CString& catalogueFolder,
                   PrintSnapshot& snapshot)
{
    snapshot.bill.clear();
    snapshot.billValue = 0.0;
    CData data;
    CString query;
    query.Format("SELECT * FROM [%s] ORDER BY [%s]", sheet.GetString(), "Pořadí");
    if (!OpenSheet(data, workbookPath, sheet, query, snapshot.problems))
        return;
    const auto text = [&data](const char* column, int row)
    {
        CString value;
        data.GetStringValue(column, value, row, -1, 0);
        return value;
    };
    for (int row = 0; row < data.m_nRecordCount; ++row)
    {
        BillReportItem item;
        item.order = ReadInteger(text("Pořadí", row));
        const CString code = text("Kód položky", row);
        item.maker = ReadInteger(code);
        const int dash = code.Find('-');
        item.item = dash < 0 ? 0 : ReadInteger(code.Mid(dash + 1));
        item.polozka = text("Položka", row);
        item.typ = text("Typ", row);
        item.nazev = text("Název", row);
        item.quantity = text("Množství", row);
        item.mj = text("Mj", row);
        item.price = text("Cena", row);
        item.value = text("Hodnota", row);
        snapshot.billValue += ReadNumber(item.value);
        snapshot.bill.push_back(item);
    }
    data.CloseTable();
    data.Close();

    // Each maker's catalogue once; one that does not open is told once.
    std::map<int, std::optional<BillCatalogue>> catalogues;
    for (BillReportItem& item : snapshot.bill)
    {
        if (!item.Printed() || item.item <= 1)
            continue;
        auto [entry, added] = catalogues.try_emplace(item.maker);
        if (added)
        {
            CData catalogue;
            const CString path = ProductCatalogue::CataloguePath(catalogueFolder, item.maker);
            if (OpenSheet(catalogue, path, ProductCatalogue::DataSheet, "", snapshot.problems))
            {
                entry->second.emplace();
                ReadBillCatalogueRows(catalogue, *entry->second);
                catalogue.CloseTable();
                catalogue.Close();
            }
        }
        if (entry->second)
            item.headings = entry->second->ChapterHeadings(item.item);
    }
}

#include "floorwall/dialogs/CBilanceMatPodlah.h"

#include "common/AppSettings.h"
#include "controls/dialogs/DialogSupport.h"
#include "controls/grid/GridDefs.h"
#include "controls/grid/GridNotify.h"
#include "floorwall/dialogs/CDotazVybaveni.h"
#include "floorwall/dialogs/FloorBuildUpIds.h"
#include "hydraulics/NumberReading.h"
#include "platform/core/MessageBox.h"
#include "platform/ui/WaitCursor.h"

namespace
{
constexpr UINT kHeadingFormat = 37; // centred, vertically centred, one line

// The grid column whose heading is the text (blanks around either ignored); -1 when none.
int ColumnOf(const CGridCtrl& grid, const CString& heading)
{
    CString wanted = heading;
    wanted.Trim();
    for (int col = 0; col < grid.GetColumnCount(); ++col)
    {
        CString text = grid.GetItemText(0, col);
        if (text.Trim() == wanted)
            return col;
    }
    return -1;
}

double NumberAt(const CGridCtrl& grid, int row, int col)
{
    return col < 0 ? 0.0 : ReadNumber(grid.GetItemText(row, col));
}
} // namespace

BEGIN_MESSAGE_MAP(CBilanceMatPodlah, CDialog)
    ON_NOTIFY(GVN_BEGINLABELEDIT, IDC_BM_GRID, OnBeginEdit)
    ON_NOTIFY(GVN_ENDLABELEDIT, IDC_BM_GRID, OnEndEdit)
END_MESSAGE_MAP()

CBilanceMatPodlah::CBilanceMatPodlah(CWnd* pParent) : CDialog(IDD_BILANCE_MAT, pParent) {}

CString CBilanceMatPodlah::Language() const
{
    return AppSettings::Get().Language;
}

std::vector<BillCircuitRow> CBilanceMatPodlah::ReadDesignRows() const
{
    std::vector<BillCircuitRow> rows;
    if (!m_pDesignGrid)
        return rows;
    const CGridCtrl& grid = *m_pDesignGrid;
    const bool wall = m_nDesignKind == kBillWall;
    const int area = ColumnOf(grid, wall ? "Plocha okr." : "plocha c.[m2]");
    const int loop = ColumnOf(grid, wall ? "Délka trubky" : "L okruh [m]");
    const int supply = ColumnOf(grid, wall ? "přívod [m]" : "L přívod [m]");
    const int output = ColumnOf(grid, "Qokruh");
    const int other = ColumnOf(grid, "V.zdroj [W]");
    const int missing = ColumnOf(grid, "Chybí [W]");
    const int segments = ColumnOf(grid, "Počet segm.");
    const int manifold = ColumnOf(grid, "Rozdělovač");
    const int buildUp = ColumnOf(grid, "Skladba");
    for (int row = grid.GetFixedRowCount(); row < grid.GetRowCount(); ++row)
    {
        BillCircuitRow circuit;
        circuit.area = NumberAt(grid, row, area);
        circuit.loopLength = NumberAt(grid, row, loop);
        circuit.supplyLength = NumberAt(grid, row, supply);
        if (!wall)
        {
            circuit.output = NumberAt(grid, row, output);
            circuit.otherSources = NumberAt(grid, row, other);
            circuit.missing = NumberAt(grid, row, missing);
            if (buildUp >= 0)
                circuit.buildUpKey = grid.GetItemText(row, buildUp);
        }
        else if (segments >= 0)
            circuit.segments = ReadInteger(grid.GetItemText(row, segments));
        if (manifold >= 0)
            circuit.manifold = ReadInteger(grid.GetItemText(row, manifold));
        rows.push_back(circuit);
    }
    return rows;
}

void CBilanceMatPodlah::SetupGrid()
{
    m_grid.SetColumnCount(1);
    m_grid.SetRowCount(1);
    m_grid.SetFixedRowCount(1);
    m_grid.SetFixedColumnCount(1);
    m_grid.SetItemText(0, 0, "Pořadí");
    m_grid.SetItemFormat(0, 0, kHeadingFormat);
    for (const char* heading :
         {"Kód položky", "Položka", "Popis položky", "Typ", "Název", "Mj", "Množství", "Cena", "Celk. cena"})
        m_grid.InsertColumn(heading, kHeadingFormat, -1);
    m_grid.SetEditable(TRUE);
    m_grid.ResetSelectedRange();
    m_grid.SetRowSelectMode(TRUE);
}

void CBilanceMatPodlah::DetectFloorSystem()
{
    const AppSettings& settings = AppSettings::Get();
    m_nFloorSystemItem = ::DetectFloorSystem(ReadDesignRows(), settings.PathData, settings.KodSysPodl);
    if (m_nPipeItem < 1)
        m_nPipeItem = ItemNumberOfCode(settings.KodTopTrub);
}

void CBilanceMatPodlah::ShowLine(int row)
{
    const BillLine& line = m_lines[std::size_t(row - 1)];
    if (!line.found)
        return;
    m_grid.SetItemText(row, ColQuantity, WriteNumber("%.0f", line.quantity));
    m_grid.SetItemText(row, ColPrice, PriceText(line.price, Language()));
    m_grid.SetItemText(row, ColValue, PriceText(line.price * line.quantity, Language()));
    for (int col : {ColQuantity, ColPrice, ColValue})
        m_grid.SetItemFormat(row, col, DT_RIGHT);
}

void CBilanceMatPodlah::AddCatalogueItem(int row, int item, double quantity)
{
    const std::size_t index = std::size_t(row - 1);
    if (m_lines.size() <= index)
        m_lines.resize(index + 1);
    BillLine& line = m_lines[index];
    line = MakeBillLine({item, quantity}, m_catalogue, Language());
    if (!m_bCatalogueRead)
        return;
    CString code;
    code.Format("%04d-%04d", kBillMaker, item);
    m_grid.SetItemText(row, ColCode, code);
    if (const CatalogueItem* entry = m_catalogue.Find(item))
    {
        m_grid.SetItemText(row, ColPolozka, entry->polozka);
        m_grid.SetItemText(row, ColTyp, entry->typ);
        m_grid.SetItemText(row, ColNazev, entry->nazev);
        m_grid.SetItemText(row, ColMj, entry->mj);
    }
    ShowLine(row);
    m_grid.SetItemText(row, ColHeading, m_catalogue.GroupHeading(item));
    m_grid.RedrawRow(row);
}

int CBilanceMatPodlah::AddItems(const BillList& list)
{
    if (list.Stopped())
    {
        m_nStopManifold = list.stopManifold;
        m_nStopCount = list.stopCount;
        EndDialog(kBillStopped);
        return 1;
    }
    m_nCircuits = list.circuits;
    m_nManifolds = list.manifolds;
    for (const BillItem& item : list.items)
    {
        CString number;
        number.Format("%03d", m_grid.GetRowCount());
        const int row = m_grid.InsertRow(number);
        AddCatalogueItem(row, item.item, item.quantity);
        if (item.marked)
            for (int col = ColCode; col <= ColValue; ++col)
                m_grid.SetItemBkColour(row, col, m_crMarked);
    }
    m_grid.AutoSizeColumns();
    return 0;
}

int CBilanceMatPodlah::BuildFloorBill()
{
    DetectFloorSystem();
    const std::vector<BillCircuitRow> rows = ReadDesignRows();
    m_totals = SumFloorCircuits(rows);

    CDotazVybaveni question;
    question.m_nOfferStation = m_nPipeItem == 4 ? 1 : 0;
    if (question.DoModal() != IDOK)
    {
        EndDialog(IDCANCEL);
        return 1;
    }
    CWaitCursor wait;
    EquipmentChoice choice;
    choice.stationKind = question.m_nStationKind;
    choice.mixingSets = question.m_bMixingSets != 0;
    choice.mixingSetCount = question.m_nCount;
    m_nMixingSets = question.m_bMixingSets;

    m_bCatalogueRead = ReadBillCatalogue(BillCataloguePath(AppSettings::Get().PathList), m_catalogue);
    const BillList list =
        FloorBillItems(m_totals, m_nPipeItem, m_nFloorSystemItem, choice, m_catalogue.MarkedItems("PPPPP"));
    return AddItems(list);
}

int CBilanceMatPodlah::BuildWallBill()
{
    m_totals = SumWallCircuits(ReadDesignRows());
    m_bCatalogueRead = ReadBillCatalogue(BillCataloguePath(AppSettings::Get().PathList), m_catalogue);
    const BillList list = WallBillItems(m_totals, m_catalogue.MarkedItems("SSSSS"));
    m_nSegments = m_totals.segments;
    return AddItems(list);
}

void CBilanceMatPodlah::MergeDuplicateItems()
{
    for (int index : ::MergeDuplicateItems(m_lines))
    {
        const int row = index + 1;
        ShowLine(row);
        if (m_lines[std::size_t(index)].hidden)
        {
            m_grid.SetItemState(row, ColQuantity, m_grid.GetItemState(row, ColQuantity) | GVIS_READONLY);
            m_grid.SetRowHeight(row, 0);
        }
        m_grid.RedrawRow(row);
    }
    m_grid.AutoSizeColumns();
    m_grid.Refresh();
}

void CBilanceMatPodlah::RecalculateRow(int row)
{
    if (row < 1 || std::size_t(row) > m_lines.size())
        return;
    BillLine& line = m_lines[std::size_t(row - 1)];
    line.quantity = BillQuantity(ReadNumber(m_grid.GetItemText(row, ColQuantity)));
    if (line.found)
        ShowLine(row);
    else
        m_grid.SetItemText(row, ColQuantity, WriteNumber("%.0f", line.quantity));
    m_grid.AutoSizeColumns();
    m_grid.RedrawRow(row);
    m_grid.Refresh();
}

void CBilanceMatPodlah::UpdateTotals()
{
    double total = 0.0;
    for (int row = 1; row < m_grid.GetRowCount(); ++row)
        total += PriceOfText(m_grid.GetItemText(row, ColValue));
    const BillSummary summary = SummariseBill(total, m_totals, m_nDesignKind, Language());
    SetDlgItemText(IDC_BM_TOTAL, summary.total);
    if (m_nDesignKind != kBillFloor)
        return;
    if (!summary.perSquareMetre.IsEmpty())
        SetDlgItemText(IDC_BM_PER_AREA, summary.perSquareMetre);
    if (!summary.perWatt.IsEmpty())
        SetDlgItemText(IDC_BM_PER_WATT, summary.perWatt);
}

void CBilanceMatPodlah::ShowEditHint()
{
    CString text;
    text.LoadString(IDS_BILL_EDIT_HINT);
    CString part;
    if (m_nDesignKind == kBillFloor && m_nMixingSets)
    {
        part.LoadString(IDS_BILL_MIXING_HINT);
        text += part;
    }
    part.LoadString(IDS_BILL_SEPARATE_HINT);
    text += part;
    MessageBox(GetSafeHwnd(), text, AppSettings::Get().WarningCaption(), MB_OK | MB_ICONINFORMATION);
}

BOOL CBilanceMatPodlah::OnInitDialog()
{
    CDialog::OnInitDialog();
    SetProgramIcon(*this);
    ReplacePlaceholderByGrid(*this, IDC_BM_GRID, m_grid);
    m_grid.BringWindowToTop();
    SetupGrid();
    if (m_nDesignKind == kBillFloor)
    {
        if (BuildFloorBill())
            return TRUE;
        MergeDuplicateItems();
        const BillSummary summary = SummariseBill(0.0, m_totals, kBillFloor, Language());
        SetDlgItemText(IDC_BM_SPACING, summary.averageSpacing);
        UpdateTotals();
        ShowWindow(SW_SHOW);
        ShowEditHint();
    }
    else if (m_nDesignKind == kBillWall)
    {
        if (BuildWallBill())
            return TRUE;
        MergeDuplicateItems();
        UpdateTotals();
        ShowWindow(SW_SHOW);
        for (int id : {IDC_BM_PER_WATT, IDC_BM_PER_WATT_LABEL, IDC_BM_PER_AREA, IDC_BM_PER_AREA_LABEL, IDC_BM_SPACING,
                       IDC_BM_SPACING_LABEL})
            GetDlgItem(id)->ShowWindow(SW_HIDE);
        ShowEditHint();
    }
    return TRUE;
}

void CBilanceMatPodlah::OnBeginEdit(NMHDR* pNotifyStruct, LRESULT* pResult)
{
    const auto* notify = reinterpret_cast<GridNotify*>(pNotifyStruct);
    const bool editable = notify->iRow >= 1 && notify->iColumn == ColQuantity;
    *pResult = editable ? 0 : -1;
    if (!editable)
        return;
    m_grid.SetFocusCell(notify->iRow, notify->iColumn);
    m_grid.SetSelectedRange(notify->iRow, notify->iColumn, notify->iRow, notify->iColumn);
}

void CBilanceMatPodlah::OnEndEdit(NMHDR* pNotifyStruct, LRESULT* pResult)
{
    *pResult = 0;
    const auto* notify = reinterpret_cast<GridNotify*>(pNotifyStruct);
    if (notify->iColumn != ColQuantity)
        return;
    RecalculateRow(notify->iRow);
    UpdateTotals();
}

int CBilanceMatPodlah::WriteBillSheet()
{
    std::vector<BillSheetRow> rows;
    for (int row = 1; row < m_grid.GetRowCount(); ++row)
        rows.push_back({m_grid.GetItemText(row, ColQuantity), m_grid.GetItemText(row, ColCode),
                        m_grid.GetItemText(row, ColPolozka), m_grid.GetItemText(row, ColTyp),
                        m_grid.GetItemText(row, ColNazev), m_grid.GetItemText(row, ColMj),
                        m_grid.GetItemText(row, ColPrice), m_grid.GetItemText(row, ColValue)});
    return ::WriteBillSheet(m_nDesignKind, rows, Language());
}

// The bill is stored first; one that could not be stored keeps the dialog open, a stored one
// changes the project.
void CBilanceMatPodlah::OnOK()
{
    if (WriteBillSheet() != 0)
        return;
    AppSettings& settings = AppSettings::Get();
    settings.Modified[AppSettings::General] = 1;
    settings.Modified[m_nDesignKind == kBillWall ? AppSettings::WallArea : AppSettings::FloorArea] = 1;
    EndDialog(IDOK);
}

#include "heatloss/dialogs/CWall_K.h"

#include "common/AppSettings.h"
#include "common/CommonRoutines.h"
#include "controls/grid/GridNotify.h"
#include "datalib/SqlTextLiteral.h"
#include "floorwall/dialogs/CNazevSkladby.h"
#include "heatloss/ConstructionU.h"
#include "heatloss/UserConstruction.h"
#include "heatloss/WallEntry.h"
#include "controls/dialogs/DialogSupport.h"
#include "heatloss/dialogs/HeatLossDialogIds.h"
#include "platform/core/MessageBox.h"
#include "platform/core/NumberText.h"
#include "platform/ui/CButton.h"
#include "platform/ui/MessageMap.h"
#include "platform/ui/WaitCursor.h"

#include <algorithm>

namespace
{

const char* const kConstructions = "Mekr_StK$";
const char* const kLayers = "Mekr_kUsr$";
const char* const kMaterials = "Mekr_MaPa$";

// The material columns that a layer takes over from its material.
const char* const kMaterialColumns[] = {"Položka",
                                        "Materiál",
                                        "Objemová hmotnost",
                                        "Charakteristická Tepelná vodivost",
                                        "Výpočtová Tepelná vodivost",
                                        "Přestup tepla vnitřní",
                                        "Přestup tepla vnější"};

// A catalogue value: either decimal separator; what does not read is 0.
double Number(const CString& text)
{
    return NumberText::ToDouble(LocalizeDecimalSeparator(text).str());
}

CString Loaded(UINT id)
{
    CString text;
    text.LoadString(id);
    return text;
}

CString Fixed(double value)
{
    CString text;
    text.Format("%f", value);
    return text;
}

// The rows of the grid's selection: 0 when nothing valid is selected; row is the first one.
int SelectionRows(const CFmtGridCtrl& grid, int& row)
{
    const CCellRange range = grid.GetSelectedCellRange();
    row = -1;
    if (!range.IsValid() || range.GetMinRow() < grid.GetFixedRowCount() ||
        range.GetMaxRow() >= grid.GetRowCount())
        return 0;
    row = range.GetMinRow();
    return range.GetRowSpan();
}

void SelectWholeRow(CFmtGridCtrl& grid, int row)
{
    grid.SetSelectedRange(row, grid.GetFixedColumnCount(), row, grid.GetColumnCount() - 1, TRUE);
}

// The grid's data rows as texts, the columns after the row number in order.
std::vector<CatalogueRow> DataRows(const CFmtGridCtrl& grid)
{
    std::vector<CatalogueRow> rows;
    for (int row = grid.GetFixedRowCount(); row < grid.GetRowCount(); ++row)
    {
        CatalogueRow& texts = rows.emplace_back();
        for (int col = grid.GetFixedColumnCount(); col < grid.GetColumnCount(); ++col)
            texts.push_back(grid.GetItemText(row, col));
    }
    return rows;
}

} // namespace

BEGIN_MESSAGE_MAP(CWall_K, CDialog)
ON_BN_CLICKED(IDC_WK_ONE_DIMENSIONAL, OnOneDimensional)
ON_BN_CLICKED(IDC_WK_COMPUTE, OnCompute)
ON_BN_CLICKED(IDC_WK_UPDATE, OnUpdateConstruction)
ON_BN_CLICKED(IDC_WK_ADD, OnAdd)
ON_NOTIFY(GVN_CLICK, IDC_WK_CONSTRUCTIONS, OnConstructionClick)
ON_NOTIFY(GVN_CLICK, IDC_WK_LAYERS, OnLayerClick)
ON_NOTIFY(GVN_DBLCLK, IDC_WK_MATERIALS, OnMaterialDblClick)
ON_NOTIFY(GVN_BEGINLABELEDIT, IDC_WK_CONSTRUCTIONS, OnConstructionBeginEdit)
ON_NOTIFY(GVN_BEGINLABELEDIT, IDC_WK_LAYERS, OnLayerBeginEdit)
END_MESSAGE_MAP()

CWall_K::CWall_K(CWnd* pParent) : CDialog(IDD_WALL_K, pParent), m_clock([] { return std::time(nullptr); }) {}

void CWall_K::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
}

BOOL CWall_K::OnInitDialog()
{
    CDialog::OnInitDialog();
    SetProgramIcon(*this);
    for (auto [grid, id] : {std::pair{&m_GridK, IDC_WK_CONSTRUCTIONS}, std::pair{&m_GridU, IDC_WK_LAYERS},
                            std::pair{&m_GridM, IDC_WK_MATERIALS}})
    {
        ReplacePlaceholderByGrid(*this, id, *grid);
        grid->SetRowSelectMode(TRUE);
        grid->EnableDragAndDrop(FALSE);
        grid->SetEditable(grid == &m_GridU);
    }
    CString sql;
    sql.Format("SELECT * FROM [%s] WHERE [%s]=%s", kConstructions, "Označení",
               SqlTextLiteral(m_strKind).GetString());
    m_GridK.LoadFromTable(kConstructions, sql);
    m_GridK.AutoSizeColumns();
    Collapse();
    sql.Format("SELECT * FROM [%s] WHERE [%s]='-1'", kLayers, "Odkaz");
    m_GridU.LoadFromTable(kLayers, sql);
    sql.Format("SELECT * FROM [%s] ORDER BY [%s]", kMaterials, "Položka");
    m_GridM.LoadFromTable(kMaterials, sql);
    m_GridM.AutoSizeColumns();
    ArrangeButtons();
    return TRUE;
}

// The window down to the divider; what lies after it in the tab order is hidden and disabled.
void CWall_K::Collapse()
{
    CRect window, divider;
    GetWindowRect(&window);
    GetDlgItem(IDC_WK_DIVIDER)->GetWindowRect(&divider);
    if (m_nFullHeight == 0)
        m_nFullHeight = window.Height();
    m_nCompactHeight = divider.top - window.top;
    SetWindowPos(nullptr, window.left, window.top, window.Width(), m_nCompactHeight,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    m_bExpanded = false;
    for (CWnd* control = GetDlgItem(IDC_WK_DIVIDER)->GetWindow(GW_HWNDNEXT); control;
         control = control->GetWindow(GW_HWNDNEXT))
    {
        if (control == &m_GridK)
            continue;
        control->ShowWindow(SW_HIDE);
        control->EnableWindow(FALSE);
    }
}

void CWall_K::Expand()
{
    CRect window;
    GetWindowRect(&window);
    const int d = (m_nFullHeight - m_nCompactHeight) / 2;
    int top = window.top;
    if (window.bottom + d < GetSystemMetrics(SM_CYSCREEN) && window.top - d > 0)
        top -= d;
    SetWindowPos(nullptr, window.left, top, window.Width(), m_nFullHeight, SWP_NOZORDER | SWP_NOACTIVATE);
    m_bExpanded = true;
    for (CWnd* control = GetDlgItem(IDC_WK_DIVIDER)->GetWindow(GW_HWNDNEXT); control;
         control = control->GetWindow(GW_HWNDNEXT))
    {
        control->ShowWindow(SW_SHOW);
        control->EnableWindow(TRUE);
    }
    ShowMethod(false);
    CheckDlgButton(IDC_WK_ONE_DIMENSIONAL, BST_UNCHECKED);
    CheckRadioButton(IDC_WK_APPROXIMATE, IDC_WK_EXACT, IDC_WK_EXACT);
    m_nMethod = 1;
    GetDlgItem(IDC_WK_APPROXIMATE)->EnableWindow(FALSE);
    GetDlgItem(IDC_WK_EXACT)->EnableWindow(FALSE);
    ArrangeButtons();
    if (!HasDataRows(m_GridU))
        GetDlgItem(IDOK)->EnableWindow(FALSE);
}

// The method group: shown with only the one-dimensional method to choose, or hidden.
void CWall_K::ShowMethod(bool show)
{
    ShowControls(*this,
                 {IDC_WK_METHOD_GROUP, IDC_WK_ONE_DIMENSIONAL, IDC_WK_NOT_ONE_DIMENSIONAL, IDC_WK_APPROXIMATE,
                  IDC_WK_EXACT},
                 show);
    for (int id : {IDC_WK_NOT_ONE_DIMENSIONAL, IDC_WK_APPROXIMATE, IDC_WK_EXACT})
        GetDlgItem(id)->EnableWindow(FALSE);
}

// "&OK", "&Přidat" and "&Zrušit" stand on the row of "&Dopočítat" when expanded and on the row
// of "&Aktualizovat" when compact.
void CWall_K::ArrangeButtons()
{
    CRect row;
    GetDlgItem(m_bExpanded ? IDC_WK_COMPUTE : IDC_WK_UPDATE)->GetWindowRect(&row);
    ScreenToClient(&row);
    for (int id : {IDOK, IDC_WK_ADD, IDCANCEL})
    {
        CWnd* button = GetDlgItem(id);
        CRect place;
        button->GetWindowRect(&place);
        ScreenToClient(&place);
        button->MoveWindow(place.left, row.top, place.Width(), place.Height());
    }
    SetDlgItemText(IDOK, Loaded(m_bExpanded ? IDS_WK_DONE : IDS_WK_OK));
    CWnd* update = GetDlgItem(IDC_WK_UPDATE);
    CWnd* add = GetDlgItem(IDC_WK_ADD);
    CWnd* compute = GetDlgItem(IDC_WK_COMPUTE);
    update->ShowWindow(m_bExpanded ? SW_HIDE : SW_SHOW);
    add->ShowWindow(!m_bExpanded || m_bUpdate ? SW_SHOW : SW_HIDE);
    compute->ShowWindow(m_bExpanded ? SW_SHOW : SW_HIDE);
    compute->EnableWindow(FALSE);
}

void CWall_K::OnConstructionClick(NMHDR* pNMHDR, LRESULT* pResult)
{
    *pResult = 0;
    const int row = reinterpret_cast<GridNotify*>(pNMHDR)->iRow;
    if (m_bEditing || row < m_GridK.GetFixedRowCount() || row >= m_GridK.GetRowCount())
        return;
    m_nRowK = row;
    GetDlgItem(IDC_WK_UPDATE)->EnableWindow(TRUE);
    GetDlgItem(IDOK)->EnableWindow(TRUE);
    const int key = m_GridK.FindColumn("Odkaz");
    if (key < 0)
        return;
    m_strOdkaz = m_GridK.GetItemText(row, key);
    CString sql;
    sql.Format("SELECT * FROM [%s] WHERE [%s]=%s", kLayers, "Odkaz", SqlTextLiteral(m_strOdkaz).GetString());
    m_GridU.LoadFromTable(kLayers, sql);
    m_nRowU = -1;
}

void CWall_K::OnOK()
{
    if (m_bExpanded)
    {
        // "&Hotovo": the layers are done; the method is chosen next.
        m_bEditing = false;
        m_GridM.ShowWindow(SW_HIDE);
        m_GridM.EnableWindow(FALSE);
        ArrangeButtons();
        GetDlgItem(IDOK)->ShowWindow(SW_HIDE);
        GetDlgItem(IDOK)->EnableWindow(FALSE);
        ShowMethod(true);
        GetDlgItem(IDC_WK_ONE_DIMENSIONAL)->EnableWindow(TRUE);
        ShowControls(*this, {IDC_WK_ADD}, false);
        m_GridK.SetEditable(FALSE);
        return;
    }
    m_bEditing = false;
    int row = -1;
    const int uColumn = m_GridK.FindColumn("Prostup tepla");
    const double U =
        SelectionRows(m_GridK, row) == 1 && uColumn >= 0 ? Number(m_GridK.GetItemText(row, uColumn)) : 0.0;
    if (U == 0.0)
    {
        ShowBadChoice();
        return;
    }
    WallEntry::Instance().U = U;
    EndDialog(IDOK);
}

void CWall_K::ShowBadChoice()
{
    MessageBox(GetSafeHwnd(), Loaded(IDS_WK_BAD_CHOICE), AppSettings::Get().ErrorCaption(),
               MB_OK | MB_ICONEXCLAMATION);
}

int CWall_K::NextNumber(const CFmtGridCtrl& grid)
{
    int number = 0;
    for (int row = grid.GetFixedRowCount(); row < grid.GetRowCount(); ++row)
        number = std::max(number, NumberText::ToInt(grid.GetItemText(row, 0).str()));
    return number + 1;
}

void CWall_K::OnAdd()
{
    if (m_bExpanded)
        AddLayer();
    else
        AddConstruction();
}

// A new construction of the kind: a row with the kind, a key of its own and the name asked for.
void CWall_K::AddConstruction()
{
    m_bModified = true;
    m_bEditing = true;
    m_bUpdate = false;
    Expand();
    ShowControls(*this, {IDC_WK_ADD, IDC_WK_UPDATE}, false);
    const int number = NextNumber(m_GridK);
    const int row = m_GridK.InsertRow(nullptr);
    m_GridK.SetItemTextFmt(row, 0, "%d", number);
    m_nRowK = row;

    // The kind of the row above; the first construction of a kind takes the kind itself.
    const int kindColumn = m_GridK.FindColumn("Označení");
    if (kindColumn >= 0)
        m_GridK.SetItemText(row, kindColumn,
                            row > m_GridK.GetFixedRowCount() ? m_GridK.GetItemText(row - 1, kindColumn)
                                                             : m_strKind);
    GiveNewKey(row);
    CNazevSkladby name(this);
    const int nameColumn = m_GridK.FindColumn("Druh konstrukce");
    if (name.DoModal() == IDOK && nameColumn >= 0)
        m_GridK.SetItemText(row, nameColumn, name.m_strNazev);
    if (nameColumn >= 0)
    {
        m_GridK.SetSelectedRange(row, nameColumn, row, nameColumn, TRUE);
        m_GridK.EnsureVisible(row, nameColumn);
    }
    m_GridK.AutoSizeColumns();
    m_GridU.DeleteNonFixedRows();
    m_nRowU = -1;
    GetDlgItem(IDOK)->EnableWindow(FALSE); // no layer to finish yet
    m_GridM.SetFocus();
    if (HasDataRows(m_GridM))
    {
        m_GridM.SetFocusCell(m_GridM.GetFixedRowCount(), m_GridM.GetFixedColumnCount());
        SelectWholeRow(m_GridM, m_GridM.GetFixedRowCount());
    }
}

// A key that neither the catalogue nor another row of the list uses, for the row and the layers.
void CWall_K::GiveNewKey(int row)
{
    const std::set<std::string> stored = CatalogueConstructionKeys(AppSettings::Get().PathData);
    const int keyColumn = m_GridK.FindColumn("Odkaz");
    m_strOdkaz = NewConstructionKey(m_clock(),
                                    [&](const CString& key)
                                    {
                                        if (stored.count(key.str()))
                                            return true;
                                        for (int r = m_GridK.GetFixedRowCount();
                                             keyColumn >= 0 && r < m_GridK.GetRowCount(); ++r)
                                            if (r != row && m_GridK.GetItemText(r, keyColumn) == key)
                                                return true;
                                        return false;
                                    });
    if (keyColumn >= 0)
        m_GridK.SetItemText(row, keyColumn, m_strOdkaz);
}

// Changing the current construction: its layers are shown to be changed.
void CWall_K::OnUpdateConstruction()
{
    if (m_nRowK < m_GridK.GetFixedRowCount() || m_nRowK >= m_GridK.GetRowCount())
        return;
    m_bEditing = true;
    ShowControls(*this, {IDC_WK_UPDATE}, false);
    m_bUpdate = true;
    Expand();
    const int key = m_GridK.FindColumn("Odkaz");
    if (key >= 0)
        m_strOdkaz = m_GridK.GetItemText(m_nRowK, key);
    // A construction without a key of its own would share its layers with every other one
    // without a key: it gets one, and so do the layers shown.
    if (key >= 0 && m_strOdkaz.IsEmpty())
    {
        GiveNewKey(m_nRowK);
        const int layerKey = m_GridU.FindColumn("Odkaz");
        for (int row = m_GridU.GetFixedRowCount(); layerKey >= 0 && row < m_GridU.GetRowCount(); ++row)
            m_GridU.SetItemText(row, layerKey, m_strOdkaz);
    }
    m_GridK.SetEditable(TRUE);
    if (HasDataRows(m_GridU))
    {
        const int first = m_GridU.GetFixedRowCount();
        SelectWholeRow(m_GridU, first);
        m_nRowU = first;
        SelectMaterialOf(first);
        m_GridU.SetFocus();
        m_GridU.SetFocusCell(first, m_GridU.GetFixedColumnCount());
    }
}

// A layer added to the construction being changed, with the selected material when there is one.
void CWall_K::AddLayer()
{
    m_bModified = true;
    m_bEditing = true;
    ShowControls(*this, {IDC_WK_ADD}, false);
    const int row = AppendLayerRow();
    int material = -1;
    if (HasDataRows(m_GridM) && SelectionRows(m_GridM, material) == 1 && CopyMaterial(material, row))
        FocusCell(m_GridU, row, "Tloušťka");
}

int CWall_K::LayerTarget()
{
    if (m_bUpdate && HasDataRows(m_GridU))
    {
        int selected = -1;
        const int rows = SelectionRows(m_GridU, selected);
        if (rows == 1)
            m_nRowU = selected;
        else if (rows > 1)
            return -1;
        return m_nRowU >= m_GridU.GetFixedRowCount() && m_nRowU < m_GridU.GetRowCount() ? m_nRowU : -1;
    }
    return AppendLayerRow();
}

// A new layer row with the next running number, also its "Pořadí"; the current layer row.
int CWall_K::AppendLayerRow()
{
    const int number = NextNumber(m_GridU);
    const int row = m_GridU.InsertRow(nullptr);
    m_GridU.SetItemTextFmt(row, 0, "%d", number);
    const int order = m_GridU.FindColumn("Pořadí");
    if (order >= 0)
        m_GridU.SetItemTextFmt(row, order, "%d", number);
    m_nRowU = row;
    return row;
}

bool CWall_K::CopyMaterial(int material, int layer)
{
    const int key = m_GridU.FindColumn("Odkaz");
    if (key >= 0)
        m_GridU.SetItemText(layer, key, m_strOdkaz);
    for (const char* name : kMaterialColumns)
    {
        const int from = m_GridM.FindColumn(name);
        const int to = m_GridU.FindColumn(name);
        if (from < 0 || to < 0)
            return false;
        m_GridU.SetItemText(layer, to, m_GridM.GetItemText(material, from));
    }
    return true;
}

void CWall_K::FocusCell(CFmtGridCtrl& grid, int row, const char* column)
{
    const int col = grid.FindColumn(column);
    if (col < 0)
        return;
    grid.SetFocus();
    grid.SetSelectedRange(row, col, row, col, TRUE);
    grid.SetFocusCell(row, col);
    grid.EnsureVisible(row, col);
}

void CWall_K::OnMaterialDblClick(NMHDR* pNMHDR, LRESULT* pResult)
{
    *pResult = 0;
    const int material = reinterpret_cast<GridNotify*>(pNMHDR)->iRow;
    if (material < m_GridM.GetFixedRowCount() || material >= m_GridM.GetRowCount())
        return;
    const int lambda = m_GridM.FindColumn("Výpočtová Tepelná vodivost");
    if (lambda < 0 || !(Number(m_GridM.GetItemText(material, lambda)) > 0.0))
        return;
    const int layer = LayerTarget();
    if (layer < 0)
        return;
    CopyMaterial(material, layer);
    FocusCell(m_GridU, layer, "Tloušťka");
    GetDlgItem(IDOK)->EnableWindow(TRUE);
    m_bModified = true;
    if (m_bUpdate)
        ShowControls(*this, {IDC_WK_ADD}, true);
}

void CWall_K::SelectMaterialOf(int layer)
{
    const int item = m_GridU.FindColumn("Položka");
    const int materialItem = m_GridM.FindColumn("Položka");
    if (item < 0 || materialItem < 0)
        return;
    const CString wanted = m_GridU.GetItemText(layer, item);
    for (int row = m_GridM.GetFixedRowCount(); row < m_GridM.GetRowCount(); ++row)
        if (m_GridM.GetItemText(row, materialItem) == wanted)
        {
            SelectWholeRow(m_GridM, row);
            m_GridM.EnsureVisible(row, materialItem);
            return;
        }
}

void CWall_K::OnLayerClick(NMHDR* pNMHDR, LRESULT* pResult)
{
    *pResult = 0;
    const int row = reinterpret_cast<GridNotify*>(pNMHDR)->iRow;
    if (row < m_GridU.GetFixedRowCount() || row >= m_GridU.GetRowCount())
        return;
    m_nRowU = row;
    SelectMaterialOf(row);
}

// Only the name of the construction being changed, and only the thickness of the current layer.
void CWall_K::OnConstructionBeginEdit(NMHDR* pNMHDR, LRESULT* pResult)
{
    const auto* note = reinterpret_cast<GridNotify*>(pNMHDR);
    *pResult = note->iRow == m_nRowK && note->iColumn == m_GridK.FindColumn("Druh konstrukce") ? 0 : -1;
}

void CWall_K::OnLayerBeginEdit(NMHDR* pNMHDR, LRESULT* pResult)
{
    const auto* note = reinterpret_cast<GridNotify*>(pNMHDR);
    *pResult = note->iRow == m_nRowU && note->iColumn == m_GridU.FindColumn("Tloušťka") ? 0 : -1;
}

void CWall_K::OnOneDimensional()
{
    m_nMethod = 1;
    GetDlgItem(IDC_WK_APPROXIMATE)->EnableWindow(FALSE);
    GetDlgItem(IDC_WK_EXACT)->EnableWindow(FALSE);
    GetDlgItem(IDC_WK_COMPUTE)->EnableWindow(TRUE);
}

void CWall_K::OnCompute()
{
    for (int id : {IDC_WK_ONE_DIMENSIONAL, IDC_WK_NOT_ONE_DIMENSIONAL, IDC_WK_APPROXIMATE, IDC_WK_EXACT})
        GetDlgItem(id)->EnableWindow(FALSE);
    if (!ComputeConstructionU())
        return;
    GetDlgItem(IDC_WK_COMPUTE)->EnableWindow(FALSE);
    if (m_bModified)
        SaveUserConstruction();
    GetDlgItem(IDC_WK_COMPUTE)->EnableWindow(TRUE);
    Collapse();
    ArrangeButtons();
    GetDlgItem(IDC_WK_ADD)->EnableWindow(TRUE);
}

// U, total thickness and mean density of the layers into the current construction's row.
bool CWall_K::ComputeConstructionU()
{
    const int first = m_GridU.GetFixedRowCount();
    if (!HasDataRows(m_GridU))
        return false;
    const int inner = m_GridU.FindColumn("Přestup tepla vnitřní");
    const int outer = m_GridU.FindColumn("Přestup tepla vnější");
    const int thickness = m_GridU.FindColumn("Tloušťka");
    const int density = m_GridU.FindColumn("Objemová hmotnost");
    const int lambda = m_GridU.FindColumn("Výpočtová Tepelná vodivost");
    const int order = m_GridU.FindColumn("Pořadí");
    if (inner < 0 || outer < 0 || thickness < 0 || density < 0 || lambda < 0 || order < 0)
        return false;
    std::vector<ConstructionLayer> layers;
    for (int row = first; row < m_GridU.GetRowCount(); ++row)
    {
        ConstructionLayer& layer = layers.emplace_back();
        layer.thickness = Number(m_GridU.GetItemText(row, thickness));
        layer.conductivity = Number(m_GridU.GetItemText(row, lambda));
        layer.density = Number(m_GridU.GetItemText(row, density));
        layer.innerResistance = Number(m_GridU.GetItemText(row, inner));
        layer.outerResistance = Number(m_GridU.GetItemText(row, outer));
    }
    const ConstructionU result = ::ComputeConstructionU(layers);
    const int numbered = result.Succeeded() ? int(layers.size()) : result.failedLayer;
    for (int i = 0; i < numbered; ++i)
        m_GridU.SetItemTextFmt(first + i, order, "%d", i + 1);
    if (result.failure == ConstructionU::Thickness)
    {
        // The layer is made the current one, so that its thickness can be typed again.
        m_nRowU = first + result.failedLayer;
        ShowBadChoice();
        FocusCell(m_GridU, m_nRowU, "Tloušťka");
        return false;
    }
    if (!result.Succeeded())
        return false;
    const int totalThickness = m_GridK.FindColumn("Tloušťka");
    const int meanDensity = m_GridK.FindColumn("Objemová hmotnost");
    const int U = m_GridK.FindColumn("Prostup tepla");
    if (totalThickness < 0 || meanDensity < 0 || U < 0 || m_nRowK < m_GridK.GetFixedRowCount() ||
        m_nRowK >= m_GridK.GetRowCount())
        return false;
    m_GridK.SetItemText(m_nRowK, totalThickness, Fixed(result.thickness));
    m_GridK.SetItemText(m_nRowK, meanDensity, Fixed(result.density));
    m_GridK.SetItemText(m_nRowK, U, Fixed(result.U));
    m_GridK.RedrawRow(m_nRowK);
    FocusCell(m_GridK, m_nRowK, "Druh konstrukce");
    m_bModified = true;
    return true;
}

// The kind's constructions and the construction's layers into the catalogue; a failure is told
// and leaves the rows to be written again.
void CWall_K::SaveUserConstruction()
{
    CWaitCursor wait;
    const CatalogueRewrite written = ::SaveUserConstruction(AppSettings::Get().PathData, m_strKind,
                                                            DataRows(m_GridK), m_strOdkaz, DataRows(m_GridU));
    if (written.succeeded)
        m_bModified = false;
    else if (!written.message.IsEmpty())
        written.message.Show(GetSafeHwnd());
}

bool CWall_K::AskDelete(const CString& name, const CString& number)
{
    CString text;
    text.Format(Loaded(IDS_WK_DELETE).GetString(), name.GetString(), NumberText::ToInt(number.str()));
    return MessageBox(GetSafeHwnd(), text, AppSettings::Get().QuestionCaption(),
                      MB_YESNO | MB_ICONQUESTION) == IDYES;
}

void CWall_K::DeleteLayer(int row)
{
    if (row < m_GridU.GetFixedRowCount() || row >= m_GridU.GetRowCount())
        return;
    const int item = m_GridU.FindColumn("Položka");
    if (!AskDelete(item >= 0 ? m_GridU.GetItemText(row, item) : CString(), m_GridU.GetItemText(row, 0)))
        return;
    m_GridU.DeleteRow(row);
    m_GridU.Refresh();
    m_bModified = true;
    if (!HasDataRows(m_GridU))
    {
        m_nRowU = -1;
        GetDlgItem(IDOK)->EnableWindow(FALSE);
        return;
    }
    m_nRowU = std::max(row - 1, m_GridU.GetFixedRowCount());
    SelectWholeRow(m_GridU, m_nRowU);
}

void CWall_K::DeleteConstruction(int row)
{
    const int name = m_GridK.FindColumn("Druh konstrukce");
    if (!AskDelete(name >= 0 ? m_GridK.GetItemText(row, name) : CString(), m_GridK.GetItemText(row, 0)))
        return;
    m_GridK.DeleteRow(row);
    m_GridK.Refresh();
    if (m_nRowK == row)
        m_nRowK = -1;
    else if (m_nRowK > row)
        --m_nRowK;
    m_bModified = true;
}

BOOL CWall_K::PreTranslateMessage(MSG* pMsg)
{
    // Delete removes a layer, or without layers the chosen construction; a Delete typed into a
    // cell being edited stays the edit's.
    // cell being edited stays the edit's. A Delete the dialog has taken goes no further, so that
    // it does not also empty the cell that has the focus afterwards.
    if (pMsg->message == WM_KEYDOWN && pMsg->wParam == VK_DELETE &&
        !m_GridU.IsItemEditing(m_nRowU, m_GridU.FindColumn("Tloušťka")) &&
        !m_GridK.IsItemEditing(m_nRowK, m_GridK.FindColumn("Druh konstrukce")))
    {
        int row = -1;
        if (HasDataRows(m_GridU))
        {
            DeleteLayer(SelectionRows(m_GridU, row) == 1 ? row : m_nRowU);
            return TRUE;
        }
        if (SelectionRows(m_GridK, row) == 1)
        {
            DeleteConstruction(row);
            return TRUE;
        }
    }
    return CDialog::PreTranslateMessage(pMsg);
}

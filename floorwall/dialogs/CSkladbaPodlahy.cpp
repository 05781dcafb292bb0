#include "floorwall/dialogs/CSkladbaPodlahy.h"

#include "common/AppSettings.h"
#include "controls/dialogs/DialogSupport.h"
#include "controls/grid/GridDefs.h"
#include "controls/grid/GridNotify.h"
#include "floorwall/dialogs/CNazevSkladby.h"
#include "floorwall/dialogs/FloorBuildUpIds.h"
#include "hydraulics/NumberReading.h"
#include "hydraulics/ProductCatalogue.h"
#include "platform/core/MessageBox.h"
#include "platform/ui/CDataExchange.h"
#include "platform/ui/CListCtrl.h"
#include "platform/ui/WaitCursor.h"

#include <ctime>

namespace
{
constexpr COLORREF kBackground = RGB(255, 255, 249);
constexpr UINT kCentred = DT_CENTER | DT_VCENTER | DT_SINGLELINE;
const int kAddButtons[] = {IDC_SP_COVERING_ADD, IDC_SP_SCREED_ADD, IDC_SP_INSULATION_ADD, IDC_SP_STRUCTURE_ADD};

CString Before(const CString& text, const char* separator)
{
    const int at = text.Find(separator);
    return at < 0 ? text : text.Left(at);
}

CString After(const CString& text, const char* separator)
{
    const int at = text.Find(separator);
    return at < 0 ? CString() : text.Mid(at + int(std::strlen(separator)));
}

CString Selected(CComboBox& list)
{
    CString text;
    if (list.GetCurSel() >= 0)
        list.GetLBText(list.GetCurSel(), text);
    return text;
}
} // namespace

BEGIN_MESSAGE_MAP(CSkladbaPodlahy, CDialog)
    ON_BN_CLICKED(IDC_SP_COVERING_ADD, OnAddCovering)
    ON_BN_CLICKED(IDC_SP_SCREED_ADD, OnAddScreed)
    ON_BN_CLICKED(IDC_SP_INSULATION_ADD, OnAddInsulation)
    ON_BN_CLICKED(IDC_SP_STRUCTURE_ADD, OnAddStructure)
    ON_BN_CLICKED(IDC_SP_NEW, OnNew)
    ON_BN_CLICKED(IDC_SP_SAVE, OnSave)
    ON_BN_CLICKED(IDC_SP_UP, OnUp)
    ON_BN_CLICKED(IDC_SP_DOWN, OnDown)
    ON_BN_CLICKED(IDC_SP_DELETE, OnDeleteLayer)
    ON_NOTIFY(GVN_BEGINLABELEDIT, IDC_SP_BUILD_UPS, OnBuildUpBeginEdit)
    ON_NOTIFY(GVN_ENDLABELEDIT, IDC_SP_BUILD_UPS, OnBuildUpEndEdit)
    ON_NOTIFY(GVN_BEGINLABELEDIT, IDC_SP_LAYERS, OnLayerBeginEdit)
    ON_NOTIFY(GVN_ENDLABELEDIT, IDC_SP_LAYERS, OnLayerEndEdit)
    ON_NOTIFY(NM_CLICK, IDC_SP_BUILD_UPS, OnBuildUpClick)
    ON_NOTIFY(NM_CLICK, IDC_SP_LAYERS, OnLayerClick)
END_MESSAGE_MAP()

CSkladbaPodlahy::CSkladbaPodlahy(CWnd* pParent) : CDialog(IDD_SKLADBA_PODLAHY, pParent) {}

void CSkladbaPodlahy::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_SP_COVERING_LIST, m_coverings);
    DDX_Control(pDX, IDC_SP_SCREED_LIST, m_screeds);
    DDX_Control(pDX, IDC_SP_INSULATION_LIST, m_insulations);
    DDX_Control(pDX, IDC_SP_STRUCTURE_LIST, m_structures);
}

void CSkladbaPodlahy::FillLists()
{
    CWaitCursor wait;
    const AppSettings& settings = AppSettings::Get();
    const CString catalogue = CatalogueFile(settings.PathData);
    m_insulations.ResetContent();
    m_insulationRows.clear();
    CString sql;
    sql.Format("SELECT * FROM [%s] WHERE [%s] IN (14,15,72)", ProductCatalogue::DataSheet, ProductCatalogue::RecordColumn);
    std::vector<SheetTexts> rows;
    if (ReadSheetRows(ProductCatalogue::CataloguePath(settings.PathList, settings.MakerNumber),
                      ProductCatalogue::DataSheet, sql, rows))
        for (SheetTexts& row : rows)
            if (!row["Typ"].IsEmpty())
            {
                m_insulations.AddString(row["Typ"] + " # " + row["Název"]);
                m_insulationRows.push_back(row);
            }
    m_insulations.SetCurSel(1);

    m_coverings.ResetContent();
    if (ReadSheetRows(catalogue, kCoveringSheet, CString(), m_coveringRows))
        for (SheetTexts& row : m_coveringRows)
            m_coverings.AddString(row["typ krytiny"]);
    m_coverings.SetCurSel(0);

    m_screeds.ResetContent();
    m_structures.ResetContent();
    sql.Format("SELECT * FROM [%s] WHERE [%s]>0 ORDER BY [%s]", kMaterialSheet, "Objemová hmotnost", "Položka");
    if (ReadSheetRows(catalogue, kMaterialSheet, sql, m_materialRows))
        for (SheetTexts& row : m_materialRows)
        {
            const CString entry = row["Položka"] + " # " + row["Materiál"] + " <-> " + row["Objemová hmotnost"];
            m_screeds.AddString(entry);
            m_structures.AddString(entry);
        }
    m_screeds.SetCurSel(0);
    m_structures.SetCurSel(0);
}

BOOL CSkladbaPodlahy::OnInitDialog()
{
    CDialog::OnInitDialog();
    SetProgramIcon(*this);
    ReplacePlaceholderByGrid(*this, IDC_SP_BUILD_UPS, m_buildUpGrid);
    ReplacePlaceholderByGrid(*this, IDC_SP_LAYERS, m_layerGrid);
    m_strCallerKey = m_strKey;
    m_nBuildUpRow = m_nLayerRow = -1;
    m_bModified = 0;
    FillLists();

    m_buildUpGrid.GetDefaultCell(FALSE, FALSE)->SetBackClr(kBackground);
    m_buildUpGrid.SetRowSelectMode(TRUE);
    m_buildUpGrid.SetEditable(TRUE);
    m_buildUpGrid.SetColumnCount(1);
    m_buildUpGrid.SetRowCount(1);
    m_buildUpGrid.SetFixedRowCount(1);
    m_buildUpGrid.SetItemText(0, 0, "#");
    m_buildUpGrid.SetItemFormat(0, 0, kCentred);
    m_buildUpGrid.InsertColumn("název skladby polahy", DT_LEFT | DT_VCENTER | DT_SINGLELINE, -1);
    m_buildUpGrid.InsertColumn("Odkaz", kCentred, -1);
    m_buildUpGrid.SetFixedColumnCount(1);
    LoadBuildUpList();
    m_buildUpGrid.AutoSizeColumns();
    m_buildUpGrid.SetColumnWidth(BuildUpName, 520);
    m_buildUpGrid.ExpandLastColumn();

    GetDlgItem(IDC_SP_SAVE)->EnableWindow(FALSE);
    m_layerGrid.GetDefaultCell(FALSE, FALSE)->SetBackClr(kBackground);
    m_layerGrid.SetRowSelectMode(TRUE);
    m_layerGrid.SetEditable(TRUE);
    m_layerGrid.SetColumnCount(1);
    m_layerGrid.SetRowCount(1);
    m_layerGrid.SetFixedRowCount(1);
    m_layerGrid.SetItemText(0, 0, "#");
    m_layerGrid.SetItemFormat(0, 0, kCentred);
    m_layerGrid.SetFixedColumnCount(1);
    for (const char* heading :
         {"Kód položky", "položka", "Popis položky", "vrstva", "vodivost", "tepelOdpor", "skupina", "Odkaz"})
        m_layerGrid.InsertColumn(heading, kCentred, -1);
    if (m_nBuildUpRow >= 1)
        LoadLayers();
    m_layerGrid.AutoSizeColumns();
    m_layerGrid.SetColumnWidth(LayerOdkaz, 100);
    UpdateButtons();
    if (m_nBuildUpRow < 1)
        EnableAddButtons(FALSE);
    return TRUE;
}

void CSkladbaPodlahy::LoadBuildUpList()
{
    std::vector<BuildUpHeader> headers;
    if (!ReadBuildUpHeaders(AppSettings::Get().PathData, headers))
        return;
    m_catalogueKeys.clear();
    for (std::size_t i = 0; i < headers.size(); ++i)
    {
        CString number;
        number.Format("%d", int(i) + 1);
        const int row = m_buildUpGrid.InsertRow(number);
        m_buildUpGrid.SetItemFormat(row, BuildUpNumber, kCentred);
        m_buildUpGrid.SetItemText(row, BuildUpName, headers[i].name);
        m_buildUpGrid.SetItemText(row, BuildUpKey, headers[i].key);
        m_buildUpGrid.SetItemFormat(row, BuildUpKey, kCentred);
        m_catalogueKeys.insert(headers[i].key.str());
    }
    if (headers.empty())
    {
        m_nBuildUpRow = -1;
        m_strKey.Empty();
        return;
    }
    SelectBuildUp(1);
    m_strKey = m_buildUpGrid.GetItemText(1, BuildUpKey);
}

void CSkladbaPodlahy::SelectBuildUp(int row)
{
    m_nBuildUpRow = row;
    if (row >= 1)
        m_buildUpGrid.SetSelectedRange(row, 1, row, m_buildUpGrid.GetColumnCount() - 1, TRUE);
}

void CSkladbaPodlahy::SelectLayer(int row)
{
    m_nLayerRow = row;
    if (row >= 1)
    {
        m_layerGrid.SetFocusCell(row, LayerVrstva);
        m_layerGrid.SetSelectedRange(row, 1, row, m_layerGrid.GetColumnCount() - 1, TRUE);
    }
}

void CSkladbaPodlahy::SetLayerRow(int row, const BuildUpLayer& layer)
{
    const CString texts[] = {layer.code,     layer.typ,        layer.popis,   layer.vrstva,
                             layer.vodivost, layer.tepelOdpor, layer.skupina};
    for (int c = 0; c < 7; ++c)
    {
        m_layerGrid.SetItemText(row, LayerCode + c, texts[c]);
        m_layerGrid.SetItemFormat(row, LayerCode + c, kCentred);
    }
}

BuildUpLayer CSkladbaPodlahy::LayerAt(int row) const
{
    return {m_layerGrid.GetItemText(row, LayerCode),     m_layerGrid.GetItemText(row, LayerTyp),
            m_layerGrid.GetItemText(row, LayerPopis),    m_layerGrid.GetItemText(row, LayerVrstva),
            m_layerGrid.GetItemText(row, LayerVodivost), m_layerGrid.GetItemText(row, LayerOdpor),
            m_layerGrid.GetItemText(row, LayerSkupina)};
}

std::vector<BuildUpLayer> CSkladbaPodlahy::Layers() const
{
    std::vector<BuildUpLayer> layers;
    for (int row = 1; row <= LayerCount(); ++row)
        layers.push_back(LayerAt(row));
    return layers;
}

void CSkladbaPodlahy::LoadLayers()
{
    m_layerGrid.SetRowCount(1);
    m_layerGrid.Invalidate();
    const CString key = m_buildUpGrid.GetItemText(m_nBuildUpRow, BuildUpKey);
    std::vector<BuildUpLayer> layers;
    ReadBuildUpLayers(AppSettings::Get().PathData, key, layers);
    for (std::size_t i = 0; i < layers.size(); ++i)
    {
        CString number;
        number.Format("%d", int(i) + 1);
        const int row = m_layerGrid.InsertRow(number);
        m_layerGrid.SetItemFormat(row, LayerNumber, kCentred);
        SetLayerRow(row, layers[i]);
        m_layerGrid.SetItemText(row, LayerOdkaz, key);
    }
    if (!layers.empty())
        SelectLayer(1);
}

bool CSkladbaPodlahy::CatalogueHasKey(const CString& key) const
{
    return m_catalogueKeys.count(key.str()) > 0;
}

CString CSkladbaPodlahy::FetchKey()
{
    if (LayerCount() > 0)
    {
        if (m_strKey.IsEmpty())
            m_strKey = m_layerGrid.GetItemText(1, LayerOdkaz);
        return m_strKey;
    }
    if (m_nBuildUpRow >= 1)
    {
        m_strKey = m_buildUpGrid.GetItemText(m_nBuildUpRow, BuildUpKey);
        if (!m_strKey.IsEmpty())
            return m_strKey;
    }
    // A key of its own, also for two build-ups begun within one second.
    m_strKey = NewConstructionKey(std::time(nullptr), [this](const CString& key) {
        if (CatalogueHasKey(key))
            return true;
        for (int row = 1; row < m_buildUpGrid.GetRowCount(); ++row)
            if (m_buildUpGrid.GetItemText(row, BuildUpKey) == key)
                return true;
        return false;
    });
    return m_strKey;
}

void CSkladbaPodlahy::Changed()
{
    GetDlgItem(IDC_SP_SAVE)->EnableWindow(TRUE);
    m_bModified = 1;
    UpdateButtons();
}

void CSkladbaPodlahy::AppendLayer(const BuildUpLayer& source, bool focusThickness)
{
    const CString key = FetchKey();
    m_layerGrid.SetFocus();
    CString number;
    number.Format("%d", m_layerGrid.GetRowCount());
    const int row = m_layerGrid.InsertRow(number);
    m_layerGrid.SetItemFormat(row, LayerNumber, kCentred);
    m_nLayerRow = row;
    SetLayerRow(row, source);
    m_layerGrid.SetItemText(row, LayerOdkaz, key);
    if (focusThickness)
    {
        m_layerGrid.SetFocusCell(row, LayerVrstva);
        m_layerGrid.SetSelectedRange(row, LayerVrstva, row, LayerVrstva);
    }
    m_layerGrid.RedrawRow(row);
    GetDlgItem(IDC_SP_SAVE)->EnableWindow(TRUE);
}

void CSkladbaPodlahy::AddFrom(const std::vector<SheetTexts>& rows, CComboBox& list, int group)
{
    const CString entry = Selected(list);
    if (list.GetCurSel() < 0)
        return;
    CWaitCursor wait;
    // The entry names exactly one source row, or nothing is added.
    std::vector<const SheetTexts*> found;
    for (const SheetTexts& row : rows)
    {
        const auto text = [&row](const char* column) {
            const auto it = row.find(column);
            return it == row.end() ? CString() : it->second;
        };
        bool match = false;
        if (group == 1)
            match = text("typ krytiny") == entry;
        else if (group == 3)
            match = text("Typ") == Before(entry, " # ") && text("Název") == After(entry, " # ");
        else
            match = text("Položka") == Before(entry, " # ");
        if (match)
            found.push_back(&row);
    }
    if (found.size() == 1)
    {
        const SheetTexts& row = *found.front();
        if (group == 1)
            AppendLayer(CoveringLayer(row), true);
        else if (group == 3)
            AppendLayer(InsulationLayer(row, AppSettings::Get().MakerNumber), false);
        else
            AppendLayer(MaterialLayer(row, group), true);
    }
    m_bModified = 1;
    UpdateButtons();
}

void CSkladbaPodlahy::OnAddCovering()
{
    AddFrom(m_coveringRows, m_coverings, 1);
}

void CSkladbaPodlahy::OnAddScreed()
{
    AddFrom(m_materialRows, m_screeds, 2);
}

void CSkladbaPodlahy::OnAddInsulation()
{
    AddFrom(m_insulationRows, m_insulations, 3);
}

void CSkladbaPodlahy::OnAddStructure()
{
    AddFrom(m_materialRows, m_structures, 4);
}

void CSkladbaPodlahy::OnNew()
{
    CNazevSkladby name(this);
    if (name.DoModal() != IDOK || name.m_strNazev.IsEmpty())
        return;
    GetDlgItem(IDC_SP_NEW)->EnableWindow(FALSE);
    m_layerGrid.SetRowCount(1);
    m_nLayerRow = 0;
    CString number;
    number.Format("%d", m_buildUpGrid.GetRowCount());
    const int row = m_buildUpGrid.InsertRow(number);
    m_buildUpGrid.SetItemFormat(row, BuildUpNumber, kCentred);
    m_nBuildUpRow = row;
    m_strKey.Empty();
    const CString key = FetchKey();
    m_buildUpGrid.SetItemText(row, BuildUpKey, key);
    m_buildUpGrid.SetItemFormat(row, BuildUpKey, kCentred);
    m_buildUpGrid.SetItemText(row, BuildUpName, name.m_strNazev);
    SelectBuildUp(row);
    m_buildUpGrid.RedrawRow(row);
    EnableAddButtons(TRUE);
    UpdateButtons();
}

void CSkladbaPodlahy::OnSave()
{
    CWaitCursor wait;
    GetDlgItem(IDC_SP_SAVE)->EnableWindow(FALSE);
    const CString dataFolder = AppSettings::Get().PathData;
    if (m_bModified)
    {
        int row = -1;
        for (int r = 1; r < m_buildUpGrid.GetRowCount() && row < 0; ++r)
            if (m_buildUpGrid.GetItemText(r, BuildUpKey) == m_strKey)
                row = r;
        if (row < 0)
        {
            CString number;
            number.Format("%d", m_buildUpGrid.GetRowCount());
            row = m_buildUpGrid.InsertRow(number);
        }
        m_nBuildUpRow = row;
        m_buildUpGrid.SetItemText(row, BuildUpKey, m_strKey);
        m_buildUpGrid.RedrawRow(row);
        const CString name = m_buildUpGrid.GetItemText(row, BuildUpName);
        BuildUpWrite write;
        bool keepHeader = false;
        bool removedBuildUp = false;
        if (LayerCount() == 0)
        {
            CString format;
            format.LoadString(IDS_SP_DELETE_HEADER);
            CString question;
            question.Format(format, name.GetString(), m_strKey.GetString());
            if (MessageBox(GetSafeHwnd(), question, AppSettings::Get().QuestionCaption(),
                           MB_YESNO | MB_ICONQUESTION) == IDYES)
            {
                write = RemoveBuildUp(dataFolder, m_strKey);
                if (write.removed)
                {
                    removedBuildUp = true;
                    m_catalogueKeys.erase(m_strKey.str());
                    m_buildUpGrid.DeleteRow(row);
                    for (int r = row; r < m_buildUpGrid.GetRowCount(); ++r)
                    {
                        CString number;
                        number.Format("%d", r);
                        m_buildUpGrid.SetItemText(r, BuildUpNumber, number);
                    }
                    const int next = row < m_buildUpGrid.GetRowCount() ? row : row - 1;
                    m_bModified = 0;
                    if (next >= 1)
                        ChooseBuildUp(next);
                    else
                    {
                        m_nBuildUpRow = -1;
                        m_strKey.Empty();
                        m_layerGrid.SetRowCount(1);
                        EnableAddButtons(FALSE);
                    }
                    m_buildUpGrid.Invalidate();
                }
            }
            else
            {
                write = SaveBuildUp(dataFolder, m_strKey, name, {}, true);
                keepHeader = true;
            }
        }
        else
        {
            write = SaveBuildUp(dataFolder, m_strKey, name, Layers());
            if (write.written)
                m_bModified = 0;
        }
        if (write.written)
            m_catalogueKeys.insert(m_strKey.str());
        if (!write.message.IsEmpty())
            write.message.Show(GetSafeHwnd());
        // Not written (or a header kept on purpose): the build-up stays to be saved again.
        if (keepHeader || (!write.written && !removedBuildUp))
            GetDlgItem(IDC_SP_SAVE)->EnableWindow(TRUE);
    }
    GetDlgItem(IDC_SP_NEW)->EnableWindow(TRUE);
    UpdateButtons();
}

void CSkladbaPodlahy::SwapLayers(int row, int other)
{
    for (int c = LayerCode; c <= LayerOdkaz; ++c)
    {
        const CString text = m_layerGrid.GetItemText(row, c);
        m_layerGrid.SetItemText(row, c, m_layerGrid.GetItemText(other, c));
        m_layerGrid.SetItemText(other, c, text);
    }
    SelectLayer(other);
    m_layerGrid.Invalidate();
    Changed();
}

void CSkladbaPodlahy::OnUp()
{
    if (m_nLayerRow >= 2)
        SwapLayers(m_nLayerRow, m_nLayerRow - 1);
}

void CSkladbaPodlahy::OnDown()
{
    if (m_nLayerRow >= 1 && m_nLayerRow < LayerCount())
        SwapLayers(m_nLayerRow, m_nLayerRow + 1);
}

void CSkladbaPodlahy::OnDeleteLayer()
{
    const int count = LayerCount();
    if (m_nLayerRow < 1 || m_nLayerRow > count)
        return;
    for (int row = m_nLayerRow; row < count; ++row)
        for (int c = LayerCode; c <= LayerOdkaz; ++c)
            m_layerGrid.SetItemText(row, c, m_layerGrid.GetItemText(row + 1, c));
    m_layerGrid.SetRowCount(count);
    if (m_nLayerRow > LayerCount())
        m_nLayerRow = LayerCount();
    SelectLayer(m_nLayerRow);
    m_layerGrid.Invalidate();
    Changed();
}

void CSkladbaPodlahy::UpdateButtons()
{
    const int count = LayerCount();
    GetDlgItem(IDC_SP_DELETE)->EnableWindow(count >= 1);
    GetDlgItem(IDC_SP_UP)->EnableWindow(m_nLayerRow >= 2);
    GetDlgItem(IDC_SP_DOWN)->EnableWindow(count >= 1 && m_nLayerRow < count);
}

void CSkladbaPodlahy::EnableAddButtons(BOOL enable)
{
    for (int id : kAddButtons)
        GetDlgItem(id)->EnableWindow(enable);
}

void CSkladbaPodlahy::ChooseBuildUp(int row)
{
    SelectBuildUp(row);
    LoadLayers();
    m_strKey = m_buildUpGrid.GetItemText(row, BuildUpKey);
    UpdateButtons();
}

void CSkladbaPodlahy::OnBuildUpBeginEdit(NMHDR* pNotifyStruct, LRESULT* pResult)
{
    const auto* notify = reinterpret_cast<GridNotify*>(pNotifyStruct);
    *pResult = notify->iRow == m_nBuildUpRow && notify->iRow >= 1 && notify->iColumn == BuildUpName ? 0 : -1;
}

void CSkladbaPodlahy::OnBuildUpEndEdit(NMHDR*, LRESULT* pResult)
{
    *pResult = 0;
}

void CSkladbaPodlahy::OnLayerBeginEdit(NMHDR* pNotifyStruct, LRESULT* pResult)
{
    const auto* notify = reinterpret_cast<GridNotify*>(pNotifyStruct);
    *pResult = notify->iRow == m_nLayerRow && notify->iRow >= 1 && notify->iColumn == LayerVrstva ? 0 : -1;
}

void CSkladbaPodlahy::OnLayerEndEdit(NMHDR* pNotifyStruct, LRESULT* pResult)
{
    *pResult = 0;
    const auto* notify = reinterpret_cast<GridNotify*>(pNotifyStruct);
    if (notify->iRow < 1 || notify->iRow > LayerCount())
        return;
    BuildUpLayer layer = LayerAt(notify->iRow);
    RecomputeLayer(layer);
    SetLayerRow(notify->iRow, layer);
    m_layerGrid.RedrawRow(notify->iRow);
    Changed();
}

void CSkladbaPodlahy::OnBuildUpClick(NMHDR* pNotifyStruct, LRESULT*)
{
    const auto* notify = reinterpret_cast<GridNotify*>(pNotifyStruct);
    if (notify->iRow >= 1 && notify->iRow < m_buildUpGrid.GetRowCount())
        ChooseBuildUp(notify->iRow);
}

void CSkladbaPodlahy::OnLayerClick(NMHDR* pNotifyStruct, LRESULT*)
{
    const auto* notify = reinterpret_cast<GridNotify*>(pNotifyStruct);
    if (notify->iRow >= 1 && notify->iRow <= LayerCount())
    {
        m_nLayerRow = notify->iRow;
        UpdateButtons();
    }
}

bool CSkladbaPodlahy::AskToSave()
{
    if (!m_bModified)
        return true;
    CString text;
    text.LoadString(IDS_SP_SAVE_CHANGES);
    const int answer =
        MessageBox(GetSafeHwnd(), text, AppSettings::Get().QuestionCaption(), MB_YESNOCANCEL | MB_ICONQUESTION);
    if (answer == IDCANCEL)
        return false;
    if (answer == IDYES)
    {
        OnSave();
        return !m_bModified;
    }
    return true;
}

void CSkladbaPodlahy::OnOK()
{
    if (!AskToSave())
        return;
    // The caller is handed only a build-up that the catalogue holds.
    if (!CatalogueHasKey(m_strKey))
        m_strKey = m_strCallerKey;
    EndDialog(IDOK);
}

void CSkladbaPodlahy::OnCancel()
{
    if (!AskToSave())
        return;
    m_strKey = m_strCallerKey;
    EndDialog(IDCANCEL);
}

#include "floorwall/dialogs/CNastavVypocetPodl.h"

#include "common/AppSettings.h"
#include "common/CommonIds.h"
#include "common/CommonRoutines.h"
#include "controls/grid/CGridCellBase.h"
#include "controls/grid/GridDefs.h"
#include "controls/grid/GridNotify.h"
#include "floorwall/CRoztece.h"
#include "floorwall/FloorCalculationSettings.h"
#include "floorwall/dialogs/FloorSettingsIds.h"
#include "hydraulics/NumberReading.h"
#include "controls/dialogs/DialogSupport.h"
#include "platform/core/FileOps.h"
#include "platform/core/MessageBox.h"
#include "platform/gdi/GdiTypes.h"
#include "platform/ui/CDataExchange.h"
#include "platform/ui/CEdit.h"

#include <cmath>
#include <cstdlib>

namespace
{
constexpr COLORREF kGridLines = 0x404040;
constexpr COLORREF kImageMask = 0x404040;
constexpr int kSeriesColumns = 5;

// The number in the first four characters of a product code (its maker).
int MakerOfCode(const CString& code)
{
    return std::atoi(code.Left(4).GetString());
}

// The number in the last four characters of a product code (its item).
int ItemOfCode(const CString& code)
{
    return std::atoi(code.Right(4).GetString());
}
} // namespace

BEGIN_MESSAGE_MAP(CNastavVypocetPodl, CDialog)
    ON_EN_SETFOCUS(IDC_NVP_FLOW, OnSetFocusNumber)
    ON_EN_SETFOCUS(IDC_NVP_RETURN, OnSetFocusNumber)
    ON_EN_SETFOCUS(IDC_NVP_SPREAD, OnSetFocusNumber)
    ON_EN_SETFOCUS(IDC_NVP_MAX_LENGTH, OnSetFocusNumber)
    ON_EN_SETFOCUS(IDC_NVP_MAX_PRESSURE_LOSS, OnSetFocusNumber)
    ON_EN_SETFOCUS(IDC_NVP_MIN_DIFFERENCE, OnSetFocusNumber)
    ON_EN_KILLFOCUS(IDC_NVP_FLOW, OnKillFocusFlow)
    ON_EN_KILLFOCUS(IDC_NVP_RETURN, OnKillFocusReturn)
    ON_EN_KILLFOCUS(IDC_NVP_SPREAD, OnKillFocusSpread)
    ON_EN_KILLFOCUS(IDC_NVP_MAX_LENGTH, OnKillFocusMaxLength)
    ON_EN_KILLFOCUS(IDC_NVP_TOLERANCE, OnKillFocusTolerance)
    ON_EN_KILLFOCUS(IDC_NVP_RETURN_TO_ROOM, OnKillFocusReturnToRoom)
    ON_EN_KILLFOCUS(IDC_NVP_MAX_PRESSURE_LOSS, OnKillFocusMaxPressureLoss)
    ON_EN_KILLFOCUS(IDC_NVP_MIN_DIFFERENCE, OnKillFocusMinDifference)
    ON_CBN_SELCHANGE(IDC_NVP_MAKER, OnSelchangeMaker)
    ON_CBN_SELCHANGE(IDC_NVP_SYSTEM, OnSelchangeSystem)
    ON_BN_CLICKED(IDC_NVP_TYPE_A, OnTypeA)
    ON_BN_CLICKED(IDC_NVP_TYPE_B, OnTypeB)
    ON_BN_CLICKED(IDC_NVP_TYPE_C, OnTypeC)
    ON_NOTIFY(GVN_BEGINLABELEDIT, IDC_NVP_SERIES_GRID, OnBeginEdit)
    ON_NOTIFY(GVN_ENDLABELEDIT, IDC_NVP_SERIES_GRID, OnEndEdit)
    ON_WM_DESTROY()
END_MESSAGE_MAP()

CNastavVypocetPodl::CNastavVypocetPodl(CWnd* parent)
    : CDialog(IDD_NASTAV_VYPOCET_PODL, parent), m_pDefaultSeries(std::make_unique<CRoztece>())
{
    m_series.push_back(m_pDefaultSeries.get());
    m_dMinimumSpacing = ReadNumber(LocalizeDecimalSeparator(AppSettings::Get().MinimRoztec));
}

CNastavVypocetPodl::~CNastavVypocetPodl() = default;

void CNastavVypocetPodl::UseSeries(const std::vector<CRoztece*>& series)
{
    m_series = series;
    m_pDefaultSeries.reset();
}

void CNastavVypocetPodl::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_NVP_MAKER, m_comboMaker);
    DDX_Control(pDX, IDC_NVP_PIPE, m_comboPipe);
    DDX_Control(pDX, IDC_NVP_SYSTEM, m_comboSystem);
    const std::pair<int, double*> numbers[] = {{IDC_NVP_RETURN, &m_dReturnTemperature},
                                               {IDC_NVP_FLOW, &m_dFlowTemperature},
                                               {IDC_NVP_SPREAD, &m_dSpread},
                                               {IDC_NVP_MAX_LENGTH, &m_dMaxCircuitLength},
                                               {IDC_NVP_TOLERANCE, &m_dTolerance},
                                               {IDC_NVP_RETURN_TO_ROOM, &m_dReturnToRoomDifference},
                                               {IDC_NVP_MAX_PRESSURE_LOSS, &m_dMaxPressureLoss},
                                               {IDC_NVP_MIN_DIFFERENCE, &m_dMinAcceptableDifference}};
    for (const auto& [id, value] : numbers)
    {
        // Read as typed, with either decimal separator; a text that is no number is 0.
        if (pDX->m_bSaveAndValidate)
            *value = FieldNumber(id);
        else
            DDX_Text(pDX, id, *value);
    }
    DDX_Check(pDX, IDC_NVP_AREA_CHECK, m_bAreaSumCheck);
    DDX_Check(pDX, IDC_NVP_SUPPLY_SAME_ROOM, m_bSupplyInSameRoom);
}

BOOL CNastavVypocetPodl::OnInitDialog()
{
    CDialog::OnInitDialog();
    SetProgramIcon(*this);

    ReplacePlaceholderByGrid(*this, IDC_NVP_SERIES_GRID, m_grid);

    m_dSpread = m_dFlowTemperature - m_dReturnTemperature;
    ShowTemperatures();
    ShowNumber(IDC_NVP_MAX_LENGTH, "%.1f", m_dMaxCircuitLength);
    ShowNumber(IDC_NVP_TOLERANCE, "%.4f", m_dTolerance);
    ShowNumber(IDC_NVP_RETURN_TO_ROOM, "%.1f", m_dReturnToRoomDifference);
    ShowNumber(IDC_NVP_MIN_DIFFERENCE, "%.1f", m_dMinAcceptableDifference);
    if (m_bTemperatureLock)
        EnableControls(*this, {IDC_NVP_FLOW, IDC_NVP_SPREAD}, false);
    CheckSystemTypeRadio();

    SetupSeriesGrid();
    FillSeriesGrid();
    FillMakerCombo();
    OnSelchangeMaker();
    return TRUE;
}

double CNastavVypocetPodl::FieldNumber(int id) const
{
    return ReadNumber(LocalizeDecimalSeparator(FieldText(*this, id)));
}

void CNastavVypocetPodl::ShowNumber(int id, const char* format, double value)
{
    SetDlgItemText(id, WriteNumber(format, value));
}

void CNastavVypocetPodl::TidyField(int id, const char* format, double& value)
{
    value = FieldNumber(id);
    ShowNumber(id, format, value);
}

// The spread, then the flow and the return as they follow from them.
void CNastavVypocetPodl::ShowTemperatures()
{
    ShowNumber(IDC_NVP_SPREAD, "%.1f", m_dSpread);
    m_dReturnTemperature = m_dFlowTemperature - m_dSpread;
    ShowNumber(IDC_NVP_FLOW, "%.1f", m_dFlowTemperature);
    ShowNumber(IDC_NVP_RETURN, "%.1f", m_dReturnTemperature);
}

void CNastavVypocetPodl::OnSetFocusNumber()
{
    if (auto* edit = dynamic_cast<CEdit*>(GetFocus()))
    {
        edit->SetSel(0, -1);
        edit->SendMessage(EM_SCROLLCARET);
    }
}

void CNastavVypocetPodl::OnKillFocusFlow()
{
    m_dFlowTemperature = FieldNumber(IDC_NVP_FLOW);
    ShowNumber(IDC_NVP_FLOW, "%.1f", m_dFlowTemperature);
    m_dSpread = FieldNumber(IDC_NVP_SPREAD);
    m_dReturnTemperature = m_dFlowTemperature - m_dSpread;
    ShowNumber(IDC_NVP_RETURN, "%.1f", m_dReturnTemperature);
    ValidateTemperatures();
}

void CNastavVypocetPodl::OnKillFocusReturn()
{
    m_dReturnTemperature = FieldNumber(IDC_NVP_RETURN);
    ShowNumber(IDC_NVP_RETURN, "%.1f", m_dReturnTemperature);
    m_dSpread = m_dFlowTemperature - m_dReturnTemperature;
    ShowNumber(IDC_NVP_SPREAD, "%.1f", m_dSpread);
    ValidateTemperatures();
}

void CNastavVypocetPodl::OnKillFocusSpread()
{
    m_dSpread = FieldNumber(IDC_NVP_SPREAD);
    ShowNumber(IDC_NVP_SPREAD, "%.1f", m_dSpread);
    m_dSpread = FieldNumber(IDC_NVP_SPREAD);
    m_dReturnTemperature = m_dFlowTemperature - m_dSpread;
    ShowNumber(IDC_NVP_RETURN, "%.1f", m_dReturnTemperature);
    ValidateTemperatures();
}

int CNastavVypocetPodl::ValidateTemperatures()
{
    FloorTemperatures t{m_dFlowTemperature, m_dReturnTemperature, m_dSpread};
    const TemperatureCorrection correction =
        ValidateFloorTemperatures(t, AppSettings::Get().HighestRoomTemperature);
    if (correction == TemperatureCorrection::None)
        return 0;
    m_dFlowTemperature = t.flow;
    m_dReturnTemperature = t.ret;
    m_dSpread = t.spread;
    ShowNumber(IDC_NVP_FLOW, "%.1f", m_dFlowTemperature);
    ShowNumber(IDC_NVP_RETURN, "%.1f", m_dReturnTemperature);
    ShowNumber(IDC_NVP_SPREAD, "%.1f", m_dSpread);
    const int focus = correction == TemperatureCorrection::Flow ? IDC_NVP_FLOW : IDC_NVP_SPREAD;
    if (CWnd* edit = GetDlgItem(focus); edit && edit->IsWindowEnabled())
        GotoDlgCtrl(edit);
    return 1;
}

void CNastavVypocetPodl::SetSystemType(int type)
{
    m_nSystemType = type;
    CheckSystemTypeRadio();
}

void CNastavVypocetPodl::CheckSystemTypeRadio()
{
    int radio = 0;
    if (m_nSystemType == 1 || m_nSystemType == 11)
        radio = IDC_NVP_TYPE_A;
    else if (m_nSystemType == 2)
        radio = IDC_NVP_TYPE_B;
    else if (m_nSystemType == 3)
        radio = IDC_NVP_TYPE_C;
    if (radio)
        CheckRadioButton(IDC_NVP_TYPE_A, IDC_NVP_TYPE_C, radio);
    else
        for (int id : {IDC_NVP_TYPE_A, IDC_NVP_TYPE_B, IDC_NVP_TYPE_C})
            CheckDlgButton(id, BST_UNCHECKED);
}

void CNastavVypocetPodl::SetupSeriesGrid()
{
    m_grid.GetDefaultCell(FALSE, FALSE)->SetBackClr(AppSettings::Get().Colours[2]);
    m_grid.SetGridLineColor(kGridLines);
    m_imageList.Create(IDB_ROZTECE_UZIT, 13, 1, kImageMask);
    m_grid.SetImageList(&m_imageList);
    m_grid.SetColumnCount(kSeriesColumns);
    m_grid.SetRowCount(1);
    m_grid.SetFixedRowCount(1);
    for (int column = 0; column < kSeriesColumns; ++column)
    {
        CString heading;
        heading.LoadString(IDS_SERIES_USE + UINT(column));
        m_grid.SetItemText(0, column, heading);
        if (column < kSeriesColumns - 1)
            m_grid.SetItemFormat(0, column, DT_RIGHT);
    }
    m_grid.AutoSizeColumns();
    m_grid.ExpandLastColumn();
    m_grid.EnableSelection(FALSE);
}

void CNastavVypocetPodl::FillSeriesGrid()
{
    for (CRoztece* series : m_series)
    {
        if (!series)
            continue;
        series->UpdateFlags(m_strSystemCode, m_dMinimumSpacing);
        const int row = m_grid.AppendRow("", -1);
        series->FillGridRow(row, &m_grid);
    }
}

void CNastavVypocetPodl::FillMakerCombo()
{
    m_comboMaker.ResetContent();
    const FloorSystemMakers makers = ListFloorSystemMakers(MakerOfCode(m_strPipeCode));
    for (const CString& name : makers.names)
        m_comboMaker.AddString(name);
    if (makers.current >= 0)
        m_nMakerIndex = makers.current;
    m_comboMaker.SetCurSel(m_nMakerIndex);
}

void CNastavVypocetPodl::OnSelchangeMaker()
{
    m_nMakerIndex = m_comboMaker.GetCurSel();
    if (m_nMakerIndex < 0)
        return;
    m_comboMaker.GetLBText(m_nMakerIndex, m_strMakerName);
    FillPipeCombo();
    FillSystemCombo();
}

int CNastavVypocetPodl::FillProductCombo(CComboBox& combo, const CString& code, const char* itemNumbers)
{
    combo.ResetContent();
    m_strMakerCatalogue = FindMakerCatalogue(m_strMakerName);
    if (m_strMakerCatalogue.IsEmpty() || !FileOps::Exists(m_strMakerCatalogue.GetString()))
        return -1;
    const int current = ItemOfCode(code);
    int chosen = -1;
    const std::vector<CatalogueChoice> items = CatalogueItems(m_strMakerCatalogue, itemNumbers);
    for (const CatalogueChoice& item : items)
    {
        const int index = combo.AddString(item.text);
        if (item.item == current)
            chosen = index;
    }
    combo.SetCurSel(chosen);
    return int(items.size());
}

int CNastavVypocetPodl::FillPipeCombo()
{
    return FillProductCombo(m_comboPipe, m_strPipeCode, "4,7,9");
}

int CNastavVypocetPodl::FillSystemCombo()
{
    return FillProductCombo(m_comboSystem, m_strSystemCode, "14,15,72");
}

CString CNastavVypocetPodl::ChosenCode(const CComboBox& combo, const CString& previous) const
{
    const int chosen = combo.GetCurSel();
    if (chosen < 0)
        return previous;
    CString text;
    combo.GetLBText(chosen, text);
    const CString code = ProductCodeFromItem(text, m_strMakerCatalogue);
    return code.IsEmpty() ? previous : code;
}

void CNastavVypocetPodl::OnSelchangeSystem()
{
    m_strSystemCode = ChosenCode(m_comboSystem, m_strSystemCode);
    m_dMinimumSpacing = MinimumSpacingForSystem(m_strSystemCode);
    m_grid.DeleteNonFixedRows();
    FillSeriesGrid();
}

void CNastavVypocetPodl::OnBeginEdit(NMHDR* pNotifyStruct, LRESULT* pResult)
{
    const auto* notify = reinterpret_cast<GridNotify*>(pNotifyStruct);
    const int row = notify->iRow;
    const int index = row - 1;
    const bool allowed = row >= 1 && row < m_grid.GetRowCount() && notify->iColumn == 0 &&
                         index < int(m_series.size()) && m_series[std::size_t(index)] &&
                         m_series[std::size_t(index)]->m_nSystem0072;
    *pResult = allowed ? 0 : -1;
}

void CNastavVypocetPodl::OnEndEdit(NMHDR* pNotifyStruct, LRESULT* pResult)
{
    const auto* notify = reinterpret_cast<GridNotify*>(pNotifyStruct);
    m_grid.SetFocusCell(notify->iRow, 0);
    m_grid.SetSelectedRange(notify->iRow, 0, notify->iRow, 0);
    *pResult = 0;
}

void CNastavVypocetPodl::OnOK()
{
    if (ValidateTemperatures())
        return;
    if (std::fabs(m_dFlowTemperature - m_dReturnTemperature) < AppSettings::Get().MinimSigmaPodl)
    {
        GotoDlgCtrl(GetDlgItem(IDC_NVP_SPREAD));
        return;
    }
    // The switches of the grid become the series' use only when one of them is used: a refused
    // OK leaves the series as they were.
    std::vector<int> use(m_series.size(), 0);
    bool anyUsed = false;
    for (std::size_t i = 0; i < m_series.size(); ++i)
    {
        use[i] = m_grid.GetItemImage(int(i) + 1, 0) % 2 == 0 ? 1 : 0;
        anyUsed = anyUsed || (m_series[i] && use[i]);
    }
    if (!anyUsed)
    {
        CString text;
        text.LoadString(IDS_NO_PIPE_SPACING);
        MessageBox(GetSafeHwnd(), text, AppSettings::Get().ErrorCaption(), MB_OK | MB_ICONSTOP);
        return;
    }
    for (std::size_t i = 0; i < m_series.size(); ++i)
        if (m_series[i])
            m_series[i]->m_nUse = use[i];
    m_strPipeCode = ChosenCode(m_comboPipe, m_strPipeCode);
    m_strSystemCode = ChosenCode(m_comboSystem, m_strSystemCode);
    AppSettings::Get().MinimRoztec = MinimumSpacingText(m_dMinimumSpacing);
    CDialog::OnOK();
}

void CNastavVypocetPodl::OnDestroy()
{
    CDialog::OnDestroy();
    m_grid.SetImageList(nullptr);
    m_imageList.DeleteImageList();
}

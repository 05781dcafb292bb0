#include "floorwall/dialogs/CParamSoustTypA.h"

#include "common/AppSettings.h"
#include "datalib/SqlTextLiteral.h"
#include "floorwall/FloorBuildUps.h"
#include "floorwall/dialogs/CDruhyKonstrukci.h"
#include "floorwall/dialogs/CSkladbaPodlahy.h"
#include "floorwall/dialogs/CSoustavaTypu.h"
#include "floorwall/dialogs/FloorBuildUpIds.h"
#include "hydraulics/NumberReading.h"
#include "platform/gdi/CBitmap.h"
#include "platform/gdi/CBrush.h"
#include "platform/gdi/CPen.h"
#include "platform/ui/CDataExchange.h"
#include "platform/ui/CEdit.h"
#include "platform/ui/CPaintDC.h"
#include "platform/ui/CommonControls.h"

#include <cmath>

namespace
{
constexpr COLORREF kDark = 0x404040;
constexpr COLORREF kGrey = 0x808080;
constexpr COLORREF kBlack = 0x010101;
} // namespace

const std::array<CParamSoustTypA::Field, 15>& CParamSoustTypA::Fields()
{
    static const std::array<Field, 15> fields = {{
        {TypeAField::Factor, IDC_TA_FACTOR, "%.3f", "experimentální součinitel [-]"},
        {TypeAField::CoveringConductivity, IDC_TA_COVERING_CONDUCTIVITY, "%.3f", nullptr},
        {TypeAField::InsulationConductivity, IDC_TA_INSULATION_CONDUCTIVITY, "%.3f",
         "tepelná vodivost tepelné izolace [W/m.K]"},
        {TypeAField::ScreedConductivity, IDC_TA_SCREED_CONDUCTIVITY, "%.3f", "tepelná vodivost roznášecí vrstvy [W/m.K]"},
        {TypeAField::SurfaceResistance, IDC_TA_SURFACE_RESISTANCE, "%.3f",
         "přechodový tepelný odpor přestupu na spodní straně stropu [m2.K/W]"},
        {TypeAField::BelowTemperature, IDC_TA_BELOW_TEMPERATURE, "%.1f", "teplota v místnosti pod otopnou podlahou [°C]"},
        {TypeAField::RoomTemperature, IDC_TA_ROOM_TEMPERATURE, "%.1f", "jmenovitá vnitřní teplota místnosti [°C]"},
        {TypeAField::CoveringThickness, IDC_TA_COVERING_THICKNESS, "%.1f", nullptr},
        {TypeAField::ScreedThickness, IDC_TA_SCREED_THICKNESS, "%.1f", "tloušťka vrstvy nad trubkami [mm]"},
        {TypeAField::InsulationThickness, IDC_TA_INSULATION_THICKNESS, "%.1f", "tloušťka tepelné izolace [mm]"},
        {TypeAField::CoveringResistance, IDC_TA_COVERING_RESISTANCE, "%.3f", "tepelný odpor podlahové krytiny [m2.K/W]"},
        {TypeAField::ScreedResistance, IDC_TA_SCREED_RESISTANCE, "%.3f", "tepelný odpor roznášecí vrstvy [m2.K/W]"},
        {TypeAField::CeilingResistance, IDC_TA_CEILING_RESISTANCE, "%.3f", "tepelný odpor stropní konstrukce [m2.K/W]"},
        {TypeAField::PlasterResistance, IDC_TA_PLASTER_RESISTANCE, "%.3f", "tepelný odpor omítky [m2.K/W]"},
        {TypeAField::InsulationResistance, IDC_TA_INSULATION_RESISTANCE, "%.3f", "tepelný odpor tepelné izolace [m2.K/W]"},
    }};
    return fields;
}

BEGIN_MESSAGE_MAP(CParamSoustTypA, CPropertyPage)
    ON_WM_PAINT()
    ON_CBN_SELCHANGE(IDC_TA_BUILD_UP_LIST, OnSelchangeBuildUp)
    ON_CBN_SELCHANGE(IDC_TA_COVERING_LIST, OnSelchangeCovering)
    ON_BN_CLICKED(IDC_TA_BUILD_UP_EDITOR, OnBuildUpEditor)
END_MESSAGE_MAP()

CParamSoustTypA::CParamSoustTypA() : CPropertyPage(IDD_PARAM_SOUST_TYP_A) {}

CParamSoustTypA::~CParamSoustTypA()
{
    delete m_pTips;
}

CParamSoustTypB::CParamSoustTypB() : CPropertyPage(IDD_PARAM_SOUST_TYP_B) {}

CParamSoustTypC::CParamSoustTypC() : CPropertyPage(IDD_PARAM_SOUST_TYP_C) {}

void CParamSoustTypA::DoDataExchange(CDataExchange* pDX)
{
    CPropertyPage::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_TA_BUILD_UP_LIST, m_buildUps);
    DDX_Control(pDX, IDC_TA_COVERING_LIST, m_coverings);
}

void CParamSoustTypA::ShowAllValues()
{
    if (!GetSafeHwnd())
        return;
    for (const Field& field : Fields())
        SetDlgItemText(field.id, WriteNumber(field.format, m_values.Value(field.field)));
}

BOOL CParamSoustTypA::OnInitDialog()
{
    CPropertyPage::OnInitDialog();
    m_pTips = new CToolTipCtrl;
    m_pTips->Create(this);
    for (const Field& field : Fields())
        if (field.tip)
            m_pTips->AddTool(GetDlgItem(field.id), field.tip);
    m_pTips->AddTool(GetDlgItem(IDC_TA_SET), "k nastavení tohoto typu soustavy");
    m_pTips->Activate(TRUE);
    ShowAllValues();
    const bool hadReference = !m_strBuildUpReference.IsEmpty();
    FillCoveringList();
    FillBuildUpList();
    GetDlgItem(IDC_TA_SET)->ShowWindow(SW_HIDE);
    // The room's own values are shown, not those of the build-up found in the catalogue.
    if (hadReference && m_pSheet && m_pSheet->m_pOwner && m_pSheet->m_pRoom)
        m_pSheet->m_pOwner->LoadSystemParameters(m_pSheet->m_pRoom);
    ShowAllValues();
    return TRUE;
}

BOOL CParamSoustTypA::PreTranslateMessage(MSG* pMsg)
{
    if (m_pTips)
        m_pTips->RelayEvent(pMsg);
    return CPropertyPage::PreTranslateMessage(pMsg);
}

void CParamSoustTypA::FieldLeft(const Field& field)
{
    CString text;
    GetDlgItemText(field.id, text);
    m_values.Value(field.field) = ReadNumber(text);
    DeriveTypeAValues(m_values, field.field);
    ShowAllValues();
    if (field.field == TypeAField::RoomTemperature && m_pSheet)
        m_pSheet->OnRoomTemperatureChanged();
}

BOOL CParamSoustTypA::OnCommand(WPARAM wParam, LPARAM lParam)
{
    const int id = LOWORD(wParam);
    const UINT code = HIWORD(wParam);
    for (const Field& field : Fields())
    {
        if (field.id != id)
            continue;
        if (code == EN_KILLFOCUS)
            FieldLeft(field);
        else if (code == EN_SETFOCUS)
            if (auto* edit = static_cast<CEdit*>(GetDlgItem(id)))
                edit->SetSel(0, -1, field.field == TypeAField::BelowTemperature);
        break;
    }
    return CPropertyPage::OnCommand(wParam, lParam);
}

void CParamSoustTypA::FillBuildUpList()
{
    const AppSettings& settings = AppSettings::Get();
    std::vector<BuildUpHeader> headers;
    if (!ReadFloorSystemBuildUps(settings.PathData, settings.KodSysPodl, headers))
        return;
    m_nBuildUpIndex = -1;
    m_buildUps.ResetContent();
    for (std::size_t i = 0; i < headers.size(); ++i)
    {
        m_buildUps.AddString(headers[i].name);
        if (headers[i].key == m_strBuildUpReference)
            m_nBuildUpIndex = int(i);
    }
    if (m_nBuildUpIndex < 0)
        m_nBuildUpIndex = 0;
    m_buildUps.SetCurSel(headers.empty() ? -1 : m_nBuildUpIndex);
    OnSelchangeBuildUp();
}

void CParamSoustTypA::OnSelchangeBuildUp()
{
    const int selected = m_buildUps.GetCurSel();
    if (selected < 0)
        return;
    m_nBuildUpIndex = selected;
    CString name;
    m_buildUps.GetLBText(selected, name);
    const CString dataFolder = AppSettings::Get().PathData;
    const CString key = BuildUpKeyOfName(dataFolder, name);
    if (key.IsEmpty())
        return;
    m_strBuildUpReference = key;
    std::vector<BuildUpLayer> layers;
    if (ReadBuildUpLayers(dataFolder, key, layers))
        TakeBuildUpLayers(m_values, LayerValues(layers));
    ShowAllValues();
}

void CParamSoustTypA::FillCoveringList()
{
    std::vector<SheetTexts> rows;
    if (!ReadSheetRows(CatalogueFile(AppSettings::Get().PathData), kCoveringSheet, CString(), rows))
        return;
    m_coverings.ResetContent();
    int matching = -1;
    for (std::size_t i = 0; i < rows.size(); ++i)
    {
        m_coverings.AddString(rows[i]["typ krytiny"]);
        if (ReadNumber(rows[i]["tepelOdpor"]) == m_values.coveringResistance)
            matching = int(i);
    }
    // No covering of the room's resistance: none is chosen, the room's covering stays.
    m_coverings.SetCurSel(matching);
    OnSelchangeCovering();
}

void CParamSoustTypA::OnSelchangeCovering()
{
    const int selected = m_coverings.GetCurSel();
    if (selected < 0)
        return;
    CString name;
    m_coverings.GetLBText(selected, name);
    CString sql;
    sql.Format("SELECT * FROM [%s] WHERE [%s]=%s", kCoveringSheet, "typ krytiny", SqlTextLiteral(name).GetString());
    std::vector<SheetTexts> rows;
    if (ReadSheetRows(CatalogueFile(AppSettings::Get().PathData), kCoveringSheet, sql, rows) && rows.size() == 1)
    {
        m_values.coveringThickness = ReadNumber(rows[0]["vrstva"]);
        m_values.coveringConductivity = ReadNumber(rows[0]["vodivost"]);
        m_values.coveringResistance = ReadNumber(rows[0]["tepelOdpor"]);
    }
    ShowAllValues();
}

void CParamSoustTypA::OnBuildUpEditor()
{
    CSkladbaPodlahy editor(this);
    editor.m_strKey = m_strBuildUpReference;
    if (editor.DoModal() != IDOK)
        return;
    m_strBuildUpReference = editor.m_strKey;
    FillBuildUpList();
}

void CParamSoustTypA::OnPaint()
{
    CPaintDC dc(this);
    DrawCrossSection(dc);
}

// A fixed schematic of a type-A floor in client pixels: covering, screed with the pipes,
// insulation, ceiling and plaster, with the thickness, spacing and diameter dimensions.
void CParamSoustTypA::DrawCrossSection(CDC& dc)
{
    CPen thin(PS_SOLID, 1, kDark);
    CPen grey(PS_SOLID, 1, kGrey);
    CPen pipe(PS_SOLID, 3, kDark);
    CPen bold(PS_SOLID, 2, kBlack);
    CPen line(PS_SOLID, 1, kBlack);
    CPen dotted(PS_DOT, 1, kBlack);
    CPen* old = dc.SelectObject(&thin);
    dc.SelectStockObject(NULL_BRUSH);
    dc.Rectangle(145, 35, 326, 266);

    // The hatching goes through an image of its own and onto the page by AND: black strokes on
    // the page's light ground, as inverting strokes would show them.
    CDC hatchDc;
    CBitmap hatch;
    if (hatchDc.CreateCompatibleDC(&dc) && hatch.CreateCompatibleBitmap(&dc, 181, 231))
    {
        CBitmap* oldBitmap = hatchDc.SelectObject(&hatch);
        hatchDc.FillSolidRect(0, 0, 181, 231, 0xFFFFFF);
        CPen* oldPen = hatchDc.SelectObject(&dotted);
        for (int x = 149; x < 325; x += 4) // screed
        {
            hatchDc.MoveTo(x - 145, 40 - 35);
            hatchDc.LineTo(x - 145, 103 - 35);
        }
        hatchDc.SelectObject(&grey);
        for (int x = 145 - 89; x < 325; x += 12) // ceiling, diagonal
        {
            const int left = std::max(x, 145);
            const int right = std::min(x + 89, 325);
            hatchDc.MoveTo(left - 145, 254 - 35 - (left - x));
            hatchDc.LineTo(right - 145, 254 - 35 - (right - x));
        }
        hatchDc.SelectObject(oldPen);
        dc.BitBlt(145, 35, 181, 231, &hatchDc, 0, 0, SRCAND);
        hatchDc.SelectObject(oldBitmap);
    }

    dc.SelectObject(&bold);
    for (int y : {35, 39, 105, 166, 255, 265})
    {
        dc.MoveTo(145, y);
        dc.LineTo(325, y);
    }
    // The insulation: a zig-zag of nine waves, its turns rounded.
    dc.SelectObject(&line);
    std::vector<POINT> wave;
    const double step = 180.0 / 18.0;
    for (int i = 0; i <= 180; ++i)
    {
        const double x = 145.0 + i;
        const double phase = std::fmod(i / step, 2.0);
        const double ramp = phase < 1.0 ? phase : 2.0 - phase;
        const double rounded = 0.5 - 0.5 * std::cos(ramp * 3.14159265358979);
        wave.push_back({LONG(x), LONG(std::lround(107.0 + rounded * 56.0))});
    }
    dc.Polyline(wave.data(), int(wave.size()));
    // The plaster: short strokes down to a wavy edge.
    for (int n = 1; 145 + n < 325; n += 2)
    {
        dc.MoveTo(145 + n, 256);
        dc.LineTo(145 + n, int(260.0 + 5.0 * std::sin(n * 3.14159265358979 / 6.0)));
    }
    // The pipes and their leaders.
    dc.SelectObject(&pipe);
    for (int x : {175, 235, 295})
        dc.Ellipse(x - 7, 79, x + 7, 93);
    dc.SelectObject(&thin);
    for (int x : {175, 235})
    {
        dc.MoveTo(x, 79);
        dc.LineTo(x, 20);
    }
    // Dimensions: the layers' thicknesses, the spacing and the pipe's diameter.
    dc.MoveTo(335, 39);
    dc.LineTo(335, 166);
    for (int y : {38, 104, 166})
    {
        dc.MoveTo(330, y);
        dc.LineTo(341, y);
    }
    dc.MoveTo(176, 25);
    dc.LineTo(235, 25);
    for (int y : {78, 94})
    {
        dc.MoveTo(288, y);
        dc.LineTo(341, y);
    }
    const POINT arrows[][3] = {{{176, 25}, {182, 22}, {182, 28}}, {{234, 25}, {228, 22}, {228, 28}},
                               {{338, 78}, {335, 72}, {341, 72}}, {{338, 94}, {335, 100}, {341, 100}}};
    CBrush dark(kDark);
    CBrush* oldBrush = dc.SelectObject(&dark);
    for (const auto& arrow : arrows)
        dc.Polygon(arrow, 3);
    dc.SelectObject(oldBrush);
    dc.SelectObject(old);
}

#include "heatloss/dialogs/CVysledky.h"

#include "common/AppSettings.h"
#include "common/CommonRoutines.h"
#include "common/OpenWorkbookTable.h"
#include "common/ProjectSheetStore.h"
#include "datalib/CData.h"
#include "heatloss/InputSheet.h"
#include "heatloss/ProjectModel.h"
#include "heatloss/WallHeatingArea.h"
#include "controls/dialogs/DialogSupport.h"
#include "heatloss/dialogs/HeatLossDialogIds.h"
#include "platform/core/MessageBox.h"
#include "platform/core/NumberText.h"
#include "platform/ui/CListCtrl.h"
#include "platform/ui/MessageMap.h"

namespace
{

const char* const kSheet = "SeznamM$";

struct Column
{
    int width; // pixels; 0 for the columns hidden until dragged open
    int format;
};

constexpr Column kColumnLayout[CVysledky::kColumns] = {
    {44, LVCFMT_RIGHT}, {46, LVCFMT_LEFT},  {60, LVCFMT_LEFT},  {44, LVCFMT_RIGHT}, {0, LVCFMT_RIGHT},
    {65, LVCFMT_RIGHT}, {79, LVCFMT_RIGHT}, {78, LVCFMT_RIGHT}, {81, LVCFMT_RIGHT}, {48, LVCFMT_RIGHT},
    {64, LVCFMT_RIGHT}, {70, LVCFMT_RIGHT}, {57, LVCFMT_RIGHT}, {0, LVCFMT_RIGHT}};
// Widths of the hidden columns as inserted.
constexpr int kSurfaceWidth = 71;
constexpr int kFloorTemperatureWidth = 81;

CString Text(const char* format, double value)
{
    CString text;
    text.Format(format, value);
    return text;
}

CString Loaded(UINT id)
{
    CString text;
    text.LoadString(id);
    return text;
}

// Column names of the results sheet, exactly as the string table holds them.
enum SheetColumn : UINT
{
    NumberColumn = 61641,
    NameColumn = 61642,
    TemperatureColumn = 61643,
    FloorSystemColumn = 61885,
    SystemColumn = 61886,
    AreaColumn = 61887,
    UsedAreaColumn = 61889,
    LossColumn = 61918,
    FormatColumn = 61919,
    PressureDropColumn = 61963,
    FloorShareColumn = 62121,
    AvailableAreaColumn = 62127,
    RecordTypeColumn = 62129,
    WallHeatingColumn = 62132,
    NoText = 61489
};

void Set(CData& data, UINT column, const CString& value)
{
    data.SetStringValue(Loaded(column), value, -1, 0);
}

} // namespace

BEGIN_MESSAGE_MAP(CVysledky, CDialog)
    ON_BN_CLICKED(IDC_RESULTS_SAVE, OnSave)
END_MESSAGE_MAP()

CVysledky::CVysledky(CWnd* pParent) : CDialog(IDD_VYSLEDKY, pParent)
{
}

CListCtrl& CVysledky::List()
{
    return *static_cast<CListCtrl*>(GetDlgItem(IDC_RESULTS_LIST));
}

BOOL CVysledky::OnInitDialog()
{
    CDialog::OnInitDialog();
    SetProgramIcon(*this);
    InsertColumns();
    List().SetExtendedStyle(0x21); // grid lines, full-row selection
    InsertRooms();
    ShowTotals();
    AppSettings::Get().Modified[AppSettings::General] = 1;
    return TRUE;
}

void CVysledky::InsertColumns()
{
    for (int c = 0; c < kColumns; ++c)
    {
        const int width = c == 4 ? kSurfaceWidth : c == 13 ? kFloorTemperatureWidth : kColumnLayout[c].width;
        List().InsertColumn(c, Loaded(IDS_RESULTS_HEADING_FIRST + c), kColumnLayout[c].format, width);
        if (kColumnLayout[c].width == 0)
            List().SetColumnWidth(c, 0);
    }
}

void CVysledky::InsertRooms()
{
    const ProjectModel& model = ProjectModel::Instance();
    for (int r = 1; r < model.Rooms.count; ++r)
    {
        const RoomTable::Entry& room = model.Rooms[r];
        const HeatLossResults::Room& result = model.Results[r];
        const int row = List().InsertItem(r - 1, Text("%d", r));
        // The specific losses as the calculation left them (it stops on a room without volume,
        // floor or temperature difference), so that the list shows what the reports print.
        const double q = result.perFloorArea;
        const CString texts[kColumns] = {
            Text("%d", r),
            room.number,
            room.name,
            Text("%d", room.Ti),
            Text("%8.2f", result.surface),
            Text("%8.2f", result.volume),
            Text("%8.1f", result.transmission),
            Text("%8.1f", result.ventilation),
            Text("%8.1f", result.total),
            Text("%7.2f", result.perVolume),
            Text("%7.2f", result.perVolumeKelvin),
            Text("%8.2f", result.floorArea),
            Text("%7.2f", q),
            Text("%7.1f", FloorSurfaceTemperature(room.Ti, q)),
        };
        for (int c = 1; c < kColumns; ++c)
            List().SetItemText(row, c, texts[c]);
    }
}

void CVysledky::ShowTotals()
{
    const ProjectModel& model = ProjectModel::Instance();
    SetDlgItemText(IDC_RESULTS_INVESTOR, model.Header.investor1);
    SetDlgItemText(IDC_RESULTS_BUILDING, model.Header.building1);
    SetDlgItemText(IDC_RESULTS_VOLUME, Text("%8.1f", model.Totals.volume));
    SetDlgItemText(IDC_RESULTS_LOSS, Text("%8.1f", model.Totals.total));
    SetDlgItemText(IDC_RESULTS_PER_VOLUME,
                   Text("%8.2f", model.Totals.volume > 0 ? model.Totals.total / model.Totals.volume : 0.0));
}

void CVysledky::OnSave()
{
    if (SheetHoldsDesign())
    {
        const int answer = MessageBox(GetSafeHwnd(), Loaded(IDS_RESULTS_SHEET_IN_USE), Loaded(IDS_HLD_CAPTION_QUESTION),
                                      MB_YESNO | MB_ICONQUESTION);
        if (answer != IDYES)
        {
            EndDialog(IDCANCEL);
            return;
        }
    }
    // A sheet that could not be stored leaves the results open (the failure was shown).
    if (WriteSheet())
        EndDialog(IDOK);
}

bool CVysledky::SheetHoldsDesign()
{
    CData data;
    if (OpenWorkbookTable(data, AppSettings::Get().CurrentProjectPath(), kSheet, "") != 0)
        return false;
    const CString column = Loaded(PressureDropColumn);
    bool holds = false;
    for (int row = 0; row < data.m_nRecordCount && !holds; ++row)
    {
        CString text;
        data.GetStringValue(column, text, row, -1, 0);
        holds = !text.IsEmpty() && NumberText::ToDouble(LocalizeDecimalSeparator(text).str()) > 0.0;
    }
    data.CloseTable();
    data.Close();
    return holds;
}

bool CVysledky::WriteSheet()
{
    AppSettings& settings = AppSettings::Get();
    const CString path = settings.CurrentProjectPath();
    BeginWaitCursor();
    // The input sheet once for the areas of every room; a sheet that does not read gives none.
    InputSheet input;
    std::map<std::string, double> areas;
    if (input.ReadWorkbook(path).IsEmpty())
        areas = AvailableWallHeatingAreas(input, {settings.StenovDoVysky, settings.StenovOdPodlah, settings.StenovVnitRoh,
                                                  settings.StenovVnejRoh, settings.StenovParapet});
    ProjectSheetStore store(kSheet);
    if (!store.Begin())
    {
        EndWaitCursor();
        return false;
    }
    CData& data = store.Table();
    data.AddRow();
    for (int c = 0; c < data.m_nColCount; ++c)
        data.SetStringValue(c, " ", -1);
    Set(data, NameColumn, Loaded(IDS_RESULTS_BUILDING_NAME));
    Set(data, FormatColumn, settings.RowFormats[0]);
    Set(data, RecordTypeColumn, "1");
    CListCtrl& list = List();
    for (int i = 0; i < list.GetItemCount(); ++i)
    {
        const CString name = list.GetItemText(i, 2);
        const auto area = areas.find(name.str());
        const double available = area != areas.end() ? area->second : 0.0;
        data.AddRow();
        Set(data, NumberColumn, list.GetItemText(i, 1));
        Set(data, NameColumn, name);
        Set(data, TemperatureColumn, list.GetItemText(i, 3));
        Set(data, LossColumn, list.GetItemText(i, 8));
        Set(data, FloorShareColumn, list.GetItemText(i, 8));
        Set(data, AreaColumn, list.GetItemText(i, 11));
        Set(data, UsedAreaColumn, list.GetItemText(i, 11));
        Set(data, FloorSystemColumn, settings.KodSysPodl);
        Set(data, SystemColumn, "1");
        Set(data, RecordTypeColumn, "2");
        Set(data, WallHeatingColumn, Loaded(NoText));
        Set(data, FormatColumn, settings.RowFormats[1]);
        Set(data, AvailableAreaColumn, Text("%.2f", available));
    }
    const bool stored = store.Put();
    EndWaitCursor();
    return stored;
}

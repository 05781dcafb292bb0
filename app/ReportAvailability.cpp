#include "app/ReportAvailability.h"

#include "app/PrintSnapshot.h"
#include "common/AppSettings.h"
#include "datalib/CData.h"
#include "floorwall/CMistPodlahVytap.h"
#include "hydraulics/CTopnyOkruh.h"
#include "platform/core/FileOps.h"

namespace
{
// Reports whose pages this program draws.
constexpr bool Drawn[ReportAvailability::ReportCount] = {true, true, true, true, true, true,
                                                         true, true, true, true, true};

// The floor and wall heating reports by the design's rooms and circuits: a place of each kind,
// designed floor circuits, wall circuits, and the manifold bills when every circuit of the
// kind stands on a manifold.
void CheckDesign(const std::vector<CMistPodlahVytap*>& rooms, ReportAvailability::Flags& flags)
{
    bool floorManifolds = true, wallManifolds = true;
    bool floorManifold = false, wallManifold = false;
    for (const CMistPodlahVytap* room : rooms)
    {
        if (HasFloorHeating(room))
        {
            flags[2] = true;
            for (const CTopnyOkruh* circuit : room->m_floorCircuits)
            {
                if (!circuit)
                    continue;
                flags[3] = flags[3] || circuit->m_dSpacing > 0.0;
                floorManifolds = floorManifolds && circuit->HasData();
                floorManifold = floorManifold || circuit->m_nManifold > 0;
            }
        }
        if (HasWallHeating(room))
        {
            flags[8] = true;
            for (const CTopnyOkruh* circuit : room->m_wallCircuits)
            {
                if (!circuit)
                    continue;
                flags[7] = true;
                wallManifolds = wallManifolds && circuit->m_nManifold >= 1;
                wallManifold = true;
            }
        }
    }
    flags[5] = floorManifolds && floorManifold;
    flags[10] = wallManifolds && wallManifold;
}

// Records of a sheet; -1 when the workbook lacks it or it does not open.
int RowsOf(CData& data, const char* sheet)
{
    if (data.GetTableIndex(sheet) < 0 || !data.OpenTable(sheet, "", 0))
        return -1;
    const int rows = data.m_nRecordCount;
    data.CloseTable();
    return rows;
}
} // namespace

ReportAvailability& ReportAvailability::Instance()
{
    static ReportAvailability availability;
    return availability;
}

ReportAvailability::Flags ReportAvailability::Check(const CString& workbookPath)
{
    Flags flags{};
    if (workbookPath.IsEmpty() || !FileOps::Exists(workbookPath))
        return flags;
    CData data;
    data.m_bShowErrors = 0;
    if (!data.Open(workbookPath, "Excel 8.0", 0, 1))
        return flags;
    // The input sheet starts with the building row; each bill and the sizing sheet have none.
    flags[0] = flags[1] = RowsOf(data, "SeznamV$") > 1;
    flags[4] = RowsOf(data, "MateriPodlah$") > 0;
    flags[9] = RowsOf(data, "MateriStenov$") > 0;
    flags[6] = RowsOf(data, "DimenzSegm$") > 0;
    // The design is read while the workbook is open here: its file is read once.
    if (data.GetTableIndex("SeznamM$") >= 0 && data.GetTableIndex("DataAkce$") >= 0)
    {
        PrintSnapshot snapshot;
        LoadDesign(workbookPath, snapshot);
        CheckDesign(snapshot.Rooms(), flags);
    }
    data.Close();
    return flags;
}

void ReportAvailability::Refresh()
{
    const CString path = AppSettings::Get().CurrentProjectPath();
    const std::optional<FileOps::Stamp> stamp = FileOps::StampOf(path);
    if (m_checked && path == m_checkedPath && stamp == m_checkedStamp)
        return;
    m_flags = Check(path);
    m_checked = true;
    m_checkedPath = path;
    m_checkedStamp = stamp;
}

ReportAvailability::Flags ReportAvailability::Printable() const
{
    Flags printable{};
    for (int report = 0; report < ReportCount; ++report)
        printable[size_t(report)] = m_flags[size_t(report)] && Drawn[report];
    return printable;
}

bool ReportAvailability::AnyPrintable() const
{
    for (const bool printable : Printable())
        if (printable)
            return true;
    return false;
}

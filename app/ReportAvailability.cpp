#include "app/ReportAvailability.h"

#include "app/common/AppSettings.h"
#include "datalib/CData.h"
#include "platform/core/FileOps.h"

namespace
{
// Reports whose pages this program draws.
constexpr bool Drawn[ReportAvailability::ReportCount] = {true, true, false, false, true, false, true, false, false, true};

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
    data.Close();
    return flags;
}

void ReportAvailability::Refresh()
{
    m_flags = Check(AppSettings::Get().CurrentProjectPath());
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

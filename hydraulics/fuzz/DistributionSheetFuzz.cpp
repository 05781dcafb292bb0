// libFuzzer target: a project whose distribution sheet "DimenzSegm$" holds whatever cells,
// read into the tree of sections as distribution sizing reads it: rows left unread are fine,
// crashes, overruns, leaks and hangs are not.
#include "datalib/CData.h"
#include "hydraulics/CDimenzUsek.h"
#include "hydraulics/DistributionSheet.h"
#include "testing/fuzz/FuzzedSheet.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size)
{
    const std::string path = FuzzedSheet::WorkbookPath();
    if (!FuzzedSheet::Write(path, "DimenzSegm", std::string_view(reinterpret_cast<const char*>(bytes), size)))
        return 0;
    CData data;
    if (data.Open(CString(path), "Excel 8.0", 0, 0) && data.OpenTable(DistributionSheet::Sheet, "", 0))
    {
        DistributionSheet::Roots roots;
        DistributionSheet::LoadTree(&data, roots);
        DistributionSheet::TreeLevels(roots);
    }
    data.Close();
    return 0;
}

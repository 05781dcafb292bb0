// libFuzzer target: a project whose room sheet "SeznamM$" holds whatever cells, read into the
// design rooms with their radiators and circuits as the floor and the wall design read it: a
// refusal is fine, crashes, overruns, leaks and hangs are not.
#include "datalib/CData.h"
#include "floorwall/CMistPodlahVytap.h"
#include "floorwall/DesignRoomsReader.h"
#include "testing/fuzz/FuzzedSheet.h"

#include <cstddef>
#include <cstdint>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size)
{
    const std::string path = FuzzedSheet::WorkbookPath();
    if (!FuzzedSheet::Write(path, "SeznamM", std::string_view(reinterpret_cast<const char*>(bytes), size)))
        return 0;
    CData data;
    if (data.Open(CString(path), "Excel 8.0", 0, 1) && data.OpenTable("SeznamM$", "", 0))
    {
        std::vector<CMistPodlahVytap*> rooms;
        CString message;
        ReadDesignRooms(data, rooms, message);
        for (CMistPodlahVytap* room : rooms)
            delete room;
    }
    data.Close();
    return 0;
}

// libFuzzer target: a project whose input sheet "SeznamV$" holds whatever cells, loaded into
// the project model as the input dialog and the calculation load it, and computed when it
// loads: a refusal is fine, crashes, overruns and hangs are not.
#include "heatloss/HeatLossCalculation.h"
#include "heatloss/InputSheetLoader.h"
#include "heatloss/ProjectModel.h"
#include "testing/fuzz/FuzzedSheet.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size)
{
    const std::string path = FuzzedSheet::WorkbookPath();
    if (!FuzzedSheet::Write(path, "SeznamV", std::string_view(reinterpret_cast<const char*>(bytes), size)))
        return 0;
    // One model for every input, as the program has: it is large.
    static ProjectModel& model = *new ProjectModel;
    for (const StoredValues values : {StoredValues::Checked, StoredValues::AsStored})
    {
        model.Reset("");
        model.Header.Te = -12;
        if (!LoadInputSheet(CString(path), model, values).IsEmpty())
            continue;
        CalculationSwitches switches;
        switches.checkRooms = switches.checkWalls = switches.checkOpenings = values == StoredValues::Checked;
        switches.round = true;
        CalculateHeatLosses(model, switches);
    }
    return 0;
}

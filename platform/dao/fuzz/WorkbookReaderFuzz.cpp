// libFuzzer target: the workbook reader must turn any bytes into a workbook or a WorkbookError,
// never a crash, an overrun or a hang.
#include "platform/dao/BiffWorkbookReader.h"
#include "platform/dao/CompoundFile.h"
#include "platform/dao/WorkbookError.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    try
    {
        const std::vector<std::uint8_t> stream = workbook::CompoundFile::ReadWorkbookStream(data, size);
        workbook::BiffWorkbookReader::Read(stream.data(), stream.size());
    }
    catch (const workbook::WorkbookError&)
    {
    }
    // The stream read in place, where it lies in one piece.
    try
    {
        const std::span<const std::uint8_t> whole = workbook::CompoundFile::WholeWorkbookStream(data, size);
        if (!whole.empty())
            workbook::BiffWorkbookReader::Read(whole.data(), whole.size());
    }
    catch (const workbook::WorkbookError&)
    {
    }
    // The BIFF stream alone too, so that the fuzzer reaches the records without a container.
    try
    {
        workbook::BiffWorkbookReader::Read(data, size);
    }
    catch (const workbook::WorkbookError&)
    {
    }
    return 0;
}

// libFuzzer target: the converter Prevod given any bytes as a dBASE III table, with the same
// bytes as its memo file, recodes them or refuses them with a JetError; never a crash, an
// overrun or a hang, and the recoded table keeps its length.
#include "dataeditor/prevod/DbaseRecoding.h"
#include "platform/dao/JetError.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    try
    {
        if (DbaseRecoding::RecodedTable(bytes).size() != bytes.size() ||
            DbaseRecoding::RecodedMemo(bytes, bytes).size() != bytes.size())
            std::abort();
    }
    catch (const jet::JetError&)
    {
    }
    return 0;
}

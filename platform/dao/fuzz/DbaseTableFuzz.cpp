// libFuzzer target: any bytes read as a dBASE III table, with the same bytes as its memo file,
// give a table or a JetError, never a crash, an overrun or a hang.
#include "platform/dao/DbaseFile.h"
#include "platform/dao/JetError.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    try
    {
        dbase::TableOf(bytes, bytes);
    }
    catch (const jet::JetError&)
    {
    }
    return 0;
}

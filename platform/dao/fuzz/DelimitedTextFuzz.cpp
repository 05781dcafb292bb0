// libFuzzer target: any bytes of a text file decode to a text or to the reason they are none,
// and a text cuts into records at every kind of separator and reads as a typed table: never a
// crash, an overrun or a hang.
#include "platform/dao/DelimitedText.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    delimited::TextProblem problem;
    const std::string text = delimited::DecodeText(bytes, problem);
    if (problem.kind != delimited::TextProblem::None)
        return 0;
    for (const char* separator : {";", "\t", ",", "||", ""})
        delimited::Parse(text, separator);
    delimited::TableOf(text);
    return 0;
}

// libFuzzer target of the settings file: the first three lines of the input are a section, a
// key and a value, the rest is the file. Any file parses back to its own bytes; a value that
// is written reads back exactly; nothing crashes.
#include "platform/core/IniFile.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

namespace
{
std::string TakeLine(std::string& text)
{
    const std::size_t end = text.find('\n');
    const std::string line = text.substr(0, end);
    text.erase(0, end == std::string::npos ? text.size() : end + 1);
    return line;
}

void Check(bool condition)
{
    if (!condition)
        std::abort();
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::string rest(reinterpret_cast<const char*>(data), size);
    const std::string section = TakeLine(rest);
    const std::string key = TakeLine(rest);
    const std::string value = TakeLine(rest);

    IniFile file(rest);
    if (!file.Parsed())
    {
        Check(!file.Set(section, key, value));
        return 0;
    }
    Check(file.Bytes() == rest);
    for (const std::string& k : file.Keys(section))
        Check(file.Get(section, k).has_value());

    if (file.Set(section, key, value))
    {
        const IniFile written(file.Bytes());
        Check(written.Parsed());
        Check(written.Get(section, key) == value);
    }
    file.Remove(section, key);
    file.RemoveSection(section);
    Check(IniFile(file.Bytes()).Parsed());
    return 0;
}

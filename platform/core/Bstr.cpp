#include "platform/core/Bstr.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace
{
// The count sits in the 8 bytes before the text, so the text keeps the heap's alignment.
constexpr std::size_t Header = 8;
} // namespace

BSTR SysAllocStringByteLen(const char* text, UINT byteCount)
{
    char* block = static_cast<char*>(std::malloc(Header + byteCount + 1));
    if (!block)
        return nullptr;
    const std::uint32_t count = byteCount;
    std::memcpy(block, &count, sizeof count);
    BSTR s = block + Header;
    if (text)
        std::memcpy(s, text, byteCount);
    else
        std::memset(s, 0, byteCount);
    s[byteCount] = '\0';
    return s;
}

BSTR SysAllocStringLen(const char* text, UINT byteCount)
{
    return SysAllocStringByteLen(text, byteCount);
}

BSTR SysAllocString(const char* text)
{
    return text ? SysAllocStringByteLen(text, UINT(std::strlen(text))) : nullptr;
}

void SysFreeString(BSTR s)
{
    if (s)
        std::free(s - Header);
}

UINT SysStringByteLen(BSTR s)
{
    if (!s)
        return 0;
    std::uint32_t count = 0;
    std::memcpy(&count, s - Header, sizeof count);
    return count;
}

UINT SysStringLen(BSTR s)
{
    return SysStringByteLen(s);
}

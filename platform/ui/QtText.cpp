#include "platform/ui/QtText.h"

#include <cstring>

int CopyText(const CString& text, char* buffer, int bufferBytes)
{
    if (!buffer || bufferBytes <= 0)
        return 0;
    const std::string& all = text.str();
    std::size_t fits = 0;
    for (std::size_t pos = 0; pos < all.size();)
    {
        std::size_t next = pos;
        Utf8::Decode(all, next);
        if (next > std::size_t(bufferBytes - 1))
            break;
        fits = pos = next;
    }
    std::memcpy(buffer, all.data(), fits);
    buffer[fits] = 0;
    return int(fits);
}

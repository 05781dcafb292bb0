#pragma once
// The text of a file that other programs wrote, as UTF-8: UTF-16 (little or big endian) after
// its byte-order mark, else UTF-8 (its mark dropped), else code page 1250.

#include <optional>
#include <string>
#include <string_view>

namespace TextFile
{
// UTF-16 units as UTF-8; nothing when they are not whole UTF-16 (an odd byte count, a
// surrogate without its partner).
std::optional<std::string> Utf16ToUtf8(std::string_view bytes, bool bigEndian);
// The file's text; nothing when it has a UTF-16 mark and does not decode.
std::optional<std::string> Decode(std::string_view bytes);
// The 1-based number of the first line that holds a NUL character; 0 when none does. A line
// ends with CR LF, LF or CR alone.
int LineWithNul(std::string_view text);
} // namespace TextFile

#pragma once
// Texts in the 8-bit code pages of old files (dBASE tables, delimited text, scripts):
// conversions to and from UTF-8 through the C library's iconv.

#include <string>
#include <string_view>

namespace CodePage
{
// The bytes of a code page ("CP1250", "CP852", ...) as UTF-8; a byte the code page does not
// define becomes U+FFFD.
std::string ToUtf8(std::string_view bytes, const char* codePage);
// UTF-8 as bytes of a code page; a character it cannot hold becomes '?'.
std::string FromUtf8(std::string_view utf8, const char* codePage);
// The text is valid UTF-8.
bool IsUtf8(std::string_view bytes);
// UTF-8 when the bytes are valid UTF-8, else read as CP1250.
std::string Utf8OrCp1250(std::string_view bytes);
} // namespace CodePage

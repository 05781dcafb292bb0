#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace workbook
{

// UTF-8 inside, UTF-16 LE or "compressed" Latin-1 in BIFF8 strings.
void AppendLatin1AsUtf8(std::string& out, const std::uint8_t* bytes, std::size_t count);
// A lone surrogate becomes U+FFFD.
void AppendUtf16AsUtf8(std::string& out, const std::uint8_t* littleEndian, std::size_t unitCount);
// Invalid UTF-8 becomes U+FFFD.
std::u16string Utf8ToUtf16(std::string_view text);
// True when every character is below U+0100, so BIFF8 may store the text one byte a character.
bool FitsLatin1(std::u16string_view text);
// Number of characters (code points) of a UTF-8 text.
std::size_t CharacterCount(std::string_view utf8);

} // namespace workbook

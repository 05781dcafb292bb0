#include "platform/dao/BiffRecordWriter.h"

#include "platform/dao/BiffRecordType.h"
#include "platform/dao/TextCodec.h"
#include "platform/dao/WorkbookError.h"

#include <algorithm>
#include <cstring>

namespace workbook
{

namespace
{

void PutCharacters(std::vector<std::uint8_t>& out, std::u16string_view units, bool wide)
{
    for (char16_t unit : units)
    {
        out.push_back(static_cast<std::uint8_t>(unit & 0xFF));
        if (wide)
            out.push_back(static_cast<std::uint8_t>(unit >> 8));
    }
}

} // namespace

void BiffRecordWriter::Begin(std::uint16_t type)
{
    start_ = out_.size();
    U16(type);
    U16(0);
}

void BiffRecordWriter::End()
{
    const std::size_t length = out_.size() - start_ - 4;
    if (length > 0xFFFF)
        throw WorkbookError("Záznam sešitu je příliš dlouhý.");
    out_[start_ + 2] = static_cast<std::uint8_t>(length & 0xFF);
    out_[start_ + 3] = static_cast<std::uint8_t>(length >> 8);
}

void BiffRecordWriter::Continue()
{
    End();
    Begin(biff::kContinue);
}

std::size_t BiffRecordWriter::Room() const
{
    const std::size_t used = out_.size() - start_ - 4;
    return used >= biff::kMaxRecordData ? 0 : biff::kMaxRecordData - used;
}

void BiffRecordWriter::U16(std::uint16_t value)
{
    out_.push_back(static_cast<std::uint8_t>(value & 0xFF));
    out_.push_back(static_cast<std::uint8_t>(value >> 8));
}

void BiffRecordWriter::U32(std::uint32_t value)
{
    U16(static_cast<std::uint16_t>(value & 0xFFFF));
    U16(static_cast<std::uint16_t>(value >> 16));
}

void BiffRecordWriter::F64(double value)
{
    std::uint8_t bytes[8];
    std::memcpy(bytes, &value, sizeof bytes);
    Bytes(bytes, sizeof bytes);
}

void BiffRecordWriter::PatchU32(std::size_t position, std::uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        out_[position + i] = static_cast<std::uint8_t>((value >> (8 * i)) & 0xFF);
}

void BiffRecordWriter::String16(std::string_view text)
{
    const std::u16string units = Utf8ToUtf16(text);
    const bool wide = !FitsLatin1(units);
    U16(static_cast<std::uint16_t>(std::min<std::size_t>(units.size(), 0xFFFF)));
    U8(wide ? 1 : 0);
    PutCharacters(out_, std::u16string_view(units).substr(0, 0xFFFF), wide);
}

void BiffRecordWriter::String8(std::string_view text)
{
    const std::u16string units = Utf8ToUtf16(text);
    const bool wide = !FitsLatin1(units);
    U8(static_cast<std::uint8_t>(std::min<std::size_t>(units.size(), 0xFF)));
    U8(wide ? 1 : 0);
    PutCharacters(out_, std::u16string_view(units).substr(0, 0xFF), wide);
}

BiffRecordWriter::Placement BiffRecordWriter::ContinuableString(std::string_view text)
{
    std::u16string units = Utf8ToUtf16(text);
    if (units.size() > 0xFFFF)
        units.resize(0xFFFF);
    const bool wide = !FitsLatin1(units);
    const std::size_t width = wide ? 2 : 1;
    // The count and flags stay together with the first character.
    if (Room() < 3 + (units.empty() ? 0 : width))
        Continue();
    const Placement placement{out_.size(), out_.size() - start_};
    U16(static_cast<std::uint16_t>(units.size()));
    U8(wide ? 1 : 0);
    std::u16string_view rest(units);
    while (!rest.empty())
    {
        std::size_t fit = Room() / width;
        if (fit == 0)
        {
            Continue();
            U8(wide ? 1 : 0);
            fit = Room() / width;
        }
        const std::size_t count = std::min(fit, rest.size());
        PutCharacters(out_, rest.substr(0, count), wide);
        rest.remove_prefix(count);
    }
    return placement;
}

} // namespace workbook

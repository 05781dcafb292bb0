#include "platform/dao/BiffRecordCursor.h"

#include "platform/dao/TextCodec.h"
#include "platform/dao/WorkbookError.h"

#include <algorithm>
#include <cstring>

namespace workbook
{

BiffRecordCursor::BiffRecordCursor(const std::uint8_t* data, std::size_t length)
    : first_{data, length}, total_(length)
{
}

void BiffRecordCursor::AddSegment(const std::uint8_t* data, std::size_t length)
{
    more_.push_back({data, length});
    total_ += length;
}

void BiffRecordCursor::Truncated()
{
    throw WorkbookError("Sešit je poškozen: záznam je kratší, než uvádí jeho obsah.");
}

void BiffRecordCursor::EnterNextSegment()
{
    before_ += SegmentAt(segment_).length;
    ++segment_;
    pos_ = 0;
}

void BiffRecordCursor::NextSegment()
{
    while (segment_ < SegmentCount() && pos_ >= SegmentAt(segment_).length)
        EnterNextSegment();
}

std::size_t BiffRecordCursor::Remaining() const
{
    return total_ - before_ - pos_;
}



std::uint8_t BiffRecordCursor::NextSegmentU8()
{
    NextSegment();
    if (segment_ >= SegmentCount())
        Truncated();
    return SegmentAt(segment_).data[pos_++];
}

std::uint16_t BiffRecordCursor::SplitU16()
{
    const std::uint16_t low = U8();
    return static_cast<std::uint16_t>(low | (U8() << 8));
}

std::uint32_t BiffRecordCursor::SplitU32()
{
    const std::uint32_t low = U16();
    return low | (static_cast<std::uint32_t>(U16()) << 16);
}

double BiffRecordCursor::F64()
{
    std::uint8_t bytes[8];
    if (const std::uint8_t* p = Contiguous(8))
        std::memcpy(bytes, p, sizeof bytes);
    else
        for (std::uint8_t& b : bytes)
            b = U8();
    double value;
    std::memcpy(&value, bytes, sizeof value);
    return value;
}

void BiffRecordCursor::Skip(std::size_t count)
{
    while (count > 0)
    {
        NextSegment();
        if (segment_ >= SegmentCount())
            Truncated();
        const std::size_t step = std::min(count, SegmentAt(segment_).length - pos_);
        pos_ += step;
        count -= step;
    }
}

std::string BiffRecordCursor::Characters(std::size_t count, std::uint8_t flags)
{
    std::string text;
    bool wide = flags & 0x01;
    while (count > 0)
    {
        if (segment_ >= SegmentCount())
            Truncated();
        if (pos_ >= SegmentAt(segment_).length)
        {
            // The characters go on in the next CONTINUE record, which starts with fresh flags.
            EnterNextSegment();
            wide = U8() & 0x01;
            continue;
        }
        const Segment& seg = SegmentAt(segment_);
        const std::size_t width = wide ? 2 : 1;
        const std::size_t fit = std::min(count, (seg.length - pos_) / width);
        if (fit == 0)
            Truncated();
        if (wide)
            AppendUtf16AsUtf8(text, seg.data + pos_, fit);
        else
            AppendLatin1AsUtf8(text, seg.data + pos_, fit);
        pos_ += fit * width;
        count -= fit;
    }
    return text;
}

std::string BiffRecordCursor::String16()
{
    const std::size_t count = U16();
    if (count == 0 && Remaining() == 0)
        return {};
    const std::uint8_t flags = U8();
    return Characters(count, flags);
}

std::string BiffRecordCursor::String8()
{
    const std::size_t count = U8();
    const std::uint8_t flags = U8();
    return Characters(count, flags);
}

std::string BiffRecordCursor::RichExtendedString()
{
    const std::size_t count = U16();
    const std::uint8_t flags = U8();
    const std::size_t runs = (flags & 0x08) ? U16() : 0;
    const std::size_t extended = (flags & 0x04) ? U32() : 0;
    std::string text = Characters(count, flags);
    Skip(runs * 4);
    Skip(extended);
    return text;
}

} // namespace workbook

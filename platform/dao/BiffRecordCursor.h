#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace workbook
{

// Reads the fields of one record, including the CONTINUE records that follow it.
// Every read is checked: reading past the end throws WorkbookError.
class BiffRecordCursor
{
public:
    BiffRecordCursor(const std::uint8_t* data, std::size_t length);
    // Adds the data of a CONTINUE record after the ones already held.
    void AddSegment(const std::uint8_t* data, std::size_t length);

    std::uint8_t U8()
    {
        if (const std::uint8_t* p = Contiguous(1))
            return *p;
        return NextSegmentU8();
    }
    // The common case, a field wholly inside the current segment, is read inline.
    std::uint16_t U16()
    {
        if (const std::uint8_t* p = Contiguous(2))
            return static_cast<std::uint16_t>(p[0] | (p[1] << 8));
        return SplitU16();
    }
    std::uint32_t U32()
    {
        if (const std::uint8_t* p = Contiguous(4))
            return p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
        return SplitU32();
    }
    double F64();
    void Skip(std::size_t count);
    std::size_t Remaining() const;
    bool AtEnd() const { return Remaining() == 0; }

    // The characters of a BIFF8 string whose character count and option flags were read already.
    // Where the characters run into the next CONTINUE record, that record starts with new flags.
    std::string Characters(std::size_t count, std::uint8_t flags);
    // An XLUnicodeString: 16-bit count, flags, characters (LABEL, STRING, FORMAT).
    std::string String16();
    // A ShortXLUnicodeString: 8-bit count, flags, characters (BOUNDSHEET, FONT).
    std::string String8();
    // An SST entry: count, flags, optional rich-text runs and extended data, characters.
    std::string RichExtendedString();

private:
    struct Segment
    {
        const std::uint8_t* data;
        std::size_t length;
    };
    void NextSegment();
    void EnterNextSegment();
    // The next count bytes when they lie in the current segment (nullptr otherwise); moves past them.
    const std::uint8_t* Contiguous(std::size_t count)
    {
        const Segment& segment = segment_ == 0 ? first_ : (segment_ < SegmentCount() ? more_[segment_ - 1] : kNoSegment);
        if (segment.length - pos_ < count)
            return nullptr;
        const std::uint8_t* p = segment.data + pos_;
        pos_ += count;
        return p;
    }
    // Fields at or across the end of a segment.
    std::uint8_t NextSegmentU8();
    std::uint16_t SplitU16();
    std::uint32_t SplitU32();
    [[noreturn]] static void Truncated();
    std::size_t SegmentCount() const { return 1 + more_.size(); }
    const Segment& SegmentAt(std::size_t i) const { return i == 0 ? first_ : more_[i - 1]; }

    static constexpr Segment kNoSegment{nullptr, 0};
    // Most records have no CONTINUE: the first segment needs no allocation.
    Segment first_;
    std::vector<Segment> more_;
    std::size_t segment_ = 0;
    std::size_t pos_ = 0;
    // Bytes of all segments, and of the segments before the current one.
    std::size_t total_ = 0;
    std::size_t before_ = 0;
};

} // namespace workbook

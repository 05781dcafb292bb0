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

    std::uint8_t U8();
    std::uint16_t U16();
    std::uint32_t U32();
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
    [[noreturn]] static void Truncated();
    std::size_t SegmentCount() const { return 1 + more_.size(); }
    const Segment& SegmentAt(std::size_t i) const { return i == 0 ? first_ : more_[i - 1]; }

    // Most records have no CONTINUE: the first segment needs no allocation.
    Segment first_;
    std::vector<Segment> more_;
    std::size_t segment_ = 0;
    std::size_t pos_ = 0;
};

} // namespace workbook

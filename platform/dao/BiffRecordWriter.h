#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

namespace workbook
{

// Appends BIFF8 records to a stream. A record is opened with Begin, filled, and closed with End,
// which sets its length. Records longer than 8224 bytes go on in CONTINUE records.
class BiffRecordWriter
{
public:
    explicit BiffRecordWriter(std::vector<std::uint8_t>& out) : out_(out) {}

    void Begin(std::uint16_t type);
    void End();
    // Closes the current record and opens a CONTINUE record.
    void Continue();
    // Bytes still free in the current record.
    std::size_t Room() const;
    std::size_t Position() const { return out_.size(); }
    // Offset of the current record's data part within the stream.
    std::size_t RecordDataStart() const { return start_ + 4; }

    void U8(std::uint8_t value) { out_.push_back(value); }
    void U16(std::uint16_t value);
    void U32(std::uint32_t value);
    void F64(double value);
    void Bytes(const std::uint8_t* data, std::size_t count) { out_.insert(out_.end(), data, data + count); }
    void PatchU32(std::size_t position, std::uint32_t value);

    // Strings: text is UTF-8; it is stored one byte a character where it can be, else as UTF-16.
    // XLUnicodeString (16-bit count) and ShortXLUnicodeString (8-bit count); the caller keeps
    // them within one record.
    void String16(std::string_view text);
    void String8(std::string_view text);
    // An SST entry, split over CONTINUE records where needed (the continued part starts with
    // its own flags byte, as the format wants).
    // Returns where the entry starts: its stream offset and its offset within its record.
    struct Placement
    {
        std::size_t streamOffset;
        std::size_t recordOffset;
    };
    Placement ContinuableString(std::string_view text);

private:
    std::vector<std::uint8_t>& out_;
    std::size_t start_ = 0;
};

} // namespace workbook

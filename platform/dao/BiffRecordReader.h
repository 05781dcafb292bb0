#pragma once

#include <cstddef>
#include <cstdint>

namespace workbook
{

// Walks the records of a BIFF8 stream: a 16-bit type, a 16-bit length and the data.
// Every record it hands out lies wholly inside the stream.
class BiffRecordReader
{
public:
    BiffRecordReader(const std::uint8_t* stream, std::size_t size) : stream_(stream), size_(size) {}

    // Moves to the record at a stream offset (the next Next() reads it).
    void Seek(std::size_t offset) { next_ = offset; }
    // Reads the next record; false at the end of the stream.
    // Throws WorkbookError when a record runs past the end of the stream.
    bool Next()
    {
        if (next_ >= size_)
            return false;
        if (size_ - next_ < 4)
            Incomplete();
        offset_ = next_;
        type_ = static_cast<std::uint16_t>(stream_[offset_] | (stream_[offset_ + 1] << 8));
        length_ = static_cast<std::size_t>(stream_[offset_ + 2] | (stream_[offset_ + 3] << 8));
        dataOffset_ = offset_ + 4;
        if (length_ > size_ - dataOffset_)
            PastTheEnd();
        next_ = dataOffset_ + length_;
        return true;
    }
    // The type of the record after the current one, 0 when there is none.
    std::uint16_t PeekType() const
    {
        if (next_ >= size_ || size_ - next_ < 4)
            return 0;
        return static_cast<std::uint16_t>(stream_[next_] | (stream_[next_ + 1] << 8));
    }

    std::uint16_t Type() const { return type_; }
    const std::uint8_t* Data() const { return stream_ + dataOffset_; }
    std::size_t Length() const { return length_; }
    // Stream offset of the current record's header.
    std::size_t Offset() const { return offset_; }
    // Stream offset just past the current record.
    std::size_t EndOffset() const { return dataOffset_ + length_; }

private:
    [[noreturn]] static void Incomplete();
    [[noreturn]] static void PastTheEnd();

    const std::uint8_t* stream_;
    std::size_t size_;
    std::size_t next_ = 0;
    std::size_t offset_ = 0;
    std::size_t dataOffset_ = 0;
    std::size_t length_ = 0;
    std::uint16_t type_ = 0;
};

} // namespace workbook

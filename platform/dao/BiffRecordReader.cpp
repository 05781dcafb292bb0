#include "platform/dao/BiffRecordReader.h"

#include "platform/dao/WorkbookError.h"

namespace workbook
{

void BiffRecordReader::Seek(std::size_t offset)
{
    next_ = offset;
}

bool BiffRecordReader::Next()
{
    if (next_ >= size_)
        return false;
    if (size_ - next_ < 4)
        throw WorkbookError("Sešit je poškozen: poslední záznam je neúplný.");
    offset_ = next_;
    type_ = static_cast<std::uint16_t>(stream_[offset_] | (stream_[offset_ + 1] << 8));
    length_ = static_cast<std::size_t>(stream_[offset_ + 2] | (stream_[offset_ + 3] << 8));
    dataOffset_ = offset_ + 4;
    if (length_ > size_ - dataOffset_)
        throw WorkbookError("Sešit je poškozen: záznam přesahuje konec souboru.");
    next_ = dataOffset_ + length_;
    return true;
}

std::uint16_t BiffRecordReader::PeekType() const
{
    if (next_ >= size_ || size_ - next_ < 4)
        return 0;
    return static_cast<std::uint16_t>(stream_[next_] | (stream_[next_ + 1] << 8));
}

} // namespace workbook

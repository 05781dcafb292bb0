#include "platform/dao/BiffWorkbookReader.h"
#include "platform/dao/BiffWorkbookWriter.h"
#include "platform/dao/CompoundFile.h"
#include "platform/dao/WorkbookError.h"
#include "platform/dao/WorkbookFile.h"

#include <gtest/gtest.h>

#include <cstring>
#include <random>

using namespace workbook;

namespace
{

Workbook SmallBook()
{
    Workbook book;
    Worksheet& sheet = book.AddSheet("List");
    sheet.SetText(0, 0, "Název");
    sheet.SetText(0, 1, "Hodnota");
    for (int r = 1; r < 300; ++r)
    {
        sheet.SetText(r, 0, "řádek " + std::to_string(r));
        sheet.SetNumber(r, 1, r * 1.5);
    }
    return book;
}

// Offset of the first record of a type in a BIFF stream, at or after a position.
std::size_t FindRecord(const std::vector<std::uint8_t>& stream, std::uint16_t type, std::size_t from = 0)
{
    std::size_t pos = 0;
    while (pos + 4 <= stream.size())
    {
        const std::uint16_t t = stream[pos] | (stream[pos + 1] << 8);
        const std::size_t len = stream[pos + 2] | (stream[pos + 3] << 8);
        if (t == type && pos >= from)
            return pos;
        pos += 4 + len;
    }
    return std::string::npos;
}

void ExpectError(const std::vector<std::uint8_t>& stream)
{
    EXPECT_THROW(BiffWorkbookReader::Read(stream.data(), stream.size()), WorkbookError);
}

} // namespace

TEST(HostileWorkbook, ContainerErrors)
{
    const std::vector<std::uint8_t> good = WorkbookToBytes(SmallBook());
    std::vector<std::uint8_t> wrongMagic = good;
    wrongMagic[0] = 'P';
    std::mt19937 random(7);
    std::vector<std::uint8_t> noise(20000);
    for (auto& b : noise)
        b = static_cast<std::uint8_t>(random());
    std::vector<std::uint8_t> noiseWithMagic = noise;
    std::memcpy(noiseWithMagic.data(), good.data(), 8);
    std::vector<std::uint8_t> headerOnly(good.begin(), good.begin() + 512);
    const std::vector<std::vector<std::uint8_t>> cases = {{}, {0xD0, 0xCF}, wrongMagic, noise, noiseWithMagic, headerOnly};
    for (const auto& bytes : cases)
        EXPECT_THROW(ReadWorkbookFromBytes(bytes.data(), bytes.size()), WorkbookError) << bytes.size();
}

TEST(HostileWorkbook, TruncatedFilesGiveErrors)
{
    const std::vector<std::uint8_t> good = WorkbookToBytes(SmallBook());
    for (std::size_t length = 0; length < good.size(); length += 97)
        EXPECT_THROW(ReadWorkbookFromBytes(good.data(), length), WorkbookError) << length;
}

TEST(HostileWorkbook, DamagedStreamsGiveErrors)
{
    const std::vector<std::uint8_t> good = BiffWorkbookWriter::Write(SmallBook());

    std::vector<std::uint8_t> sstIndex = good;
    const std::size_t label = FindRecord(sstIndex, 0x00FD);
    ASSERT_NE(label, std::string::npos);
    sstIndex[label + 10] = 0xFF;
    sstIndex[label + 11] = 0xFF;
    ExpectError(sstIndex);

    std::vector<std::uint8_t> absurdLength = good;
    const std::size_t window = FindRecord(absurdLength, 0x023E);
    absurdLength[window + 2] = 0xFF;
    absurdLength[window + 3] = 0xFF;
    ExpectError(absurdLength);

    std::vector<std::uint8_t> sheetOutside = good;
    const std::size_t sheet = FindRecord(sheetOutside, 0x0085);
    sheetOutside[sheet + 7] = 0x7F;
    ExpectError(sheetOutside);

    std::vector<std::uint8_t> sheetInGlobals = good;
    std::memset(sheetInGlobals.data() + sheet + 4, 0, 4);
    ExpectError(sheetInGlobals);

    std::vector<std::uint8_t> oldVersion = good;
    oldVersion[5] = 0x05;
    ExpectError(oldVersion);

    std::vector<std::uint8_t> noEof(good.begin(), good.end() - 4);
    ExpectError(noEof);
}

TEST(HostileWorkbook, EveryPrefixOfTheStreamFailsOrReadsCleanly)
{
    const std::vector<std::uint8_t> good = BiffWorkbookWriter::Write(SmallBook());
    for (std::size_t length = 0; length < good.size(); length += 13)
    {
        try
        {
            BiffWorkbookReader::Read(good.data(), length);
        }
        catch (const WorkbookError&)
        {
        }
    }
}

#include "platform/dao/BiffRecordType.h"
#include "platform/dao/BiffRecordWriter.h"
#include "platform/dao/BiffWorkbookReader.h"
#include "platform/dao/NumberFormatClassifier.h"

#include <gtest/gtest.h>

#include <cstring>

using namespace workbook;

namespace
{

// A stream with the records other writers use and ours does not: FORMULA with STRING,
// LABEL, MULRK, BLANK and MULBLANK, FORMAT and XF, an SST whose text runs into a CONTINUE.
std::vector<std::uint8_t> OtherWritersStream()
{
    std::vector<std::uint8_t> out;
    BiffRecordWriter w(out);
    const auto bof = [&](std::uint16_t type) {
        w.Begin(biff::kBof);
        w.U16(biff::kBiff8Version);
        w.U16(type);
        w.U32(0);
        w.U32(0);
        w.U32(0);
        w.End();
    };
    const auto cell = [&](std::uint16_t type, int row, int col, int xf) {
        w.Begin(type);
        w.U16(static_cast<std::uint16_t>(row));
        w.U16(static_cast<std::uint16_t>(col));
        w.U16(static_cast<std::uint16_t>(xf));
    };
    bof(biff::kGlobalsSubstream);
    w.Begin(biff::kFormat);
    w.U16(200);
    w.String16("[$-405]d\\.m\\.yyyy");
    w.End();
    for (int format : {0, 200, 7}) // XF 0 general, 1 a custom date, 2 built-in currency
    {
        w.Begin(biff::kXf);
        w.U16(0);
        w.U16(static_cast<std::uint16_t>(format));
        for (int i = 0; i < 16; ++i)
            w.U8(0);
        w.End();
    }
    w.Begin(biff::kBoundSheet);
    const std::size_t offsetSlot = w.Position();
    w.U32(0);
    w.U16(0);
    w.String8("List");
    w.End();
    // SST: "Ahoj" then a text split by hand: 3 compressed characters, CONTINUE, 2 wide ones.
    w.Begin(biff::kSst);
    w.U32(2);
    w.U32(2);
    w.U16(4);
    w.U8(0);
    for (char c : std::string("Ahoj"))
        w.U8(static_cast<std::uint8_t>(c));
    w.U16(5);
    w.U8(0);
    for (char c : std::string("abc"))
        w.U8(static_cast<std::uint8_t>(c));
    w.Continue();
    w.U8(1);
    w.U16(0x010D); // č
    w.U16(0x0158); // Ř
    w.End();
    w.Begin(biff::kEof);
    w.End();

    w.PatchU32(offsetSlot, static_cast<std::uint32_t>(out.size()));
    bof(biff::kWorksheetSubstream);
    cell(biff::kLabelSst, 0, 0, 0);
    w.U32(1);
    w.End();
    cell(biff::kLabel, 0, 1, 0);
    w.String16("Štítek");
    w.End();
    w.Begin(biff::kMulRk); // row 1, columns 0..2: 5, 1.25 (x100 form), a date
    w.U16(1);
    w.U16(0);
    w.U16(0);
    w.U32((5u << 2) | 2u);
    w.U16(0);
    w.U32((125u << 2) | 3u);
    w.U16(1);
    w.U32((45000u << 2) | 2u);
    w.U16(2);
    w.End();
    cell(biff::kNumber, 1, 3, 2);
    w.F64(99.5);
    w.End();
    cell(biff::kFormula, 2, 0, 0); // a number result
    w.F64(7.5);
    w.U16(0);
    w.U32(0);
    w.U16(0);
    w.End();
    cell(biff::kFormula, 2, 1, 0); // a text result in the STRING record that follows
    for (std::uint8_t b : {0, 0, 0, 0, 0, 0, 0xFF, 0xFF})
        w.U8(b);
    w.U16(0);
    w.U32(0);
    w.U16(0);
    w.End();
    w.Begin(biff::kString);
    w.String16("výsledek");
    w.End();
    cell(biff::kFormula, 2, 2, 0); // a Boolean result
    for (std::uint8_t b : {1, 0, 1, 0, 0, 0, 0xFF, 0xFF})
        w.U8(b);
    w.U16(0);
    w.U32(0);
    w.U16(0);
    w.End();
    cell(biff::kBlank, 3, 0, 0);
    w.End();
    w.Begin(biff::kMulBlank);
    w.U16(4);
    w.U16(0);
    w.U16(0);
    w.U16(0);
    w.U16(1);
    w.End();
    bof(0x0020); // an embedded chart: skipped with its own records
    cell(biff::kNumber, 9, 9, 0);
    w.F64(1);
    w.End();
    w.Begin(biff::kEof);
    w.End();
    w.Begin(biff::kEof);
    w.End();
    return out;
}

} // namespace

TEST(BiffRecords, ReadsTheRecordsOfOtherWriters)
{
    const std::vector<std::uint8_t> stream = OtherWritersStream();
    const Workbook book = BiffWorkbookReader::Read(stream.data(), stream.size());
    ASSERT_EQ(book.SheetCount(), 1);
    const Worksheet& s = book.Sheet(0);
    EXPECT_EQ(s.TextAt(0, 0), "abcčŘ");
    EXPECT_EQ(s.TextAt(0, 1), "Štítek");
    EXPECT_EQ(s.At(1, 0).number, 5.0);
    EXPECT_EQ(s.At(1, 1).number, 1.25);
    EXPECT_EQ(s.At(1, 2).format, NumberFormatKind::Date);
    EXPECT_EQ(s.At(1, 3).format, NumberFormatKind::Currency);
    EXPECT_EQ(s.At(2, 0).number, 7.5);
    EXPECT_EQ(s.TextAt(2, 1), "výsledek");
    EXPECT_EQ(s.At(2, 2).kind, CellKind::Boolean);
    EXPECT_TRUE(s.At(3, 0).IsEmpty());
    EXPECT_EQ(s.RowEnd(), 3); // no DIMENSIONS: the extent of the cells (blanks do not count)
    EXPECT_TRUE(s.At(9, 9).IsEmpty()); // the chart's record
}

TEST(BiffRecords, ClassifiesNumberFormats)
{
    const std::pair<const char*, NumberFormatKind> cases[] = {
        {"General", NumberFormatKind::General},
        {"0.00", NumberFormatKind::General},
        {"#,##0.00", NumberFormatKind::General},
        {"0.00E+00", NumberFormatKind::General},
        {"@", NumberFormatKind::General},
        {"d.m.yyyy", NumberFormatKind::Date},
        {"D.M.YYYY", NumberFormatKind::Date},
        {"[$-405]d\\.m\\.yyyy", NumberFormatKind::Date},
        {"h:mm:ss", NumberFormatKind::Date},
        {"[h]:mm", NumberFormatKind::Date},
        {"#,##0.00\\ \"Kč\"", NumberFormatKind::Currency},
        {"#,##0.00 [$€-407]", NumberFormatKind::Currency},
        {"\"$\"#,##0.00;[Red]\\-\"$\"#,##0.00", NumberFormatKind::Currency},
        {"0.0 \"m\"", NumberFormatKind::General},
    };
    for (const auto& [code, kind] : cases)
        EXPECT_EQ(NumberFormatClassifier::FromCode(code), kind) << code;
    EXPECT_EQ(NumberFormatClassifier::Builtin(14), NumberFormatKind::Date);
    EXPECT_EQ(NumberFormatClassifier::Builtin(7), NumberFormatKind::Currency);
    EXPECT_EQ(NumberFormatClassifier::Builtin(2), NumberFormatKind::General);
}

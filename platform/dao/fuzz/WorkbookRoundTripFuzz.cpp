// libFuzzer target: a workbook that the reader accepts is written and read again, and the
// second reading equals the first: every sheet, cell, name and the date system.
#include "platform/dao/BiffWorkbookReader.h"
#include "platform/dao/BiffWorkbookWriter.h"
#include "platform/dao/CompoundFile.h"
#include "platform/dao/WorkbookError.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>

namespace
{
using workbook::Cell;
using workbook::CellKind;
using workbook::Workbook;
using workbook::Worksheet;

std::optional<Workbook> Read(const std::uint8_t* data, std::size_t size, bool container)
{
    try
    {
        if (!container)
            return workbook::BiffWorkbookReader::Read(data, size);
        const std::vector<std::uint8_t> stream = workbook::CompoundFile::ReadWorkbookStream(data, size);
        return workbook::BiffWorkbookReader::Read(stream.data(), stream.size());
    }
    catch (const workbook::WorkbookError&)
    {
        return std::nullopt;
    }
}

[[noreturn]] void Differs(const std::string& what)
{
    std::fprintf(stderr, "the workbook read back differs: %s\n", what.c_str());
    std::abort();
}

bool SameCell(const Worksheet& a, const Cell& x, const Worksheet& b, const Cell& y)
{
    if (x.kind != y.kind)
        return false;
    switch (x.kind)
    {
    case CellKind::Empty:
        return true;
    case CellKind::Text:
        return a.TextOf(x) == b.TextOf(y);
    case CellKind::Number:
        return x.format == y.format && std::memcmp(&x.number, &y.number, sizeof x.number) == 0;
    case CellKind::Boolean:
        return x.boolean == y.boolean;
    case CellKind::Error:
        return x.error == y.error;
    }
    return false;
}

void CompareSheets(const Worksheet& a, const Worksheet& b)
{
    if (a.Name() != b.Name())
        Differs("sheet name " + a.Name() + " / " + b.Name());
    if (a.FirstRow() != b.FirstRow() || a.RowEnd() != b.RowEnd() || a.FirstColumn() != b.FirstColumn() ||
        a.ColumnEnd() != b.ColumnEnd())
        Differs("used range of " + a.Name());
    for (int r = a.FirstRow(); r < a.RowEnd(); ++r)
        for (int c = a.FirstColumn(); c < a.ColumnEnd(); ++c)
            if (!SameCell(a, a.At(r, c), b, b.At(r, c)))
                Differs("cell " + std::to_string(r) + "," + std::to_string(c) + " of " + a.Name());
}

void Compare(const Workbook& a, const Workbook& b)
{
    if (a.SheetCount() != b.SheetCount())
        Differs("sheet count");
    if (a.Uses1904Dates() != b.Uses1904Dates())
        Differs("date system");
    for (int s = 0; s < a.SheetCount(); ++s)
        CompareSheets(a.Sheet(s), b.Sheet(s));
    if (a.Names().size() != b.Names().size())
        Differs("name count");
    for (std::size_t i = 0; i < a.Names().size(); ++i)
    {
        const workbook::DefinedName& x = a.Names()[i];
        const workbook::DefinedName& y = b.Names()[i];
        if (x.name != y.name || x.sheet != y.sheet || x.firstRow != y.firstRow || x.lastRow != y.lastRow ||
            x.firstCol != y.firstCol || x.lastCol != y.lastCol)
            Differs("name " + x.name);
    }
}

void RoundTrip(const Workbook& first)
{
    const std::vector<std::uint8_t> bytes = workbook::CompoundFile::WrapWorkbookStream(
        workbook::BiffWorkbookWriter::Write(first));
    const std::optional<Workbook> second = Read(bytes.data(), bytes.size(), true);
    if (!second)
        Differs("the written file cannot be read");
    Compare(first, *second);
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    // The container and the bare record stream, so that the fuzzer reaches the records either way.
    for (const bool container : {true, false})
        if (const std::optional<Workbook> first = Read(data, size, container))
            RoundTrip(*first);
    return 0;
}

// libFuzzer target: a damaged workbook opened through CData as the programs open it, every
// table read value by value, and the programs' kinds of queries and finds run on each:
// database errors are fine, crashes, overruns and hangs are not.
#include "datalib/CData.h"
#include "datalib/DataRules.h"
#include "testing/fuzz/FuzzedSheet.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>
#include <unistd.h>

namespace
{
// Bounds on the work of one input, so that a run tries many inputs.
constexpr int kTablesTried = 8;
constexpr int kRowsRead = 50;

void ReadEveryValue(CData& data)
{
    for (int r = 0; r < data.m_nRecordCount && r < kRowsRead; ++r)
        for (int c = 0; c < data.m_nColCount; ++c)
        {
            CString text;
            data.GetStringValue(c, text, r, -1);
            COleVariant value;
            data.GetValue(c, value, r);
        }
}

void RunQueries(CData& data, const CString& table)
{
    if (!data.OpenTable(table, "", 0))
        return;
    ReadEveryValue(data);
    if (data.m_nColCount == 0)
    {
        data.CloseTable();
        return;
    }
    const CString from = DataRules::BracketedName(table);
    const CString first = DataRules::BracketedName(data.m_aColNames[0]);
    const CString last = DataRules::BracketedName(data.m_aColNames[data.m_nColCount - 1]);
    const CString criteria[] = {first + " = 'A'", first + " > 0", last + " LIKE 'a*'", first + " IS NULL",
                                first + " = 1 AND " + last + " <> 'x'"};
    for (const CString& condition : criteria)
        data.Find(10, condition, 0);
    data.Find(30, first + " <> ''", 0);
    data.Find(40, first + " = 0", 0);
    data.CloseTable();
    for (const CString& condition : criteria)
    {
        if (data.OpenTable(table, "SELECT * FROM " + from + " WHERE " + condition, 0))
            ReadEveryValue(data);
        data.CloseTable();
    }
    if (data.OpenTable(table, "SELECT " + first + ", " + last + " FROM " + from + " ORDER BY " + last, 0))
        ReadEveryValue(data);
    data.CloseTable();
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size)
{
    // The fuzzed bytes go to a file in a folder of this process's own in memory.
    const std::string path = FuzzedSheet::WorkbookPath();
    FILE* file = std::fopen(path.c_str(), "wb");
    if (!file)
        return 0;
    std::fwrite(bytes, 1, size, file);
    std::fclose(file);
    CData data;
    if (data.Open(CString(path), "Excel 8.0", 0, 1))
        for (int t = 0; t < data.m_nTableCount && t < kTablesTried; ++t)
            RunQueries(data, data.m_aTableNames[t]);
    data.Close();
    ::unlink(path.c_str());
    return 0;
}

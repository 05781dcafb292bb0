// Values a workbook cannot hold are refused with a database error and leave the cell as it
// was; values it can hold arrive as they were meant, as python3-xlrd reads the file.
#include "Fixtures.h"
#include "datalib/CData.h"
#include "platform/core/MessageBox.h"
#include "platform/core/UserLocale.h"
#include "platform/dao/DaoConstants.h"
#include "testing/ScriptedAnswers.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <limits>
#include <sstream>
#include <string>
#include <vector>

namespace
{
enum Column
{
    kTextCol,
    kCurrencyCol,
    kDoubleCol,
    kDateCol
};

COleVariant Double(double value)
{
    return COleVariant(value);
}

COleVariant Date(double oleDate)
{
    return COleVariant(oleDate, VT_DATE);
}

COleVariant Text(const std::string& text)
{
    return COleVariant(CString(text));
}

struct ValueCase
{
    const char* what;
    int column;
    COleVariant value;
    bool asText;    // written with SetStringValue (the value's text) instead of SetValue
    int errorCode;  // 0: accepted
    const char* cellAfter; // the cell as xlrd reads it after the file was written
};

// One line per data row: the cells of the four columns as "kind:value".
const char* const kXlrdCells = R"(
import sys, xlrd
book = xlrd.open_workbook(sys.argv[1])
sheet = book.sheet_by_name("Hodnoty")
for r in range(1, sheet.nrows):
    cells = []
    for c in range(sheet.ncols):
        t, v = sheet.cell_type(r, c), sheet.cell_value(r, c)
        if t == xlrd.XL_CELL_EMPTY:
            cells.append("empty")
        elif t == xlrd.XL_CELL_TEXT:
            cells.append("text:%d:%s" % (len(v), v[:8]))
        elif t == xlrd.XL_CELL_DATE:
            cells.append("date:" + xlrd.xldate_as_datetime(v, book.datemode).isoformat())
        else:
            cells.append("number:%r" % v)
    print("|".join(cells))
)";

std::vector<std::string> XlrdRows(const CString& path, const FixtureFolder& folder)
{
    const CString script = folder.Path("cells.py");
    FILE* file = std::fopen(script.GetString(), "w");
    std::fputs(kXlrdCells, file);
    std::fclose(file);
    const std::string command = "/usr/bin/python3 '" + script.str() + "' '" + path.str() + "'";
    FILE* pipe = popen(command.c_str(), "r");
    std::string output;
    char buffer[4096];
    while (pipe && std::fgets(buffer, sizeof buffer, pipe))
        output += buffer;
    if (pipe)
        pclose(pipe);
    std::vector<std::string> rows;
    std::istringstream lines(output);
    for (std::string line; std::getline(lines, line);)
        rows.push_back(line);
    return rows;
}

std::string CellOf(const std::string& row, int column)
{
    std::istringstream cells(row);
    std::string cell;
    for (int c = 0; c <= column && std::getline(cells, cell, '|'); ++c)
    {
    }
    return cell;
}

// Czech dates (d.M.yyyy) and a clean list of shown boxes for one test.
class CzechScope
{
public:
    CzechScope()
    {
        UserLocale::SetCurrent(UserLocale::Czech());
        ScriptedAnswers::ForgetShown();
    }
    ~CzechScope()
    {
        UserLocale::SetCurrent(UserLocale::English());
        ScriptedAnswers::ForgetShown();
    }
};
} // namespace

TEST(CDataValueLimits, RefusedValuesLeaveTheCellAndKeptValuesReadBackInXlrd)
{
    const std::string longest(32767, 'x');
    const std::string tooLong(70000, 'y');
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double infinity = std::numeric_limits<double>::infinity();
    const ValueCase cases[] = {
        {"text of 32767 characters", kTextCol, Text(longest), false, 0, "text:32767:xxxxxxxx"},
        {"text of 70000 characters", kTextCol, Text(tooLong), false, 3163, "text:7:původní"},
        {"text of 70000 characters as text", kTextCol, Text(tooLong), true, 3163, "text:7:původní"},
        {"currency beyond its range", kCurrencyCol, Double(1e15), false, 3349, "number:2.5"},
        {"currency text beyond its range", kCurrencyCol, Text("1e15"), true, 3349, "number:2.5"},
        {"currency NaN", kCurrencyCol, Double(nan), false, 3349, "number:2.5"},
        {"currency at the top of its range", kCurrencyCol, Double(9e14), false, 0, "number:900000000000000.0"},
        {"double NaN", kDoubleCol, Double(nan), false, 3349, "number:7.0"},
        {"double infinity", kDoubleCol, Double(-infinity), false, 3349, "number:7.0"},
        {"double text beyond any number", kDoubleCol, Text("1e400"), true, 3349, "number:7.0"},
        {"31 December 1899", kDateCol, Date(1.0), false, 0, "date:1899-12-31T00:00:00"},
        {"31 December 1899 as text", kDateCol, Text("31.12.1899"), true, 0, "date:1899-12-31T00:00:00"},
        {"1 January 1900", kDateCol, Date(2.0), false, 0, "date:1900-01-01T00:00:00"},
        {"30 December 1899", kDateCol, Date(0.0), false, 3349, "date:2020-05-01T00:00:00"},
        {"a date of 1800", kDateCol, Date(-36522.0), false, 3349, "date:2020-05-01T00:00:00"},
        {"an empty date", kDateCol, Text(""), true, 0, "empty"},
    };
    CzechScope czech;
    FixtureFolder folder;
    const CString path = folder.Path("Hodnoty.xls");
    CData data;
    data.m_bShowErrors = 1;
    ASSERT_TRUE(data.Create(path, "Excel 8.0"));
    data.AddColBeforeCreateTable("Text", dbMemo, 0, -2);
    data.AddColBeforeCreateTable("Cena", dbCurrency, 8, 2);
    data.AddColBeforeCreateTable("Číslo", dbDouble, 8, 2);
    data.AddColBeforeCreateTable("Datum", dbDate, 8, -2);
    ASSERT_TRUE(data.CreateTable("Hodnoty"));
    const int count = static_cast<int>(std::size(cases));
    for (int r = 0; r < count; ++r)
    {
        ASSERT_TRUE(data.AddRow());
        ASSERT_TRUE(data.SetStringValue(kTextCol, "původní", r));
        ASSERT_TRUE(data.SetValue(kCurrencyCol, Double(2.5), r));
        ASSERT_TRUE(data.SetValue(kDoubleCol, Double(7.0), r));
        ASSERT_TRUE(data.SetStringValue(kDateCol, "1.5.2020", r));
    }
    for (int r = 0; r < count; ++r)
    {
        const ValueCase& c = cases[r];
        const std::size_t shownBefore = ScriptedAnswers::ShownBoxes().size();
        const int written = c.asText ? data.SetStringValue(c.column, CString(c.value.bstrVal), r)
                                     : data.SetValue(c.column, c.value, r);
        EXPECT_EQ(written, c.errorCode == 0 ? 1 : 0) << c.what;
        const std::size_t shown = ScriptedAnswers::ShownBoxes().size();
        EXPECT_EQ(shown, shownBefore + (c.errorCode == 0 ? 0 : 1)) << c.what;
        if (c.errorCode != 0 && shown > shownBefore)
        {
            const CString& text = ScriptedAnswers::ShownBoxes().back().text;
            EXPECT_NE(text.Find(CString("(" + std::to_string(c.errorCode) + ")")), -1) << c.what << ": " << text.str();
        }
    }
    const std::size_t shownBeforeSave = ScriptedAnswers::ShownBoxes().size();
    data.Close();
    EXPECT_EQ(ScriptedAnswers::ShownBoxes().size(), shownBeforeSave) << "the save itself reports nothing";
    const std::vector<std::string> rows = XlrdRows(path, folder);
    ASSERT_EQ(rows.size(), std::size(cases));
    for (int r = 0; r < count; ++r)
        EXPECT_EQ(CellOf(rows[r], cases[r].column), cases[r].cellAfter) << cases[r].what;
}

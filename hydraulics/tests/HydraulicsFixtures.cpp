#include "HydraulicsFixtures.h"

#include "datalib/CData.h"
#include "platform/core/NumberText.h"
#include "platform/core/UserLocale.h"

#include <gtest/gtest.h>

#include <QFile>

ScopedDecimalSeparator::ScopedDecimalSeparator(char separator) : m_oldFormat(NumberText::FormatSeparator())
{
    UserLocale locale = separator == ',' ? UserLocale::Czech() : UserLocale::English();
    UserLocale::SetCurrent(locale);
    NumberText::SetFormatSeparator(separator);
}

ScopedDecimalSeparator::~ScopedDecimalSeparator()
{
    NumberText::SetFormatSeparator(m_oldFormat);
    UserLocale::ResetToSystem();
}

CString Typed(const char* text, char separator)
{
    CString value = text;
    value.Replace(char32_t('.'), char32_t(separator));
    return value;
}

WorkbookCopy::WorkbookCopy(const char* generatedName, const char* copyName)
{
    m_path = CString(m_folder.path().toStdString()) + "/" + (copyName ? copyName : generatedName);
    const QString source = QString::fromUtf8(KALVENROD_BIN_DIR) + "/" + QString::fromUtf8(generatedName);
    EXPECT_TRUE(QFile::copy(source, QString::fromUtf8(m_path.GetString()))) << generatedName;
    QFile::setPermissions(QString::fromUtf8(m_path.GetString()), QFile::ReadOwner | QFile::WriteOwner);
}

void AppendRows(const CString& workbook, const char* sheet, const std::vector<RowCells>& rows)
{
    CData data;
    ASSERT_TRUE(data.Open(workbook, "Excel 8.0", 0, 0));
    ASSERT_TRUE(data.OpenTable(sheet, "", 0));
    for (const RowCells& row : rows)
    {
        ASSERT_TRUE(data.AddRow());
        for (const auto& [column, text] : row)
            EXPECT_TRUE(data.SetStringValue(column, text, -1, 0)) << column;
    }
    data.CloseTable();
    data.Close();
}

std::vector<std::vector<std::pair<CString, CString>>> ReadSheet(const CString& workbook, const char* sheet)
{
    std::vector<std::vector<std::pair<CString, CString>>> rows;
    CData data;
    EXPECT_TRUE(data.Open(workbook, "Excel 8.0", 0, 0));
    EXPECT_TRUE(data.OpenTable(sheet, "", 0));
    for (int r = 0; r < data.m_nRecordCount; ++r)
    {
        std::vector<std::pair<CString, CString>> row;
        for (int c = 0; c < data.m_nColCount; ++c)
        {
            CString text;
            data.GetStringValue(c, text, r, -1);
            if (!text.IsEmpty())
                row.emplace_back(data.m_aColNames[c], text);
        }
        rows.push_back(row);
    }
    data.CloseTable();
    data.Close();
    return rows;
}

CString CellText(const std::vector<std::pair<CString, CString>>& row, const char* column)
{
    for (const auto& [name, text] : row)
        if (name == column)
            return text;
    return CString();
}

void WriteHeaderCell(const CString& workbook, const char* column, const char* value)
{
    CData data;
    ASSERT_TRUE(data.Open(workbook, "Excel 8.0", 0, 0));
    ASSERT_TRUE(data.OpenTable("DataAkce$", "", 0));
    ASSERT_TRUE(data.SetStringValue(column, value, 0, 0));
    data.CloseTable();
    data.Close();
}

CString HeaderCell(const CString& workbook, const char* column)
{
    const auto rows = ReadSheet(workbook, "DataAkce$");
    return rows.empty() ? CString() : CellText(rows[0], column);
}

int EmptySheet(const CString& workbook, const CString& sheet)
{
    const CString temporary = workbook + ".tmp.xls";
    CData source;
    if (!source.Open(workbook, "Excel 8.0", 0, 0) || !source.OpenTable(sheet, "", 0))
        return 1;
    std::vector<std::pair<CString, int>> columns;
    for (int c = 0; c < source.m_nColCount; ++c)
        columns.emplace_back(source.m_aColNames[c], source.m_aColTypes[c] < 0 ? 10 : source.m_aColTypes[c]);
    const int index = source.GetTableIndex(sheet);
    source.CloseTable();
    const int copied = source.Copy(temporary, index);
    source.Close();
    if (!copied)
        return 1;
    CData target;
    if (!target.Open(temporary, "Excel 8.0", 0, 0))
        return 1;
    for (const auto& [name, type] : columns)
        target.AddColBeforeCreateTable(name, type, type == 10 ? 255 : 0, -2);
    const int created = target.CreateTable(sheet.Left(sheet.GetLength() - 1));
    target.CloseTable();
    target.Close();
    if (!created)
        return 1;
    return std::rename(temporary.GetString(), workbook.GetString()) == 0 ? 0 : 1;
}

std::vector<RowCells> ProjectRows()
{
    return {
        {{"Číslo                Místnosti", "1.01"}, {"NázevM", "Obývací pokoj"}, {"ZtrátaM", "1000.0"},
         {"PočetT", "2"}, {"Podlahové     Vytápění", floorCode}, {"Soustava", "1"}, {"ZTRATA_PODL", "600.0"},
         {"ZTRATA_STEN", "0.0"}, {"ZTRATA_TELE", "400.0"}, {"TYP_ZAZNAMU", "2"}, {"Format", "000000|f0d800|T|1"}},
        {{"Číslo                Místnosti", "1.01"}, {"PočetT", "1"}, {"VětaT", "9005-0012"}, {"PočetČl", "10"},
         {"Podlahové     Vytápění", "Ne"}, {"R omítky", "0.470"}, {"Vytápění", "350.0"}, {"TYP_ZAZNAMU", "3"},
         {"Format", "000000|e6e6fa||1"}},
        {{"Číslo                Místnosti", "1.01"}, {"PočetT", "1"}, {"VětaT", "9005-0013"},
         {"Podlahové     Vytápění", "Ne"}, {"Vytápění", "50.0"}, {"TYP_ZAZNAMU", "3"}},
        {{"Číslo                Místnosti", "1.01"}, {"Podlahové     Vytápění", floorCode}, {"Délka Topení", "60"},
         {"TYP_ZAZNAMU", "4"}},
        {{"Číslo                Místnosti", "1.01"}, {"Podlahové     Vytápění", floorCode}, {"Délka Topení", "55"},
         {"TYP_ZAZNAMU", "4"}},
        {{"Číslo                Místnosti", "1.01"}, {"Soustava", "10"}, {"Stěnové Vytápění", wallCode},
         {"Délka Topení", "40"}, {"TYP_ZAZNAMU", "5"}},
        {{"Číslo                Místnosti", "1.02"}, {"NázevM", "Koupelna"}, {"ZtrátaM", "500.0"},
         {"Podlahové     Vytápění", floorCode}, {"Soustava", "2"}, {"ZTRATA_PODL", "500.0"}, {"TYP_ZAZNAMU", "2"}},
        {{"Číslo                Místnosti", "1.02"}, {"Podlahové     Vytápění", floorCode}, {"TYP_ZAZNAMU", "4"}},
        {{"Číslo                Místnosti", "1.03"}, {"NázevM", "Chodba"}, {"ZtrátaM", "200.0"}, {"Soustava", "11"},
         {"TYP_ZAZNAMU", "2"}},
        {{"Podlahové     Vytápění", "Ne"}, {"VětaT", "9005-0001"}},
    };
}


std::vector<SheetRow> ResultRows(const CString& workbook)
{
    std::vector<SheetRow> rows;
    for (const auto& row : ReadSheet(workbook, "SeznamM$"))
        rows.emplace_back(row.begin(), row.end());
    return rows;
}

SheetRow Cells(const RowCells& cells)
{
    SheetRow row;
    for (const auto& [column, text] : cells)
        row[column] = text;
    return row;
}
